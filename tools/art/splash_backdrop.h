#pragma once

#include "ground_view.h"

class QPainter;
class QRectF;

// Night sky with stars and a range of hills over a glowing grid floor that runs to the horizon.
void paintBackdrop(QPainter& painter, const QRectF& area, const GroundView& view);

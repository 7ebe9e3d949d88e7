#pragma once

class QPainter;
class QRectF;

// "ZARVO" over "CYCLES" in chrome block letters with a raised edge, a coloured depth and a glow,
// filling the width of the given area.
void paintTitle(QPainter& painter, const QRectF& area);

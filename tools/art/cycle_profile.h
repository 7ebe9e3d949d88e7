#pragma once

#include <QRgb>

class QPainter;

// A racing cycle and its crouching rider seen from the right side, facing right, in its own units:
// u from the rear (0) to the nose (1) along x, v up from the floor (0) along y.
void paintCycleProfile(QPainter& painter, QRgb color);

#pragma once

#include "ground_view.h"

#include <QRgb>
#include <vector>

class QPainter;

// A cycle seen from the side, and the wall of light it has laid behind it.
struct Racer {
    QRgb color;
    qreal depth;                // the cycle runs across the view at this depth
    qreal rearX;                // where its rear wheel stands
    int heading;                // +1 to the right, -1 to the left
    std::vector<QPointF> turns; // (x, depth) of the trail's start and its corners, oldest first
};

// Paints the racers from the farthest to the nearest.
void paintRacers(QPainter& painter, const GroundView& view, std::vector<Racer> racers);

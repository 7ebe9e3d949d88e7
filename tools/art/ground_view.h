#pragma once

#include <QPointF>

// A camera looking level over a flat floor: world x runs to the right, depth away from the eye
// and height up from the floor, all in grid cells.
struct GroundView {
    QPointF vanishingPoint;
    qreal focalLength; // pixels
    qreal eyeHeight;

    QPointF project(qreal x, qreal depth, qreal height = 0) const {
        return {vanishingPoint.x() + focalLength * x / depth,
                vanishingPoint.y() + focalLength * (eyeHeight - height) / depth};
    }
    qreal pixelsPerCell(qreal depth) const { return focalLength / depth; }
};

#include "racing_cycles.h"

#include "art_palette.h"
#include "cycle_profile.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>

namespace {

using ArtPalette::withAlpha;

constexpr qreal CycleLength = 0.95;
constexpr qreal WallHeight = 0.26;

void paintWallSegment(QPainter& painter, const GroundView& view, QPointF from, QPointF to,
                      QRgb color) {
    const QPointF floorFrom = view.project(from.x(), from.y());
    const QPointF floorTo = view.project(to.x(), to.y());
    const QPointF topFrom = view.project(from.x(), from.y(), WallHeight);
    const QPointF topTo = view.project(to.x(), to.y(), WallHeight);

    painter.setPen(QPen(withAlpha(color, 40), 6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(floorFrom, floorTo);

    QLinearGradient sheen(0, std::min(topFrom.y(), topTo.y()), 0,
                          std::max(floorFrom.y(), floorTo.y()));
    sheen.setColorAt(0, withAlpha(color, 190));
    sheen.setColorAt(1, withAlpha(color, 70));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sheen);
    painter.drawPolygon(QPolygonF({floorFrom, floorTo, topTo, topFrom}));

    painter.setPen(QPen(withAlpha(color, 90), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(topFrom, topTo);
    painter.setPen(QPen(QColor(255, 255, 255, 220), 0.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(topFrom, topTo);
    painter.setPen(QPen(withAlpha(color, 255), 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(floorFrom, floorTo);
}

void paintTrail(QPainter& painter, const GroundView& view, const Racer& racer) {
    std::vector<QPointF> points = racer.turns;
    points.emplace_back(racer.rearX, racer.depth);
    for (std::size_t i = 1; i < points.size(); ++i) {
        paintWallSegment(painter, view, points[i - 1], points[i], racer.color);
    }
}

void paintCycle(QPainter& painter, const GroundView& view, const Racer& racer) {
    const qreal scale = view.pixelsPerCell(racer.depth) * CycleLength;
    const QPointF rear = view.project(racer.rearX, racer.depth);

    QRadialGradient pool(0, 0, 1);
    pool.setColorAt(0, withAlpha(racer.color, 110));
    pool.setColorAt(1, withAlpha(racer.color, 0));
    painter.save();
    painter.translate(rear + QPointF(racer.heading * scale * 0.5, 0));
    painter.scale(scale * 0.8, scale * 0.1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(pool);
    painter.drawEllipse(QPointF(0, 0), 1, 1);
    painter.restore();

    painter.save();
    painter.setTransform(QTransform(racer.heading * scale, 0, 0, -scale, rear.x(), rear.y()), true);
    paintCycleProfile(painter, racer.color);
    painter.restore();
}

} // namespace

void paintRacers(QPainter& painter, const GroundView& view, std::vector<Racer> racers) {
    std::sort(racers.begin(), racers.end(),
              [](const Racer& a, const Racer& b) { return a.depth > b.depth; });
    for (const Racer& racer : racers) {
        paintTrail(painter, view, racer);
        paintCycle(painter, view, racer);
    }
}

#include "splash_backdrop.h"

#include "art_palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QRectF>
#include <vector>

namespace {

void paintSky(QPainter& painter, const QRectF& area, qreal horizon) {
    QLinearGradient sky(0, area.top(), 0, horizon);
    sky.setColorAt(0.0, QColor(2, 2, 12));
    sky.setColorAt(0.55, QColor(14, 8, 40));
    sky.setColorAt(0.85, QColor(48, 12, 78));
    sky.setColorAt(1.0, QColor(120, 30, 130));
    painter.fillRect(QRectF(area.left(), area.top(), area.width(), horizon - area.top()), sky);
}

void paintStars(QPainter& painter, const QRectF& area, qreal horizon) {
    QRandomGenerator random(1979); // a fixed seed keeps the picture the same on every build
    painter.setPen(Qt::NoPen);
    for (int star = 0; star < 70; ++star) {
        const QPointF at(area.left() + random.bounded(area.width()),
                         area.top() + random.bounded(horizon - 24 - area.top()));
        const qreal size = 0.35 + random.bounded(0.5);
        const int alpha = 90 + random.bounded(150);
        painter.setBrush(QColor(220, 225, 255, alpha));
        painter.drawEllipse(at, size, size);
    }
}

QPolygonF ridge(const QRectF& area, qreal horizon, const std::vector<qreal>& heights) {
    QPolygonF outline;
    outline << QPointF(area.left(), horizon);
    const qreal step = area.width() / static_cast<qreal>(heights.size() - 1);
    for (std::size_t i = 0; i < heights.size(); ++i) {
        outline << QPointF(area.left() + step * static_cast<qreal>(i), horizon - heights[i]);
    }
    outline << QPointF(area.right(), horizon);
    return outline;
}

void paintHills(QPainter& painter, const QRectF& area, qreal horizon) {
    const QPolygonF far =
        ridge(area, horizon, {6, 14, 9, 20, 12, 7, 3, 5, 11, 17, 24, 15, 8, 13, 6});
    const QPolygonF near = ridge(area, horizon, {10, 4, 2, 7, 4, 1, 0, 0, 2, 5, 3, 9, 14, 8, 12});
    QColor rim = QColor::fromRgb(ArtPalette::Magenta);
    painter.setBrush(QColor(26, 10, 52));
    rim.setAlpha(110);
    painter.setPen(QPen(rim, 0.8));
    painter.drawPolygon(far);
    painter.setBrush(QColor(12, 6, 30));
    rim.setAlpha(200);
    painter.setPen(QPen(rim, 1.0));
    painter.drawPolygon(near);
}

void paintHorizonGlow(QPainter& painter, const QRectF& area, qreal horizon) {
    QRadialGradient glow(QPointF(area.center().x(), horizon), area.width() * 0.6);
    glow.setColorAt(0.0, QColor(255, 120, 255, 120));
    glow.setColorAt(0.5, QColor(160, 40, 220, 50));
    glow.setColorAt(1.0, QColor(80, 0, 160, 0));
    painter.save();
    painter.translate(0, horizon);
    painter.scale(1, 0.12);
    painter.translate(0, -horizon);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(area.center().x(), horizon), area.width() * 0.6,
                        area.width() * 0.6);
    painter.restore();
}

void paintFloor(QPainter& painter, const QRectF& area, qreal horizon) {
    QLinearGradient floor(0, horizon, 0, area.bottom());
    floor.setColorAt(0.0, QColor(40, 8, 64));
    floor.setColorAt(0.15, QColor(10, 4, 30));
    floor.setColorAt(1.0, QColor(2, 2, 10));
    painter.fillRect(QRectF(area.left(), horizon, area.width(), area.bottom() - horizon), floor);
}

// The grid lines fade out towards the horizon, where they crowd together.
QBrush gridBrush(const QRectF& area, qreal horizon, int alpha) {
    QLinearGradient fade(0, horizon, 0, area.bottom());
    QColor line = QColor::fromRgb(ArtPalette::Blue).lighter(130);
    line.setAlpha(0);
    fade.setColorAt(0.0, line);
    line.setAlpha(alpha / 3);
    fade.setColorAt(0.12, line);
    line.setAlpha(alpha);
    fade.setColorAt(1.0, line);
    return fade;
}

void paintGridLines(QPainter& painter, const GroundView& view, const QPen& pen) {
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    constexpr qreal Nearest = 0.5;
    constexpr qreal Farthest = 90;
    for (int x = -60; x <= 60; ++x) {
        painter.drawLine(view.project(x, Nearest), view.project(x, Farthest));
    }
    for (int depth = 1; depth <= 60; ++depth) {
        painter.drawLine(view.project(-Farthest, depth), view.project(Farthest, depth));
    }
}

void paintGrid(QPainter& painter, const QRectF& area, const GroundView& view) {
    const qreal horizon = view.vanishingPoint.y();
    paintGridLines(painter, view, QPen(gridBrush(area, horizon, 70), 3.2));
    paintGridLines(painter, view, QPen(gridBrush(area, horizon, 255), 0.9));
}

} // namespace

void paintBackdrop(QPainter& painter, const QRectF& area, const GroundView& view) {
    const qreal horizon = view.vanishingPoint.y();
    paintSky(painter, area, horizon);
    paintStars(painter, area, horizon);
    paintHorizonGlow(painter, area, horizon);
    paintHills(painter, area, horizon);
    paintFloor(painter, area, horizon);
    paintGrid(painter, area, view);
}

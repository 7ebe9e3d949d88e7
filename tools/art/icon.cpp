#include "icon.h"

#include "art_palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>

namespace {

using ArtPalette::withAlpha;

// Drawn in a unit square; small sizes drop the grid and thicken the trail so it stays legible.
constexpr qreal Margin = 0.03;
constexpr qreal Corner = 0.17;
constexpr int GridCells = 8;

QPainterPath tileShape() {
    QPainterPath tile;
    tile.addRoundedRect(QRectF(Margin, Margin, 1 - 2 * Margin, 1 - 2 * Margin), Corner, Corner);
    return tile;
}

void paintTile(QPainter& painter, qreal pixel, bool large) {
    QLinearGradient shade(0, 0, 0, 1);
    shade.setColorAt(0, QColor(26, 30, 52));
    shade.setColorAt(1, QColor(3, 3, 10));
    painter.fillPath(tileShape(), shade);
    if (large) {
        painter.save();
        painter.setClipPath(tileShape());
        painter.setPen(QPen(QColor(60, 80, 140, 150), pixel));
        for (int line = 1; line < GridCells; ++line) {
            const qreal at = line / static_cast<qreal>(GridCells);
            painter.drawLine(QPointF(at, 0), QPointF(at, 1));
            painter.drawLine(QPointF(0, at), QPointF(1, at));
        }
        painter.restore();
    }
    painter.strokePath(tileShape(), QPen(QColor(110, 130, 200, large ? 170 : 90), pixel));
}

void paintTrail(QPainter& painter, qreal width) {
    QPainterPath trail;
    trail.moveTo(0.3125, 1.0);
    trail.lineTo(0.3125, 0.4375);
    trail.lineTo(0.62, 0.4375);

    painter.save();
    painter.setClipPath(tileShape());
    const auto stroke = [&](const QColor& color, qreal strokeWidth) {
        painter.strokePath(trail,
                           QPen(color, strokeWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    };
    for (int ring = 8; ring >= 1; --ring) {
        stroke(withAlpha(ArtPalette::Green, 16), width * (1 + ring * 0.3));
    }
    stroke(withAlpha(ArtPalette::Green, 255), width);
    stroke(QColor(200, 255, 190), width * 0.35);
    painter.restore();
}

void paintHead(QPainter& painter, qreal width) {
    const qreal centreY = 0.4375;
    QRadialGradient halo(QPointF(0.70, centreY), 0.22);
    halo.setColorAt(0, withAlpha(ArtPalette::Green, 150));
    halo.setColorAt(1, withAlpha(ArtPalette::Green, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(halo);
    painter.drawEllipse(QPointF(0.70, centreY), 0.22, 0.22);

    painter.setBrush(QColor::fromRgb(ArtPalette::Green));
    for (const qreal side : {-1.0, 1.0}) {
        const qreal finY = centreY + side * width * 1.05 - width * 0.4;
        painter.drawRoundedRect(QRectF(0.60, finY, 0.10, width * 0.8), width * 0.2, width * 0.2);
        painter.drawRoundedRect(QRectF(0.73, finY, 0.05, width * 0.8), width * 0.2, width * 0.2);
    }
    const QRectF body(0.58, centreY - width * 0.62, 0.26, width * 1.24);
    painter.drawRoundedRect(body, width * 0.62, width * 0.62);
    painter.setBrush(QColor(235, 255, 230));
    painter.drawRoundedRect(body.adjusted(width * 0.2, width * 0.3, -width * 0.2, -width * 0.3),
                            width * 0.3, width * 0.3);
}

} // namespace

QImage makeIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size, size);
    const qreal pixel = 1.0 / size;
    const bool large = size >= 48;
    const qreal trailWidth = large ? 0.075 : std::max(0.11, 2.0 * pixel);
    paintTile(painter, pixel, large);
    paintTrail(painter, trailWidth);
    paintHead(painter, trailWidth);
    return icon;
}

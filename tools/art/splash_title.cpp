#include "splash_title.h"

#include "art_palette.h"
#include "title_glyphs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <QtMath>

namespace {

constexpr qreal Slant = 0.16;

// The word leaning forward, scaled to the given width and centred on it, top at the given y.
QPainterPath placedWord(QStringView text, qreal letterSpacing, qreal centreX, qreal top,
                        qreal width) {
    const QPainterPath upright = TitleGlyphs::word(text, letterSpacing);
    const QPainterPath leaning = QTransform(1, 0, -Slant, 1, 0, 0).map(upright);
    const QRectF bounds = leaning.boundingRect();
    const qreal scale = width / bounds.width();
    QTransform place;
    place.translate(centreX - width / 2, top);
    place.scale(scale, scale);
    place.translate(-bounds.left(), -bounds.top());
    return place.map(leaning);
}

QLinearGradient chromeGradient(const QRectF& bounds) {
    QLinearGradient chrome(bounds.topLeft(), bounds.bottomLeft());
    chrome.setColorAt(0.00, QColor(255, 255, 255));
    chrome.setColorAt(0.18, QColor(214, 230, 250));
    chrome.setColorAt(0.47, QColor(92, 118, 176));
    chrome.setColorAt(0.50, QColor(24, 22, 58));
    chrome.setColorAt(0.53, QColor(118, 66, 118));
    chrome.setColorAt(0.72, QColor(236, 170, 196));
    chrome.setColorAt(1.00, QColor(255, 244, 250));
    return chrome;
}

void paintGlow(QPainter& painter, const QPainterPath& face) {
    QColor glow = QColor::fromRgb(ArtPalette::Magenta);
    for (int ring = 6; ring >= 1; --ring) {
        glow.setAlpha(14);
        painter.strokePath(face,
                           QPen(glow, ring * 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
}

void paintDepth(QPainter& painter, const QPainterPath& face, qreal depth) {
    const int layers = qCeil(depth * 2);
    for (int layer = layers; layer >= 1; --layer) {
        const qreal t = layer / static_cast<qreal>(layers);
        const QColor side = QColor::fromRgbF(0.30 - 0.22 * t, 0.05, 0.42 - 0.22 * t);
        painter.fillPath(face.translated(0.35 * layer, 0.5 * layer), side);
    }
}

void paintRaisedEdge(QPainter& painter, const QPainterPath& face) {
    painter.save();
    painter.setClipPath(face);
    painter.strokePath(face.translated(1.1, 1.1), QPen(QColor(255, 255, 255, 190), 1.3));
    painter.strokePath(face.translated(-1.1, -1.1), QPen(QColor(30, 10, 50, 170), 1.3));
    painter.restore();
    painter.strokePath(face, QPen(QColor(12, 6, 30), 0.9));
}

void paintGlint(QPainter& painter, QPointF centre, qreal size) {
    QRadialGradient halo(centre, size);
    halo.setColorAt(0, QColor(255, 255, 255, 200));
    halo.setColorAt(0.25, QColor(255, 220, 255, 70));
    halo.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(halo);
    painter.drawEllipse(centre, size, size);

    QPainterPath star;
    const qreal thin = size * 0.07;
    star.moveTo(centre + QPointF(0, -size));
    star.lineTo(centre + QPointF(thin, -thin));
    star.lineTo(centre + QPointF(size, 0));
    star.lineTo(centre + QPointF(thin, thin));
    star.lineTo(centre + QPointF(0, size));
    star.lineTo(centre + QPointF(-thin, thin));
    star.lineTo(centre + QPointF(-size, 0));
    star.lineTo(centre + QPointF(-thin, -thin));
    star.closeSubpath();
    painter.fillPath(star, Qt::white);
}

void paintMetalWord(QPainter& painter, const QPainterPath& face, qreal depth) {
    paintGlow(painter, face);
    paintDepth(painter, face, depth);
    painter.fillPath(face, chromeGradient(face.boundingRect()));
    paintRaisedEdge(painter, face);
}

} // namespace

void paintTitle(QPainter& painter, const QRectF& area) {
    const qreal centreX = area.center().x();
    const QPainterPath zarvo = placedWord(u"ZARVO", 1.3, centreX, area.top(), area.width() * 0.94);
    const qreal secondTop = zarvo.boundingRect().bottom() + area.height() * 0.1;
    const QPainterPath cycles = placedWord(u"CYCLES", 1.1, centreX, secondTop, area.width() * 0.86);

    paintMetalWord(painter, zarvo, 4);
    paintMetalWord(painter, cycles, 3);

    const QRectF first = zarvo.boundingRect();
    paintGlint(painter, QPointF(first.left() + first.width() * 0.17, first.top() + 1.5), 9);
    const QRectF second = cycles.boundingRect();
    paintGlint(painter, QPointF(second.right() - second.width() * 0.06, second.bottom() - 2), 6);
}

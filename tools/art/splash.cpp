#include "splash.h"

#include "art_palette.h"
#include "racing_cycles.h"
#include "splash_backdrop.h"
#include "splash_title.h"

#include <QPainter>

namespace {

constexpr int Size = 304;

void paintRaisedBevel(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QColor light = QColor::fromRgb(ArtPalette::BevelLight);
    const QColor shadow = QColor::fromRgb(ArtPalette::BevelShadow);
    painter.fillRect(QRect(0, 0, Size - 1, 1), light);
    painter.fillRect(QRect(0, 0, 1, Size - 1), light);
    painter.fillRect(QRect(0, Size - 1, Size, 1), shadow);
    painter.fillRect(QRect(Size - 1, 0, 1, Size), shadow);
}

} // namespace

QImage makeSplash() {
    QImage image(Size, Size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF inside(1, 1, Size - 2, Size - 2);
    painter.setClipRect(inside);
    const GroundView view{QPointF(Size / 2.0, 170), 250, 1};
    paintBackdrop(painter, inside, view);
    paintRacers(painter, view,
                {
                    {ArtPalette::Green, 2.7, -0.95, +1, {{-1.45, 70}, {-1.45, 2.7}}},
                    {ArtPalette::Orange, 4.0, 1.0, +1, {{0.3, 70}, {0.3, 4.0}}},
                });
    paintTitle(painter, QRectF(14, 14, Size - 28, 120));
    painter.setClipping(false);
    paintRaisedBevel(painter);
    return image;
}

#include "ui/etched_surface.h"

#include <QPainter>

namespace {
const QColor Shadow(128, 128, 128);
const QColor Highlight(255, 255, 255);
} // namespace

EtchedSurface::EtchedSurface(const QRect& sunkenArea, QWidget* parent)
    : QWidget(parent), sunkenArea_(sunkenArea) {
    setFixedSize(Width, Height);
    setFocusPolicy(Qt::NoFocus);
}

void EtchedSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Shadow);
    painter.drawLine(0, 1, Width - 1, 1);
    painter.setPen(Highlight);
    painter.drawLine(0, 2, Width - 1, 2);

    const QRect bevel = sunkenArea_.adjusted(-1, -1, 1, 1);
    painter.setPen(Shadow);
    painter.drawLine(bevel.topLeft(), bevel.topRight());
    painter.drawLine(bevel.topLeft(), bevel.bottomLeft());
    painter.setPen(Highlight);
    painter.drawLine(bevel.bottomLeft(), bevel.bottomRight());
    painter.drawLine(bevel.topRight(), bevel.bottomRight());
}

#include "cycle_profile.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr qreal WheelRadius = 0.16;
constexpr QPointF RearHub(0.17, WheelRadius);
constexpr QPointF FrontHub(0.83, WheelRadius);

QColor withAlpha(QRgb rgb, int alpha) {
    QColor color = QColor::fromRgb(rgb);
    color.setAlpha(alpha);
    return color;
}

QPen line(const QColor& color, qreal width) {
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void paintWheel(QPainter& painter, QPointF hub, QRgb color) {
    painter.setBrush(QColor(3, 3, 8));
    painter.setPen(line(withAlpha(color, 60), 0.07));
    painter.drawEllipse(hub, WheelRadius, WheelRadius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(line(withAlpha(color, 255), 0.026));
    painter.drawEllipse(hub, WheelRadius * 0.84, WheelRadius * 0.84);
    painter.setPen(line(QColor(255, 255, 255, 120), 0.008));
    painter.drawEllipse(hub, WheelRadius * 0.84, WheelRadius * 0.84);
    painter.setPen(line(withAlpha(color, 150), 0.014));
    painter.drawEllipse(hub, WheelRadius * 0.34, WheelRadius * 0.34);
}

QPainterPath fairing() {
    QPainterPath body;
    body.moveTo(0.03, 0.37);
    body.lineTo(0.30, 0.35);
    body.cubicTo(0.38, 0.42, 0.52, 0.44, 0.62, 0.43);
    body.lineTo(0.76, 0.50);
    body.cubicTo(0.82, 0.47, 0.88, 0.40, 0.90, 0.34);
    body.lineTo(0.80, 0.27);
    body.cubicTo(0.70, 0.20, 0.50, 0.17, 0.40, 0.21);
    body.lineTo(0.26, 0.29);
    body.lineTo(0.05, 0.32);
    body.closeSubpath();
    return body;
}

QPainterPath rider() {
    QPainterPath figure;
    figure.moveTo(0.27, 0.36);
    figure.cubicTo(0.31, 0.49, 0.46, 0.56, 0.58, 0.555);
    figure.lineTo(0.73, 0.49);
    figure.lineTo(0.69, 0.455);
    figure.lineTo(0.57, 0.485);
    figure.cubicTo(0.49, 0.49, 0.45, 0.44, 0.43, 0.39);
    figure.closeSubpath();
    figure.addEllipse(QPointF(0.63, 0.595), 0.062, 0.055);
    return figure;
}

void paintFrame(QPainter& painter, QRgb color) {
    painter.setPen(line(withAlpha(color, 200), 0.03));
    painter.drawLine(RearHub, QPointF(0.42, 0.25));
    painter.drawLine(FrontHub, QPointF(0.74, 0.46));
}

void paintBody(QPainter& painter, QRgb color) {
    QLinearGradient shell(0, 0.5, 0, 0.18);
    shell.setColorAt(0, QColor(80, 86, 110));
    shell.setColorAt(0.45, QColor(26, 28, 44));
    shell.setColorAt(1, QColor(6, 6, 12));
    painter.setBrush(shell);
    painter.setPen(line(withAlpha(color, 240), 0.016));
    painter.drawPath(fairing());

    painter.setBrush(QColor(10, 10, 18));
    painter.setPen(line(withAlpha(color, 150), 0.012));
    painter.drawPath(rider());
    painter.setPen(line(withAlpha(color, 255), 0.02));
    painter.drawLine(QPointF(0.615, 0.61), QPointF(0.69, 0.59)); // visor

    QPainterPath stripe;
    stripe.moveTo(0.06, 0.345);
    stripe.lineTo(0.28, 0.325);
    stripe.cubicTo(0.45, 0.29, 0.70, 0.30, 0.86, 0.35);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(line(withAlpha(color, 90), 0.05));
    painter.drawPath(stripe);
    painter.setPen(line(withAlpha(color, 255), 0.018));
    painter.drawPath(stripe);
}

void paintLamp(QPainter& painter) {
    const QPointF lamp(0.89, 0.36);
    QRadialGradient beam(lamp, 0.1);
    beam.setColorAt(0, QColor(255, 255, 255));
    beam.setColorAt(0.3, QColor(255, 255, 230, 150));
    beam.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(beam);
    painter.drawEllipse(lamp, 0.1, 0.1);
}

} // namespace

void paintCycleProfile(QPainter& painter, QRgb color) {
    paintWheel(painter, RearHub, color);
    paintWheel(painter, FrontHub, color);
    paintFrame(painter, color);
    paintBody(painter, color);
    paintLamp(painter);
}

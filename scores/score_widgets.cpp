#include "scores/score_widgets.h"

#include <QColor>
#include <QFrame>
#include <algorithm>

BoxLabel::BoxLabel(const QString& text, QRect box, Qt::Alignment alignment, QWidget* parent)
    : QLabel(text, parent), box_(box) {
    setAlignment(alignment | Qt::AlignTop);
    fitText();
}

void BoxLabel::setCaption(const QString& text) {
    setText(text);
    fitText();
}

void BoxLabel::fitText() {
    const int width = std::max(box_.width(), fontMetrics().horizontalAdvance(text()));
    const int height = std::max(box_.height(), fontMetrics().height());
    const int growth = width - box_.width();
    const int left = alignment() & Qt::AlignHCenter ? box_.left() - growth / 2 : box_.left();
    setGeometry(left, box_.top(), width, height);
}

void addLine(QWidget* parent, const QColor& colour, int left, int top, int width) {
    auto* line = new QFrame(parent);
    line->setGeometry(left, top, width, 1);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    line->setAutoFillBackground(true);
}

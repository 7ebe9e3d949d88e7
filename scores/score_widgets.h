#pragma once

#include <QLabel>
#include <QRect>

class QColor;

// A label placed at its designed box. When its text needs more room than the box gives, it
// widens about its alignment (centred labels on both sides, left-aligned ones to the right).
class BoxLabel : public QLabel {
  public:
    BoxLabel(const QString& text, QRect box, Qt::Alignment alignment, QWidget* parent);

    void setCaption(const QString& text);

  private:
    void fitText();

    QRect box_;
};

// A one-pixel horizontal line; an etched rule is a grey line with a white one below it.
void addLine(QWidget* parent, const QColor& colour, int left, int top, int width);

#pragma once

#include <QRect>
#include <QWidget>

// The window's client area: a fixed surface with etched one-pixel lines under the menu bar and
// a sunken bevel one pixel outside the arena.
class EtchedSurface : public QWidget {
    Q_OBJECT

  public:
    static constexpr int Width = 626;
    static constexpr int Height = 512;

    EtchedSurface(const QRect& sunkenArea, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect sunkenArea_;
};

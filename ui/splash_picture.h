#pragma once

#include <QLabel>

// The title picture `picSplash` over the middle of the arena; a click on it starts a match.
class SplashPicture : public QLabel {
    Q_OBJECT

  public:
    static constexpr int Size = 304;

    explicit SplashPicture(QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

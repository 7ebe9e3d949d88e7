#include "ui/splash_picture.h"

#include "art_resources.h"

#include <QMouseEvent>

SplashPicture::SplashPicture(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("picSplash"));
    setFixedSize(Size, Size);
    setPixmap(QPixmap(ArtResources::Splash));
    setFocusPolicy(Qt::NoFocus);
}

// A click is a press and a release of the left button over the picture.
void SplashPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

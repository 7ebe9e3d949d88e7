#include "ui/main_layout.h"

#include "ui/arena_view.h"
#include "ui/etched_surface.h"
#include "ui/layout_font.h"
#include "ui/splash_picture.h"

#include <QFrame>
#include <QLabel>

namespace {
const QRect ArenaArea(8, 12, ArenaView::Width, ArenaView::Height);
const QRect StatusBarArea(1, 492, 626, 19);
const QPoint StatusTextPlace(6, 3);

QFrame* statusBar(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(StatusBarArea);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(1);
    QPalette bevel = frame->palette();
    bevel.setColor(QPalette::Dark, QColor(128, 128, 128));
    bevel.setColor(QPalette::Light, Qt::white);
    frame->setPalette(bevel);
    return frame;
}
} // namespace

MainLayout::MainLayout()
    : surface(new EtchedSurface(ArenaArea)), picField(new ArenaView(surface)),
      picSplash(new SplashPicture(surface)), Frame1(statusBar(surface)),
      lblStatus(new QLabel(QStringLiteral("Welcome to Zarvo Cycles!"), Frame1)) {
    surface->setFont(layoutFont(surface->font()));
    picField->move(ArenaArea.topLeft());
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->move(StatusTextPlace);
    lblStatus->adjustSize();
    // The splash lies on top of the arena; the load handler centres it.
    picSplash->raise();
}

#include "ui/arena_view.h"

#include "arena/tiles.h"
#include "art_resources.h"

#include <QKeyEvent>
#include <QPainter>

ArenaView::ArenaView(QWidget* parent)
    : QWidget(parent),
      picCycles_(QImage(ArtResources::SpriteSheet).convertToFormat(QImage::Format_RGB32)),
      image_(Width, Height, QImage::Format_RGB32) {
    setObjectName(QStringLiteral("picField"));
    setFixedSize(Width, Height);
    setFocusPolicy(Qt::StrongFocus);
    // paintEvent covers every exposed pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_.fill(Qt::black);
}

void ArenaView::drawTile(int sx, int sy, int x, int y) {
    const QRect target(x * Tile::Size, y * Tile::Size, Tile::Size, Tile::Size);
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(target.topLeft(), picCycles_, QRect(sx, sy, Tile::Size, Tile::Size));
    markDirty(target);
}

void ArenaView::refresh() {
    if (!dirty_.isEmpty()) {
        update(dirty_);
        dirty_ = QRegion();
    }
}

void ArenaView::clear() {
    image_.fill(Qt::black);
    markDirty(image_.rect());
}

void ArenaView::markDirty(const QRect& rect) {
    dirty_ += rect.intersected(image_.rect());
}

void ArenaView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Whole pixels only: on a high-DPI screen every pixel becomes a sharp block.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const QRect& rect : event->region()) {
        painter.drawImage(rect, image_, rect);
    }
}

void ArenaView::keyPressEvent(QKeyEvent* event) {
    emit keyDown(event->key());
}

bool ArenaView::focusNextPrevChild(bool) {
    return false;
}

#include "ui/arena_view.h"

#include "arena/tiles.h"
#include "art_resources.h"
#include "ui/game_keys.h"

#include <QKeyEvent>
#include <QPainter>

ArenaView::ArenaView(QWidget* parent)
    : QWidget(parent),
      picCycles_(QImage(ArtResources::SpriteSheet).convertToFormat(QImage::Format_RGB32)) {
    setObjectName(QStringLiteral("picField"));
    setFixedSize(Width, Height);
    setFocusPolicy(Qt::StrongFocus);
    // paintEvent covers every exposed pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ArenaView::drawTile(int sx, int sy, int x, int y) {
    const QRect target(x * Tile::Size, y * Tile::Size, Tile::Size, Tile::Size);
    if (!tilePainter_.isActive()) {
        if (image_.isNull()) {
            clear();
        }
        tilePainter_.begin(&image_);
        tilePainter_.setCompositionMode(QPainter::CompositionMode_Source);
    }
    tilePainter_.drawImage(target.topLeft(), picCycles_, QRect(sx, sy, Tile::Size, Tile::Size));
    markDirty(target);
}

void ArenaView::endTileCopies() {
    if (tilePainter_.isActive()) {
        tilePainter_.end();
    }
}

void ArenaView::refresh() {
    if (!dirty_.isEmpty()) {
        update(dirty_);
        dirty_ = QRegion();
    }
}

// The picture is made at the first clear or tile: until then the arena is black without one,
// and a start-up spares writing a megabyte no one has seen yet.
void ArenaView::clear() {
    endTileCopies();
    if (image_.isNull()) {
        image_ = QImage(Width, Height, QImage::Format_RGB32);
    }
    image_.fill(Qt::black);
    markDirty(image_.rect());
}

void ArenaView::markDirty(const QRect& rect) {
    dirty_ += rect.intersected(image_.rect());
}

void ArenaView::paintEvent(QPaintEvent* event) {
    endTileCopies();
    QPainter painter(this);
    // Whole pixels only: on a high-DPI screen every pixel becomes a sharp block.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const QRect& rect : event->region()) {
        if (image_.isNull()) {
            painter.fillRect(rect, Qt::black);
        } else {
            painter.drawImage(rect, image_, rect);
        }
    }
}

void ArenaView::keyPressEvent(QKeyEvent* event) {
    emit keyDown(keyAsPlayed(event->key(), event->nativeScanCode()));
}

bool ArenaView::focusNextPrevChild(bool) {
    return false;
}

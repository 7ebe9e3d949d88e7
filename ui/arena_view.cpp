#include "ui/arena_view.h"

#include "arena/tiles.h"
#include "art_resources.h"
#include "ui/game_keys.h"

#include <QKeyEvent>
#include <QPainter>
#include <cstddef>
#include <cstring>

namespace {
constexpr std::ptrdiff_t PixelBytes = 4; // QImage::Format_RGB32
constexpr std::size_t TileRowBytes = std::size_t{Tile::Size} * PixelBytes;
} // namespace

ArenaView::ArenaView(QWidget* parent)
    : QWidget(parent),
      picCycles_(QImage(ArtResources::SpriteSheet).convertToFormat(QImage::Format_RGB32)) {
    setObjectName(QStringLiteral("picField"));
    setFixedSize(Width, Height);
    setFocusPolicy(Qt::StrongFocus);
    // paintEvent covers every exposed pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// A plain copy of the tile's rows: both pictures are RGB32, and a painter opened on the arena
// for a tick's few tiles would cost more than the copies themselves.
void ArenaView::drawTile(int sx, int sy, int x, int y) {
    const QRect source(sx, sy, Tile::Size, Tile::Size);
    const QRect target(x * Tile::Size, y * Tile::Size, Tile::Size, Tile::Size);
    if (!picCycles_.rect().contains(source) || !QRect(0, 0, Width, Height).contains(target)) {
        return;
    }
    if (image_.isNull()) {
        clear();
    }
    for (int row = 0; row < Tile::Size; ++row) {
        std::memcpy(image_.scanLine(target.y() + row) + target.x() * PixelBytes,
                    picCycles_.constScanLine(source.y() + row) + source.x() * PixelBytes,
                    TileRowBytes);
    }
    markDirty(target);
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

#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QWidget>

// The arena surface `picField`: a persistent 610 x 472 picture into which 10 x 10 tiles of the
// sprite sheet are copied. Only what was drawn since the last refresh reaches the screen.
class ArenaView : public QWidget {
    Q_OBJECT

  public:
    static constexpr int Width = 610;
    static constexpr int Height = 472;

    explicit ArenaView(QWidget* parent = nullptr);

    // Copies tile (sx, sy) of the sprite sheet to cell (x, y), replacing its pixels.
    void drawTile(int sx, int sy, int x, int y);
    // Brings the cells changed since the last refresh to the screen.
    void refresh();
    // Erases the picture; it reaches the screen with the next refresh.
    void clear();

    const QImage& image() const { return image_; }
    const QImage& spriteSheet() const { return picCycles_; }

  signals:
    // Every key press, auto-repeats included, as the key the game reads (keyAsPlayed).
    void keyDown(int key);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tab and Backtab stay with the arena: they would otherwise move the focus away.
    bool focusNextPrevChild(bool next) override;

  private:
    void markDirty(const QRect& rect);

    QImage picCycles_;
    QImage image_;
    QRegion dirty_;
};

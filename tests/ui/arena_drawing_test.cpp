#include "arena/grid.h"
#include "game_window_fixture.h"

#include <QAction>
#include <QPaintEvent>

namespace {
// Collects the areas the arena repaints.
class PaintWatcher : public QObject {
  public:
    QRegion painted;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};
} // namespace

// The arena shows what the rules draw, tile for tile, as plain copies of the sprite sheet.
class ArenaDrawingTest : public QObject {
    Q_OBJECT

  private slots:
    void a_new_game_paints_every_cell_with_the_empty_tile() {
        frmMain window(FixedSeed);
        const ArenaView& arena = *window.controls().picField;
        QCOMPARE(arena.image().pixelColor(305, 236), QColor(Qt::black));
        window.mnuGameNew_Click();
        for (int x = 0; x < FieldColumns; ++x) {
            for (int y = 0; y < FieldRows; ++y) {
                QVERIFY(cellShowsTile(arena, x, y, Tile::Special, Tile::EmptyY));
            }
        }
        for (int x = 0; x < arena.width(); ++x) { // below the last row of cells
            QCOMPARE(arena.image().pixelColor(x, 470), QColor(Qt::black));
            QCOMPARE(arena.image().pixelColor(x, 471), QColor(Qt::black));
        }
    }

    void the_first_move_lays_a_straight_piece_and_the_head_beyond_it() {
        frmMain window(FixedSeed);
        window.mnuGameNew_Click();
        const int row = window.match().cycle(1)->Y();
        window.tmrPulse_Timer();
        const ArenaView& arena = *window.controls().picField;
        QVERIFY(cellShowsTile(arena, 1, row, Tile::StraightHorizontal, Tile::rowOf(0)));
        QVERIFY(cellShowsTile(arena, 2, row, Tile::HeadRight, Tile::rowOf(0)));

        window.picField_KeyDown(Qt::Key_Down);
        window.tmrPulse_Timer();
        QVERIFY(cellShowsTile(arena, 2, row, Tile::CornerBottomLeft, Tile::rowOf(0)));
        QVERIFY(cellShowsTile(arena, 2, row + 1, Tile::HeadDown, Tile::rowOf(0)));
    }

    void a_tick_repaints_only_the_cells_it_changed() {
        const auto window = startedWindow();
        QVERIFY(window);
        window->menus().mnuPlayersMatchFreeForAll->trigger();
        window->menus().mnuPlayersComputerNone->trigger();
        window->menus().mnuPlayersHumanTwo->trigger();
        window->mnuGameNew_Click();
        window->tmrPulse_Timer();
        QCoreApplication::processEvents();

        PaintWatcher watcher;
        window->controls().picField->installEventFilter(&watcher);
        window->tmrPulse_Timer();
        QTRY_VERIFY(!watcher.painted.isEmpty());
        // Both cycles head right: each drew its trail piece and its new head.
        QRegion changed;
        for (int slot = 1; slot <= 2; ++slot) {
            const clsCycle& cycle = *window->match().cycle(slot);
            changed += QRect((cycle.X() - 1) * 10, cycle.Y() * 10, 20, 10);
        }
        QVERIFY(changed.boundingRect().contains(watcher.painted.boundingRect()));
    }

    void on_a_high_density_screen_every_pixel_becomes_a_sharp_block() {
        frmMain window(FixedSeed);
        window.mnuGameNew_Click();
        window.tmrPulse_Timer();
        ArenaView& arena = *window.controls().picField;
        QImage doubled(arena.size() * 2, QImage::Format_RGB32);
        doubled.setDevicePixelRatio(2);
        arena.render(&doubled);
        const clsCycle& cycle = *window.match().cycle(1);
        const QPoint head(cycle.X() * 10, cycle.Y() * 10);
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) {
                QCOMPARE(doubled.pixelColor(head * 2 + QPoint(x, y)).rgb(),
                         arena.image().pixelColor(head + QPoint(x / 2, y / 2)).rgb());
            }
        }
    }
};

QTEST_MAIN(ArenaDrawingTest)
#include "arena_drawing_test.moc"

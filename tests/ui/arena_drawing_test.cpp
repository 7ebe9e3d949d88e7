#include "game_window_fixture.h"

#include <QAction>
#include <QPaintEvent>

namespace {
// Collects the areas the arena repaints.
struct PaintWatcher : QObject {
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};
} // namespace

// The arena shows what the rules draw, cell by cell, as plain copies of sprite-sheet tiles.
class ArenaDrawingTest : public QObject {
    Q_OBJECT

  private slots:
    void cells_show_their_tiles_exactly_and_only_changed_cells_are_repainted() {
        const auto window = startedWindow();
        QVERIFY(window);
        ArenaView& arena = *window->controls().picField;
        QImage shown(arena.size(), QImage::Format_RGB32);
        shown.fill(Qt::white);
        arena.render(&shown);
        QImage black(arena.size(), QImage::Format_RGB32);
        black.fill(Qt::black);
        QCOMPARE(shown, black); // before the first match

        GameMenus& m = window->menus();
        for (QAction* entry : {m.mnuPlayersMatchFreeForAll, m.mnuPlayersComputerNone,
                               m.mnuPlayersHumanTwo, m.mnuGameNew, m.mnuGamePause}) {
            entry->trigger(); // two humans heading right, and no real ticks
        }
        int emptyCells = 0;
        for (int cell = 0; cell < 61 * 47; ++cell) {
            emptyCells += cellShowsTile(arena, cell % 61, cell / 61, 140, 0);
        }
        QCOMPARE(emptyCells, 61 * 47);
        const int row = window->match().cycle(1)->Y();
        window->tmrPulse_Timer();
        QVERIFY(cellShowsTile(arena, 1, row, 50, 0) && cellShowsTile(arena, 2, row, 120, 0));

        QCoreApplication::processEvents();
        PaintWatcher watcher;
        arena.installEventFilter(&watcher);
        window->picField_KeyDown(Qt::Key_Down);
        window->tmrPulse_Timer();
        QVERIFY(cellShowsTile(arena, 2, row, 70, 0) && cellShowsTile(arena, 2, row + 1, 130, 0));
        QTRY_VERIFY(!watcher.painted.isEmpty());
        const clsCycle& second = *window->match().cycle(2);
        QCOMPARE(watcher.painted - QRect(20, row * 10, 10, 20) -
                     QRect(second.X() * 10 - 10, second.Y() * 10, 20, 10),
                 QRegion());

        // On a screen of twice the density every pixel becomes a sharp 2 x 2 block.
        QImage doubled(arena.size() * 2, QImage::Format_RGB32);
        doubled.setDevicePixelRatio(2);
        arena.render(&doubled);
        doubled.setDevicePixelRatio(1);
        QCOMPARE(doubled.copy(40, row * 20, 20, 40),
                 arena.image().copy(20, row * 10, 10, 20).scaled(20, 40));
    }
};

QTEST_MAIN(ArenaDrawingTest)
#include "arena_drawing_test.moc"

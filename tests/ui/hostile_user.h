#pragma once

#include "scores/frmScore.h"
#include "ui/arena_view.h"
#include "ui/frmMain.h"
#include "ui/splash_picture.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <algorithm>
#include <array>
#include <random>
#include <vector>

// Someone at the game window doing random things, as a person can: keys pressed on the window
// (those the arena answers to and others), menu entries they can reach, the scoreboard and the
// splash, while the match timer ticks. Each step is drawn from a seeded generator, so a seed
// replays the same run.
class HostileUser {
  public:
    // Counts of what the run went through, to show that it reached the states that matter.
    struct Coverage {
        int matchesBegun = 0;
        int matchesWon = 0;
        int matchesStopped = 0;
        int ticks = 0;
    };

    HostileUser(frmMain& window, std::uint64_t seed) : window_(window), random_(seed) {
        collectEntries(window.menuBar()->actions(), {});
    }

    // Does one random thing and says what it was.
    QString act() {
        const bool wasRunning = window_.match().MatchInProgress();
        QString done = actOnce();
        const bool running = window_.match().MatchInProgress();
        if (!wasRunning && running) {
            ++coverage_.matchesBegun;
        } else if (wasRunning && !running) {
            const bool won = window_.controls().lblStatus->text().startsWith("Game Over");
            ++(won ? coverage_.matchesWon : coverage_.matchesStopped);
        }
        return done;
    }

    const Coverage& coverage() const { return coverage_; }

  private:
    struct KeyPress {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* name;
    };
    // A menu entry and the menus opened on the way to it.
    struct MenuEntry {
        QAction* entry;
        QList<QAction*> menusAbove;
    };

    static constexpr Qt::KeyboardModifiers None = Qt::NoModifier;
    static constexpr std::array<KeyPress, 15> ArenaKeys{{
        {Qt::Key_Up, None, "Up"},
        {Qt::Key_Down, None, "Down"},
        {Qt::Key_Left, None, "Left"},
        {Qt::Key_Right, None, "Right"},
        {Qt::Key_Left, Qt::ControlModifier, "Ctrl+Left"},
        {Qt::Key_W, None, "W"},
        {Qt::Key_S, None, "S"},
        {Qt::Key_A, None, "A"},
        {Qt::Key_D, None, "D"},
        {Qt::Key_W, Qt::ShiftModifier, "Shift+W"},
        {Qt::Key_D, Qt::ShiftModifier, "Shift+D"},
        {Qt::Key_Space, None, "Space"},
        {Qt::Key_Space, Qt::ShiftModifier, "Shift+Space"},
        {Qt::Key_Pause, None, "Pause"},
        {Qt::Key_Pause, Qt::ShiftModifier, "Shift+Pause"},
    }};
    // Quit's Ctrl+Q is left out: it would end the run.
    static constexpr std::array<KeyPress, 3> Shortcuts{{
        {Qt::Key_N, Qt::ControlModifier, "Ctrl+N"},
        {Qt::Key_S, Qt::ControlModifier, "Ctrl+S"},
        {Qt::Key_P, Qt::ControlModifier, "Ctrl+P"},
    }};
    // Alt and its access keys are left out: an open menu takes the keys, and Return on
    // "&Quit Game" or "&About" would end the run or wait for a click.
    static constexpr std::array<KeyPress, 14> IgnoredKeys{{
        {Qt::Key_Tab, None, "Tab"},
        {Qt::Key_Tab, Qt::ShiftModifier, "Shift+Tab"},
        {Qt::Key_Return, None, "Return"},
        {Qt::Key_Escape, None, "Escape"},
        {Qt::Key_X, None, "X"},
        {Qt::Key_Q, None, "Q"},
        {Qt::Key_N, None, "N"},
        {Qt::Key_P, None, "P"},
        {Qt::Key_1, None, "1"},
        {Qt::Key_F1, None, "F1"},
        {Qt::Key_Home, None, "Home"},
        {Qt::Key_Backspace, None, "Backspace"},
        {Qt::Key_Delete, None, "Delete"},
        {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
    }};

    enum Kind {
        Tick,
        TickUntilTheTimerStops,
        ArenaKey,
        HeldArenaKey,
        Shortcut,
        IgnoredKey,
        MenuChoice,
        ClearScores,
        CloseScoreboard,
        ClickSplash,
        DeliverPostedEvents,
    };
    struct Weighted {
        Kind kind;
        int weight;
    };
    // Mostly ticks, keys and menu choices; now and then a long run of ticks lets a match end.
    static constexpr std::array<Weighted, 11> Kinds{{
        {Tick, 40},
        {TickUntilTheTimerStops, 1},
        {ArenaKey, 20},
        {HeldArenaKey, 2},
        {Shortcut, 4},
        {IgnoredKey, 6},
        {MenuChoice, 22},
        {ClearScores, 2},
        {CloseScoreboard, 1},
        {ClickSplash, 1},
        {DeliverPostedEvents, 1},
    }};

    QString actOnce() {
        std::array<int, Kinds.size()> weights{};
        std::transform(Kinds.begin(), Kinds.end(), weights.begin(),
                       [](const Weighted& kind) { return kind.weight; });
        std::discrete_distribution<std::size_t> pickKind(weights.begin(), weights.end());
        switch (Kinds[pickKind(random_)].kind) {
        case Tick:
            return tick() ? QStringLiteral("tick") : QStringLiteral("no tick (timer off)");
        case TickUntilTheTimerStops: {
            int count = 0;
            while (count < 400 && tick()) {
                ++count;
            }
            return QStringLiteral("%1 ticks").arg(count);
        }
        case ArenaKey:
            return press(pick(ArenaKeys));
        case HeldArenaKey:
            return hold(pick(ArenaKeys));
        case Shortcut:
            return press(pick(Shortcuts));
        case IgnoredKey:
            return press(pick(IgnoredKeys));
        case MenuChoice:
            return chooseMenuEntry();
        case ClearScores:
            return clearScores();
        case CloseScoreboard:
            if (!window_.hasScoreWindow() || !window_.scoreWindow().isVisible()) {
                return QStringLiteral("no scoreboard to close");
            }
            window_.scoreWindow().close();
            return QStringLiteral("scoreboard closed");
        case ClickSplash:
            return clickSplash();
        case DeliverPostedEvents:
        default:
            QCoreApplication::sendPostedEvents();
            return QStringLiteral("posted events delivered");
        }
    }

    // A tick happens only while the match timer runs, as a real one would.
    bool tick() {
        if (!window_.tmrPulse().isActive()) {
            return false;
        }
        window_.tmrPulse_Timer();
        ++coverage_.ticks;
        return true;
    }

    template <std::size_t N> const KeyPress& pick(const std::array<KeyPress, N>& keys) {
        return keys[std::uniform_int_distribution<std::size_t>(0, N - 1)(random_)];
    }

    QString press(const KeyPress& key) {
        QTest::keyClick(window_.windowHandle(), key.key, key.modifiers);
        return QStringLiteral("key %1").arg(QLatin1String(key.name));
    }

    // A key held down long enough to repeat, then let go.
    QString hold(const KeyPress& key) {
        constexpr int Repeats = 3;
        QTest::simulateEvent(window_.windowHandle(), true, key.key, key.modifiers, {}, false);
        for (int repeat = 0; repeat < Repeats; ++repeat) {
            QTest::simulateEvent(window_.windowHandle(), true, key.key, key.modifiers, {}, true);
        }
        QTest::simulateEvent(window_.windowHandle(), false, key.key, key.modifiers, {}, false);
        return QStringLiteral("key %1 held").arg(QLatin1String(key.name));
    }

    // Only what a person can reach: an enabled entry in menus that are enabled.
    QString chooseMenuEntry() {
        std::vector<const MenuEntry*> reachable;
        for (const MenuEntry& candidate : entries_) {
            if (candidate.entry->isEnabled() &&
                std::all_of(candidate.menusAbove.begin(), candidate.menusAbove.end(),
                            [](const QAction* menu) { return menu->isEnabled(); })) {
                reachable.push_back(&candidate);
            }
        }
        const MenuEntry& chosen = *reachable[std::uniform_int_distribution<std::size_t>(
            0, reachable.size() - 1)(random_)];
        chosen.entry->trigger();
        return QStringLiteral("menu %1").arg(chosen.entry->text());
    }

    QString clearScores() {
        if (!window_.hasScoreWindow() || !window_.scoreWindow().isVisible()) {
            return QStringLiteral("no scoreboard to clear");
        }
        for (QAction* entry : window_.scoreWindow().menuBar()->actions()) {
            if (entry->text() == QStringLiteral("&Clear Scores")) {
                entry->trigger();
            }
        }
        return QStringLiteral("menu Clear Scores");
    }

    QString clickSplash() {
        SplashPicture& splash = *window_.controls().picSplash;
        if (!splash.isVisible()) {
            return QStringLiteral("no splash to click");
        }
        QTest::mouseClick(&splash, Qt::LeftButton);
        return QStringLiteral("splash clicked");
    }

    void collectEntries(const QList<QAction*>& actions, const QList<QAction*>& above) {
        const GameMenus& menus = window_.menus();
        for (QAction* action : actions) {
            if (action->isSeparator() || action == menus.mnuGameQuit || action == menus.mnuAbout) {
                continue;
            }
            if (QMenu* menu = QMenu::menuInAction(action)) {
                collectEntries(menu->actions(), above + QList<QAction*>{action});
            } else {
                entries_.push_back({action, above});
            }
        }
    }

    frmMain& window_;
    std::mt19937_64 random_;
    std::vector<MenuEntry> entries_;
    Coverage coverage_;
};

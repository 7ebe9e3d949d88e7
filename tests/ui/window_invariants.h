#pragma once

#include "arena/levels.h"
#include "ui/arena_view.h"
#include "ui/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStringList>
#include <initializer_list>

namespace window_invariants {

// The entries of a group of check marks that are checked, by caption.
inline QStringList checkedIn(std::initializer_list<QAction*> group) {
    QStringList captions;
    for (const QAction* entry : group) {
        if (entry->isChecked()) {
            captions << entry->text();
        }
    }
    return captions;
}

// Empty when exactly `expected` is checked in its group, else what the group shows.
inline QString groupDisagrees(const char* setting, const QString& value,
                              std::initializer_list<QAction*> group, const QAction* expected) {
    const QStringList checked = checkedIn(group);
    if (expected != nullptr && checked == QStringList{expected->text()}) {
        return {};
    }
    return QStringLiteral("%1 is %2 but the checked entries are [%3]")
        .arg(QLatin1String(setting), value, checked.join(QStringLiteral(", ")));
}

inline QAction* levelEntryFor(const GameMenus& menus, const std::string& choice) {
    if (choice.empty()) {
        return menus.mnuLevelsEmpty;
    }
    if (choice == RandomLevel) {
        return menus.mnuLevelsRandom;
    }
    for (int number = 1; number <= GameMenus::ArraySize; ++number) {
        if (choice == levelChoiceForNumber(number)) {
            return menus.mnuLevelsNumber(number);
        }
    }
    return nullptr;
}

inline QString settingsDisagreeWithCheckMarks(frmMain& window) {
    GameMenus& m = window.menus();
    const Settings& s = window.settings();
    const QAction* human = s.HumanCount == 1   ? m.mnuPlayersHumanOne
                           : s.HumanCount == 2 ? m.mnuPlayersHumanTwo
                                               : nullptr;
    const QAction* computer = s.ComputerCount == 0 ? m.mnuPlayersComputerNone
                              : s.ComputerCount >= 1 && s.ComputerCount <= GameMenus::ArraySize
                                  ? m.mnuPlayersComputerNumber(s.ComputerCount)
                                  : nullptr;
    const QAction* rule = s.MatchRule == Settings::FreeForAll   ? m.mnuPlayersMatchFreeForAll
                          : s.MatchRule == Settings::Deathmatch ? m.mnuPlayersMatchDeathmatch
                                                                : nullptr;
    QStringList broken{
        groupDisagrees("HumanCount", QString::number(s.HumanCount),
                       {m.mnuPlayersHumanOne, m.mnuPlayersHumanTwo}, human),
        groupDisagrees("ComputerCount", QString::number(s.ComputerCount),
                       {m.mnuPlayersComputerNone, m.mnuPlayersComputerNumber(1),
                        m.mnuPlayersComputerNumber(2), m.mnuPlayersComputerNumber(3),
                        m.mnuPlayersComputerNumber(4), m.mnuPlayersComputerNumber(5),
                        m.mnuPlayersComputerNumber(6)},
                       computer),
        groupDisagrees("MatchRule", QString::number(s.MatchRule),
                       {m.mnuPlayersMatchFreeForAll, m.mnuPlayersMatchDeathmatch}, rule),
        groupDisagrees("LevelChoice", QString::fromStdString(s.LevelChoice),
                       {m.mnuLevelsRandom, m.mnuLevelsEmpty, m.mnuLevelsNumber(1),
                        m.mnuLevelsNumber(2), m.mnuLevelsNumber(3), m.mnuLevelsNumber(4),
                        m.mnuLevelsNumber(5), m.mnuLevelsNumber(6)},
                       levelEntryFor(m, s.LevelChoice))};
    broken.removeAll(QString());
    return broken.join(QStringLiteral("; "));
}

// Stop and Pause while a match is in progress; Boundaries, Players and Levels while none is;
// New Game, Scores, About and Quit always.
inline QString menusDisagreeWithTheMatch(frmMain& window) {
    GameMenus& m = window.menus();
    const bool running = window.match().MatchInProgress();
    QStringList wrong;
    const auto expect = [&wrong](const QAction* entry, bool enabled) {
        if (entry->isEnabled() != enabled) {
            wrong << QStringLiteral("%1 %2").arg(entry->text(), enabled ? "disabled" : "enabled");
        }
    };
    for (const QAction* entry : {m.mnuGameStop, m.mnuGamePause}) {
        expect(entry, running);
    }
    for (const QAction* entry :
         {m.mnuGameBoundaries, m.mnuPlayers->menuAction(), m.mnuLevels->menuAction()}) {
        expect(entry, !running);
    }
    for (const QAction* entry : {m.mnuGameNew, m.mnuScore, m.mnuAbout, m.mnuGameQuit}) {
        expect(entry, true);
    }
    if (wrong.isEmpty()) {
        return {};
    }
    return QStringLiteral("%1 a match in progress: %2")
        .arg(running ? "with" : "without", wrong.join(QStringLiteral(", ")));
}

// Whatever was shown, hidden or pressed, the game window stays active with the keys in the arena.
inline QString keysLeftTheArena(const frmMain& window) {
    if (QApplication::activeWindow() != &window) {
        return QStringLiteral("the game window is no longer active");
    }
    if (QApplication::focusWidget() != window.controls().picField) {
        return QStringLiteral("the arena lost the keyboard");
    }
    return {};
}

// The first broken invariant of the window, or nothing.
inline QString broken(frmMain& window) {
    for (const QString& problem : {settingsDisagreeWithCheckMarks(window),
                                   menusDisagreeWithTheMatch(window), keysLeftTheArena(window)}) {
        if (!problem.isEmpty()) {
            return problem;
        }
    }
    return {};
}

} // namespace window_invariants

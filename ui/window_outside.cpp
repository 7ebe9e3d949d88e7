#include "ui/window_outside.h"

#include "scores/frmScore.h"
#include "ui/arena_view.h"
#include "ui/game_menus.h"
#include "ui/sound_files_root.h"
#include "ui/sound_player.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

void WindowOutside::clearArena() {
    parts_.picField.clear();
}

void WindowOutside::drawTile(int sx, int sy, int x, int y) {
    parts_.picField.drawTile(sx, sy, x, y);
}

void WindowOutside::refreshArena() {
    parts_.picField.refresh();
}

void WindowOutside::playSound(std::string_view file) {
    const QString path = soundFilesRoot(QCoreApplication::applicationDirPath()) +
                         QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
    parts_.sounds.PlaySoundFile(path);
}

bool WindowOutside::edgeIsWall() const {
    return parts_.menus.mnuGameBoundaries->isChecked();
}

void WindowOutside::setStatus(const std::string& text) {
    parts_.lblStatus.setText(QString::fromStdString(text));
    parts_.lblStatus.adjustSize();
}

void WindowOutside::showStatus(bool visible) {
    parts_.lblStatus.setVisible(visible);
}

void WindowOutside::addKillScore(int killed, int killer) {
    parts_.scoreWindow().AddKillScore(killed, killer);
}

void WindowOutside::addDeathScore(int dead) {
    parts_.scoreWindow().AddDeathScore(dead);
}

void WindowOutside::addPointScore(int player, int points) {
    parts_.scoreWindow().AddPointScore(player, points);
}

void WindowOutside::enableScoreRow(int player, bool enabled) {
    parts_.scoreWindow().enableRow(player, enabled);
}

void WindowOutside::placeScoreRow(int player) {
    parts_.scoreWindow().placeRow(player);
}

void WindowOutside::setMatchMenus(bool matchRunning) {
    parts_.menus.setMatchRunning(matchRunning);
}

void WindowOutside::setTimerEnabled(bool enabled) {
    if (enabled) {
        parts_.tmrPulse.start();
    } else {
        parts_.tmrPulse.stop();
    }
}

void WindowOutside::hideSplash() {
    parts_.picSplash.hide();
}

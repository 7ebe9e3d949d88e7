#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the Scoreboard's frame goes, given the screen's area for windows, the game window's
// frame and the Scoreboard's frame size: beside the game (its left edge at the game's right
// edge, tops level); where that is not wholly on the screen, at the nearest position that is:
// left of the game where there is room, otherwise overlapping as little of the game as it must.
QPoint scoreboardPlace(const QRect& screen, const QRect& game, QSize board);

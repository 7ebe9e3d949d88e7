#include "scores/score_placement.h"

#include <algorithm>

QPoint scoreboardPlace(const QRect& screen, const QRect& game, QSize board) {
    const int leftmost = screen.left();
    const int rightmost = std::max(leftmost, screen.left() + screen.width() - board.width());
    const int topmost = screen.top();
    const int bottommost = std::max(topmost, screen.top() + screen.height() - board.height());
    const int top = std::clamp(game.top(), topmost, bottommost);

    const int beside = game.left() + game.width();
    const int leftOfGame = game.left() - board.width();
    if (beside <= rightmost) {
        return {std::max(beside, leftmost), top};
    }
    if (leftOfGame >= leftmost) {
        return {std::min(leftOfGame, rightmost), top};
    }
    // No room on either side: the screen's edge where it covers less of the game.
    const int coveredAtRight = beside - rightmost;
    const int coveredAtLeft = leftmost - leftOfGame;
    return {coveredAtRight <= coveredAtLeft ? rightmost : leftmost, top};
}

#pragma once

#include <QImage>

// The 160 x 50 sheet of 10 x 10 tiles from which the arena is drawn: one row per cycle colour,
// trail pieces, corners, heads and debris in columns 0-13 and 15, special cells in column 14.
QImage makeSpriteSheet();

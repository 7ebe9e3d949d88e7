#pragma once

#include <QImage>

// The 304 x 304 title picture: the game's name above two cycles racing on a glowing grid, framed
// by a one-pixel raised bevel.
QImage makeSplash();

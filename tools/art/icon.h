#pragma once

#include <QImage>

// The window and desktop icon at the given size in pixels: a glowing cycle head whose trail turns
// a corner on a dark grid.
QImage makeIcon(int size);

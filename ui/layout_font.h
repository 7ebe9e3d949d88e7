#pragma once

#include <QFont>

// The font of the labels in the game's fixed layouts (the status line, the Scoreboard): the
// desktop's family at the largest pixel size whose lines fit the layouts' 13-pixel label boxes
// and whose widest heading, "Deaths", leaves a gap to the Scoreboard's neighbouring columns.
// Whatever size the desktop's font has, the layout's text then neither clips nor runs together;
// the menus keep the desktop's font.
QFont layoutFont(const QFont& desktop);

#pragma once

#include <QApplication>
#include <memory>

// The game's QApplication, drawing at a whole number of device pixels per pixel of the layout
// (the desktop's factor rounded, and lowered until the window fits the screen), through XWayland
// in a Wayland session that has it. Where it cannot open a window (no display at all, or a display
// that cannot be reached), this prints one line saying that the game needs a graphical session and
// ends the program with status 1, instead of Qt's abort.
std::unique_ptr<QApplication> openGraphicalSession(int& argc, char* argv[]);

#pragma once

#include <QSize>

// A screen as the game sees it before it opens its window, in the screen's own (device) pixels.
struct ScreenRoom {
    // Device pixels per pixel of the layout that the desktop asks for: the screen's factor
    // (Xft.dpi / 96 on X11) times QT_SCALE_FACTOR.
    double factor;
    // The area the desktop leaves to windows.
    QSize available;
    // What a window adds around its layout: menu bar, title bar and frame.
    QSize decorations;
};

// How many device pixels each pixel of a fixed `layout` becomes: a whole number, so that every
// cell, grid line and trail keeps one size on the screen. It is the desktop's factor rounded
// (halves upwards), lowered while the window would not fit the available area; never below 1.
int wholeDeviceScale(const ScreenRoom& screen, QSize layout);

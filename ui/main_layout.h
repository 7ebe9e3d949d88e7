#pragma once

class ArenaView;
class EtchedSurface;
class QFrame;
class QLabel;
class SplashPicture;

// The controls of the main window's fixed client area, at their places.
struct MainLayout {
    MainLayout();
    MainLayout(const MainLayout&) = delete;
    MainLayout& operator=(const MainLayout&) = delete;

    EtchedSurface* surface; // the client area; owns the controls below
    ArenaView* picField;
    SplashPicture* picSplash;
    QFrame* Frame1;
    QLabel* lblStatus;
};

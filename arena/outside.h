#pragma once

#include <string>
#include <string_view>

// Everything the game rules do to the world outside them. The game window implements it with
// Qt; the headless runner and the tests implement it without a display.
class Outside {
  public:
    virtual ~Outside() = default;

    // The arena picture: erase it, copy tile (sx, sy) of the sprite sheet to cell (x, y), and
    // bring what was drawn to the screen.
    virtual void clearArena() = 0;
    virtual void drawTile(int sx, int sy, int x, int y) = 0;
    virtual void refreshArena() = 0;

    // Starts a sound file, named relative to the game's data folder ("/sounds/hum.wav"), without
    // waiting; a new sound cuts off the one playing.
    virtual void playSound(std::string_view file) = 0;

    // Read afresh at every use: is the arena's edge a wall (otherwise it wraps around)?
    virtual bool edgeIsWall() const = 0;

    virtual void setStatus(const std::string& text) = 0;
    virtual void showStatus(bool visible) = 0;

    // Score bookings; player numbers outside 1-8 change no tally.
    virtual void addKillScore(int killed, int killer) = 0;
    virtual void addDeathScore(int dead) = 0;
    virtual void addPointScore(int player, int points) = 0;

    // The score window's rows: grey or un-grey a player's row; show a placed player's row and
    // size the window to end below it.
    virtual void enableScoreRow(int player, bool enabled) = 0;
    virtual void placeScoreRow(int player) = 0;

    // Window state at the start and end of a match.
    virtual void setMatchMenus(bool matchRunning) = 0;
    virtual void setTimerEnabled(bool enabled) = 0;
    virtual void hideSplash() = 0;
};

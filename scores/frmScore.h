#pragma once

#include "scores/tallies.h"

#include <QMainWindow>
#include <array>
#include <functional>

class QLabel;
class ScoreRow;

// The "Scoreboard" window: one row per player number with kills, deaths and points. Closing it
// only hides it, so the tallies last for the whole run.
class frmScore : public QMainWindow {
    Q_OBJECT

  public:
    explicit frmScore(const QIcon& icon, QWidget* parent = nullptr);

    void AddKillScore(int intKilled, int intKiller);
    void AddDeathScore(int intDead);
    void AddPointScore(int intPlayer, int intPoints);

    // Greys or un-greys a player's four labels.
    void enableRow(int player, bool enabled);
    // Shows a placed player's row, names it, and makes the client area end 11 pixels below it.
    void placeRow(int player);

    void mnuClear_Click();
    // Asked before "&Clear Scores" acts; false leaves the scores as they are.
    void setClearGate(std::function<bool()> gate) { clearGate_ = std::move(gate); }

    const ScoreTable& tallies() const { return tallies_; }

    // What the window shows, for its callers' checks.
    const ScoreRow& row(int player) const;
    bool rowEnabled(int player) const;
    bool panelVisible(int player) const;
    bool noScoresShown() const;

  signals:
    void beeped();
    // After "&Clear Scores"; the game window then takes the keyboard back for the arena.
    void cleared();
    // A key pressed while the Scoreboard has the keyboard, for the game to handle.
    void keyPressed(QKeyEvent* event);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void addHeadings(QWidget* client);
    void afterBooking(int player);
    ScoreRow* rowOf(int player) const;
    void setClientHeight(int pixels);

    ScoreTable tallies_;
    QLabel* lblNoScores_ = nullptr;
    std::array<ScoreRow*, ScoreTable::Players> fraScore_{};
    std::function<bool()> clearGate_;
};

#pragma once

#include <QFrame>

class BoxLabel;
class QLabel;
class ScoreTable;

// One player's panel of the score window: name, kills, deaths and points over an etched rule.
class ScoreRow : public QFrame {
  public:
    ScoreRow(int player, QWidget* parent);

    void showTallies(const ScoreTable& tallies);
    void showPlayerName();
    // A greyed row has its four labels disabled.
    void setLabelsEnabled(bool enabled);
    bool labelsEnabled() const;

    const QLabel& playerLabel() const;
    const QLabel& killsLabel() const;
    const QLabel& deathsLabel() const;
    const QLabel& pointsLabel() const;

  private:
    int player_;
    BoxLabel* lblScorePlayer_;
    BoxLabel* lblKills_;
    BoxLabel* lblDeaths_;
    BoxLabel* lblPoints_;
};

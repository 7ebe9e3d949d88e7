#include "summary.h"

#include <iomanip>

void Summary::matchSetUp(const MatchSetup& setup) {
    if (setup.number == 1) {
        out_ << "Seed " << setup.seed << '\n';
    }
}

void Summary::matchEnded(const MatchEnd& end) {
    out_ << "Match " << end.number << ", tick " << end.tick << ": ";
    if (end.winner) {
        out_ << end.status << '\n';
    } else {
        out_ << "no winner (" << reasonName(end.reason) << ")\n";
    }
}

void Summary::runEnded(const ScoreTable& scores) {
    out_ << "Player  Points  Kills  Deaths\n";
    for (int player = 1; player <= ScoreTable::Players; ++player) {
        out_ << std::setw(6) << player << std::setw(8) << scores.pointsText(player) << std::setw(7)
             << scores.killsText(player) << std::setw(8) << scores.deathsText(player) << '\n';
    }
    if (scores.noScoresVisible()) {
        out_ << "No Scores Recorded\n";
    }
    out_.flush();
}

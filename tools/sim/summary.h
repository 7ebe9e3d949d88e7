#pragma once

#include "match_report.h"

#include <ostream>

// Reports a run in plain text: the seed, one line per match and the final tallies.
class Summary : public MatchReport {
  public:
    explicit Summary(std::ostream& out) : out_(out) {}

    void matchSetUp(const MatchSetup& setup) override;
    void keyPressed(int, ScriptKey) override {}
    void cycleMoved(const CycleMove&) override {}
    void matchEnded(const MatchEnd& end) override;
    void runEnded(const ScoreTable& scores) override;

  private:
    std::ostream& out_;
};

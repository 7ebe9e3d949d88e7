#pragma once

#include "match_report.h"

#include <QJsonObject>
#include <ostream>

// Reports a run as JSON Lines, one object per event: match, field, start, key, move, end and
// scores, each with its keys in alphabetical order.
class JsonTrace : public MatchReport {
  public:
    explicit JsonTrace(std::ostream& out) : out_(out) {}

    void matchSetUp(const MatchSetup& setup) override;
    void keyPressed(int tick, ScriptKey key) override;
    void cycleMoved(const CycleMove& move) override;
    void matchEnded(const MatchEnd& end) override;
    void runEnded(const ScoreTable& scores) override;

  private:
    void write(const QJsonObject& line);

    std::ostream& out_;
};

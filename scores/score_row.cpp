#include "scores/score_row.h"

#include "scores/score_layout.h"
#include "scores/score_widgets.h"
#include "scores/tallies.h"

#include <QColor>

using score_layout::pixelRect;
using score_layout::px;

namespace {

QString playerName(int player) {
    return QStringLiteral("Player %1").arg(player);
}

} // namespace

ScoreRow::ScoreRow(int player, QWidget* parent)
    : QFrame(parent), player_(player),
      lblScorePlayer_(
          new BoxLabel(playerName(player), pixelRect(135, -15, 570, 195), Qt::AlignLeft, this)),
      lblKills_(new BoxLabel("00", pixelRect(2085, -15, 180, 195), Qt::AlignHCenter, this)),
      lblDeaths_(new BoxLabel("00", pixelRect(2805, -15, 180, 195), Qt::AlignHCenter, this)),
      lblPoints_(new BoxLabel("0000", pixelRect(3390, -15, 360, 195), Qt::AlignHCenter, this)) {
    setGeometry(pixelRect(0, score_layout::panelTop(player), score_layout::PanelWidth,
                          score_layout::PanelHeight));
    addLine(this, QColor(128, 128, 128), 0, px(255), width());
    addLine(this, Qt::white, 0, px(270), width());
}

void ScoreRow::showTallies(const ScoreTable& tallies) {
    lblKills_->setCaption(QString::fromStdString(tallies.killsText(player_)));
    lblDeaths_->setCaption(QString::fromStdString(tallies.deathsText(player_)));
    lblPoints_->setCaption(QString::fromStdString(tallies.pointsText(player_)));
}

void ScoreRow::showPlayerName() {
    lblScorePlayer_->setCaption(playerName(player_));
}

void ScoreRow::setLabelsEnabled(bool enabled) {
    for (BoxLabel* label : {lblScorePlayer_, lblKills_, lblDeaths_, lblPoints_}) {
        label->setEnabled(enabled);
    }
}

bool ScoreRow::labelsEnabled() const {
    return lblScorePlayer_->isEnabled() && lblKills_->isEnabled() && lblDeaths_->isEnabled() &&
           lblPoints_->isEnabled();
}

const QLabel& ScoreRow::playerLabel() const {
    return *lblScorePlayer_;
}
const QLabel& ScoreRow::killsLabel() const {
    return *lblKills_;
}
const QLabel& ScoreRow::deathsLabel() const {
    return *lblDeaths_;
}
const QLabel& ScoreRow::pointsLabel() const {
    return *lblPoints_;
}

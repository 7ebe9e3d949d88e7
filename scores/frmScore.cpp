#include "scores/frmScore.h"

#include "scores/score_layout.h"
#include "scores/score_row.h"
#include "scores/score_widgets.h"
#include "ui/layout_font.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColor>
#include <QLayout>
#include <QMenuBar>

using score_layout::pixelRect;
using score_layout::px;

frmScore::frmScore(const QIcon& icon, QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Scoreboard"));
    setWindowIcon(icon);
    // Shown beside the game window, it must leave the keyboard with the arena.
    setAttribute(Qt::WA_ShowWithoutActivating);
    menuBar()->addAction(QStringLiteral("&Clear Scores"), this, [this] {
        if (!clearGate_ || clearGate_()) {
            mnuClear_Click();
        }
    });

    auto* client = new QWidget(this);
    client->setFont(layoutFont(client->font()));
    setCentralWidget(client);
    addHeadings(client);
    for (int player = 1; player <= ScoreTable::Players; ++player) {
        auto* panel = new ScoreRow(player, client);
        // A panel first shows in the first match that places its player.
        panel->hide();
        fraScore_.at(static_cast<std::size_t>(player - 1)) = panel;
    }
    // The window is its menu bar and client area, whatever frame the desktop puts round it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setClientHeight(px(score_layout::ClientHeight));
}

void frmScore::addHeadings(QWidget* client) {
    const QColor grey(128, 128, 128);
    addLine(client, grey, 0, px(15), px(9390));
    addLine(client, Qt::white, 0, px(30), px(9390));
    lblNoScores_ = new BoxLabel(QStringLiteral("No Scores Recorded"), pixelRect(60, 150, 1515, 195),
                                Qt::AlignLeft, client);
    new BoxLabel(QStringLiteral("Kills"), pixelRect(2055, 165, 270, 195), Qt::AlignHCenter, client);
    new BoxLabel(QStringLiteral("Deaths"), pixelRect(2655, 165, 510, 195), Qt::AlignHCenter,
                 client);
    new BoxLabel(QStringLiteral("Points"), pixelRect(3375, 165, 450, 195), Qt::AlignHCenter,
                 client);
    addLine(client, Qt::white, px(-15), px(450), px(score_layout::ClientWidth + 15));
}

void frmScore::AddKillScore(int intKilled, int intKiller) {
    tallies_.AddKillScore(intKilled, intKiller);
    afterBooking(intKiller);
}

void frmScore::AddDeathScore(int intDead) {
    tallies_.AddDeathScore(intDead);
    afterBooking(intDead);
}

void frmScore::AddPointScore(int intPlayer, int intPoints) {
    tallies_.AddPointScore(intPlayer, intPoints);
    afterBooking(intPlayer);
}

void frmScore::afterBooking(int player) {
    if (ScoreRow* panel = rowOf(player)) {
        panel->showTallies(tallies_);
    }
    lblNoScores_->setVisible(tallies_.noScoresVisible());
}

void frmScore::enableRow(int player, bool enabled) {
    if (ScoreRow* panel = rowOf(player)) {
        panel->setLabelsEnabled(enabled);
    }
}

void frmScore::placeRow(int player) {
    ScoreRow* panel = rowOf(player);
    if (panel == nullptr) {
        return;
    }
    panel->show();
    panel->showPlayerName();
    setClientHeight(px(score_layout::clientHeightBelowPanel(player)));
}

void frmScore::mnuClear_Click() {
    tallies_.clear();
    for (ScoreRow* panel : fraScore_) {
        panel->showTallies(tallies_);
    }
    QApplication::beep();
    emit beeped();
    emit cleared();
}

const ScoreRow& frmScore::row(int player) const {
    return *fraScore_.at(static_cast<std::size_t>(player - 1));
}

bool frmScore::rowEnabled(int player) const {
    return row(player).labelsEnabled();
}

bool frmScore::panelVisible(int player) const {
    return !row(player).isHidden();
}

bool frmScore::noScoresShown() const {
    return !lblNoScores_->isHidden();
}

ScoreRow* frmScore::rowOf(int player) const {
    if (player < 1 || player > ScoreTable::Players) {
        return nullptr;
    }
    return fraScore_.at(static_cast<std::size_t>(player - 1));
}

// Some window managers activate every window they map, whatever it asks (weston's for XWayland
// and every Wayland compositor). The keys pressed on the Scoreboard then go on to the game.
void frmScore::keyPressEvent(QKeyEvent* event) {
    emit keyPressed(event);
}

void frmScore::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

void frmScore::setClientHeight(int pixels) {
    centralWidget()->setFixedSize(px(score_layout::ClientWidth), pixels);
}

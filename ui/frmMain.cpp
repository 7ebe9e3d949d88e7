#include "ui/frmMain.h"

#include "scores/frmScore.h"
#include "scores/score_placement.h"
#include "ui/about.h"
#include "ui/arena_view.h"
#include "ui/etched_surface.h"
#include "ui/game_keys.h"
#include "ui/session_link.h"
#include "ui/splash_picture.h"
#include "ui/tick_log.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>

namespace {
constexpr int PulseMilliseconds = 100;
// The splash sits this much above the window's centre.
constexpr int SplashLift = 40;

RandomSource randomSource(std::optional<std::uint64_t> seed) {
    return seed ? RandomSource(*seed) : RandomSource();
}
} // namespace

frmMain::frmMain(std::optional<std::uint64_t> seed, QWidget* parent)
    : QMainWindow(parent), random_(randomSource(seed)), menus_(menuBar()),
      settingsMenus_(menus_, settings_),
      outside_({*controls_.picField, *controls_.lblStatus, *controls_.picSplash, tmrPulse_, menus_,
                sounds_, [this]() -> frmScore& { return scoreWindow(); }}),
      match_(outside_, random_) {
    setWindowTitle(QStringLiteral("Zarvo Cycles"));
    setCentralWidget(controls_.surface);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    menuBar()->setFocusPolicy(Qt::NoFocus);

    tmrPulse_.setInterval(PulseMilliseconds);
    tmrPulse_.setTimerType(Qt::PreciseTimer);
    connect(&tmrPulse_, &QTimer::timeout, this, &frmMain::tmrPulse_Timer);
    connectCommands();
    controls_.picField->setFocus();
}

frmMain::~frmMain() = default;

void frmMain::connectCommands() {
    connect(menus_.mnuGameNew, &QAction::triggered, this, &frmMain::mnuGameNew_Click);
    connect(menus_.mnuGameStop, &QAction::triggered, this, &frmMain::mnuGameStop_Click);
    connect(menus_.mnuGamePause, &QAction::triggered, this, &frmMain::mnuGamePause_Click);
    connect(menus_.mnuGameQuit, &QAction::triggered, this, &frmMain::mnuGameQuit_Click);
    connect(menus_.mnuScore, &QAction::triggered, this, &frmMain::mnuScore_Click);
    connect(menus_.mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(this); });
    // "&Boundaries" needs no handler: a checkable entry inverts its own check mark.
    connect(controls_.picSplash, &SplashPicture::clicked, this, &frmMain::picSplash_Click);
    connect(controls_.picField, &ArenaView::keyDown, this, &frmMain::picField_KeyDown);
}

void frmMain::showEvent(QShowEvent* event) {
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    QMainWindow::showEvent(event);
}

void frmMain::Form_Load() {
    // Once the window is up: the first New Game then plays its cues without loading code.
    QTimer::singleShot(0, &sounds_, &SoundPlayer::preload);
    centreSplash();
    setWindowTitle(
        QStringLiteral("Zarvo Cycles %1.%2").arg(ZARVO_VERSION_MAJOR).arg(ZARVO_VERSION_MINOR));
    settings_.HumanCount = 1;
    settings_.ComputerCount = 1;
    settings_.MatchRule = Settings::FreeForAll;
}

void frmMain::centreSplash() {
    const QRect outer = frameGeometry();
    controls_.picSplash->move(outer.width() / 2 - SplashPicture::Size / 2,
                              outer.height() / 2 - SplashPicture::Size / 2 - SplashLift);
}

// A window manager's frame is known only once it has framed the window, after the load; the
// splash is centred on the outer size again then, while it still shows.
void frmMain::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (loaded_ && !controls_.picSplash->isHidden()) {
        centreSplash();
    }
}

void frmMain::closeEvent(QCloseEvent* event) {
    passes(ScriptKey::Quit);
    if (score_) {
        score_->close();
    }
    tmrPulse_.stop();
    event->accept();
    QCoreApplication::exit(0);
}

bool frmMain::passes(ScriptKey key) {
    return session_ == nullptr || session_->pass(key);
}

void frmMain::mnuGameNew_Click() {
    if (passes(ScriptKey::NewGame)) {
        match_.mnuGameNew_Click(settings_);
    }
}

void frmMain::mnuGameStop_Click() {
    if (passes(ScriptKey::Stop)) {
        match_.mnuGameStop_Click();
    }
}

void frmMain::mnuGamePause_Click() {
    if (passes(ScriptKey::Pause)) {
        match_.mnuGamePause_Click();
    }
}

void frmMain::mnuGameQuit_Click() {
    passes(ScriptKey::Quit);
    tmrPulse_.stop();
    QCoreApplication::exit(0);
}

void frmMain::picSplash_Click() {
    controls_.picSplash->hide();
    mnuGameNew_Click();
}

void frmMain::tmrPulse_Timer() {
    if (session_ != nullptr && !session_->tickStarting()) {
        return;
    }
    if (tickLog_ != nullptr) {
        tickLog_->stamp();
    }
    match_.tmrPulse_Timer();
}

void frmMain::picField_KeyDown(int key) {
    if (const std::optional<Key> gamePress = gameKey(key)) {
        pressGameKey(*gamePress);
    }
}

void frmMain::pressGameKey(Key gamePress) {
    const KeyAction action = actionForKey(gamePress, settings_.HumanCount);
    // New Game and Pause tell the session themselves.
    const bool command = action.kind == KeyAction::NewGame || action.kind == KeyAction::Pause;
    if (!command && !passes(scriptKeyFor(gamePress))) {
        return;
    }
    switch (action.kind) {
    case KeyAction::Steer:
        match_.steer(action.slot, action.heading);
        break;
    case KeyAction::NewGame:
        mnuGameNew_Click();
        break;
    case KeyAction::Pause:
        mnuGamePause_Click();
        break;
    case KeyAction::None:
        break;
    }
}

frmScore& frmMain::scoreWindow() {
    if (!score_) {
        score_ = std::make_unique<frmScore>(windowIcon());
        connect(score_.get(), &frmScore::cleared, this, &frmMain::giveKeyboardToArena);
        score_->setClearGate([this] { return passes(ScriptKey::ClearScores); });
        connect(score_.get(), &frmScore::keyPressed, this, [this](QKeyEvent* event) {
            QCoreApplication::sendEvent(controls_.picField, event);
        });
    }
    return *score_;
}

void frmMain::mnuScore_Click() {
    frmScore& score = scoreWindow();
    if (score.isVisible()) {
        score.hide();
        return;
    }
    // The Scoreboard has not been framed yet: its frame is taken to be as wide as the game's.
    // Where the window manager does not tell (weston's for XWayland), a frame is assumed, and
    // the window is placed by its client area, as Qt then does.
    const QRect inner = geometry();
    QMargins frame(inner.left() - x(), inner.top() - y(), frameGeometry().right() - inner.right(),
                   frameGeometry().bottom() - inner.bottom());
    const bool told = !frame.isNull();
    frame = told ? frame : QMargins(8, 32, 8, 8);
    score.layout()->activate();
    const QPoint place = scoreboardPlace(screen()->availableGeometry(), inner.marginsAdded(frame),
                                         score.size().grownBy(frame));
    score.move(told ? place : place + QPoint(frame.left(), frame.top()));
    score.show();
    giveKeyboardToArena();
}

void frmMain::giveKeyboardToArena() {
    activateWindow();
    controls_.picField->setFocus();
}

#pragma once

#include "arena/random_source.h"
#include "match/keys.h"
#include "match/match.h"
#include "match/settings.h"
#include "session/key_script.h"
#include "ui/game_menus.h"
#include "ui/main_layout.h"
#include "ui/settings_menus.h"
#include "ui/sound_player.h"
#include "ui/window_outside.h"

#include <QMainWindow>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <optional>

class SessionLink;
class TickLog;
class frmScore;

// The game window: menus, arena, splash, status line and the match timer. The match itself is
// the rules library's; this window wires it to the screen, the keyboard and the speakers.
class frmMain : public QMainWindow {
    Q_OBJECT

  public:
    // A fixed seed makes every match reproducible; without one the clock seeds the game.
    explicit frmMain(std::optional<std::uint64_t> seed = std::nullopt, QWidget* parent = nullptr);
    ~frmMain() override;

    void mnuGameNew_Click();
    void mnuGameStop_Click();
    void mnuGamePause_Click();
    void mnuGameQuit_Click();
    void mnuScore_Click();
    void picSplash_Click();
    void picField_KeyDown(int key);
    // A game key as the arena reads it, whichever way it came (the keyboard, a replay).
    void pressGameKey(Key gamePress);
    void tmrPulse_Timer();

    // The score window, created hidden on first use.
    frmScore& scoreWindow();
    bool hasScoreWindow() const { return score_ != nullptr; }

    const Settings& settings() const { return settings_; }
    const Match& match() const { return match_; }
    GameMenus& menus() { return menus_; }
    SettingsMenus& settingsMenus() { return settingsMenus_; }
    const MainLayout& controls() const { return controls_; }
    const QTimer& tmrPulse() const { return tmrPulse_; }
    const SoundPlayer& sounds() const { return sounds_; }

    // Stamps every tick into the log as it starts (the hidden --tick-log option).
    void setTickLog(TickLog* log) { tickLog_ = log; }
    // A recording or a replay of the session; nullptr for none.
    void setSessionLink(SessionLink* link) { session_ = link; }

  protected:
    void showEvent(QShowEvent* event) override;
    // Form_QueryUnload: the score window only hides; the program then ends.
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    void Form_Load();
    void centreSplash();
    void giveKeyboardToArena();
    void connectCommands();
    bool passes(ScriptKey key);

    Settings settings_;
    RandomSource random_;
    MainLayout controls_;
    GameMenus menus_;
    SettingsMenus settingsMenus_;
    QTimer tmrPulse_;
    SoundPlayer sounds_;
    std::unique_ptr<frmScore> score_;
    WindowOutside outside_;
    Match match_;
    TickLog* tickLog_ = nullptr;
    SessionLink* session_ = nullptr;
    bool loaded_ = false;
};

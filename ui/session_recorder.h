#pragma once

#include "ui/session_link.h"

#include <QFile>
#include <QObject>
#include <cstdint>

class GameMenus;

// Writes the session to a file as it happens (--record): the seed, then every arena key, Game
// menu command and Players, Levels or Boundaries choice with the match and tick it came before,
// one line each, each handed to the system at once, so that a crash or a kill of the game loses
// at most the line being written.
class SessionRecorder : public QObject, public SessionLink {
  public:
    // Creates (or empties) the file and writes its first lines; isOpen() tells whether it could.
    SessionRecorder(const QString& path, std::uint64_t seed);

    // Hears the Players, Levels and Boundaries entries of the window's menus.
    void listenTo(const GameMenus& menus);

    bool isOpen() const { return file_.isOpen(); }
    QString errorString() const { return file_.errorString(); }

    bool pass(ScriptKey key) override;
    bool tickStarting() override;

  private:
    void write(const std::string& text);

    QFile file_;
    int match_ = 0;      // 0 before the first New Game
    int ticksRun_ = 0;   // in this match
    bool ended_ = false; // Quit has been written
};

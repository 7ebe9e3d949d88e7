#pragma once

#include "session/key_script.h"

// What a recording or a replay hears of the session the window plays, and may hold back.
class SessionLink {
  public:
    virtual ~SessionLink() = default;

    // An arena key or a Game menu command, before it acts (the Players, Levels and Boundaries
    // entries are heard from the menus themselves); false keeps it from acting.
    virtual bool pass(ScriptKey key) = 0;

    // The match timer has fired; false keeps the tick from running.
    virtual bool tickStarting() = 0;
};

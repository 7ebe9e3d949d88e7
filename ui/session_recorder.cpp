#include "ui/session_recorder.h"

#include "ui/game_menus.h"
#include "ui/menu_choices.h"

#include <QAction>
#include <cstdio>

SessionRecorder::SessionRecorder(const QString& path, std::uint64_t seed) : file_(path) {
    if (file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        write(recordingHeader(seed));
    }
}

void SessionRecorder::listenTo(const GameMenus& menus) {
    for (const MenuChoice& choice : menuChoices(menus)) {
        connect(choice.entry, &QAction::triggered, this, [this, key = choice.key] { pass(key); });
    }
    connect(menus.mnuGameBoundaries, &QAction::triggered, this, [this](bool checked) {
        pass(checked ? ScriptKey::BoundariesOn : ScriptKey::BoundariesOff);
    });
}

bool SessionRecorder::pass(ScriptKey key) {
    if (ended_) {
        return true;
    }
    write(recordingLine({match_, ticksRun_ + 1, key}));
    if (key == ScriptKey::NewGame) {
        ++match_;
        ticksRun_ = 0;
    }
    ended_ = key == ScriptKey::Quit;
    return true;
}

bool SessionRecorder::tickStarting() {
    ++ticksRun_;
    return true;
}

// Unbuffered: each line reaches the system in one write. A line that cannot be written is told
// on stderr once; the game goes on.
void SessionRecorder::write(const std::string& text) {
    const auto size = static_cast<qint64>(text.size());
    if (file_.isOpen() && file_.write(text.data(), size) != size) {
        std::fprintf(stderr, "zarvo-cycles: the recording stopped: %s\n",
                     qPrintable(file_.errorString()));
        file_.close();
    }
}

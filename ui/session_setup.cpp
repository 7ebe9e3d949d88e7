#include "ui/session_setup.h"

#include "arena/random_source.h"
#include "ui/frmMain.h"
#include "ui/session_recorder.h"
#include "ui/session_replay.h"

#include <QMessageBox>
#include <cstdio>

SessionSetup::SessionSetup(const GameOptions& options) : seed_(options.seed) {
    if (!options.recordPath.isEmpty()) {
        // A seed of its own, so that the recording can say which.
        seed_ = seed_.value_or(RandomSource().seed());
        recorder_ = std::make_unique<SessionRecorder>(options.recordPath, *seed_);
    }
    if (options.replayPath.isEmpty()) {
        return;
    }
    try {
        recording_ = KeyScript::loadRecording(options.replayPath.toStdString());
        seed_ = recording_->recordedSeed();
    } catch (const KeyScriptError& error) {
        recording_.reset();
        replayProblem_ = QString::fromStdString(error.what());
        std::fprintf(stderr, "zarvo-cycles: cannot replay: %s\n", error.what());
    }
}

SessionSetup::~SessionSetup() = default;

QString SessionSetup::recordingProblem() const {
    return recorder_ && !recorder_->isOpen() ? recorder_->errorString() : QString();
}

void SessionSetup::join(frmMain& window) {
    if (recorder_) {
        recorder_->listenTo(window.menus());
        window.setSessionLink(recorder_.get());
    }
    if (recording_) {
        replay_ = std::make_unique<SessionReplay>(window, *recording_);
        replay_->start();
    }
    if (!replayProblem_.isEmpty()) {
        // Plain text: the message quotes the file, which may hold anything.
        auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Zarvo Cycles"),
                                    QStringLiteral("This recording cannot be replayed:\n\n%1\n\n"
                                                   "The game starts as usual.")
                                        .arg(replayProblem_),
                                    QMessageBox::Ok, &window);
        box->setTextFormat(Qt::PlainText);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    }
}

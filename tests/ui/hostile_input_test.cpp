#include "crash_note.h"
#include "hostile_user.h"
#include "window_invariants.h"

#include <QElapsedTimer>
#include <QTest>
#include <deque>
#include <exception>
#include <memory>

namespace {

// ZARVO_HOSTILE_SEED replays a run; ZARVO_HOSTILE_ACTIONS sets its length (a replay stops at the
// failing action, a soak runs longer); ZARVO_HOSTILE_TRACE prints every action.
constexpr std::uint64_t DefaultSeed = 1905;
constexpr int DefaultActions = 20000;
// How many of the last actions a failure lists.
constexpr std::size_t RecentShown = 15;

std::uint64_t hostileSeed() {
    bool ok = false;
    const std::uint64_t seed = qEnvironmentVariable("ZARVO_HOSTILE_SEED").toULongLong(&ok);
    return ok ? seed : DefaultSeed;
}

int hostileActions() {
    bool ok = false;
    const int count = qEnvironmentVariableIntValue("ZARVO_HOSTILE_ACTIONS", &ok);
    return ok && count > 0 ? count : DefaultActions;
}

// The offscreen platform reports every fixed size the scoreboard sets; thousands of these notices
// would crowd out the run's own messages.
QtMessageHandler passOnMessage = nullptr;
void dropSizeHintNotices(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text != QLatin1String("This plugin does not support propagateSizeHints()")) {
        passOnMessage(type, context, text);
    }
}

// A real tick comes at a moment of the wall clock and would make a run unrepeatable: while this
// is held, the timer's own events are dropped and the run gives the ticks itself.
class RealTicksHeldBack : public QObject {
  public:
    explicit RealTicksHeldBack(const QTimer& timer) : timer_(timer) {
        QCoreApplication::instance()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        return watched == &timer_ && event->type() == QEvent::Timer;
    }

  private:
    const QTimer& timer_;
};

QString replayHint(std::uint64_t seed, int index) {
    return QStringLiteral("seed %1, action %2; replay with ZARVO_HOSTILE_SEED=%1 "
                          "ZARVO_HOSTILE_ACTIONS=%3 ZARVO_HOSTILE_TRACE=1")
        .arg(seed)
        .arg(index)
        .arg(index + 1);
}

} // namespace

// A person at the window pressing, clicking and choosing at random while the match runs.
class HostileInputTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { passOnMessage = qInstallMessageHandler(dropSizeHintNotices); }

    void random_actions_keep_settings_check_marks_and_match_menus_in_agreement() {
        const std::uint64_t seed = hostileSeed();
        const int actions = hostileActions();
        const bool trace = qEnvironmentVariableIsSet("ZARVO_HOSTILE_TRACE");
        qInfo("%d random actions from seed %llu", actions, static_cast<unsigned long long>(seed));

        auto window = std::make_unique<frmMain>(seed);
        window->show();
        window->activateWindow();
        window->controls().picField->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));

        const RealTicksHeldBack heldBack(window->tmrPulse());
        HostileUser user(*window, seed);
        CrashNote crashNote;
        std::deque<QString> recent;
        QElapsedTimer clock;
        clock.start();
        for (int index = 0; index < actions; ++index) {
            crashNote.set(("hostile input died in " + replayHint(seed, index)).toStdString());
            QString done;
            try {
                done = user.act();
            } catch (const std::exception& thrown) {
                QFAIL(qPrintable(
                    QStringLiteral("%1 thrown at %2").arg(thrown.what(), replayHint(seed, index))));
            }
            if (trace) {
                qInfo("%d: %s", index, qPrintable(done));
            }
            recent.push_back(QStringLiteral("%1: %2").arg(index).arg(done));
            if (recent.size() > RecentShown) {
                recent.pop_front();
            }
            const QString problem = window_invariants::broken(*window);
            if (!problem.isEmpty()) {
                const QStringList last(recent.begin(), recent.end());
                QFAIL(qPrintable(QStringLiteral("%1\n   at %2\n   after %3")
                                     .arg(problem, replayHint(seed, index),
                                          last.join(QStringLiteral("\n         ")))));
            }
        }

        const HostileUser::Coverage& seen = user.coverage();
        qInfo("%lld ms: %d matches begun, %d won, %d stopped, %d ticks", clock.elapsed(),
              seen.matchesBegun, seen.matchesWon, seen.matchesStopped, seen.ticks);
        // A run that never reached these states would have tested little.
        QVERIFY(seen.matchesBegun >= actions / 100);
        QVERIFY(seen.matchesWon >= actions / 1000);
        QVERIFY(seen.matchesStopped >= actions / 100);
    }
};

QTEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"

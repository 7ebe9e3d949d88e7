#include "scores/frmScore.h"
#include "ui/arena_view.h"
#include "ui/frmMain.h"
#include "ui/sound_player.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Set in a copy of this program that FaultsTest starts inside a prepared folder: the sound files
// that must stay silent there, separated by commas, or "*" for all of them.
constexpr char SilentCuesVariable[] = "ZARVO_FAULTS_SILENT_CUES";
const QStringList Cues{"silence.wav", "hum.wav", "turn2.wav", "turn3.wav", "crash.wav"};
// Spaces, letters outside ASCII, and one of them in its decomposed form.
const QString OddFolderName = QStringLiteral("Zarvo Spiel \u00c4\u00d6 e\u0301");

QByteArray randomBytes(int count) {
    QRandomGenerator random(7);
    QByteArray bytes(count, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random.bounded(256));
    }
    return bytes;
}

// A folder named `OddFolderName` holding a copy of `program` and of the game's sound files.
QString oddProgramFolder(const QTemporaryDir& scratch, const QString& program) {
    QString folder = scratch.filePath(OddFolderName);
    QDir().mkpath(folder + QStringLiteral("/sounds"));
    const QDir sounds(QStringLiteral(ZARVO_SOUNDS_DIR));
    for (const QString& cue : Cues) {
        QFile::copy(sounds.filePath(cue), folder + QStringLiteral("/sounds/") + cue);
    }
    QFile::copy(program, folder + '/' + QFileInfo(program).fileName());
    return folder;
}

QProcessEnvironment offscreen() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

QList<QWidget*> visibleWindows() {
    QList<QWidget*> shown = QApplication::topLevelWidgets();
    shown.removeIf([](const QWidget* widget) { return !widget->isVisible(); });
    return shown;
}

} // namespace

// Broken or missing sound files, and a program folder whose name has spaces and accents: the game
// plays on, silent where it must be, with no dialog and no crash.
class FaultsTest : public QObject {
    Q_OBJECT

  private slots:
    void the_game_plays_on_from_an_odd_folder_whatever_became_of_its_sounds_data() {
        QTest::addColumn<QString>("brokenFile");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("every sound file intact") << QString() << QByteArray();
        QTest::newRow("the sounds folder missing") << QStringLiteral("sounds") << QByteArray();
        QTest::newRow("hum.wav replaced by random bytes")
            << QStringLiteral("hum.wav") << randomBytes(16384);
        QTest::newRow("crash.wav empty") << QStringLiteral("crash.wav") << QByteArray();
    }

    void the_game_plays_on_from_an_odd_folder_whatever_became_of_its_sounds() {
        QFETCH(QString, brokenFile);
        QFETCH(QByteArray, content);
        const QTemporaryDir scratch;
        const QString folder = oddProgramFolder(scratch, QCoreApplication::applicationFilePath());
        if (brokenFile == QStringLiteral("sounds")) {
            QVERIFY(QDir(folder + QStringLiteral("/sounds")).removeRecursively());
        } else if (!brokenFile.isEmpty()) {
            QFile file(folder + QStringLiteral("/sounds/") + brokenFile);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QCOMPARE(file.write(content), content.size());
        }

        QProcess copy;
        QProcessEnvironment environment = offscreen();
        environment.insert(SilentCuesVariable, brokenFile == QStringLiteral("sounds")
                                                   ? QStringLiteral("*")
                                                   : brokenFile);
        copy.setProcessEnvironment(environment);
        copy.setProcessChannelMode(QProcess::MergedChannels);
        copy.start(folder + '/' + QFileInfo(QCoreApplication::applicationFilePath()).fileName(),
                   {});
        const bool finished = copy.waitForFinished(60000);
        const QByteArray output = copy.readAll();
        QVERIFY2(finished, output.constData());
        QVERIFY2(copy.exitStatus() == QProcess::NormalExit && copy.exitCode() == 0,
                 output.constData());
    }

    // Without a window manager nothing can be pressed or closed from outside: the program must
    // start, show its window and keep running until it is ended.
    void the_game_program_starts_and_keeps_running_from_an_odd_folder() {
        const QTemporaryDir scratch;
        const QString folder = oddProgramFolder(scratch, QStringLiteral(ZARVO_GAME_PROGRAM));
        QProcess game;
        game.setProcessEnvironment(offscreen());
        game.setProcessChannelMode(QProcess::MergedChannels);
        game.start(folder + '/' + QFileInfo(QStringLiteral(ZARVO_GAME_PROGRAM)).fileName(),
                   {QStringLiteral("--seed"), QStringLiteral("5")});
        QVERIFY(game.waitForStarted());
        QVERIFY2(!game.waitForFinished(3000), game.readAll().constData());
        game.terminate();
        QVERIFY(game.waitForFinished(10000));
    }
};

// What a copy of this program checks inside the folder FaultsTest prepared for it.
class PlayInThisFolder : public QObject {
    Q_OBJECT

  private slots:
    void matches_play_to_the_end_with_no_dialog() {
        frmMain window(5);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        // One human zigzags up and right into the wall; a computer is left the winner.
        for (int match = 1; match <= 4; ++match) {
            window.menus().mnuGameNew->trigger();
            for (int tick = 0; tick < 2000 && window.tmrPulse().isActive(); ++tick) {
                if (tick % 2 == 0) {
                    window.picField_KeyDown(tick % 4 == 0 ? Qt::Key_Up : Qt::Key_Right);
                }
                window.tmrPulse_Timer();
                QCoreApplication::processEvents();
            }
            QVERIFY(window.controls().lblStatus->text().startsWith("Game Over"));
            QCOMPARE(visibleWindows(), QList<QWidget*>{&window});
            QCOMPARE(QApplication::activeModalWidget(), nullptr);
        }
        const ScoreTable& tallies = window.scoreWindow().tallies();
        QCOMPARE(tallies.points(1) + tallies.points(3), 4 * 50);
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    if (qEnvironmentVariableIsSet(SilentCuesVariable)) {
        PlayInThisFolder inThisFolder;
        return QTest::qExec(&inThisFolder, argc, argv);
    }
    FaultsTest faults;
    return QTest::qExec(&faults, argc, argv);
}

#include "faults_test.moc"

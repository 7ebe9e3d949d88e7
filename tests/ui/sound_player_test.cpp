#include "ui/sound_files_root.h"
#include "ui/sound_player.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using Samples = QList<qint16>;

// A 16-bit mono 8 kHz WAV file of 50 samples counting up from `first`: they tell every cue,
// and every place in it, apart.
static QByteArray countingWave(qint16 first) {
    QByteArray wave = QByteArray::fromHex("52494646880000005741564566"
                                          "6d74201000000001000100401f0000803e00000200100064617461"
                                          "64000000");
    for (qint16 sample = first; sample < first + 50; ++sample) {
        wave.append(reinterpret_cast<const char*>(&sample), sizeof sample);
    }
    return wave;
}

// Writes nothing, not even the folder, for a null `bytes`.
static QString write(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes) {
    QFile file(folder.filePath(name));
    if (!bytes.isNull() && QDir().mkpath(QFileInfo(file).path()) &&
        file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
    return file.fileName();
}

// The next samples, at most `count`, that the sound output would play.
static Samples heard(SoundPlayer& player, int count) {
    Samples samples(count);
    samples.resize(qsizetype(
        player.source().read(reinterpret_cast<char*>(samples.data()), sizeof(qint16) * count) / 2));
    return samples;
}

static uint threads() {
    return QDir(QStringLiteral("/proc/self/task")).count();
}

class SoundPlayerTest : public QObject {
    Q_OBJECT

  private slots:
    // Whatever sound server the machine has, these tests play nothing through it.
    void initTestCase() { qputenv("PULSE_SERVER", "unix:/nonexistent/zarvo-test"); }

    void aNewCueCutsOffThePlayingOneAndEveryCueStartsFromItsFirstSample() {
        QTemporaryDir folder;
        const QString hum = write(folder, QStringLiteral("hum.wav"), countingWave(1000));
        const QString turn = write(folder, QStringLiteral("turn2.wav"), countingWave(-3000));
        const uint before = threads();
        SoundPlayer player;
        QCOMPARE(threads(), before); // the sound output opens at the first cue, not before
        player.PlaySoundFile(hum);
        QVERIFY(threads() > before);
        QCOMPARE(heard(player, 3), (Samples{1000, 1001, 1002}));
        for (int again = 0; again < 2; ++again) {
            player.PlaySoundFile(turn);
            QCOMPARE(heard(player, 2), (Samples{-3000, -2999}));
        }
        player.PlaySoundFile(hum);
        QCOMPARE(heard(player, 80).size(), 50);
        QCOMPARE(heard(player, 1), Samples());
    }

    void anUnplayableFileIsSilentAndCutsOffThePlayingCue() {
        const std::pair<const char*, QByteArray> files[] = {
            {"sounds/hum.wav", QByteArray()}, // the sounds folder missing
            {"hum.wav", ""},
            {"hum.wav", QByteArray(8192, '\x5a')},
            {"hum.wav", countingWave(1).left(44)},                          // the header only
            {"hum.wav", countingWave(1).left(94)},                          // cut off halfway
            {"hum.wav", countingWave(1).left(20) + QByteArray(60, '\xa5')}, // garbage after RIFF
        };
        for (const auto& [name, content] : files) {
            QTemporaryDir folder;
            const QString broken = write(folder, QString::fromLatin1(name), content);
            SoundPlayer player;
            player.PlaySoundFile(write(folder, QStringLiteral("turn2.wav"), countingWave(7)));
            QCOMPARE(heard(player, 1), Samples{7});
            player.PlaySoundFile(broken);
            QCOMPARE(heard(player, 1), Samples());
        }
    }

    void theSoundsFolderIsBesideABuildElseInTheInstalledDataFolder() {
        const std::pair<QStringList, QString> layouts[] = {
            {{"bin/sounds/hum.wav", "share/zarvo-cycles/sounds/hum.wav"}, "bin"},
            {{"bin/zarvo-cycles", "share/zarvo-cycles/sounds/hum.wav"}, "share/zarvo-cycles"},
            {{"bin/sounds"}, "share/zarvo-cycles"}, // a file is not the folder
        };
        for (const auto& [files, root] : layouts) {
            QTemporaryDir prefix;
            for (const QString& file : files) {
                write(prefix, file, "");
            }
            QCOMPARE(soundFilesRoot(prefix.filePath(QStringLiteral("bin"))), prefix.filePath(root));
        }
    }
};

QTEST_MAIN(SoundPlayerTest)
#include "sound_player_test.moc"

#include "ui/sound_player.h"

#include <QApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray randomBytes(int count) {
    QByteArray bytes(count, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(QRandomGenerator::global()->bounded(256));
    }
    return bytes;
}

// Half a second of 16-bit mono PCM silence.
QByteArray silentWave() {
    const quint32 dataBytes = 22050 * 2 / 2;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(22050) << quint32(44100) << quint16(2)
        << quint16(16);
    out.writeRawData("data", 4);
    out << dataBytes;
    return bytes + QByteArray(dataBytes, '\0');
}

QSoundEffect* effectOf(const SoundPlayer& player, const QString& path) {
    for (QSoundEffect* effect : player.findChildren<QSoundEffect*>()) {
        if (effect->source() == QUrl::fromLocalFile(path)) {
            return effect;
        }
    }
    return nullptr;
}

} // namespace

class SoundPlayerTest : public QObject {
    Q_OBJECT

  private slots:
    void unplayableFilesReturnAtOnceSilentlyAndWithoutADialog_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing sounds folder") << "sounds/hum.wav" << QByteArray();
        QTest::newRow("empty file") << "hum.wav" << QByteArray("");
        QTest::newRow("random bytes") << "hum.wav" << randomBytes(8192);
        QTest::newRow("header only") << "hum.wav" << silentWave().left(44);
        QTest::newRow("cut off halfway") << "hum.wav" << silentWave().left(11000);
        QTest::newRow("wave header over garbage")
            << "hum.wav"
            << QByteArray("RIFF\xff\xff\xff\x7fWAVEfmt \x10\0\0\0", 20) + randomBytes(64);
    }

    // The player is destroyed at the end with a playable effect in it: an unplayable file must
    // not leave anything that keeps that from finishing.
    void unplayableFilesReturnAtOnceSilentlyAndWithoutADialog() {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        if (!name.contains('/')) {
            writeFile(path, content);
        }
        const QString playable = folder.filePath("turn2.wav");
        writeFile(playable, silentWave());

        SoundPlayer player;
        QElapsedTimer clock;
        clock.start();
        player.PlaySoundFile(path);
        player.PlaySoundFile(playable);
        player.PlaySoundFile(path);
        QVERIFY(clock.elapsed() < 200);

        QTest::qWait(300);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
        QVERIFY(!effectOf(player, playable)->isPlaying());
    }

    // Without an audio device an effect still reports that it plays, which is enough to see
    // that a cue stops the one before it.
    void aNewCueStopsTheOnePlaying() {
        QTemporaryDir folder;
        const QString hum = folder.filePath("hum.wav");
        const QString turn = folder.filePath("turn2.wav");
        writeFile(hum, silentWave());
        writeFile(turn, silentWave());
        SoundPlayer player;

        player.PlaySoundFile(hum);
        QTRY_VERIFY(effectOf(player, hum)->isLoaded());
        QVERIFY(effectOf(player, hum)->isPlaying());
        player.PlaySoundFile(turn);
        QVERIFY(!effectOf(player, hum)->isPlaying());
        QTRY_VERIFY(effectOf(player, turn)->isPlaying());
        player.PlaySoundFile(hum);
        QVERIFY(!effectOf(player, turn)->isPlaying());
        QCOMPARE(player.findChildren<QSoundEffect*>().size(), 2);
    }
};

QTEST_MAIN(SoundPlayerTest)
#include "sound_player_test.moc"

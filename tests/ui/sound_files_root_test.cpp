#include "arena/sound_files.h"
#include "ui/sound_files_root.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string_view>

namespace {

QString pathOf(std::string_view soundFile) {
    return QString::fromUtf8(soundFile.data(), static_cast<qsizetype>(soundFile.size()));
}

void touch(const QString& path) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

TEST(SoundFilesRoot, aBuildPlaysTheSoundsBesideTheProgramEvenWhenAnInstalledCopyExists) {
    QTemporaryDir scratch;
    const QString bin = scratch.path() + QStringLiteral("/bin");
    touch(bin + pathOf(Sound::Hum));
    touch(scratch.path() + QStringLiteral("/share/zarvo-cycles") + pathOf(Sound::Hum));

    EXPECT_EQ(soundFilesRoot(bin), bin);
}

TEST(SoundFilesRoot, anInstalledProgramFindsItsSoundsInTheSharedDataFolderOfItsPrefix) {
    QTemporaryDir prefix;
    const QString installed = prefix.path() + QStringLiteral("/share/zarvo-cycles");
    touch(installed + pathOf(Sound::Crash));
    const QString bin = prefix.path() + QStringLiteral("/bin");
    ASSERT_TRUE(QDir().mkpath(bin));

    EXPECT_EQ(soundFilesRoot(bin), installed);
    EXPECT_TRUE(QFileInfo::exists(soundFilesRoot(bin) + pathOf(Sound::Crash)));
}

TEST(SoundFilesRoot, aFileNamedSoundsBesideTheProgramIsNotItsSoundsFolder) {
    QTemporaryDir scratch;
    touch(scratch.path() + QStringLiteral("/bin/sounds"));

    EXPECT_EQ(soundFilesRoot(scratch.path() + QStringLiteral("/bin")),
              scratch.path() + QStringLiteral("/share/zarvo-cycles"));
}

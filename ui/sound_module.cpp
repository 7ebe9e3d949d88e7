#include "ui/sound_backend.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <cstdio>

namespace {

// Beside the program in a build; for a program installed in <prefix>/games, in the folder the
// package installs it to (<prefix>/lib/<triplet>/zarvo-cycles), as the sounds are found in
// <prefix>/share/zarvo-cycles.
QString moduleFile(const QString& programFolder) {
    const QString name = QStringLiteral(ZARVO_SOUND_MODULE);
    QString beside = programFolder + QLatin1Char('/') + name;
    if (QFileInfo::exists(beside)) {
        return beside;
    }
    return QDir::cleanPath(programFolder + QStringLiteral("/" ZARVO_SOUND_MODULE_FROM_GAMES "/") +
                           name);
}

const SoundBackend* load() {
    // Never unloaded (QLibrary leaves that to unload()): the output's thread runs the module's
    // code until the program ends.
    static QLibrary module(moduleFile(QCoreApplication::applicationDirPath()));
    const auto entry = reinterpret_cast<SoundModuleEntryFunction>(module.resolve(SoundModuleEntry));
    if (entry == nullptr) {
        std::fprintf(stderr, "zarvo-cycles: no sound: %s\n", qPrintable(module.errorString()));
        return nullptr;
    }
    return entry();
}

} // namespace

const SoundBackend* loadSoundBackend() {
    static const SoundBackend* const backend = load();
    return backend;
}

#include "ui/sound_files_root.h"

#include <QDir>
#include <QFileInfo>

QString soundFilesRoot(const QString& programFolder) {
    if (QFileInfo(programFolder + QStringLiteral("/sounds")).isDir()) {
        return programFolder;
    }
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/zarvo-cycles"));
}

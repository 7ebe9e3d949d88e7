#include "art_resources.h"

#include <QSize>

namespace ArtResources {

QString smallIcon(int size) {
    return QStringLiteral(":/art/icon-%1.png").arg(size);
}

QIcon icon() {
    QIcon all;
    for (int size : SmallIconSizes) {
        all.addFile(smallIcon(size), QSize(size, size));
    }
    all.addFile(LargeIcon, QSize(LargeIconSize, LargeIconSize));
    return all;
}

} // namespace ArtResources

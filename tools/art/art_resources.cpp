#include "art_resources.h"

#include <QSize>

namespace ArtResources {

QString smallIcon(int size) {
    return QStringLiteral(":/art/icon-%1.png").arg(size);
}

// A window's icon is sent to the window system in every size it holds, each decoded first, so
// it keeps to title-bar and task-switcher sizes; the desktop takes larger ones from the icon
// theme the package installs.
QIcon windowIcon() {
    QIcon icon;
    for (int size : SmallIconSizes) {
        if (size <= LargestWindowIconSize) {
            icon.addFile(smallIcon(size), QSize(size, size));
        }
    }
    return icon;
}

} // namespace ArtResources

// zarvo-make-art <outdir>: draws the sprite sheet, the splash picture and the icons as PNG files.
#include "art_resources.h"
#include "icon.h"
#include "splash.h"
#include "sprite_sheet.h"

#include <QDir>
#include <QImage>
#include <QString>
#include <cstdio>

namespace {

bool save(const QImage& image, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    if (image.save(path, "PNG")) {
        return true;
    }
    std::fprintf(stderr, "zarvo-make-art: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zarvo-make-art <outdir>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "zarvo-make-art: cannot create %s\n", argv[1]);
        return 1;
    }
    bool written = save(makeSpriteSheet(), folder, "sprites.png") &&
                   save(makeSplash(), folder, "splash.png") &&
                   save(makeIcon(ArtResources::LargeIconSize), folder, "icon.png");
    for (int size : ArtResources::SmallIconSizes) {
        written = written && save(makeIcon(size), folder, QString("icon-%1.png").arg(size));
    }
    return written ? 0 : 1;
}

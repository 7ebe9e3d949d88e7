#include "ui/layout_font.h"

#include <QFontMetrics>

namespace {
constexpr int LabelBoxHeight = 13;
// Between the centres of the "Deaths" and "Points" columns lie 46 pixels; two headings of at
// most 42 keep 4 of them apart.
constexpr int HeadingRoom = 42;
constexpr int SmallestSize = 6;
} // namespace

QFont layoutFont(const QFont& desktop) {
    QFont font = desktop;
    for (int size = LabelBoxHeight; size > SmallestSize; --size) {
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        if (metrics.height() <= LabelBoxHeight &&
            metrics.horizontalAdvance(QStringLiteral("Deaths")) <= HeadingRoom) {
            return font;
        }
    }
    font.setPixelSize(SmallestSize);
    return font;
}

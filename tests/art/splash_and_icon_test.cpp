#include <QImage>
#include <QSet>
#include <QString>
#include <gtest/gtest.h>

namespace {

constexpr QRgb White = qRgb(255, 255, 255);
constexpr QRgb BevelGrey = qRgb(128, 128, 128);

} // namespace

TEST(Splash, IsA304PixelSquareFramedByARaisedBevel) {
    const QImage splash(QStringLiteral(":/art/splash.png"));
    ASSERT_EQ(splash.size(), QSize(304, 304));
    for (int i = 0; i < 303; ++i) {
        EXPECT_EQ(splash.pixel(i, 0), White) << "top, x " << i;
        EXPECT_EQ(splash.pixel(0, i), White) << "left, y " << i;
    }
    for (int i = 0; i < 304; ++i) {
        EXPECT_EQ(splash.pixel(i, 303), BevelGrey) << "bottom, x " << i;
        EXPECT_EQ(splash.pixel(303, i), BevelGrey) << "right, y " << i;
    }
}

TEST(Splash, InsideTheBevelIsAShadedPictureNotAFlatFill) {
    const QImage splash(QStringLiteral(":/art/splash.png"));
    QSet<QRgb> colours;
    for (int y = 1; y < 303; ++y) {
        for (int x = 1; x < 303; ++x) {
            colours.insert(splash.pixel(x, y));
        }
    }
    EXPECT_GT(colours.size(), 2000);
}

TEST(Icon, EverySizeIsDrawnSquareWithTransparentCornersAndAnOpaqueMiddle) {
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString path = size == 256 ? QStringLiteral(":/art/icon.png")
                                         : QStringLiteral(":/art/icon-%1.png").arg(size);
        const QImage icon(path);
        ASSERT_EQ(icon.size(), QSize(size, size)) << qPrintable(path);
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << qPrintable(path);
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0) << qPrintable(path);
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << qPrintable(path);
    }
}

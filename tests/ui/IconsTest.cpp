#include "app/ui/Icons.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "app/ui/PixelImage.h"

namespace wl {
namespace {

TEST(IconsTest, TheProgramsOwnDrawingIsThereWhenTheThemeHasNone) {
    const QIcon icon = themedIcon("no-such-icon-in-any-theme", "wavelumina");
    ASSERT_FALSE(icon.isNull());
    const QImage drawn = icon.pixmap(32, 32).toImage();
    ASSERT_FALSE(drawn.isNull());
    EXPECT_NE(drawn.pixel(16, 16), drawn.pixel(0, 0)) << "the drawing has something in it";
}

TEST(PixelImageTest, FillsAndFramesRectanglesClippedToTheImage) {
    QImage image(10, 6, QImage::Format_RGB32);
    image.fill(Qt::black);
    fillPixels(image, QRect(8, 4, 5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(9, 5), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(7, 5), qRgb(0, 0, 0));
    framePixels(image, QRect(1, 1, 4, 3), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(1, 1), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(4, 3), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(2, 2), qRgb(0, 0, 0)) << "a frame leaves the inside alone";
}

}  // namespace
}  // namespace wl

#include "mediakit/ArtKit.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

// The sky fills the frame above the ridges, what floats in it stays behind the hills, and each
// hill fills down to the frame's bottom, lighter at its top than at its foot.
TEST(ArtKit, ALandscapeLaysSkySunAndHillsInsideItsFrame)
{
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    ArtKit::DrawLandscape(painter, {.frame = QRectF(20, 10, 160, 80),
                                    .sky = {{0, QColor(0, 0, 255)}, {1, QColor(0, 0, 255)}},
                                    .sun = {.centre = {150, 25}, .radius = 8, .colour = QColor(255, 255, 0)},
                                    .inSky = [](QPainter& p) { p.fillRect(QRect(40, 30, 20, 50), Qt::red); },
                                    .hills = {{ArtKit::Ridge({20, 60}, {{70, 40}, {130, 80}, {180, 60}}),
                                               QColor(0, 240, 0), QColor(0, 80, 0)}}});
    painter.end();
    EXPECT_EQ(image.pixel(10, 50), qRgb(0, 0, 0)) << "outside the frame";
    EXPECT_EQ(image.pixel(100, 15), qRgb(0, 0, 255)) << "sky";
    EXPECT_EQ(image.pixel(150, 25), qRgb(255, 255, 0)) << "sun";
    EXPECT_EQ(image.pixel(50, 35), qRgb(255, 0, 0)) << "in the sky above the ridge";
    EXPECT_EQ(qRed(image.pixel(50, 75)), 0) << "behind the hill";
    for (const QPoint at : {QPoint(21, 88), QPoint(178, 88), QPoint(100, 88)}) {
        const QRgb foot = image.pixel(at);
        EXPECT_TRUE(qRed(foot) == 0 && qBlue(foot) == 0 && qGreen(foot) > 70 && qGreen(foot) < 110) << at.x();
    }
    EXPECT_GT(qGreen(image.pixel(100, 70)), qGreen(image.pixel(100, 88))) << "lit from above";
}

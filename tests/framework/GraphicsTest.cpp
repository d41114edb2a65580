#include "framework/Canvas.h"
#include "framework/Fonts.h"
#include "framework/Geometry.h"
#include "framework/GraphObj.h"
#include "framework/Image.h"
#include "framework/SmoothText.h"
#include "platform/CourseError.h"

#include <QFontMetrics>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QImage Gradient(QSize size, QImage::Format format)
{
    QImage image(size, format);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y, QColor((x * 7) % 256, (y * 5) % 256, (x + y) % 256));
    return image;
}

QImage Sprite()
{
    QImage sprite(12, 10, QImage::Format_ARGB32);
    sprite.fill(qRgba(0, 0, 0, 0));
    for (int y = 2; y < 8; ++y)
        for (int x = 3; x < 9; ++x)
            sprite.setPixel(x, y, qRgba(250, 10, 10, y == 2 ? 128 : 255));
    return sprite;
}

} // namespace

TEST(GraphicsTest, PointOnTheBorderIsNotInside)
{
    const QRect rect(QPoint(10, 20), QSize(30, 40)); // edges 10, 20, 40, 60
    EXPECT_TRUE(PointStrictlyInside(QPoint(11, 21), rect));
    EXPECT_TRUE(PointStrictlyInside(QPoint(39, 59), rect));
    for (const QPoint p : {QPoint(10, 30), QPoint(40, 30), QPoint(20, 20), QPoint(20, 60), QPoint(10, 20),
                           QPoint(40, 60), QPoint(5, 30), QPoint(20, 70)})
        EXPECT_FALSE(PointStrictlyInside(p, rect)) << p.x() << "," << p.y();
    EXPECT_FALSE(PointStrictlyInside(QPoint(40, 59), 10, 20, 40, 60));
    EXPECT_TRUE(PointStrictlyInside(QPoint(39, 59), 10, 20, 40, 60));
}

TEST(GraphicsTest, SpriteWithoutPictureIsRefused)
{
    TGraphObj sprite;
    try {
        sprite.SetGraphic(QImage());
        FAIL() << "accepted a missing picture";
    } catch (const TCourseError& error) {
        EXPECT_EQ(error.Message(), "Error in TGraphObj : not valid graphic setted ");
    }
}

TEST(GraphicsTest, HideRestoresTheBackgroundExactly)
{
    QImage background = Gradient(QSize(60, 40), QImage::Format_RGB888);
    const QImage original = background;
    TCanvas canvas(&background);
    TGraphObj sprite;
    sprite.SetGraphic(Sprite());
    sprite.SetCanvas(&canvas);

    sprite.SetPosition(QPoint(20, 10));
    sprite.Show();
    EXPECT_TRUE(sprite.Drawn());
    EXPECT_EQ(background.pixelColor(25, 15), QColor(250, 10, 10));
    EXPECT_NE(background.pixelColor(25, 12), original.pixelColor(25, 12)); // half see-through row blends
    EXPECT_EQ(background.pixelColor(21, 11), original.pixelColor(21, 11)); // see-through corner
    sprite.Hide();
    EXPECT_FALSE(sprite.Drawn());
    EXPECT_EQ(background, original);

    // Moving across the edges: Hide, SetPosition, Show, and back again.
    for (const QPoint at : {QPoint(-5, -4), QPoint(55, 35), QPoint(0, 0), QPoint(-20, 50)}) {
        sprite.SetPosition(at);
        sprite.Show();
        sprite.Hide();
        ASSERT_EQ(background, original) << at.x() << "," << at.y();
    }
    sprite.Hide(); // not shown: nothing happens
    EXPECT_EQ(background, original);
}

TEST(GraphicsTest, ShowingTwiceSavesTheSpriteItself)
{
    QImage background = Gradient(QSize(40, 40), QImage::Format_RGB888);
    TCanvas canvas(&background);
    TGraphObj sprite;
    sprite.SetGraphic(Sprite());
    sprite.SetCanvas(&canvas);
    sprite.SetPosition(QPoint(5, 5));
    sprite.Show();
    sprite.Show();
    sprite.Hide();
    EXPECT_EQ(background.pixelColor(10, 10), QColor(250, 10, 10));
}

TEST(GraphicsTest, SpriteOnAPictureControlReachesTheScreen)
{
    QWidget page;
    page.resize(100, 100);
    page.show();
    TImage hatter(&page, QRect(0, 0, 100, 100));
    hatter.SetBitmap(Gradient(QSize(100, 100), QImage::Format_RGB888));
    const QImage before = page.grab().toImage().convertToFormat(QImage::Format_RGB32);
    TGraphObj sprite;
    sprite.SetGraphic(Sprite());
    sprite.SetCanvas(&hatter.Canvas());
    sprite.SetPosition(QPoint(50, 50));
    sprite.Show();
    EXPECT_EQ(page.grab().toImage().pixelColor(55, 55), QColor(250, 10, 10));
    sprite.Hide();
    EXPECT_EQ(page.grab().toImage().convertToFormat(QImage::Format_RGB32), before);
}

TEST(GraphicsTest, SmoothTextOnSolidBrushFillsItsCellAndHasSoftEdges)
{
    QImage target(200, 60, QImage::Format_RGB888);
    target.fill(Qt::red);
    const QFont font = PixelFont("Arial", 24);
    DrawSmoothText(target, 10, 5, "Hajó", font, Qt::black, Qt::white, false);
    QFont doubled = font;
    doubled.setPixelSize(48);
    const QFontMetrics metrics(doubled);
    const QRect cell(10, 5, metrics.horizontalAdvance("Hajó") / 2, metrics.height() / 2);
    QSet<int> greys;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x) {
            const QColor c = target.pixelColor(x, y);
            if (!cell.contains(x, y)) {
                ASSERT_EQ(c, QColor(Qt::red)) << x << "," << y;
                continue;
            }
            ASSERT_TRUE(c.red() == c.green() && c.green() == c.blue()) << x << "," << y;
            greys.insert(c.red());
        }
    EXPECT_TRUE(greys.contains(255));
    EXPECT_LT(*std::min_element(greys.begin(), greys.end()), 40);
    EXPECT_GT(greys.size(), 12);
}

TEST(GraphicsTest, SmoothTextWithClearBrushKeepsTheBackgroundAndIsClipped)
{
    for (const QImage::Format format : {QImage::Format_RGB888, QImage::Format_RGB32}) {
        QImage target = Gradient(QSize(120, 40), format);
        const QImage original = target;
        // Capitals only: the bottom rows of the cell hold no ink and must come back unchanged.
        DrawSmoothText(target, 90, -6, "ABCDEF", PixelFont("Arial", 20), Qt::blue, Qt::white, true);
        int changed = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 120; ++x) {
                if (target.pixel(x, y) == original.pixel(x, y))
                    continue;
                ++changed;
                ASSERT_GE(x, 90);
                ASSERT_LT(y, 20);
            }
        EXPECT_GT(changed, 20);
        for (int x = 90; x < 120; ++x)
            EXPECT_EQ(target.pixel(x, 12), original.pixel(x, 12)) << x;
    }
}

TEST(GraphicsTest, SmoothTextThroughACanvasUsesItsFontAndBrush)
{
    QImage target(100, 40, QImage::Format_RGB888);
    target.fill(Qt::white);
    TCanvas canvas(&target);
    canvas.SetFont(PixelFont("Arial", 20), Qt::blue);
    canvas.BrushColor = Qt::yellow;
    DrawSmoothText(canvas, 0, 0, "Iv");
    EXPECT_EQ(target.pixelColor(0, 0), QColor(Qt::yellow));
    bool blue = false;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x)
            blue |= target.pixelColor(x, y) == QColor(Qt::blue);
    EXPECT_TRUE(blue);
    // Beyond the target on every side: nothing to draw, nothing broken.
    DrawSmoothText(canvas, 500, 0, "Iv");
    DrawSmoothText(canvas, 0, 500, "Iv");
    DrawSmoothText(canvas, -500, -500, "Iv");
}

#include "framework/Colours.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "platform/ScriptedMessageBoxes.h"
#include "platform/Services.h"

#include <QFontMetrics>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

const QColor Page = DelphiColor(PageColour);

QImage Filled(QSize size, QImage::Format format, QColor colour)
{
    QImage image(size, format);
    image.fill(colour);
    return image;
}

// A shown parent in a colour no picture uses, so that see-through parts show it.
struct Stage {
    QWidget parent;
    Stage()
    {
        parent.resize(200, 200);
        parent.setAutoFillBackground(true);
        QPalette palette;
        palette.setColor(QPalette::Window, Qt::red);
        parent.setPalette(palette);
        parent.show();
    }
    QImage Shot() { return parent.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

} // namespace

TEST(ImageTest, ColoursAreGivenAsBlueGreenRed)
{
    EXPECT_EQ(DelphiColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(DelphiColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(DelphiColor(PageColour), QColor(221, 221, 221));
    EXPECT_EQ(PackedColor(QColor(1, 2, 3)), 0x030201u);
    EXPECT_EQ(PointFont("Arial", 18).pixelSize(), 24);
    EXPECT_EQ(PointFont("Arial", 10).pixelSize(), 13);
}

TEST(ImageTest, CanvasOfAnEmptyControlIsAPageColouredBitmapOfItsSize)
{
    Stage stage;
    TImage image(&stage.parent, QRect(10, 20, 120, 80));
    EXPECT_TRUE(image.Picture().Empty());
    TCanvas& canvas = image.Canvas();
    ASSERT_EQ(image.Picture().kind, TPictureKind::Bitmap);
    EXPECT_EQ(canvas.Target().size(), QSize(120, 80));
    EXPECT_EQ(canvas.Target().format(), QImage::Format_RGB888);
    EXPECT_EQ(canvas.Target().pixelColor(0, 0), Page);
    EXPECT_EQ(canvas.Target().pixelColor(119, 79), Page);
}

TEST(ImageTest, DrawingOnAJpegTurnsItIntoABitmapWithTheSamePixels)
{
    Stage stage;
    TImage image(&stage.parent, QRect(0, 0, 50, 50));
    image.SetJpeg(Filled(QSize(40, 30), QImage::Format_RGB32, QColor(10, 200, 30)));
    ASSERT_EQ(image.Picture().kind, TPictureKind::Jpeg);
    image.Canvas().BrushColor = Qt::blue;
    image.Canvas().FillRect(QRect(0, 0, 10, 10));
    EXPECT_EQ(image.Picture().kind, TPictureKind::Bitmap);
    EXPECT_EQ(image.Picture().image.size(), QSize(40, 30));
    EXPECT_EQ(image.Picture().image.pixelColor(5, 5), QColor(Qt::blue));
    EXPECT_EQ(image.Picture().image.pixelColor(20, 20), QColor(10, 200, 30));
}

TEST(ImageTest, TextCellIsFilledWithTheBrushUnlessItIsClear)
{
    QImage target = Filled(QSize(200, 60), QImage::Format_RGB888, Qt::white);
    TCanvas canvas(&target);
    canvas.SetFont(PixelFont("Arial", 20), Qt::black);
    const QFontMetrics metrics(PixelFont("Arial", 20));
    EXPECT_EQ(canvas.TextHeight("x"), metrics.height());
    EXPECT_EQ(canvas.TextWidth("Ablak"), metrics.horizontalAdvance("Ablak"));

    canvas.BrushColor = Qt::yellow;
    canvas.TextOut(10, 5, "Ablak");
    // Top-left corner of the cell lies above the letters, bottom-right below the last one.
    EXPECT_EQ(target.pixelColor(10, 5), QColor(Qt::yellow));
    EXPECT_EQ(target.pixelColor(10 + canvas.TextWidth("Ablak") - 1, 5 + metrics.height() - 1), QColor(Qt::yellow));
    EXPECT_EQ(target.pixelColor(9, 5), QColor(Qt::white));

    target.fill(Qt::white);
    canvas.BrushClear = true;
    canvas.TextOut(10, 5, "Ablak");
    int dark = 0;
    for (int y = 0; y < target.height(); ++y)
        for (int x = 0; x < target.width(); ++x) {
            const QColor c = target.pixelColor(x, y);
            EXPECT_NE(c, QColor(Qt::yellow));
            dark += c.lightness() < 100;
        }
    EXPECT_GT(dark, 30);
}

TEST(ImageTest, CopyRectGivesExactPixelsAndPageColourOutside)
{
    QImage target(10, 10, QImage::Format_RGB888);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            target.setPixelColor(x, y, QColor(x * 20, y * 20, 7));
    TCanvas canvas(&target);
    const QImage copy = canvas.CopyRect(QRect(-2, 6, 6, 6));
    ASSERT_EQ(copy.size(), QSize(6, 6));
    EXPECT_EQ(copy.format(), QImage::Format_RGB888);
    EXPECT_EQ(copy.pixelColor(0, 0), Page);
    EXPECT_EQ(copy.pixelColor(2, 0), QColor(0, 120, 7));
    EXPECT_EQ(copy.pixelColor(5, 3), QColor(60, 180, 7));
    EXPECT_EQ(copy.pixelColor(5, 4), Page);
}

TEST(ImageTest, DrawBlendsByAlphaAndStretchDrawScales)
{
    QImage target = Filled(QSize(20, 20), QImage::Format_RGB888, Qt::white);
    TCanvas canvas(&target);
    QImage sprite = Filled(QSize(4, 4), QImage::Format_ARGB32, QColor(0, 0, 0, 0));
    sprite.setPixelColor(0, 0, QColor(0, 0, 0, 255));
    sprite.setPixelColor(1, 0, QColor(0, 0, 0, 128));
    canvas.Draw(2, 2, sprite);
    EXPECT_EQ(target.pixelColor(2, 2), QColor(0, 0, 0));
    EXPECT_NEAR(target.pixelColor(3, 2).red(), 127, 2);
    EXPECT_EQ(target.pixelColor(4, 2), QColor(Qt::white));

    QImage two(2, 1, QImage::Format_RGB32);
    two.setPixelColor(0, 0, Qt::red);
    two.setPixelColor(1, 0, Qt::blue);
    canvas.StretchDraw(QRect(10, 10, 8, 4), two);
    EXPECT_EQ(target.pixelColor(10, 13), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(13, 10), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(14, 10), QColor(Qt::blue));
    EXPECT_EQ(target.pixelColor(17, 13), QColor(Qt::blue));
    EXPECT_EQ(target.pixelColor(18, 13), QColor(Qt::white));
}

TEST(ImageTest, TransparentColourOfABitmapShowsWhatIsBehindAlsoAfterDrawing)
{
    Stage stage;
    TImage image(&stage.parent, QRect(0, 0, 100, 100));
    image.SetBitmap(Filled(QSize(100, 100), QImage::Format_RGB888, Page));
    image.Picture().transparent = true;
    image.Picture().transparentColor = Page;
    image.Canvas().BrushColor = Qt::green;
    image.Canvas().FillRect(QRect(10, 10, 20, 20));

    QImage shot = stage.Shot();
    EXPECT_EQ(shot.pixelColor(50, 50), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(15, 15), QColor(Qt::green));

    // Drawing after the first paint must reach the screen too.
    image.Canvas().FillRect(QRect(60, 60, 10, 10));
    shot = stage.Shot();
    EXPECT_EQ(shot.pixelColor(65, 65), QColor(Qt::green));
    EXPECT_EQ(shot.pixelColor(50, 50), QColor(Qt::red));

    // Without transparency the page colour is painted as it is.
    image.Picture().transparent = false;
    EXPECT_EQ(stage.Shot().pixelColor(50, 50), Page);
}

TEST(ImageTest, SetTransparentWithoutAColourKeysTheBottomLeftPixel)
{
    Stage stage;
    TImage image(&stage.parent, QRect(0, 0, 10, 10));
    QImage bitmap = Filled(QSize(10, 10), QImage::Format_RGB32, Qt::white);
    bitmap.setPixelColor(0, 9, Qt::blue);
    bitmap.setPixelColor(5, 5, Qt::blue);
    image.SetBitmap(bitmap);
    image.SetTransparent(true);
    const QImage shot = stage.Shot();
    EXPECT_EQ(shot.pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(2, 2), QColor(Qt::white));
}

TEST(ImageTest, PngIsPaintedWithAlphaAndStretchScalesThePicture)
{
    Stage stage;
    TImage image(&stage.parent, QRect(0, 0, 100, 100));
    QImage png = Filled(QSize(2, 2), QImage::Format_ARGB32, QColor(0, 0, 255, 255));
    png.setPixelColor(1, 0, QColor(0, 0, 0, 0));
    image.SetPng(png);
    QImage shot = stage.Shot();
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(shot.pixelColor(1, 0), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(50, 50), QColor(Qt::red)); // nothing beyond the picture

    image.SetStretch(true);
    shot = stage.Shot();
    EXPECT_EQ(shot.pixelColor(10, 90), QColor(Qt::blue));
    EXPECT_EQ(shot.pixelColor(90, 10), QColor(Qt::red));
}

TEST(ImageTest, MouseEventsFollowTheClassicOrder)
{
    Stage stage;
    TImage image(&stage.parent, QRect(20, 20, 50, 50));
    QStringList seen;
    image.OnClick = [&] { seen << "click"; };
    image.OnDblClick = [&] { seen << "dbl"; };
    image.OnMouseDown = [&](Qt::MouseButton b, QPoint p) {
        seen << QString("down%1@%2,%3").arg(b == Qt::LeftButton ? "L" : "R").arg(p.x()).arg(p.y());
    };
    image.OnMouseUp = [&](Qt::MouseButton b, QPoint) { seen << QString("up%1").arg(b == Qt::LeftButton ? "L" : "R"); };

    QTest::mouseClick(&image, Qt::LeftButton, {}, QPoint(5, 6));
    EXPECT_EQ(seen, QStringList({"downL@5,6", "click", "upL"}));

    seen.clear();
    QTest::mouseClick(&image, Qt::RightButton, {}, QPoint(5, 6));
    EXPECT_EQ(seen, QStringList({"downR@5,6", "upR"}));

    // Released outside: no click.
    seen.clear();
    QTest::mousePress(&image, Qt::LeftButton, {}, QPoint(5, 6));
    QTest::mouseRelease(&image, Qt::LeftButton, {}, QPoint(80, 6));
    EXPECT_EQ(seen, QStringList({"downL@5,6", "upL"}));

    // Qt delivers a double click as press, release, press, double click, release. The second
    // press is a mouse-down and a double click, never a second click.
    seen.clear();
    QTest::mouseClick(&image, Qt::LeftButton, {}, QPoint(1, 1), 1000);
    QTest::mousePress(&image, Qt::LeftButton, {}, QPoint(1, 1));
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(1, 1), image.mapToGlobal(QPointF(1, 1)), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&image, &dbl);
    QTest::mouseRelease(&image, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(seen, QStringList({"downL@1,1", "click", "upL", "downL@1,1", "dbl", "upL"}));

    // A double click that comes alone (as test tools send it) is also the press.
    seen.clear();
    QTest::mouseDClick(&image, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(seen, QStringList({"dbl", "downL@2,2"}));
    QTest::mouseRelease(&image, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(seen.last(), "upL");
    EXPECT_EQ(seen.count("click"), 0);

    QPoint moved;
    image.OnMouseMove = [&](QPoint p) { moved = p; };
    QTest::mouseMove(&image, QPoint(7, 8));
    EXPECT_EQ(moved, QPoint(7, 8));
}

TEST(ImageTest, AnErrorInAHandlerIsReportedAndTheNextEventStillArrives)
{
    TScriptedMessageBoxes boxes;
    Services::SetMessages(&boxes);
    Stage stage;
    TImage image(&stage.parent, QRect(0, 0, 50, 50));
    int clicks = 0;
    image.OnClick = [&] {
        ++clicks;
        throw std::runtime_error("Cannot open file \"x.jpge\"");
    };
    QTest::mouseClick(&image, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(&image, Qt::LeftButton, {}, QPoint(5, 5), 1000);
    Services::SetMessages(nullptr);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(boxes.Texts(), QStringList({"Cannot open file \"x.jpge\"", "Cannot open file \"x.jpge\""}));
}

TEST(ImageTest, AHandlerMayReplaceItselfWhileRunning)
{
    Stage stage;
    TImage image(&stage.parent, QRect(0, 0, 50, 50));
    int calls = 0;
    image.OnClick = [&] {
        ++calls;
        image.OnClick = nullptr;
    };
    QTest::mouseClick(&image, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(&image, Qt::LeftButton, {}, QPoint(5, 5), 1000);
    EXPECT_EQ(calls, 1);
}

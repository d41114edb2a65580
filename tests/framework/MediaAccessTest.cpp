#include "MediaTree.h"

#include "framework/Colours.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "platform/CourseError.h"
#include "platform/RecordingSoundOutput.h"
#include "platform/Services.h"

#include <QColor>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A picture with some structure: a horizontal gradient and two solid blocks.
QImage Sample(QSize size, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(size, format);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y, QColor(x * 255 / size.width(), 90, 255 - y * 255 / size.height()));
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, size.width() / 2, size.height() / 2), QColor(20, 160, 40));
    painter.fillRect(QRect(size.width() / 2, size.height() / 2, size.width() / 2, size.height() / 2), Qt::white);
    return image;
}

bool Near(QColor a, QColor b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}

QString ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const TCourseError& error) {
        return error.Message();
    }
    return QString();
}

} // namespace

TEST(MediaAccessTest, CipherIsItsOwnInverseAndRepeatsEverySixteenBytes)
{
    QByteArray plain;
    for (int i = 0; i < 1000; ++i)
        plain.append(char(i * 7));
    const QByteArray once = Cipher::Applied(plain);
    EXPECT_NE(once, plain);
    EXPECT_EQ(Cipher::Applied(once), plain);

    const QByteArray seventeen = Cipher::Applied(QByteArray(17, '\0'));
    EXPECT_EQ(seventeen[0], '-');
    EXPECT_EQ(seventeen[16], '-');
    EXPECT_EQ(seventeen[15], '-');
    EXPECT_EQ(seventeen[1], '=');
    EXPECT_EQ(seventeen.left(16), QByteArray("-=o 40183726 o=-"));
}

TEST(MediaAccessTest, PictureFilesAreFoundHoweverPagesSpellTheName)
{
    MediaTree tree;
    const QByteArray png = MediaTree::Encoded(Sample(QSize(8, 6)), "PNG");
    tree.WritePicture("egerezes/game/grass.png", png);

    EXPECT_EQ(LoadMediaStream("egerezes\\game\\grass.png"), png);
    EXPECT_EQ(LoadMediaStream("\\Egerezes\\Game\\Grass.PNG"), png);
    EXPECT_EQ(LoadMediaStream("/EGEREZES/game/grass.png"), png);
    EXPECT_EQ(LoadPng("Egerezes\\GAME\\grass.png").size(), QSize(8, 6));
    EXPECT_EQ(PictureFilePath("\\Egerezes\\Game.PNG"), "../res/images/egerezes/game.pnge");
}

TEST(MediaAccessTest, MissingOrWrongKindOfFileNamesTheFile)
{
    MediaTree tree;
    const QString missing = ErrorOf([] { LoadJpeg("hatterek\\Nincs.jpg"); });
    EXPECT_TRUE(missing.contains("../res/images/hatterek/nincs.jpge")) << missing.toStdString();
    EXPECT_TRUE(missing.startsWith("Cannot open file")) << missing.toStdString();

    tree.WritePicture("kep.jpg", MediaTree::Encoded(Sample(QSize(8, 8)), "PNG"));
    const QString wrongKind = ErrorOf([] { LoadJpeg("kep.jpg"); });
    EXPECT_TRUE(wrongKind.contains("kep.jpge")) << wrongKind.toStdString();
    EXPECT_TRUE(wrongKind.contains("JPEG")) << wrongKind.toStdString();
    EXPECT_FALSE(ErrorOf([] { LoadBmp("kep.jpg"); }).isEmpty());
    // The content decides, not the name.
    EXPECT_TRUE(ErrorOf([] { LoadPng("kep.jpg"); }).isEmpty());

    // An unenciphered file is just damaged data.
    tree.WriteRaw("res/images/plain.pnge", MediaTree::Encoded(Sample(QSize(8, 8)), "PNG"));
    EXPECT_FALSE(ErrorOf([] { LoadPng("plain.png"); }).isEmpty());
}

TEST(MediaAccessTest, PngKeepsAlphaThroughEveryPixelLayout)
{
    MediaTree tree;
    QImage rgba(4, 2, QImage::Format_ARGB32);
    rgba.fill(QColor(10, 20, 30, 0));
    rgba.setPixelColor(1, 0, QColor(200, 100, 50, 100));
    rgba.setPixelColor(2, 1, QColor(0, 0, 255, 255));
    tree.WritePicture("rgba.png", MediaTree::Encoded(rgba, "PNG"));
    const QImage back = LoadPng("rgba.png");
    ASSERT_EQ(back.format(), QImage::Format_ARGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(back.pixel(x, y), rgba.pixel(x, y)) << x << "," << y;

    // Palette with a see-through entry (tRNS).
    QImage indexed(3, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgba(0, 0, 0, 0), qRgb(255, 0, 0), qRgb(0, 128, 0)});
    indexed.setPixel(0, 0, 0);
    indexed.setPixel(1, 0, 1);
    indexed.setPixel(2, 0, 2);
    tree.WritePicture("paletta.png", MediaTree::Encoded(indexed, "PNG"));
    const QImage palette = LoadPng("paletta.png");
    EXPECT_EQ(qAlpha(palette.pixel(0, 0)), 0);
    EXPECT_EQ(palette.pixel(1, 0), qRgba(255, 0, 0, 255));
    EXPECT_EQ(palette.pixel(2, 0), qRgba(0, 128, 0, 255));

    // Grey and 16 bits per channel become plain 8-bit colours, opaque.
    QImage grey(2, 1, QImage::Format_Grayscale8);
    grey.setPixel(0, 0, 0);
    grey.setPixelColor(1, 0, QColor(77, 77, 77));
    tree.WritePicture("szurke.png", MediaTree::Encoded(grey, "PNG"));
    EXPECT_EQ(LoadPng("szurke.png").pixel(1, 0), qRgba(77, 77, 77, 255));

    QImage deep(1, 1, QImage::Format_RGBA64);
    deep.setPixelColor(0, 0, QColor(255, 0, 128, 64));
    tree.WritePicture("mely.png", MediaTree::Encoded(deep, "PNG"));
    const QRgb deepPixel = LoadPng("mely.png").pixel(0, 0);
    EXPECT_EQ(qRed(deepPixel), 255);
    EXPECT_NEAR(qBlue(deepPixel), 128, 1);
    EXPECT_NEAR(qAlpha(deepPixel), 64, 1);
}

TEST(MediaAccessTest, JpegAndBmpDecodeToTheirPixels)
{
    MediaTree tree;
    const QImage picture = Sample(QSize(64, 48));
    tree.WritePicture("hatter.jpg", MediaTree::Encoded(picture, "JPG", 95));
    tree.WritePicture("kep.bmp", MediaTree::Encoded(picture, "BMP"));

    const QImage jpeg = LoadJpeg("hatter.jpg");
    ASSERT_EQ(jpeg.size(), picture.size());
    EXPECT_EQ(jpeg.format(), QImage::Format_RGB32);
    EXPECT_TRUE(Near(jpeg.pixelColor(8, 8), QColor(20, 160, 40), 6));
    EXPECT_TRUE(Near(jpeg.pixelColor(60, 40), Qt::white, 6));
    EXPECT_TRUE(Near(jpeg.pixelColor(40, 10), picture.pixelColor(40, 10), 12));

    const QImage bmp = LoadBmp("kep.bmp");
    ASSERT_EQ(bmp.format(), QImage::Format_RGB888);
    EXPECT_EQ(bmp.convertToFormat(QImage::Format_RGB32), picture);

    QImage grey(16, 16, QImage::Format_Grayscale8);
    grey.fill(100);
    tree.WritePicture("szurke.jpg", MediaTree::Encoded(grey, "JPG", 95));
    EXPECT_TRUE(Near(LoadJpeg("szurke.jpg").pixelColor(5, 5), QColor(100, 100, 100), 2));
}

TEST(MediaAccessTest, DrawImageFileChoosesByTheUpperCasedName)
{
    MediaTree tree;
    tree.WritePicture("hatter.jpeg", MediaTree::Encoded(Sample(QSize(40, 30)), "JPG", 95));
    tree.WritePicture("kep.bmp", MediaTree::Encoded(Sample(QSize(20, 10)), "BMP"));
    tree.WritePicture("sprite.png", MediaTree::Encoded(Sample(QSize(20, 10)), "PNG"));
    QWidget page;
    TImage hatter(&page, QRect(0, 0, 100, 80));

    DrawImageFile("Hatter.Jpeg", hatter);
    ASSERT_EQ(hatter.Picture().kind, TPictureKind::Bitmap);
    EXPECT_EQ(hatter.Picture().image.size(), QSize(100, 80));
    EXPECT_TRUE(Near(hatter.Picture().image.pixelColor(5, 5), QColor(20, 160, 40), 6));
    EXPECT_EQ(hatter.Picture().image.pixelColor(60, 50), DelphiColor(PageColour));

    TImage other(&page, QRect(0, 0, 30, 30));
    DrawImageFile("sprite.png", other);
    EXPECT_TRUE(other.Picture().Empty());
    DrawImageFile("\\KEP.BMP", other);
    ASSERT_FALSE(other.Picture().Empty());
    EXPECT_EQ(other.Picture().image.pixelColor(2, 2), QColor(20, 160, 40));
    EXPECT_EQ(other.Picture().image.pixelColor(25, 25), DelphiColor(PageColour));

    // A failing draw leaves the picture as it was.
    EXPECT_THROW(DrawImageFile("nincs.jpg", other), TCourseError);
    EXPECT_EQ(other.Picture().image.pixelColor(2, 2), QColor(20, 160, 40));
}

TEST(MediaAccessTest, PathsAndSounds)
{
    EXPECT_EQ(AviPath("Egerezes\\Dupla_Kutya.avi"), "../res/avis/egerezes/dupla_kutya.avi");
    EXPECT_EQ(EtcPath("words.txt"), "../res/etc/words.txt");

    MediaTree tree;
    TRecordingSoundOutput speaker(true);
    Services::SetSound(&speaker);
    PlaySoundFile("\\Egerezes\\2_Plink.WAV");
    Services::SetSound(nullptr);
    ASSERT_EQ(speaker.Played().size(), 1);
    EXPECT_EQ(speaker.Played()[0], QDir(tree.Root()).filePath("res/sound/egerezes/2_plink.wav"));

    TRecordingSoundOutput mute(false);
    Services::SetSound(&mute);
    PlaySoundFile("2_plink.wav");
    Services::SetSound(nullptr);
    EXPECT_TRUE(mute.Played().isEmpty());
}

TEST(MediaAccessTest, TimeFormatsAtTheirLimits)
{
    EXPECT_EQ(FormatMinSec(0), "00:00");
    EXPECT_EQ(FormatMinSec(5), "00:05");
    EXPECT_EQ(FormatMinSec(75), "01:15");
    EXPECT_EQ(FormatMinSec(600), "10:00");
    EXPECT_EQ(FormatMinSec(3599), "59:59");
    EXPECT_EQ(FormatMinSec(15359), "255:59");
    EXPECT_THROW(FormatMinSec(15360), TCourseError);
    EXPECT_THROW(FormatMinSec(-1), TCourseError);

    EXPECT_EQ(FormatClock(0), "0:00");
    EXPECT_EQ(FormatClock(545), "9:05");
    EXPECT_EQ(FormatClock(1439), "23:59");
    EXPECT_EQ(FormatClock(1440), "0:00");
    EXPECT_EQ(FormatClock(1501), "25:01");
    EXPECT_EQ(FormatClock(2890), "0:10");
    EXPECT_THROW(FormatClock(-1), TCourseError);

    const TSplitTime split = SplitSeconds(3725);
    EXPECT_EQ(split.hours, 1);
    EXPECT_EQ(split.minutes, 62);
    EXPECT_EQ(split.seconds, 5);
    EXPECT_EQ(SplitSeconds(15359).minutes, 255);
    EXPECT_THROW(SplitSeconds(15360), TCourseError);
    EXPECT_THROW(SplitSeconds(-60), TCourseError);
}

TEST(MediaAccessTest, TextLayerIsPageColourAndSeeThroughAndPreparingAgainClearsIt)
{
    QWidget page;
    page.resize(400, 200);
    page.setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::yellow);
    page.setPalette(palette);
    page.show();
    TImage layer(&page, QRect(50, 20, 300, 100));

    PrepareTextLayer(layer);
    const TPicture& picture = layer.Picture();
    ASSERT_EQ(picture.kind, TPictureKind::Bitmap);
    EXPECT_EQ(picture.image.size(), QSize(300, 100));
    EXPECT_EQ(picture.image.format(), QImage::Format_RGB888);
    EXPECT_TRUE(picture.transparent);
    EXPECT_EQ(picture.transparentColor, DelphiColor(PageColour));
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 300; ++x)
            ASSERT_EQ(picture.image.pixelColor(x, y), DelphiColor(PageColour));
    EXPECT_EQ(layer.Canvas().BrushColor, DelphiColor(PageColour));
    QImage shot = page.grab().toImage();
    EXPECT_EQ(shot.pixelColor(60, 30), QColor(Qt::yellow));
    EXPECT_EQ(shot.pixelColor(349, 119), QColor(Qt::yellow));

    layer.Canvas().SetFont(QFont("Arial", 20), Qt::black);
    layer.Canvas().TextOut(0, 0, "Szöveg");
    EXPECT_NE(layer.Picture().image.pixelColor(5, 5), DelphiColor(PageColour));
    PrepareTextLayer(layer);
    EXPECT_EQ(layer.Picture().image.pixelColor(5, 5), DelphiColor(PageColour));

    MakeTransparentPicture(layer, QImage::Format_RGB32, Qt::white);
    EXPECT_EQ(layer.Picture().image.format(), QImage::Format_RGB32);
    EXPECT_EQ(layer.Picture().transparentColor, QColor(Qt::white));
    EXPECT_EQ(layer.Picture().image.pixelColor(299, 99), QColor(Qt::white));
}

#include "framework/Cipher.h"
#include "mediakit/ArtKit.h"
#include "mediakit/MediaKit.h"
#include "mediakit/PictureChecks.h"
#include "mediakit/home/HomeMedia.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

using PictureChecks::Contrast;
using PictureChecks::LeastContrast;

namespace {

// The page controls the drawings have to lie under.
const QRect EditBox(112, 256, 641, 68);
const QRect EnterArea(880, 344, 120, 137);
const QRect ExitArea(918, 645, 50, 52);
const QRect BackArea(892, 644, 100, 55);
const QRect BackspaceArea(895, 184, 98, 57);

QImage Backdrop()
{
    QImage image(1024, 768, QImage::Format_RGB32);
    QPainter painter(&image);
    ArtKit::DrawPageBackdrop(painter, image.rect());
    return image;
}

int ChannelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// Share of pixels in rect that differ clearly from the reference, and their bounding box.
struct TDifference {
    double share = 0;
    QRect bounds;
};

TDifference Difference(const QImage& picture, const QImage& reference, QRect rect)
{
    int differing = 0;
    QRect bounds;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (ChannelDistance(picture.pixel(x, y), reference.pixel(x, y)) > 8) {
                ++differing;
                bounds |= QRect(x, y, 1, 1);
            }
    return {double(differing) / (rect.width() * rect.height()), bounds};
}

// The control fills its click area and nothing of it shows in a band around the area.
void ExpectDrawnExactlyUnder(const QImage& picture, const QImage& backdrop, QRect area, const char* what)
{
    SCOPED_TRACE(what);
    const TDifference inside = Difference(picture, backdrop, area);
    EXPECT_GT(inside.share, 0.55);
    EXPECT_GE(inside.bounds.width(), area.width() * 9 / 10);
    EXPECT_GE(inside.bounds.height(), area.height() * 9 / 10);

    const int band = 6;
    const QRect around = area.adjusted(-band, -band, band, band).intersected(picture.rect());
    int leaking = 0;
    for (int y = around.top(); y <= around.bottom(); ++y)
        for (int x = around.left(); x <= around.right(); ++x)
            if (!area.contains(x, y) && picture.pixel(x, y) != backdrop.pixel(x, y))
                ++leaking;
    EXPECT_EQ(leaking, 0);
}

const QRgb PureBlue = qRgb(0, 0, 255);
const QRgb PureRed = qRgb(255, 0, 0);

} // namespace

TEST(HomeArtPictures, KitWritesTheFourPicturesEncipheredAtThePagesSizes)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    TMediaKit kit(root.path());
    HomeMedia::Produce(kit);

    const struct {
        const char* name;
        QSize size;
    } expected[] = {{"alap_screen_name_input.jpg", {1024, 768}},
                    {"modul_valaszto.jpg", {1024, 768}},
                    {"empty_screen.jpg", {800, 600}},
                    {"osztaly_input.jpg", {1024, 768}}};
    for (const auto& e : expected) {
        SCOPED_TRACE(e.name);
        const QString relative = QStringLiteral("images/") + e.name + 'e';
        EXPECT_TRUE(kit.Written().contains(QStringLiteral("images/") + e.name));
        QFile file(root.filePath(relative));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray stored = file.readAll();
        // Stored enciphered: not readable as it is, a JPEG once deciphered.
        EXPECT_TRUE(QImage::fromData(stored).isNull());
        QByteArray plain = Cipher::Applied(stored);
        QBuffer buffer(&plain);
        QImageReader reader(&buffer);
        EXPECT_EQ(reader.format(), "jpeg");
        const QImage image = reader.read();
        EXPECT_EQ(image.size(), e.size);
    }
}

TEST(HomeArtPictures, KeysSignsAndButtonsLieExactlyUnderTheirClickAreas)
{
    const QImage backdrop = Backdrop();
    const QImage name = HomeMedia::NameInputScreen();
    ExpectDrawnExactlyUnder(name, backdrop, EnterArea, "name page: Enter key");
    ExpectDrawnExactlyUnder(name, backdrop, ExitArea, "name page: exit sign");

    const QImage chooser = HomeMedia::ChooserScreen();
    ExpectDrawnExactlyUnder(chooser, backdrop, EnterArea, "chooser: Enter key");
    ExpectDrawnExactlyUnder(chooser, backdrop, ExitArea, "chooser: exit sign");

    const QImage grade = HomeMedia::GradeScreen();
    ExpectDrawnExactlyUnder(grade, backdrop, EnterArea, "grade page: Enter key");
    ExpectDrawnExactlyUnder(grade, backdrop, BackspaceArea, "grade page: Backspace key");
    ExpectDrawnExactlyUnder(grade, backdrop, BackArea, "grade page: back button");
}

TEST(HomeArtPictures, TypingStripIsWhiteUnderTheEditBoxAndFramedAroundIt)
{
    for (const QImage& page : {HomeMedia::NameInputScreen(), HomeMedia::GradeScreen()}) {
        int notWhite = 0;
        for (int y = EditBox.top(); y <= EditBox.bottom(); ++y)
            for (int x = EditBox.left(); x <= EditBox.right(); ++x)
                notWhite += page.pixel(x, y) != qRgb(255, 255, 255);
        EXPECT_EQ(notWhite, 0);
        // The frame shows on every side, so the strip stands out from the page.
        const int m = ArtKit::InputFrameMargin / 2;
        for (QPoint p : {QPoint(EditBox.center().x(), EditBox.top() - m), QPoint(EditBox.center().x(), EditBox.bottom() + m),
                         QPoint(EditBox.left() - m, EditBox.center().y()), QPoint(EditBox.right() + m, EditBox.center().y())})
            EXPECT_GT(ChannelDistance(page.pixel(p), qRgb(255, 255, 255)), 40) << p.x() << "," << p.y();
    }
}

TEST(HomeArtPictures, ChooserTilesCarryPicturesAndKeepTheHeadsBandPlain)
{
    const QImage chooser = HomeMedia::ChooserScreen();
    const QImage backdrop = Backdrop();
    const QSize tile(140, 273);
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 5; ++column) {
            const QPoint corner(52 + column * 156, row == 0 ? 137 : 428);
            SCOPED_TRACE(testing::Message() << "tile " << row + 1 << "," << column + 1);
            EXPECT_GT(Difference(chooser, backdrop, QRect(corner, tile)).share, 0.9);

            // Where the head is drawn: one calm colour, nothing of the picture or the title.
            const QRect head(corner + QPoint(5, 50), QSize(131, 75));
            const QRgb reference = chooser.pixel(head.center());
            int busy = 0;
            for (int y = head.top(); y <= head.bottom(); ++y)
                for (int x = head.left(); x <= head.right(); ++x)
                    busy += ChannelDistance(chooser.pixel(x, y), reference) > 10;
            EXPECT_LT(busy, head.width() * 4);  // the card's thin edges at most

            // Below the band the topic's picture: many colours, not an empty mat.
            QSet<QRgb> colours;
            for (int y = corner.y() + 140; y < corner.y() + 260; y += 2)
                for (int x = corner.x() + 12; x < corner.x() + 128; x += 2)
                    colours.insert(chooser.pixel(x, y) & 0xf0f0f0);
            EXPECT_GT(colours.size(), 40);
        }

    // The right column stays free where the page writes its instructions.
    for (const QRect& text : {QRect(846, 206, 178, 58), QRect(846, 484, 178, 50), QRect(890, 700, 134, 30)})
        EXPECT_EQ(Difference(chooser, backdrop, text).share, 0.0);
}

// Blue and red text must read at least as well everywhere it is written as on the plain page
// colour the pages had before they got pictures.
TEST(HomeArtPictures, WrittenTextStaysReadableWhereThePagesWriteIt)
{
    const QRgb pageGrey = qRgb(0xdd, 0xdd, 0xdd);
    const double blueBar = Contrast(PureBlue, pageGrey);
    const double redBar = Contrast(PureRed, pageGrey);

    QImage wide(1024, 768, QImage::Format_RGB32);
    QImage small(300, 200, QImage::Format_RGB32);
    for (QImage* backdrop : {&wide, &small}) {
        QPainter painter(backdrop);
        ArtKit::DrawPageBackdrop(painter, backdrop->rect(), QColor(0xe0, 0x4e, 0x68));
        painter.end();
        EXPECT_GE(LeastContrast(*backdrop, backdrop->rect(), PureBlue), blueBar);
        EXPECT_GE(LeastContrast(*backdrop, backdrop->rect(), PureRed), redBar);
    }

    const QImage name = HomeMedia::NameInputScreen();
    EXPECT_GE(LeastContrast(name, QRect(80, 336, 713, 57), PureBlue), blueBar);
    EXPECT_GE(LeastContrast(name, QRect(64, 536, 161, 177), PureBlue), blueBar);
    EXPECT_GE(LeastContrast(name, QRect(656, 536, 161, 177), PureBlue), blueBar);
    EXPECT_GE(LeastContrast(name, QRect(80, 176, 713, 57), PureRed), redBar);

    const QImage chooser = HomeMedia::ChooserScreen();
    EXPECT_GE(LeastContrast(chooser, QRect(850, 206, 170, 58), PureBlue), blueBar);
    EXPECT_GE(LeastContrast(chooser, QRect(850, 484, 170, 50), PureBlue), blueBar);
    EXPECT_GE(LeastContrast(chooser, QRect(896, 704, 105, 25), PureBlue), blueBar);

    const QImage grade = HomeMedia::GradeScreen();
    EXPECT_GE(LeastContrast(grade, QRect(140, 370, 700, 250), PureBlue), blueBar);
    EXPECT_GE(LeastContrast(grade, QRect(96, 192, 657, 46), PureRed), redBar);
    EXPECT_GE(LeastContrast(grade, QRect(888, 248, 129, 49), PureBlue), blueBar);

    // Eleven greeting lines from y = 85 on plain paper, the longest reaching the right edge.
    const QImage greeting = HomeMedia::GreetingPanel();
    ASSERT_EQ(greeting.size(), QSize(800, 600));
    EXPECT_GE(LeastContrast(greeting, QRect(40, 80, 756, 320), PureBlue), 1.25 * blueBar);
}

TEST(HomeArtPictures, DrawnControlsStayInsideTheirRectangleAtAnySize)
{
    using Draw = std::function<void(QPainter&, QRect)>;
    const struct {
        const char* what;
        Draw draw;
        QSize size;
    } controls[] = {
        {"Enter key", ArtKit::DrawEnterKey, {120, 137}},
        {"small Enter key", ArtKit::DrawEnterKey, {60, 70}},
        {"exit sign", ArtKit::DrawExitSign, {50, 52}},
        {"large exit sign", ArtKit::DrawExitSign, {97, 100}},
        {"back button", [](QPainter& p, QRect r) { ArtKit::DrawBackButton(p, r); }, {100, 55}},
        {"two-line back button", [](QPainter& p, QRect r) { ArtKit::DrawBackButton(p, r, QStringLiteral("Vissza a\nfőoldalra")); },
         {104, 61}},
        {"Backspace key", ArtKit::DrawBackspaceKey, {98, 57}},
        {"letter key", [](QPainter& p, QRect r) { ArtKit::DrawKey(p, r, QStringLiteral("Ő")); }, {40, 40}},
    };
    for (const auto& control : controls) {
        SCOPED_TRACE(control.what);
        QImage image(control.size + QSize(40, 40), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        const QRect rect(QPoint(20, 20), control.size);
        {
            QPainter painter(&image);
            control.draw(painter, rect);
        }
        int outside = 0;
        int inside = 0;
        QRect bounds;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) == 0)
                    continue;
                if (rect.contains(x, y)) {
                    ++inside;
                    bounds |= QRect(x, y, 1, 1);
                } else {
                    ++outside;
                }
            }
        EXPECT_EQ(outside, 0);
        EXPECT_GT(inside, rect.width() * rect.height() / 2);
        EXPECT_GE(bounds.width(), rect.width() - 2);
        EXPECT_GE(bounds.height(), rect.height() - 2);
    }
}

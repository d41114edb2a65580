#include "framework/Colours.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/TextImgWriter.h"

#include <QFontMetrics>
#include <gtest/gtest.h>
#include <vector>

namespace {

const QColor Blue = DelphiColor(0xFF0000);
const QColor Page = DelphiColor(PageColour);

// Records where each line is placed, and draws it as usual.
class RecordingWriter : public TTextImgWriter {
public:
    struct Line {
        QString text;
        int x;
        int y;
    };
    std::vector<Line> lines;

protected:
    void DrawLine(const QString& line, int x, int y) override
    {
        lines.push_back({line, x, y});
        TTextImgWriter::DrawLine(line, x, y);
    }
};

int Width(const QFont& font, const QString& text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

// A page with a text layer and a writer set up as pages set theirs up.
struct Fixture {
    QWidget page;
    TImage layer;
    RecordingWriter writer;
    QFont font = PointFont("Arial", 18);
    int lineHeight = QFontMetrics(font).height();

    explicit Fixture(int width = 1004, int height = 300) : layer(&page, QRect(0, 0, width, height))
    {
        page.resize(1024, 768);
        PrepareTextLayer(layer);
        writer.SetFont(font, Blue);
        writer.SetLineSpacing(5);
        writer.SetMargins(10, 10, 0, 0);
        writer.SetImage(&layer);
    }

    void Write(const QString& text)
    {
        writer.lines.clear();
        writer.SetText(text);
        writer.WriteText();
    }

    QStringList Texts() const
    {
        QStringList texts;
        for (const auto& line : writer.lines)
            texts << line.text;
        return texts;
    }

    int Changed() const
    {
        int count = 0;
        const QImage& image = layer.Picture().image;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) != Page;
        return count;
    }
};

} // namespace

TEST(TextImgWriterTest, ModeFollowsThePictureAtSetImage)
{
    TTextImgWriter writer;
    QWidget page;
    TImage image(&page, QRect(0, 0, 50, 50));
    writer.SetImage(&image);
    EXPECT_TRUE(writer.PngMode()); // nothing to write on
    image.SetJpeg(QImage(50, 50, QImage::Format_RGB32));
    writer.SetImage(&image);
    EXPECT_FALSE(writer.PngMode());
    image.SetPng(QImage(50, 50, QImage::Format_ARGB32));
    writer.SetImage(&image);
    EXPECT_TRUE(writer.PngMode());
    PrepareTextLayer(image);
    writer.SetImage(&image);
    EXPECT_FALSE(writer.PngMode());
}

TEST(TextImgWriterTest, BreaksGiveParagraphsAndEmptyLines)
{
    Fixture f;
    f.writer.SetMargins(10, 10, 7, 0);
    f.Write("Alma<BR><BR>Körte");
    ASSERT_EQ(f.Texts(), QStringList({"Alma", "", "Körte"}));
    EXPECT_EQ(f.writer.lines[0].y, 7);
    EXPECT_EQ(f.writer.lines[1].y, 7 + (f.lineHeight + 5));
    EXPECT_EQ(f.writer.lines[2].y, 7 + 2 * (f.lineHeight + 5));

    // Only the upper-case mark breaks; a leading mark gives an empty first line.
    f.Write("<BR>a<br>b");
    EXPECT_EQ(f.Texts(), QStringList({"", "a<br>b"}));
    EXPECT_EQ(f.writer.lines[1].y, 7 + f.lineHeight + 5);
}

TEST(TextImgWriterTest, ShortTextIsOneLineAtTheTopAndEachWriteStartsThereAgain)
{
    Fixture f;
    f.writer.SetMargins(10, 10, 40, 0);
    f.Write("Szia Anna, üdvözöllek!");
    ASSERT_EQ(f.writer.lines.size(), 1u);
    EXPECT_EQ(f.writer.lines[0].text, "Szia Anna, üdvözöllek!");
    EXPECT_EQ(f.writer.lines[0].x, 10);
    EXPECT_EQ(f.writer.lines[0].y, 40);

    f.Write("Még egyszer");
    ASSERT_EQ(f.writer.lines.size(), 1u);
    EXPECT_EQ(f.writer.lines[0].y, 40);

    // The text is forgotten after writing: another write draws one empty line.
    f.writer.lines.clear();
    f.writer.WriteText();
    EXPECT_EQ(f.Texts(), QStringList({""}));
}

TEST(TextImgWriterTest, LastWordThatDoesNotFitWrapsAndTheLineKeepsItsSpace)
{
    const QFont font = PointFont("Arial", 18);
    const int width = 20 + Width(font, "Első második ") + Width(font, "harmadik") / 2;
    Fixture f(width);
    f.Write("Első második harmadik");
    EXPECT_EQ(f.Texts(), QStringList({"Első második ", "harmadik"}));
    EXPECT_EQ(f.writer.lines[1].y, f.lineHeight + 5);

    // A right-aligned wrapped line is placed with its trailing space counted.
    f.writer.SetAlignment("wlfRight");
    f.Write("Első második harmadik");
    ASSERT_EQ(f.writer.lines.size(), 2u);
    EXPECT_EQ(f.writer.lines[0].x, width - Width(font, "Első második ") - 10);
    EXPECT_EQ(f.writer.lines[1].x, width - Width(font, "harmadik") - 10);
}

TEST(TextImgWriterTest, LongParagraphWrapsBetweenTheMargins)
{
    Fixture f(500);
    const QString text = "A billentyűzet a számítógép egyik legfontosabb része, ezen írunk betűket, "
                         "számokat és jeleket. Keresd meg a betűket, és nyomd le őket egymás után!";
    f.Write(text);
    ASSERT_GE(f.writer.lines.size(), 3u);
    QString joined;
    for (const auto& line : f.writer.lines) {
        EXPECT_LE(Width(f.font, line.text.trimmed()), 500 - 20) << line.text.toStdString();
        joined += line.text;
    }
    EXPECT_EQ(joined, text);
    // Each line is as long as it can be: the next line's first word would not have fitted.
    for (size_t i = 0; i + 1 < f.writer.lines.size(); ++i) {
        const QString next = f.writer.lines[i + 1].text.section(' ', 0, 0);
        EXPECT_GT(Width(f.font, f.writer.lines[i].text + next), 500 - 20);
    }
}

TEST(TextImgWriterTest, CentreAndRightPlacement)
{
    Fixture f(1004);
    // Figures have one advance; find the run that is 200 pixels wide.
    QFont font = PixelFont("Arial", 18);
    QString line;
    while (Width(font, line) < 200)
        line += '0';
    ASSERT_EQ(Width(font, line), 200) << "figures of this font are not 10 pixels wide";
    f.writer.SetFont(font, Blue);
    f.writer.SetImage(&f.layer);
    f.writer.SetAlignment("wlfCenter");
    f.Write(line);
    ASSERT_EQ(f.writer.lines.size(), 1u);
    EXPECT_EQ(f.writer.lines[0].x, 392);

    f.writer.SetMargins(30, 10, 0, 0);
    f.Write(line);
    EXPECT_EQ(f.writer.lines[0].x, 382); // centred in the picture, shifted by half the margins

    f.writer.SetAlignment("wlfRight");
    f.Write(line);
    EXPECT_EQ(f.writer.lines[0].x, 1004 - 200 - 10);
}

TEST(TextImgWriterTest, WordWiderThanTheLineStaysWholeOnItsOwnLine)
{
    const QFont font = PointFont("Arial", 18);
    const int width = Width(font, "Szó") * 3 + 20;
    Fixture f(width);
    f.Write("Kacsa Elefántcsonttorony van");
    EXPECT_EQ(f.Texts(), QStringList({"Kacsa ", "Elefántcsonttorony ", "van"}));
    f.Write("Elefántcsonttorony");
    EXPECT_EQ(f.Texts(), QStringList({"Elefántcsonttorony"}));
    f.Write("Elefántcsonttorony van");
    EXPECT_EQ(f.Texts(), QStringList({"Elefántcsonttorony ", "van"}));

    // Centred it starts left of the picture; what fits is drawn, the rest is cut off.
    f.writer.SetAlignment("wlfCenter");
    f.Write("Elefántcsonttorony");
    ASSERT_EQ(f.writer.lines.size(), 1u);
    EXPECT_LT(f.writer.lines[0].x, 0);
    EXPECT_GT(f.Changed(), 50);
}

TEST(TextImgWriterTest, UnknownAlignmentDrawsNothingButCountsLines)
{
    Fixture f;
    f.writer.SetAlignment("wlfJustify");
    f.Write("Első<BR>Második");
    EXPECT_TRUE(f.writer.lines.empty());
    EXPECT_EQ(f.Changed(), 0);
}

TEST(TextImgWriterTest, BitmapModeDrawsLeftLinesPlainAndOthersSmoothed)
{
    Fixture f(400, 100);
    f.Write("Bal");
    const int leftChanged = f.Changed();
    EXPECT_GT(leftChanged, 20);
    // Nothing beyond the left line's cell.
    const QImage& image = f.layer.Picture().image;
    for (int y = f.lineHeight + 2; y < 100; ++y)
        for (int x = 0; x < 400; ++x)
            ASSERT_EQ(image.pixelColor(x, y), Page);

    PrepareTextLayer(f.layer);
    f.writer.SetAlignment("wlfCenter");
    f.Write("Középen");
    const int x = f.writer.lines[0].x;
    const int w = Width(f.font, "Középen");
    QSet<QRgb> shades;
    for (int yy = 0; yy < f.lineHeight; ++yy)
        for (int xx = x; xx < x + w; ++xx)
            shades.insert(image.pixel(xx, yy));
    EXPECT_GT(shades.size(), 10); // soft edges between page colour and blue
    // A pure blue pixel proves the letters are in the font colour.
    EXPECT_TRUE(shades.contains(qRgb(0, 0, 255)));
    for (int yy = 0; yy < 100; ++yy) {
        ASSERT_EQ(image.pixelColor(x - 1, yy), Page);
        ASSERT_EQ(image.pixelColor(x + w + 1, yy), Page);
    }
}

TEST(TextImgWriterTest, WritingOnAJpegWritesOnItsBitmap)
{
    QWidget page;
    TImage hatter(&page, QRect(0, 0, 300, 60));
    QImage jpeg(300, 60, QImage::Format_RGB32);
    jpeg.fill(Qt::white);
    hatter.SetJpeg(jpeg);
    TTextImgWriter writer;
    writer.SetFont(PointFont("Arial", 18), Blue);
    writer.SetImage(&hatter);
    writer.SetText("Jó");
    writer.WriteText();
    EXPECT_EQ(hatter.Picture().kind, TPictureKind::Bitmap);
    int blue = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 300; ++x)
            blue += hatter.Picture().image.pixelColor(x, y).blue() > hatter.Picture().image.pixelColor(x, y).red();
    EXPECT_GT(blue, 20);
}

TEST(TextImgWriterTest, WrapWidthsFollowTheFontGivenBeforeSetImageInBitmapMode)
{
    const QFont small = PixelFont("Arial", 12);
    const QFont big = PixelFont("Arial", 36);
    const int width = 20 + Width(small, "egy kettő három négy") + 5;
    Fixture f(width);
    f.writer.SetFont(small, Blue);
    f.writer.SetImage(&f.layer);
    f.writer.SetFont(big, Blue);
    f.Write("egy kettő három négy<BR>öt");
    // Wrapping measured with the small font, but lines are drawn and spaced with the big one.
    ASSERT_EQ(f.Texts(), QStringList({"egy kettő három négy", "öt"}));
    EXPECT_EQ(f.writer.lines[1].y, QFontMetrics(big).height() + 5);

    f.writer.SetImage(&f.layer);
    f.Write("egy kettő három négy");
    EXPECT_GT(f.writer.lines.size(), 1u);
}

TEST(TextImgWriterTest, PngModeGivesLettersMatchingAlpha)
{
    QWidget page;
    TImage sprite(&page, QRect(0, 0, 300, 80));
    QImage clear(300, 80, QImage::Format_ARGB32);
    clear.fill(qRgba(0, 0, 0, 0));
    sprite.SetPng(clear);
    RecordingWriter writer;
    const QColor font(0, 0, 0);
    writer.SetFont(PointFont("Arial", 18), font);
    writer.SetMargins(10, 10, 5, 0);
    writer.SetImage(&sprite);
    ASSERT_TRUE(writer.PngMode());
    writer.SetText("Kék ég");
    writer.WriteText();
    ASSERT_EQ(writer.lines.size(), 1u);

    const QImage& png = sprite.Picture().image;
    int core = 0;
    int soft = 0;
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x) {
            const QRgb p = png.pixel(x, y);
            if (qAlpha(p) == 0)
                continue;
            const int ink = TTextImgWriter::InkLevel(PackedColor(QColor(p)), PackedColor(font));
            // On a clear picture, alpha is the ink level (halved unless full).
            ASSERT_EQ(qAlpha(p), ink == 255 ? 255 : ink / 2) << x << "," << y;
            ASSERT_GE(x, 10);
            ASSERT_GE(y, 5);
            // The font colour itself is ink 232 (the scale leaves a tenth of headroom).
            core += QColor(p) == font;
            soft += QColor(p) != font;
            if (QColor(p) == font) {
                EXPECT_EQ(qAlpha(p), 232 / 2);
            }
        }
    EXPECT_GT(core, 20);
    EXPECT_GT(soft, 20);

    // Over half-opaque pixels the old alpha counts half.
    clear.fill(qRgba(255, 255, 255, 100));
    sprite.SetPng(clear);
    writer.SetText("Kék ég");
    writer.WriteText();
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x) {
            const QRgb p = sprite.Picture().image.pixel(x, y);
            const int ink = TTextImgWriter::InkLevel(PackedColor(QColor(p)), PackedColor(font));
            if (ink == 0) {
                ASSERT_EQ(qAlpha(p), 100);
            } else {
                ASSERT_EQ(qAlpha(p), ink == 255 ? 255 : (ink + 100) / 2);
            }
        }
}

TEST(TextImgWriterTest, InkLevelEdgeCases)
{
    const quint32 blue = PackedColor(Blue);
    EXPECT_EQ(TTextImgWriter::InkLevel(0xFFFFFF, blue), 0);
    EXPECT_EQ(TTextImgWriter::InkLevel(blue, blue), 232); // the font colour itself: 255 / 1.1
    EXPECT_EQ(TTextImgWriter::InkLevel(0x000000, blue), 255); // further from white than the font: clamped
    EXPECT_EQ(TTextImgWriter::InkLevel(0xFFFFFE, 0x000000), 0);
    // White letters: anything not white is full ink.
    EXPECT_EQ(TTextImgWriter::InkLevel(0xFFFFFE, 0xFFFFFF), 255);
    EXPECT_EQ(TTextImgWriter::InkLevel(0xFFFFFF, 0xFFFFFF), 0);
}

TEST(TextImgWriterTest, PngModeClipsAndSkipsWhatLiesOutside)
{
    QWidget page;
    TImage sprite(&page, QRect(0, 0, 120, 40));
    QImage opaque(120, 40, QImage::Format_ARGB32);
    opaque.fill(qRgba(255, 255, 255, 255));
    sprite.SetPng(opaque);
    TTextImgWriter writer;
    writer.SetImage(&sprite);
    writer.SetAlignment("wlfRight");
    writer.SetMargins(0, 0, 20, 0);

    // White letters on the white work bitmap leave no ink at all.
    writer.SetFont(PointFont("Arial", 18), Qt::white);
    writer.SetText("Fehér");
    writer.WriteText();
    EXPECT_EQ(sprite.Picture().image, opaque.convertToFormat(QImage::Format_ARGB32));

    // A word wider than the picture starts left of it; the second line starts below it.
    writer.SetFont(PointFont("Arial", 18), Qt::red);
    writer.SetText("Nagyonhosszúszó<BR>lent<BR>még lejjebb");
    writer.WriteText();
    int inked = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x) {
            const QRgb p = sprite.Picture().image.pixel(x, y);
            inked += p != qRgba(255, 255, 255, 255);
            ASSERT_TRUE(p == qRgba(255, 255, 255, 255) || y >= 20) << x << "," << y;
        }
    EXPECT_GT(inked, 20);

    // A picture that holds no PNG is not written in PNG mode.
    TImage empty(&page, QRect(0, 0, 120, 40));
    writer.SetImage(&empty);
    writer.SetText("Semmi");
    writer.WriteText();
    EXPECT_TRUE(empty.Picture().Empty());
}

// Renders a whole page of written text in both writer modes and checks where the ink lands. With
// BITLAK_SCREENSHOTS set to a folder, the two pages are saved there for a look by eye.
#include "framework/Colours.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/TextImgWriter.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <gtest/gtest.h>

namespace {

const QString Centred = "Szia! Én Digit Nóra vagyok.<BR>"
                        "Ő is tudja, hogy az Ábécé betűit nem kell megtanulni egyszerre: ma csak a középső "
                        "sor billentyűit mutatom meg neked, a többire később kerül sor.<BR>"
                        "Keresd meg őket, és nyomd le mindegyiket!";
const QString RightAligned = "Árvíztűrő tükörfúrógép - ezt a mondatot minden ékezetes betű kedvéért írjuk le. "
                             "Ha egy szó nem fér ki a sorba, a következő sorban folytatódik.";
const QString LeftAligned = "Üdvözöllek, Anna! Ez a szöveg balra igazított, a margók között tördelődik, "
                            "és a sorok között öt képpont a távolság.<BR>Ha elolvastad, akkor nyomd meg az L "
                            "billentyűt!";

struct Block {
    QString text;
    QString alignment;
    int top;
    int margin; // left and right
    int lines;
};

// Centred lines are centred in the picture shifted left by half the margins, so the centred block
// keeps the narrow margins pages give it.
const Block Blocks[] = {{Centred, "wlfCenter", 60, 10, 4},
                        {RightAligned, "wlfRight", 290, 100, 2},
                        {LeftAligned, "wlfLeft", 500, 100, 3}};

void WriteBlocks(TImage& target)
{
    TTextImgWriter writer;
    writer.SetFont(PointFont("Arial", 18), DelphiColor(0xFF0000));
    writer.SetLineSpacing(5);
    writer.SetImage(&target);
    for (const Block& block : Blocks) {
        writer.SetMargins(block.margin, block.margin, block.top, 0);
        writer.SetAlignment(block.alignment);
        writer.SetText(block.text);
        writer.WriteText();
    }
}

// Columns and rows holding ink (pixels away from the background) within a band of rows.
struct Ink {
    int left = 100000;
    int right = -1;
    int bottom = -1;
};

Ink InkIn(const QImage& shot, const QImage& empty, int top, int bottom)
{
    Ink ink;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, y) != empty.pixel(x, y)) {
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.bottom = std::max(ink.bottom, y);
            }
    return ink;
}

void CheckBlocks(const QImage& shot, const QImage& empty)
{
    const Ink centred = InkIn(shot, empty, 60, 290);
    const Ink right = InkIn(shot, empty, 290, 500);
    const Ink left = InkIn(shot, empty, 500, 768);
    // Centred lines sit around x = (1024 - 10 - 10) / 2, the trailing space of a wrapped line
    // shifting them a little.
    EXPECT_GE(centred.left, 10);
    EXPECT_LE(centred.right, 1014);
    EXPECT_NEAR(centred.left + centred.right, 1004, 12);
    EXPECT_LE(right.right, 924);
    EXPECT_GE(right.right, 910);
    EXPECT_GE(right.left, 100);
    EXPECT_GE(left.left, 100);
    EXPECT_LE(left.left, 104);
    EXPECT_LE(left.right, 924);
    // Every block wrapped into several lines and stayed in its band.
    const int line = QFontMetrics(PointFont("Arial", 18)).height() + 5;
    EXPECT_GT(centred.bottom, 60 + 2 * line);
    EXPECT_GT(right.bottom, 290 + line);
    EXPECT_GT(left.bottom, 500 + 2 * line);
}

void Save(const QImage& shot, const char* name)
{
    const QByteArray folder = qgetenv("BITLAK_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(QString::fromLocal8Bit(folder));
    EXPECT_TRUE(shot.save(QDir(QString::fromLocal8Bit(folder)).filePath(name)));
}

void PaintBackdrop(QImage& image)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 1024, 768);
    sky.setColorAt(0, QColor(40, 120, 200));
    sky.setColorAt(1, QColor(120, 200, 120));
    painter.fillRect(image.rect(), sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 230, 80));
    painter.drawEllipse(QPointF(930, 700), 50, 50);
}

// A rounded panel behind each block, see-through around them.
QImage Panels()
{
    QImage png(1024, 768, QImage::Format_ARGB32);
    png.fill(Qt::transparent);
    QPainter painter(&png);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 60, 130), 3));
    painter.setBrush(QColor(255, 252, 235, 250));
    const int line = QFontMetrics(PointFont("Arial", 18)).height() + 5;
    for (const Block& block : Blocks) {
        const int inset = std::max(20, block.margin - 30);
        painter.drawRoundedRect(QRectF(inset, block.top - 18, 1024 - 2 * inset, block.lines * line + 30), 20, 20);
    }
    return png;
}

} // namespace

TEST(TextWriterSceneTest, BitmapModePage)
{
    QWidget page;
    page.resize(1024, 768);
    page.setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, DelphiColor(PageColour));
    page.setPalette(palette);
    page.show();
    TImage layer(&page, QRect(0, 0, 1024, 768));
    PrepareTextLayer(layer);
    const QImage empty = page.grab().toImage().convertToFormat(QImage::Format_RGB32);
    WriteBlocks(layer);
    const QImage shot = page.grab().toImage().convertToFormat(QImage::Format_RGB32);
    CheckBlocks(shot, empty);
    Save(shot, "text_writer_bitmap.png");
}

TEST(TextWriterSceneTest, PngModePageOverAColouredBackground)
{
    QWidget page;
    page.resize(1024, 768);
    page.show();
    TImage backdrop(&page, QRect(0, 0, 1024, 768));
    QImage colours(1024, 768, QImage::Format_RGB32);
    PaintBackdrop(colours);
    backdrop.SetJpeg(colours);
    TImage layer(&page, QRect(0, 0, 1024, 768));
    layer.SetPng(Panels());
    const QImage empty = page.grab().toImage().convertToFormat(QImage::Format_RGB32);
    WriteBlocks(layer);
    const QImage shot = page.grab().toImage().convertToFormat(QImage::Format_RGB32);
    CheckBlocks(shot, empty);
    Save(shot, "text_writer_png.png");
}

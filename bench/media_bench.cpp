// Costs of the media layer: reading a background and a sprite, writing an evaluation text in both
// writer modes, and one smoothed line.
#include "framework/Cipher.h"
#include "framework/Colours.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/SmoothText.h"
#include "framework/TextImgWriter.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QString EvaluationText =
    "Feladat: Betűvadászat - keresd meg a képernyőn felbukkanó betűket a billentyűzeten!<BR>"
    "Név: Kovács Anna<BR>"
    "Teljesítmény: 40 betűből 37-et találtál el, ehhez 2 perc 15 másodpercre volt szükséged, "
    "és csak háromszor nyomtál le rossz billentyűt.<BR>"
    "Értékelés: Nagyon ügyes vagy, így tovább!<BR><BR>"
    "Ha elolvastad, akkor nyomd meg az L billentyűt!";

QImage Landscape()
{
    QImage image(1024, 768, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 500);
    sky.setColorAt(0, QColor(90, 150, 230));
    sky.setColorAt(1, QColor(200, 230, 255));
    painter.fillRect(image.rect(), sky);
    painter.setBrush(QColor(255, 220, 60));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(820, 140), 70, 70);
    QPainterPath hills;
    hills.moveTo(0, 520);
    hills.cubicTo(250, 420, 450, 600, 700, 500);
    hills.cubicTo(850, 440, 950, 480, 1024, 470);
    hills.lineTo(1024, 768);
    hills.lineTo(0, 768);
    painter.setBrush(QColor(80, 160, 70));
    painter.drawPath(hills);
    return image;
}

QImage Ball()
{
    QImage image(200, 200, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shade(QPointF(80, 70), 120);
    shade.setColorAt(0, QColor(255, 160, 120));
    shade.setColorAt(1, QColor(190, 40, 20));
    painter.setBrush(shade);
    painter.setPen(QPen(QColor(120, 20, 10), 3));
    painter.drawEllipse(QRectF(8, 8, 184, 184));
    return image;
}

// A course installation in a temporary folder, entered as the working directory.
class Installation {
public:
    Installation()
    {
        for (const char* folder : {"res/images", "res/sound", "res/avis", "res/etc", "bin"})
            QDir(root_.path()).mkpath(folder);
        QDir::setCurrent(root_.filePath("bin"));
        Write("hatter.jpg", Landscape(), "JPG");
        Write("labda.png", Ball(), "PNG");
    }

private:
    void Write(const QString& name, const QImage& image, const char* format)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format, 90);
        QFile file(root_.filePath("res/images/" + name + "e"));
        file.open(QIODevice::WriteOnly);
        file.write(Cipher::Applied(bytes));
    }

    QTemporaryDir root_;
};

Installation& Media()
{
    static Installation installation;
    return installation;
}

void BM_LoadJpegBackground(benchmark::State& state)
{
    Media();
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadJpeg("Hatter.jpg"));
}
BENCHMARK(BM_LoadJpegBackground)->Unit(benchmark::kMillisecond);

void BM_DrawBackgroundOntoPage(benchmark::State& state)
{
    Media();
    QWidget page;
    TImage hatter(&page, QRect(0, 0, 1024, 768));
    for (auto _ : state)
        DrawImageFile("hatter.jpg", hatter);
}
BENCHMARK(BM_DrawBackgroundOntoPage)->Unit(benchmark::kMillisecond);

void BM_LoadPngSprite(benchmark::State& state)
{
    Media();
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadPng("labda.png"));
}
BENCHMARK(BM_LoadPngSprite)->Unit(benchmark::kMicrosecond);

void WriteEvaluation(benchmark::State& state, bool png, const QString& alignment)
{
    QWidget page;
    TImage layer(&page, QRect(0, 0, 1024, 768));
    if (png) {
        QImage panel(1024, 768, QImage::Format_ARGB32);
        panel.fill(QColor(255, 255, 240));
        layer.SetPng(panel);
    } else {
        PrepareTextLayer(layer);
    }
    TTextImgWriter writer;
    writer.SetFont(PointFont("Arial", 18), DelphiColor(0xFF0000));
    writer.SetImage(&layer);
    writer.SetMargins(100, 100, 150, 0);
    writer.SetAlignment(alignment);
    for (auto _ : state) {
        writer.SetText(EvaluationText);
        writer.WriteText();
    }
}

void BM_WriteTextBitmapLeft(benchmark::State& state)
{
    WriteEvaluation(state, false, "wlfLeft");
}
BENCHMARK(BM_WriteTextBitmapLeft)->Unit(benchmark::kMillisecond);

void BM_WriteTextBitmapCentred(benchmark::State& state)
{
    WriteEvaluation(state, false, "wlfCenter");
}
BENCHMARK(BM_WriteTextBitmapCentred)->Unit(benchmark::kMillisecond);

void BM_WriteTextPng(benchmark::State& state)
{
    WriteEvaluation(state, true, "wlfLeft");
}
BENCHMARK(BM_WriteTextPng)->Unit(benchmark::kMillisecond);

void BM_DrawSmoothTextLine(benchmark::State& state)
{
    QImage target(1024, 60, QImage::Format_RGB888);
    target.fill(DelphiColor(PageColour));
    const QFont font = PointFont("Arial", 18);
    for (auto _ : state)
        DrawSmoothText(target, 100, 10, "Ha elolvastad, akkor nyomd meg az L billentyűt!", font,
                       DelphiColor(0xFF0000), DelphiColor(PageColour), true);
}
BENCHMARK(BM_DrawSmoothTextLine)->Unit(benchmark::kMicrosecond);

} // namespace

// Clip decoding per frame, painting a transparent clip frame, and the media kit's whole run.

#include "framework/ClipDecoder.h"
#include "framework/ClipPlayer.h"
#include "mediakit/AviWriter.h"

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A guide-sized clip: a figure moving over the key colour.
QByteArray GuideClip(int frames)
{
    std::vector<QImage> images;
    for (int frame = 0; frame < frames; ++frame) {
        QImage image(160, 320, QImage::Format_RGB32);
        image.fill(qRgb(0, 255, 0));
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(40, 90, 200));
        painter.drawEllipse(QPointF(80, 90 + 4 * (frame % 6)), 45, 50);
        painter.setBrush(QColor(230, 180, 60));
        painter.drawRoundedRect(QRectF(35, 150, 90, 150), 20, 20);
        images.push_back(image);
    }
    return EncodeAvi(images, 12);
}

void BM_DecodeClipFrame(benchmark::State& state)
{
    const int frames = 24;
    const QByteArray clip = GuideClip(frames);
    for (auto _ : state) {
        ClipDecoder::TClip decoded = ClipDecoder::Decode(clip, "bench.avi");
        benchmark::DoNotOptimize(decoded.frames.data());
    }
    state.SetItemsProcessed(state.iterations() * frames);
    state.SetLabel("items = frames of 160x320");
}
BENCHMARK(BM_DecodeClipFrame)->Unit(benchmark::kMillisecond);

void BM_PaintTransparentFrame(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("guide.avi");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(GuideClip(6));
    file.close();
    TClipPlayer player;
    player.resize(160, 320);
    player.Open(path);
    int frame = 0;
    for (auto _ : state) {
        // A new frame each time, as playing shows it.
        player.Seek(1 + frame++ % 6);
        benchmark::DoNotOptimize(player.Rendered());
    }
}
BENCHMARK(BM_PaintTransparentFrame)->Unit(benchmark::kMicrosecond);

void BM_MediaKitRun(benchmark::State& state)
{
    for (auto _ : state) {
        QTemporaryDir folder;
        QProcess kit;
        kit.start(QStringLiteral(BITLAK_MEDIAKIT), {folder.path()});
        if (!kit.waitForFinished(600000) || kit.exitCode() != 0)
            state.SkipWithError("mediakit failed");
    }
}
BENCHMARK(BM_MediaKitRun)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

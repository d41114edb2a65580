// How long the guide cast takes to paint: every fit measures the pose by painting it once more,
// so a figure costs about two paintings.

#include "mediakit/cast/Cast.h"
#include "mediakit/cast/CastPictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

void BM_PaintCastMember(benchmark::State& state)
{
    const TCastMember who = AllCastMembers()[state.range(0)];
    QImage image(200, 300, QImage::Format_ARGB32_Premultiplied);
    double phase = 0;
    for (auto _ : state) {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        PaintCastMember(painter, who, TCastPose::Waving(phase), QRectF(0, 0, 200, 300));
        phase += 0.05;
    }
    state.SetLabel(CastMemberName(who).toStdString());
}
BENCHMARK(BM_PaintCastMember)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

void BM_PaintCastHeadSprite(benchmark::State& state)
{
    QImage image(131, 75, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        PaintCastHead(painter, TCastMember::Nora, TCastPose::Talking(0.3), QRectF(0, 0, 131, 75));
    }
}
BENCHMARK(BM_PaintCastHeadSprite)->Unit(benchmark::kMillisecond);

void BM_OdonClipFrames(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(CastPictures::OdonNodding());
}
BENCHMARK(BM_OdonClipFrames)->Unit(benchmark::kMillisecond);

} // namespace

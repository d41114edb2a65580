// Kábel Ödön's clips on the keyboard topic's pages: sizes and frame ranges the pages play, and
// backgrounds that sit right on the page.

#include "mediakit/topics/keyboard/KeyboardInfoArt.h"
#include "mediakit/topics/keyboard/KeyboardPagesArt.h"
#include "framework/ClipDecoder.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace Places = KeyboardPagesArt::Places;

namespace {

// Sum of channel differences between two frames, a rough measure of how much changes.
long long Change(const QImage& a, const QImage& b)
{
    long long sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum;
}

int RedPixels(const QImage& frame, QRect rect)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor c(frame.pixel(x, y));
            count += c.red() > 190 && c.green() < 80 && c.blue() < 90;
        }
    return count;
}

} // namespace

TEST(KeyboardArtClips, ThumbsUpLoopsSeamlesslyOnTheEvaluationBackground)
{
    const std::vector<QImage> frames = KeyboardInfoArt::ThumbsUpFrames();
    // The evaluation page repeats frames 1 to 12.
    ASSERT_GE(int(frames.size()), 12);
    EXPECT_EQ(int(frames.size()), KeyboardInfoArt::ThumbsUpLoop);
    const QImage page = KeyboardPagesArt::EvaluationScreen();
    for (const QImage& frame : frames) {
        ASSERT_EQ(frame.size(), Places::OdonClip.size());
        // The page plays it opaque: its edges are the page's own background there.
        for (const QPoint corner : {QPoint(1, 1), QPoint(158, 1), QPoint(1, 318), QPoint(158, 318)})
            EXPECT_EQ(frame.pixel(corner), page.pixel(Places::OdonClip.topLeft() + corner));
    }
    // Going from the last frame back to the first is no bigger a step than any other.
    long long largestStep = 0;
    for (size_t i = 1; i < frames.size(); ++i)
        largestStep = std::max(largestStep, Change(frames[i - 1], frames[i]));
    EXPECT_GT(largestStep, 0) << "he moves";
    EXPECT_LE(Change(frames.back(), frames.front()), largestStep);
}

TEST(KeyboardArtClips, NoHittingShowsTheBlowThenTheSignAndOnlyItsCornersGoSeeThrough)
{
    const std::vector<QImage> frames = KeyboardInfoArt::NoHittingFrames();
    ASSERT_GE(frames.size(), 24u);
    const QRgb key = frames.front().pixel(0, 0);
    const QRect card(14, 14, 162, 162);
    for (const QImage& frame : frames) {
        ASSERT_EQ(frame.size(), Places::InfoClip.size());
        // Played see-through, only the colour of the first frame's corner disappears; the card
        // itself never uses it.
        int inside = 0;
        for (int y = card.top(); y <= card.bottom(); ++y)
            for (int x = card.left(); x <= card.right(); ++x)
                inside += frame.pixel(x, y) == key;
        EXPECT_EQ(inside, 0);
    }
    // The loop starts without the prohibition sign and comes to show it.
    const QRect signArea(10, 40, 110, 120);
    EXPECT_LT(RedPixels(frames.front(), signArea), 50);
    const int most = std::max_element(frames.begin(), frames.end(), [&](const QImage& a, const QImage& b) {
        return RedPixels(a, signArea) < RedPixels(b, signArea);
    }) - frames.begin();
    EXPECT_GT(RedPixels(frames[size_t(most)], signArea), 1500);
    EXPECT_GT(most, int(frames.size()) / 3) << "the sign follows the blow";
}

TEST(KeyboardArtClips, EveryClipTheKeyboardPagesPlayIsBuiltAtItsControlsSize)
{
    const struct {
        const char* name;
        QSize size;
        int frames; // the last frame a page plays
    } clips[] = {
        {"kabel_odon_bologat.avi", Places::OdonClip.size(), 24},   // the letter hunt: frames 1 to 24
        {"kabel_odon_fejet_raz.avi", Places::OdonClip.size(), 24}, // the letter hunt: frames 1 to 24
        {"kabel_odon_bizivel.avi", Places::OdonClip.size(), 12},   // the evaluation page: frames 1 to 12
        {"tilos_utes.avi", Places::InfoClip.size(), 1},            // the info page: all of it
    };
    const QDir avis(QDir(QStringLiteral(BITLAK_RES_DIR)).filePath("avis"));
    for (const auto& clip : clips) {
        SCOPED_TRACE(clip.name);
        QFile file(avis.filePath(clip.name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const ClipDecoder::TClip decoded = ClipDecoder::Decode(file.readAll(), clip.name);
        ASSERT_FALSE(decoded.frames.empty());
        EXPECT_EQ(decoded.frames.front().size(), clip.size);
        EXPECT_GE(int(decoded.frames.size()), clip.frames);
    }
}

#include "framework/ClipCache.h"
#include "framework/ClipDecoder.h"
#include "framework/ClipFrames.h"
#include "framework/ClipPlayer.h"
#include "mediakit/AviWriter.h"
#include "platform/CourseError.h"
#include "platform/ManualTime.h"
#include "platform/Services.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

const QRgb Key = qRgb(0, 255, 0);

// Frame n (from 1) is the key colour with a block in the middle whose red channel tells n.
QRgb Mark(int frame) { return qRgb(10 * frame, 40, 200); }

std::vector<QImage> NumberedFrames(int count, QSize size = QSize(40, 30))
{
    std::vector<QImage> frames;
    for (int frame = 1; frame <= count; ++frame) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Key);
        QPainter(&image).fillRect(QRect(size.width() / 2 - 5, size.height() / 2 - 5, 10, 10), QColor(Mark(frame)));
        frames.push_back(image);
    }
    return frames;
}

// The clip with one byte in the middle of frame n's data changed (n from 1); the file around it
// stays whole.
QByteArray WithDamagedFrame(QByteArray clip, int frame)
{
    qsizetype chunk = clip.indexOf("movi");
    for (int n = 0; n < frame; ++n)
        chunk = clip.indexOf("00dc", chunk + 4);
    const auto size = static_cast<qsizetype>(qFromLittleEndian<quint32>(clip.constData() + chunk + 4));
    clip[chunk + 8 + size / 2] = static_cast<char>(clip[chunk + 8 + size / 2] ^ 0x5a);
    return clip;
}

class ClipPlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        Services::SetTime(&time);
    }
    void TearDown() override { Services::SetTime(nullptr); }

    QString WriteClip(const QString& name, const QByteArray& bytes)
    {
        const QString path = folder.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString WriteClip(const QString& name, int frames, int fps = 10)
    {
        return WriteClip(name, EncodeAvi(NumberedFrames(frames), fps));
    }

    // One tick of the clip's own rate.
    void Tick(const TClipPlayer& player) { time.Advance(1000 / player.FramesPerSecond()); }

    // The frame number the control shows, read from what it paints.
    static int ShownFrame(TClipPlayer& player)
    {
        const QImage shown = player.Rendered();
        return qRed(shown.pixel(shown.width() / 2, shown.height() / 2)) / 10;
    }

    // Ticks until the play ends (at most limit ticks) and returns the frames shown, the first
    // being the one Play showed at once.
    std::vector<int> PlaySequence(TClipPlayer& player, int from, int to, int count, int limit = 100)
    {
        player.Play(from, to, count);
        std::vector<int> shown{player.CurrentFrame()};
        EXPECT_EQ(ShownFrame(player), player.CurrentFrame());
        for (int tick = 0; tick < limit && player.Active(); ++tick) {
            Tick(player);
            if (player.Active()) {
                shown.push_back(player.CurrentFrame());
                EXPECT_EQ(ShownFrame(player), player.CurrentFrame());
            }
        }
        return shown;
    }

    QTemporaryDir folder;
    TManualTime time;
};

TEST_F(ClipPlayerTest, OpensAClipLosslesslyAndShowsItsFirstFrame)
{
    const std::vector<QImage> frames = NumberedFrames(12, QSize(41, 31));
    const QString path = WriteClip("clip.avi", EncodeAvi(frames, 8));
    TClipPlayer player;
    player.resize(41, 31);
    player.Open(path);

    EXPECT_TRUE(player.IsOpen());
    EXPECT_EQ(player.FileName(), path);
    EXPECT_EQ(player.FrameCount(), 12);
    EXPECT_EQ(player.FrameSize(), QSize(41, 31));
    EXPECT_EQ(player.FramesPerSecond(), 8);
    EXPECT_EQ(player.KeyColour(), QColor(Key));
    EXPECT_EQ(player.CurrentFrame(), 1);
    EXPECT_FALSE(player.Active());
    EXPECT_EQ(ShownFrame(player), 1);

    // Every frame comes back pixel for pixel.
    for (int frame = 1; frame <= 12; ++frame) {
        player.Seek(frame);
        player.SetTransparent(false);
        const QImage shown = player.Rendered().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shown, frames[static_cast<size_t>(frame - 1)]) << "frame " << frame;
    }
}

TEST_F(ClipPlayerTest, PlaysExactlyTheAskedFramesTheAskedNumberOfTimes)
{
    TClipPlayer player;
    player.resize(40, 30);
    player.Open(WriteClip("clip.avi", 24, 12));
    int stops = 0;
    player.OnStop([&] { ++stops; });

    EXPECT_EQ(PlaySequence(player, 3, 6, 2), (std::vector<int>{3, 4, 5, 6, 3, 4, 5, 6}));
    EXPECT_EQ(stops, 1);
    // The last frame stays and nothing moves any more.
    EXPECT_EQ(player.CurrentFrame(), 6);
    EXPECT_EQ(time.RunningTimers(), 0);
    time.Advance(5000);
    EXPECT_EQ(player.CurrentFrame(), 6);
    EXPECT_EQ(stops, 1);

    // The letter hunt's nod: frames 1 to 24 once, each shown for one frame time.
    const std::vector<int> once = PlaySequence(player, 1, 24, 1);
    ASSERT_EQ(once.size(), 24u);
    for (int index = 0; index < 24; ++index)
        EXPECT_EQ(once[static_cast<size_t>(index)], index + 1);
    EXPECT_EQ(stops, 2);

    // A single frame played three times.
    EXPECT_EQ(PlaySequence(player, 7, 7, 3), (std::vector<int>{7, 7, 7}));
}

TEST_F(ClipPlayerTest, PlayTakesTheClipsOwnFrameTime)
{
    TClipPlayer player;
    player.Open(WriteClip("clip.avi", 10, 5));
    player.Play(1, 10, 1);
    time.Advance(199);
    EXPECT_EQ(player.CurrentFrame(), 1);
    time.Advance(1);
    EXPECT_EQ(player.CurrentFrame(), 2);
    time.Advance(1600);
    EXPECT_EQ(player.CurrentFrame(), 10);
    EXPECT_TRUE(player.Active());
    time.Advance(200);
    EXPECT_FALSE(player.Active());
}

TEST_F(ClipPlayerTest, LoopsUntilStoppedAndRestartsWhereAsked)
{
    TClipPlayer player;
    player.Open(WriteClip("clip.avi", 12));
    int stops = 0;
    player.OnStop([&] { ++stops; });

    player.Play(2, 4, 0);
    std::vector<int> shown{player.CurrentFrame()};
    for (int tick = 0; tick < 299; ++tick) {
        Tick(player);
        shown.push_back(player.CurrentFrame());
    }
    EXPECT_TRUE(player.Active());
    for (size_t index = 0; index < shown.size(); ++index)
        ASSERT_EQ(shown[index], 2 + static_cast<int>(index % 3)) << "tick " << index;
    EXPECT_EQ(stops, 0);

    player.Stop();
    EXPECT_FALSE(player.Active());
    EXPECT_EQ(stops, 1);
    const int stoppedAt = player.CurrentFrame();
    time.Advance(10000);
    EXPECT_EQ(player.CurrentFrame(), stoppedAt);
    player.Stop();
    EXPECT_EQ(stops, 1) << "stopping a stopped clip is no new stop";

    // Playing again while playing starts the new range at once.
    player.Play(1, 12, 0);
    Tick(player);
    player.Play(9, 10, 1);
    EXPECT_EQ(player.CurrentFrame(), 9);
    Tick(player);
    EXPECT_EQ(player.CurrentFrame(), 10);
}

TEST_F(ClipPlayerTest, RangesAreKeptInsideTheClip)
{
    TClipPlayer player;
    player.Open(WriteClip("clip.avi", 5));
    EXPECT_EQ(PlaySequence(player, 0, 99, 1), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(PlaySequence(player, 4, 2, 1), (std::vector<int>{4}));

    player.Play(1, 5, 0);
    player.Seek(3);
    EXPECT_FALSE(player.Active());
    EXPECT_EQ(player.CurrentFrame(), 3);
    player.Seek(40);
    EXPECT_EQ(player.CurrentFrame(), 5);
}

TEST_F(ClipPlayerTest, TheStopHandlerMayPlayAgain)
{
    TClipPlayer player;
    player.Open(WriteClip("clip.avi", 6));
    int plays = 0;
    player.OnStop([&] {
        if (++plays < 3)
            player.Play(1, 2, 1);
    });
    player.Play(1, 2, 1);
    time.Advance(2000);
    EXPECT_EQ(plays, 3);
    EXPECT_FALSE(player.Active());
}

TEST_F(ClipPlayerTest, TransparentControlShowsThePageThroughTheClipBackground)
{
    TClipPlayer player;
    player.resize(100, 80);
    player.Open(WriteClip("clip.avi", 3));
    EXPECT_TRUE(player.Transparent());

    // A 40 x 30 clip stands centred in a 100 x 80 control.
    const QImage see = player.Rendered();
    EXPECT_EQ(qAlpha(see.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(see.pixel(31, 26)), 0) << "the clip's own background";
    EXPECT_EQ(see.pixel(50, 40), Mark(1));
    EXPECT_EQ(see.pixel(45, 35), Mark(1)) << "block's top-left corner at the centre";
    EXPECT_EQ(qAlpha(see.pixel(44, 34)), 0);

    player.SetTransparent(false);
    const QImage solid = player.Rendered();
    EXPECT_EQ(solid.pixel(0, 0), Key) << "an opaque control is filled with the clip's background";
    EXPECT_EQ(solid.pixel(99, 79), Key);
    EXPECT_EQ(solid.pixel(50, 40), Mark(1));
}

TEST_F(ClipPlayerTest, ALargerClipIsShrunkToFitOrStretched)
{
    TClipPlayer player;
    player.resize(20, 30);
    player.Open(WriteClip("wide.avi", EncodeAvi(NumberedFrames(2, QSize(40, 30)), 10)));
    player.SetTransparent(false);

    // Shrunk to 20 x 15 and centred: the key colour fills above and below alike.
    QImage shown = player.Rendered();
    EXPECT_EQ(shown.pixel(10, 15), Mark(1));
    EXPECT_EQ(shown.pixel(10, 10), Key);
    EXPECT_EQ(shown.pixel(10, 19), Key);

    player.SetStretch(true);
    shown = player.Rendered();
    EXPECT_EQ(shown.pixel(10, 12), Mark(1)) << "stretched to the full height, the block grows";
    EXPECT_EQ(shown.pixel(10, 17), Mark(1));
}

TEST_F(ClipPlayerTest, MediaNamesAreFoundInTheirCanonicalSpelling)
{
    WriteClip("res/avis/menu/kabel_odon_02.avi", 4);
    TClipPlayer player;
    const QString asPagesSpellIt = QDir::toNativeSeparators(folder.path()) + "\\res\\avis\\Menu\\Kabel_Odon_02.AVI";
    player.Open(asPagesSpellIt);
    EXPECT_EQ(player.FrameCount(), 4);
    EXPECT_EQ(player.FileName(), asPagesSpellIt);
}

TEST_F(ClipPlayerTest, CloseForgetsTheClipAndKeepsNoFileOpen)
{
    const QString path = WriteClip("clip.avi", 6);
    TClipPlayer player;
    player.resize(40, 30);
    player.Open(path);
    player.Play(1, 6, 0);
    Tick(player);

    // No descriptor of this process refers to the clip, even while it plays.
    const auto target = std::filesystem::canonical(path.toStdString());
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        EXPECT_NE(std::filesystem::read_symlink(entry.path(), error), target);
    }

    int stops = 0;
    player.OnStop([&] { ++stops; });
    player.Close();
    EXPECT_EQ(stops, 1);
    EXPECT_FALSE(player.IsOpen());
    EXPECT_FALSE(player.Active());
    EXPECT_EQ(player.CurrentFrame(), 0);
    EXPECT_EQ(player.FileName(), QString());
    EXPECT_EQ(time.RunningTimers(), 0);
    const QImage empty = player.Rendered();
    EXPECT_EQ(qAlpha(empty.pixel(20, 15)), 0) << "a closed control paints nothing";
    player.Play(1, 3, 1);
    EXPECT_FALSE(player.Active()) << "nothing to play";

    // The file can go and come back with other content.
    ASSERT_TRUE(QFile::remove(path));
    WriteClip("clip.avi", 9);
    player.Open(path);
    EXPECT_EQ(player.FrameCount(), 9);
}

TEST_F(ClipPlayerTest, DestroyingAPlayingControlStopsItsTimerQuietly)
{
    int stops = 0;
    {
        TClipPlayer player;
        player.Open(WriteClip("clip.avi", 6));
        player.OnStop([&] { ++stops; });
        player.Play(1, 6, 0);
        EXPECT_EQ(time.RunningTimers(), 1);
    }
    EXPECT_EQ(time.RunningTimers(), 0);
    time.Advance(1000);
    EXPECT_EQ(stops, 0);
}

TEST_F(ClipPlayerTest, AMissingClipIsACourseErrorNamingIt)
{
    TClipPlayer player;
    player.Open(WriteClip("old.avi", 3));
    const QString missing = folder.filePath("nincs.avi");
    try {
        player.Open(missing);
        FAIL() << "no error";
    } catch (const TCourseError& error) {
        EXPECT_TRUE(error.Message().contains(missing)) << error.Message().toStdString();
    }
    EXPECT_FALSE(player.IsOpen()) << "a failed open leaves the control closed";
    EXPECT_EQ(player.FileName(), QString());
}

TEST_F(ClipPlayerTest, ClipsBeyondTheDecodersLimitsAreRefused)
{
    TClipPlayer player;
    const QImage wide(ClipDecoder::MaxSide + 1, 2, QImage::Format_RGB32);
    EXPECT_THROW(player.Open(WriteClip("wide.avi", EncodeAvi({wide}, 10))), TCourseError);
    const std::vector<QImage> many(ClipDecoder::MaxFrames + 1, QImage(2, 2, QImage::Format_RGB32));
    EXPECT_THROW(player.Open(WriteClip("long.avi", EncodeAvi(many, 25))), TCourseError);
    EXPECT_FALSE(player.IsOpen());
}

TEST_F(ClipPlayerTest, DamagedClipsAreCourseErrorsNotCrashes)
{
    const std::vector<QImage> frames = NumberedFrames(8, QSize(24, 18));
    const QByteArray good = EncodeAvi(frames, 10);
    TClipPlayer player;
    player.resize(24, 18);

    auto openOutcome = [&](const QByteArray& bytes) {
        const QString path = WriteClip("damaged.avi", bytes);
        try {
            player.Open(path);
        } catch (const TCourseError&) {
            return false;
        }
        return true;
    };

    EXPECT_FALSE(openOutcome(QByteArray()));
    EXPECT_FALSE(openOutcome(good.left(good.size() / 2))) << "cut in the middle of the frames";
    EXPECT_FALSE(openOutcome(QByteArray("RIFF\x10\0\0\0AVI LIST", 16)));
    EXPECT_FALSE(openOutcome(QByteArray(5000, 'x')));

    // Cut anywhere: either an error, or (when only the trailing index is lost) the whole clip.
    for (qsizetype length = 1; length < good.size(); length += 97) {
        if (openOutcome(good.left(length))) {
            ASSERT_EQ(player.FrameCount(), 8) << "cut at " << length;
            player.Seek(8);
            player.SetTransparent(false);
            EXPECT_EQ(player.Rendered().convertToFormat(QImage::Format_RGB32), frames.back());
        }
    }

    // Bytes changed anywhere never crash; a changed frame is noticed by its checksum.
    QRandomGenerator random(7);
    int errors = 0;
    for (int trial = 0; trial < 150; ++trial) {
        QByteArray bad = good;
        const int changes = 1 + random.bounded(8);
        for (int change = 0; change < changes; ++change)
            bad[random.bounded(bad.size())] = static_cast<char>(random.bounded(256));
        if (!openOutcome(bad)) {
            ++errors;
        } else {
            EXPECT_LE(player.FrameCount(), 8);
        }
    }
    EXPECT_GT(errors, 0);

    // Random bytes behind a valid start.
    for (int trial = 0; trial < 30; ++trial) {
        QByteArray bad = good.left(random.bounded(good.size()));
        for (int index = 0; index < 2000; ++index)
            bad.append(static_cast<char>(random.bounded(256)));
        if (openOutcome(bad)) {
            EXPECT_LE(player.FrameCount(), 8);
        }
    }
}

TEST_F(ClipPlayerTest, FramesDecodedWhenAskedForInAnyOrderAreTheWholeDecodingsPixels)
{
    const std::vector<QImage> source = NumberedFrames(12, QSize(41, 31));
    const QByteArray bytes = EncodeAvi(source, 8);
    const ClipDecoder::TClip whole = ClipDecoder::Decode(bytes, "clip.avi");
    ASSERT_EQ(whole.frames.size(), 12u);

    TClipFrames frames(bytes, "clip.avi");
    EXPECT_EQ(frames.DecodedFrames(), 1) << "opening decodes the first frame only";
    EXPECT_EQ(frames.Count(), 12);
    EXPECT_EQ(frames.Size(), QSize(41, 31));
    EXPECT_EQ(frames.FramesPerSecond(), 8);
    EXPECT_EQ(frames.Key(), Key);
    for (int index : {11, 4, 5, 0, 7, 6}) {
        const QImage* frame = frames.Frame(index);
        ASSERT_NE(frame, nullptr) << "frame " << index;
        EXPECT_EQ(*frame, whole.frames[static_cast<size_t>(index)]) << "frame " << index;
        EXPECT_EQ(*frame, source[static_cast<size_t>(index)]) << "frame " << index;
    }
    EXPECT_EQ(frames.DecodedFrames(), 6);
    EXPECT_EQ(frames.Frame(12), nullptr);
    EXPECT_EQ(frames.Frame(-1), nullptr);
}

TEST_F(ClipPlayerTest, AFrameFoundDamagedWhilePlayingLeavesTheLastGoodFrameOnScreen)
{
    const QByteArray damaged = WithDamagedFrame(EncodeAvi(NumberedFrames(8), 10), 5);
    EXPECT_THROW(ClipDecoder::Decode(damaged, "damaged.avi"), TCourseError) << "the whole decoding notices it";

    TClipPlayer player;
    player.resize(40, 30);
    player.Open(WriteClip("damaged.avi", damaged));
    EXPECT_EQ(player.FrameCount(), 8);
    player.Play(1, 8, 1);
    std::vector<int> counted{player.CurrentFrame()};
    std::vector<int> painted{ShownFrame(player)};
    for (int tick = 0; tick < 7; ++tick) {
        Tick(player);
        counted.push_back(player.CurrentFrame());
        painted.push_back(ShownFrame(player));
    }
    EXPECT_EQ(counted, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8})) << "the play keeps its frame time";
    EXPECT_EQ(painted, (std::vector<int>{1, 2, 3, 4, 4, 6, 7, 8}));
    Tick(player);
    EXPECT_FALSE(player.Active());

    player.Seek(2);
    EXPECT_EQ(ShownFrame(player), 2);
    player.Seek(5);
    EXPECT_EQ(player.CurrentFrame(), 5);
    EXPECT_EQ(ShownFrame(player), 2);
}

TEST_F(ClipPlayerTest, ASecondPlayerOfTheSameClipShowsTheSameFrames)
{
    const std::vector<QImage> source = NumberedFrames(6);
    const QString path = WriteClip("clip.avi", EncodeAvi(source, 10));
    TClipPlayer first;
    first.resize(40, 30);
    first.Open(path);
    first.Seek(4);
    first.Rendered();

    TClipPlayer second;
    second.resize(40, 30);
    second.SetTransparent(false);
    second.Open(path);
    EXPECT_EQ(second.FrameCount(), 6);
    EXPECT_EQ(second.KeyColour(), QColor(Key));
    for (int frame = 6; frame >= 1; --frame) {
        second.Seek(frame);
        EXPECT_EQ(second.Rendered().convertToFormat(QImage::Format_RGB32), source[static_cast<size_t>(frame - 1)])
            << "frame " << frame;
    }
}

using ClipCacheTest = ClipPlayerTest;

TEST_F(ClipCacheTest, TheSameFileGivesTheClipDecodedBeforeUntilItsBytesChange)
{
    TClipCache cache(64 << 20);
    const QString path = WriteClip("clip.avi", 6);
    const auto first = cache.Open(path, "clip.avi");
    ASSERT_NE(first->Frame(3), nullptr);

    const auto again = cache.Open(folder.path() + "/./clip.avi", "clip.avi");
    EXPECT_EQ(again, first) << "the same file by another spelling";
    EXPECT_EQ(again->DecodedFrames(), 2) << "frames decoded before are not decoded again";

    WriteClip("clip.avi", EncodeAvi(NumberedFrames(6), 5));
    const auto changed = cache.Open(path, "clip.avi");
    EXPECT_NE(changed, first);
    EXPECT_EQ(changed->FramesPerSecond(), 5);
    EXPECT_EQ(cache.Count(), 1) << "the old clip of that file is let go";

    EXPECT_THROW(cache.Open(folder.filePath("nincs.avi"), "nincs.avi"), TCourseError);
}

TEST_F(ClipCacheTest, TheLeastRecentlyOpenedClipsGoBeyondTheBudget)
{
    const QByteArray bytes = EncodeAvi(NumberedFrames(6), 10);
    const QString a = WriteClip("a.avi", bytes);
    const QString b = WriteClip("b.avi", bytes);
    const QString c = WriteClip("c.avi", bytes);
    qint64 one = 0;
    {
        TClipCache probe(1LL << 30);
        probe.Open(a, "a.avi");
        one = probe.Bytes();
    }
    EXPECT_GE(one, 6 * 40 * 30 * 4 + bytes.size()) << "counted as if every frame were decoded";

    const qint64 budget = 2 * one + one / 2;
    TClipCache cache(budget);
    const auto clipA = cache.Open(a, "a.avi");
    const auto clipB = cache.Open(b, "b.avi");
    const auto clipC = cache.Open(c, "c.avi");
    EXPECT_EQ(cache.Count(), 2);
    EXPECT_LE(cache.Bytes(), budget);
    EXPECT_EQ(cache.Open(b, "b.avi"), clipB);
    EXPECT_NE(cache.Open(a, "a.avi"), clipA) << "a went first";
    EXPECT_NE(cache.Open(c, "c.avi"), clipC) << "then c, opened before b's second opening";
    EXPECT_EQ(cache.Count(), 2);
    EXPECT_LE(cache.Bytes(), budget);

    TClipCache small(one - 1);
    EXPECT_EQ(small.Open(a, "a.avi")->Count(), 6) << "a clip above the whole budget still plays";
    EXPECT_EQ(small.Count(), 0);
    EXPECT_EQ(small.Bytes(), 0);
}

} // namespace

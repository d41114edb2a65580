#include "platform/FixedRandom.h"
#include "platform/HungarianText.h"
#include "platform/Installation.h"
#include "platform/ManualTime.h"
#include "platform/MersenneRandom.h"
#include "platform/PageTimer.h"
#include "platform/ScriptedMessageBoxes.h"
#include "platform/Services.h"
#include "platform/TerminationSignals.h"
#include "platform/VirtualKey.h"

#include <QCoreApplication>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>

namespace {

TEST(HungarianText, CasesAndSortsByHungarianRules)
{
    EXPECT_EQ(HungarianText::Upper("árvíztűrő tükörfúrógép"), "ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP");
    EXPECT_EQ(HungarianText::Lower("ELSŐS Ötödikes"), "elsős ötödikes");
    EXPECT_EQ(HungarianText::UpperFirst("ődön"), "Ődön");
    EXPECT_EQ(HungarianText::UpperFirst("aNNA"), "ANNA");
    EXPECT_EQ(HungarianText::UpperFirst(""), "");

    QStringList words{"zebra", "csiga", "cukor", "ablak", "álom", "öröm", "ostor"};
    std::sort(words.begin(), words.end(), [](const QString& a, const QString& b) { return HungarianText::Compare(a, b) < 0; });
    // "cs" is a letter of its own after "c"; "ö" after "o".
    EXPECT_LT(words.indexOf("cukor"), words.indexOf("csiga"));
    EXPECT_LT(words.indexOf("ostor"), words.indexOf("öröm"));
    EXPECT_EQ(words.last(), "zebra");
}

TEST(VirtualKey, TranslatesTheKeysTheCourseAsksAbout)
{
    EXPECT_EQ(VirtualKey::FromQtKey(Qt::Key_Return), 13);
    EXPECT_EQ(VirtualKey::FromQtKey(Qt::Key_Enter), 13);
    EXPECT_EQ(VirtualKey::FromQtKey(Qt::Key_Escape), 27);
    EXPECT_EQ(VirtualKey::FromQtKey(Qt::Key_Shift), 16);
    EXPECT_EQ(VirtualKey::FromQtKey(Qt::Key_CapsLock), 20);
    EXPECT_EQ(VirtualKey::FromQtKey(Qt::Key_NumLock), 144);
    EXPECT_EQ(VirtualKey::FromQtKey(Qt::Key_Left), 37);
    EXPECT_EQ(VirtualKey::FromQtKey(Qt::Key_Down), 40);
    EXPECT_EQ(VirtualKey::FromQtKey(Qt::Key_T), 'T');
    EXPECT_EQ(VirtualKey::FromQtKey(Qt::Key_7), '7');
    EXPECT_EQ(VirtualKey::FromQtKey(Qt::Key_Launch0), 0);
}

TEST(RandomSource, StaysInRangeAndRepeatsWithTheSameSeed)
{
    TMersenneRandom random;
    random.Seed(42);
    std::vector<int> first;
    for (int i = 0; i < 200; ++i) {
        const int value = random.Random(7);
        ASSERT_GE(value, 0);
        ASSERT_LT(value, 7);
        first.push_back(value);
    }
    random.Seed(42);
    for (int i = 0; i < 200; ++i)
        ASSERT_EQ(random.Random(7), first[static_cast<std::size_t>(i)]);
    EXPECT_EQ(random.Random(0), 0);
    EXPECT_EQ(random.Random(1), 0);

    TFixedRandom fixed({3, 9, -1});
    EXPECT_EQ(fixed.Random(5), 3);
    EXPECT_EQ(fixed.Random(5), 4);
    EXPECT_EQ(fixed.Random(5), 4);
    EXPECT_EQ(fixed.Random(5), 3); // round and round
}

TEST(ManualTime, FiresDueTimersInOrderAndHonoursStops)
{
    TManualTime time;
    Services::SetTime(&time);
    QStringList fired;
    {
        TPageTimer fast, slow;
        fast.SetInterval(50);
        slow.SetInterval(120);
        fast.OnTimer([&] { fired << QString("fast@%1").arg(time.NowMs()); });
        slow.OnTimer([&] {
            fired << QString("slow@%1").arg(time.NowMs());
            fast.SetEnabled(false); // a handler may stop another timer
        });
        fast.SetEnabled(true);
        slow.SetEnabled(true);
        time.Advance(200);
        EXPECT_EQ(fired, QStringList({"fast@50", "fast@100", "slow@120"}));
        EXPECT_EQ(time.NowMs(), 200);
        EXPECT_EQ(time.RunningTimers(), 1);
    }
    EXPECT_EQ(time.RunningTimers(), 0); // dead timers are forgotten
    Services::SetTime(nullptr);
}

TEST(PageTimer, ErrorInAHandlerIsReportedAndTheTimerGoesOn)
{
    TManualTime time;
    TScriptedMessageBoxes messages;
    Services::SetTime(&time);
    Services::SetMessages(&messages);
    int calls = 0;
    {
        TPageTimer timer;
        timer.SetInterval(10);
        timer.OnTimer([&] {
            ++calls;
            throw std::runtime_error("broken picture");
        });
        timer.SetEnabled(true);
        time.Advance(25);
    }
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(messages.Texts(), QStringList({"broken picture", "broken picture"}));
    Services::SetTime(nullptr);
    Services::SetMessages(nullptr);
}

TEST(Installation, FindsTheMediaFromTheWorkingDirectoryOrBesideTheProgram)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    QDir dir(root.path());
    dir.mkpath("bin");
    dir.mkpath("a/elsewhere");
    const QString previous = QDir::currentPath();

    ASSERT_TRUE(QDir::setCurrent(dir.filePath("a/elsewhere")));
    EXPECT_FALSE(Installation::PrepareWorkingDirectory(dir.filePath("bin")));

    for (const char* folder : {"res/images", "res/sound", "res/avis"})
        dir.mkpath(folder);
    EXPECT_FALSE(Installation::PrepareWorkingDirectory(dir.filePath("bin"))); // one folder still missing

    dir.mkpath("res/etc");
    EXPECT_TRUE(Installation::PrepareWorkingDirectory(dir.filePath("bin")));
    EXPECT_EQ(QDir(QDir::currentPath()).canonicalPath(), QDir(dir.filePath("bin")).canonicalPath());
    QDir::setCurrent(previous);
}

TEST(TerminationSignals, EverySessionEndArrivesAsAnOrdinaryRequest)
{
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        TTerminationSignals termination;
        QSignalSpy spy(&termination, &TTerminationSignals::terminationRequested);
        std::raise(signal);
        EXPECT_TRUE(spy.wait(2000)) << signal;
        EXPECT_EQ(spy.count(), 1) << signal;
    }
}

} // namespace

#include "topics/windows/KezelPlaces.h"
#include "topics/windows/RepeatCount.h"
#include "topics/windows/WindowsRoad.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

using WindowsRoad::TPage;

TEST(WindowsRoadTest, EveryPageLeadsToTheNextAndTheEvaluationHome)
{
    struct TRow {
        const char* page;
        TRoadMove move;
        TPage next;
        bool closing;
    };
    const TRow rows[] = {
        {"WNDINTROFORM", TRoadMove::SwitchTo, TPage::Kezel, false},
        {"WNDKEZELFORM", TRoadMove::SwitchTo, TPage::Meret, false},
        {"WNDMERETFORM", TRoadMove::SwitchTo, TPage::Munkater, false},
        {"WNDMUNKATERFORM", TRoadMove::SwitchTo, TPage::Masol, false},
        {"WNDMASOLFORM", TRoadMove::SwitchTo, TPage::Ertekeles, true},
        {"ERTEKELES", TRoadMove::ReturnToMain, TPage::None, false},
        {"WndIntroForm", TRoadMove::Unknown, TPage::None, false},
        {"LISTKAJAKFORM", TRoadMove::Unknown, TPage::None, false},
    };
    for (const TRow& row : rows) {
        const auto action = WindowsRoad::Next(QString::fromLatin1(row.page));
        EXPECT_EQ(action.move, row.move) << row.page;
        EXPECT_EQ(action.page, row.next) << row.page;
        EXPECT_EQ(action.closing, row.closing) << row.page;
        EXPECT_TRUE(action.step.isEmpty() && action.stepReady.isEmpty()) << row.page;
    }
    EXPECT_EQ(WindowsRoad::ClosingText(),
              "Befejezted az Ablakokról szóló fejezetet. Ne feledd, minden program ablakban fut, amiket például át "
              "lehet méretezni vagy le lehet tenni a tálcára! <BR>További jó munkát!");
}

TEST(KezelPlacesTest, CornersReachOut49PixelsAndTheMiddleIsOpen)
{
    struct TRow {
        int step;
        QRect bounds;
        bool reached;
    };
    const TRow rows[] = {
        {11, {49, 49, 470, 415}, true},     {11, {50, 0, 470, 415}, false},   {11, {0, 50, 470, 415}, false},
        {12, {505, 304, 470, 415}, true},   {12, {504, 353, 470, 415}, false}, {12, {554, 303, 470, 415}, false},
        {13, {505, 49, 470, 415}, true},    {13, {554, 50, 470, 415}, false},
        {14, {49, 304, 470, 415}, true},    {14, {0, 303, 470, 415}, false},
        {15, {101, 111, 470, 415}, true},   {15, {299, 309, 470, 415}, true},
        {15, {200, 110, 470, 415}, false},  {15, {200, 310, 470, 415}, false},
        {15, {100, 210, 470, 415}, false},  {15, {300, 210, 470, 415}, false},
        {21, {0, 0, 470, 415}, false},
    };
    for (const TRow& row : rows)
        EXPECT_EQ(KezelPlaces::Reached(row.step, row.bounds), row.reached)
            << row.step << ": " << row.bounds.x() << "," << row.bounds.y();
}

TEST(RepeatCountTest, StillTextsThenTheLastThenDone)
{
    TRepeatCount count;
    QStringList shown;
    bool done = false;
    for (int event = 0; event < 3 && !done; ++event) {
        QString text;
        done = count.Count(3, QStringLiteral("last"), [](int n) { return QStringLiteral("still %1").arg(n); }, text);
        if (!done)
            shown << text;
    }
    EXPECT_TRUE(done);
    EXPECT_EQ(shown, QStringList({"still 2", "last"}));
    count.Restart();
    QString text;
    EXPECT_FALSE(count.Count(6, QStringLiteral("last"), [](int n) { return QStringLiteral("still %1").arg(n); }, text));
    EXPECT_EQ(text, "still 5");
}

} // namespace

#include "KeyboardCourse.h"
#include "KeyboardMoves.h"
#include "support/PageSoak.h"
#include "support/RandomInput.h"

#include <random>

namespace {

// A long stream of random keys, clicks and waits on each page of the topic, and the helpful moves
// get the learner along.
class KeyboardSoakTest : public KeyboardCourse, public ::testing::WithParamInterface<TKeyboardStop> {
protected:
    void SetUp() override
    {
        // The pages draw from a long, fixed sequence.
        std::mt19937 draws(7);
        std::vector<int> sequence;
        for (int i = 0; i < 500; ++i)
            sequence.push_back(static_cast<int>(draws() % 2000000));
        random = TFixedRandom(sequence);
        OpenKeyboardTopic();
    }

    // A move that takes the learner on: the page's own task done right.
    void HelpfulMove()
    {
        if (!KeyboardMoves::Helpful(*this) && CurrentPageAs<TErtekeles>())
            Continue();
    }

    TRandomInput input{*this, 20240611};
};

TEST_P(KeyboardSoakTest, RandomInputOnEveryPage)
{
    GoTo(GetParam());
    input.Seed(1000 + static_cast<unsigned>(GetParam()));
    const QStringList topicPages = {"OsztalyBe", "Billentyuzet", "Betuvadaszat", "Szogepeles", "Ertekeles", "BillInfo"};
    TPageSoak soak;
    soak.topic = "BILLENTYU";
    soak.pages = topicPages;
    soak.events = 300;
    soak.kinds = {
        {35, [&] { input.Character(QStringLiteral("tTlLqQaáőŐűzy0159§\"+!%/=()?~\\[]$<>#@{}* ,.-")); }},
        {20, [&] {
             input.Key({Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_CapsLock,
                        Qt::Key_NumLock, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab,
                        Qt::Key_Space, Qt::Key_Delete, Qt::Key_F1});
         }},
        {10, [&] { input.HalfKey(); }},
        {15, [&] { input.Click(); }},
        {10, [&] { input.Wait(3000); }},
        {10, [&] { HelpfulMove(); }},
    };
    // Each new page or practice step the learner reaches; the helpful moves must get them along.
    int progress = 0;
    QPointer<TBaseForm> lastPage;
    QString lastStep;
    soak.afterEvent = [&](int) {
        const QString step = CurrentPageAs<TBillentyuzet>() ? CurrentPageAs<TBillentyuzet>()->Step() : QString();
        if (CurrentPage() != lastPage || step != lastStep)
            ++progress;
        lastPage = CurrentPage();
        lastStep = step;
    };
    const QStringList visited = soak.Run(*this, input);
    const QString last = CurrentPageName();
    EXPECT_TRUE(topicPages.contains(last) || last == "ModulValaszt") << last.toStdString();
    EXPECT_GE(progress, 4) << "visited " << visited.join(",").toStdString();
    RecordProperty("visited", visited.join(",").toStdString());
}

INSTANTIATE_TEST_SUITE_P(Pages, KeyboardSoakTest, ::testing::ValuesIn(AllKeyboardStops()), StopName);

} // namespace

#include "KeyboardCourse.h"
#include "KeyboardMoves.h"
#include "support/RandomInput.h"

#include <random>

namespace {

// A long stream of random keys, clicks and waits on each page of the topic: nothing may crash,
// raise an error or leak a page, and the learner stays in the topic or gets back home.
class KeyboardSoakTest : public KeyboardCourse, public ::testing::WithParamInterface<TKeyboardStop> {
protected:
    static constexpr int Events = 300;

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
    QStringList visited;
    // Each new page or practice step the learner reaches; the helpful moves must get them along.
    int progress = 0;
    QPointer<TBaseForm> lastPage;
    QString lastStep;
    for (int i = 0; i < Events; ++i) {
        TBaseForm* page = CurrentPage();
        ASSERT_NE(page, nullptr) << "event " << i;
        const QString name = page->GetPageName();
        if (!visited.contains(name))
            visited << name;
        const QString step = CurrentPageAs<TBillentyuzet>() ? CurrentPageAs<TBillentyuzet>()->Step() : QString();
        if (page != lastPage || step != lastStep)
            ++progress;
        lastPage = page;
        lastStep = step;
        if (auto* chooser = CurrentPageAs<TModulValaszt>()) {
            Click(chooser->Tile(1, 1)); // back into the topic
            continue;
        }
        ASSERT_TRUE(topicPages.contains(name)) << name.toStdString();

        const int kind = input.Pick(100);
        if (kind < 35)
            input.Character(QStringLiteral("tTlLqQaáőŐűzy0159§\"+!%/=()?~\\[]$<>#@{}* ,.-"));
        else if (kind < 55)
            input.Key({Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_CapsLock,
                       Qt::Key_NumLock, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab,
                       Qt::Key_Space, Qt::Key_Delete, Qt::Key_F1});
        else if (kind < 65)
            input.HalfKey();
        else if (kind < 80)
            input.Click();
        else if (kind < 90)
            input.Wait(3000);
        else
            HelpfulMove();

        ASSERT_EQ(PagesAlive(), 1) << "event " << i << " on " << name.toStdString();
        ASSERT_FALSE(ErrorBoxShown()) << "event " << i << " on " << name.toStdString() << ": "
                                      << messages.Texts().join(" | ").toStdString();
        ASSERT_EQ(terminations, 0);
    }
    const QString last = CurrentPageName();
    EXPECT_TRUE(topicPages.contains(last) || last == "ModulValaszt") << last.toStdString();
    EXPECT_GE(progress, 4) << "visited " << visited.join(",").toStdString();
    RecordProperty("visited", visited.join(",").toStdString());
}

INSTANTIATE_TEST_SUITE_P(Pages, KeyboardSoakTest, ::testing::ValuesIn(AllKeyboardStops()), StopName);

} // namespace

#include "MouseGamesCourse.h"
#include "MouseGamesMoves.h"
#include "support/PageSoak.h"
#include "support/RandomInput.h"

#include "topics/mouse/DuplaKattForm.h"
#include "topics/mouse/EgerBallJobbForm.h"
#include "topics/mouse/EgerBasketBallForm.h"
#include "topics/mouse/EgerLufipukkForm.h"
#include "topics/mouse/EgervadaszatForm.h"
#include "topics/mouse/LepkevadaszForm.h"

namespace {

// Each game page in every phase: a seeded stream of keys, clicks, double clicks, drags, held
// buttons and waits, now and then a helpful step. Counts stay within their round, and only sound
// "ROUND" values travel on.
class MouseGamesSoakTest : public MouseGamesCourse, public ::testing::WithParamInterface<int> {
protected:
    void ShowGame()
    {
        switch (GetParam()) {
        case 0:
            Show<TLepkevadaszForm>([this](IModuleController& board) {
                Board::PutText(board, "STEP", "LEPKEVADASZ");
                Board::PutText(board, "ACTION", Notes().empty() ? "START" : "LEPKEVADASZ_CONTINUE");
            });
            break;
        case 1: Show<TEgerBallJobbForm>(); break;
        case 2: Show<TEgervadaszatForm>(); break;
        case 3: Show<TDuplaKattForm>(); break;
        case 4: Show<TEgerLufipukkForm>(); break;
        default: Show<TEgerBasketBallForm>(); break;
        }
    }

    // Back into the stand-in when a click on the back picture took the learner home.
    void ComeBack()
    {
        Board::PutText(Controller(), "CHANGE_MODUL", "EGERJATEKOK");
        Controller().Notify();
        Settle();
    }

    int Pick(int n) { return input.Pick(n); }

    // A press somewhere on the page, on whatever lies there, held for a moment.
    void Hold()
    {
        const QPoint at = input.AnyPoint();
        QWidget* target = WidgetAt(at);
        const QPoint local = target->mapFrom(CurrentPage(), at);
        Press(target, local);
        time.Advance(Pick(300));
        Settle();
        if (target == WidgetAt(at))
            Release(target, local);
        Settle();
    }

    void CheckCounts(int event)
    {
        if (auto* page = CurrentPageAs<TLepkevadaszForm>()) {
            ASSERT_LE(page->Caught(), page->ButterflyNumber()) << event;
            ASSERT_LE(page->ButterflyNumber(), 10) << event;
        } else if (auto* page = CurrentPageAs<TEgervadaszatForm>()) {
            ASSERT_LE(page->Game().Hits(), page->Game().Shown()) << event;
            ASSERT_LE(page->Game().Shown(), 10) << event;
        } else if (auto* page = CurrentPageAs<TEgerLufipukkForm>()) {
            ASSERT_LE(page->Popped() + page->Escaped(), 6) << event;
        } else if (auto* page = CurrentPageAs<TEgerBasketBallForm>()) {
            ASSERT_LE(page->Baskets(), 10) << event;
            ASSERT_LE(page->FallingBalls(), 10 - page->Baskets()) << event;
        }
        for (const TGameNote& note : Notes()) {
            const int round = note.round.value_or(1);
            ASSERT_TRUE((round >= 1 && round <= 5) || (round >= 65 && round <= 68)) << round;
        }
    }

    TRandomInput input{*this};
};

TEST_P(MouseGamesSoakTest, RandomInputOnThePage)
{
    input.Seed(4100 + static_cast<unsigned>(GetParam()));
    ShowGame();
    std::size_t notes = 0;
    TPageSoak soak;
    soak.events = 200;
    soak.kinds = {
        {10, [&] { input.Key({Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space, Qt::Key_Backspace, Qt::Key_L}); }},
        {25, [&] { input.Click(); }},
        {10, [&] { input.DoubleClick(); }},
        {10, [&] { input.Drag(); }},
        {5, [&] { Hold(); }},
        {20, [&] { input.Wait(1500); }},
        {20, [&] { MouseGamesMoves::Helpful(*this); }},
    };
    // The stand-in module shows nothing itself: a page that told it is followed by a new one, and
    // the back picture's way home is followed by the way back into the games.
    soak.comeBack = [&] {
        ComeBack();
        ShowGame();
        notes = Notes().size();
    };
    soak.afterEvent = [&](int event) {
        if (Games() && Notes().size() > notes) {
            ShowGame();
            notes = Notes().size();
            EXPECT_EQ(PagesAlive(), 1) << "event " << event;
        }
        CheckCounts(event);
    };
    soak.Run(*this, input);
}

TEST_P(MouseGamesSoakTest, HelpfulStepsFinishTheGame)
{
    ShowGame();
    for (int step = 0; step < 3000 && Notes().empty(); ++step)
        ASSERT_TRUE(MouseGamesMoves::Helpful(*this)) << CurrentPageName().toStdString();
    ASSERT_EQ(Notes().size(), 1u);
    const TGameNote& note = Notes()[0];
    EXPECT_TRUE(note.action.isEmpty() || note.action == "LEPKEVADASZ_CONTINUE") << "not left by Esc";
    switch (GetParam()) {
    case 0: EXPECT_TRUE(note.ertekel.contains("Teljesítmény: 10 / 10")); break;
    case 2: EXPECT_EQ(note.round, 65) << "every target hit"; break;
    case 4: EXPECT_EQ(note.round, 65) << "every balloon popped"; break;
    case 5: EXPECT_TRUE(note.timeRecord.has_value()); break;
    default: break;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryGamePage, MouseGamesSoakTest, ::testing::Range(0, 6));

} // namespace

#include "MouseGamesCourse.h"
#include "MouseGamesMoves.h"

#include "topics/mouse/DuplaKattForm.h"
#include "topics/mouse/EgerBallJobbForm.h"
#include "topics/mouse/EgerBasketBallForm.h"
#include "topics/mouse/EgerLufipukkForm.h"
#include "topics/mouse/EgervadaszatForm.h"
#include "topics/mouse/LepkevadaszForm.h"

#include <random>

namespace {

// Each game page in every phase: a seeded stream of keys, clicks, double clicks, drags, held
// buttons and waits, now and then a helpful step. A page that tells its module is followed by a
// new one, as the module does. Nothing may raise an error or leak a page, counts stay within
// their round, and only sound "ROUND" values travel on.
class MouseGamesSoakTest : public MouseGamesCourse, public ::testing::WithParamInterface<int> {
protected:
    static constexpr int Events = 200;

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

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    QPoint AnyPoint() { return QPoint(Pick(1024), Pick(768)); }

    void RandomEvent()
    {
        static const Qt::Key keys[] = {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space, Qt::Key_Backspace, Qt::Key_L};
        static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        TBaseForm* page = CurrentPage();
        const int kind = Pick(100);
        const QPoint at = AnyPoint();
        QWidget* target = WidgetAt(at);
        const QPoint local = target->mapFrom(page, at);
        if (kind < 10) {
            PressKey(keys[Pick(std::size(keys))]);
        } else if (kind < 35) {
            Click(target, local, buttons[Pick(std::size(buttons))]);
        } else if (kind < 45) {
            DoubleClick(target, local);
        } else if (kind < 55) {
            Drag(target, local, target->mapFrom(page, AnyPoint()), 1 + Pick(12));
        } else if (kind < 60) {
            Press(target, local);
            time.Advance(Pick(300));
            Settle();
            if (target == WidgetAt(at))
                Release(target, local);
            Settle();
        } else if (kind < 80) {
            time.Advance(Pick(1500));
            Settle();
        } else {
            MouseGamesMoves::Helpful(*this);
        }
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

    std::mt19937 rng;
};

TEST_P(MouseGamesSoakTest, RandomInputOnThePage)
{
    rng.seed(4100 + static_cast<unsigned>(GetParam()));
    ShowGame();
    std::size_t notes = 0;
    for (int i = 0; i < Events; ++i) {
        if (!Games() || !CurrentPage() || CurrentPageName() == "ModulValaszt") {
            ComeBack();
            ShowGame();
            notes = Notes().size();
        }
        const QString name = CurrentPage()->GetPageName();
        RandomEvent();
        ASSERT_FALSE(ErrorBoxShown()) << "event " << i << " on " << name.toStdString() << ": "
                                      << messages.Texts().join(" | ").toStdString();
        ASSERT_EQ(terminations, 0);
        ASSERT_LE(PagesAlive(), 1) << "event " << i << " on " << name.toStdString();
        if (Games() && Notes().size() > notes) {
            ShowGame();
            notes = Notes().size();
            ASSERT_EQ(PagesAlive(), 1) << "event " << i;
        }
        CheckCounts(i);
    }
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

#include "KeyboardCourse.h"

#include "topics/keyboard/HuntPool.h"
#include "topics/keyboard/KeyboardResults.h"

namespace {

class SzogepelesTest : public KeyboardCourse {
protected:
    void SetUp() override { OpenKeyboardTopic(); }

    TSzogepeles* Page() const { return CurrentPageAs<TSzogepeles>(); }
    int Clicks() const { return static_cast<int>(sound.PlayedNames().count("1_katt3.wav")); }
};

TEST_F(SzogepelesTest, DigitRowIsAcceptedByOneEnterAndLeftByTheNext)
{
    ReachDigits();
    TSzogepeles* page = Page();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->State(), TSzogepeles::TState::DigitsTyping);
    EXPECT_EQ(page->txtSzoKi()->text(), "9173468250");
    EXPECT_EQ(page->focusWidget(), page->szoBe());
    EXPECT_FALSE(BoardText("STEP"));

    sound.Clear();
    TypeText("917346825");
    PressKey(Qt::Key_Return);
    EXPECT_EQ(messages.Texts(), QStringList{TSzogepeles::Mistyped});
    EXPECT_EQ(page->szoBe()->text(), "917346825"); // kept for correction
    EXPECT_EQ(Clicks(), 10); // every key, Enter too

    TypeText("0");
    PressKey(Qt::Key_Return);
    EXPECT_EQ(messages.Texts().size(), 1);
    EXPECT_EQ(page->State(), TSzogepeles::TState::DigitsPraised);
    EXPECT_FALSE(page->szoBe()->isEnabled());
    EXPECT_EQ(CurrentPage(), page); // the accepted Enter does not leave yet
    EXPECT_FALSE(BoardText("STEP_READY"));

    TypeText("5"); // the box takes nothing now, but the key still clicks
    EXPECT_EQ(page->szoBe()->text(), "9173468250");
    EXPECT_EQ(Clicks(), 13);
    PressKey(Qt::Key_Return);
    ASSERT_NE(CurrentPageAs<TBetuvadaszat>(), nullptr);
    EXPECT_EQ(CurrentPageAs<TBetuvadaszat>()->StepWord(), "R3");
    EXPECT_EQ(TBetuvadaszat::Pool(), HuntPool::Everything());
    EXPECT_EQ(Clicks(), 14);
    EXPECT_FALSE(BoardText("STEP_READY"));
}

TEST_F(SzogepelesTest, WordsCompareExactlyAndEveryMissCounts)
{
    ReachWords();
    TSzogepeles* page = Page();
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->State(), TSzogepeles::TState::Words);
    EXPECT_EQ(page->txtSzoKi()->text(), "kicsi");
    EXPECT_EQ(page->WordsShown(), 1);

    // "Kicsi" for "kicsi", a trailing blank, an empty box, and the same miss twice.
    for (const char* typed : {"Kicsi", "kicsi ", "", "kics", "kics"}) {
        page->szoBe()->clear();
        TypeText(QString::fromUtf8(typed));
        PressKey(Qt::Key_Return);
        EXPECT_EQ(page->txtSzoKi()->text(), "kicsi") << typed;
    }
    EXPECT_EQ(page->WrongEntries(), 5);
    EXPECT_EQ(page->szoBe()->text(), "kics");
    EXPECT_TRUE(messages.Texts().isEmpty()); // no scolding

    page->szoBe()->clear();
    QStringList shown;
    for (const QString& word : TSzogepeles::Words()) {
        shown << page->txtSzoKi()->text();
        TypeText(word);
        PressKey(Qt::Key_Return);
        if (CurrentPage() == page) {
            EXPECT_EQ(page->szoBe()->text(), "");
        }
    }
    EXPECT_EQ(shown, TSzogepeles::Words());
    ASSERT_EQ(CurrentPageName(), "Ertekeles");
    EXPECT_EQ(EvaluationText(), KeyboardResults::WordsResult("Anna", "harmadikos", 5));
    EXPECT_TRUE(EvaluationText().contains("Teljesítmény: 10/5<BR>Értékelés: Figyelmesebben gépelj!"));
    EXPECT_EQ(BoardText("STEP_READY"), QString("SZAVAK_READY")); // for the module's next move
}

TEST_F(SzogepelesTest, ManyMissesNeverTurnIntoAFaultlessResult)
{
    ReachWords();
    TSzogepeles* page = Page();
    ASSERT_NE(page, nullptr);
    for (int i = 0; i < 256; ++i)
        PressKey(Qt::Key_Return);
    EXPECT_EQ(page->WrongEntries(), 256);
    TypeAllWords();
    EXPECT_TRUE(EvaluationText().contains("Teljesítmény: 10/0<BR>Értékelés: Bizony, ezt még gyakorolnod kell!"));
}

TEST_F(SzogepelesTest, UnknownExerciseLeavesThePageEmpty)
{
    ReachDigits();
    TSzogepeles* page = Page();
    ASSERT_NE(page, nullptr);
    TypeText("91");
    page->ShowPage(); // no "STEP" on the board now
    EXPECT_EQ(page->State(), TSzogepeles::TState::Empty);
    EXPECT_EQ(page->Target(), "");
    EXPECT_EQ(page->txtSzoKi()->text(), "");
    EXPECT_EQ(page->szoBe()->text(), "");
    const QImage instruction = page->feladat()->grab().toImage();
    EXPECT_EQ(instruction.pixelColor(20, 30), instruction.pixelColor(300, 30)); // no text left
    EXPECT_EQ(page->WordsShown(), 0);
    EXPECT_EQ(page->WrongEntries(), 0);

    TypeText("9173468250"); // the row of the earlier exercise checks nothing now
    PressKey(Qt::Key_Return);
    EXPECT_TRUE(messages.Texts().isEmpty());
    EXPECT_EQ(page->State(), TSzogepeles::TState::Empty);
    EXPECT_EQ(CurrentPage(), page);
    EXPECT_FALSE(BoardText("STEP_READY"));
    EXPECT_FALSE(ErrorBoxShown());
}

TEST_F(SzogepelesTest, ClicksOnTheTextsKeepTheKeysInTheBox)
{
    ReachWords();
    TSzogepeles* page = Page();
    ASSERT_NE(page, nullptr);
    Click(page->feladat());
    Click(page->txtSzoKi());
    Click(page->hatter(), QPoint(900, 100));
    EXPECT_EQ(page->focusWidget(), page->szoBe());
    TypeText("kicsi");
    EXPECT_EQ(page->szoBe()->text(), "kicsi");
}

} // namespace

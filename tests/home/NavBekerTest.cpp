#include "support/CourseFixture.h"

#include "framework/Image.h"
#include "home/ModulValaszt.h"
#include "home/NavBeker.h"

#include <QLabel>
#include <QLineEdit>

namespace {

class NavBekerTest : public CourseFixture {
protected:
    void SetUp() override
    {
        StartCourse();
        page = CurrentPageAs<TNavBeker>();
        ASSERT_NE(page, nullptr) << CurrentPageName().toStdString();
    }

    QString Typed() const { return page->username()->text(); }
    QString Error() const { return page->txtErrorMsg()->text(); }

    TNavBeker* page = nullptr;
};

TEST_F(NavBekerTest, AcceptsThreeAndFifteenLetters)
{
    TypeText("Ida");
    PressKey(Qt::Key_Return);
    EXPECT_EQ(BoardText("USERNAME"), QString("Ida"));
    EXPECT_EQ(CurrentPageName(), "ModulValaszt");
}

TEST_F(NavBekerTest, FifteenLettersAreStillANameAndTheFirstIsCapitalised)
{
    TypeText("árvíztűrőtükörf"); // 15 letters
    PressKey(Qt::Key_Return);
    EXPECT_EQ(BoardText("USERNAME"), QString("Árvíztűrőtükörf"));
}

TEST_F(NavBekerTest, RefusesTwoAndSixteenLettersAndEmptiesTheBox)
{
    TypeText("Bo");
    PressKey(Qt::Key_Return);
    EXPECT_EQ(Error(), "A három karakternél kisebb név túlontúl rövid.");
    EXPECT_EQ(Typed(), "");

    TypeText("Abcdefghijklmnop");
    PressKey(Qt::Key_Return);
    EXPECT_EQ(Error(), "Csak 15 karakteres vagy annál kisebb nevet adj meg.");
    EXPECT_EQ(Typed(), "");
    EXPECT_FALSE(BoardText("USERNAME"));
    EXPECT_EQ(CurrentPage(), page);
}

TEST_F(NavBekerTest, DigitsSpacesAndOtherSignsNeverReachTheBox)
{
    TypeText("An 1n-a!ő§ô");
    EXPECT_EQ(Typed(), "Annaő");
}

TEST_F(NavBekerTest, BackspaceAndArrowsStillWork)
{
    TypeText("Annx");
    PressKey(Qt::Key_Backspace);
    EXPECT_EQ(Typed(), "Ann");
    PressKey(Qt::Key_Left);
    TypeText("a");
    EXPECT_EQ(Typed(), "Anan");
}

TEST_F(NavBekerTest, FirstAcceptedLetterAfterAnErrorClearsIt)
{
    PressKey(Qt::Key_Return);
    ASSERT_EQ(Error(), "A három karakternél kisebb név túlontúl rövid.");
    TypeText("5");
    EXPECT_EQ(Error(), "A három karakternél kisebb név túlontúl rövid."); // a refused sign does not
    TypeText("K");
    EXPECT_EQ(Error(), "");
}

TEST_F(NavBekerTest, EscapeAsksAndNoChangesNothing)
{
    TypeText("Anna");
    messages.AnswerNext(false);
    PressKey(Qt::Key_Escape);

    ASSERT_EQ(messages.Texts(), QStringList{"Valóban ki akarsz lépni a programból?"});
    EXPECT_EQ(Typed(), "Anna");
    EXPECT_EQ(Controller().Board().Count(), 0);
    EXPECT_EQ(terminations, 0);
}

TEST_F(NavBekerTest, ExitSignAsksAndYesEndsTheProgram)
{
    messages.AnswerNext(true);
    Click(page->kilep());
    EXPECT_EQ(BoardText("EXIT"), QString("EXIT"));
    EXPECT_EQ(terminations, 1);
}

TEST_F(NavBekerTest, ClosingThePageByTheWindowSystemEndsTheProgram)
{
    page->close();
    Settle();
    EXPECT_EQ(terminations, 1);
}

} // namespace

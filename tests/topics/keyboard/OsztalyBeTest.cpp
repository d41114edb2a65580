#include "KeyboardCourse.h"

#include "shell/Board.h"

namespace {

class OsztalyBeTest : public KeyboardCourse {
protected:
    void SetUp() override
    {
        OpenKeyboardTopic();
        page = CurrentPageAs<TOsztalyBe>();
        ASSERT_NE(page, nullptr);
    }

    // Types the text into an emptied box and presses Enter; true when the grade page went on.
    bool Try(const QString& grade)
    {
        page->osztaly()->clear();
        TypeText(grade);
        PressKey(Qt::Key_Return);
        return CurrentPageName() != "OsztalyBe";
    }

    TOsztalyBe* page = nullptr;
};

TEST_F(OsztalyBeTest, GradeWordsAreCheckedWholeAndWithoutCase)
{
    // Spaces, missing accents and the words the label does not list.
    for (const char* rejected : {"elsős ", " elsős", "elsos", "masodikos", "első", "hatodikos", ""}) {
        EXPECT_FALSE(Try(QString::fromUtf8(rejected))) << rejected;
        EXPECT_TRUE(page->lblHiba()->isVisible()) << rejected;
        EXPECT_FALSE(BoardText("OSZTALY")) << rejected;
    }
    EXPECT_FALSE(ErrorBoxShown());
}

TEST_F(OsztalyBeTest, CapitalsAreAcceptedAndStoredAsTyped)
{
    ASSERT_TRUE(Try(QStringLiteral("ELSŐS"))); // Ő lower-cases to ő
    EXPECT_EQ(BoardText("OSZTALY"), QStringLiteral("ELSŐS"));
    auto* practice = CurrentPageAs<TBillentyuzet>();
    ASSERT_NE(practice, nullptr);
    EXPECT_EQ(practice->Step(), "T");
    EXPECT_FALSE(BoardText("STEP")); // the practice page took it
}

TEST_F(OsztalyBeTest, EveryAcceptedWordLeadsOn)
{
    const QStringList words = {"elsős",      "másodikos",  "másodikas", "harmadikos",
                               "harmadikas", "negyedikes", "ötödikes"};
    EXPECT_EQ(TOsztalyBe::GradeWords(), words);
    for (const QString& word : words) {
        EXPECT_TRUE(TOsztalyBe::ValidGrade(word)) << word.toStdString();
        EXPECT_TRUE(TOsztalyBe::ValidGrade(word.left(1).toUpper() + word.mid(1))) << word.toStdString();
    }
    EXPECT_TRUE(Try(QStringLiteral("ötödikes")));
    EXPECT_EQ(BoardText("OSZTALY"), QStringLiteral("ötödikes"));
}

TEST_F(OsztalyBeTest, WrongWordStaysTypedAndTheWarningLeavesWithTheNextKey)
{
    TypeText("elsősx");
    PressKey(Qt::Key_Return);
    ASSERT_TRUE(page->lblHiba()->isVisible());
    EXPECT_EQ(page->osztaly()->text(), QStringLiteral("elsősx"));

    // Arrows only hide the warning: the caret stays at the end.
    const int caret = page->osztaly()->cursorPosition();
    for (Qt::Key arrow : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down}) {
        PressKey(Qt::Key_Return);
        ASSERT_TRUE(page->lblHiba()->isVisible());
        PressKey(arrow);
        EXPECT_FALSE(page->lblHiba()->isVisible()) << arrow;
        EXPECT_EQ(page->osztaly()->cursorPosition(), caret) << arrow;
    }

    // Backspace does its work as well.
    PressKey(Qt::Key_Return);
    PressKey(Qt::Key_Backspace);
    EXPECT_FALSE(page->lblHiba()->isVisible());
    EXPECT_EQ(page->osztaly()->text(), QStringLiteral("elsős"));
    PressKey(Qt::Key_Return);
    EXPECT_EQ(BoardText("OSZTALY"), QStringLiteral("elsős"));
}

TEST_F(OsztalyBeTest, EnterPictureChecksAndBackspacePictureDoesNothing)
{
    TypeText("harmadika");
    Click(page->bckspace());
    EXPECT_EQ(page->osztaly()->text(), "harmadika");
    EXPECT_FALSE(page->lblHiba()->isVisible());
    Click(page->enter());
    EXPECT_TRUE(page->lblHiba()->isVisible());
    TypeText("s");
    EXPECT_FALSE(page->lblHiba()->isVisible());
    Click(page->enter());
    EXPECT_EQ(CurrentPageName(), "Billentyuzet");
    EXPECT_EQ(BoardText("OSZTALY"), QString("harmadikas"));
}

TEST_F(OsztalyBeTest, PageNeedsTheLearnersName)
{
    Controller().RemoveValue("USERNAME");
    try {
        page->ShowPage();
        FAIL() << "no error raised";
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "ERROR in OsztalyBe page: Not found USERNAME!");
    }
}

} // namespace

#include "KeyboardCourse.h"

#include "framework/ClipPlayer.h"
#include "framework/MediaAccess.h"
#include "shell/Board.h"

namespace {

// The evaluation page after the first letter hunt.
class ErtekelesTest : public KeyboardCourse {
protected:
    void SetUp() override
    {
        OpenKeyboardTopic();
        EnterGrade();
        PracticeFirstBlock();
        sound.Clear();
        HuntAll();
        page = CurrentPageAs<TErtekeles>();
        ASSERT_NE(page, nullptr);
    }

    // The board's keys and texts, to see that continuing stores nothing.
    QStringList BoardSnapshot() const
    {
        QStringList keys;
        for (const char* key : {"STEP", "STEP_READY", "ERTEKEL", "CHANGE_MODUL", "OSZTALY", "USERNAME", "EXIT"})
            keys << QString::fromLatin1(key) + "=" + BoardText(QString::fromLatin1(key)).value_or("-");
        return keys;
    }

    TErtekeles* page = nullptr;
};

TEST_F(ErtekelesTest, ShowsAndUsesUpTheText)
{
    EXPECT_TRUE(page->Text().startsWith("Témakör: Billentyűzet<BR>Feladat: Első betűvadászat"));
    EXPECT_FALSE(BoardText("ERTEKEL"));
    EXPECT_TRUE(sound.PlayedNames().endsWith("harang.wav"));
    EXPECT_TRUE(page->odon()->IsOpen());
    EXPECT_TRUE(page->odon()->Active());
    EXPECT_FALSE(page->odon()->Transparent());
    time.Advance(3000); // the clip loops over its first twelve frames
    EXPECT_TRUE(page->odon()->Active());
    EXPECT_LE(page->odon()->CurrentFrame(), 12);

    // The text is written into the background itself.
    TImage clean(nullptr, QRect(0, 0, 1024, 768));
    DrawImageFile("ertekeles.jpg", clean);
    EXPECT_NE(page->hatter()->Picture().image, clean.Picture().image);

    // Shown again without a new text, the page is empty: no text left from the first showing.
    page->ShowPage();
    EXPECT_EQ(page->Text(), "");
    EXPECT_EQ(page->hatter()->Picture().image, clean.Picture().image);
}

TEST_F(ErtekelesTest, OnlyLContinuesAndContinuingStoresNothing)
{
    const QStringList before = BoardSnapshot();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_K})
        PressKey(key);
    TypeText("xyz1");
    EXPECT_EQ(CurrentPage(), page);
    EXPECT_EQ(BoardSnapshot(), before);

    TypeText("L");
    ASSERT_NE(CurrentPageAs<TBillentyuzet>(), nullptr);
    EXPECT_EQ(CurrentPageAs<TBillentyuzet>()->Step(), "FELSO");
    EXPECT_FALSE(BoardText("STEP_READY")); // the module used it up
}

TEST_F(ErtekelesTest, SmallLAndTheReadButtonContinueToo)
{
    TypeText("l");
    ASSERT_EQ(CurrentPageName(), "Billentyuzet");

    // The second hunt's evaluation, left with the read-it button.
    PracticeSecondBlock();
    HuntAll();
    page = CurrentPageAs<TErtekeles>();
    ASSERT_NE(page, nullptr);
    Click(page->lattam());
    ASSERT_NE(CurrentPageAs<TBillentyuzet>(), nullptr);
    EXPECT_EQ(CurrentPageAs<TBillentyuzet>()->Step(), "NUMLOCK");
    EXPECT_EQ(PagesAlive(), 1); // the evaluation page was closed and destroyed
}

TEST_F(ErtekelesTest, BackButtonLeavesTheTopic)
{
    Click(page->vissza());
    ASSERT_NE(CurrentPageAs<TModulValaszt>(), nullptr);
    EXPECT_FALSE(BoardText("CHANGE_MODUL"));
    EXPECT_FALSE(BoardText("STEP_READY")); // "R1_READY" does not follow the learner out
    EXPECT_EQ(PagesAlive(), 1);
}

} // namespace

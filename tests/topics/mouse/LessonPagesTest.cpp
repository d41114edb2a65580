#include "MouseCourse.h"

namespace {

using LessonPagesTest = MouseCourse;

// Each of the first three lessons goes on with its own key and no other, or by a click on the key
// drawn beside the text.
TEST_F(LessonPagesTest, EachLessonGoesOnWithItsOwnKeyOnly)
{
    OpenMouseTopic();
    for (Qt::Key wrong : {Qt::Key_Backspace, Qt::Key_Escape, Qt::Key_Space})
        PressKey(wrong);
    ASSERT_EQ(CurrentPageName(), "EgerekForm");
    PressKey(Qt::Key_Return);
    ASSERT_EQ(CurrentPageName(), "EgerTipusForm");
    for (Qt::Key wrong : {Qt::Key_Return, Qt::Key_Escape})
        PressKey(wrong);
    ASSERT_EQ(CurrentPageName(), "EgerTipusForm");
    PressKey(Qt::Key_Backspace);
    ASSERT_EQ(CurrentPageName(), "EgerKurzorForm");
    for (Qt::Key wrong : {Qt::Key_Return, Qt::Key_Backspace})
        PressKey(wrong);
    ASSERT_EQ(CurrentPageName(), "EgerKurzorForm");
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(CurrentPageName(), "EgerKattInfoForm") << messages.Texts().join(" | ").toStdString();
}

TEST_F(LessonPagesTest, TheDrawnKeysAndTheirHints)
{
    OpenMouseTopic();
    auto* mice = On<TEgerekForm>();
    EXPECT_EQ(mice->Key()->geometry(), QRect(882, 440, 115, 130));
    EXPECT_EQ(mice->Hint()->text(), "Továbblépéshez üss ENTER-t!");
    Click(mice->Key());
    auto* kinds = On<TEgerTipusForm>();
    ASSERT_NE(kinds, nullptr);
    EXPECT_EQ(kinds->Hint()->text(), "Tovább a Backspace billentyűvel!");
    EXPECT_EQ(kinds->vissza()->y(), 660);
    Click(kinds->Key());
    auto* cursors = On<TEgerKurzorForm>();
    ASSERT_NE(cursors, nullptr);
    EXPECT_EQ(cursors->Hint()->text(), "Továbblépéshez nyomj ESC billentyűt!");
    EXPECT_EQ(cursors->vissza()->y(), 660);
    QList<Qt::CursorShape> shapes;
    QList<int> lefts;
    for (TImage* area : cursors->Cursors()) {
        shapes << area->cursor().shape();
        lefts << area->x();
    }
    EXPECT_EQ(shapes, (QList<Qt::CursorShape>{Qt::ArrowCursor, Qt::WaitCursor, Qt::SizeAllCursor,
                                               Qt::SizeVerCursor, Qt::ForbiddenCursor}));
    EXPECT_EQ(lefts, (QList<int>{40, 184, 344, 504, 664}));
    Click(cursors->Key());
    EXPECT_EQ(CurrentPageName(), "EgerKattInfoForm");
}

TEST_F(LessonPagesTest, TheClickPageWaitsForTheThreeShownHands)
{
    OpenMouseTopic();
    for (int page = 0; page < 3; ++page)
        ASSERT_TRUE(LearnerMoves::Helpful(*this));
    auto* hands = On<TEgerKattInfoForm>();
    ASSERT_NE(hands, nullptr);
    EXPECT_FALSE(hands->joltart()->isVisible());
    EXPECT_EQ(Read(hands->jobbkez()), "Jobbkezes kéztartás");
    EXPECT_EQ(Read(hands->balkez()), "Balkezes kéztartás");
    EXPECT_EQ(Read(hands->joltart()), "Jó egértartás és klikkelés");
    // Two lines on the wrong grip: its caption is lifted twice as high.
    EXPECT_EQ(hands->rosszultart()->Texts().size(), 2);
    EXPECT_EQ(Read(hands->rosszultart()), "Rossz egértartás és klikkelés");
    hands->timer().Fire();
    EXPECT_TRUE(hands->kattintAnim()->Active());
    QPointer<TEgerKattInfoForm> alive(hands);
    Click(hands->rosszultart());
    Click(hands->jobbkez());
    EXPECT_FALSE(hands->jobbkez()->isVisible());
    ASSERT_EQ(CurrentPage(), hands);
    Click(hands->balkez());
    EXPECT_EQ(CurrentPageName(), "EgerKattintForm");
}

TEST_F(LessonPagesTest, TheSmallestHeadIsThirteenByEightAndTheLastToCount)
{
    OpenMouseTopic();
    for (int page = 0; page < 4; ++page)
        ASSERT_TRUE(LearnerMoves::Helpful(*this));
    auto* heads = On<TEgerKattintForm>();
    ASSERT_NE(heads, nullptr);
    EXPECT_EQ(heads->Images().front()->geometry(), QRect(48, 576, 125, 70));
    EXPECT_EQ(heads->Images().back()->geometry(), QRect(809, 607, 13, 8));
    // The frame drawn around the smallest head stays when the head is gone.
    const QImage& background = heads->hatter()->Picture().image;
    EXPECT_EQ(background.pixelColor(809, 607), QColor(0, 0, 255));
    EXPECT_EQ(background.pixelColor(821, 614), QColor(0, 0, 255));
    for (int i = 0; i < 12; ++i)
        Click(heads->Images()[i]);
    EXPECT_EQ(heads->Clicked(), 0x0FFFu);
    ASSERT_EQ(CurrentPage(), heads);
    Click(heads->Images().back());
    EXPECT_EQ(CurrentPageName(), "LepkevadaszForm");
}

} // namespace

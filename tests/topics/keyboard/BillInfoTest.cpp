#include "KeyboardCourse.h"

#include "framework/ClipPlayer.h"

namespace {

class BillInfoTest : public KeyboardCourse {
protected:
    void SetUp() override
    {
        OpenKeyboardTopic();
        ReachInfo();
        page = CurrentPageAs<TBillInfo>();
        ASSERT_NE(page, nullptr);
    }

    int SignsShown() const
    {
        int shown = 0;
        for (TImage* sign : page->Overlays())
            shown += sign->isVisible() ? 1 : 0;
        return shown;
    }

    TBillInfo* page = nullptr;
};

TEST_F(BillInfoTest, SignsBlinkTogetherDuringTheFirstAdvice)
{
    EXPECT_EQ(page->Advice(), TBillInfo::CleanHands);
    EXPECT_FALSE(TBillInfo::Blink());
    EXPECT_EQ(SignsShown(), 0);
    EXPECT_FALSE(page->animUtes()->isVisible());
    EXPECT_EQ(page->Timer1().Interval(), 1500);

    time.Advance(1500);
    EXPECT_EQ(SignsShown(), 3);
    time.Advance(1500);
    EXPECT_EQ(SignsShown(), 0);
    time.Advance(1500);
    EXPECT_EQ(SignsShown(), 3);

    TypeText("tT"); // not yet
    EXPECT_EQ(CurrentPage(), page);
    EXPECT_EQ(page->Advice(), TBillInfo::CleanHands);
}

TEST_F(BillInfoTest, EnterStopsTheBlinkingAndStartsTheClip)
{
    time.Advance(1500);
    ASSERT_EQ(SignsShown(), 3);
    PressKey(Qt::Key_Return);
    EXPECT_EQ(page->Advice(), TBillInfo::DoNotHit);
    EXPECT_EQ(SignsShown(), 0);
    for (TImage* picture : {page->imgKoszos(), page->imgKaja(), page->imgPia()})
        EXPECT_FALSE(picture->isVisible());
    EXPECT_FALSE(page->Timer1().Enabled());
    EXPECT_TRUE(page->animUtes()->isVisible());
    EXPECT_TRUE(page->animUtes()->Active());

    time.Advance(6000);
    EXPECT_EQ(SignsShown(), 0);
    EXPECT_TRUE(page->animUtes()->Active()); // it loops

    PressKey(Qt::Key_Return); // nothing more
    EXPECT_EQ(page->Advice(), TBillInfo::DoNotHit);
    EXPECT_EQ(CurrentPage(), page);

    TypeText("t");
    auto* words = CurrentPageAs<TSzogepeles>();
    ASSERT_NE(words, nullptr);
    EXPECT_EQ(words->State(), TSzogepeles::TState::Words);
    EXPECT_EQ(words->txtSzoKi()->text(), "kicsi");
}

} // namespace

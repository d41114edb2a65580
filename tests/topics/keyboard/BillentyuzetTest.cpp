#include "KeyboardCourse.h"

#include "framework/MediaAccess.h"
#include "shell/Board.h"


namespace {

class BillentyuzetTest : public KeyboardCourse {
protected:
    void SetUp() override
    {
        OpenKeyboardTopic();
        EnterGrade("Elsős");
        page = CurrentPageAs<TBillentyuzet>();
        ASSERT_NE(page, nullptr);
        sound.Clear();
    }

    void KeyDown(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyPress(page, key, modifiers);
        Settle();
    }
    void KeyUp(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyRelease(page, key, modifiers);
        Settle();
    }
    // One character with the modifiers given and no modifier key events of its own.
    void Character(QChar character, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const int key = character.toUpper().unicode();
        // The press may finish the step and close the page: the release must not reach a dead one.
        const QPointer<QWidget> target(page);
        SendKey(target, QEvent::KeyPress, key, QString(character), modifiers);
        SendKey(target, QEvent::KeyRelease, key, QString(character), modifiers);
    }

    // Pixels outside the hands equal the clean background picture.
    void ExpectNoTraces()
    {
        TImage clean(nullptr, QRect(0, 0, 1024, 768));
        DrawImageFile("billentyuzet.jpg", clean);
        const QImage& now = page->hatter()->Picture().image;
        const QImage& expected = clean.Picture().image;
        ASSERT_EQ(now.size(), expected.size());
        QRegion hands;
        for (const TGraphObj* hand : {&page->LeftHand(), &page->RightHand()})
            if (hand->Drawn())
                hands += QRect(hand->Position(), hand->Size());
        int differing = 0;
        for (int y = 0; y < now.height(); ++y)
            for (int x = 0; x < now.width(); ++x)
                if (!hands.contains(QPoint(x, y)) && now.pixel(x, y) != expected.pixel(x, y))
                    ++differing;
        EXPECT_EQ(differing, 0) << "step " << page->Step().toStdString();
    }

    TBillentyuzet* page = nullptr;
};

TEST_F(BillentyuzetTest, CapitalAndSmallTBothCompleteTheFirstStep)
{
    Character('T');
    EXPECT_EQ(page->Step(), "CAPSLOCK");
    EXPECT_EQ(sound.PlayedNames(), QStringList{"1_katt3.wav"});
    EXPECT_FALSE(BoardText("STEP_READY")); // used up by the module

    // A second page's first step, with the small letter.
    Click(page->vissza());
    ASSERT_NE(CurrentPageAs<TModulValaszt>(), nullptr);
    Click(CurrentPageAs<TModulValaszt>()->Tile(1, 1));
    EnterGrade();
    page = CurrentPageAs<TBillentyuzet>();
    ASSERT_NE(page, nullptr);
    Character('t');
    EXPECT_EQ(page->Step(), "CAPSLOCK");
}

TEST_F(BillentyuzetTest, OnlyTheStepsOwnKeyCounts)
{
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_CapsLock, Qt::Key_NumLock, Qt::Key_Return, Qt::Key_Shift})
        PressKey(key);
    TypeText("x§@~");
    EXPECT_EQ(page->Step(), "T");
    EXPECT_TRUE(sound.PlayedNames().isEmpty());

    TypeText("t");
    ASSERT_EQ(page->Step(), "CAPSLOCK");
    TypeText("t");
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(page->Step(), "CAPSLOCK");
    PressKey(Qt::Key_CapsLock);
    EXPECT_EQ(page->Step(), "SHIFT");
    EXPECT_EQ(CurrentPageAs<TBillentyuzet>(), page); // one page for the three steps
}

TEST_F(BillentyuzetTest, ShiftStepWantsShiftHeldWhileTIsTyped)
{
    TypeText("t");
    PressKey(Qt::Key_CapsLock);
    ASSERT_EQ(page->Step(), "SHIFT");

    Character('t');
    EXPECT_EQ(page->Step(), "SHIFT");

    // Shift let go before T.
    KeyDown(Qt::Key_Shift);
    EXPECT_TRUE(TBillentyuzet::ShiftHeld());
    KeyUp(Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_FALSE(TBillentyuzet::ShiftHeld());
    Character('T');
    EXPECT_EQ(page->Step(), "SHIFT");

    // Shift + T with Caps Lock on types a small t: it counts.
    KeyDown(Qt::Key_Shift);
    Character('t', Qt::ShiftModifier);
    EXPECT_EQ(CurrentPageName(), "Betuvadaszat");
    EXPECT_EQ(sound.PlayedNames(), QStringList({"1_katt3.wav", "1_katt3.wav", "1_katt3.wav"}));
}

TEST_F(BillentyuzetTest, ShiftLetGoOutOfSightIsNotHeldForever)
{
    TypeText("t");
    PressKey(Qt::Key_CapsLock);
    KeyDown(Qt::Key_Shift);
    ASSERT_TRUE(TBillentyuzet::ShiftHeld());
    // Its release went to another window; the next key shows no Shift.
    Character('t');
    EXPECT_FALSE(TBillentyuzet::ShiftHeld());
    EXPECT_EQ(page->Step(), "SHIFT");
}

TEST_F(BillentyuzetTest, HandsMoveWithoutLeavingTraces)
{
    ExpectNoTraces();
    EXPECT_TRUE(page->LeftHand().Drawn());
    EXPECT_EQ(page->LeftHand().Position(), QPoint(560, 320));
    EXPECT_EQ(page->RightHand().Position(), QPoint(960, 390));
    TypeText("t");
    ExpectNoTraces();
    EXPECT_EQ(page->RightHand().Position(), QPoint(56, 325));
    PressKey(Qt::Key_CapsLock);
    ExpectNoTraces();
    EXPECT_EQ(page->LeftHand().Position(), QPoint(-30, 365));

    // Shown again for the same step, the hands still lie on a clean keyboard.
    Board::PutText(Controller(), "STEP", "SHIFT");
    page->ShowPage();
    ExpectNoTraces();
    EXPECT_FALSE(BoardText("STEP"));
}

TEST_F(BillentyuzetTest, SecondBlockAndTheSignsThatCompleteIt)
{
    TypeText("t");
    PressKey(Qt::Key_CapsLock);
    TypeText("T");
    HuntAll();
    Continue();
    page = CurrentPageAs<TBillentyuzet>();
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->Step(), "FELSO");
    ExpectNoTraces();

    TypeText("0");
    EXPECT_EQ(page->Step(), "FELSO");
    TypeText("§");
    EXPECT_EQ(page->Step(), "ALSO");
    TypeText("v");
    EXPECT_EQ(page->Step(), "ALSO");
    TypeText("@");
    EXPECT_EQ(page->Step(), QStringLiteral("HÁROMBILL"));
    ExpectNoTraces();
    TypeText("1");
    EXPECT_EQ(CurrentPageName(), "Billentyuzet");
    TypeText("~");
    EXPECT_EQ(CurrentPageName(), "Betuvadaszat");
    EXPECT_FALSE(ErrorBoxShown()) << messages.Texts().join(" | ").toStdString();
}

TEST_F(BillentyuzetTest, FirstStepNeedsNameAndGrade)
{
    Board::PutText(Controller(), "STEP", "T");
    Controller().RemoveValue("OSZTALY");
    try {
        page->ShowPage();
        FAIL() << "no error raised";
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "OSZTALY not found in ModulValaszt");
    }
    Controller().RemoveValue("USERNAME");
    try {
        page->ShowPage();
        FAIL() << "no error raised";
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "USERNAME not found in ModulValaszt");
    }
}

} // namespace

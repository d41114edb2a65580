#include "ButtonsCourse.h"

#include "framework/SpeedButton.h"

namespace {

class LessonPagesTest : public ButtonsCourse {
protected:
    void SetUp() override { OpenButtonsTopic(); }

    template <class Page> Page* Reach(TButtonsStop stop)
    {
        GoTo(stop);
        sound.Clear();
        return On<Page>();
    }

    // A mouse button pressed and released over the control.
    void ClickWith(QWidget* widget, Qt::MouseButton button)
    {
        QTest::mousePress(widget, button, Qt::NoModifier, widget->rect().center());
        QTest::mouseRelease(widget, button, Qt::NoModifier, widget->rect().center());
        Settle();
    }
};

TEST_F(LessonPagesTest, PlainButtonClicksByMouseAndByEnter)
{
    auto* page = On<TGombGombForm>();
    ASSERT_NE(page, nullptr);
    sound.Clear();
    EXPECT_EQ(page->hatter()->Texts().first(), "Szia!");
    EXPECT_TRUE(page->imgToMenu()->isVisible());
    EXPECT_EQ(FocusedControl(), page->Button1());
    PressKey(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(CurrentPageName(), "GombSokfalytaForm");
    EXPECT_EQ(sound.PlayedNames(), QStringList({"3_gkatt1.wav"}));
}

TEST_F(LessonPagesTest, PlainInstructionStaysInsideItsPanel)
{
    auto* page = On<TGombGombForm>();
    ASSERT_NE(page, nullptr);
    const QRect written = WrittenBounds(page->hatter(), "gombok\\GombGombForm.jpg", QRect(0, 0, 1024, 768));
    EXPECT_TRUE(QRect(60, 205, 904, 192).contains(written))
        << written.x() << "," << written.y() << " " << written.width() << "x" << written.height();
}

TEST_F(LessonPagesTest, OnlyTheToolBarPageShowsTheDarkCaptionBand)
{
    // Inside the band's right end, level with the yellow captions; no page writes there.
    const auto bandShown = [this] {
        return QColor(CurrentPage()->hatter()->Picture().image.pixel(970, 428)).value() < 140;
    };
    for (TButtonsStop stop : {TButtonsStop::Plain, TButtonsStop::Shapes, TButtonsStop::Focus, TButtonsStop::Tab,
                              TButtonsStop::Inactive, TButtonsStop::Accelerator, TButtonsStop::ToolBar}) {
        SCOPED_TRACE(CurrentPageName().toStdString());
        EXPECT_EQ(bandShown(), stop == TButtonsStop::ToolBar);
        if (stop != TButtonsStop::ToolBar)
            Pass(stop);
    }
    EXPECT_EQ(CurrentPageName(), "GombEszkoztarakForm");
}

TEST_F(LessonPagesTest, ShapesRepeatClickReplaysAndTheFifthMarkOpensTovabb)
{
    auto* page = Reach<TGombSokfalytaForm>(TButtonsStop::Shapes);
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(page->animBtn()->isVisible());
    EXPECT_FALSE(page->tovabbBtn()->isEnabled());

    Click(page->noraImg());
    EXPECT_TRUE(page->animBtn()->isVisible());
    EXPECT_TRUE(page->animBtn()->FileName().endsWith("03_gomb_fajtak_cigany.avi"));
    Click(page->noraImg());
    EXPECT_EQ(sound.PlayedNames(), QStringList({"3_vcker.wav", "3_vcker.wav"}));
    EXPECT_TRUE(page->Tried(TGombSokfalytaForm::Nora));

    Click(page->ellipseImg());
    Click(page->coloredBtn());
    Click(page->normalBtn());
    EXPECT_FALSE(page->tovabbBtn()->isEnabled());
    EXPECT_TRUE(page->animBtn()->FileName().endsWith("03_gomb_fajtak_meghajlas.avi"));
    Click(page->roundImg());
    EXPECT_TRUE(page->tovabbBtn()->isEnabled());
    EXPECT_EQ(sound.PlayedNames(), QStringList({"3_vcker.wav", "3_vcker.wav", "3_rossz.wav", "3_gugi.wav", "2_taps.wav",
                                                "3_venek.wav"}));

    // A picture button sinks while it is held.
    const QPoint home = page->roundImg()->pos();
    QTest::mousePress(page->roundImg(), Qt::LeftButton);
    EXPECT_EQ(page->roundImg()->pos(), home + QPoint(2, 2));
    QTest::mouseRelease(page->roundImg(), Qt::LeftButton);
    EXPECT_EQ(page->roundImg()->pos(), home);

    Click(page->tovabbBtn());
    EXPECT_EQ(CurrentPageName(), "GombFokuszosForm");
}

TEST_F(LessonPagesTest, FocusPageSecondSpaceIgnoredAndARightReleaseEndsOnlyAfterBothKeys)
{
    auto* page = Reach<TGombFokuszosForm>(TButtonsStop::Focus);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(FocusedControl(), page->selBtn());
    EXPECT_FALSE(page->lblToDo()->isVisible());
    EXPECT_FALSE(page->okaAnim()->isVisible());

    ClickWith(page->selBtn(), Qt::RightButton);
    EXPECT_EQ(CurrentPage(), page);

    PressKey(Qt::Key_Space);
    EXPECT_TRUE(page->okaAnim()->isVisible());
    EXPECT_EQ(page->lblToDo()->text(), "Rendben, most az ENTER billentyűvel is próbáld ki!");
    PressKey(Qt::Key_Space);
    EXPECT_EQ(sound.PlayedNames(), QStringList({"3_gkatt2.wav"}));

    ClickWith(page->selBtn(), Qt::MiddleButton);
    EXPECT_EQ(CurrentPage(), page);

    // Enter counts as it is released, every time.
    SendKey(page->selBtn(), QEvent::KeyPress, Qt::Key_Return, "\r");
    EXPECT_FALSE(page->EnterTried());
    SendKey(page->selBtn(), QEvent::KeyRelease, Qt::Key_Return, "\r");
    EXPECT_EQ(page->lblToDo()->text(), "Kattints a gombra!");
    PressKey(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(sound.PlayedNames(), QStringList({"3_gkatt2.wav", "3_gkatt2.wav", "3_gkatt2.wav"}));

    ClickWith(page->selBtn(), Qt::RightButton);
    EXPECT_EQ(CurrentPageName(), "GombTabulatorForm");
    EXPECT_EQ(sound.PlayedNames().last(), "3_gkatt1.wav");
}

TEST_F(LessonPagesTest, InactivePageGoesOnByEnterOnTheFocusedActiveButton)
{
    auto* page = Reach<TGombInaktivForm>(TButtonsStop::Inactive);
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(page->Button2()->isEnabled());
    EXPECT_TRUE(page->aktivAnim()->Active());
    EXPECT_TRUE(page->inaktivAnim()->Active());
    Click(page->Button2());
    PressKey(Qt::Key_Tab);
    EXPECT_EQ(CurrentPage(), page);
    EXPECT_EQ(FocusedControl(), page->aktivbtn());
    PressKey(Qt::Key_Return);
    EXPECT_EQ(CurrentPageName(), "GombAcceleratedForm");
}

class AcceleratorPageTest : public LessonPagesTest {
protected:
    void SetUp() override
    {
        LessonPagesTest::SetUp();
        page = Reach<TGombAcceleratedForm>(TButtonsStop::Accelerator);
        ASSERT_NE(page, nullptr);
    }

    TGombAcceleratedForm* page = nullptr;
};

TEST_F(AcceleratorPageTest, SmallAndCapitalEOnceEachThenOnlyAMouseClickGoesOn)
{
    EXPECT_EQ(page->selBtn()->Caption(), "&Első karakter");
    EXPECT_EQ(page->selBtn()->Accelerator(), QChar('E'));
    TypeText("e");
    EXPECT_TRUE(page->SmallDone());
    EXPECT_EQ(page->lblToDo()->text(), "Most próbáld ki nagy E-vel is!");
    TypeText("e");
    EXPECT_FALSE(page->CapitalDone());
    EXPECT_EQ(sound.PlayedNames(), QStringList({"3_gkatt2.wav"}));

    TypeText("E"); // Shift+E
    EXPECT_TRUE(page->CapitalDone());
    EXPECT_EQ(page->selBtn()->Caption(), "Tovább");
    EXPECT_EQ(page->lblToDo()->text(), "Kattints a gombra!");

    // The caption has no letter now; keys, Space and Enter do nothing.
    TypeText("eE");
    PressKey(Qt::Key_Space);
    page->selBtn()->setFocus();
    PressKey(Qt::Key_Return);
    EXPECT_EQ(CurrentPage(), page);
    Click(page->selBtn());
    EXPECT_EQ(CurrentPageName(), "GombEszkoztarakForm");
}

TEST_F(AcceleratorPageTest, AltLetterAndCapsLockCountByTheCharacterTyped)
{
    PressKey(Qt::Key_E, Qt::AltModifier);
    EXPECT_TRUE(page->SmallDone());
    // Caps Lock on: the E key types a capital without Shift.
    SendKey(page, QEvent::KeyPress, Qt::Key_E, "E");
    SendKey(page, QEvent::KeyRelease, Qt::Key_E, "E");
    EXPECT_TRUE(page->CapitalDone());
}

TEST_F(AcceleratorPageTest, KeypadFiveSpaceAndEnterNeverClick)
{
    PressKey(Qt::Key_5, Qt::KeypadModifier);
    PressKey(Qt::Key_Space);
    PressKey(Qt::Key_Return);
    Click(page->selBtn());
    page->selBtn()->setFocus();
    PressKey(Qt::Key_Space);
    PressKey(Qt::Key_Return);
    EXPECT_FALSE(page->SmallDone() || page->CapitalDone());
    EXPECT_FALSE(page->lblToDo()->isVisible());
    EXPECT_TRUE(sound.PlayedNames().isEmpty());
}

TEST_F(LessonPagesTest, ToolBarCountsPressesAndReleases)
{
    auto* page = Reach<TGombEszkoztarakForm>(TButtonsStop::ToolBar);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->hatter()->Texts().filter("kikapcsolható").size(), 1);

    Click(page->Tool(2));
    Click(page->Tool(2));
    EXPECT_TRUE(page->Tool(2)->Down());
    EXPECT_EQ(page->ToolCount(2), 2);
    Click(page->Tool(0));
    EXPECT_FALSE(page->Tool(2)->Down());
    EXPECT_TRUE(page->Tool(0)->Down());

    // A house released by pressing another counts for the released one.
    Click(page->House(0));
    EXPECT_TRUE(page->imgHaziko()->isVisible());
    Click(page->House(1));
    EXPECT_FALSE(page->House(0)->Down());
    EXPECT_EQ(page->HouseCount(0), 1);
    EXPECT_EQ(page->HouseCount(1), 0);
    Click(page->House(1));
    EXPECT_FALSE(page->House(1)->Down());
    EXPECT_FALSE(page->imgHaziko()->isVisible());
    EXPECT_EQ(page->HouseCount(1), 1);

    Click(page->House(2));
    Click(page->House(3));
    Click(page->House(3));
    Click(page->Tool(1));
    EXPECT_FALSE(page->btnTovabb()->isEnabled());
    // The release by another house is taken into account at the next tool click or house release.
    Click(page->Tool(3));
    EXPECT_TRUE(page->btnTovabb()->isEnabled());
    // Speed buttons take no focus.
    EXPECT_NE(FocusedControl(), page->Tool(3));
}

} // namespace

#include "WindowsCourse.h"

TWndKezelForm* WindowsCourse::KezelAt(int step)
{
    auto* page = Reach<TWndKezelForm>(TWindowsStop::Kezel);
    if (!page)
        return nullptr;
    WindowsMoves::HandleWindows(*this, *page, step);
    EXPECT_EQ(page->Step(), step);
    return page;
}

namespace {

using namespace WindowsMoves;

class KezelPageTest : public WindowsCourse {};

TEST_F(KezelPageTest, WholeLessonEndsInTheModule)
{
    auto* page = Reach<TWndKezelForm>(TWindowsStop::Kezel);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Step(), 11);
    HandleWindows(*this, *page);
    EXPECT_EQ(CurrentPageName(), "WndMeretForm");
    EXPECT_FALSE(ErrorBoxShown());
}

TEST_F(KezelPageTest, CornersCountWithin49PixelsNotAt50)
{
    TWndKezelForm* page = KezelAt(11);
    ASSERT_NE(page, nullptr);
    TKezelWndForm& w1 = *page->Window1();
    MoveTo(*this, w1, QPoint(50, 0));
    EXPECT_EQ(page->Step(), 11);
    EXPECT_EQ(Text(w1.txtTask()).right(37), "Vidd az ablakot a bal felső sarokba!\n");
    MoveTo(*this, w1, QPoint(49, 49));
    EXPECT_EQ(page->Step(), 12);
    EXPECT_EQ(Text(w1.txtTask()), "Tedd a jobb alsó sarokba!");
    MoveTo(*this, w1, QPoint(1024 - 470 - 50, 768 - 415));
    EXPECT_EQ(page->Step(), 12);
    MoveTo(*this, w1, QPoint(2000, 2000)); // held at the corner
    EXPECT_EQ(w1.geometry(), QRect(554, 353, 470, 415));
    EXPECT_EQ(page->Step(), 13);
}

TEST_F(KezelPageTest, MiddleIsStrictlyWithin100Pixels)
{
    TWndKezelForm* page = KezelAt(15);
    ASSERT_NE(page, nullptr);
    TKezelWndForm& w1 = *page->Window1();
    for (QPoint wrong : {QPoint(200, 110), QPoint(200, 310), QPoint(100, 210), QPoint(300, 210)}) {
        MoveTo(*this, w1, wrong);
        EXPECT_EQ(page->Step(), 15) << wrong.x() << "," << wrong.y();
    }
    MoveTo(*this, w1, QPoint(299, 309));
    EXPECT_EQ(page->Step(), 21);
    EXPECT_EQ(w1.geometry(), QRect(200, 210, 470, 415));
    EXPECT_EQ(Colour(w1.txtTask()), QColor(0, 0, 255));
    // No button is drawn, yet the title's double click maximises.
    EXPECT_FALSE(w1.Frame().Buttons().close);
    DoubleClickTitle(*this, w1);
    EXPECT_EQ(w1.geometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(Text(w1.txtTask()), "Még 5 alkalommal duplázz a címsávra!");
}

TEST_F(KezelPageTest, DoubleClicksCountDownToTheSixth)
{
    TWndKezelForm* page = KezelAt(21);
    ASSERT_NE(page, nullptr);
    TKezelWndForm& w1 = *page->Window1();
    const char* expected[] = {"Még 5 alkalommal duplázz a címsávra!", "Még 4 alkalommal duplázz a címsávra!",
                              "Még 3 alkalommal duplázz a címsávra!", "Még 2 alkalommal duplázz a címsávra!",
                              "Na még egy utolsót duplázz a címsávra!"};
    for (const char* text : expected) {
        DoubleClickTitle(*this, w1);
        EXPECT_EQ(Text(w1.txtTask()), QString::fromUtf8(text));
    }
    EXPECT_EQ(page->Step(), 21);
    DoubleClickTitle(*this, w1);
    EXPECT_EQ(page->Step(), 22);
    EXPECT_EQ(w1.geometry(), QRect(200, 210, 470, 415));
    EXPECT_TRUE(w1.Frame().Buttons().close);
    EXPECT_TRUE(w1.Frame().Buttons().maximizeEnabled);
    EXPECT_FALSE(w1.Frame().Buttons().minimizeEnabled);
}

TEST_F(KezelPageTest, ClosedWindowComesBackAfterTwoSecondsAndAtOnceAfterTheThird)
{
    TWndKezelForm* page = KezelAt(23);
    ASSERT_NE(page, nullptr);
    TKezelWndForm& w1 = *page->Window1();
    ClickClose(*this, w1);
    EXPECT_FALSE(w1.isVisible());
    EXPECT_EQ(Text(w1.txtTask()), "Még 2 alkalommal kell bezárnod az ablakot!");
    time.Advance(1999);
    EXPECT_FALSE(w1.isVisible());
    time.Advance(1);
    EXPECT_TRUE(w1.isVisible());
    ClickClose(*this, w1);
    EXPECT_EQ(Text(w1.txtTask()), "Zárd be utoljára is az ablakot!");
    time.Advance(2000);
    ClickClose(*this, w1);
    EXPECT_TRUE(w1.isVisible());
    EXPECT_EQ(page->Step(), 24);
    EXPECT_TRUE(page->pnlTalca()->isVisible());
    EXPECT_TRUE(page->sbtnNora()->Down());
    EXPECT_EQ(Text(page->sbtnNora()->parentWidget()->findChild<QLabel*>()), "00:00");
}

TEST_F(KezelPageTest, RefusedMinimiseHidesAndTheTaskBarFetchesBack)
{
    TWndKezelForm* page = KezelAt(24);
    ASSERT_NE(page, nullptr);
    TKezelWndForm& w1 = *page->Window1();
    EXPECT_FALSE(w1.AllowMinimize);
    Click(page->sbtnNora()); // the window is visible: nothing, and the button stays down
    EXPECT_TRUE(page->sbtnNora()->Down());
    EXPECT_TRUE(w1.isVisible());
    ClickMinimize(*this, w1);
    EXPECT_FALSE(w1.isVisible());
    EXPECT_FALSE(page->sbtnNora()->Down());
    time.Advance(4000); // the closing timer no longer brings it back
    EXPECT_FALSE(w1.isVisible());
    Click(page->sbtnNora());
    EXPECT_TRUE(w1.isVisible());
    EXPECT_TRUE(page->sbtnNora()->Down());
    EXPECT_EQ(Text(w1.txtTask()), "Még kétszer ugyanezt!");
}

TEST_F(KezelPageTest, SwitchesCountOnlyBetweenWindows)
{
    TWndKezelForm* page = KezelAt(33);
    ASSERT_NE(page, nullptr);
    TKezelWndForm& w1 = *page->Window1();
    TKezelWndForm& w2 = *page->Window2();
    EXPECT_EQ(Text(w1.txtTask()), "Még 6 váltás van vissza");
    EXPECT_EQ(Text(w2.txtTask()), "Válts vissza Nórára!");
    EXPECT_TRUE(w1.Active());
    ClickAt(*this, OnlyWindow1()); // already active
    EXPECT_EQ(Text(w1.txtTask()), "Még 6 váltás van vissza");
    ClickAt(*this, OnlyWindow2());
    EXPECT_EQ(Text(w1.txtTask()), "Még 5 váltás van vissza!");
    EXPECT_TRUE(page->sbtnTivadar()->Down());
    ClickAt(*this, QPoint(900, 100)); // the desktop gives the activation back
    EXPECT_TRUE(w2.Active());
    EXPECT_EQ(Text(w1.txtTask()), "Még 5 váltás van vissza!");
    for (int i = 0; i < 4; ++i)
        ClickAt(*this, i % 2 == 0 ? OnlyWindow1() : OnlyWindow2());
    EXPECT_EQ(Text(w1.txtTask()), "Még egyszer válts ablakot!");
    ClickAt(*this, OnlyWindow1());
    EXPECT_EQ(page->Step(), 34);
    EXPECT_EQ(Text(w2.txtTask()), "Szia, most megyek. Légy szíves, és zárd be az ablakomat az X gombbal!");
}

TEST_F(KezelPageTest, OnlyWindow2sCloseEndsStep34AndWindow1TakesTheClick)
{
    TWndKezelForm* page = KezelAt(34);
    ASSERT_NE(page, nullptr);
    TKezelWndForm& w1 = *page->Window1();
    ClickClose(*this, w1);
    EXPECT_TRUE(w1.isVisible());
    EXPECT_EQ(page->Step(), 34);
    ClickClose(*this, *page->Window2());
    EXPECT_FALSE(page->Window2()->isVisible());
    EXPECT_FALSE(page->sbtnTivadar()->isVisible());
    EXPECT_TRUE(page->sbtnNora()->Down());
    EXPECT_FALSE(w1.Active());
    EXPECT_EQ(Text(w1.txtTask()), "Az én ablakom most inaktív. Kattints, és tedd aktívvá!");
    Click(w1.img());
    EXPECT_EQ(page->Step(), 100);
    EXPECT_TRUE(w1.Active());
    Click(w1.txtTask());
    EXPECT_TRUE(w1.pnlMenu()->isVisible());
    EXPECT_TRUE(w1.btnNext()->isVisible());
    EXPECT_EQ(Text(w1.StaticText1()), "Fájl     Szerkesztés    Nézet    Súgó");
}

TEST_F(KezelPageTest, TivadarsButtonFetchesHisWindowBackInTheSwitchingSteps)
{
    TWndKezelForm* page = KezelAt(35);
    ASSERT_NE(page, nullptr);
    TKezelWndForm& w2 = *page->Window2();
    Click(page->sbtnTivadar()); // window 2 is active: its button was down, now it hides
    EXPECT_FALSE(w2.isVisible());
    Click(page->sbtnNora());
    EXPECT_EQ(page->Step(), 33);
    Click(page->sbtnTivadar());
    EXPECT_TRUE(w2.isVisible());
    EXPECT_TRUE(w2.Active());
    EXPECT_TRUE(page->sbtnTivadar()->Down());
    EXPECT_FALSE(page->sbtnNora()->Down());
    HandleWindows(*this, *page);
    EXPECT_EQ(CurrentPageName(), "WndMeretForm");
}

TEST_F(KezelPageTest, IgnoredTaskBarClickKeepsItsButton)
{
    TWndKezelForm* page = KezelAt(32);
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(page->sbtnNora()->Down());
    Click(page->sbtnNora());
    EXPECT_TRUE(page->sbtnNora()->Down());
    EXPECT_TRUE(page->Window1()->isVisible());
    Click(page->sbtnTivadar());
    EXPECT_FALSE(page->sbtnTivadar()->Down());
    EXPECT_TRUE(page->sbtnNora()->Down());
    EXPECT_FALSE(page->Window2()->isEnabled());
    EXPECT_EQ(page->Step(), 32);
}

TEST_F(KezelPageTest, AltF4OnAWindowIsItsOwnClose)
{
    TWndKezelForm* page = KezelAt(22);
    ASSERT_NE(page, nullptr);
    TKezelWndForm& w1 = *page->Window1();
    ASSERT_TRUE(w1.Active());
    PressOnStage(Qt::Key_F4, Qt::AltModifier); // refused: closing is not allowed yet
    EXPECT_TRUE(w1.isVisible());
    EXPECT_EQ(CurrentPageName(), "WndKezelForm");
    EXPECT_EQ(terminations, 0);
    HandleWindows(*this, *page, 23);
    PressOnStage(Qt::Key_F4, Qt::AltModifier);
    EXPECT_FALSE(w1.isVisible());
    EXPECT_EQ(Text(w1.txtTask()), "Még 2 alkalommal kell bezárnod az ablakot!");
    EXPECT_EQ(CurrentPageName(), "WndKezelForm");
    EXPECT_EQ(terminations, 0);
}

} // namespace

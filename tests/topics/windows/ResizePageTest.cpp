#include "WindowsCourse.h"

namespace {

using namespace WindowsMoves;

class ResizePageTest : public WindowsCourse {
protected:
    static QPoint Corner(const TPracticeWindow& window) { return {window.width() - 2, window.height() - 2}; }
};

TEST_F(ResizePageTest, OnlyTheExactLimitsLeadOn)
{
    auto* page = Reach<TWndMeretForm>(TWindowsStop::Meret);
    ASSERT_NE(page, nullptr);
    TMeretWndForm& window = *page->MeretWnd();
    EXPECT_EQ(page->Step(), 1);
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
    MoveMouse(&window, Corner(window));
    EXPECT_EQ(window.cursor().shape(), Qt::SizeFDiagCursor);
    DragWindow(*this, window, Corner(window), QPoint(-239, -244)); // one pixel short in width
    EXPECT_EQ(window.geometry(), QRect(200, 210, 231, 171));
    EXPECT_EQ(page->Step(), 1);
    DragWindow(*this, window, Corner(window), QPoint(-50, -50));
    EXPECT_EQ(window.geometry(), QRect(200, 210, 230, 170));
    EXPECT_EQ(page->Step(), 2);
    EXPECT_EQ(Text(window.taskText()), "Most nagyítsd fel, amekkorára csak tudod!");
    EXPECT_EQ(Colour(window.taskText()), QColor(0, 128, 0));
    // The top-left corner grows it too, up to the screen's edges: the title stays within reach.
    DragWindow(*this, window, QPoint(1, 1), QPoint(-400, -400));
    EXPECT_EQ(window.geometry(), QRect(0, 0, 430, 380));
    EXPECT_EQ(page->Step(), 2);
    DragWindow(*this, window, Corner(window), QPoint(500, 0));
    EXPECT_EQ(window.geometry(), QRect(0, 0, 820, 380));
    EXPECT_EQ(page->Step(), 2);
    DragWindow(*this, window, Corner(window), QPoint(0, 500));
    EXPECT_EQ(window.geometry(), QRect(0, 0, 820, 555));
    EXPECT_EQ(page->Step(), 3);
    EXPECT_TRUE(window.Button1()->isVisible());
    EXPECT_EQ(window.Button1()->geometry(), QRect(368, 480, 75, 25));
    EXPECT_EQ(window.Button1()->font().family(), "Arial"); // as "Tovább" on the other windows
    EXPECT_EQ(window.Button1()->font().pixelSize(), 13);
}

TEST_F(ResizePageTest, TheWindowRefusesAllButSizing)
{
    auto* page = Reach<TWndMeretForm>(TWindowsStop::Meret);
    ASSERT_NE(page, nullptr);
    TMeretWndForm& window = *page->MeretWnd();
    MoveTo(*this, window, QPoint(0, 0));
    ClickMaximize(*this, window);
    ClickMinimize(*this, window);
    ClickClose(*this, window);
    EXPECT_EQ(window.geometry(), QRect(200, 210, 470, 415));
    EXPECT_TRUE(window.isVisible());
}

TEST_F(ResizePageTest, IntroWindowsAreLockedAndOkLeadsOn)
{
    OpenWindowsTopic();
    auto* page = On<TWndIntroForm>();
    ASSERT_NE(page, nullptr);
    TNoraForm& nora = *page->NoraForm();
    TNoraInfoForm& info = *page->NoraInfoForm();
    EXPECT_EQ(nora.geometry(), QRect(220, 180, 407, 312));
    EXPECT_EQ(nora.Client()->size(), QSize(401, 287));
    EXPECT_EQ(info.Client()->size(), QSize(619, 133));
    EXPECT_EQ(nora.Caption(), "Nóra Ablaka");
    // Nóra and the information icon are on show in their windows.
    EXPECT_EQ(nora.imgNora()->Picture().image.size(), QSize(200, 200));
    EXPECT_EQ(info.imgDlgInfo()->Picture().image.size(), QSize(32, 32));
    EXPECT_FALSE(nora.Frame().Buttons().close);
    EXPECT_TRUE(info.Frame().Buttons().close);
    EXPECT_FALSE(info.Frame().Buttons().minimize);
    for (TPracticeWindow* window : {static_cast<TPracticeWindow*>(&nora), static_cast<TPracticeWindow*>(&info)}) {
        const QRect before = window->geometry();
        MoveTo(*this, *window, QPoint(0, 0));
        DoubleClickTitle(*this, *window);
        ClickClose(*this, *window);
        EXPECT_EQ(window->geometry(), before);
        EXPECT_TRUE(window->isVisible());
    }
    PressOnStage(Qt::Key_F4, Qt::AltModifier);
    EXPECT_EQ(CurrentPageName(), "WndIntroForm");
    EXPECT_EQ(terminations, 0);
    Click(info.Button1());
    EXPECT_EQ(CurrentPageName(), "WndKezelForm");
    EXPECT_EQ(PagesAlive(), 1);
}

TEST_F(ResizePageTest, WorkAreaWindowStaysAndLeadsOn)
{
    auto* page = Reach<TWndMunkaterForm>(TWindowsStop::Munkater);
    ASSERT_NE(page, nullptr);
    TKezelWndForm& window = *page->Window();
    EXPECT_TRUE(window.anim()->IsOpen());
    EXPECT_EQ(window.anim()->y(), 0);
    EXPECT_EQ(window.txtTask()->geometry().topLeft(), QPoint(10, 206));
    EXPECT_EQ(window.btnNext()->y(), 340);
    MoveTo(*this, window, QPoint(0, 0));
    EXPECT_EQ(window.geometry(), QRect(200, 210, 470, 415));
    Click(window.btnNext());
    EXPECT_EQ(CurrentPageName(), "WndMasolForm");
}

TEST_F(ResizePageTest, LeavingMidLessonTakesItsWindowsAlong)
{
    auto* page = Reach<TWndKezelForm>(TWindowsStop::Kezel);
    ASSERT_NE(page, nullptr);
    QPointer<TKezelWndForm> window(page->Window1());
    Click(page->imgToMain());
    EXPECT_EQ(CurrentPageName(), "ModulValaszt");
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(PagesAlive(), 1);
    EXPECT_FALSE(BoardText("CHANGE_MODUL"));
}

} // namespace

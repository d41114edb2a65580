#include "MouseCourse.h"

namespace {

using DragPagesTest = MouseCourse;

TEST(HouseTest, ThePictureCountsAsHomeFortyPixelsAroundTheHouseBottomFree)
{
    EXPECT_TRUE(TEgerAHazbaBeForm::InHouse(QRect(0, 490, 168, 251)));
    EXPECT_TRUE(TEgerAHazbaBeForm::InHouse(QRect(66, 600, 168, 251))); // right edge 234
    EXPECT_FALSE(TEgerAHazbaBeForm::InHouse(QRect(67, 600, 168, 251))); // right edge 235
    EXPECT_FALSE(TEgerAHazbaBeForm::InHouse(QRect(0, 489, 168, 251)));
    EXPECT_FALSE(TEgerAHazbaBeForm::InHouse(QRect(-1, 600, 168, 251)));
}

TEST_F(DragPagesTest, TheExplanationPlaysItsClipAndGoesOnByNyilacskaOrEscape)
{
    OpenMouseTopic();
    auto* page = Stand<TEgerDragDropForm>();
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->imgToMenu()->isVisible());
    EXPECT_TRUE(page->Timer1().Enabled());
    page->Timer1().Fire();
    EXPECT_TRUE(page->nyilacskaAnim()->Active());
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(CurrentPageName(), "EgerAHazbaBeForm");

    page = Stand<TEgerDragDropForm>();
    Click(page->imgNyilacska());
    EXPECT_EQ(CurrentPageName(), "EgerAHazbaBeForm");
}

TEST_F(DragPagesTest, NyilacskaIsDraggedHomeAndStaysThere)
{
    OpenMouseTopic();
    auto* page = Stand<TEgerAHazbaBeForm>();
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(page->imgNyilacska()->isVisible());
    EXPECT_EQ(Read(page->InfoPanel()), "Vidd Nyilacskát az egér segítségével a virág mellé! Ha sikerült, tedd a "
                                       "házába! Indítás: START");
    PressKey(Qt::Key_Escape);
    ASSERT_EQ(CurrentPage(), page);

    MouseMoves::BringHome(*this, *page);
    EXPECT_TRUE(page->AtHome());
    EXPECT_EQ(page->imgNyilacska()->pos(), QPoint(40, 500));
    EXPECT_EQ(Read(page->InfoPanel()), "Ügyes vagy! Klikkelj duplán Nyilacskán, hogy a következő feladathoz lépj!");
    // The release came after the arrival: home, it makes no sound.
    EXPECT_EQ(sound.PlayedNames(), QStringList{"2_plink.wav"});

    // At home it no longer follows the pointer, nor makes a sound.
    sound.Clear();
    DragOnPage(page->imgNyilacska(), QPoint(100, 600), QPoint(400, 300));
    EXPECT_EQ(page->imgNyilacska()->pos(), QPoint(40, 500));
    EXPECT_TRUE(sound.PlayedNames().isEmpty());
    // Low on Nyilacska, where only the clear sky of the grass picture lies over it.
    EXPECT_EQ(WidgetAt(QPoint(120, 640)), page->imgNyilacska());
    DoubleClick(WidgetAt(QPoint(120, 640)), QPoint(80, 140));
    EXPECT_EQ(CurrentPageName(), "EgerBasketBallForm");
}

TEST_F(DragPagesTest, TheDragEndsOnAReleaseAnywhereAndStopsAtTheMargin)
{
    OpenMouseTopic();
    auto* page = Stand<TEgerAHazbaBeForm>();
    ASSERT_NE(page, nullptr);
    Click(page->imgStart());
    TImage* nyilacska = page->imgNyilacska();
    // Pressed on the picture, released over the background: the next move carries nothing.
    DragOnPage(nyilacska, QPoint(700, 400), QPoint(760, 420), 2);
    EXPECT_FALSE(page->Dragging());
    const QPoint after = nyilacska->pos();
    EXPECT_EQ(after, QPoint(705, 355));
    MoveMouse(nyilacska, QPoint(5, 5));
    EXPECT_EQ(nyilacska->pos(), after);

    // Far past the right edge: it stops where it first touched the margin, and a double click
    // before the house also moves on.
    DragOnPage(nyilacska, QPoint(760, 420), QPoint(1200, 420), 20);
    EXPECT_GE(nyilacska->x() + nyilacska->width() + 10, 1024);
    EXPECT_LT(nyilacska->x() + nyilacska->width(), 1024 + 22);
    EXPECT_FALSE(page->AtHome());
    DoubleClick(nyilacska);
    EXPECT_EQ(CurrentPageName(), "EgerBasketBallForm");
}

} // namespace

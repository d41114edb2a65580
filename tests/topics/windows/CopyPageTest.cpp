#include "WindowsCourse.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace {

using namespace WindowsMoves;
using TSet = std::set<int>;

class CopyPageTest : public WindowsCourse {
protected:
    TWndMasolForm* Task(int task)
    {
        auto* page = Reach<TWndMasolForm>(TWindowsStop::Masol);
        if (!page)
            return nullptr;
        while (page->Task() < task && CopyTask(*this, *page)) {
        }
        EXPECT_EQ(page->Task(), task);
        return page;
    }
    // The selection frame's colour around an icon, as painted.
    static QColor FrameColour(TMasolFrom& window, int icon)
    {
        const QImage shot = window.Client()->grab().toImage();
        return shot.pixelColor(window.Icon(icon)->geometry().topLeft() - QPoint(2, 2));
    }
};

TEST_F(CopyPageTest, FirstTaskMovesTivadarsIcon)
{
    TWndMasolForm* page = Task(1);
    ASSERT_NE(page, nullptr);
    TMasolFrom& source = *page->Source();
    EXPECT_EQ(source.Caption(), "Áthelyezés");
    EXPECT_EQ(source.Icon(1)->geometry(), QRect(20, 222, 105, 105));
    DragIcon(*this, source, 1, source); // nothing drops into the source
    EXPECT_EQ(source.Set(), TSet({1}));
    EXPECT_TRUE(page->Target()->Set().empty());
    DragIcon(*this, source, 1, *page->Target());
    EXPECT_TRUE(source.Set().empty());
    EXPECT_EQ(page->Target()->Set(), TSet({1}));
    time.Advance(400);
    EXPECT_EQ(page->Task(), 1);
    time.Advance(200);
    EXPECT_EQ(page->Task(), 2);
    EXPECT_EQ(source.Caption(), "Másolás");
    EXPECT_EQ(Colour(source.txtTask()), QColor(0, 0, 255));
}

TEST_F(CopyPageTest, TheDraggedIconsPointerSaysMoveOrCopy)
{
    TWndMasolForm* page = Task(1);
    ASSERT_NE(page, nullptr);
    TImage* icon = page->Source()->Icon(1);
    const auto moveTo = [icon](QPoint at, Qt::KeyboardModifiers modifiers) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(icon->mapToGlobal(at)), Qt::NoButton,
                         Qt::LeftButton, modifiers);
        QApplication::sendEvent(icon, &move);
    };
    QTest::mousePress(icon, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_EQ(icon->cursor().shape(), Qt::ArrowCursor);
    moveTo(QPoint(60, 50), Qt::NoModifier);
    EXPECT_EQ(icon->cursor().shape(), Qt::DragMoveCursor);
    moveTo(QPoint(70, 50), Qt::ControlModifier);
    EXPECT_EQ(icon->cursor().shape(), Qt::DragCopyCursor);
    QTest::mouseRelease(icon, Qt::LeftButton, Qt::NoModifier, QPoint(70, 50)); // dropped where it was
    EXPECT_EQ(icon->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(page->Source()->Set(), TSet({1}));
}

TEST_F(CopyPageTest, DraggingWithoutCtrlInTheCopyTaskStartsItAgain)
{
    TWndMasolForm* page = Task(2);
    ASSERT_NE(page, nullptr);
    ClickIcon(*this, *page->Source(), 2);
    DragIcon(*this, *page->Source(), 2, *page->Target());
    EXPECT_EQ(page->Source()->Set(), TSet({2, 4}));
    EXPECT_TRUE(page->Target()->Set().empty());
}

TEST_F(CopyPageTest, CtrlAsItIsAtTheDropDecides)
{
    TWndMasolForm* page = Task(2);
    ASSERT_NE(page, nullptr);
    TMasolFrom& source = *page->Source();
    // Pressed with Ctrl, let go of it before the drop: a move, and the task starts again.
    DragIcon(*this, source, 2, *page->Target(), true, false);
    EXPECT_EQ(source.Set(), TSet({2, 4}));
    EXPECT_TRUE(page->Target()->Set().empty());
    // Pressed without Ctrl, Ctrl down at the drop: a copy.
    DragIcon(*this, source, 4, *page->Target(), false, true);
    EXPECT_EQ(source.Set(), TSet({2, 4}));
    EXPECT_EQ(page->Target()->Set(), TSet({4}));
    // A Ctrl key pressed and let go in the other window changes nothing of the next drag.
    Click(page->Target()->Client(), QPoint(200, 300));
    PressKey(Qt::Key_Control, Qt::ControlModifier);
    DragIcon(*this, source, 2, *page->Target(), true, true);
    EXPECT_EQ(page->Target()->Set(), TSet({2, 4}));
    time.Advance(600);
    EXPECT_EQ(page->Task(), 3);
}

TEST_F(CopyPageTest, SelectionIsFramedBlueAndCtrlClicksAdd)
{
    TWndMasolForm* page = Task(4);
    ASSERT_NE(page, nullptr);
    TMasolFrom& source = *page->Source();
    ClickIcon(*this, source, 1);
    ClickIcon(*this, source, 4, true);
    EXPECT_EQ(FrameColour(source, 1), QColor(0, 0, 255));
    EXPECT_EQ(FrameColour(source, 2), QColor(255, 255, 255));
    EXPECT_EQ(FrameColour(source, 4), QColor(0, 0, 255));
    // A ring, not a backing: the icon's clear corner inside it stays white.
    const QImage shot = source.Client()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(source.Icon(1)->geometry().topLeft() + QPoint(2, 2)), QColor(255, 255, 255));
    ClickIcon(*this, source, 2);
    EXPECT_FALSE(source.Selected(1));
    EXPECT_TRUE(source.Selected(2));
}

TEST_F(CopyPageTest, MovingTheThreeOneByOneStartsTheTaskAgain)
{
    TWndMasolForm* page = Task(3);
    ASSERT_NE(page, nullptr);
    ClickIcon(*this, *page->Source(), 3);
    DragIcon(*this, *page->Source(), 3, *page->Target());
    EXPECT_EQ(page->Source()->Set(), TSet({3, 5, 6}));
    EXPECT_TRUE(page->Target()->Set().empty());
}

TEST_F(CopyPageTest, ShiftArrowWithNothingThatWayKeepsTheSelection)
{
    TWndMasolForm* page = Task(3);
    ASSERT_NE(page, nullptr);
    TMasolFrom& source = *page->Source();
    ClickIcon(*this, source, 3);
    PressKey(Qt::Key_Left, Qt::ShiftModifier); // icons 1 and 2 are not in this window
    PressKey(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_TRUE(source.Selected(3));
    EXPECT_FALSE(source.Selected(1));
    EXPECT_FALSE(source.Selected(2));
    PressKey(Qt::Key_Up, Qt::ShiftModifier);
    PressKey(Qt::Key_Right, Qt::ShiftModifier);
    PressKey(Qt::Key_Right, Qt::ShiftModifier);
    DragIcon(*this, source, 3, *page->Target());
    EXPECT_EQ(page->Target()->Set(), TSet({3, 5, 6}));
    EXPECT_TRUE(source.Set().empty());
}

TEST_F(CopyPageTest, DeletingOneAtATimeSucceedsButADropStartsAgain)
{
    TWndMasolForm* page = Task(5);
    ASSERT_NE(page, nullptr);
    TMasolFrom& source = *page->Source();
    ClickIcon(*this, source, 5);
    DragIcon(*this, source, 5, *page->Target());
    EXPECT_EQ(source.Set(), TSet({3, 5, 6}));
    for (int icon : {6, 3, 5}) {
        ClickIcon(*this, source, icon);
        PressKey(Qt::Key_Delete);
    }
    EXPECT_TRUE(source.Set().empty());
    time.Advance(600);
    EXPECT_EQ(page->Task(), 6);
    EXPECT_FALSE(page->Target()->isVisible());
    EXPECT_EQ(source.geometry(), QRect(307, 190, 400, 515));
    EXPECT_EQ(source.Caption(), "Címsáv");
    Click(source.Button1());
    EXPECT_EQ(CurrentPageName(), "Ertekeles");
}

} // namespace

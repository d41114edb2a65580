#include "framework/DragDrop.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// A window with a source, an accepting target and a refusing one side by side.
class DragDropTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(300, 100);
        source = new QWidget(&window);
        source->setGeometry(0, 0, 50, 50);
        source->setObjectName("pot");
        source->setCursor(Qt::PointingHandCursor);
        target = new QWidget(&window);
        target->setGeometry(100, 0, 50, 50);
        refusing = new QWidget(&window);
        refusing->setGeometry(200, 0, 50, 50);
        window.show();

        TDragDrop& drag = TDragDrop::Of(source);
        drag.FollowMouse();
        drag.OnStartDrag = [this] { ++starts; };
        TDragDrop& drop = TDragDrop::Of(target);
        drop.OnDragOver = [](QWidget& from) { return from.objectName() == "pot"; };
        drop.OnDragDrop = [this](QWidget& from, QPoint at) { drops << from.objectName() + QString(" %1,%2").arg(at.x()).arg(at.y()); };
        TDragDrop::Of(refusing).OnDragOver = [](QWidget&) { return false; };
    }

    void Move(QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), source->mapToGlobal(QPointF(at)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(source, &move);
    }

    QWidget window;
    QWidget* source = nullptr;
    QWidget* target = nullptr;
    QWidget* refusing = nullptr;
    int starts = 0;
    QStringList drops;
};

TEST_F(DragDropTest, StartsAfterFivePixelsAndDropsOnlyOnAnAcceptingTarget)
{
    QTest::mousePress(source, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    Move(QPoint(12, 12));
    EXPECT_EQ(starts, 0);
    EXPECT_FALSE(TDragDrop::Of(source).Dragging());
    Move(QPoint(13, 12));
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(source->cursor().shape(), Qt::ForbiddenCursor);
    Move(QPoint(110, 20));
    EXPECT_EQ(source->cursor().shape(), Qt::DragMoveCursor);
    Move(QPoint(210, 20));
    EXPECT_EQ(source->cursor().shape(), Qt::ForbiddenCursor);
    QTest::mouseRelease(source, Qt::LeftButton, Qt::NoModifier, QPoint(210, 20));
    EXPECT_TRUE(drops.isEmpty());
    EXPECT_EQ(source->cursor().shape(), Qt::PointingHandCursor);

    QTest::mousePress(source, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    Move(QPoint(110, 20));
    QTest::mouseRelease(source, Qt::LeftButton, Qt::NoModifier, QPoint(110, 20));
    EXPECT_EQ(drops, QStringList{"pot 10,20"});
    EXPECT_EQ(starts, 2);
}

TEST_F(DragDropTest, AClickARightPressOrAHiddenTargetDropsNothing)
{
    QTest::mouseClick(source, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mousePress(source, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    Move(QPoint(110, 20));
    QTest::mouseRelease(source, Qt::RightButton, Qt::NoModifier, QPoint(110, 20));
    EXPECT_EQ(starts, 0);

    target->hide();
    QTest::mousePress(source, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    Move(QPoint(110, 20));
    QTest::mouseRelease(source, Qt::LeftButton, Qt::NoModifier, QPoint(110, 20));
    EXPECT_EQ(starts, 1);
    EXPECT_TRUE(drops.isEmpty());
}

TEST_F(DragDropTest, ASourceThatTakesTheLeftButtonIsNeverPushedNorClicked)
{
    auto* button = new QPushButton("YES", &window);
    button->setObjectName("pot");
    button->setGeometry(0, 60, 50, 30);
    button->show();
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    TDragDrop::Of(button).FollowMouse(true);

    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_FALSE(button->isDown());
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(clicks, 0);

    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    const QPoint over = button->mapFrom(&window, QPoint(110, 20));
    QMouseEvent move(QEvent::MouseMove, QPointF(over), button->mapToGlobal(QPointF(over)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &move);
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, over);
    EXPECT_EQ(drops, QStringList{"pot 10,20"});
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(button->isDown());
}

} // namespace

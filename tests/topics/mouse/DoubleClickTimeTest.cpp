#include "MouseGamesCourse.h"
#include "support/SettingsFile.h"

#include "topics/mouse/DuplaKattForm.h"
#include "topics/mouse/MyAnim.h"

#include <QGraphicsProxyWidget>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QWindow>

namespace {

// A young child's double click is slow: two clicks about 600 ms apart, sent to the stage's window
// as the window system sends them, so that the application itself judges whether they make a
// double click.
class DoubleClickTimeTest : public MouseGamesCourse {
protected:
    void TearDown() override { QGuiApplication::styleHints()->setMouseDoubleClickInterval(desktops); }

    void SlowDoubleClick(QWidget* widget)
    {
        const QPoint canvasPoint = widget->mapTo(stage->Canvas(), widget->rect().center());
        const QPointF scenePoint = stage->Canvas()->graphicsProxyWidget()->mapToScene(QPointF(canvasPoint));
        const QPoint at = stage->viewport()->mapTo(stage.get(), stage->mapFromScene(scenePoint));
        QWindow* window = stage->windowHandle();
        // QTest puts 500 ms after each release; the second press comes 100 ms later still.
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, at, 100);
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, at);
        Settle();
    }

    const int desktops = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    QTemporaryDir folder;
};

TEST_F(DoubleClickTimeTest, TheSchoolsEightHundredMillisecondsLetASlowDoubleClickCount)
{
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(400); // a desktop's usual time
    auto* page = Show<TDuplaKattForm>();
    SlowDoubleClick(page->Character(1));
    EXPECT_FALSE(page->Character(1)->Active()) << "two slow clicks are two clicks on the desktop's time";

    const TSchoolSettings settings(WriteSettingsFile(folder, "[mouse]\ndouble_click_ms = 800\n"));
    settings.ApplyDoubleClickTime();
    SlowDoubleClick(page->Character(1));
    EXPECT_TRUE(page->Character(1)->Active()) << "Nyilacska plays on the school's double click";

    // No setting keeps the desktop's time.
    TSchoolSettings().ApplyDoubleClickTime();
    EXPECT_EQ(QGuiApplication::styleHints()->mouseDoubleClickInterval(), 800);
}

} // namespace

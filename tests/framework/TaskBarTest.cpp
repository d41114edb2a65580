#include "framework/Image.h"
#include "framework/PracticeWindow.h"
#include "framework/SpeedButton.h"
#include "framework/TaskBar.h"
#include "framework/WindowGroup.h"
#include "platform/ManualTime.h"
#include "platform/Services.h"
#include "support/QtPrinters.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

using TCommand = TPracticeWindow::TCommand;

// A 1024 x 768 desk with its task bar along the bottom and two windows that start closed.
class TaskBarTest : public ::testing::Test {
public:
    void SetUp() override
    {
        Services::SetTime(&time);
        host = std::make_unique<QWidget>();
        host->setGeometry(0, 0, 1024, 768);
        host->show();
        notes = Window("Jegyzet", QRect(100, 100, 300, 200));
        paint = Window("Rajz", QRect(300, 200, 300, 200));
        MakeBar(TTaskBar::TMode::Desktop);
    }

    void MakeBar(TTaskBar::TMode mode)
    {
        delete bar;
        bar = new TTaskBar(host.get(), mode);
        bar->show();
    }

    void TearDown() override
    {
        TWindowGroup::Retire(host.get());
        host.reset();
        Services::SetTime(nullptr);
    }

    TPracticeWindow* Window(const QString& caption, const QRect& bounds)
    {
        auto* window = new TPracticeWindow(host.get(), caption, caption);
        window->SetBounds(bounds);
        return window;
    }

    static void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(10, 10)); }
    // Where the learner sees the button: nowhere when it is not on the bar.
    QPoint Place(const TPracticeWindow* window) const
    {
        TSpeedButton* button = bar->Button(window);
        return button->isVisible() ? button->pos() : QPoint(-1, -1);
    }

    TManualTime time;
    std::unique_ptr<QWidget> host;
    TTaskBar* bar = nullptr;
    TPracticeWindow* notes = nullptr;
    TPracticeWindow* paint = nullptr;
};

TEST_F(TaskBarTest, ButtonsComeGoAndPressWithTheirWindowsAndAClickRestoresActivatesMinimises)
{
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::blue);
    bar->AddWindow(notes, QStringLiteral("Jegyzet"), icon);
    bar->AddWindow(paint, QStringLiteral("Rajz"));
    EXPECT_EQ(bar->height(), 30);
    EXPECT_EQ(bar->y(), 738);
    EXPECT_EQ(Place(notes), QPoint(-1, -1));
    EXPECT_EQ(Place(paint), QPoint(-1, -1));

    paint->Show();
    EXPECT_EQ(Place(paint), QPoint(96, 3)) << "the first shown button stands first";
    notes->Show();
    EXPECT_EQ(Place(notes), QPoint(96, 3));
    EXPECT_EQ(Place(paint), QPoint(216, 3));
    EXPECT_EQ(bar->Button(notes)->text(), "Jegyzet");
    EXPECT_FALSE(bar->Button(notes)->icon().isNull());
    EXPECT_TRUE(bar->Button(notes)->Down());
    EXPECT_FALSE(bar->Button(paint)->Down());

    notes->SystemCommand(TCommand::Minimize);
    ASSERT_FALSE(notes->isVisible());
    EXPECT_EQ(Place(notes), QPoint(96, 3)) << "a minimised window keeps its button";
    EXPECT_FALSE(bar->Button(notes)->Down());

    Click(bar->Button(notes));
    EXPECT_TRUE(notes->isVisible());
    EXPECT_TRUE(notes->Active());
    EXPECT_TRUE(bar->Button(notes)->Down());

    Click(bar->Button(paint)); // open but behind: it comes to the front
    EXPECT_TRUE(paint->Active());
    EXPECT_TRUE(bar->Button(paint)->Down());
    EXPECT_FALSE(bar->Button(notes)->Down());

    Click(bar->Button(paint)); // the active one goes down to the bar
    EXPECT_FALSE(paint->isVisible());
    EXPECT_TRUE(paint->Minimized());
    EXPECT_FALSE(bar->Button(paint)->Down());

    notes->Close();
    EXPECT_EQ(Place(notes), QPoint(-1, -1)) << "a closed window leaves the bar";
    EXPECT_EQ(Place(paint), QPoint(96, 3));
}

TEST_F(TaskBarTest, ALessonShowsAndPressesTheButtonsAndTakesTheirClicks)
{
    MakeBar(TTaskBar::TMode::Lesson);
    QList<TPracticeWindow*> clicked;
    bar->OnWindowClick = [&](TPracticeWindow& window) { clicked << &window; };
    bar->AddWindow(notes, QStringLiteral("Jegyzet"));
    notes->Show();
    EXPECT_EQ(Place(notes), QPoint(-1, -1)) << "the lesson shows the button when it wants";
    bar->Button(notes)->show();
    bar->SetDown(notes);
    Click(bar->Button(notes));
    EXPECT_TRUE(bar->Button(notes)->Down()) << "the click alone does not release it";
    EXPECT_TRUE(notes->isVisible());
    EXPECT_FALSE(notes->Active()) << "a press on the bar is a press on the page";
    bar->SetDown(nullptr);
    Click(bar->Button(notes));
    EXPECT_FALSE(bar->Button(notes)->Down());
    EXPECT_EQ(clicked, QList<TPracticeWindow*>({notes, notes}));
}

TEST_F(TaskBarTest, ClockShowsTheTimeServicesTimeEveryTenSecondsBesideTheTray)
{
    time.SetTimeOfDay(QTime(9, 5, 55));
    EXPECT_EQ(bar->Clock()->text(), "00:00");
    bar->RunClock();
    EXPECT_EQ(bar->Clock()->text(), "9:05");
    time.Advance(9999);
    EXPECT_EQ(bar->Clock()->text(), "9:05");
    time.Advance(1);
    EXPECT_EQ(bar->Clock()->text(), "9:06");
    time.SetTimeOfDay(QTime(14, 30));
    time.Advance(10000);
    EXPECT_EQ(bar->Clock()->text(), "14:30");

    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::green);
    EXPECT_EQ(bar->Clock()->parentWidget()->geometry(), QRect(964, 3, 58, 25));
    TImage* sound = bar->AddTrayIcon(icon);
    bar->AddTrayIcon(icon);
    EXPECT_EQ(bar->Clock()->parentWidget()->geometry(), QRect(904, 3, 118, 25));
    EXPECT_EQ(bar->Clock()->mapTo(bar, QPoint(0, 0)), QPoint(964, 3));
    EXPECT_EQ(sound->mapTo(bar, QPoint(0, 0)), QPoint(911, 7));
}

} // namespace

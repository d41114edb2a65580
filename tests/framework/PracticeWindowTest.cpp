#include "framework/PracticeWindow.h"
#include "framework/WindowGroup.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

using TCommand = TPracticeWindow::TCommand;
using THit = TWindowFrame::THit;

class TKeyWindow : public TPracticeWindow {
public:
    using TPracticeWindow::TPracticeWindow;
    QList<int> keys;

protected:
    void FormKeyDown(int& key, Qt::KeyboardModifiers) override
    {
        keys << key;
        if (key == 'X')
            key = 0;
    }
};

// A desk of 1024 x 768 with windows on it and a log of what their hooks heard.
class PracticeWindowTest : public ::testing::Test {
public:
    void SetUp() override
    {
        host = std::make_unique<QWidget>();
        host->setGeometry(0, 0, 1024, 768);
        host->show();
        TWindowGroup::Of(host.get()).OnHostActivate = [this] { log << "host"; };
    }

    void TearDown() override { TWindowGroup::Retire(host.get()); }

    TPracticeWindow* Window(const QString& name, const QRect& bounds)
    {
        auto* window = new TPracticeWindow(host.get(), name, name);
        window->SetBounds(bounds);
        Watch(*window);
        return window;
    }

    void Watch(TPracticeWindow& window)
    {
        const QString name = window.objectName();
        auto note = [this, name](const char* what) {
            return [this, name, what](TPracticeWindow&) { log << name + ":" + what; };
        };
        window.OnMaximized = note("maximized");
        window.OnMinimizeRequest = note("minimize");
        window.OnMoveStart = note("movestart");
        window.OnMoveEnd = note("moveend");
        window.OnRestored = note("restored");
        window.OnActivate = note("activate");
    }

    // A press at `from` (window coordinates), the mouse moved by `delta` as the pointer goes,
    // whatever the window does meanwhile, and released there.
    void Drag(TPracticeWindow* window, QPoint from, QPoint delta, int steps = 4)
    {
        QPointer<TPracticeWindow> target(window);
        const QPoint start = window->mapToGlobal(from);
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, from);
        for (int step = 1; step <= steps && target; ++step) {
            const QPoint global = start + delta * step / steps;
            QMouseEvent move(QEvent::MouseMove, QPointF(target->mapFromGlobal(global)), QPointF(global),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &move);
        }
        if (target)
            QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, target->mapFromGlobal(start + delta));
    }

    static QPoint Title(const TPracticeWindow* window) { return {window->width() / 2, 10}; }
    static QPoint Centre(const QRect& r) { return r.center(); }
    void ClickButton(TPracticeWindow* window, QRect button) { QTest::mouseClick(window, Qt::LeftButton, {}, Centre(button)); }
    QWidget* Topmost() const { return qobject_cast<QWidget*>(host->children().last()); }

    std::unique_ptr<QWidget> host;
    QStringList log;
};

} // namespace

TEST(WindowFrameTest, MetricsOfTheClassicFrame)
{
    const TWindowFrame sizeable(QSize(470, 415), TWindowFrame::TBorder::Sizeable, {}, 0);
    EXPECT_EQ(sizeable.ClientRect(), QRect(4, 23, 462, 388));
    EXPECT_EQ(sizeable.CloseButtonRect(), QRect(448, 6, 16, 14));
    EXPECT_EQ(sizeable.MaxButtonRect(), QRect(430, 6, 16, 14));
    EXPECT_EQ(sizeable.MinButtonRect(), QRect(414, 6, 16, 14));
    const TWindowFrame single(QSize(407, 315), TWindowFrame::TBorder::Single, {}, 24);
    EXPECT_EQ(single.MenuRect(), QRect(3, 22, 401, 24));
    EXPECT_EQ(single.ClientRect(), QRect(3, 46, 401, 266));
    EXPECT_EQ(TWindowFrame::OuterSize(QSize(401, 287), TWindowFrame::TBorder::Single, 0), QSize(407, 312));
}

TEST(WindowFrameTest, ButtonsFollowTheBorderIcons)
{
    struct TRow {
        TWindowFrame::TBorderIcons icons;
        TWindowFrame::TBorder border;
        bool close, minimize, maximize, minimizeEnabled, maximizeEnabled;
    };
    const TRow rows[] = {
        {{true, true, true}, TWindowFrame::TBorder::Sizeable, true, true, true, true, true},
        {{true, false, true}, TWindowFrame::TBorder::Sizeable, true, true, true, false, true},
        {{true, true, false}, TWindowFrame::TBorder::Single, true, true, true, true, false},
        {{true, false, false}, TWindowFrame::TBorder::Single, true, false, false, false, false},
        {{false, true, true}, TWindowFrame::TBorder::Sizeable, false, false, false, false, false},
        {{true, true, true}, TWindowFrame::TBorder::Dialog, true, false, false, false, false},
    };
    for (const TRow& row : rows) {
        const auto buttons = TWindowFrame(QSize(300, 200), row.border, row.icons, 0).Buttons();
        EXPECT_EQ(buttons.close, row.close);
        EXPECT_EQ(buttons.minimize, row.minimize);
        EXPECT_EQ(buttons.maximize, row.maximize);
        EXPECT_EQ(buttons.minimizeEnabled, row.minimizeEnabled);
        EXPECT_EQ(buttons.maximizeEnabled, row.maximizeEnabled);
    }
}

TEST(WindowFrameTest, GripsOnlyOnASizingBorder)
{
    const TWindowFrame sizeable(QSize(300, 200), TWindowFrame::TBorder::Sizeable, {false, false, false}, 0);
    EXPECT_EQ(sizeable.HitTest(QPoint(1, 1)), THit::TopLeft);
    EXPECT_EQ(sizeable.HitTest(QPoint(299, 199)), THit::BottomRight);
    EXPECT_EQ(sizeable.HitTest(QPoint(290, 2)), THit::TopRight);
    EXPECT_EQ(sizeable.HitTest(QPoint(2, 100)), THit::Left);
    EXPECT_EQ(sizeable.HitTest(QPoint(150, 198)), THit::Bottom);
    EXPECT_EQ(sizeable.HitTest(QPoint(150, 10)), THit::Title);
    EXPECT_EQ(sizeable.HitTest(QPoint(150, 100)), THit::Client);
    const TWindowFrame single(QSize(300, 200), TWindowFrame::TBorder::Single, {}, 0);
    EXPECT_EQ(single.HitTest(QPoint(1, 100)), THit::None);
    EXPECT_EQ(single.HitTest(QPoint(290, 10)), THit::CloseButton);
}

TEST_F(PracticeWindowTest, EachRequestObeysItsFlag)
{
    struct TRow {
        const char* name;
        bool TPracticeWindow::*flag;
        std::function<void(PracticeWindowTest&, TPracticeWindow*)> request;
        std::function<bool(TPracticeWindow*)> done;
    };
    const TRow rows[] = {
        {"move", &TPracticeWindow::AllowMove,
         [](PracticeWindowTest& t, TPracticeWindow* w) { t.Drag(w, Title(w), QPoint(50, 30)); },
         [](TPracticeWindow* w) { return w->geometry() == QRect(150, 130, 300, 200); }},
        {"size", &TPracticeWindow::AllowSize,
         [](PracticeWindowTest& t, TPracticeWindow* w) { t.Drag(w, QPoint(299, 100), QPoint(40, 0)); },
         [](TPracticeWindow* w) { return w->geometry() == QRect(100, 100, 340, 200); }},
        {"maximise", &TPracticeWindow::AllowMaximize,
         [](PracticeWindowTest& t, TPracticeWindow* w) { t.ClickButton(w, w->Frame().MaxButtonRect()); },
         [](TPracticeWindow* w) { return w->geometry() == QRect(0, 0, 1024, 768); }},
        {"minimise", &TPracticeWindow::AllowMinimize,
         [](PracticeWindowTest& t, TPracticeWindow* w) { t.ClickButton(w, w->Frame().MinButtonRect()); },
         [](TPracticeWindow* w) { return !w->isVisible() && w->Minimized(); }},
        {"close", &TPracticeWindow::AllowClose,
         [](PracticeWindowTest& t, TPracticeWindow* w) { t.ClickButton(w, w->Frame().CloseButtonRect()); },
         [](TPracticeWindow* w) { return !w->isVisible(); }},
    };
    for (const TRow& row : rows) {
        for (bool allowed : {false, true}) {
            SCOPED_TRACE(std::string(row.name) + (allowed ? " allowed" : " refused"));
            TPracticeWindow* window = Window(QStringLiteral("w"), QRect(100, 100, 300, 200));
            window->*row.flag = allowed;
            window->Show();
            row.request(*this, window);
            EXPECT_EQ(row.done(window), allowed);
            delete window;
        }
    }
}

TEST_F(PracticeWindowTest, HooksComeInTheirOrder)
{
    TPracticeWindow* window = Window(QStringLiteral("w"), QRect(100, 100, 300, 200));
    window->Show();
    log.clear();
    Drag(window, Title(window), QPoint(10, 10));
    Drag(window, Title(window), QPoint(0, 0), 1); // pressed and let go: a loop all the same
    Drag(window, QPoint(299, 100), QPoint(-20, 0));
    EXPECT_EQ(log, QStringList({"w:movestart", "w:moveend", "w:movestart", "w:moveend", "w:moveend"}));

    log.clear();
    window->AllowMinimize = false;
    ClickButton(window, window->Frame().MaxButtonRect());
    ClickButton(window, window->Frame().MaxButtonRect());
    ClickButton(window, window->Frame().MinButtonRect());
    EXPECT_EQ(log, QStringList({"w:maximized", "w:restored", "w:minimize"}));
    EXPECT_TRUE(window->isVisible());

    log.clear();
    window->AllowMove = window->AllowSize = false;
    Drag(window, Title(window), QPoint(10, 10));
    Drag(window, QPoint(299, 100), QPoint(-20, 0));
    EXPECT_TRUE(log.isEmpty()) << log.join(',').toStdString();
}

TEST_F(PracticeWindowTest, KeptOnScreenAtEveryEdgeWithItsSize)
{
    struct TRow {
        QPoint delta;
        QRect held;
    };
    const TRow rows[] = {
        {QPoint(-500, 0), QRect(0, 300, 300, 200)},
        {QPoint(900, 0), QRect(724, 300, 300, 200)},
        {QPoint(0, -500), QRect(300, 0, 300, 200)},
        {QPoint(0, 700), QRect(300, 568, 300, 200)},
    };
    for (const TRow& row : rows) {
        TPracticeWindow* window = Window(QStringLiteral("w"), QRect(300, 300, 300, 200));
        window->MoveRule = TPracticeWindow::TMoveRule::KeepOnScreen;
        window->Show();
        Drag(window, Title(window), row.delta, 6);
        EXPECT_EQ(window->geometry(), row.held) << row.delta.x() << "," << row.delta.y();
        delete window;
    }
}

TEST_F(PracticeWindowTest, FreeMoveLeavesTheScreenAndKeptMoveStartsOnlyOnIt)
{
    TPracticeWindow* window = Window(QStringLiteral("w"), QRect(300, 300, 300, 200));
    window->Show();
    Drag(window, Title(window), QPoint(-400, 600));
    EXPECT_EQ(window->geometry(), QRect(-100, 900, 300, 200));

    window->SetBounds(QRect(-10, 100, 300, 200));
    window->MoveRule = TPracticeWindow::TMoveRule::KeepOnScreen;
    log.clear();
    Drag(window, Title(window), QPoint(100, 0));
    EXPECT_EQ(window->geometry(), QRect(-10, 100, 300, 200));
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(PracticeWindowTest, SizingStopsAtTheLimits)
{
    TPracticeWindow* window = Window(QStringLiteral("w"), QRect(200, 210, 470, 415));
    window->SetSizeLimits(QSize(230, 170), QSize(820, 555));
    window->Show();
    Drag(window, QPoint(1, 1), QPoint(600, 600)); // top-left corner, far past the smallest size
    EXPECT_EQ(window->geometry(), QRect(440, 455, 230, 170));
    window->SetBounds(QRect(100, 100, 300, 200));
    Drag(window, QPoint(298, 198), QPoint(900, 900));
    EXPECT_EQ(window->geometry(), QRect(100, 100, 820, 555));
    Drag(window, QPoint(100, 554), QPoint(0, -50));
    EXPECT_EQ(window->geometry(), QRect(100, 100, 820, 505));
}

TEST_F(PracticeWindowTest, SizingStopsAtTheScreenEdges)
{
    struct TRow {
        QPoint grip;
        QPoint delta;
        QRect held;
    };
    const TRow rows[] = {
        {QPoint(1, 100), QPoint(-500, 0), QRect(0, 300, 600, 200)},
        {QPoint(298, 100), QPoint(500, 0), QRect(300, 300, 724, 200)},
        {QPoint(150, 1), QPoint(0, -500), QRect(300, 0, 300, 500)},
        {QPoint(150, 198), QPoint(0, 500), QRect(300, 300, 300, 468)},
    };
    for (const TRow& row : rows) {
        TPracticeWindow* window = Window(QStringLiteral("w"), QRect(300, 300, 300, 200));
        window->Show();
        Drag(window, row.grip, row.delta, 6);
        EXPECT_EQ(window->geometry(), row.held) << row.delta.x() << "," << row.delta.y();
        delete window;
    }
    // An edge already beyond the screen does not jump back when its drag begins.
    TPracticeWindow* window = Window(QStringLiteral("w"), QRect(-50, 300, 300, 200));
    window->Show();
    Drag(window, QPoint(1, 100), QPoint(-10, 0));
    EXPECT_EQ(window->geometry(), QRect(-50, 300, 300, 200));
    Drag(window, QPoint(1, 100), QPoint(30, 0));
    EXPECT_EQ(window->geometry(), QRect(-20, 300, 270, 200));
}

TEST_F(PracticeWindowTest, MaximisedFillsTheScreenAndStaysPut)
{
    TPracticeWindow* window = Window(QStringLiteral("w"), QRect(200, 210, 470, 415));
    window->Show();
    log.clear();
    QTest::mouseDClick(window, Qt::LeftButton, {}, Title(window));
    EXPECT_EQ(window->geometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(window->NormalBounds(), QRect(200, 210, 470, 415));
    Drag(window, Title(window), QPoint(50, 50));
    Drag(window, QPoint(1023, 300), QPoint(-50, 0));
    EXPECT_EQ(window->geometry(), QRect(0, 0, 1024, 768));
    QTest::mouseDClick(window, Qt::LeftButton, {}, Title(window));
    EXPECT_EQ(window->geometry(), QRect(200, 210, 470, 415));
    EXPECT_EQ(log, QStringList({"w:maximized", "w:restored"})); // no move or size loop while maximised

    // The title's double click needs a maximise button, drawn or not.
    window->SetBorderIcons({false, false, true});
    QTest::mouseDClick(window, Qt::LeftButton, {}, Title(window));
    EXPECT_TRUE(window->Maximized());
    window->SystemCommand(TCommand::Restore);
    window->SetBorderIcons({true, true, false});
    QTest::mouseDClick(window, Qt::LeftButton, {}, Title(window));
    EXPECT_FALSE(window->Maximized());
}

TEST_F(PracticeWindowTest, TheProgramClosesWhatTheLearnerMayNot)
{
    TPracticeWindow* window = Window(QStringLiteral("w"), QRect(100, 100, 300, 200));
    window->AllowClose = false;
    window->Show();
    ClickButton(window, window->Frame().CloseButtonRect());
    EXPECT_TRUE(window->isVisible());
    window->Close();
    EXPECT_FALSE(window->isVisible());

    using TAction = TPracticeWindow::TCloseAction;
    window->OnClose = [](TPracticeWindow&, TAction& action) { action = TAction::None; };
    window->Show();
    window->Close();
    EXPECT_TRUE(window->isVisible());

    window->OnClose = [](TPracticeWindow&, TAction& action) { action = TAction::Free; };
    QPointer<TPracticeWindow> alive(window);
    window->Close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
}

TEST_F(PracticeWindowTest, ActivationAndLayers)
{
    TPracticeWindow* onTop = Window(QStringLiteral("top"), QRect(100, 100, 300, 200));
    onTop->SetStayOnTop(true);
    TPracticeWindow* plain = Window(QStringLiteral("plain"), QRect(150, 150, 300, 200));
    onTop->Show();
    plain->Show();
    EXPECT_EQ(log, QStringList({"top:activate", "plain:activate"}));
    EXPECT_TRUE(plain->Active());
    EXPECT_EQ(Topmost(), onTop); // an ordinary window never rises above a stay-on-top one

    log.clear();
    QTest::mouseClick(onTop->Client(), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseClick(onTop->Client(), Qt::LeftButton, {}, QPoint(20, 20)); // already active: no news
    QTest::mouseClick(host.get(), Qt::LeftButton, {}, QPoint(900, 700));
    QTest::mouseClick(host.get(), Qt::LeftButton, {}, QPoint(900, 700));
    QTest::mouseClick(plain->Client(), Qt::LeftButton, {}, QPoint(270, 170)); // beside the window on top
    EXPECT_EQ(log, QStringList({"top:activate", "host", "plain:activate"}));

    log.clear();
    plain->Hide();
    EXPECT_EQ(log, QStringList({"host"}));
    onTop->setEnabled(false);
    onTop->Hide();
    onTop->Show();
    EXPECT_FALSE(onTop->Active());
    EXPECT_EQ(TWindowGroup::Of(host.get()).Active(), nullptr);
}

TEST_F(PracticeWindowTest, KeysReachTheActiveWindowFirst)
{
    auto* window = new TKeyWindow(host.get(), QStringLiteral("k"), QStringLiteral("k"));
    window->SetBounds(QRect(100, 100, 300, 200));
    window->Show();
    host->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(host.get()));
    ASSERT_TRUE(window->hasFocus());
    QTest::keyClick(window, Qt::Key_Delete);
    QTest::keyClick(window, Qt::Key_X);
    EXPECT_EQ(window->keys, QList<int>({46, 'X'}));
}

// A control that ignores a key passes it on to its parents; the window's handler hears it once.
TEST_F(PracticeWindowTest, AKeyAControlPassesOnReachesTheWindowOnce)
{
    auto* window = new TKeyWindow(host.get(), QStringLiteral("k"), QStringLiteral("k"));
    window->SetBounds(QRect(100, 100, 300, 200));
    auto* label = new QWidget(window->Client());
    label->setFocusPolicy(Qt::StrongFocus);
    window->Show();
    host->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(host.get()));
    label->setFocus();
    QTest::keyClick(label, Qt::Key_Delete);
    EXPECT_EQ(window->keys, QList<int>({46}));
}

TEST_F(PracticeWindowTest, RetiredWindowsHideWithoutTellingAnyone)
{
    TPracticeWindow* window = Window(QStringLiteral("w"), QRect(100, 100, 300, 200));
    window->Show();
    log.clear();
    TWindowGroup::Retire(host.get());
    EXPECT_FALSE(window->isVisible());
    window->SystemCommand(TCommand::Maximize);
    EXPECT_TRUE(log.isEmpty()) << log.join(',').toStdString();
}

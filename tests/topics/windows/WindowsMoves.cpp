#include "WindowsMoves.h"

#include "framework/Image.h"
#include "framework/KezelWndForm.h"
#include "framework/NoraInfoForm.h"
#include "framework/PushButton.h"
#include "framework/SpeedButton.h"
#include "support/Learner.h"
#include "topics/windows/MasolFrom.h"
#include "topics/windows/MeretWndForm.h"
#include "topics/windows/WndIntroForm.h"
#include "topics/windows/WndKezelForm.h"
#include "topics/windows/WndMasolForm.h"
#include "topics/windows/WndMeretForm.h"
#include "topics/windows/WndMunkaterForm.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>

namespace WindowsMoves {

namespace {

QPoint Title(const TPracticeWindow& window)
{
    return {window.width() / 3, 10};
}

void ClickIn(TLearner& learner, TPracticeWindow& window, const QRect& area)
{
    learner.Click(&window, area.center());
}

} // namespace

void DragWindow(TLearner& learner, TPracticeWindow& window, QPoint from, QPoint delta, int steps)
{
    // The window lies on the page: its place there turns window points into page points.
    const QPoint start = window.geometry().topLeft() + from;
    learner.DragOnPage(&window, start, start + delta, steps);
}

void MoveTo(TLearner& learner, TPracticeWindow& window, QPoint to)
{
    DragWindow(learner, window, Title(window), to - window.geometry().topLeft());
}

void ClickAt(TLearner& learner, QPoint pagePoint)
{
    learner.ClickPageAt(pagePoint);
}

void ClickClose(TLearner& learner, TPracticeWindow& window)
{
    ClickIn(learner, window, window.Frame().CloseButtonRect());
}

void ClickMaximize(TLearner& learner, TPracticeWindow& window)
{
    ClickIn(learner, window, window.Frame().MaxButtonRect());
}

void ClickMinimize(TLearner& learner, TPracticeWindow& window)
{
    ClickIn(learner, window, window.Frame().MinButtonRect());
}

void DoubleClickTitle(TLearner& learner, TPracticeWindow& window)
{
    learner.DoubleClick(&window, Title(window));
}

QPoint OnlyWindow1()
{
    return {630, 450};
}

QPoint OnlyWindow2()
{
    return {150, 400};
}

void KezelStep(TLearner& learner, TWndKezelForm& page)
{
    TKezelWndForm& w1 = *page.Window1();
    TKezelWndForm& w2 = *page.Window2();
    const int step = page.Step();
    const QPoint places[] = {{0, 0}, {1024 - 470, 768 - 415}, {1024 - 470, 0}, {0, 768 - 415}, {200, 210}};
    // Each step's events until the step moves on (at most a few more than it needs).
    for (int event = 0; event < 12 && page.Step() == step; ++event) {
        switch (step) {
        case 11:
        case 12:
        case 13:
        case 14:
        case 15: MoveTo(learner, w1, places[step - 11]); break;
        case 21: DoubleClickTitle(learner, w1); break;
        case 22: ClickMaximize(learner, w1); break;
        case 23:
            if (w1.isVisible())
                ClickClose(learner, w1);
            else
                learner.time.Advance(2000);
            break;
        case 24:
            if (w1.isVisible())
                ClickMinimize(learner, w1);
            else
                learner.Click(page.sbtnNora());
            break;
        case 25: learner.Click(page.sbtnNora()); break;
        case 32: ClickMinimize(learner, w1); break;
        case 35: learner.Click(page.sbtnNora()); break;
        case 33: ClickAt(learner, page.ActiveWindow() == 1 ? OnlyWindow2() : OnlyWindow1()); break;
        case 34: ClickClose(learner, w2); break;
        case 36: ClickAt(learner, OnlyWindow1()); break;
        case 100:
            if (w1.btnNext()->isVisible()) {
                learner.Click(w1.btnNext());
                return;
            }
            ClickAt(learner, OnlyWindow1());
            break;
        default: return;
        }
    }
}

void HandleWindows(TLearner& learner, TWndKezelForm& page, int stopAt)
{
    const QPointer<QWidget> alive(&page);
    for (int step = 0; step < 20 && alive && page.Step() != stopAt; ++step)
        KezelStep(learner, page);
}

void ResizeWindow(TLearner& learner, TWndMeretForm& page)
{
    const QPointer<QWidget> alive(&page);
    TMeretWndForm& window = *page.MeretWnd();
    const auto corner = [&window] { return QPoint(window.width() - 2, window.height() - 2); };
    if (page.Step() == 1)
        DragWindow(learner, window, corner(), QPoint(-1000, -1000));
    if (page.Step() == 2)
        DragWindow(learner, window, corner(), QPoint(1000, 1000));
    if (alive && window.Button1()->isVisible())
        learner.Click(window.Button1());
}

void ClickIcon(TLearner& learner, TMasolFrom& window, int icon, bool ctrl)
{
    QTest::mouseClick(window.Icon(icon), Qt::LeftButton, ctrl ? Qt::ControlModifier : Qt::NoModifier);
    learner.Settle();
}

void DragIcon(TLearner& learner, TMasolFrom& from, int icon, TPracticeWindow& to, bool ctrl)
{
    DragIcon(learner, from, icon, to, ctrl, ctrl);
}

void DragIcon(TLearner& learner, TMasolFrom& from, int icon, TPracticeWindow& to, bool ctrlAtPress, bool ctrlAtDrop)
{
    TImage* image = from.Icon(icon);
    const Qt::KeyboardModifiers modifiers = ctrlAtPress ? Qt::ControlModifier : Qt::NoModifier;
    const QPoint start = image->rect().center();
    const QPoint end = image->mapFromGlobal(to.Client()->mapToGlobal(to.Client()->rect().center()));
    QTest::mousePress(image, Qt::LeftButton, modifiers, start);
    for (int step = 1; step <= 4; ++step) {
        const QPoint at = start + (end - start) * step / 4;
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(image->mapToGlobal(at)), Qt::NoButton,
                         Qt::LeftButton, modifiers);
        QApplication::sendEvent(image, &move);
    }
    QTest::mouseRelease(image, Qt::LeftButton, ctrlAtDrop ? Qt::ControlModifier : Qt::NoModifier, end);
    learner.Settle();
}

bool CopyTask(TLearner& learner, TWndMasolForm& page)
{
    const QPointer<QWidget> alive(&page);
    TMasolFrom& source = *page.Source();
    TMasolFrom& target = *page.Target();
    switch (page.Task()) {
    case 1: DragIcon(learner, source, 1, target); break;
    case 2:
        ClickIcon(learner, source, 2);
        ClickIcon(learner, source, 4, true);
        DragIcon(learner, source, 4, target, true);
        break;
    case 3:
        ClickIcon(learner, source, 3);
        learner.PressKey(Qt::Key_Right, Qt::ShiftModifier);
        learner.PressKey(Qt::Key_Right, Qt::ShiftModifier);
        DragIcon(learner, source, 6, target);
        break;
    case 4:
        ClickIcon(learner, source, 4);
        ClickIcon(learner, source, 1, true);
        DragIcon(learner, source, 1, target, true);
        break;
    case 5:
        ClickIcon(learner, source, 3);
        learner.PressKey(Qt::Key_Right, Qt::ShiftModifier);
        learner.PressKey(Qt::Key_Right, Qt::ShiftModifier);
        learner.PressKey(Qt::Key_Delete);
        break;
    default: learner.Click(source.Button1()); return alive;
    }
    learner.time.Advance(600);
    return alive;
}

bool Helpful(TLearner& learner)
{
    TBaseForm* shown = learner.CurrentPage();
    const QPointer<QWidget> alive(shown);
    if (auto* page = dynamic_cast<TWndIntroForm*>(shown)) {
        learner.Click(page->NoraInfoForm()->Button1());
    } else if (auto* page = dynamic_cast<TWndKezelForm*>(shown)) {
        HandleWindows(learner, *page);
    } else if (auto* page = dynamic_cast<TWndMeretForm*>(shown)) {
        ResizeWindow(learner, *page);
    } else if (auto* page = dynamic_cast<TWndMunkaterForm*>(shown)) {
        learner.Click(page->Window()->btnNext());
    } else if (auto* page = dynamic_cast<TWndMasolForm*>(shown)) {
        for (int task = 0; task <= 6 && alive; ++task)
            CopyTask(learner, *page);
    } else {
        return false;
    }
    return true;
}

} // namespace WindowsMoves

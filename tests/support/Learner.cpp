#include "Learner.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTest>
#include <algorithm>
#include <stdexcept>

TBaseForm* TLearner::CurrentPage() const
{
    TBaseForm* top = nullptr;
    for (QObject* child : stage->Canvas()->children()) {
        auto* page = qobject_cast<TBaseForm*>(child);
        if (page && page->PageState() == TBaseForm::TPageState::Shown && page->isVisible())
            top = page; // later children lie above earlier ones
    }
    return top;
}

QString TLearner::CurrentPageName() const
{
    TBaseForm* page = CurrentPage();
    return page ? page->GetPageName() : QString();
}

int TLearner::PagesAlive() const
{
    int count = 0;
    for (QObject* child : stage->Canvas()->children())
        if (qobject_cast<TBaseForm*>(child))
            ++count;
    return count;
}

namespace {
QWidget* KeyTarget(TBaseForm* page)
{
    if (!page)
        return nullptr;
    QWidget* focus = page->focusWidget();
    return focus && (focus == page || page->isAncestorOf(focus)) ? focus : page;
}
} // namespace

void TLearner::PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = KeyTarget(CurrentPage());
    if (!target)
        throw std::logic_error("no page to type on");
    QTest::keyClick(target, key, modifiers);
    Settle();
}

void TLearner::TypeText(const QString& text)
{
    for (QChar character : text) {
        QWidget* target = KeyTarget(CurrentPage());
        if (!target)
        throw std::logic_error("no page to type on");
        // Qt names a letter's key by its capital, as a keyboard reports it.
        const auto key = static_cast<Qt::Key>(character.toUpper().unicode());
        const Qt::KeyboardModifiers shift = character.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
        QTest::sendKeyEvent(QTest::Click, target, key, QString(character), shift);
        Settle();
    }
}

void TLearner::Click(QWidget* widget, QPoint at, Qt::MouseButton button)
{
    if (!widget)
        throw std::logic_error("no widget to use the mouse on");
    if (at.x() < 0)
        at = widget->rect().center();
    QTest::mouseClick(widget, button, Qt::NoModifier, at);
    Settle();
}

void TLearner::MoveMouse(QWidget* widget, QPoint at)
{
    if (!widget)
        throw std::logic_error("no widget to use the mouse on");
    if (at.x() < 0)
        at = widget->rect().center();
    QMouseEvent move(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    Settle();
}

void TLearner::TypeOnStage(const QString& text)
{
    for (QChar character : text) {
        const auto key = static_cast<Qt::Key>(character.toUpper().unicode());
        const Qt::KeyboardModifiers shift = character.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
        QTest::sendKeyEvent(QTest::Click, stage.get(), key, QString(character), shift);
        Settle();
    }
}

void TLearner::PressOnStage(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(stage.get(), key, modifiers);
    Settle();
}

void TLearner::CommitComposed(const QString& text)
{
    // The input method hands its text to the focused control itself.
    QWidget* target = KeyTarget(CurrentPage());
    if (!target)
        throw std::logic_error("no page to type on");
    QInputMethodEvent composed;
    composed.setCommitString(text);
    QApplication::sendEvent(target, &composed);
    Settle();
}

void TLearner::ClickStage(QPoint at)
{
    QTest::mouseClick(stage->viewport(), Qt::LeftButton, Qt::NoModifier, stage->viewport()->mapFrom(stage.get(), at));
    Settle();
}


QWidget* TLearner::WidgetAt(QPoint pagePoint) const
{
    TBaseForm* page = CurrentPage();
    if (!page)
        throw std::logic_error("no page to use the mouse on");
    QWidget* control = page->childAt(pagePoint);
    return control ? control : page;
}

void TLearner::ClickPageAt(QPoint pagePoint, Qt::MouseButton button)
{
    QWidget* target = WidgetAt(pagePoint);
    Click(target, target->mapFrom(CurrentPage(), pagePoint), button);
}

void TLearner::DoubleClick(QWidget* widget, QPoint at)
{
    if (!widget)
        throw std::logic_error("no widget to use the mouse on");
    if (at.x() < 0)
        at = widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, at);
    Settle();
}

void TLearner::Drag(QWidget* widget, QPoint from, QPoint to, int steps)
{
    DragMapped(widget, from, to, steps, [](QPoint at) { return at; });
}

void TLearner::DragOnPage(QWidget* pressed, QPoint from, QPoint to, int steps)
{
    QPointer<QWidget> page(CurrentPage());
    if (!page)
        throw std::logic_error("no widget to use the mouse on");
    DragMapped(pressed, from, to, steps, [&](QPoint pagePoint) { return pressed->mapFrom(page.data(), pagePoint); });
}

void TLearner::DragMapped(QWidget* widget, QPoint from, QPoint to, int steps,
                          const std::function<QPoint(QPoint)>& local)
{
    QPointer<QWidget> target(widget);
    if (!target)
        throw std::logic_error("no widget to use the mouse on");
    QTest::mousePress(target, Qt::LeftButton, Qt::NoModifier, local(from));
    for (int step = 1; step <= steps && target; ++step) {
        const QPoint at = local(from + (to - from) * step / steps);
        QMouseEvent move(QEvent::MouseMove, QPointF(at), target->mapToGlobal(QPointF(at)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        Settle();
    }
    if (target)
        QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, local(to));
    Settle();
}

void TLearner::SendKey(QPointer<QWidget> target, QEvent::Type type, int key, const QString& text,
                       Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    if (!target)
        return;
    static quint64 stamp = 5000000;
    QKeyEvent event(type, key, modifiers, text, autoRepeat);
    event.setTimestamp(++stamp);
    QApplication::sendEvent(target, &event);
    Settle();
}

bool TLearner::ActivateStage()
{
    stage->show();
    stage->activateWindow();
    return QTest::qWaitForWindowActive(stage.get());
}

bool TLearner::ErrorBoxShown() const
{
    return std::any_of(messages.ShownBoxes().begin(), messages.ShownBoxes().end(),
                       [](const auto& box) { return box.kind == TScriptedMessageBoxes::Kind::Error; });
}

#include "WindowGroup.h"

#include "PracticeWindow.h"
#include "platform/ErrorReport.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>

namespace {
const char* const GroupName = "bitlakWindowGroup";
const char* const AboveWindows = "bitlakAboveWindows";
} // namespace

TWindowGroup::TWindowGroup(QWidget* host) : QObject(host), host_(host)
{
    setObjectName(QString::fromLatin1(GroupName));
    qApp->installEventFilter(this);
}

TWindowGroup* TWindowGroup::Find(QWidget* host)
{
    return host ? host->findChild<TWindowGroup*>(QString::fromLatin1(GroupName), Qt::FindDirectChildrenOnly)
                : nullptr;
}

TWindowGroup& TWindowGroup::Of(QWidget* host)
{
    if (TWindowGroup* group = Find(host))
        return *group;
    return *new TWindowGroup(host);
}

void TWindowGroup::Retire(QWidget* host)
{
    TWindowGroup* group = Find(host);
    if (!group)
        return;
    group->retired_ = true;
    group->OnHostActivate = nullptr;
    // Every hook is cut before the first window hides, so that no hiding reaches an owner.
    const std::vector<TPracticeWindow*> windows = group->Windows();
    for (TPracticeWindow* window : windows)
        window->CutHooks();
    for (TPracticeWindow* window : windows)
        window->Hide();
}

std::vector<TPracticeWindow*> TWindowGroup::Windows() const
{
    std::vector<TPracticeWindow*> windows;
    for (const auto& window : order_)
        if (window)
            windows.push_back(window);
    return windows;
}

void TWindowGroup::Add(TPracticeWindow* window)
{
    order_.emplace_back(window);
}

void TWindowGroup::Remove(TPracticeWindow* window)
{
    std::erase_if(order_, [window](const auto& held) { return !held || held == window; });
    if (active_ == window)
        active_ = nullptr;
}

void TWindowGroup::KeepAboveWindows(QWidget* widget)
{
    widget->setProperty(AboveWindows, true);
}

void TWindowGroup::Restack()
{
    // Ordinary windows above the host's controls, stay-on-top ones above them, each in its order,
    // and what is kept above windows on top of all.
    for (bool onTop : {false, true})
        for (TPracticeWindow* window : Windows())
            if (window->StayOnTop() == onTop)
                window->raise();
    const QObjectList children = host_->children();
    for (QObject* child : children)
        if (auto* widget = qobject_cast<QWidget*>(child); widget && widget->property(AboveWindows).toBool())
            widget->raise();
}

void TWindowGroup::Raise(TPracticeWindow* window)
{
    auto at = std::find(order_.begin(), order_.end(), window);
    if (at != order_.end()) {
        order_.erase(at);
        order_.emplace_back(window);
    }
    Restack();
}

void TWindowGroup::PassPresses(QWidget* control)
{
    passing_.emplace_back(control);
}

void TWindowGroup::Activate(TPracticeWindow* window)
{
    if (retired_ || !window || !window->isVisible() || !window->isEnabled())
        return;
    Raise(window);
    QWidget* focus = window->focusWidget();
    if (focus && focus != window && window->isAncestorOf(focus) && focus->isVisible() && focus->isEnabled())
        focus->setFocus(Qt::ActiveWindowFocusReason);
    else
        window->setFocus(Qt::ActiveWindowFocusReason);
    if (active_ == window)
        return;
    TPracticeWindow* previous = active_;
    active_ = window;
    if (previous)
        previous->update();
    window->update();
    emit ActiveChanged();
    window->Notify(window->OnActivate);
}

void TWindowGroup::ActivateHost()
{
    if (retired_ || !active_)
        return;
    TPracticeWindow* previous = active_;
    active_ = nullptr;
    previous->update();
    if (QWidget* focus = host_->focusWidget(); focus && previous->isAncestorOf(focus))
        host_->setFocus(Qt::ActiveWindowFocusReason);
    emit ActiveChanged();
    if (OnHostActivate)
        OnHostActivate();
}

void TWindowGroup::Deactivated(TPracticeWindow* window)
{
    if (active_ == window)
        ActivateHost();
}

TPracticeWindow* TWindowGroup::WindowOf(QWidget* widget) const
{
    for (QWidget* at = widget; at && at != host_; at = at->parentWidget())
        if (auto* window = qobject_cast<TPracticeWindow*>(at); window && window->parentWidget() == host_)
            return window;
    return nullptr;
}

bool TWindowGroup::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
        return false;
    auto* target = qobject_cast<QWidget*>(watched);
    // A press a control ignores travels on to its parents; activation only changes once.
    if (!target || retired_ || !host_->isVisible() || (target != host_ && !host_->isAncestorOf(target)))
        return false;
    for (const QPointer<QWidget>& control : passing_)
        if (control && (control == target || control->isAncestorOf(target)))
            return false;
    Guarded([&] {
        // What lies under the pointer decides: a press on a disabled window travels on to the host.
        const QPoint at = host_->mapFromGlobal(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        QWidget* under = host_->childAt(at);
        TPracticeWindow* window = WindowOf(under ? under : target);
        if (!window)
            ActivateHost();
        else if (window->isEnabled())
            Activate(window);
    });
    return false;
}

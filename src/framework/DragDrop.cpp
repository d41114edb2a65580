#include "DragDrop.h"

#include "platform/ErrorReport.h"

#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

TDragDrop::TDragDrop(QWidget* owner) : QObject(owner), owner_(owner)
{
}

TDragDrop& TDragDrop::Of(QWidget* owner)
{
    if (auto* existing = owner->findChild<TDragDrop*>(QString(), Qt::FindDirectChildrenOnly))
        return *existing;
    return *new TDragDrop(owner);
}

void TDragDrop::FollowMouse(bool takeLeftButton)
{
    takeLeftButton_ = takeLeftButton;
    owner_->removeEventFilter(this);
    owner_->installEventFilter(this);
}

void TDragDrop::Press(QPoint at, Qt::MouseButton button)
{
    Cancel();
    armed_ = button == Qt::LeftButton;
    pressAt_ = at;
}

bool TDragDrop::Move(QPoint at, Qt::MouseButtons buttons)
{
    if (!armed_ || !(buttons & Qt::LeftButton))
        return dragging_;
    if (!dragging_ && (at - pressAt_).manhattanLength() >= DragThreshold) {
        dragging_ = true;
        hadCursor_ = owner_->testAttribute(Qt::WA_SetCursor);
        ownCursor_ = owner_->cursor();
        if (OnStartDrag) {
            QPointer<TDragDrop> self(this);
            Guarded([this] { OnStartDrag(); });
            if (!self)
                return false;
        }
    }
    if (dragging_)
        ShowCursor(at);
    return dragging_;
}

bool TDragDrop::Release(QPoint at)
{
    const bool dragged = dragging_;
    Cancel();
    if (!dragged)
        return false;
    if (TDragDrop* target = TargetAt(at); target && target->OnDragDrop) {
        const QPoint local = target->owner_->mapFrom(owner_->window(), owner_->mapTo(owner_->window(), at));
        // The drop may close the page: nothing of the source is touched afterwards.
        Guarded([&] { target->OnDragDrop(*owner_, local); });
    }
    return true;
}

void TDragDrop::Cancel()
{
    if (dragging_) {
        if (hadCursor_)
            owner_->setCursor(ownCursor_);
        else
            owner_->unsetCursor();
    }
    armed_ = false;
    dragging_ = false;
}

void TDragDrop::ShowCursor(QPoint at)
{
    owner_->setCursor(TargetAt(at) ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
}

bool TDragDrop::Accepts(QWidget& source) const
{
    return OnDragOver && owner_->isVisible() && owner_->isEnabled() && OnDragOver(source);
}

TDragDrop* TDragDrop::TargetAt(QPoint at) const
{
    QWidget* top = owner_->window();
    for (QWidget* under = top->childAt(owner_->mapTo(top, at)); under; under = under->parentWidget()) {
        auto* helper = under->findChild<TDragDrop*>(QString(), Qt::FindDirectChildrenOnly);
        if (helper && helper->OnDragOver)
            return helper->Accepts(*owner_) ? helper : nullptr;
    }
    return nullptr;
}

bool TDragDrop::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != owner_)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        Press(mouse->position().toPoint(), mouse->button());
        return takeLeftButton_ && mouse->button() == Qt::LeftButton;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        Move(mouse->position().toPoint(), mouse->buttons());
        return takeLeftButton_ && (mouse->buttons() & Qt::LeftButton);
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        // A drag's release is no click on the source.
        return Release(mouse->position().toPoint()) || takeLeftButton_;
    }
    default:
        break;
    }
    return false;
}

#include "PopupAttachments.h"

#include "Menu.h"
#include "PopupMenu.h"
#include "PracticeWindow.h"
#include "WindowGroup.h"
#include "platform/ErrorReport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

TPopupAttachments& TPopupAttachments::Instance()
{
    static auto* attachments = new TPopupAttachments(qApp);
    return *attachments;
}

void TPopupAttachments::Set(QWidget* control, TMenu* menu)
{
    if (!menu) {
        menus_.erase(control);
        return;
    }
    if (menus_.find(control) == menus_.end())
        connect(control, &QObject::destroyed, this, [this, control] { menus_.erase(control); });
    menus_[control] = menu;
    // Qt's own menus (an edit box's cut-and-paste menu) would open as windows of their own.
    control->setContextMenuPolicy(Qt::PreventContextMenu);
    for (QWidget* inner : control->findChildren<QWidget*>())
        inner->setContextMenuPolicy(Qt::PreventContextMenu);
    // Ahead of the page's and its windows' filters, which would take the press as theirs.
    qApp->removeEventFilter(this);
    qApp->installEventFilter(this);
}

TMenu* TPopupAttachments::Get(QWidget* control) const
{
    const auto found = menus_.find(control);
    return found == menus_.end() ? nullptr : found->second.data();
}

QWidget* TPopupAttachments::Around(QWidget* widget) const
{
    for (QWidget* at = widget; at; at = at->isWindow() ? nullptr : at->parentWidget())
        if (menus_.find(at) != menus_.end())
            return at;
    return nullptr;
}

void TPopupAttachments::ActivateAround(QWidget* control)
{
    for (QWidget* at = control; at; at = at->parentWidget()) {
        if (auto* window = qobject_cast<TPracticeWindow*>(at)) {
            if (TWindowGroup* group = TWindowGroup::Find(window->parentWidget()))
                group->Activate(window);
            return;
        }
        if (TWindowGroup* group = TWindowGroup::Find(at)) {
            group->ActivateHost();
            return;
        }
    }
}

bool TPopupAttachments::eventFilter(QObject* watched, QEvent* event)
{
    // Every event of the program passes here: the type is asked first.
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::KeyPress
        && type != QEvent::ContextMenu)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    QWidget* control = widget ? Around(widget) : nullptr;
    TMenu* menu = control ? Get(control) : nullptr;
    if (!menu)
        return false;
    if (type == QEvent::ContextMenu)
        return true;
    if (!control->isVisible() || !control->isEnabled())
        return false;
    QWidget* canvas = control->window();
    QPoint at;
    if (type == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        const Qt::KeyboardModifiers held = key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        const bool menuKey = key->key() == Qt::Key_Menu && held == Qt::NoModifier;
        const bool shiftF10 = key->key() == Qt::Key_F10 && held == Qt::ShiftModifier;
        if (!menuKey && !shiftF10)
            return false;
        at = control->mapTo(canvas, control->rect().center());
    } else {
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        if (mouse->button() != Qt::RightButton)
            return false;
        at = widget->mapTo(canvas, mouse->position().toPoint());
    }
    Guarded([&] {
        QPointer<QWidget> guard(control);
        // The press goes no further, so it activates the control's window or page here.
        ActivateAround(control);
        if (!guard)
            return;
        if (TPopupMenu* popup = TPopupMenu::PopupAt(canvas, menu, at)) {
            popup->SetOwner(control);
            if (menu->OnPopup)
                menu->OnPopup();
        }
    });
    return true;
}

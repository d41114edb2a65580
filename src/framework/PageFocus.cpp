#include "PageFocus.h"

#include <QKeyEvent>
#include <QVariant>
#include <QWidget>

namespace {
const char KeepsArrows[] = "bitlakKeepsArrows";
} // namespace

void TPageFocus::KeepArrows(QWidget* control)
{
    control->setProperty(KeepsArrows, true);
}

QList<QWidget*> TPageFocus::TabStops() const
{
    QList<QWidget*> stops;
    for (QWidget* child : page_->findChildren<QWidget*>()) {
        if ((child->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && child->isVisibleTo(page_) && child->isEnabled())
            stops << child;
    }
    return stops;
}

bool TPageFocus::FocusFirst() const
{
    const QList<QWidget*> stops = TabStops();
    if (stops.isEmpty())
        return false;
    stops.first()->setFocus(Qt::TabFocusReason);
    return true;
}

bool TPageFocus::HandleKey(const QKeyEvent& event) const
{
    if (event.type() != QEvent::KeyPress)
        return false;
    const Qt::KeyboardModifiers held = event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (held != Qt::NoModifier)
        return false;
    int step = 0;
    switch (event.key()) {
    case Qt::Key_Tab: step = (event.modifiers() & Qt::ShiftModifier) ? -1 : 1; break;
    case Qt::Key_Backtab: step = -1; break;
    case Qt::Key_Right:
    case Qt::Key_Down: step = 1; break;
    case Qt::Key_Left:
    case Qt::Key_Up: step = -1; break;
    default: return false;
    }
    QWidget* focus = page_->focusWidget();
    const bool arrow = event.key() != Qt::Key_Tab && event.key() != Qt::Key_Backtab;
    if (arrow && focus && (focus->testAttribute(Qt::WA_InputMethodEnabled) || focus->property(KeepsArrows).toBool()))
        return false;
    const QList<QWidget*> stops = TabStops();
    if (stops.isEmpty())
        return !arrow;
    const qsizetype at = stops.indexOf(focus);
    const qsizetype count = stops.size();
    const qsizetype next = at < 0 ? (step > 0 ? 0 : count - 1) : (at + step + count) % count;
    stops.at(next)->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

#include "MyAnim.h"

#include "platform/ErrorReport.h"

#include <QMouseEvent>

TMyAnim::TMyAnim(QWidget* parent, int left) : TClipPlayer(parent)
{
    setGeometry(QRect(QPoint(left, 490), Size));
    setCursor(Qt::PointingHandCursor);
}

void TMyAnim::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (OnMouseDown)
        Guarded([&] { OnMouseDown(event->button()); });
}

void TMyAnim::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    // Only the left button double-clicks; another button's quick second press is a press.
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    if (OnDblClick)
        Guarded([&] { OnDblClick(); });
}

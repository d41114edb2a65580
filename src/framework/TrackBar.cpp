#include "TrackBar.h"

#include "PageFocus.h"
#include "platform/ErrorReport.h"

#include <QKeyEvent>
#include <QWheelEvent>

TTrackBar::TTrackBar(QWidget* parent, const QRect& geometry, Qt::Orientation orientation, int minimum, int maximum,
                     int position, int pageSize)
    : QSlider(orientation, parent)
{
    setGeometry(geometry);
    setRange(minimum, maximum);
    setSingleStep(1);
    setPageStep(pageSize);
    setValue(position);
    setFocusPolicy(Qt::StrongFocus);
    // Qt puts a vertical slider's minimum at the bottom.
    setInvertedAppearance(orientation == Qt::Vertical);
    TPageFocus::KeepArrows(this);
    connect(this, &QSlider::valueChanged, this, [this] {
        if (OnChange && !settingUp_)
            Guarded(OnChange);
    });
}

void TTrackBar::SetPosition(int position)
{
    settingUp_ = true;
    setValue(position);
    settingUp_ = false;
}

void TTrackBar::MoveBy(int steps)
{
    setValue(value() + steps);
}

void TTrackBar::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) {
        QSlider::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: MoveBy(-singleStep()); return;
    case Qt::Key_Right:
    case Qt::Key_Down: MoveBy(singleStep()); return;
    case Qt::Key_PageUp: MoveBy(-pageStep()); return;
    case Qt::Key_PageDown: MoveBy(pageStep()); return;
    case Qt::Key_Home: setValue(minimum()); return;
    case Qt::Key_End: setValue(maximum()); return;
    default: QSlider::keyPressEvent(event);
    }
}

void TTrackBar::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        event->ignore();
        return;
    }
    MoveBy(delta > 0 ? -singleStep() : singleStep());
    event->accept();
}

#include "SpinEdit.h"

#include "platform/ErrorReport.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <algorithm>

namespace {
constexpr int ArrowWidth = 17;
constexpr int RepeatDelay = 400;
constexpr int RepeatInterval = 60;

QToolButton* Arrow(QWidget* parent, Qt::ArrowType type, const QRect& geometry)
{
    auto* arrow = new QToolButton(parent);
    arrow->setArrowType(type);
    arrow->setGeometry(geometry);
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setAutoRepeat(true);
    arrow->setAutoRepeatDelay(RepeatDelay);
    arrow->setAutoRepeatInterval(RepeatInterval);
    return arrow;
}
} // namespace

TSpinEdit::TSpinEdit(QWidget* parent, const QRect& editGeometry, int minimum, int maximum, int increment)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), increment_(increment)
{
    setGeometry(editGeometry.adjusted(0, 0, ArrowWidth, 0));
    const int height = editGeometry.height();
    edit_ = new QLineEdit(this);
    edit_->setGeometry(0, 0, editGeometry.width(), height);
    edit_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit_));
    edit_->setContextMenuPolicy(Qt::NoContextMenu);
    edit_->setDragEnabled(false);
    edit_->setAcceptDrops(false);
    edit_->installEventFilter(this);
    edit_->setText(QStringLiteral("0"));
    up_ = Arrow(this, Qt::UpArrow, QRect(editGeometry.width(), 0, ArrowWidth, height / 2));
    down_ = Arrow(this, Qt::DownArrow, QRect(editGeometry.width(), height / 2, ArrowWidth, height - height / 2));
    up_->installEventFilter(this);
    down_->installEventFilter(this);
    connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
    connect(edit_, &QLineEdit::textChanged, this, [this] {
        if (OnChange)
            Guarded(OnChange);
    });
}

QString TSpinEdit::Text() const
{
    return edit_->text();
}

int TSpinEdit::Value() const
{
    bool number = false;
    const int value = edit_->text().toInt(&number);
    return number ? value : 0;
}

void TSpinEdit::SetText(const QString& text)
{
    edit_->setText(text);
}

void TSpinEdit::Step(int direction)
{
    const qint64 next = static_cast<qint64>(Value()) + static_cast<qint64>(direction) * increment_;
    const int value = static_cast<int>(std::clamp<qint64>(next, minimum_, maximum_));
    const QString text = QString::number(value);
    if (text != edit_->text())
        edit_->setText(text);
}

bool TSpinEdit::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::Drop: return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        // The middle button pastes the selection on X11.
        return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
    case QEvent::KeyPress:
        return watched == edit_ && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste);
    default: return QWidget::eventFilter(watched, event);
    }
}

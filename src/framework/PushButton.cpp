#include "PushButton.h"

#include "platform/ErrorReport.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

// The caption as plain text: "&&" is an ampersand, a single "&" marks the next letter.
QString PlainText(const QString& caption)
{
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        plain += caption.at(i);
    }
    return plain;
}

bool TakesText(const QWidget* widget)
{
    return widget && widget->testAttribute(Qt::WA_InputMethodEnabled);
}

} // namespace

TPushButton::TPushButton(QWidget* parent, const QRect& geometry, const QString& caption) : QPushButton(parent)
{
    setGeometry(geometry);
    setAutoDefault(false);
    SetTabStop(true);
    SetCaption(caption);
    connect(this, &QPushButton::clicked, this, [this] {
        if (OnClick)
            Guarded(OnClick);
    });
}

void TPushButton::SetCaption(const QString& caption)
{
    caption_ = caption;
    // Plain text, so that Qt registers no mnemonic of its own.
    setText(PlainText(caption));
    update();
}

QChar TPushButton::Accelerator() const
{
    for (qsizetype i = 0; i + 1 < caption_.size(); ++i) {
        if (caption_.at(i) != QLatin1Char('&'))
            continue;
        if (caption_.at(i + 1) != QLatin1Char('&'))
            return caption_.at(i + 1).toUpper();
        ++i;
    }
    return QChar();
}

void TPushButton::SetTabStop(bool tabStop)
{
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void TPushButton::SetColours(const QColor& face, const QColor& caption)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Button, face);
    colours.setColor(QPalette::ButtonText, caption);
    setPalette(colours);
}

void TPushButton::SetWordWrap(bool wrap)
{
    wordWrap_ = wrap;
    update();
}

TPushButton* TPushButton::ForAccelerator(QWidget* window, const QKeyEvent& event)
{
    if (event.type() != QEvent::KeyPress || event.isAutoRepeat())
        return nullptr;
    const Qt::KeyboardModifiers held = event.modifiers() & ~Qt::KeypadModifier;
    if (held & ~(Qt::ShiftModifier | Qt::AltModifier))
        return nullptr;
    if (!(held & Qt::AltModifier) && TakesText(window->focusWidget()))
        return nullptr;
    const QChar typed = event.text().isEmpty() ? QChar() : event.text().at(0).toUpper();
    for (TPushButton* button : window->findChildren<TPushButton*>()) {
        const QChar letter = button->Accelerator();
        if (letter.isNull() || !button->isVisible() || !button->isEnabled())
            continue;
        const bool sameKey = letter.unicode() < 0x80 && letter.isLetterOrNumber() && event.key() == letter.unicode();
        if (sameKey || typed == letter)
            return button;
    }
    return nullptr;
}

void TPushButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    // The style's own focus look waits for a keyboard move; this button draws its frame itself.
    option.state &= ~QStyle::State_HasFocus;
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown() || isChecked())
        contents.translate(1, 1);
    const int wrap = wordWrap_ ? Qt::TextWordWrap : 0;
    style()->drawItemText(&painter, contents, Qt::AlignCenter | Qt::TextShowMnemonic | wrap, palette(), isEnabled(),
                          caption_, QPalette::ButtonText);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(4, 4, -5, -5));
    }
}

void TPushButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        if (!event->isAutoRepeat())
            click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void TPushButton::focusInEvent(QFocusEvent* event)
{
    QPushButton::focusInEvent(event);
    update();
    if (entered_)
        return;
    entered_ = true;
    if (OnEnter)
        Guarded(OnEnter);
}

void TPushButton::focusOutEvent(QFocusEvent* event)
{
    QPushButton::focusOutEvent(event);
    update();
    // Losing the window keeps the button the window's control; the focus comes back to it.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        entered_ = false;
}

void TPushButton::mousePressEvent(QMouseEvent* event)
{
    if (OnMouseDown)
        Guarded([&] { OnMouseDown(event->button(), event->position().toPoint()); });
    QPushButton::mousePressEvent(event);
}

void TPushButton::mouseReleaseEvent(QMouseEvent* event)
{
    const Qt::MouseButton button = event->button();
    const QPoint at = event->position().toPoint();
    QPointer<TPushButton> self(this);
    QPushButton::mouseReleaseEvent(event);
    if (self && OnMouseUp)
        Guarded([&] { OnMouseUp(button, at); });
    event->accept();
}

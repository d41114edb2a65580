#include "MessageDialog.h"

#include "Fonts.h"
#include "PushButton.h"
#include "RaisedFrame.h"
#include "ReadAloud.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>

namespace {
constexpr int Margin = 16;
constexpr int TitleHeight = 22;
constexpr int IconSize = 32;
constexpr int MaxTextWidth = 600;
const QColor TitleColour(10, 36, 106);

QStyle::StandardPixmap IconPixmap(TDialogIcon icon)
{
    switch (icon) {
    case TDialogIcon::Information: return QStyle::SP_MessageBoxInformation;
    case TDialogIcon::Error: return QStyle::SP_MessageBoxCritical;
    case TDialogIcon::Question: return QStyle::SP_MessageBoxQuestion;
    case TDialogIcon::Warning: return QStyle::SP_MessageBoxWarning;
    }
    return QStyle::SP_MessageBoxInformation;
}
} // namespace

TMessageDialog::TMessageDialog(QWidget* canvas, const TDialogRequest& request) : QWidget(canvas), request_(request)
{
    setFont(PointFont(QStringLiteral("Arial"), 12));
    setFocusPolicy(Qt::NoFocus);
    icon_ = style()->standardIcon(IconPixmap(request.icon)).pixmap(IconSize, IconSize);
    text_ = new QLabel(request.text, this);
    text_->setFont(font());
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    std::vector<std::pair<QString, TDialogResult>> captions;
    switch (request.buttons) {
    case TDialogButtons::Ok: captions = {{QStringLiteral("OK"), TDialogResult::Ok}}; break;
    case TDialogButtons::YesNoCancel:
    case TDialogButtons::YesNo:
        captions = {{QStringLiteral("Igen"), TDialogResult::Yes}, {QStringLiteral("Nem"), TDialogResult::No}};
        if (request.buttons == TDialogButtons::YesNoCancel)
            captions.push_back({QStringLiteral("Mégsem"), TDialogResult::Cancel});
        break;
    }
    for (const auto& [caption, result] : captions) {
        auto* button = new TPushButton(this, QRect(0, 0, ButtonWidth, ButtonHeight), caption);
        button->setFont(font());
        button->SetTabStop(true);
        button->OnClick = [this, result = result] { Answer(result); };
        buttons_.push_back(button);
    }
    if (request.closeButton) {
        closeButton_ = new TPushButton(this, QRect(0, 0, 18, 16), QStringLiteral("X"));
        closeButton_->setFont(PixelFont(QStringLiteral("Arial"), 11, true));
        closeButton_->setFocusPolicy(Qt::NoFocus);
        closeButton_->OnClick = [this] { Answer(TDialogResult::Cancel); };
    }
    Layout();
    hide();
}

TMessageDialog::~TMessageDialog()
{
    qApp->removeEventFilter(this);
}

std::vector<int> TMessageDialog::ButtonLefts(int width, int count, int buttonWidth, TButtonPlacement placement)
{
    if (placement == TButtonPlacement::AroundCentre && count == 2)
        return {width / 2 - 3 - buttonWidth, width / 2 + 3};
    const int c = (width - count * buttonWidth) / 2;
    if (count == 1)
        return {c};
    std::vector<int> lefts;
    for (int i = 0; i < count; ++i)
        lefts.push_back(c + i * buttonWidth + (i == 0 ? -5 : (i - 1) * 5));
    return lefts;
}

void TMessageDialog::Layout()
{
    const QFontMetrics metrics(font());
    const int textLeft = Margin + IconSize + Margin;
    const int textTop = TitleHeight + Margin;
    const QRect needed = metrics.boundingRect(QRect(0, 0, MaxTextWidth, 10000), Qt::TextWordWrap, request_.text);
    const int textWidth = std::min(MaxTextWidth, needed.width() + 4);
    const int textHeight = std::max(needed.height(), IconSize);
    const int count = static_cast<int>(buttons_.size());
    const int width = std::max({textLeft + textWidth + Margin, count * ButtonWidth + 10 + 2 * Margin, 260});
    const int height = textTop + textHeight + Margin + ButtonsAboveBottom;
    text_->setGeometry(textLeft, textTop, textWidth, textHeight);
    setGeometry((parentWidget()->width() - width) / 2, Top, width, height);
    const std::vector<int> lefts = ButtonLefts(width, count, ButtonWidth, request_.placement);
    for (int i = 0; i < count; ++i)
        buttons_[static_cast<std::size_t>(i)]->move(lefts[static_cast<std::size_t>(i)], height - ButtonsAboveBottom);
    if (closeButton_)
        closeButton_->move(width - 3 - closeButton_->width(), 3);
}

TDialogResult TMessageDialog::Exec()
{
    focusBefore_ = window()->focusWidget();
    qApp->installEventFilter(this);
    show();
    raise();
    buttons_.front()->setFocus(Qt::OtherFocusReason);
    ReadAloud::Appeared(this);
    QEventLoop loop;
    loop_ = &loop;
    if (result_ == TDialogResult::None)
        loop.exec();
    loop_ = nullptr;
    qApp->removeEventFilter(this);
    hide();
    ReadAloud::Gone();
    if (focusBefore_ && focusBefore_->isVisible() && focusBefore_->isEnabled())
        focusBefore_->setFocus(Qt::OtherFocusReason);
    return result_;
}

void TMessageDialog::Answer(TDialogResult result)
{
    if (result_ != TDialogResult::None || result == TDialogResult::None)
        return;
    result_ = result;
    if (loop_)
        loop_->quit();
}

void TMessageDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    RaisedFrame::Draw(painter, rect());
    painter.fillRect(QRect(3, 3, width() - 6, TitleHeight - 3), TitleColour);
    painter.setPen(Qt::white);
    painter.setFont(PointFont(QStringLiteral("Arial"), 10, true));
    painter.drawText(QRect(8, 3, width() - 40, TitleHeight - 3), Qt::AlignVCenter | Qt::AlignLeft, request_.title);
    painter.drawPixmap(Margin, TitleHeight + Margin, icon_);
}

void TMessageDialog::keyPressEvent(QKeyEvent* event)
{
    if (!HandleKey(*event))
        QWidget::keyPressEvent(event);
}

bool TMessageDialog::HandleKey(const QKeyEvent& event)
{
    if (ReadAloud::HandleKey(event))
        return true;
    const int key = event.key();
    if (key == Qt::Key_Escape) {
        Answer(request_.escape);
        return true;
    }
    const bool back = key == Qt::Key_Backtab || key == Qt::Key_Left || key == Qt::Key_Up;
    if (!back && key != Qt::Key_Tab && key != Qt::Key_Right && key != Qt::Key_Down)
        return false;
    const int count = static_cast<int>(buttons_.size());
    int at = 0;
    for (int i = 0; i < count; ++i)
        if (buttons_[static_cast<std::size_t>(i)] == FocusTarget())
            at = i;
    buttons_[static_cast<std::size_t>((at + (back ? count - 1 : 1)) % count)]->setFocus(Qt::TabFocusReason);
    return true;
}

void TMessageDialog::closeEvent(QCloseEvent* event)
{
    // Alt+F4 is the title-bar close; a dialog without one stays.
    event->ignore();
    if (closeButton_)
        Answer(TDialogResult::Cancel);
}

QWidget* TMessageDialog::FocusTarget()
{
    // The window's focus child, not the application's: an inactive window (another window in
    // front, a test platform) has no application focus widget, yet its keys still come here.
    QWidget* focus = window()->focusWidget();
    if (Inside(focus))
        return focus;
    buttons_.front()->setFocus(Qt::OtherFocusReason);
    return buttons_.front();
}

bool TMessageDialog::Inside(const QObject* object) const
{
    for (const QObject* at = object; at; at = at->parent())
        if (at == this)
            return true;
    return false;
}

bool TMessageDialog::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::InputMethod:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride: break;
    default: return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    QWidget* canvas = parentWidget();
    // Input for the stage window itself travels on to the canvas; only the canvas's controls
    // outside the dialog are shut off.
    if (!widget || !(widget == canvas || canvas->isAncestorOf(widget)))
        return false;
    // A key sent on to the dialog's control travels up its parents when unused: inside the
    // dialog it goes its way, outside it ends, and it is never sent on a second time.
    if (event->type() == QEvent::KeyPress && !forwarding_) {
        // Every key is the dialog's: Esc and the focus moves here, Enter and Space on its button.
        QWidget* target = FocusTarget();
        if (Inside(widget) && widget != target)
            return false;
        if (HandleKey(*static_cast<QKeyEvent*>(event)))
            return true;
        if (widget == target)
            return false;
        forwarding_ = true;
        QApplication::sendEvent(target, event);
        forwarding_ = false;
        return true;
    }
    return !Inside(widget);
}

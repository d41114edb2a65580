#include "MessagePanel.h"

#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/PushButton.h"
#include "framework/RaisedFrame.h"

#include <QPainter>

TMessagePanel::TMessagePanel(QWidget* parent, const QRect& bounds, const QString& title)
    : QWidget(parent), bounds_(bounds), title_(title)
{
    setGeometry(bounds);
    close_ = new TPushButton(this, QRect(bounds.width() - 21, 3, 17, 15), QStringLiteral("X"));
    close_->setFont(PixelFont(QStringLiteral("Arial"), 11, true));
    close_->setFocusPolicy(Qt::NoFocus);
    close_->OnClick = [this] {
        if (OnClose)
            OnClose();
    };
}

QLabel* TMessagePanel::AddText(const QRect& geometry, const QString& text)
{
    return Controls::Label(this, geometry, text, PixelFont(QStringLiteral("Arial"), 16), Qt::black,
                           Qt::AlignLeft | Qt::AlignTop, true);
}

TPushButton* TMessagePanel::AddOk(QPoint at)
{
    auto* ok = new TPushButton(this, QRect(at, QSize(89, 25)), QStringLiteral("Ok"));
    ok->SetTabStop(true);
    return ok;
}

void TMessagePanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    RaisedFrame::Draw(painter, rect());
    painter.fillRect(QRect(2, 2, width() - 4, StripHeight), QColor(10, 36, 106));
    painter.setPen(Qt::white);
    painter.setFont(PixelFont(QStringLiteral("Arial"), 13, true));
    painter.drawText(QRect(8, 2, width() - 36, StripHeight), Qt::AlignVCenter | Qt::AlignLeft, title_);
}

void TMessagePanel::resizeEvent(QResizeEvent*)
{
    KeepBounds();
}

void TMessagePanel::moveEvent(QMoveEvent*)
{
    KeepBounds();
}

void TMessagePanel::KeepBounds()
{
    if (geometry() != bounds_)
        setGeometry(bounds_);
}

#include "FocusPanel.h"

#include "framework/Image.h"

#include <QPainter>

TFocusPanel::TFocusPanel(QWidget* parent, const QRect& geometry) : QWidget(parent)
{
    setGeometry(geometry);
    setFocusPolicy(Qt::StrongFocus);
    img_ = new TImage(this, rect().adjusted(1, 1, -1, -1));
    img_->SetCenter(true);
    img_->setFocusProxy(this);
}

void TFocusPanel::paintEvent(QPaintEvent*)
{
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TFocusPanel::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void TFocusPanel::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

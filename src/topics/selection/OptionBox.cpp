#include "OptionBox.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

TOptionBox::TOptionBox(QWidget* parent, const QRect& geometry, int tag, const QImage& on, const QImage& off)
    : QAbstractButton(parent), tag_(tag), on_(on), off_(off)
{
    setGeometry(geometry);
    setCheckable(true);
    setAutoExclusive(false);
    setFocusPolicy(Qt::StrongFocus);
}

void TOptionBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QImage& picture = isChecked() ? on_ : off_;
    const int top = (height() - picture.height()) / 2;
    painter.drawImage(0, top, picture);
    const QRect caption(picture.width(), 0, width() - picture.width(), height());
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect used = painter.boundingRect(caption, Qt::AlignLeft | Qt::AlignVCenter, text());
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, text());
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = used.adjusted(-2, 0, 2, 0);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

#include "ImgPanel.h"

#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/RaisedFrame.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

TImgPanel::TImgPanel(QWidget* parent) : QWidget(parent)
{
    resize(90, 90);
    face_ = new TImage(this, QRect(0, 10, 90, 90));
    face_->hide();
    // The face passes its clicks to the card.
    face_->setAttribute(Qt::WA_TransparentForMouseEvents);
    title_ = new QLabel(this);
    title_->setGeometry(2, 1, 86, 16);
    title_->setFont(PointFont(QStringLiteral("Arial"), 10, true));
    title_->setAutoFillBackground(true);
    QPalette colours = title_->palette();
    colours.setColor(QPalette::Window, QColor(0, 0, 221));
    colours.setColor(QPalette::WindowText, QColor(238, 238, 238));
    title_->setPalette(colours);
    // A label lets presses through to its parent; the strip is no part of the card's body.
    title_->installEventFilter(this);
    setCursor(Qt::PointingHandCursor);
}

void TImgPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    RaisedFrame::Draw(painter, rect());
}

void TImgPanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && OnClick)
        OnClick();
}

bool TImgPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == title_
        && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease
            || event->type() == QEvent::MouseButtonDblClick))
        return true;
    return QWidget::eventFilter(watched, event);
}

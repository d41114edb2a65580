#include "WindowsGuidesArt.h"

#include "WindowsPlaces.h"
#include "mediakit/ArtKit.h"
#include "mediakit/cast/CastPictures.h"

#include <QPainter>
#include <QRadialGradient>

namespace WindowsGuidesArt {

namespace {

namespace Places = WindowsPlaces;

using ArtKit::Transparent;

// The whole guide in the picture, feet on its bottom edge; a pose that ducks keeps the standing scale.
QImage Figure(TCastMember who, const TCastPose& pose, QSize size = Places::GuidePicture)
{
    QImage image = Transparent(size);
    QPainter painter(&image);
    PaintCastMember(painter, who, pose, QRectF(QPointF(2, 2), QSizeF(size) - QSizeF(4, 4)));
    return image;
}

} // namespace

QImage NoraWelcome()
{
    TCastPose pose = TCastPose::Standing();
    pose.leftArm = {62, 40, TCastHand::Open};
    pose.rightArm = pose.leftArm;
    pose.mouth = TCastMouth::Grin;
    pose.eyebrows = 0.5;
    pose.headTilt = -4;
    return Figure(TCastMember::Nora, pose, Places::NoraWindowPicture);
}

QImage NoraPointingUp()
{
    TCastPose pose = TCastPose::Pointing(75);
    pose.mouth = TCastMouth::Grin;
    return Figure(TCastMember::Nora, pose);
}

QImage NoraCrouching()
{
    return Figure(TCastMember::Nora, TCastPose::Crouching());
}

QImage Nora()
{
    return Figure(TCastMember::Nora, TCastPose::Talking(0.25));
}

QImage NoraOk()
{
    return Figure(TCastMember::Nora, TCastPose::ThumbsUp());
}

QImage Tivadar()
{
    return Figure(TCastMember::Tivadar, TCastPose::Waving(0.25));
}

QImage Icon(TCastMember who)
{
    TCastPose pose = TCastPose::Standing();
    pose.mouth = TCastMouth::Grin;
    QImage head = Transparent(Places::Icon);
    {
        QPainter painter(&head);
        PaintCastHead(painter, who, pose, QRectF(6, 4, 92, 92));
    }
    // A soft shadow below and to the right, as desktop icons cast: the head's own outline,
    // darkened and spread by a few shifted copies.
    QImage shadow = head;
    {
        QPainter painter(&shadow);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(shadow.rect(), QColor(0x20, 0x28, 0x38));
    }
    QImage icon = Transparent(Places::Icon);
    QPainter painter(&icon);
    painter.setOpacity(0.09);
    for (const QPoint shift : {QPoint(2, 3), QPoint(3, 4), QPoint(4, 5), QPoint(3, 2), QPoint(2, 5), QPoint(4, 3)})
        painter.drawImage(shift, shadow);
    painter.setOpacity(1);
    painter.drawImage(0, 0, head);
    painter.end();
    return icon;
}

QImage InfoIcon()
{
    QImage image = Transparent(Places::InfoIcon);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(16, 16);
    QRadialGradient disc(centre - QPointF(5, 6), 20);
    disc.setColorAt(0, QColor(0x7c, 0xb4, 0xff));
    disc.setColorAt(0.55, QColor(0x2a, 0x6c, 0xe0));
    disc.setColorAt(1, QColor(0x14, 0x3e, 0xa8));
    painter.setPen(QPen(QColor(0x0e, 0x2c, 0x80), 1.2));
    painter.setBrush(disc);
    painter.drawEllipse(centre, 14.6, 14.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(16, 8.8), 2.6, 2.6);
    painter.drawRoundedRect(QRectF(13.6, 13, 4.8, 12.5), 1.4, 1.4);
    painter.drawRoundedRect(QRectF(11.8, 13, 5, 2.2), 0.8, 0.8);     // the serif at the top left
    painter.drawRoundedRect(QRectF(11.8, 23.6, 8.4, 2.2), 0.8, 0.8); // the foot
    painter.end();
    return image;
}

std::vector<QImage> NoraWaving()
{
    return CastPictures::CastClip(TCastMember::Nora, TCastPose::Waving, 2, Places::Clip, ClipFrames);
}

} // namespace WindowsGuidesArt

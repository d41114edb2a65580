#include "PanelsPicturesArt.h"

#include "mediakit/ArtKit.h"
#include "mediakit/cast/CastPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace PanelsPicturesArt {

namespace {

// A speech bubble with a short text, its tail pointing down to tail.
void Bubble(QPainter& p, const QRectF& rect, QPointF tail, const QString& text, QColor ink)
{
    QPainterPath bubble = ArtKit::RoundedRect(rect, rect.height() / 2);
    QPainterPath pointer;
    pointer.moveTo(rect.center().x() - 8, rect.bottom() - 2);
    pointer.lineTo(tail);
    pointer.lineTo(rect.center().x() + 8, rect.bottom() - 2);
    pointer.closeSubpath();
    p.setPen(QPen(ink, 2));
    p.setBrush(Qt::white);
    p.drawPath(bubble.united(pointer));
    p.setFont(ArtKit::LabelFont(int(rect.height() * 0.7)));
    p.drawText(rect, Qt::AlignCenter, text);
}

} // namespace

QImage Runner(TCastMember who)
{
    QImage image = ArtKit::Transparent(QSize(119, 119));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Speed lines trailing on the left, the runner leaning into the run on the right.
    p.setPen(QPen(QColor(0x4a, 0x8f, 0xd8, 170), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(4 + 6 * i, 52 + 16 * i), QPointF(26 + 6 * i, 52 + 16 * i));
    TCastPose pose = TCastPose::Waving(0.3);
    pose.bodyLean = 10;
    pose.mouth = TCastMouth::Grin;
    pose.lookX = 1;
    pose.tailWag = 1;
    if (who == TCastMember::Lemezke)
        pose.bounce = 6;
    PaintCastMember(p, who, pose, QRectF(24, 4, 94, 112));
    p.end();
    return image;
}

QImage TabGuide(TCastMember who)
{
    TCastPose pose = TCastPose::Waving(0.25);
    if (who == TCastMember::Nyilacska)
        pose = TCastPose::Pointing(180);
    else if (who == TCastMember::Odon)
        pose = TCastPose::Talking(0.3);
    else if (who == TCastMember::Lemezke)
        pose = TCastPose::ThumbsUp();
    // The tab sheet's own light grey round the frame.
    return CastPictures::FramedPortrait(who, pose, QColor(0xf0, 0xf0, 0xf0));
}

QImage WaitingLemezke()
{
    QImage image = ArtKit::Transparent(QSize(102, 186));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Bubble(p, QRectF(26, 6, 50, 40), QPointF(44, 62), QStringLiteral("?"), QColor(0x2c, 0x5a, 0xa8));
    PaintCastMember(p, TCastMember::Lemezke, TCastPose::Standing(), QRectF(2, 80, 98, 104));
    p.end();
    return image;
}

QImage JumpingLemezke()
{
    QImage image = ArtKit::Transparent(QSize(102, 186));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    ArtKit::DrawStar(p, QPointF(18, 20), 12, QColor(0xff, 0xc8, 0x20));
    ArtKit::DrawStar(p, QPointF(82, 30), 14, QColor(0xff, 0x70, 0x90));
    ArtKit::DrawStar(p, QPointF(50, 12), 9, QColor(0x60, 0xc0, 0x60));
    TCastPose pose = TCastPose::Waving(0.5);
    pose.mouth = TCastMouth::Grin;
    pose.tailWag = 1;
    pose.headTilt = -10;
    PaintCastMember(p, TCastMember::Lemezke, pose, QRectF(2, 46, 98, 104));
    // The floor he jumped off, with a little shadow left behind.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x40, 0x50, 50));
    p.drawEllipse(QPointF(51, 178), 34, 5);
    p.end();
    return image;
}

} // namespace PanelsPicturesArt

#include "SelectionPicturesArt.h"

#include "SelectionPlaces.h"
#include "mediakit/ArtKit.h"
#include "mediakit/TopicStyle.h"
#include "mediakit/cast/Cast.h"
#include "mediakit/cast/CastPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace SelectionPicturesArt {

namespace Places = SelectionPlaces;

namespace {

const QColor Outline(0x3a, 0x2e, 0x2a);
const QColor CapRed(0xe2, 0x32, 0x36);

using ArtKit::Transparent;

QImage Figure(TCastMember who, const TCastPose& pose, QSize size)
{
    QImage image = Transparent(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintCastMember(painter, who, pose, QRectF(QPointF(2, 2), QSizeF(size) - QSizeF(4, 4)));
    return image;
}

TCastPose Glad()
{
    TCastPose pose = TCastPose::ThumbsUp();
    pose.mouth = TCastMouth::Grin;
    pose.eyebrows = 0.6;
    return pose;
}

TCastPose Sad()
{
    TCastPose pose = TCastPose::Standing();
    pose.mouth = TCastMouth::Frown;
    pose.eyebrows = -0.8;
    pose.headNod = 0.4;
    pose.headTilt = -6;
    pose.leftArm = {.shoulder = 4, .elbow = 2, .hand = TCastHand::Relaxed};
    pose.rightArm = pose.leftArm;
    return pose;
}

// The smallest rectangle holding the pixels of the cap's red.
QRect CapArea(const QImage& image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = QColor::fromRgba(image.pixel(x, y));
            const int hue = c.hsvHue();
            if (c.alpha() > 200 && c.hsvSaturation() > 150 && c.value() > 170 && (hue < 8 || hue > 350))
                area |= QRect(x, y, 1, 1);
        }
    return area;
}

void Petal(QPainter& p, QPointF centre, double angle, double length, double width, QColor colour)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    QPainterPath petal(QPointF(0, 0));
    petal.cubicTo(QPointF(width, -length * 0.3), QPointF(width * 0.8, -length), QPointF(0, -length));
    petal.cubicTo(QPointF(-width * 0.8, -length), QPointF(-width, -length * 0.3), QPointF(0, 0));
    p.setPen(QPen(Outline, 1.6));
    p.setBrush(colour);
    p.drawPath(petal);
    p.restore();
}

// A racer: the guide running, with speed lines behind; back turns the picture round.
QImage Racer(TCastMember who, QSize size, bool back)
{
    TCastPose pose = TCastPose::Standing();
    pose.mouth = TCastMouth::Grin;
    pose.headTurn = 0.8;
    pose.lookX = 1;
    pose.bodyLean = 8;
    pose.leftArm = {.shoulder = -30, .elbow = 60, .hand = TCastHand::Fist};
    pose.rightArm = {.shoulder = 50, .elbow = 50, .hand = TCastHand::Fist};
    QImage image = Transparent(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (back) {
        p.translate(size.width(), 0);
        p.scale(-1, 1);
    }
    p.setPen(QPen(QColor(0x6a, 0x8a, 0xc8), 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(2, size.height() * (0.45 + 0.12 * i)), QPointF(16, size.height() * (0.45 + 0.12 * i)));
    PaintCastMember(p, who, pose, QRectF(12, 2, size.width() - 14, size.height() - 4));
    return image;
}

void Radio(QPainter& p, QRectF r, bool on)
{
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient face(r.center() - QPointF(r.width() * 0.15, r.height() * 0.15), r.width() * 0.6);
    face.setColorAt(0, Qt::white);
    face.setColorAt(1, QColor(0xe4, 0xe8, 0xf0));
    p.setBrush(face);
    p.setPen(QPen(QColor(0x4a, 0x5a, 0x78), r.width() * 0.08));
    p.drawEllipse(r);
    if (on) {
        const QRectF dot = r.adjusted(r.width() * 0.27, r.height() * 0.27, -r.width() * 0.27, -r.height() * 0.27);
        QRadialGradient fill(dot.center() - QPointF(dot.width() * 0.2, dot.height() * 0.2), dot.width() * 0.7);
        fill.setColorAt(0, QColor(0x7a, 0xe0, 0x7a));
        fill.setColorAt(1, QColor(0x1f, 0x8a, 0x3c));
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawEllipse(dot);
    }
}

void CheckBox(QPainter& p, QRectF r, bool ticked)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(0x4a, 0x5a, 0x78), 2.4));
    p.drawRoundedRect(r, 3, 3);
    if (ticked) {
        QPainterPath tick(r.topLeft() + QPointF(r.width() * 0.2, r.height() * 0.52));
        tick.lineTo(r.topLeft() + QPointF(r.width() * 0.42, r.height() * 0.76));
        tick.lineTo(r.topLeft() + QPointF(r.width() * 0.82, r.height() * 0.24));
        p.setPen(QPen(QColor(0x1f, 0x8a, 0x3c), r.width() * 0.16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    }
}

// The mouse pointer drawn with its tip on the point.
void Pointer(QPainter& p, QPointF tip)
{
    QPainterPath arrow(tip);
    for (QPointF d : {QPointF(0, 22), QPointF(6, 17), QPointF(10, 26), QPointF(14, 24), QPointF(10, 15), QPointF(17, 15)})
        arrow.lineTo(tip + d);
    arrow.closeSubpath();
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
}

} // namespace

QImage SpinTivadar(bool happy)
{
    return Figure(TCastMember::Tivadar, happy ? Glad() : Sad(), Places::SpinTivadar.size());
}

QImage SpinNora(bool happy)
{
    TCastPose pose = happy ? TCastPose::Waving(0.3) : Sad();
    if (happy) {
        pose.mouth = TCastMouth::Grin;
        pose.eyebrows = 0.6;
    }
    return Figure(TCastMember::Nora, pose, Places::SpinNora.size());
}

QImage Hat(int step)
{
    const QSize size = Places::HatPicture;
    QImage image = Transparent(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Head and shoulders: the figure's feet lie far below the picture.
    TCastPose pose = TCastPose::Standing();
    pose.mouth = TCastMouth::Grin;
    pose.lookX = step == 0 ? 0 : 0.6;
    PaintCastMemberAt(p, TCastMember::Tivadar, pose, QPointF(size.width() / 2.0, size.height() + 190), 1.3);
    p.end();

    // The cast's own cap is replaced by one turned step × 45° about the crown: its peak over the
    // forehead becomes skin, the crown is painted over.
    const QRect cap = CapArea(image);
    const QRectF crown = QRectF(cap).adjusted(-2, -2, 2, -cap.height() * 0.42);
    const QColor skin(0xfb, 0xcd, 0xa8);
    for (int y = int(crown.bottom()) - 4; y <= cap.bottom() + 3; ++y)
        for (int x = cap.left() - 3; x <= cap.right() + 3; ++x) {
            const QColor c = QColor::fromRgba(image.pixel(x, y));
            const int hue = c.hsvHue();
            if (c.alpha() > 200 && c.hsvSaturation() > 120 && c.value() > 150 && (hue < 12 || hue > 345))
                image.setPixel(x, y, skin.rgba());
        }
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double turn = step * M_PI / 4;
    const QPointF brim(crown.center().x(), crown.bottom());
    const double along = std::sin(turn);   // -1 .. 1 across the picture
    const double toward = std::cos(turn);  // 1 facing us, -1 facing away
    auto peak = [&] {
        const double w = crown.width() * (0.5 + 0.4 * std::abs(toward));
        const QPointF c = brim + QPointF(along * crown.width() * 0.55, toward * crown.height() * 0.12);
        QPainterPath path;
        path.addEllipse(c, w / 2, crown.height() * (0.12 + 0.1 * std::abs(along)));
        p.setPen(QPen(Outline, 2.4));
        p.setBrush(CapRed.darker(115));
        p.drawPath(path);
    };
    if (toward < 0)
        peak();
    // The crown: a dome over the head with its seams and the button on top.
    QPainterPath dome(QPointF(crown.left(), brim.y()));
    dome.cubicTo(crown.left(), crown.top() - 4, crown.right(), crown.top() - 4, crown.right(), brim.y());
    dome.quadTo(crown.center().x(), brim.y() + 6, crown.left(), brim.y());
    QLinearGradient light(crown.topLeft(), crown.bottomRight());
    light.setColorAt(0, CapRed.lighter(125));
    light.setColorAt(1, CapRed.darker(110));
    p.setPen(QPen(Outline, 2.4));
    p.setBrush(light);
    p.drawPath(dome);
    p.setPen(QPen(CapRed.darker(140), 1.4));
    p.setBrush(Qt::NoBrush);
    const QPointF top(crown.center().x(), crown.top() + 2);
    for (double s : {-0.5, 0.5}) {
        const double x = crown.center().x() + (std::sin(turn) * 0.3 + s) * crown.width() * 0.5;
        p.drawLine(top, QPointF(x, brim.y()));
    }
    p.setPen(QPen(Outline, 1.5));
    p.setBrush(CapRed.darker(120));
    p.drawEllipse(top, 5, 4);
    if (toward >= 0)
        peak();
    if (toward < 0) {
        // Turned away, the cap shows its back to us: the opening over the strap above the brim.
        const double w = crown.width() * 0.42 * -toward;
        const QPointF mid(crown.center().x() - along * crown.width() * 0.3, brim.y() + 1);
        QPainterPath opening(mid - QPointF(w / 2, 0));
        opening.cubicTo(mid + QPointF(-w / 2, -w * 0.75), mid + QPointF(w / 2, -w * 0.75), mid + QPointF(w / 2, 0));
        opening.closeSubpath();
        p.setPen(QPen(Outline, 2));
        p.setBrush(QColor(0x8a, 0x52, 0x2e));
        p.drawPath(opening);
        p.setPen(QPen(QColor(0xf2, 0xf2, 0xf2), 4, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(mid + QPointF(-w / 2 + 3, -3), mid + QPointF(w / 2 - 3, -3));
    }
    // A turning arrow round the crown.
    p.setPen(QPen(QColor(0x3f, 0x7f, 0xe0), 3, Qt::SolidLine, Qt::RoundCap));
    const QRectF ring = crown.adjusted(-18, -22, 18, -crown.height() * 0.3);
    p.drawArc(ring, 30 * 16, 120 * 16);
    ArtKit::DrawArrowHeadLine(p, QPainterPath(), ring.center() + QPointF(-ring.width() * 0.43, -ring.height() * 0.25),
                              QPointF(-1, 0.6), 3, QColor(0x3f, 0x7f, 0xe0));
    return image;
}

QImage Flowers(int step)
{
    const QSize size = Places::FlowerPicture;
    QImage image = Transparent(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double open = step / 4.0;
    // The pot.
    QPainterPath pot(QPointF(60, 220));
    pot.lineTo(160, 220);
    pot.lineTo(148, 296);
    pot.lineTo(72, 296);
    pot.closeSubpath();
    p.setPen(QPen(Outline, 2.5));
    p.setBrush(QColor(0xc8, 0x6a, 0x3a));
    p.drawPath(pot);
    p.drawRoundedRect(QRectF(52, 210, 116, 20), 5, 5);
    const QColor petals[] = {QColor(0xf2, 0x62, 0x9c), QColor(0xff, 0xc9, 0x3c), QColor(0x8e, 0x5c, 0xd0)};
    const QPointF heads[] = {QPointF(60, 90), QPointF(112, 60), QPointF(164, 96)};
    for (int i = 0; i < 3; ++i) {
        // Asleep the heads droop; awake they stand up on straight stems.
        const QPointF head = heads[i] + QPointF(0, (1 - open) * 50);
        p.setPen(QPen(QColor(0x3a, 0x8a, 0x3a), 4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath stem(QPointF(100 + i * 10, 212));
        stem.quadTo(QPointF(head.x(), 170), head);
        p.drawPath(stem);
        p.setPen(QPen(Outline, 1.6));
        p.setBrush(QColor(0x5c, 0xb0, 0x4a));
        p.drawEllipse(QRectF(head.x() - 26 + i * 6, 160, 24, 12));
        p.save();
        p.translate(head);
        p.rotate((1 - open) * (i == 1 ? 30 : (i == 0 ? -45 : 45)));
        const int count = 8;
        const double spread = 14 + 166 * open; // a closed bud's petals stand together
        for (int k = 0; k < count; ++k)
            Petal(p, QPointF(0, 0), -spread / 2 + spread * k / (count - 1) + (open > 0.99 ? k * 0 : 0),
                  20 + 6 * open, 9 + 4 * open, petals[i]);
        if (open > 0.99)
            for (int k = 0; k < count; ++k)
                Petal(p, QPointF(0, 0), 180 + (k - 3.5) * 360.0 / count / 1.0, 26, 13, petals[i]);
        // The flower's face: eyes shut asleep, open and smiling awake.
        p.setPen(QPen(Outline, 1.6));
        p.setBrush(QColor(0xff, 0xe6, 0x7a));
        p.drawEllipse(QPointF(0, 0), 12, 12);
        p.setPen(QPen(Outline, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        if (step < 2) {
            p.drawArc(QRectF(-8, -4, 6, 4), 180 * 16, 180 * 16);
            p.drawArc(QRectF(2, -4, 6, 4), 180 * 16, 180 * 16);
        } else {
            p.setBrush(Outline);
            p.drawEllipse(QPointF(-4, -3), 1.6, 2 * (step - 1) / 3.0 + 0.6);
            p.drawEllipse(QPointF(4, -3), 1.6, 2 * (step - 1) / 3.0 + 0.6);
            p.setBrush(Qt::NoBrush);
        }
        p.drawArc(QRectF(-5, -1, 10, 4 + 3 * open), 200 * 16, 140 * 16);
        p.restore();
    }
    if (step == 0) {
        p.setPen(QColor(0x3f, 0x7f, 0xe0));
        p.setFont(ArtKit::LabelFont(18));
        p.drawText(QPointF(150, 40), QStringLiteral("z"));
        p.drawText(QPointF(168, 24), QStringLiteral("Z"));
    }
    return image;
}

QImage RacingTivadar(bool back)
{
    return Racer(TCastMember::Tivadar, Places::Tivadar, back);
}

QImage RacingNyilacska(bool back)
{
    return Racer(TCastMember::Nyilacska, Places::Nyilacska, back);
}

QImage RadioOn()
{
    QImage image = Transparent(Places::RadioPicture);
    QPainter p(&image);
    Radio(p, QRectF(2, 2, 28, 28), true);
    return image;
}

QImage RadioOff()
{
    QImage image = Transparent(Places::RadioPicture);
    QPainter p(&image);
    Radio(p, QRectF(2, 2, 28, 28), false);
    return image;
}

std::vector<QImage> RadioAndCheckBoxClip()
{
    // Twelve steps, two frames each: the pointer switches the second radio on, then the first
    // again, ticks both check boxes and clears them, so the loop starts over where it began.
    std::vector<QImage> frames;
    const int steps = 12;
    const QPointF radios[] = {QPointF(40, 110), QPointF(40, 160)};
    const QPointF boxes[] = {QPointF(190, 110), QPointF(190, 160)};
    const QPointF pointerAt[steps] = {radios[1], radios[1], radios[1], radios[0], radios[0], boxes[0],
                                      boxes[0],  boxes[1],  boxes[1],  boxes[0],  boxes[0],  boxes[1]};
    for (int i = 0; i < steps * 2; ++i) {
        const int step = i / 2;
        QImage frame(QSize(320, 240), QImage::Format_RGB32);
        frame.fill(CastPictures::PageColour);
        QPainter p(&frame);
        p.setRenderHint(QPainter::Antialiasing);
        ArtKit::DrawCard(p, QRectF(10, 60, 140, 150), {.radius = 10, .fill = QColor(0xfb, 0xfb, 0xf6),
                                                      .edge = QPen(TopicStyle::Accent(QStringLiteral("JELOLESEK")), 2)});
        ArtKit::DrawCard(p, QRectF(170, 60, 140, 150), {.radius = 10, .fill = QColor(0xfb, 0xfb, 0xf6),
                                                       .edge = QPen(QColor(0x3f, 0x7f, 0xe0), 2)});
        p.setPen(QColor(0x33, 0x3f, 0x52));
        p.setFont(ArtKit::LabelFont(15));
        p.drawText(QRectF(10, 20, 140, 30), Qt::AlignCenter, QStringLiteral("egy választás"));
        p.drawText(QRectF(170, 20, 140, 30), Qt::AlignCenter, QStringLiteral("több választás"));
        const int radioOn = step >= 2 && step < 4 ? 1 : 0;
        Radio(p, QRectF(radios[0], QSizeF(26, 26)), radioOn == 0);
        Radio(p, QRectF(radios[1], QSizeF(26, 26)), radioOn == 1);
        CheckBox(p, QRectF(boxes[0], QSizeF(26, 26)), step >= 6 && step < 10);
        CheckBox(p, QRectF(boxes[1], QSizeF(26, 26)), step >= 8 && step < 11);
        p.setPen(QColor(0x33, 0x3f, 0x52));
        p.setFont(ArtKit::LabelFont(14, false));
        for (int row = 0; row < 2; ++row) {
            p.drawText(radios[row] + QPointF(34, 19), row == 0 ? QStringLiteral("van") : QStringLiteral("nincs"));
            p.drawText(boxes[row] + QPointF(34, 19), row == 0 ? QStringLiteral("kedves") : QStringLiteral("ügyes"));
        }
        Pointer(p, pointerAt[step] + QPointF(16, 16));
        frames.push_back(frame);
    }
    frames.push_back(frames.front());
    return frames;
}

} // namespace SelectionPicturesArt

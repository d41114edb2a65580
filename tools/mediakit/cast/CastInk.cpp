#include "CastInk.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace CastInk {
namespace {

constexpr double Degree = std::numbers::pi / 180;

QPen OutlinePen(double width)
{
    return QPen(Outline(), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace

QColor Outline()
{
    return QColor(0x3b, 0x2c, 0x2e);
}

QPainterPath Ellipse(QPointF centre, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

void Shape(QPainter& painter, const QPainterPath& path, const QColor& colour, double outline)
{
    const QRectF bounds = path.boundingRect();
    QLinearGradient light(bounds.topLeft(), bounds.bottomRight());
    light.setColorAt(0, colour.lighter(118));
    light.setColorAt(0.55, colour);
    light.setColorAt(1, colour.darker(112));
    painter.setBrush(light);
    painter.setPen(outline > 0 ? OutlinePen(outline) : QPen(Qt::NoPen));
    painter.drawPath(path);
}

void Flat(QPainter& painter, const QPainterPath& path, const QColor& colour, double outline)
{
    painter.setBrush(colour);
    painter.setPen(outline > 0 ? OutlinePen(outline) : QPen(Qt::NoPen));
    painter.drawPath(path);
}

void Shade(QPainter& painter, const QPainterPath& inside, const QPainterPath& shade, const QColor& colour)
{
    painter.save();
    painter.setClipPath(inside, Qt::IntersectClip);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(shade);
    painter.restore();
}

void Limb(QPainter& painter, const QPainterPath& line, double width, const QColor& colour, double outline)
{
    painter.setBrush(Qt::NoBrush);
    if (outline > 0) {
        painter.setPen(OutlinePen(width + 2 * outline));
        painter.drawPath(line);
    }
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(line);
}

void Stroke(QPainter& painter, const QPainterPath& path, const QColor& colour, double width)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(path);
}

QPainterPath Segment(QPointF from, QPointF to)
{
    QPainterPath path;
    path.moveTo(from);
    path.lineTo(to);
    return path;
}

void RotateAbout(QPainter& painter, QPointF pivot, double degrees)
{
    painter.translate(pivot);
    painter.rotate(degrees);
    painter.translate(-pivot);
}

void MoveHead(QPainter& painter, const TCastPose& pose, double nodDrop, double chin)
{
    painter.translate(0, pose.headNod * nodDrop);
    RotateAbout(painter, QPointF(0, chin), pose.headTilt);
}

void Ear(QPainter& painter, QPointF centre, double side, double rx, double ry, const QColor& skin, double outline)
{
    Shape(painter, Ellipse(centre, rx, ry), skin, outline);
    QPainterPath inner;
    inner.moveTo(centre + QPointF(side * 3, -6));
    inner.quadTo(centre + QPointF(-side * 4, 0), centre + QPointF(side * 2, 6));
    Stroke(painter, inner, skin.darker(130), outline * 0.7);
}

void Nose(QPainter& painter, QPointF centre, double halfWidth, double outline)
{
    QPainterPath nose;
    nose.moveTo(centre + QPointF(-halfWidth, 0));
    nose.quadTo(centre + QPointF(0, 4), centre + QPointF(halfWidth, 0));
    Stroke(painter, nose, Outline(), outline * 0.7);
}

void Blush(QPainter& painter, QPointF centre, double rx, double ry)
{
    QRadialGradient glow(centre, rx);
    glow.setColorAt(0, QColor(0xff, 0x6f, 0x7f, 120));
    glow.setColorAt(1, QColor(0xff, 0x6f, 0x7f, 0));
    painter.save();
    painter.translate(centre);
    painter.scale(1, ry / rx);
    painter.translate(-centre);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, rx, rx);
    painter.restore();
}

void Eye(QPainter& painter, QPointF centre, const TEyeStyle& style, const TCastPose& pose)
{
    const double open = std::clamp(pose.eyesOpen, 0.0, 1.0);
    if (open < 0.35) {
        // Closed eyes smile: an arc bowed upwards.
        QPainterPath arc;
        arc.moveTo(centre + QPointF(-style.rx, style.ry * 0.15));
        arc.quadTo(centre + QPointF(0, -style.ry * 0.75), centre + QPointF(style.rx, style.ry * 0.15));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(OutlinePen(style.outline * 1.4));
        painter.drawPath(arc);
        return;
    }
    const double ry = style.ry * (0.45 + 0.55 * (open - 0.35) / 0.65);
    const QPainterPath white = Ellipse(centre, style.rx, ry);
    const QPointF look(std::clamp(pose.lookX, -1.0, 1.0) * style.rx * 0.32,
                       std::clamp(pose.lookY, -1.0, 1.0) * ry * 0.28);
    if (style.cartoon) {
        QRadialGradient shine(centre + QPointF(-style.rx * 0.3, -ry * 0.4), style.ry * 1.2);
        shine.setColorAt(0, QColor(0x55, 0x48, 0x50));
        shine.setColorAt(1, QColor(0x16, 0x10, 0x14));
        painter.setPen(Qt::NoPen);
        painter.setBrush(shine);
        painter.drawPath(white);
        painter.setBrush(Qt::white);
        painter.drawEllipse(centre + look * 0.5 + QPointF(-style.rx * 0.32, -ry * 0.38), style.rx * 0.36, style.rx * 0.36);
        painter.drawEllipse(centre + look * 0.5 + QPointF(style.rx * 0.3, ry * 0.35), style.rx * 0.16, style.rx * 0.16);
        return;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(white);
    painter.save();
    painter.setClipPath(white, Qt::IntersectClip);
    const double r = std::min(style.rx, style.ry) * 0.82;
    const QPointF iris = centre + look + QPointF(0, ry * 0.08);
    QRadialGradient irisLight(iris + QPointF(0, r * 0.4), r);
    irisLight.setColorAt(0, style.iris.lighter(135));
    irisLight.setColorAt(1, style.iris.darker(120));
    painter.setBrush(irisLight);
    painter.drawEllipse(iris, r, r * 1.05);
    painter.setBrush(QColor(0x1c, 0x14, 0x18));
    painter.drawEllipse(iris, r * 0.52, r * 0.56);
    painter.setBrush(Qt::white);
    painter.drawEllipse(iris + QPointF(-r * 0.35, -r * 0.4), r * 0.3, r * 0.3);
    painter.drawEllipse(iris + QPointF(r * 0.35, r * 0.38), r * 0.13, r * 0.13);
    painter.restore();
    // The upper lid line is heavier than the rest, as an inked eye is.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(OutlinePen(style.outline * 0.7));
    painter.drawPath(white);
    QPainterPath lid;
    lid.arcMoveTo(QRectF(centre.x() - style.rx, centre.y() - ry, 2 * style.rx, 2 * ry), 180);
    lid.arcTo(QRectF(centre.x() - style.rx, centre.y() - ry, 2 * style.rx, 2 * ry), 180, -180);
    painter.setPen(OutlinePen(style.outline * 1.25));
    painter.drawPath(lid);
    if (style.lashes != 0) {
        const double side = style.lashes;
        QPainterPath lashes;
        for (int i = 0; i < 2; ++i) {
            const double angle = (side > 0 ? 20 + 24 * i : 160 - 24 * i) * Degree;
            const QPointF root = centre + QPointF(std::cos(angle) * style.rx, -std::sin(angle) * ry);
            lashes.moveTo(root);
            lashes.lineTo(root + QPointF(side * style.rx * 0.42, -style.ry * (0.22 + 0.12 * i)));
        }
        painter.setPen(OutlinePen(style.outline * 0.9));
        painter.drawPath(lashes);
    }
}

void Brow(QPainter& painter, QPointF centre, double width, double thickness, int inner, const QColor& colour,
          const TCastPose& pose)
{
    const double lift = std::clamp(pose.eyebrows, -1.0, 1.0);
    // Raised brows go up and round; a frown pulls the inner ends down.
    const QPointF innerEnd = centre + QPointF(inner * width / 2, width * (0.05 + (lift < 0 ? -lift * 0.22 : 0)));
    const QPointF outerEnd = centre + QPointF(-inner * width / 2, width * 0.12);
    QPainterPath brow;
    brow.moveTo(outerEnd);
    brow.quadTo(centre + QPointF(0, -width * (0.28 + 0.12 * std::max(0.0, lift))), innerEnd);
    painter.save();
    painter.translate(0, -lift * width * 0.18);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, thickness, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(brow);
    painter.restore();
}

void Mouth(QPainter& painter, QPointF centre, double width, const TCastPose& pose, double outline)
{
    double open = std::clamp(pose.mouthOpen, 0.0, 1.0);
    if (pose.mouth == TCastMouth::Grin)
        open = std::max(open, 0.6);
    if (pose.mouth == TCastMouth::Open) {
        const double ry = width * (0.22 + 0.16 * open);
        const QPainterPath o = Ellipse(centre + QPointF(0, ry * 0.6), width * 0.24, ry);
        Flat(painter, o, QColor(0x8a, 0x23, 0x2c), outline * 0.8);
        return;
    }
    const QPointF left = centre + QPointF(-width / 2, 0);
    const QPointF right = centre + QPointF(width / 2, 0);
    if (pose.mouth == TCastMouth::Frown) {
        QPainterPath frown;
        frown.moveTo(left + QPointF(width * 0.1, width * 0.22));
        frown.quadTo(centre + QPointF(0, -width * 0.2), right + QPointF(-width * 0.1, width * 0.22));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(OutlinePen(outline * 0.9));
        painter.drawPath(frown);
        return;
    }
    if (open < 0.08) {
        QPainterPath smile;
        smile.moveTo(left);
        smile.quadTo(centre + QPointF(0, width * 0.42), right);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(OutlinePen(outline * 0.9));
        painter.drawPath(smile);
        return;
    }
    // An open smile: a flat top lip, a deep round bottom, a tongue inside.
    const double depth = width * (0.2 + 0.55 * open);
    QPainterPath mouth;
    mouth.moveTo(left);
    mouth.quadTo(centre + QPointF(0, width * 0.1), right);
    mouth.cubicTo(right + QPointF(-width * 0.04, depth * 1.05), left + QPointF(width * 0.04, depth * 1.05), left);
    mouth.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x8a, 0x23, 0x2c));
    painter.drawPath(mouth);
    painter.save();
    painter.setClipPath(mouth, Qt::IntersectClip);
    painter.setBrush(QColor(0xf2, 0x7b, 0x86));
    painter.drawEllipse(centre + QPointF(0, depth * 0.95), width * 0.3, depth * 0.42);
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(OutlinePen(outline * 0.9));
    painter.drawPath(mouth);
}

TArmJoints ArmJoints(QPointF shoulder, const TCastArm& arm, bool rightSide, const TArmStyle& style)
{
    // Angles count from hanging down, towards the arm's own side.
    const double side = rightSide ? 1 : -1;
    const double upper = arm.shoulder * Degree;
    const double fore = (arm.shoulder + arm.elbow) * Degree;
    TArmJoints joints;
    joints.shoulder = shoulder;
    joints.elbow = shoulder + QPointF(side * std::sin(upper), std::cos(upper)) * style.upper;
    const QPointF foreVector(side * std::sin(fore), std::cos(fore));
    joints.wrist = joints.elbow + foreVector * style.fore;
    joints.foreDirection = std::atan2(foreVector.y(), foreVector.x());
    return joints;
}

void Arm(QPainter& painter, QPointF shoulder, const TCastArm& arm, bool rightSide, const TArmStyle& style)
{
    const TArmJoints joints = ArmJoints(shoulder, arm, rightSide, style);
    QPainterPath line;
    line.moveTo(joints.shoulder);
    line.lineTo(joints.elbow);
    line.lineTo(joints.wrist);
    Limb(painter, line, style.width, style.skin, style.outline);
    if (style.sleeve.isValid() && style.sleeveLength > 0) {
        // The sleeve follows the arm from the shoulder as far as it reaches.
        QPainterPath sleeve;
        sleeve.moveTo(joints.shoulder);
        const double upperPart = std::min(style.sleeveLength, style.upper);
        const QPointF upperDir = (joints.elbow - joints.shoulder) / style.upper;
        QPointF end = joints.shoulder + upperDir * upperPart;
        sleeve.lineTo(end);
        if (style.sleeveLength > style.upper) {
            const double forePart = std::min(style.sleeveLength - style.upper, style.fore);
            end = joints.elbow + (joints.wrist - joints.elbow) / style.fore * forePart;
            sleeve.lineTo(end);
        }
        if (style.cuff.isValid()) {
            const QPointF dir = (joints.wrist - joints.elbow) / style.fore;
            const QPainterPath cuff = Segment(end - dir * 1.0, end + dir * style.width * 0.25);
            Limb(painter, cuff, style.width * 0.95, style.cuff, style.outline);
        }
        Limb(painter, sleeve, style.sleeveWidth, style.sleeve, style.outline);
    }
    Hand(painter, joints.wrist, joints.foreDirection, arm.hand, rightSide, style.handSize, style.hand, style.outline);
}

void Arms(QPainter& painter, const TCastPose& pose, QPointF leftShoulder, QPointF rightShoulder, const TArmStyle& style)
{
    Arm(painter, leftShoulder, pose.leftArm, false, style);
    Arm(painter, rightShoulder, pose.rightArm, true, style);
}

void Hand(QPainter& painter, QPointF wrist, double direction, TCastHand hand, bool rightSide, double size,
          const QColor& colour, double outline)
{
    painter.save();
    painter.translate(wrist);
    painter.rotate(direction / Degree);
    // Local x runs out of the forearm. The thumb sits on the side towards the body for an arm
    // held down, which is +y locally for the right arm.
    const double thumbSide = rightSide ? 1 : -1;
    QPainterPathStroker finger;
    finger.setWidth(size * 0.5);
    finger.setCapStyle(Qt::RoundCap);
    finger.setJoinStyle(Qt::RoundJoin);
    auto digit = [&](QPointF from, double angle, double length) {
        const QPointF along(std::cos(angle * Degree), std::sin(angle * Degree));
        const QPainterPath line = Segment(from, from + along * length);
        return finger.createStroke(line);
    };
    // The hand is one silhouette (palm and fingers united) so that a single clean outline runs
    // round it; creases are drawn inside afterwards.
    QPainterPath silhouette;
    QPainterPath creases;
    const QPointF palm(size * 0.85, 0);
    switch (hand) {
    case TCastHand::Relaxed:
        silhouette = Ellipse(palm, size * 0.95, size * 0.85);
        silhouette = silhouette.united(digit(QPointF(size * 0.6, thumbSide * size * 0.25), thumbSide * 45, size * 0.7));
        creases.moveTo(palm + QPointF(size * 0.45, -thumbSide * size * 0.2));
        creases.lineTo(palm + QPointF(size * 0.9, -thumbSide * size * 0.2));
        break;
    case TCastHand::Open: {
        silhouette = Ellipse(palm, size * 0.82, size * 0.8);
        // Little finger furthest from the thumb, index finger nearest.
        const double spread[4] = {-36, -12, 11, 33};
        const double length[4] = {1.3, 1.55, 1.6, 1.45};
        for (int i = 0; i < 4; ++i)
            silhouette = silhouette.united(digit(palm, thumbSide * spread[i], size * length[i]));
        silhouette = silhouette.united(digit(palm + QPointF(-size * 0.2, 0), thumbSide * 75, size * 1.25));
        break;
    }
    case TCastHand::Fist:
    case TCastHand::Pointing:
        silhouette = Ellipse(palm, size * 0.9, size * 0.86);
        if (hand == TCastHand::Pointing)
            silhouette = silhouette.united(digit(palm + QPointF(0, -thumbSide * size * 0.3), 0, size * 1.6));
        for (int i = 0; i < 2; ++i) {
            const double y = hand == TCastHand::Pointing ? thumbSide * size * (0.05 + 0.3 * i) : (-0.3 + 0.6 * i) * size;
            creases.moveTo(palm + QPointF(size * 0.35, y));
            creases.lineTo(palm + QPointF(size * 0.85, y));
        }
        creases.moveTo(palm + QPointF(-size * 0.35, thumbSide * size * 0.5));
        creases.quadTo(palm + QPointF(size * 0.1, thumbSide * size * 0.72), palm + QPointF(size * 0.45, thumbSide * size * 0.3));
        break;
    case TCastHand::ThumbUp: {
        // Drawn upright in the picture whatever way the forearm runs: a fist with the fingers
        // curled towards the viewer and a short, stout thumb on top.
        painter.rotate(-direction / Degree);
        const QPointF centre = QPointF(std::cos(direction), std::sin(direction)) * size * 0.95;
        const double outward = std::cos(direction) >= 0 ? 1 : -1;
        silhouette.addRoundedRect(QRectF(centre.x() - size * 0.95, centre.y() - size * 0.8, size * 1.9, size * 1.7),
                                  size * 0.7, size * 0.7);
        QPainterPathStroker thumbStroke;
        thumbStroke.setWidth(size * 0.68);
        thumbStroke.setCapStyle(Qt::RoundCap);
        const QPainterPath thumb = Segment(centre + QPointF(outward * size * 0.25, -size * 0.35),
                                           centre + QPointF(outward * size * 0.38, -size * 1.45));
        silhouette = silhouette.united(thumbStroke.createStroke(thumb));
        for (int i = 0; i < 3; ++i) {
            const double y = centre.y() - size * 0.22 + size * 0.38 * i;
            creases.moveTo(centre.x() - outward * size * 0.9, y);
            creases.lineTo(centre.x() + outward * size * 0.2, y);
        }
        break;
    }
    }
    Shape(painter, silhouette.simplified(), colour, outline);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(OutlinePen(outline * 0.6));
    painter.drawPath(creases);
    painter.restore();
}

} // namespace CastInk

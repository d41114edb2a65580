#include "MenusTivadarArt.h"

#include "MenusFoodArt.h"
#include "MenusPlaces.h"
#include "mediakit/ArtKit.h"
#include "mediakit/cast/Cast.h"
#include "mediakit/cast/CastInk.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace MenusTivadarArt {

namespace {

namespace Places = MenusPlaces;
using namespace CastInk;
using ArtKit::Transparent;

constexpr double Degree = std::numbers::pi / 180;
// Tivadar's arm as his figure draws it: shoulders 28 units either side of his middle and 163
// above his feet, an upper arm of 37 units and a forearm of 34.
constexpr double ShoulderX = 28;
constexpr double ShoulderY = -163;
constexpr double UpperArm = 37;
constexpr double ForeArm = 34;
// How far sitting lowers his hips (as his figure sits).
constexpr double SittingDrop = 46;

const QColor Skin(0xfb, 0xcd, 0xa8);
const QColor CardInk(0x1f, 0x3c, 0x8c);

// Tivadar painted at a scale with his feet on a point, and whatever the picture adds in his own
// model units (feet at the origin, lifted with him) painted over him.
void PaintTivadar(QPainter& painter, const TCastPose& pose, QPointF feet, double scale,
                  const std::function<void(QPainter&)>& over = {})
{
    PaintCastMemberAt(painter, TCastMember::Tivadar, pose, feet, scale);
    if (!over)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(feet);
    painter.scale(scale, scale);
    painter.translate(0, -pose.bounce);
    over(painter);
    painter.restore();
}

// A word on a little card, turned by degrees about its middle.
void DrawWordCard(QPainter& painter, QPointF centre, const QString& word, double degrees, QColor fill, int pixelSize = 17)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(degrees);
    painter.setFont(ArtKit::LabelFont(pixelSize));
    const double width = painter.fontMetrics().horizontalAdvance(word) + pixelSize * 1.2;
    const QRectF card(-width / 2, -pixelSize * 0.95, width, pixelSize * 1.9);
    ArtKit::DrawCard(painter, card, {.radius = 6, .drop = {2, 3}, .shadow = QColor(0x30, 0x30, 0x50, 50), .fill = fill,
                                     .edge = QPen(fill.darker(150), 1.5)});
    painter.setPen(CardInk);
    painter.drawText(card, Qt::AlignCenter, word);
    painter.restore();
}

// A thought cloud over rect, with two little bubbles leading to it from the thinker's head.
void DrawThoughtCloud(QPainter& painter, const QRectF& rect, QPointF head)
{
    const QPointF c = rect.center();
    const double rx = rect.width() / 2;
    const double ry = rect.height() / 2;
    // A round middle with bumps all round its edge, reaching the rectangle's sides.
    QPainterPath cloud = Ellipse(c, rx * 0.74, ry * 0.72);
    const int bumps = 11;
    for (int i = 0; i < bumps; ++i) {
        const double a = 2 * std::numbers::pi * i / bumps;
        cloud = cloud.united(Ellipse(c + QPointF(std::cos(a) * rx * 0.74, std::sin(a) * ry * 0.72), rx * 0.25, ry * 0.27));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x30, 0x40, 0x60, 30));
    painter.drawPath(cloud.translated(3, 4));
    Flat(painter, cloud, QColor(0xfb, 0xfd, 0xff), 2.4);
    const QPointF towards = QPointF(rect.left() + rect.width() * 0.12, rect.bottom() - rect.height() * 0.12) - head;
    for (const double t : {0.28, 0.62})
        Flat(painter, Ellipse(head + towards * t, 5 + 6 * t, 4 + 5 * t), QColor(0xfb, 0xfd, 0xff), 2.2);
}

void DrawBush(QPainter& painter)
{
    const QRectF ground(40, 270, 310, 26);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2f, 0x5a, 0x2a, 60));
    painter.drawEllipse(ground);
    const struct {
        QPointF centre;
        double r;
    } lobes[] = {{{150, 150}, 60}, {{236, 124}, 66}, {{305, 170}, 42}, {{135, 228}, 62}, {{215, 218}, 82}, {{292, 230}, 54}};
    QPainterPath bush;
    for (const auto& lobe : lobes)
        bush = bush.united(Ellipse(lobe.centre, lobe.r, lobe.r));
    QPainterPath cut;
    cut.addRect(QRectF(0, 0, 353, 286));
    bush = bush.intersected(cut);
    const QColor leaf(0x4c, 0xa0, 0x44);
    Shape(painter, bush, leaf, 3);
    painter.save();
    painter.setClipPath(bush);
    // Rounded darker clumps give the leaves depth; lighter ones catch the light.
    for (const auto& lobe : lobes) {
        painter.setPen(QPen(leaf.darker(135), 2.2, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(lobe.centre.x() - lobe.r * 0.7, lobe.centre.y() - lobe.r * 0.2, lobe.r * 1.2, lobe.r * 1.0), 200 * 16, 120 * 16);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 40));
        painter.drawEllipse(lobe.centre + QPointF(-lobe.r * 0.3, -lobe.r * 0.45), lobe.r * 0.35, lobe.r * 0.22);
    }
    painter.restore();
    // A few blossoms.
    for (const QPointF flower : {QPointF(128, 118), QPointF(214, 92), QPointF(290, 142), QPointF(170, 200),
                                 QPointF(262, 214), QPointF(112, 246), QPointF(322, 236)}) {
        painter.setPen(QPen(QColor(0xc0, 0x40, 0x70), 1));
        painter.setBrush(QColor(0xff, 0x9c, 0xc4));
        for (int p = 0; p < 5; ++p) {
            const double a = p * 72 * Degree;
            painter.drawEllipse(flower + QPointF(std::cos(a), std::sin(a)) * 5, 4, 4);
        }
        painter.setBrush(QColor(0xff, 0xe0, 0x5a));
        painter.drawEllipse(flower, 3, 3);
    }
}

// Binoculars over his eyes (the head's middle 236 units above the feet), the hands at their sides.
void DrawBinoculars(QPainter& painter)
{
    for (const double side : {-1.0, 1.0}) {
        const QPointF eye(side * 20, -225);
        QPainterPath barrel;
        barrel.addRoundedRect(QRectF(eye.x() - 15, eye.y() - 16, 30, 30), 8, 8);
        Shape(painter, barrel, QColor(0x3a, 0x40, 0x4c), 3);
        Shape(painter, Ellipse(eye + QPointF(0, -1), 12, 12), QColor(0x5a, 0x9a, 0xd8), 2.4);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 200));
        painter.drawEllipse(eye + QPointF(-4, -6), 4, 3);
        Shape(painter, Ellipse(QPointF(side * 40, -216), 9, 10), Skin, 3);
    }
    Shape(painter, ArtKit::RoundedRect(QRectF(-6, -232, 12, 14), 3), QColor(0x2a, 0x30, 0x3a), 2.4);
}

const double HidingScale = 0.72;
// Behind the bush: hidden where its lobes meet and dip, peering over its lower left lobe.
const QPointF HiddenFeet(174, 288);
const QPointF WatchingFeet(150, 288);

} // namespace

TCastArm Reach(bool rightSide, QPointF wrist, TCastHand hand, double drop)
{
    const double side = rightSide ? 1 : -1;
    const QPointF shoulder(side * ShoulderX, ShoulderY + drop);
    const QPointF to = wrist - shoulder;
    const double reach = std::clamp(std::hypot(to.x(), to.y()), UpperArm - ForeArm + 0.01, UpperArm + ForeArm - 0.01);
    const double bend =
        std::acos((UpperArm * UpperArm + reach * reach - ForeArm * ForeArm) / (2 * UpperArm * reach)) / Degree;
    // Angles as the cast counts them: from hanging down, positive away from the body.
    const auto fromDown = [&](QPointF v) { return std::atan2(side * v.x(), v.y()) / Degree; };
    const auto elbowAt = [&](double shoulderAngle) {
        return shoulder + QPointF(side * std::sin(shoulderAngle * Degree), std::cos(shoulderAngle * Degree)) * UpperArm;
    };
    // Of the two elbows that fit, the one further out from his middle.
    const double towards = fromDown(to);
    const double upper = std::abs(elbowAt(towards - bend).x()) > std::abs(elbowAt(towards + bend).x()) ? towards - bend
                                                                                                      : towards + bend;
    double elbow = fromDown(shoulder + to / std::hypot(to.x(), to.y()) * reach - elbowAt(upper)) - upper;
    while (elbow > 180)
        elbow -= 360;
    while (elbow <= -180)
        elbow += 360;
    return {upper, elbow, hand};
}

QImage Explaining()
{
    QImage image = Transparent(Places::Explaining);
    QPainter painter(&image);
    TCastPose pose = TCastPose::Pointing(112);
    pose.rightArm = {30, 62, TCastHand::Open};
    pose.mouth = TCastMouth::Grin;
    pose.eyebrows = 0.6;
    pose.headTilt = -4;
    PaintCastMember(painter, TCastMember::Tivadar, pose, QRectF(8, 6, 284, 320));
    painter.end();
    return image;
}

QImage Hungry()
{
    QImage image = Transparent(Places::Hungry);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    TCastPose pose = TCastPose::Standing();
    pose.rightArm = Reach(true, QPointF(4, -124), TCastHand::Open);
    pose.leftArm = Reach(false, QPointF(-16, -186), TCastHand::Relaxed);
    pose.mouth = TCastMouth::Open;
    pose.mouthOpen = 0.2;
    pose.lookX = 0.8;
    pose.lookY = -0.8;
    pose.eyebrows = 0.8;
    pose.headTilt = 6;
    const double scale = 0.98;
    const QPointF feet(112, 326);
    PaintTivadar(painter, pose, feet, scale);
    DrawThoughtCloud(painter, QRectF(214, 8, 220, 180), feet + QPointF(60, -262) * scale);
    MenusFoodArt::DrawSoup(painter, QRectF(240, 66, 104, 84));
    MenusFoodArt::DrawDrumstick(painter, QRectF(318, 44, 70, 58));
    MenusFoodArt::DrawStrawberryIceCream(painter, QRectF(338, 78, 78, 76));
    // His tummy rumbles.
    painter.setPen(QPen(QColor(0xe0, 0x8a, 0x20), 2.6, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (int k = 0; k < 3; ++k)
        painter.drawArc(QRectF(feet.x() + 26 + k * 9, feet.y() - 146 * scale - k * 4, 12 + k * 8, 24 + k * 8), -50 * 16, 100 * 16);
    painter.end();
    return image;
}

QImage Standing()
{
    QImage image = Transparent(Places::Standing);
    QPainter painter(&image);
    TCastPose pose = TCastPose::Standing();
    pose.leftArm = Reach(false, QPointF(-38, -110), TCastHand::Relaxed);
    pose.rightArm = Reach(true, QPointF(38, -110), TCastHand::Relaxed);
    pose.mouth = TCastMouth::Grin;
    pose.lookX = 0.4;
    pose.eyebrows = 0.3;
    PaintCastMember(painter, TCastMember::Tivadar, pose, QRectF(4, 28, 186, 275));
    painter.end();
    return image;
}

QImage Armchair()
{
    QImage image = Transparent(Places::Armchair);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = 0.9;
    const QPointF feet(124, 268);
    const QColor velvet(0x9b, 0x6b, 0xd0);
    const QColor wood(0x8a, 0x5a, 0x34);

    // The armchair behind him, in his model units: shadow, legs, back, seat, arms.
    painter.save();
    painter.translate(feet);
    painter.scale(scale, scale);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x40, 0x30, 0x50, 45));
    painter.drawEllipse(QRectF(-104, -10, 208, 16));
    for (const double side : {-1.0, 1.0})
        Shape(painter, ArtKit::RoundedRect(QRectF(side * 80 - 6, -20, 12, 20), 3), wood, 3);
    QPainterPath back;
    back.moveTo(-82, -60);
    back.lineTo(-84, -180);
    back.cubicTo(-84, -236, 84, -236, 84, -180);
    back.lineTo(82, -60);
    back.closeSubpath();
    Shape(painter, back, velvet, 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(velvet.darker(135));
    for (const QPointF button : {QPointF(-44, -176), QPointF(0, -196), QPointF(44, -176), QPointF(-44, -120), QPointF(44, -120)})
        painter.drawEllipse(button, 3.5, 3.5);
    Shape(painter, ArtKit::RoundedRect(QRectF(-94, -50, 188, 34), 10), velvet.darker(112), 3);
    Shape(painter, ArtKit::RoundedRect(QRectF(-72, -80, 144, 34), 12), velvet.lighter(110), 3);
    for (const double side : {-1.0, 1.0}) {
        Shape(painter, ArtKit::RoundedRect(QRectF(side > 0 ? 60 : -96, -124, 36, 92), 12), velvet, 3);
        Shape(painter, Ellipse(QPointF(side * 78, -124), 20, 13), velvet.lighter(112), 3);
        Shape(painter, Ellipse(QPointF(side * 78, -124), 8, 6), velvet.darker(110), 2);
    }
    painter.restore();

    TCastPose pose = TCastPose::Standing();
    pose.sitting = true;
    pose.headTilt = 15;
    pose.eyesOpen = 0.42;
    pose.lookX = -0.4;
    pose.lookY = 0.3;
    pose.mouth = TCastMouth::Frown;
    pose.eyebrows = -0.15;
    pose.rightArm = Reach(true, QPointF(30, -134), TCastHand::Fist, SittingDrop);
    pose.leftArm = Reach(false, QPointF(-74, -108), TCastHand::Relaxed, SittingDrop);
    PaintTivadar(painter, pose, feet, scale);

    // A little sigh above him.
    const QRectF sigh(200, 22, 62, 40);
    DrawThoughtCloud(painter, sigh, QPointF(176, 72));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x60, 0x68, 0x80));
    for (int dot = -1; dot <= 1; ++dot)
        painter.drawEllipse(sigh.center() + QPointF(dot * 12, 2), 3.5, 3.5);
    painter.end();
    return image;
}

QImage WordCards()
{
    QImage image = Transparent(Places::WordCards);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const struct {
        const char* word;
        QPointF centre;
        double degrees;
        QColor fill;
    } cards[] = {
        {"Nóra", {58, 44}, -9, QColor(0xff, 0xf0, 0xa8)},       {"korán", {108, 118}, 7, QColor(0xd4, 0xee, 0xff)},
        {"reggel", {56, 196}, -5, QColor(0xff, 0xd8, 0xe6)},     {"szeret", {398, 44}, 8, QColor(0xd8, 0xf4, 0xd0)},
        {"futni.", {352, 122}, -7, QColor(0xff, 0xe0, 0xb8)},    {"tornázik.", {396, 200}, 5, QColor(0xe6, 0xdc, 0xff)},
    };
    for (const auto& card : cards)
        DrawWordCard(painter, card.centre, QString::fromUtf8(card.word), card.degrees, card.fill);
    ArtKit::DrawStar(painter, QPointF(160, 40), 9, QColor(0xff, 0xc8, 0x30));
    ArtKit::DrawStar(painter, QPointF(300, 188), 8, QColor(0xff, 0xc8, 0x30));

    TCastPose pose = TCastPose::Standing();
    pose.leftArm = Reach(false, QPointF(-48, -150), TCastHand::Relaxed);
    pose.rightArm = Reach(true, QPointF(48, -150), TCastHand::Relaxed);
    pose.mouth = TCastMouth::Grin;
    pose.eyebrows = 0.5;
    const double scale = 0.74;
    PaintTivadar(painter, pose, QPointF(230, 236), scale, [](QPainter& p) {
        // The card he holds in front of him, his fingers over its top corners.
        const QRectF card(-62, -160, 124, 54);
        ArtKit::DrawCard(p, card, {.radius = 8, .drop = {2, 4}, .shadow = QColor(0x30, 0x30, 0x50, 60),
                                   .fill = QColor(0xff, 0xff, 0xff), .edge = QPen(QColor(0x3a, 0x6c, 0xc8), 3)});
        p.setFont(ArtKit::LabelFont(26));
        p.setPen(CardInk);
        p.drawText(card, Qt::AlignCenter, QStringLiteral("Szavak"));
        for (const double side : {-1.0, 1.0})
            Shape(p, Ellipse(QPointF(side * 52, -156), 9, 8), Skin, 3);
    });
    painter.end();
    return image;
}

QImage Hidden()
{
    QImage image = Transparent(Places::Hiding);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    TCastPose pose = TCastPose::Standing();
    pose.squat = 1;
    pose.bounce = 20;
    PaintTivadar(painter, pose, HiddenFeet, HidingScale);
    DrawBush(painter);
    painter.end();
    return image;
}

QImage ComingOut()
{
    QImage image = Transparent(Places::Hiding);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    TCastPose pose = TCastPose::Standing();
    pose.leftArm = {162, -12, TCastHand::Open};
    pose.rightArm = Reach(true, QPointF(56, -140), TCastHand::Open);
    pose.mouth = TCastMouth::Grin;
    pose.eyebrows = 0.6;
    pose.lookX = -0.3;
    pose.headTilt = -5;
    PaintTivadar(painter, pose, QPointF(70, 288), HidingScale);
    DrawBush(painter);
    painter.end();
    return image;
}

QImage Watching()
{
    QImage image = Transparent(Places::Hiding);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    TCastPose pose = TCastPose::Standing();
    pose.bounce = 94;
    pose.leftArm = Reach(false, QPointF(-38, -206), TCastHand::Fist);
    pose.rightArm = Reach(true, QPointF(38, -206), TCastHand::Fist);
    pose.eyebrows = 0.7;
    pose.mouth = TCastMouth::Smile;
    PaintTivadar(painter, pose, WatchingFeet, HidingScale, DrawBinoculars);
    DrawBush(painter);
    painter.end();
    return image;
}

} // namespace MenusTivadarArt

#include "SceneArt.h"

#include "mediakit/ArtKit.h"
#include "mediakit/cast/Cast.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace SceneArt {

namespace {

const QSizeF Frame(1000, 568);
const double Scale = 0.82; // pixels per model unit in the scene's own frame
const QColor Outline(0x3a, 0x2e, 0x2a);

// A guide painted on its own layer, so that its clothes can be dyed for this scene.
QImage Layer(TCastMember who, const TCastPose& pose, QPointF feet, double scale = Scale)
{
    QImage layer(Frame.toSize(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter painter(&layer);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintCastMemberAt(painter, who, pose, feet, scale);
    return layer;
}

// Turns the pixels of one hue band (fromHue ± width, saturation at least minSaturation) into
// target's hue and saturation, keeping their lightness so the shading stays.
void Dye(QImage& layer, int fromHue, int width, int minSaturation, QColor target, bool keepValue = true)
{
    for (int y = 0; y < layer.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            const QColor c = QColor::fromRgba(line[x]);
            if (c.alpha() < 200)
                continue;
            const int hue = c.hsvHue();
            const int distance = std::min(std::abs(hue - fromHue), 360 - std::abs(hue - fromHue));
            if (hue < 0 || distance > width || c.hsvSaturation() < minSaturation)
                continue;
            const int value = keepValue ? c.value() : target.value() * c.value() / 200;
            line[x] = QColor::fromHsv(target.hsvHue(), target.hsvSaturation(), std::clamp(value, 0, 255)).rgba();
        }
    }
}

void Backdrop(QPainter& p)
{
    // Soft hills, then the lawn the guides stand on.
    const QPainterPath hills =
        ArtKit::Ridge({0, 330}, {{200, 250}, {380, 300}, {520, 300}, {700, 300}, {820, 240}, {1000, 300}});
    QPainterPath lawn(QPointF(0, 350));
    lawn.lineTo(1000, 350);
    ArtKit::DrawLandscape(p, {.frame = QRectF(QPointF(0, 0), Frame),
                              .sky = {{0, QColor(0xbf, 0xe3, 0xff)}, {1, QColor(0xee, 0xf8, 0xff)}},
                              .horizon = 330,
                              .sun = {.centre = {905, 70}, .radius = 42},
                              .hills = {{hills, QColor(0xa6, 0xd8, 0x8c)},
                                        {lawn, QColor(0x8c, 0xcc, 0x6c), QColor(0x6c, 0xb8, 0x52)}}});
    p.setPen(Qt::NoPen);
    // A path across the lawn.
    p.setBrush(QColor(0xe9, 0xd9, 0xb0));
    QPainterPath path(QPointF(0, 470));
    path.cubicTo(300, 440, 650, 500, 1000, 450);
    path.lineTo(1000, 520);
    path.cubicTo(650, 560, 300, 500, 0, 540);
    path.closeSubpath();
    p.drawPath(path);
    // Two trees, one behind Ödön, one far left behind Tivadar.
    for (const QPointF base : {QPointF(930, 380), QPointF(40, 370)}) {
        p.setPen(QPen(Outline, 2.5));
        p.setBrush(QColor(0x8a, 0x5a, 0x36));
        p.drawRect(QRectF(base.x() - 12, base.y() - 110, 24, 110));
        p.setBrush(QColor(0x4f, 0xa4, 0x4a));
        p.drawEllipse(base + QPointF(0, -170), 70, 80);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x6f, 0xc0, 0x5a));
        p.drawEllipse(base + QPointF(-20, -195), 32, 30);
    }
}

// The park bench Nóra sits on: a seat at seatY and a back rest, legs to the lawn at groundY.
void Bench(QPainter& p, double left, double right, double seatY, double groundY)
{
    p.setPen(QPen(Outline, 2.5));
    const QColor wood(0xc6, 0x84, 0x4c);
    p.setBrush(wood.darker(115));
    for (double x : {left + 14, right - 24}) {
        p.drawRect(QRectF(x, seatY, 10, groundY - seatY));
        p.drawRect(QRectF(x, seatY - 120, 10, 120));
    }
    p.setBrush(wood);
    for (int slat = 0; slat < 3; ++slat)
        p.drawRoundedRect(QRectF(left, seatY - 115 + slat * 26, right - left, 18), 4, 4);
    p.setBrush(wood.lighter(108));
    p.drawRoundedRect(QRectF(left - 6, seatY - 6, right - left + 12, 16), 4, 4);
}

// Nóra sitting: her standing figure above the hips, lowered onto the seat, her lap on it and her
// legs hanging down in front to the lawn.
void SittingNora(QPainter& p, double x, double seatY, double groundY)
{
    TCastPose pose = TCastPose::Standing();
    pose.leftArm = {.shoulder = 18, .elbow = 40, .hand = TCastHand::Relaxed};
    pose.rightArm = pose.leftArm;
    pose.mouth = TCastMouth::Grin;
    // The figure's hips (92 model units above its feet) come to lie on the seat.
    const double hips = 92 * Scale;
    QImage layer = Layer(TCastMember::Nora, pose, QPointF(x, seatY + hips));
    Dye(layer, 335, 18, 90, QColor(0x8e, 0x44, 0xc8)); // the pink T-shirt becomes purple
    // The skirt keeps a colour of its own beside the purple shirt.
    QPainter cut(&layer);
    cut.setCompositionMode(QPainter::CompositionMode_Clear);
    cut.fillRect(QRectF(0, seatY + 4, Frame.width(), Frame.height()), Qt::transparent);
    cut.end();
    const QColor skin(0xff, 0xd6, 0xbc);
    const QColor skirt(0x3f, 0x6f, 0xc8);
    p.setPen(QPen(Outline, 2.5, Qt::SolidLine, Qt::RoundCap));
    for (double side : {-1.0, 1.0}) {
        p.setBrush(skin);
        p.drawRoundedRect(QRectF(x + side * 13 - 6, seatY + 6, 12, groundY - seatY - 20), 6, 6);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(x + side * 13 - 7, groundY - 34, 14, 18), 5, 5);
        p.setBrush(QColor(0xd9, 0x3f, 0x4c));
        p.drawEllipse(QRectF(x + side * 13 - 12 + side * 4, groundY - 20, 24, 14));
    }
    p.drawImage(0, 0, layer);
    // The lap: the skirt spread over the seat's edge.
    QPainterPath lap;
    lap.moveTo(x - 30, seatY - 22);
    lap.lineTo(x + 30, seatY - 22);
    lap.quadTo(x + 40, seatY + 4, x + 34, seatY + 18);
    lap.quadTo(x, seatY + 24, x - 34, seatY + 18);
    lap.quadTo(x - 40, seatY + 4, x - 30, seatY - 22);
    p.setBrush(skirt);
    p.drawPath(lap);
}

// Tivadar's skateboard under his feet: a deck with turned-up ends on four wheels.
void Skateboard(QPainter& p, double x, double feetY)
{
    p.setPen(QPen(Outline, 2.5));
    p.setBrush(QColor(0x33, 0x33, 0x3b));
    for (double dx : {-38.0, -24.0, 24.0, 38.0})
        p.drawEllipse(QPointF(x + dx, feetY + 14), 7, 7);
    QPainterPath deck;
    deck.moveTo(x - 62, feetY - 6);
    deck.quadTo(x - 58, feetY + 6, x - 46, feetY + 6);
    deck.lineTo(x + 46, feetY + 6);
    deck.quadTo(x + 58, feetY + 6, x + 62, feetY - 6);
    deck.lineTo(x + 56, feetY - 4);
    deck.quadTo(x + 50, feetY, x + 44, feetY);
    deck.lineTo(x - 44, feetY);
    deck.quadTo(x - 50, feetY, x - 56, feetY - 4);
    deck.closeSubpath();
    p.setBrush(QColor(0xff, 0x9a, 0x2a));
    p.drawPath(deck);
}

QImage Composed()
{
    QImage scene(Frame.toSize(), QImage::Format_ARGB32_Premultiplied);
    QPainter p(&scene);
    p.setRenderHint(QPainter::Antialiasing);
    Backdrop(p);

    // At the back: Ödön waving; Tárolka stands before him.
    const double back = 470;
    TCastPose odon = TCastPose::Waving(0.25);
    QImage odonLayer = Layer(TCastMember::Odon, odon, QPointF(OdonX, back));
    Dye(odonLayer, 27, 9, 90, QColor(0x80, 0x84, 0x8c)); // the brown jacket becomes grey
    p.drawImage(0, 0, odonLayer);

    // Tivadar on his skateboard at the left, Lemezke standing calmly before him.
    const double front = 540;
    Skateboard(p, TivadarX, front - 18);
    TCastPose tivadar = TCastPose::Standing();
    tivadar.mouth = TCastMouth::Grin;
    tivadar.leftArm = {.shoulder = 70, .elbow = 10, .hand = TCastHand::Open};
    tivadar.rightArm = tivadar.leftArm;
    p.drawImage(0, 0, Layer(TCastMember::Tivadar, tivadar, QPointF(TivadarX, front - 18)));
    TCastPose lemezke = TCastPose::Standing();
    lemezke.tailWag = 0.2;
    p.drawImage(0, 0, Layer(TCastMember::Lemezke, lemezke, QPointF(TivadarX + 66, 566)));

    Bench(p, NoraX - 90, NoraX + 90, 440, 530);
    SittingNora(p, NoraX, 440, 534);

    // Nyilacska and Tárolka hand in paw.
    TCastPose nyilacska = TCastPose::Standing();
    nyilacska.mouth = TCastMouth::Grin;
    nyilacska.rightArm = {.shoulder = 75, .elbow = 5, .hand = TCastHand::Open};
    p.drawImage(0, 0, Layer(TCastMember::Nyilacska, nyilacska, QPointF(NyilacskaX, 545)));
    TCastPose tarolka = TCastPose::Standing();
    tarolka.mouth = TCastMouth::Grin;
    tarolka.leftArm = {.shoulder = 75, .elbow = 5, .hand = TCastHand::Open};
    p.drawImage(0, 0, Layer(TCastMember::Tarolka, tarolka, QPointF(TarolkaX, 550)));
    return scene;
}

} // namespace

QImage Scene(QSize size)
{
    return Composed().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace SceneArt

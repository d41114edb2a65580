#include "KeyboardInfoArt.h"

#include "HandArt.h"
#include "KeyboardArt.h"
#include "KeyboardPagesArt.h"
#include "mediakit/ArtKit.h"
#include "mediakit/cast/Cast.h"
#include "mediakit/cast/CastInk.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace KeyboardInfoArt {

namespace {

const QSize CardSize(190, 190);
const QRectF CardRect(3, 3, 184, 182);
const QColor Red(0xdc, 0x22, 0x2e);

using ArtKit::Transparent;

void DrawCard(QPainter& painter, QColor tint)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x20, 0x30, 0x50, 45));
    painter.drawRoundedRect(CardRect.translated(0, 2.5), 22, 22);
    QLinearGradient fill(CardRect.topLeft(), CardRect.bottomLeft());
    fill.setColorAt(0, QColor::fromHsv(tint.hue(), 18, 255));
    fill.setColorAt(1, QColor::fromHsv(tint.hue(), 38, 248));
    painter.setBrush(fill);
    painter.setPen(QPen(tint.darker(120), 2));
    painter.drawRoundedRect(CardRect, 22, 22);
    painter.restore();
}

// The course's keyboard, shrunk to width and laid with its top left corner at topLeft.
void DrawSmallKeyboard(QPainter& painter, QPointF topLeft, double width)
{
    const QRect full = KeyboardArt::CaseRect();
    const double scale = width / full.width();
    painter.save();
    painter.translate(topLeft);
    painter.scale(scale, scale);
    painter.translate(-full.topLeft());
    KeyboardArt::DrawKeyboard(painter, false);
    painter.restore();
}

void DrawCrumb(QPainter& painter, QPointF at, double size, double turn)
{
    painter.save();
    ArtKit::Place(painter, at, turn);
    painter.setPen(QPen(QColor(0x8a, 0x5a, 0x22), 0.8));
    painter.setBrush(QColor(0xd9, 0xa4, 0x5a));
    QPolygonF crumb;
    crumb << QPointF(-size, -size * 0.4) << QPointF(size * 0.2, -size) << QPointF(size, size * 0.1)
          << QPointF(-size * 0.1, size * 0.9);
    painter.drawPolygon(crumb);
    painter.restore();
}

void DrawSandwich(QPainter& painter, QPointF centre, double width, double tilt)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    ArtKit::Place(painter, centre, tilt);
    const double w = width;
    const double outline = 2.2;
    auto slice = [&](double y, double h) {
        QPainterPath bread;
        bread.addRoundedRect(QRectF(-w / 2, y, w, h), h * 0.5, h * 0.5);
        CastInk::Shape(painter, bread, QColor(0xe8, 0xb0, 0x62), outline);
        QPainterPath crumbSide;
        crumbSide.addRoundedRect(QRectF(-w / 2 + 5, y + 3, w - 10, h - 6), h * 0.4, h * 0.4);
        CastInk::Flat(painter, crumbSide, QColor(0xfb, 0xe6, 0xb8), 0);
    };
    slice(18, 20);
    // Lettuce, tomato and cheese between the slices.
    QPainterPath lettuce(QPointF(-w / 2 - 4, 16));
    for (int i = 0; i <= 10; ++i)
        lettuce.quadTo(QPointF(-w / 2 + (i + 0.5) * (w + 8) / 11, i % 2 ? 24 : 6),
                       QPointF(-w / 2 - 4 + (i + 1) * (w + 8) / 11, 16));
    lettuce.lineTo(w / 2 + 4, 20);
    lettuce.lineTo(-w / 2 - 4, 20);
    lettuce.closeSubpath();
    CastInk::Shape(painter, lettuce, QColor(0x5c, 0xbf, 0x4a), outline);
    QPainterPath tomato;
    tomato.addRoundedRect(QRectF(-w / 2 + 8, 4, w * 0.42, 10), 5, 5);
    tomato.addRoundedRect(QRectF(4, 5, w * 0.4, 10), 5, 5);
    CastInk::Shape(painter, tomato, QColor(0xe0, 0x3c, 0x36), outline);
    QPolygonF cheese;
    cheese << QPointF(-w / 2 + 2, 2) << QPointF(w / 2 + 8, -2) << QPointF(w / 2 - 6, 12) << QPointF(-w / 2 + 6, 12);
    QPainterPath cheesePath;
    cheesePath.addPolygon(cheese);
    cheesePath.closeSubpath();
    CastInk::Shape(painter, cheesePath, QColor(0xff, 0xd2, 0x3c), outline);
    slice(-20, 22);
    painter.restore();
}

void DrawGlassSpilling(QPainter& painter, QPointF rim, double tilt)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // The stream and the puddle first, so the glass lies over them.
    const QColor juice(0xff, 0x9a, 0x1e);
    QPainterPath stream(rim + QPointF(2, 4));
    stream.cubicTo(rim + QPointF(18, 10), rim + QPointF(20, 40), rim + QPointF(14, 78));
    painter.setPen(QPen(juice.darker(115), 11, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(stream);
    painter.setPen(QPen(juice, 8, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(stream);
    QPainterPath puddle;
    puddle.setFillRule(Qt::WindingFill);
    puddle.addEllipse(rim + QPointF(14, 86), 46, 13);
    puddle.addEllipse(rim + QPointF(-18, 90), 22, 8);
    painter.setPen(QPen(juice.darker(125), 1.5));
    painter.setBrush(QColor(juice.red(), juice.green(), juice.blue(), 200));
    painter.drawPath(puddle.simplified());
    for (const QPointF d : {QPointF(44, 70), QPointF(-26, 74), QPointF(54, 84), QPointF(30, 60)}) {
        painter.setBrush(juice);
        painter.setPen(QPen(juice.darker(125), 1));
        painter.drawEllipse(rim + d, 3.5, 4.5);
    }

    ArtKit::Place(painter, rim, tilt);
    // A tall glass, its open rim at the origin, drawn upright then tipped over.
    QPainterPath body;
    body.moveTo(-22, 0);
    body.lineTo(22, 0);
    body.lineTo(17, 70);
    body.lineTo(-17, 70);
    body.closeSubpath();
    painter.setPen(Qt::NoPen);
    QPainterPath juiceInside;
    // What is left runs towards the rim.
    juiceInside.moveTo(-21.5, 3);
    juiceInside.lineTo(21.5, 3);
    juiceInside.lineTo(19.4, 34);
    juiceInside.lineTo(-20.5, 18);
    juiceInside.closeSubpath();
    painter.setBrush(juice);
    painter.drawPath(juiceInside);
    painter.setBrush(QColor(0xe6, 0xf4, 0xff, 130));
    painter.setPen(QPen(CastInk::Outline(), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(body);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-14, 10), QPointF(-11, 56));
    painter.setPen(QPen(CastInk::Outline(), 2.2));
    painter.setBrush(QColor(0xe6, 0xf4, 0xff, 160));
    painter.drawEllipse(QPointF(0, 0), 22, 5);
    painter.restore();
}

// The prohibition sign: a red ring with a bar from top left to bottom right.
void DrawSign(QPainter& painter, QPointF centre, double radius, double opacity = 1)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(opacity);
    const double ring = radius * 0.17;
    QPainterPath sign;
    sign.addEllipse(centre, radius, radius);
    sign.addEllipse(centre, radius - ring, radius - ring);
    QPainterPath bar;
    const double half = ring * 0.55;
    QTransform turn;
    turn.translate(centre.x(), centre.y());
    turn.rotate(45);
    bar.addRect(QRectF(-(radius - ring / 2), -half, 2 * (radius - ring / 2), 2 * half));
    sign = sign.united(turn.map(bar));
    painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(sign);
    painter.setPen(QPen(Red.darker(130), 1.5));
    painter.setBrush(Red);
    painter.drawPath(sign);
    painter.restore();
}

// A small computer screen with a face, on its stand.
enum class TScreenFace { Happy, Shocked, Sad };

void DrawMonitor(QPainter& painter, QRectF screen, TScreenFace face)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor frame(0x4a, 0x52, 0x62);
    const QPointF foot(screen.center().x(), screen.bottom() + 16);
    painter.setPen(QPen(CastInk::Outline(), 2));
    painter.setBrush(frame.lighter(130));
    painter.drawRect(QRectF(foot.x() - 7, screen.bottom() + 4, 14, 13));
    painter.drawRoundedRect(QRectF(foot.x() - 26, foot.y(), 52, 7), 3, 3);
    painter.setBrush(frame);
    painter.drawRoundedRect(screen.adjusted(-7, -7, 7, 7), 8, 8);
    QLinearGradient glow(screen.topLeft(), screen.bottomLeft());
    glow.setColorAt(0, QColor(0xd8, 0xee, 0xff));
    glow.setColorAt(1, QColor(0x9c, 0xcc, 0xf4));
    painter.setBrush(glow);
    painter.setPen(QPen(CastInk::Outline(), 1.2));
    painter.drawRoundedRect(screen, 3, 3);

    const QPointF c = screen.center();
    const double u = screen.height() / 60;
    painter.setPen(QPen(CastInk::Outline(), 2.6 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    switch (face) {
    case TScreenFace::Happy:
        painter.setBrush(CastInk::Outline());
        painter.drawEllipse(c + QPointF(-13 * u, -7 * u), 3 * u, 4 * u);
        painter.drawEllipse(c + QPointF(13 * u, -7 * u), 3 * u, 4 * u);
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(c.x() - 13 * u, c.y() - 6 * u, 26 * u, 20 * u), 200 * 16, 140 * 16);
        break;
    case TScreenFace::Shocked:
        for (const double side : {-1.0, 1.0}) {
            const QPointF e = c + QPointF(13 * u * side, -7 * u);
            painter.drawLine(e + QPointF(-4 * u, -4 * u), e + QPointF(4 * u, 4 * u));
            painter.drawLine(e + QPointF(-4 * u, 4 * u), e + QPointF(4 * u, -4 * u));
        }
        painter.setBrush(CastInk::Outline());
        painter.drawEllipse(c + QPointF(0, 11 * u), 5 * u, 6 * u);
        break;
    case TScreenFace::Sad:
        painter.setBrush(CastInk::Outline());
        painter.drawEllipse(c + QPointF(-13 * u, -6 * u), 3 * u, 3.5 * u);
        painter.drawEllipse(c + QPointF(13 * u, -6 * u), 3 * u, 3.5 * u);
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(c.x() - 11 * u, c.y() + 6 * u, 22 * u, 14 * u), 20 * 16, 140 * 16);
        painter.setPen(QPen(QColor(0x3f, 0x8f, 0xe8), 1.2 * u));
        painter.setBrush(QColor(0x7c, 0xc0, 0xff));
        painter.drawEllipse(c + QPointF(17 * u, 2 * u), 2.6 * u, 4 * u);
        break;
    }
    painter.restore();
}

// A jagged burst with a word in it, where the fist lands.
void DrawBurst(QPainter& painter, QPointF centre, double radius, const QString& word)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPolygonF burst;
    const int points = 12;
    for (int i = 0; i < 2 * points; ++i) {
        const double a = i * std::numbers::pi / points;
        const double r = i % 2 == 0 ? radius : radius * 0.6;
        burst << centre + QPointF(std::cos(a) * r * 1.3, std::sin(a) * r);
    }
    painter.setPen(QPen(QColor(0xc0, 0x3a, 0x10), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0xff, 0xe0, 0x4a));
    painter.drawPolygon(burst);
    painter.setFont(ArtKit::LabelFont(int(radius * 0.5)));
    painter.setPen(QColor(0xc0, 0x2a, 0x10));
    painter.drawText(QRectF(centre.x() - radius * 1.3, centre.y() - radius, radius * 2.6, radius * 2), Qt::AlignCenter,
                     word);
    painter.restore();
}

double Swell(double phase)
{
    const double s = std::sin(std::numbers::pi * phase);
    return s * s;
}

// The colour the info page shows around its clip, so that the clip's corners vanish into it
// whether the page plays it see-through or not.
QColor InfoBackdropAtClip()
{
    const QImage page = KeyboardPagesArt::InfoScreen();
    const QRect r = KeyboardPagesArt::Places::InfoClip;
    double red = 0, green = 0, blue = 0;
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); y += 4)
        for (int x = r.left(); x <= r.right(); x += 4) {
            const QRgb c = page.pixel(x, y);
            red += qRed(c);
            green += qGreen(c);
            blue += qBlue(c);
            ++n;
        }
    return QColor(int(red / n + 0.5), int(green / n + 0.5), int(blue / n + 0.5));
}

// An advice card: its colour, the small keyboard lying at keyboardTop, and over it what
// must not come near a keyboard.
QImage AdviceCard(QColor colour, int keyboardTop, const std::function<void(QPainter&)>& paintDanger)
{
    QImage image = Transparent(CardSize);
    QPainter painter(&image);
    DrawCard(painter, colour);
    DrawSmallKeyboard(painter, QPointF(14, keyboardTop), 162);
    paintDanger(painter);
    painter.end();
    return image;
}

} // namespace

QImage DirtyHandsPicture()
{
    return AdviceCard(QColor(0x8a, 0x56, 0xc2), 136, [](QPainter& painter) {
        // Palms towards us: the right hand on the picture's left, thumbs inwards.
        HandArt::DrawOpenHand(painter, QPointF(58, 84), 44, -14, true, true);
        HandArt::DrawOpenHand(painter, QPointF(132, 84), 44, 14, false, true);
        // Two little stink lines between the hands.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0x7a, 0x8a, 0x3a), 2.2, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        for (const double x : {88.0, 100.0}) {
            QPainterPath wave(QPointF(x, 70));
            wave.cubicTo(QPointF(x - 6, 60), QPointF(x + 6, 52), QPointF(x, 40));
            painter.drawPath(wave);
        }
    });
}

QImage FoodPicture()
{
    return AdviceCard(QColor(0xf2, 0xb1, 0x34), 128, [](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        // Crumbs falling and lying on the keys.
        const struct {
            double x, y, size, turn;
        } crumbs[] = {{70, 92, 3.2, 10},  {92, 104, 2.6, 40}, {118, 96, 3, 70},   {104, 118, 2.4, 20}, {80, 122, 2.8, 80},
                      {60, 140, 3, 30},   {98, 146, 3.4, 60}, {126, 138, 2.6, 5}, {140, 152, 3, 45},   {76, 156, 2.6, 75},
                      {48, 150, 2.4, 15}, {116, 160, 2.8, 35}};
        for (const auto& c : crumbs)
            DrawCrumb(painter, QPointF(c.x, c.y), c.size, c.turn);
        DrawSandwich(painter, QPointF(95, 54), 112, -10);
    });
}

QImage DrinkPicture()
{
    return AdviceCard(QColor(0x3f, 0x7f, 0xe0), 126, [](QPainter& painter) {
        DrawGlassSpilling(painter, QPointF(92, 58), 118);
    });
}

QImage ProhibitionSign()
{
    QImage image = Transparent(CardSize);
    QPainter painter(&image);
    DrawSign(painter, QPointF(95, 95), 84);
    painter.end();
    return image;
}

std::vector<QImage> NoHittingFrames()
{
    const int count = 36;
    const QColor around = InfoBackdropAtClip();

    // 0-7 the fist winds up, 8-10 it comes down, 10-13 the blow, 14-17 it goes away,
    // 18-35 the sign, fading out over the last frames so that the loop starts clean.
    std::vector<TCastPose> poses;
    for (int i = 0; i < count; ++i) {
        TCastPose odon = TCastPose::Standing();
        if (i < 10) {
            odon.lookX = -0.8;
            odon.lookY = -0.3;
            odon.eyebrows = 0.5;
        } else if (i < 18) {
            odon.mouth = TCastMouth::Open;
            odon.eyebrows = 1;
            odon.lookX = -0.8;
            odon.leftArm = {125, 70, TCastHand::Open};
            odon.rightArm = {125, 70, TCastHand::Open};
        } else {
            const double phase = (i - 18) / 9.0;
            odon = TCastPose::ShakingHead(phase);
            odon.rightArm = {170 + 14 * std::sin(2 * std::numbers::pi * phase), 8, TCastHand::Pointing};
        }
        poses.push_back(odon);
    }
    // One scale for every frame, so that Ödön keeps his size.
    const QRectF odonBox(124, 28, 62, 150);
    double scale = 1e9;
    for (const TCastPose& pose : poses)
        scale = std::min(scale, CastFitScale(TCastMember::Odon, pose, odonBox.size()));

    std::vector<QImage> frames;
    for (int i = 0; i < count; ++i) {
        QImage frame(CardSize, QImage::Format_RGB32);
        frame.fill(around);
        QPainter painter(&frame);
        DrawCard(painter, QColor(0xe0, 0x4e, 0x68));

        const bool blow = i >= 10 && i <= 13;
        const double shake = blow ? (i % 2 == 0 ? 2.5 : -2.5) : 0;
        const TScreenFace face = i < 10 ? TScreenFace::Happy : (i <= 13 ? TScreenFace::Shocked : TScreenFace::Sad);
        DrawMonitor(painter, QRectF(20 + shake, 30, 70, 50), face);
        DrawSmallKeyboard(painter, QPointF(10, 134 + (blow ? 2 : 0)), 112);

        // The fist comes down beside the screen onto the keyboard's right side.
        double fistY = -200;
        if (i <= 7)
            fistY = 58 - 34 * Swell(i / 14.0);
        else if (i <= 10)
            fistY = 24 + (i - 7) * 36;
        else if (i <= 13)
            fistY = 132;
        else if (i <= 17)
            fistY = 132 - (i - 13) * 46;
        HandArt::DrawFist(painter, QPointF(100, fistY), 38, -6);
        if (blow)
            DrawBurst(painter, QPointF(84, 156), 19, QStringLiteral("BUMM!"));

        PaintCastMemberAt(painter, TCastMember::Odon, poses[size_t(i)], QPointF(odonBox.center().x(), odonBox.bottom()),
                          scale);

        if (i >= 18) {
            const double pop = i == 18 ? 0.7 : (i == 19 ? 1.08 : 1.0);
            const double fade = i >= 33 ? (35.5 - i) / 3.0 : 1.0;
            DrawSign(painter, QPointF(64, 100), 58 * pop, std::clamp(fade, 0.0, 1.0));
        }
        painter.end();
        frames.push_back(frame);
    }
    return frames;
}

std::vector<QImage> ThumbsUpFrames()
{
    const QRect place = KeyboardPagesArt::Places::OdonClip;
    const QImage background = KeyboardPagesArt::EvaluationScreen().copy(place).convertToFormat(QImage::Format_RGB32);
    // He stands on the podium drawn on the evaluation background.
    const double floor = 398 - place.top() + 5;
    std::vector<TCastPose> poses;
    for (int i = 0; i < ThumbsUpLoop; ++i) {
        const double phase = double(i) / ThumbsUpLoop;
        const double beat = std::sin(2 * std::numbers::pi * phase);
        TCastPose pose = TCastPose::ThumbsUp();
        pose.bounce = 4 * Swell(phase);
        pose.rightArm.shoulder += 8 * beat;
        pose.rightArm.elbow -= 10 * beat;
        pose.headTilt += 3 * beat;
        pose.mouth = TCastMouth::Grin;
        poses.push_back(pose);
    }
    // Fitted by what all the frames cover together, the raised arm included.
    QRectF cover;
    for (const TCastPose& pose : poses)
        cover |= CastFigureBounds(TCastMember::Odon, pose);
    const double scale = std::min((place.width() - 8) / cover.width(), (floor - 20) / -cover.top());
    const QPointF feet(place.width() / 2.0 - cover.center().x() * scale, floor);
    std::vector<QImage> frames;
    for (const TCastPose& pose : poses) {
        QImage frame = background;
        QPainter painter(&frame);
        PaintCastMemberAt(painter, TCastMember::Odon, pose, feet, scale);
        painter.end();
        frames.push_back(frame);
    }
    return frames;
}

} // namespace KeyboardInfoArt

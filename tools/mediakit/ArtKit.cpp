#include "ArtKit.h"

#include <QFont>
#include <QImage>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QLoggingCategory>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace ArtKit {

namespace {

QColor Mixed(QColor a, QColor b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QColor WithAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

// A key body and its top face: the body is the whole shape, the face is the shape moved in
// more at the bottom, as a key seen slightly from above.
struct TKeyShape {
    QPainterPath body;
    QPainterPath face;
};

void PaintKeyShape(QPainter& painter, const TKeyShape& shape, QColor face)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    // Soft shadow under the key, kept inside the key's own rectangle.
    const QRectF bounds = shape.body.boundingRect();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawPath(shape.body.translated(0, 2));

    QLinearGradient side(bounds.topLeft(), bounds.bottomLeft());
    side.setColorAt(0, Palette::KeySide.lighter(108));
    side.setColorAt(1, Palette::KeySide.darker(118));
    painter.setBrush(side);
    painter.setPen(QPen(Palette::Ink.lighter(150), 1.5));
    painter.drawPath(shape.body);

    const QRectF faceBounds = shape.face.boundingRect();
    QLinearGradient top(faceBounds.topLeft(), faceBounds.bottomLeft());
    top.setColorAt(0, face.lighter(104));
    top.setColorAt(1, Mixed(face, Palette::KeySide, 0.28));
    painter.setBrush(top);
    painter.setPen(QPen(WithAlpha(Palette::Ink, 60), 1));
    painter.drawPath(shape.face);

    // A faint gloss on the upper half of the face.
    painter.setClipPath(shape.face);
    QLinearGradient gloss(faceBounds.topLeft(), QPointF(faceBounds.left(), faceBounds.top() + faceBounds.height() * 0.5));
    gloss.setColorAt(0, QColor(255, 255, 255, 150));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setBrush(gloss);
    painter.setPen(Qt::NoPen);
    painter.drawRect(faceBounds);
    painter.restore();
}

TKeyShape RectKeyShape(QRectF r)
{
    const qreal radius = std::min(r.width(), r.height()) * 0.14 + 2;
    const QRectF body = r.adjusted(0.75, 0.75, -0.75, -2.75);
    const qreal side = std::max<qreal>(3, std::min(r.width(), r.height()) * 0.08);
    const QRectF face = body.adjusted(side, side * 0.6, -side, -side * 1.7);
    return {RoundedRect(body, radius), RoundedRect(face, radius * 0.8)};
}


} // namespace

void DrawArrowHeadLine(QPainter& painter, const QPainterPath& line, QPointF tip, QPointF direction, qreal pen,
                       QColor colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
    const qreal len = std::hypot(direction.x(), direction.y());
    const QPointF d = direction / len;
    const QPointF n(-d.y(), d.x());
    const qreal head = pen * 2.6;
    QPolygonF arrow;
    arrow << tip + d * pen * 0.6 << tip - d * head + n * head * 0.85 << tip - d * head - n * head * 0.85;
    painter.setPen(QPen(colour, pen * 0.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(colour);
    painter.drawPolygon(arrow);
    painter.restore();
}

void DrawCard(QPainter& painter, const QRectF& rect, const TCard& card)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(card.shadow);
    painter.drawRoundedRect(rect.translated(card.drop), card.radius, card.radius);
    painter.setBrush(card.fill);
    painter.setPen(card.edge);
    const qreal i = card.inset;
    painter.drawRoundedRect(rect.adjusted(i, i, -i, -i), card.radius, card.radius);
}

QLinearGradient Downwards(const QRectF& rect, QColor top, QColor bottom)
{
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    return fill;
}

QImage Transparent(QSize size, QImage::Format format)
{
    QImage image(size, format);
    image.fill(Qt::transparent);
    return image;
}

std::vector<QImage> DrawnFrames(QSize size, int count, const QColor& background,
                                const std::function<void(QPainter&, int)>& draw)
{
    std::vector<QImage> frames;
    for (int i = 0; i < count; ++i) {
        QImage frame(size, QImage::Format_RGB32);
        frame.fill(background);
        QPainter painter(&frame);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter, i);
        painter.end();
        frames.push_back(frame);
    }
    return frames;
}

QPainterPath RoundedRect(const QRectF& rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

void Place(QPainter& painter, QPointF origin, qreal degrees, qreal scale)
{
    painter.translate(origin);
    painter.rotate(degrees);
    painter.scale(scale, scale);
}

QFont LabelFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

int FittingPixelSize(const QStringList& texts, int width, int maxPixelSize, bool bold)
{
    int size = maxPixelSize;
    for (; size > 6; --size) {
        const QFontMetrics metrics(LabelFont(size, bold));
        const bool fits = std::all_of(texts.begin(), texts.end(),
                                      [&](const QString& t) { return metrics.horizontalAdvance(t) <= width; });
        if (fits)
            break;
    }
    return size;
}

void DrawPageBackdrop(QPainter& painter, QRect rect, QColor accent)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(rect);
    painter.setPen(Qt::NoPen);

    // Close to the page grey, a little cooler at the top and warmer at the bottom.
    QLinearGradient ground(rect.topLeft(), rect.bottomLeft());
    ground.setColorAt(0, QColor(0xee, 0xf2, 0xf7));
    ground.setColorAt(0.55, QColor(0xea, 0xed, 0xf1));
    ground.setColorAt(1, QColor(0xeb, 0xea, 0xe5));
    painter.fillRect(rect, ground);

    // Pale blobs in fixed places (golden-angle spread), so every run draws the same picture.
    const QColor tints[] = {accent, QColor(0xf2, 0xb1, 0x34), QColor(0x4c, 0xb0, 0x6a), QColor(0xe5, 0x56, 0x6d)};
    const QPointF centre = QRectF(rect).center();
    const qreal reach = std::hypot(rect.width(), rect.height()) * 0.5;
    for (int i = 0; i < 9; ++i) {
        const qreal angle = i * 2.39996;
        const qreal dist = reach * std::sqrt((i + 0.6) / 9.6);
        const QPointF c(centre.x() + std::cos(angle) * dist * 1.05, centre.y() + std::sin(angle) * dist * 0.8);
        const qreal radius = rect.width() * (0.10 + 0.05 * ((i * 7) % 4));
        QRadialGradient blob(c, radius);
        const QColor pastel = Mixed(tints[i % 4], Qt::white, 0.5);
        blob.setColorAt(0, WithAlpha(pastel, 30));
        blob.setColorAt(1, WithAlpha(pastel, 0));
        painter.setBrush(blob);
        painter.drawEllipse(c, radius, radius);
    }

    // A faint dot grid, like squared paper.
    const int step = 24;
    painter.setBrush(WithAlpha(Mixed(accent, Qt::white, 0.35), 34));
    for (int y = rect.top() + step / 2; y < rect.bottom(); y += step)
        for (int x = rect.left() + step / 2; x < rect.right(); x += step)
            painter.drawEllipse(QPointF(x, y), 1.3, 1.3);
    painter.restore();
}

void DrawSoftPanel(QPainter& painter, QRect rect, int radius)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    DrawCard(painter, rect, {.radius = qreal(radius), .shadow = QColor(0x40, 0x50, 0x70, 22),
                             .fill = QColor(255, 255, 255, 170), .edge = QPen(QColor(255, 255, 255, 230), 1.5),
                             .inset = 0.75});
    painter.restore();
}

void DrawInputField(QPainter& painter, QRect rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal m = InputFrameMargin;
    const QRectF frame = QRectF(rect).adjusted(-m, -m, m, m);
    DrawCard(painter, frame, {.radius = 14, .shadow = QColor(0x30, 0x40, 0x60, 35),
                              .fill = Downwards(frame, QColor(0xa9, 0xcc, 0xf0), QColor(0x6f, 0xa4, 0xdc)),
                              .edge = QPen(QColor(0x4a, 0x7e, 0xb8), 1.5), .inset = 0.75});

    // The strip itself; the edit box covers exactly this.
    painter.setPen(QPen(QColor(0x3d, 0x6a, 0x9e), 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(rect).adjusted(-1.5, -1.5, 1.5, 1.5), 6, 6);
    painter.fillRect(rect, Qt::white);
    painter.restore();
}

void DrawPencil(QPainter& painter, QRect rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn along the x axis in a unit box, then tilted a little, tip to the right.
    const QRectF r(rect);
    painter.translate(r.center());
    painter.rotate(-28);
    const qreal len = std::min(r.width(), r.height()) * 1.05;
    const qreal w = len * 0.22;
    const qreal x0 = -len / 2;
    const qreal tipStart = len / 2 - len * 0.24;
    painter.setPen(QPen(Palette::Ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    // Eraser and band.
    painter.setBrush(QColor(0xf3, 0x8b, 0xa0));
    painter.drawRoundedRect(QRectF(x0, -w / 2, len * 0.14, w), 3, 3);
    painter.setBrush(QColor(0xb8, 0xbe, 0xc8));
    painter.drawRect(QRectF(x0 + len * 0.12, -w / 2, len * 0.08, w));
    // Body with three facets.
    const qreal bodyX = x0 + len * 0.20;
    const qreal bodyW = tipStart - bodyX;
    painter.setBrush(QColor(0xff, 0xc9, 0x3c));
    painter.drawRect(QRectF(bodyX, -w / 2, bodyW, w));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf2, 0xa9, 0x1c));
    painter.drawRect(QRectF(bodyX + 0.8, w / 6, bodyW - 1.6, w / 3 - 0.8));
    painter.setBrush(QColor(255, 240, 180));
    painter.drawRect(QRectF(bodyX + 0.8, -w / 2 + 0.8, bodyW - 1.6, w / 6));
    // Wooden cone and lead.
    painter.setPen(QPen(Palette::Ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPolygonF cone;
    cone << QPointF(tipStart, -w / 2) << QPointF(len / 2, 0) << QPointF(tipStart, w / 2);
    painter.setBrush(QColor(0xf5, 0xd9, 0xa8));
    painter.drawPolygon(cone);
    QPolygonF lead;
    lead << QPointF(len / 2 - len * 0.08, -w * 0.17) << QPointF(len / 2, 0) << QPointF(len / 2 - len * 0.08, w * 0.17);
    painter.setBrush(Palette::Ink);
    painter.drawPolygon(lead);
    painter.restore();
}

void DrawKey(QPainter& painter, QRect rect, const QString& label, QColor face)
{
    const TKeyShape shape = RectKeyShape(rect);
    PaintKeyShape(painter, shape, face);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF faceRect = shape.face.boundingRect();
    const int size = FittingPixelSize({label}, int(faceRect.width() - 6), int(faceRect.height() * 0.62));
    painter.setFont(LabelFont(size));
    painter.setPen(Palette::Ink);
    painter.drawText(faceRect, Qt::AlignCenter, label);
    painter.restore();
}

void DrawArrowLeft(QPainter& painter, QPointF tip, qreal length, qreal pen, QColor colour)
{
    QPainterPath line(tip + QPointF(length, 0));
    line.lineTo(tip + QPointF(pen * 1.5, 0));
    DrawArrowHeadLine(painter, line, tip, QPointF(-1, 0), pen, colour);
}

void DrawEnterKey(QPainter& painter, QRect rect)
{
    // The ISO Enter key: a full-width upper part and a narrower stem on the right below it.
    const QRectF r = QRectF(rect).adjusted(0.75, 0.75, -0.75, -2.75);
    const qreal upper = r.height() * 0.47;
    const qreal stemLeft = r.left() + r.width() * 0.2;
    const qreal radius = 12;
    const QPainterPath body = RoundedRect(QRectF(r.left(), r.top(), r.width(), upper), radius)
                                  .united(RoundedRect(QRectF(stemLeft, r.top(), r.right() - stemLeft, r.height()), radius));
    const qreal side = 7;
    const QRectF faceTop(r.left() + side, r.top() + side * 0.6, r.width() - 2 * side, upper - side * 1.9);
    const QRectF faceStem(stemLeft + side, r.top() + side * 0.6, r.right() - stemLeft - 2 * side,
                          r.height() - side * 2.3);
    const QPainterPath face = RoundedRect(faceTop, radius - 3).united(RoundedRect(faceStem, radius - 3));
    PaintKeyShape(painter, {body, face}, QColor(0xee, 0xfa, 0xee));

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const int size = FittingPixelSize({QStringLiteral("ENTER")}, int(faceTop.width() - 14), 24);
    painter.setFont(LabelFont(size));
    painter.setPen(Palette::Ink);
    painter.drawText(faceTop.adjusted(0, 2, 0, 0), Qt::AlignCenter, QStringLiteral("ENTER"));

    // The return arrow: down from the top of the stem, then left.
    const QColor green(0x1f, 0x8f, 0x45);
    const qreal pen = std::max<qreal>(4, r.width() * 0.05);
    const qreal downX = faceStem.right() - faceStem.width() * 0.2;
    const QPointF corner(downX, faceStem.bottom() - faceStem.height() * 0.2 - pen);
    const QPointF tip(faceStem.left() + faceStem.width() * 0.12, corner.y());
    QPainterPath arrow(QPointF(downX, faceTop.bottom() + pen * 1.6));
    arrow.lineTo(corner);
    arrow.lineTo(tip + QPointF(pen * 1.5, 0));
    DrawArrowHeadLine(painter, arrow, tip, QPointF(-1, 0), pen, green);
    painter.restore();
}

void DrawBackspaceKey(QPainter& painter, QRect rect)
{
    const TKeyShape shape = RectKeyShape(rect);
    PaintKeyShape(painter, shape, Palette::KeyFace);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = shape.face.boundingRect();
    const qreal pen = std::max<qreal>(3, face.height() * 0.09);
    const qreal arrowY = face.top() + face.height() * 0.36;
    DrawArrowLeft(painter, QPointF(face.left() + face.width() * 0.14, arrowY), face.width() * 0.7, pen,
                  QColor(0xc6, 0x3b, 0x3b));
    const QString label = QStringLiteral("Backspace");
    const int size = FittingPixelSize({label}, int(face.width() - 8), 13);
    painter.setFont(LabelFont(size));
    painter.setPen(Palette::Ink);
    painter.drawText(QRectF(face.left(), face.top() + face.height() * 0.58, face.width(), face.height() * 0.4),
                     Qt::AlignHCenter | Qt::AlignTop, label);
    painter.restore();
}

void DrawExitSign(QPainter& painter, QRect rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect).adjusted(0.75, 0.75, -0.75, -2.25);
    const qreal u = std::min(r.width(), r.height()) / 50.0;

    DrawCard(painter, r, {.radius = 7 * u, .drop = {0, 1.5}, .shadow = QColor(0, 0, 0, 45),
                          .fill = Downwards(r, Palette::ExitGreen.lighter(118), Palette::ExitGreen.darker(112)),
                          .edge = QPen(Palette::ExitGreen.darker(170), 1.5)});

    // The doorway, bright inside, with its white frame.
    const QPointF o = r.topLeft();
    auto at = [&](qreal x, qreal y) { return o + QPointF(x * u, y * u); };
    const QRectF doorway(at(7, 7), at(27, 44));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xf1, 0x9c));
    painter.drawRect(doorway);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 2.6 * u, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    QPainterPath frame(at(7, 44));
    frame.lineTo(at(7, 7));
    frame.lineTo(at(27, 7));
    frame.lineTo(at(27, 44));
    painter.drawPath(frame);

    // The door leaf swung open towards us, hinged on the left jamb.
    QPolygonF leaf;
    leaf << at(7, 7) << at(16, 11) << at(16, 47) << at(7, 44);
    painter.setPen(QPen(QColor(0x5a, 0x33, 0x14), 1.2 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0xb8, 0x6b, 0x2c));
    painter.drawPolygon(leaf);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xd8, 0x4a));
    painter.drawEllipse(at(14, 29), 1.4 * u, 1.4 * u);

    // The arrow leads out of the doorway to the right.
    QPainterPath line(at(19, 26));
    line.lineTo(at(37, 26));
    painter.restore();
    DrawArrowHeadLine(painter, line, at(44, 26), QPointF(1, 0), 4.2 * u, Qt::white);
}

void DrawLabelButton(QPainter& painter, QRect rect, const TLabelButton& button)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect).adjusted(0.75, 0.75, -0.75, -2.75);
    const qreal radius = r.height() * 0.3;
    DrawCard(painter, r, {.radius = radius, .drop = {0, 2}, .shadow = QColor(0, 0, 0, 45),
                          .fill = Downwards(r, button.faceTop, button.faceBottom),
                          .edge = QPen(button.accent.darker(115), 2), .inset = 1});

    // The sign in a disc of the accent colour on the left.
    const qreal d = r.height() * 0.62;
    const QRectF disc(r.left() + r.height() * 0.14, r.center().y() - d / 2, d, d);
    QLinearGradient discFill(disc.topLeft(), disc.bottomLeft());
    discFill.setColorAt(0, button.accent.lighter(115));
    discFill.setColorAt(1, button.accent.darker(108));
    painter.setBrush(discFill);
    painter.setPen(QPen(button.accent.darker(135), 1.2));
    painter.drawEllipse(disc);
    if (button.sign)
        button.sign(painter, disc);

    const QRectF textRect(disc.right() + 2, r.top(), r.right() - disc.right() - 5, r.height());
    // A label may run on two lines ("\n"); each line then gets its share of the height.
    const QStringList lines = button.label.split(QLatin1Char('\n'));
    const int size = FittingPixelSize(lines, int(textRect.width()), int(r.height() * 0.42 / (lines.size() > 1 ? 1.55 : 1)));
    painter.setFont(LabelFont(size));
    painter.setPen(button.lettering);
    painter.drawText(textRect, Qt::AlignCenter, button.label);
    painter.restore();
}

void DrawBackButton(QPainter& painter, QRect rect, const QString& label)
{
    DrawLabelButton(painter, rect,
                    {.label = label, .faceTop = QColor(0xff, 0xfb, 0xf0),
                     .faceBottom = QColor(0xff, 0xe2, 0xb0), .accent = Palette::BackOrange,
                     .lettering = QColor(0x6a, 0x3a, 0x08), .sign = [](QPainter& p, const QRectF& disc) {
                         const qreal d = disc.width();
                         DrawArrowLeft(p, QPointF(disc.left() + d * 0.2, disc.center().y()), d * 0.58, d * 0.13, Qt::white);
                     }});
}

void DrawStartButton(QPainter& painter, QRect rect)
{
    DrawLabelButton(painter, rect,
                    {.label = QStringLiteral("START"), .faceTop = QColor(0xf2, 0xff, 0xf4),
                     .faceBottom = QColor(0xbf, 0xec, 0xcb), .accent = Palette::ExitGreen,
                     .lettering = Palette::ExitGreen.darker(190), .sign = [](QPainter& p, const QRectF& disc) {
                         const qreal u = disc.width() / 10;
                         QPainterPath play(disc.topLeft() + QPointF(3.6 * u, 2.6 * u));
                         play.lineTo(disc.topLeft() + QPointF(7.8 * u, 5 * u));
                         play.lineTo(disc.topLeft() + QPointF(3.6 * u, 7.4 * u));
                         play.closeSubpath();
                         p.setPen(Qt::NoPen);
                         p.setBrush(Qt::white);
                         p.drawPath(play);
                     }});
}

void DrawBunting(QPainter& painter, QPointF from, QPointF to, qreal sag, int flags, qreal flagHeight)
{
    const QColor colours[] = {QColor(0xe0, 0x4e, 0x68), QColor(0xf2, 0xb1, 0x34), QColor(0x3a, 0x9a, 0x48),
                              QColor(0x3f, 0x7f, 0xe0), QColor(0x8a, 0x56, 0xc2)};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath string(from);
    string.quadTo((from + to) / 2 + QPointF(0, 2 * sag), to);
    painter.setPen(QPen(QColor(0x7a, 0x68, 0x50), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(string);
    const qreal half = 0.36 / flags;
    for (int i = 0; i < flags; ++i) {
        const qreal t = (i + 0.5) / flags;
        const QPointF a = string.pointAtPercent(t - half);
        const QPointF b = string.pointAtPercent(t + half);
        const QPointF tip = (a + b) / 2 + QPointF(0, flagHeight);
        const QColor c = colours[i % 5];
        painter.setPen(QPen(c.darker(130), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(c);
        painter.drawPolygon(QPolygonF() << a << b << tip);
    }
    painter.restore();
}

void DrawStar(QPainter& painter, QPointF centre, qreal radius, QColor fill, QColor edge)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const qreal r = (i % 2 == 0) ? radius : radius * 0.45;
        star << centre + QPointF(std::cos(a) * r, std::sin(a) * r);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(edge.isValid() ? edge : fill.darker(150), std::max<qreal>(1, radius * 0.1), Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPolygon(star);
    painter.restore();
}

void DrawHintArrow(QPainter& painter, QPointF from, QPointF control, QPointF to, QColor colour)
{
    QPainterPath curve(from);
    curve.quadTo(control, to);
    // End the line a little before the tip so the head covers it.
    const QPointF dir = to - control;
    painter.save();
    QPen pen(colour, 3.5, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin);
    pen.setDashPattern({2.2, 2.2});
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush); // an open curve: a brush would fill it
    painter.drawPath(curve);
    painter.restore();
    DrawArrowHeadLine(painter, QPainterPath(to), to, dir, 3.5, colour);
}

void DrawHeading(QPainter& painter, QPoint baselineStart, const QString& title, int pixelSize)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath text;
    text.addText(baselineStart, ArtKit::LabelFont(pixelSize), title);
    painter.setPen(QPen(QColor(255, 255, 255, 220), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(text);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::Heading);
    painter.drawPath(text);
    painter.restore();
}


void DrawClipArt(QPainter& painter, const QString& file, const QRectF& rect)
{
    // Some drawings hold elements QtSvg skips (a gradient in an odd place); they look right
    // without them, so the renderer's complaints are not wanted in the build's output.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.svg.warning=false"));
    QSvgRenderer svg(QStringLiteral("/usr/share/openclipart/svg/") + file);
    if (!svg.isValid())
        throw std::runtime_error("no clip art " + file.toStdString());
    const QSizeF size = QSizeF(svg.defaultSize()).scaled(rect.size(), Qt::KeepAspectRatio);
    svg.render(&painter, QRectF(rect.center() - QPointF(size.width(), size.height()) / 2, size));
}

void DrawLandscape(QPainter& painter, const TLandscape& landscape)
{
    const QRectF frame = landscape.frame;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    if (!landscape.sky.isEmpty()) {
        QLinearGradient sky(frame.topLeft(), QPointF(frame.left(), landscape.horizon > 0 ? landscape.horizon : frame.bottom()));
        sky.setStops(landscape.sky);
        painter.fillRect(frame, sky);
    }
    const TSun& sun = landscape.sun;
    if (sun.glow > 0) {
        QRadialGradient glow(sun.centre, sun.glow);
        glow.setStops(sun.light);
        painter.setBrush(glow);
        painter.drawEllipse(sun.centre, sun.glow, sun.glow);
    }
    if (sun.radius > 0) {
        painter.setBrush(sun.colour);
        painter.drawEllipse(sun.centre, sun.radius, sun.radius);
    }
    if (landscape.inSky) {
        painter.save();
        landscape.inSky(painter);
        painter.restore();
    }
    for (const THill& hill : landscape.hills) {
        QPainterPath shape = hill.ridge;
        shape.lineTo(frame.bottomRight());
        shape.lineTo(frame.bottomLeft());
        shape.closeSubpath();
        const qreal top = hill.ridge.controlPointRect().top();
        painter.setPen(Qt::NoPen);
        if (hill.foot.isValid())
            painter.setBrush(Downwards(QRectF(frame.left(), top, frame.width(), frame.bottom() - top), hill.top, hill.foot));
        else
            painter.setBrush(hill.top);
        painter.drawPath(shape);
    }
    painter.restore();
}

QPainterPath Ridge(QPointF from, std::initializer_list<QPointF> pieces)
{
    Q_ASSERT(pieces.size() % 3 == 0);
    QPainterPath ridge(from);
    for (auto p = pieces.begin(); p + 2 < pieces.end(); p += 3)
        ridge.cubicTo(p[0], p[1], p[2]);
    return ridge;
}


QImage FestivePage(QColor accent)
{
    QImage image(QSize(1024, 768), QImage::Format_RGB32);
    image.fill(QColor(0xdd, 0xdd, 0xdd));
    QPainter painter(&image);
    DrawPageBackdrop(painter, image.rect(), accent);
    DrawBunting(painter, QPointF(-12, 2), QPointF(512, 6), 10, 13, 22);
    DrawBunting(painter, QPointF(512, 6), QPointF(1036, 2), 10, 13, 22);
    return image;
}

} // namespace ArtKit

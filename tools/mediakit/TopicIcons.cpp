#include "TopicIcons.h"

#include "ArtKit.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace TopicIcons {

namespace {

using ArtKit::Palette::Ink;

// Every icon is drawn in a 124 x 130 design box, scaled and centred into the target rect.
constexpr qreal DesignW = 124;
constexpr qreal DesignH = 130;

class TDesignBox {
public:
    TDesignBox(QPainter& painter, QRect rect) : painter_(painter)
    {
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.setRenderHint(QPainter::TextAntialiasing);
        const qreal scale = std::min(rect.width() / DesignW, rect.height() / DesignH);
        painter_.translate(QRectF(rect).center());
        painter_.scale(scale, scale);
        painter_.translate(-DesignW / 2, -DesignH / 2);
    }
    ~TDesignBox() { painter_.restore(); }
    TDesignBox(const TDesignBox&) = delete;
    TDesignBox& operator=(const TDesignBox&) = delete;

private:
    QPainter& painter_;
};

const QColor WinGrey(0xd8, 0xdb, 0xe0);
const QColor TitleBlue(0x2a, 0x5c, 0xb8);
const QColor SelectBlue(0x2f, 0x6f, 0xd6);

QPen InkPen(qreal width = 1.4)
{
    return QPen(Ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Text(QPainter& painter, const QRectF& r, int flags, const QString& text, qreal pixelSize, QColor colour,
          bool bold = true)
{
    QFont font = ArtKit::LabelFont(1, bold);
    font.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(r, flags, text);
}

// A raised, classic 3D frame (light top-left, dark bottom-right) filled with face.
void Bevel(QPainter& painter, const QRectF& r, QColor face, bool raised = true)
{
    painter.setPen(QPen(Ink.lighter(130), 1));
    painter.setBrush(face);
    painter.drawRect(r);
    const QColor light = raised ? QColor(255, 255, 255) : face.darker(140);
    const QColor dark = raised ? face.darker(140) : QColor(255, 255, 255);
    painter.setPen(QPen(light, 1.2));
    painter.drawLine(r.topLeft() + QPointF(1.2, 1.2), r.topRight() + QPointF(-1.2, 1.2));
    painter.drawLine(r.topLeft() + QPointF(1.2, 1.2), r.bottomLeft() + QPointF(1.2, -1.2));
    painter.setPen(QPen(dark, 1.2));
    painter.drawLine(r.bottomLeft() + QPointF(1.2, -1.2), r.bottomRight() + QPointF(-1.2, -1.2));
    painter.drawLine(r.topRight() + QPointF(-1.2, 1.2), r.bottomRight() + QPointF(-1.2, -1.2));
}

// The three title-bar buttons (minimise, maximise, close) ending at right.
void TitleButtons(QPainter& painter, qreal right, qreal top, qreal size, bool withMinMax = true)
{
    const qreal gap = 1.5;
    for (int i = 0; i < (withMinMax ? 3 : 1); ++i) {
        const QRectF b(right - (i + 1) * size - i * gap - 2, top, size, size);
        const bool close = i == 0;
        painter.setPen(QPen(Ink.lighter(120), 0.8));
        painter.setBrush(close ? QColor(0xe0, 0x4b, 0x3c) : QColor(0xe9, 0xec, 0xf1));
        painter.drawRoundedRect(b, 1.5, 1.5);
        const QColor mark = close ? QColor(Qt::white) : Ink;
        painter.setPen(QPen(mark, 1.2, Qt::SolidLine, Qt::RoundCap));
        const QRectF m = b.adjusted(size * 0.28, size * 0.28, -size * 0.28, -size * 0.28);
        if (close) {
            painter.drawLine(m.topLeft(), m.bottomRight());
            painter.drawLine(m.topRight(), m.bottomLeft());
        } else if (i == 1) {
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(m);
        } else {
            painter.drawLine(m.bottomLeft(), m.bottomRight());
        }
    }
}

// A small window: frame, title bar with caption and buttons, white client area.
QRectF MiniWindow(QPainter& painter, const QRectF& r, QColor title, const QString& caption, qreal titleH = 14,
                  bool withMinMax = true)
{
    ArtKit::DrawCard(painter, r, {.radius = 3, .drop = {2, 2.5}, .fill = WinGrey, .edge = InkPen(1.2)});
    const QRectF bar(r.left() + 1.5, r.top() + 1.5, r.width() - 3, titleH);
    QLinearGradient g(bar.topLeft(), bar.topRight());
    g.setColorAt(0, title);
    g.setColorAt(1, title.lighter(135));
    painter.setPen(Qt::NoPen);
    painter.setBrush(g);
    painter.drawRoundedRect(bar, 2, 2);
    if (!caption.isEmpty())
        Text(painter, bar.adjusted(4, 0, -30, 0), Qt::AlignLeft | Qt::AlignVCenter, caption, titleH * 0.62,
             Qt::white);
    TitleButtons(painter, bar.right(), bar.top() + 2, titleH - 4, withMinMax);
    const QRectF client(r.left() + 3, bar.bottom() + 2, r.width() - 6, r.bottom() - bar.bottom() - 5);
    painter.setPen(QPen(Ink.lighter(160), 0.8));
    painter.setBrush(Qt::white);
    painter.drawRect(client);
    return client;
}

// Grey "text" lines in a client area.
void TextLines(QPainter& painter, const QRectF& area, int count, qreal step, QColor colour = QColor(0xb5, 0xbc, 0xc8))
{
    painter.setPen(QPen(colour, 2.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < count; ++i) {
        const qreal y = area.top() + step * (i + 0.8);
        if (y > area.bottom() - 2)
            break;
        const qreal len = area.width() * ((i % 3 == 2) ? 0.55 : 0.85);
        painter.drawLine(QPointF(area.left() + 4, y), QPointF(area.left() + 4 + len - 8, y));
    }
}

} // namespace

void DrawPointer(QPainter& painter, QPointF tip, qreal height)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(tip);
    const qreal s = height / 19.0;
    painter.scale(s, s);
    QPolygonF arrow;
    arrow << QPointF(0, 0) << QPointF(0, 15.5) << QPointF(3.8, 12) << QPointF(6.6, 18.4) << QPointF(9.2, 17.3)
          << QPointF(6.5, 11) << QPointF(11.4, 11) << QPointF(0, 0);
    painter.setPen(QPen(Qt::black, 1.3 / std::max<qreal>(0.6, s * 0.9) + 0.2, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPolygon(arrow);
    painter.restore();
}

void DrawKeyboard(QPainter& painter, QRect rect)
{
    TDesignBox box(painter, rect);
    // Two big keys above the keyboard say "keys" even to a child who cannot read yet.
    ArtKit::DrawKey(painter, QRect(18, 2, 40, 40), QStringLiteral("A"), QColor(0xff, 0xf4, 0xc8));
    ArtKit::DrawKey(painter, QRect(66, 2, 40, 40), QStringLiteral("B"), QColor(0xd8, 0xee, 0xff));

    const QRectF body(1, 56, 122, 64);
    ArtKit::DrawCard(painter, body, {.fill = ArtKit::Downwards(body, QColor(0x6c, 0x78, 0x8c), QColor(0x48, 0x52, 0x63)),
                                     .edge = InkPen(1.4)});

    const qreal pitch = 11.6;
    const qreal key = 9.4;
    const qreal left = body.left() + 5;
    const qreal top = body.top() + 5;
    auto keyAt = [&](qreal x, qreal y, qreal w, QColor face) {
        const QRectF k(x, y, w, key);
        painter.setPen(Qt::NoPen);
        painter.setBrush(face.darker(125));
        painter.drawRoundedRect(k.translated(0, 1), 2, 2);
        painter.setBrush(face);
        painter.drawRoundedRect(k, 2, 2);
    };
    const QColor white(0xf6, 0xf7, 0xf9);
    for (int row = 0; row < 4; ++row) {
        const qreal y = top + row * pitch;
        const qreal indent = row * 3;
        const int count = row == 3 ? 0 : 10 - (row == 2 ? 1 : 0);
        for (int i = 0; i < count; ++i)
            keyAt(left + indent + i * pitch, y, key, white);
        if (row == 0)
            keyAt(left + 10 * pitch - 2, y, 112 - 10 * pitch - 3, QColor(0xff, 0xb3, 0xb3));  // backspace
        if (row == 1)
            keyAt(left + indent + 10 * pitch - 2, y, 112 - indent - 10 * pitch - 3, QColor(0xb8, 0xe8, 0xb8));
        if (row == 2)
            keyAt(left + indent + 9 * pitch, y, 112 - indent - 9 * pitch, QColor(0xb8, 0xe8, 0xb8));
        if (row == 3) {
            keyAt(left, y, 20, white);
            keyAt(left + 23, y, 66, QColor(0xff, 0xe6, 0x8a));  // space bar
            keyAt(left + 92, y, 20, white);
        }
    }
}

void DrawMouse(QPainter& painter, QRect rect)
{
    TDesignBox box(painter, rect);
    // The cable curls up to the top edge.
    painter.setPen(QPen(Ink, 3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath cable(QPointF(56, 36));
    cable.cubicTo(QPointF(56, 18), QPointF(30, 24), QPointF(36, 8));
    cable.cubicTo(QPointF(40, -2), QPointF(62, 6), QPointF(70, 2));
    painter.drawPath(cable);

    painter.save();
    painter.translate(58, 82);
    painter.rotate(-8);
    const QRectF shell(-34, -48, 68, 96);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 45));
    painter.drawRoundedRect(shell.translated(3, 4), 34, 38);
    QLinearGradient body(shell.topLeft(), shell.topRight());
    body.setColorAt(0, QColor(0xfa, 0xfb, 0xfd));
    body.setColorAt(1, QColor(0xcf, 0xd5, 0xdf));
    painter.setBrush(body);
    painter.setPen(InkPen(1.8));
    painter.drawRoundedRect(shell, 34, 38);

    // The left button is lit: that is the one to press.
    QPainterPath left;
    left.moveTo(0, -48);
    left.arcTo(QRectF(-34, -48, 68, 76), 90, 90);
    left.lineTo(-34, -12);
    left.lineTo(0, -12);
    left.closeSubpath();
    painter.setBrush(QColor(0x7c, 0xc0, 0xff));
    painter.setPen(InkPen(1.4));
    painter.drawPath(left);
    painter.setPen(InkPen(1.4));
    painter.drawLine(QPointF(0, -48), QPointF(0, -12));
    painter.drawLine(QPointF(-33, -12), QPointF(33, -12));
    // Scroll wheel.
    painter.setBrush(QColor(0x5a, 0x64, 0x74));
    painter.drawRoundedRect(QRectF(-4, -40, 8, 18), 4, 4);
    painter.restore();

    DrawPointer(painter, QPointF(96, 74), 30);
}

void DrawButtons(QPainter& painter, QRect rect)
{
    TDesignBox box(painter, rect);
    // A friendly coloured button...
    const QRectF ok(10, 10, 104, 40);
    ArtKit::DrawCard(painter, ok, {.radius = 12, .shadow = QColor(0, 0, 0, 45),
                                   .fill = ArtKit::Downwards(ok, QColor(0x6c, 0xd0, 0x78), QColor(0x2f, 0x9a, 0x46)),
                                   .edge = QPen(QColor(0x1e, 0x6b, 0x30), 1.6)});
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 70));
    painter.drawRoundedRect(QRectF(ok.left() + 6, ok.top() + 3, ok.width() - 12, ok.height() * 0.38), 8, 8);
    Text(painter, ok, Qt::AlignCenter, QStringLiteral("OK"), 22, Qt::white);

    // ...and the classic grey one, with its focus frame.
    const QRectF cancel(10, 64, 104, 34);
    Bevel(painter, cancel, WinGrey);
    QPen focus(Ink, 1, Qt::DotLine);
    painter.setPen(focus);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cancel.adjusted(5, 5, -5, -5));
    Text(painter, cancel, Qt::AlignCenter, QStringLiteral("Mégsem"), 15, Ink, false);

    // A row of round press buttons.
    const QColor caps[] = {QColor(0xe0, 0x3c, 0x3c), QColor(0xf2, 0xb1, 0x34), QColor(0x2f, 0x6f, 0xd6)};
    for (int i = 0; i < 3; ++i) {
        const QPointF c(30 + i * 32, 115);
        painter.setPen(InkPen(1.3));
        painter.setBrush(QColor(0x9a, 0xa3, 0xb2));
        painter.drawEllipse(c, 12.5, 12.5);
        QRadialGradient cap(c - QPointF(3, 4), 12);
        cap.setColorAt(0, caps[i].lighter(150));
        cap.setColorAt(1, caps[i]);
        painter.setBrush(cap);
        painter.drawEllipse(c, 9, 9);
    }

    DrawPointer(painter, QPointF(90, 36), 26);
}

void DrawCheckMarks(QPainter& painter, QRect rect)
{
    TDesignBox box(painter, rect);
    const qreal size = 20;
    const qreal x = 10;
    const QColor line(0xa7, 0xb0, 0xbe);
    for (int row = 0; row < 4; ++row) {
        const qreal y = 8 + row * 31;
        const bool radio = row >= 2;
        const bool on = row == 0 || row == 2;
        const QRectF b(x, y, size, size);
        painter.setPen(InkPen(1.6));
        painter.setBrush(Qt::white);
        if (radio) {
            painter.drawEllipse(b);
            if (on) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(SelectBlue);
                painter.drawEllipse(b.center(), 5.5, 5.5);
            }
        } else {
            painter.drawRoundedRect(b, 3.5, 3.5);
            if (on) {
                painter.setPen(QPen(QColor(0x1f, 0x9a, 0x45), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                QPainterPath tick(QPointF(x + 3.5, y + 10.5));
                tick.lineTo(QPointF(x + 8.5, y + 16));
                tick.lineTo(QPointF(x + 19, y + 2));
                painter.setBrush(Qt::NoBrush);
                painter.drawPath(tick);
            }
        }
        // The caption beside each mark.
        painter.setPen(QPen(on ? Ink.lighter(140) : line, 4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(x + size + 9, y + size / 2), QPointF(x + size + 9 + (row % 2 ? 56 : 72), y + size / 2));
    }
    // A thin divider between check boxes and radio buttons.
    painter.setPen(QPen(QColor(0xc9, 0xcf, 0xd8), 1.2, Qt::DashLine));
    painter.drawLine(QPointF(6, 65), QPointF(118, 65));
}

void DrawListBox(QPainter& painter, QRect rect)
{
    TDesignBox box(painter, rect);
    const QRectF frame(4, 4, 116, 122);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 35));
    painter.drawRect(frame.translated(2, 3));
    painter.setPen(InkPen(1.4));
    painter.setBrush(Qt::white);
    painter.drawRect(frame);

    const QStringList items = {QStringLiteral("alma"), QStringLiteral("banán"), QStringLiteral("citrom"),
                               QStringLiteral("dinnye"), QStringLiteral("eper")};
    const qreal rowH = 23;
    const qreal listRight = frame.right() - 17;
    for (int i = 0; i < items.size(); ++i) {
        const QRectF row(frame.left() + 2, frame.top() + 3 + i * rowH, listRight - frame.left() - 3, rowH);
        const bool selected = i == 2;
        if (selected) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(SelectBlue);
            painter.drawRect(row.adjusted(0, 1, 0, -1));
        }
        Text(painter, row.adjusted(6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, items[i], 14,
             selected ? QColor(Qt::white) : Ink, false);
    }
    // The scroll bar with its two arrow buttons and thumb.
    const QRectF bar(listRight, frame.top() + 1, 16, frame.height() - 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xee, 0xf0, 0xf3));
    painter.drawRect(bar);
    const QRectF up(bar.left(), bar.top(), bar.width(), 16);
    const QRectF down(bar.left(), bar.bottom() - 16, bar.width(), 16);
    Bevel(painter, up, WinGrey);
    Bevel(painter, down, WinGrey);
    Bevel(painter, QRectF(bar.left(), bar.top() + 30, bar.width(), 34), WinGrey);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink);
    const QPointF uc = up.center();
    const QPointF dc = down.center();
    painter.drawPolygon(QPolygonF() << uc + QPointF(-4, 2.5) << uc + QPointF(4, 2.5) << uc + QPointF(0, -3));
    painter.drawPolygon(QPolygonF() << dc + QPointF(-4, -2.5) << dc + QPointF(4, -2.5) << dc + QPointF(0, 3));
}

void DrawPanels(QPainter& painter, QRect rect)
{
    TDesignBox box(painter, rect);
    // A message panel: title strip with its close button, a warning sign, a line of text, OK.
    const QRectF r(2, 12, 120, 104);
    const QRectF client = MiniWindow(painter, r, QColor(0x1f, 0x8f, 0x86), QString(), 16, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(WinGrey);
    painter.drawRect(client);

    const QPointF t(26, 58);
    QPolygonF triangle;
    triangle << t + QPointF(0, -20) << t + QPointF(19, 14) << t + QPointF(-19, 14);
    painter.setPen(QPen(QColor(0x8a, 0x5a, 0x00), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0xff, 0xcc, 0x2e));
    painter.drawPolygon(triangle);
    Text(painter, QRectF(t.x() - 10, t.y() - 12, 20, 26), Qt::AlignCenter, QStringLiteral("!"), 20, Ink);

    TextLines(painter, QRectF(50, 38, 66, 40), 3, 11, QColor(0x8d, 0x96, 0xa6));

    const QRectF ok(40, 86, 44, 22);
    Bevel(painter, ok, QColor(0xe9, 0xec, 0xf1));
    Text(painter, ok, Qt::AlignCenter, QStringLiteral("OK"), 13, Ink);
}

void DrawWindows(QPainter& painter, QRect rect)
{
    TDesignBox box(painter, rect);
    // The inactive window behind, the active one in front with a size grip.
    const QRectF back = MiniWindow(painter, QRectF(2, 4, 92, 78), QColor(0x8f, 0x98, 0xa8), QString(), 15);
    TextLines(painter, back, 4, 11);
    const QRectF frontRect(28, 42, 94, 84);
    const QRectF front = MiniWindow(painter, frontRect, TitleBlue, QString(), 15);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe8, 0xf3, 0xff));
    painter.drawRect(front.adjusted(0.5, 0.5, -0.5, -0.5));
    // A sun and hills: a picture in the window makes it look like a real window onto something.
    QPainterPath ridge(QPointF(front.left(), front.bottom() - 18));
    ridge.quadTo(front.left() + 22, front.bottom() - 38, front.left() + 46, front.bottom() - 20);
    ridge.quadTo(front.left() + 66, front.bottom() - 34, front.right(), front.bottom() - 16);
    ArtKit::DrawLandscape(painter, {.frame = front,
                                    .sun = {.centre = {front.right() - 16, front.top() + 14}, .radius = 8,
                                            .colour = QColor(0xff, 0xcf, 0x3a)},
                                    .hills = {{ridge, QColor(0x62, 0xb8, 0x56)}}});
    painter.setPen(QPen(Ink.lighter(150), 1.1));
    for (int i = 1; i <= 3; ++i)
        painter.drawLine(QPointF(frontRect.right() - 3 - i * 3.5, frontRect.bottom() - 3),
                         QPointF(frontRect.right() - 3, frontRect.bottom() - 3 - i * 3.5));
}

void DrawMenus(QPainter& painter, QRect rect)
{
    TDesignBox box(painter, rect);
    // The menu bar with "Fájl" open.
    const QRectF bar(0, 4, 124, 20);
    Bevel(painter, bar, QColor(0xec, 0xee, 0xf2));
    const QRectF file(3, 6, 34, 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(SelectBlue);
    painter.drawRoundedRect(file, 2, 2);
    Text(painter, file, Qt::AlignCenter, QStringLiteral("Fájl"), 12, Qt::white);
    Text(painter, QRectF(40, 6, 40, 16), Qt::AlignCenter, QStringLiteral("Nézet"), 12, Ink, false);
    Text(painter, QRectF(82, 6, 40, 16), Qt::AlignCenter, QStringLiteral("Súgó"), 12, Ink, false);

    const QRectF menu(3, 24, 86, 100);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 45));
    painter.drawRect(menu.translated(3, 3));
    painter.setPen(InkPen(1.2));
    painter.setBrush(Qt::white);
    painter.drawRect(menu);
    const QStringList items = {QStringLiteral("Új"), QStringLiteral("Megnyitás"), QStringLiteral("Mentés"),
                               QString(), QStringLiteral("Kilépés")};
    qreal y = menu.top() + 4;
    for (int i = 0; i < items.size(); ++i) {
        if (items[i].isEmpty()) {
            painter.setPen(QPen(QColor(0xc0, 0xc6, 0xd0), 1));
            painter.drawLine(QPointF(menu.left() + 5, y + 4), QPointF(menu.right() - 5, y + 4));
            y += 8;
            continue;
        }
        const QRectF item(menu.left() + 2, y, menu.width() - 4, 21);
        const bool hot = i == 2;
        if (hot) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(SelectBlue);
            painter.drawRect(item);
        }
        Text(painter, item.adjusted(7, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, items[i], 12.5,
             hot ? QColor(Qt::white) : Ink, false);
        y += 22;
    }
    DrawPointer(painter, QPointF(72, 78), 24);
}

void DrawPrograms(QPainter& painter, QRect rect)
{
    TDesignBox box(painter, rect);
    // A monitor showing a little desktop: icons, an open calculator and the task bar.
    const QRectF monitor(2, 6, 120, 92);
    ArtKit::DrawCard(painter, monitor, {.radius = 7, .drop = {2, 3}, .fill = QColor(0x4a, 0x52, 0x60), .edge = InkPen(1.4)});
    const QRectF screen = monitor.adjusted(6, 6, -6, -10);
    QLinearGradient wall(screen.topLeft(), screen.bottomLeft());
    wall.setColorAt(0, QColor(0x3f, 0xa9, 0xe0));
    wall.setColorAt(1, QColor(0x1f, 0x7a, 0xb8));
    painter.setPen(Qt::NoPen);
    painter.setBrush(wall);
    painter.drawRect(screen);
    // Stand.
    painter.setPen(InkPen(1.2));
    painter.setBrush(QColor(0x6a, 0x73, 0x82));
    painter.drawRect(QRectF(52, 98, 20, 12));
    painter.drawRoundedRect(QRectF(32, 110, 60, 8), 3, 3);

    // Desktop icons: a note, a palette, a calculator.
    const qreal ix = screen.left() + 5;
    painter.setPen(QPen(Ink, 0.8));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(ix, screen.top() + 5, 12, 14));
    painter.setPen(QPen(QColor(0x90, 0x98, 0xa6), 1.2));
    for (int i = 0; i < 3; ++i)
        painter.drawLine(QPointF(ix + 2.5, screen.top() + 9 + i * 3.3), QPointF(ix + 9.5, screen.top() + 9 + i * 3.3));
    painter.setPen(QPen(Ink, 0.8));
    painter.setBrush(QColor(0xf6, 0xd7, 0x9a));
    painter.drawEllipse(QRectF(ix - 1, screen.top() + 24, 15, 12));
    const QColor dabs[] = {QColor(0xe0, 0x3c, 0x3c), QColor(0x2f, 0x6f, 0xd6), QColor(0x2f, 0xa8, 0x4f)};
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(dabs[i]);
        painter.drawEllipse(QPointF(ix + 3 + i * 4, screen.top() + 28.5 + (i % 2) * 2.5), 1.8, 1.8);
    }
    painter.setPen(QPen(Ink, 0.8));
    painter.setBrush(QColor(0xd0, 0xd6, 0xde));
    painter.drawRect(QRectF(ix, screen.top() + 42, 12, 14));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe6, 0xf6, 0xe0));
    painter.drawRect(QRectF(ix + 2, screen.top() + 44, 8, 3));
    painter.setBrush(Qt::white);
    for (int i = 0; i < 4; ++i)
        painter.drawRect(QRectF(ix + 2 + (i % 2) * 4.5, screen.top() + 49 + (i / 2) * 3.5, 3.5, 2.5));

    // An open calculator window.
    const QRectF calc = MiniWindow(painter, QRectF(screen.left() + 28, screen.top() + 5, 72, 56),
                                   QColor(0x2a, 0x5c, 0xb8), QString(), 10);
    painter.setPen(Qt::NoPen);
    painter.setBrush(WinGrey);
    painter.drawRect(calc);
    painter.setPen(QPen(Ink.lighter(140), 0.6));
    painter.setBrush(QColor(0xe6, 0xf6, 0xe0));
    const QRectF display(calc.left() + 3, calc.top() + 2, calc.width() - 6, 8);
    painter.drawRect(display);
    Text(painter, display.adjusted(0, 0, -2, 0), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("42"), 8, Ink);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 5; ++col) {
            painter.setPen(QPen(Ink.lighter(150), 0.5));
            painter.setBrush(col == 4 ? QColor(0xff, 0xc2, 0x7a) : QColor(0xfa, 0xfb, 0xfc));
            painter.drawRect(QRectF(calc.left() + 3 + col * 13, calc.top() + 12 + row * 8.2, 11, 6.6));
        }

    // Task bar with the Start button.
    const QRectF task(screen.left(), screen.bottom() - 11, screen.width(), 11);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xd8, 0xdb, 0xe0));
    painter.drawRect(task);
    const QRectF start(task.left() + 2, task.top() + 1.5, 26, 8);
    painter.setBrush(QColor(0x3a, 0xa0, 0x4a));
    painter.drawRoundedRect(start, 2, 2);
    Text(painter, start, Qt::AlignCenter, QStringLiteral("Start"), 6.5, Qt::white);
    painter.setBrush(QColor(0xf4, 0xf6, 0xf9));
    painter.setPen(QPen(Ink.lighter(150), 0.5));
    painter.drawRect(QRectF(task.left() + 32, task.top() + 1.5, 24, 8));
}

void DrawSummary(QPainter& painter, QRect rect)
{
    TDesignBox box(painter, rect);
    // A golden cup with a star, small badges of the topics around it.
    const QColor gold(0xf5, 0xb7, 0x1c);
    const QColor goldDark(0xa8, 0x6a, 0x00);
    QPen goldPen(goldDark, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    // Handles.
    painter.setPen(QPen(goldDark, 5.5, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(26, 30, 26, 30), 90 * 16, 180 * 16);
    painter.drawArc(QRectF(72, 30, 26, 30), -90 * 16, 180 * 16);
    painter.setPen(QPen(gold, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(26, 30, 26, 30), 90 * 16, 180 * 16);
    painter.drawArc(QRectF(72, 30, 26, 30), -90 * 16, 180 * 16);

    QPainterPath cup(QPointF(36, 26));
    cup.lineTo(88, 26);
    cup.cubicTo(QPointF(88, 58), QPointF(80, 74), QPointF(62, 78));
    cup.cubicTo(QPointF(44, 74), QPointF(36, 58), QPointF(36, 26));
    QLinearGradient shine(QPointF(36, 0), QPointF(88, 0));
    shine.setColorAt(0, gold.lighter(120));
    shine.setColorAt(0.35, QColor(0xff, 0xe7, 0x8a));
    shine.setColorAt(1, gold.darker(110));
    painter.setPen(goldPen);
    painter.setBrush(shine);
    painter.drawPath(cup);
    painter.drawRect(QRectF(56, 78, 12, 12));
    painter.drawRoundedRect(QRectF(42, 90, 40, 10), 2.5, 2.5);
    painter.setBrush(QColor(0x7a, 0x4a, 0x22));
    painter.setPen(QPen(QColor(0x4a, 0x2a, 0x10), 1.2));
    painter.drawRoundedRect(QRectF(38, 100, 48, 12), 2.5, 2.5);
    ArtKit::DrawStar(painter, QPointF(62, 46), 13, QColor(0xff, 0xf6, 0xd0), goldDark);

    // Badges: a key, a mouse pointer, a tick and a window.
    auto badge = [&](QPointF c, QColor fill) {
        painter.setPen(QPen(fill.darker(140), 1.4));
        painter.setBrush(fill);
        painter.drawEllipse(c, 12, 12);
    };
    badge(QPointF(13, 18), QColor(0x8f, 0xc8, 0xff));
    Text(painter, QRectF(3, 8, 20, 20), Qt::AlignCenter, QStringLiteral("A"), 14, Ink);
    badge(QPointF(111, 18), QColor(0xff, 0xb3, 0xc0));
    DrawPointer(painter, QPointF(107, 9), 17);
    badge(QPointF(13, 112), QColor(0xb8, 0xe8, 0xb8));
    painter.setPen(QPen(QColor(0x1f, 0x8a, 0x40), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygonF() << QPointF(7, 112) << QPointF(11.5, 117) << QPointF(19, 106));
    badge(QPointF(111, 112), QColor(0xff, 0xe0, 0x8a));
    painter.setPen(QPen(Ink, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(104, 106, 14, 11));
    painter.setBrush(TitleBlue);
    painter.drawRect(QRectF(104, 106, 14, 3.5));

    ArtKit::DrawStar(painter, QPointF(24, 66), 5, QColor(0xff, 0xe0, 0x5a), goldDark);
    ArtKit::DrawStar(painter, QPointF(102, 70), 6, QColor(0xff, 0xe0, 0x5a), goldDark);
}

} // namespace TopicIcons

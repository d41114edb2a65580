#include "KeyboardArt.h"

#include "HandArt.h"
#include "KeyboardPagesArt.h"
#include "mediakit/ArtKit.h"
#include "mediakit/TopicStyle.h"
#include "mediakit/TopicIcons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace KeyboardArt {

namespace {

// The key grid. A key unit is Pitch wide and a row RowPitch high; keys leave a gap between them.
// These numbers and the fingertip offsets below are chosen together so that every hand position
// of the practice page lands well inside its key: see the keyboard tests.
const int Pitch = 42;
const int KeyGap = 4;
const int RowPitch = 41;
const int KeyHeight = 38;
const int KeysLeft = 44;
const int NumberRowTop = 250;
const int FunctionRowTop = 183;
// Columns of the cursor block and of the numeric keypad, in key units from the left.
const double CursorColumn = 15.5;
const double KeypadColumn = 19;

const QPoint LeftTip(95, 28);
const QPoint RightTip(25, 31);
const double LeftTilt = 6;
const double RightTilt = -12;
const QSize LeftHandSize(130, 212);
const QSize RightHandSize(132, 214);


const QColor CaseTop(0xc3, 0xc9, 0xd3);
const QColor CaseBottom(0x9c, 0xa4, 0xb1);
const QColor LetterFace(0xfc, 0xfc, 0xfa);
const QColor ModifierFace(0xe2, 0xe6, 0xed);
const QColor EnterFace(0xe6, 0xf6, 0xe6);
const QColor LegendInk(0x2b, 0x33, 0x42);
const QColor AltGrInk(0x1f, 0x5f, 0xc8);

int RowTop(int row)
{
    return row < 0 ? FunctionRowTop : NumberRowTop + row * RowPitch;
}

QRect Cell(double column, int row, double width, int rows = 1)
{
    const int left = KeysLeft + int(std::lround(column * Pitch));
    const int right = KeysLeft + int(std::lround((column + width) * Pitch)) - KeyGap;
    return QRect(left, RowTop(row), right - left, KeyHeight + (rows - 1) * RowPitch);
}

TKeyCap Named(const QString& name, QRect rect, const QString& word, TKeyStyle style = TKeyStyle::Word)
{
    return {.name = name, .rect = rect, .style = style, .word = word};
}

TKeyCap Sign(const QString& lower, const QString& upper, const QString& altGr, QRect rect)
{
    return {.name = lower, .rect = rect, .style = TKeyStyle::Character, .upper = upper, .lower = lower, .altGr = altGr};
}

TKeyCap Letter(const QString& letter, const QString& altGr, QRect rect)
{
    return {.name = letter, .rect = rect, .style = TKeyStyle::Letter, .upper = letter, .altGr = altGr};
}

TKeyCap Pad(const QString& name, const QString& sign, const QString& second, QRect rect)
{
    return {.name = name, .rect = rect, .style = TKeyStyle::Keypad, .upper = sign, .lower = second};
}

std::vector<TKeyCap> BuildKeys()
{
    std::vector<TKeyCap> keys;
    auto add = [&](TKeyCap key) { keys.push_back(std::move(key)); };

    // Function row: Esc stands alone, then three groups of four.
    add(Named("Esc", Cell(0, -1, 1), "Esc"));
    const double groups[] = {2, 6.5, 11};
    for (int g = 0; g < 3; ++g)
        for (int i = 0; i < 4; ++i) {
            const QString name = QStringLiteral("F%1").arg(g * 4 + i + 1);
            add(Named(name, Cell(groups[g] + i, -1, 1), name, TKeyStyle::Function));
        }
    add(Named("Print Screen", Cell(CursorColumn, -1, 1), "PrtSc", TKeyStyle::Function));
    add(Named("Scroll Lock", Cell(CursorColumn + 1, -1, 1), "ScrLk", TKeyStyle::Function));
    add(Named("Pause", Cell(CursorColumn + 2, -1, 1), "Pause", TKeyStyle::Function));

    // Number row of the Hungarian layout: 0 with § first, then 1 .. 9, Ö, Ü, Ó.
    const struct {
        const char* lower;
        const char* upper;
        const char* altGr;
    } numbers[] = {{"0", "§", ""},  {"1", "'", "~"},  {"2", "\"", "ˇ"}, {"3", "+", "^"}, {"4", "!", "˘"},
                   {"5", "%", "°"}, {"6", "/", "˛"},  {"7", "=", "`"},  {"8", "(", "˙"}, {"9", ")", "´"}};
    double column = 0;
    for (const auto& n : numbers) {
        add(Sign(QString::fromUtf8(n.lower), QString::fromUtf8(n.upper), QString::fromUtf8(n.altGr), Cell(column, 0, 1)));
        column += 1;
    }
    add(Letter("Ö", "˝", Cell(10, 0, 1)));
    add(Letter("Ü", "¨", Cell(11, 0, 1)));
    add(Letter("Ó", "¸", Cell(12, 0, 1)));
    add(Named("Backspace", Cell(13, 0, 2), "Backspace"));

    // Q row, with the ISO Enter reaching down into the A row.
    add(Named("Tab", Cell(0, 1, 1.5), "Tab"));
    const struct {
        const char* letter;
        const char* altGr;
    } qRow[] = {{"Q", "\\"}, {"W", "|"}, {"E", "Ä"}, {"R", ""},  {"T", ""},  {"Z", ""},
                {"U", "€"},  {"I", "Í"}, {"O", ""},  {"P", ""},  {"Ő", "÷"}, {"Ú", "×"}};
    column = 1.5;
    for (const auto& k : qRow) {
        add(Letter(QString::fromUtf8(k.letter), QString::fromUtf8(k.altGr), Cell(column, 1, 1)));
        column += 1;
    }
    TKeyCap enter = Named("Enter", Cell(13.5, 1, 1.5), "Enter");
    enter.stem = Cell(13.75, 1, 1.25, 2);
    add(enter);

    add(Named("Caps Lock", Cell(0, 2, 1.75), "Caps Lock"));
    const struct {
        const char* letter;
        const char* altGr;
    } aRow[] = {{"A", "ä"}, {"S", "đ"}, {"D", "Đ"}, {"F", "["}, {"G", "]"}, {"H", ""},
                {"J", "í"}, {"K", "ł"}, {"L", "Ł"}, {"É", "$"}, {"Á", "ß"}, {"Ű", "¤"}};
    column = 1.75;
    for (const auto& k : aRow) {
        add(Letter(QString::fromUtf8(k.letter), QString::fromUtf8(k.altGr), Cell(column, 2, 1)));
        column += 1;
    }

    add(Named("Left Shift", Cell(0, 3, 1.25), "Shift"));
    const struct {
        const char* letter;
        const char* altGr;
    } zRow[] = {{"Í", "<"}, {"Y", ">"}, {"X", "#"}, {"C", "&"}, {"V", "@"}, {"B", "{"}, {"N", "}"}, {"M", ""}};
    column = 1.25;
    for (const auto& k : zRow) {
        add(Letter(QString::fromUtf8(k.letter), QString::fromUtf8(k.altGr), Cell(column, 3, 1)));
        column += 1;
    }
    add(Sign(",", "?", ";", Cell(9.25, 3, 1)));
    add(Sign(".", ":", ">", Cell(10.25, 3, 1)));
    add(Sign("-", "_", "*", Cell(11.25, 3, 1)));
    add(Named("Right Shift", Cell(12.25, 3, 2.75), "Shift"));

    add(Named("Left Ctrl", Cell(0, 4, 1.25), "Ctrl"));
    add(Named("Left Windows", Cell(1.25, 4, 1.25), ""));
    add(Named("Alt", Cell(2.5, 4, 1.25), "Alt"));
    add(Named("Space", Cell(3.75, 4, 6.25), ""));
    add(Named("Alt Gr", Cell(10, 4, 1.25), "Alt Gr"));
    add(Named("Right Windows", Cell(11.25, 4, 1.25), ""));
    add(Named("Menu", Cell(12.5, 4, 1.25), ""));
    add(Named("Right Ctrl", Cell(13.75, 4, 1.25), "Ctrl"));

    // Cursor block.
    const char* editing[2][3] = {{"Insert", "Home", "Page Up"}, {"Delete", "End", "Page Down"}};
    const char* editingWords[2][3] = {{"Ins", "Home", "PgUp"}, {"Del", "End", "PgDn"}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c)
            add(Named(editing[r][c], Cell(CursorColumn + c, r, 1), editingWords[r][c], TKeyStyle::Function));
    add(Named("Up", Cell(CursorColumn + 1, 3, 1), "↑", TKeyStyle::Function));
    add(Named("Left", Cell(CursorColumn, 4, 1), "←", TKeyStyle::Function));
    add(Named("Down", Cell(CursorColumn + 1, 4, 1), "↓", TKeyStyle::Function));
    add(Named("Right", Cell(CursorColumn + 2, 4, 1), "→", TKeyStyle::Function));

    // Numeric keypad; the Hungarian one has a decimal comma.
    const double k = KeypadColumn;
    add(Named("Num Lock", Cell(k, 0, 1), "Num Lock"));
    add(Pad("Num /", "/", "", Cell(k + 1, 0, 1)));
    add(Pad("Num *", "*", "", Cell(k + 2, 0, 1)));
    add(Pad("Num -", "-", "", Cell(k + 3, 0, 1)));
    add(Pad("Num 7", "7", "Home", Cell(k, 1, 1)));
    add(Pad("Num 8", "8", "↑", Cell(k + 1, 1, 1)));
    add(Pad("Num 9", "9", "PgUp", Cell(k + 2, 1, 1)));
    add(Pad("Num +", "+", "", Cell(k + 3, 1, 1, 2)));
    add(Pad("Num 4", "4", "←", Cell(k, 2, 1)));
    add(Pad("Num 5", "5", "", Cell(k + 1, 2, 1)));
    add(Pad("Num 6", "6", "→", Cell(k + 2, 2, 1)));
    add(Pad("Num 1", "1", "End", Cell(k, 3, 1)));
    add(Pad("Num 2", "2", "↓", Cell(k + 1, 3, 1)));
    add(Pad("Num 3", "3", "PgDn", Cell(k + 2, 3, 1)));
    add(Named("Num Enter", Cell(k + 3, 3, 1, 2), "Enter"));
    add(Pad("Num 0", "0", "Ins", Cell(k, 4, 2)));
    add(Pad("Num ,", ",", "Del", Cell(k + 2, 4, 1)));
    return keys;
}

std::vector<TLamp> BuildLamps()
{
    // Above the keypad, where the practice page's hands point at them.
    const int y = 197;
    return {{"Num Lock", QRect(877, y, 26, 16), true},
            {"Caps Lock", QRect(917, y, 26, 16), false},
            {"Scroll Lock", QRect(957, y, 26, 16), false}};
}

bool IsEnter(const TKeyCap& key)
{
    return key.name == QLatin1String("Enter") || key.name == QLatin1String("Num Enter");
}

QColor FaceOf(const TKeyCap& key)
{
    if (IsEnter(key))
        return EnterFace;
    switch (key.style) {
    case TKeyStyle::Character:
    case TKeyStyle::Letter:
    case TKeyStyle::Keypad:
        return LetterFace;
    case TKeyStyle::Word:
        return key.name == QLatin1String("Space") ? LetterFace : ModifierFace;
    case TKeyStyle::Function:
        return ModifierFace;
    }
    return LetterFace;
}

// The key's body and its top face; the face sits higher up on the body, as seen slightly from
// the front.
QPainterPath BodyPath(const TKeyCap& key)
{
    QPainterPath body = ArtKit::RoundedRect(QRectF(key.rect).adjusted(0.5, 0.5, -0.5, -0.5), 6);
    if (!key.stem.isEmpty())
        body = body.united(ArtKit::RoundedRect(QRectF(key.stem).adjusted(0.5, 0.5, -0.5, -0.5), 6));
    return body;
}

QRectF FaceOfRect(const QRect& r)
{
    return QRectF(r).adjusted(4, 2.5, -4, -7);
}

QPainterPath FacePath(const TKeyCap& key)
{
    QPainterPath face = ArtKit::RoundedRect(FaceOfRect(key.rect), 5);
    if (!key.stem.isEmpty())
        face = face.united(ArtKit::RoundedRect(FaceOfRect(key.stem), 5));
    return face;
}

void DrawText(QPainter& painter, const QRectF& r, int flags, const QString& text, int pixelSize, QColor colour,
              bool bold = true)
{
    painter.setFont(ArtKit::LabelFont(pixelSize, bold));
    painter.setPen(colour);
    painter.drawText(r, flags, text);
}

// The Windows key's four-pane flag.
void DrawWindowsLogo(QPainter& painter, QPointF centre, double size)
{
    const double gap = size * 0.1;
    const double pane = (size - gap) / 2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(LegendInk);
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            painter.drawRect(QRectF(centre.x() - size / 2 + i * (pane + gap), centre.y() - size / 2 + j * (pane + gap), pane, pane));
}

// The menu key's little list with a pointer.
void DrawMenuIcon(QPainter& painter, QPointF centre, double size)
{
    painter.setPen(QPen(LegendInk, 1.4));
    painter.setBrush(Qt::NoBrush);
    const QRectF sheet(centre.x() - size / 2, centre.y() - size / 2, size * 0.8, size);
    painter.drawRect(sheet);
    for (int i = 1; i <= 3; ++i)
        painter.drawLine(QPointF(sheet.left() + 3, sheet.top() + i * size / 4.2),
                         QPointF(sheet.right() - 3, sheet.top() + i * size / 4.2));
}

void DrawArrowGlyph(QPainter& painter, QPointF from, QPointF to, double pen, QColor colour)
{
    painter.save();
    painter.setPen(QPen(colour, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF n(-d.y(), d.x());
    const double head = pen * 2.4;
    QPolygonF arrow;
    arrow << to + d * pen * 0.5 << to - d * head + n * head * 0.8 << to - d * head - n * head * 0.8;
    painter.setBrush(colour);
    painter.setPen(QPen(colour, 1));
    painter.drawPolygon(arrow);
    painter.restore();
}

// The hollow Shift arrow, pointing up.
void DrawShiftArrow(QPainter& painter, QPointF top, double size)
{
    QPolygonF arrow;
    const double w = size * 0.55;
    arrow << top << top + QPointF(w, size * 0.5) << top + QPointF(w * 0.45, size * 0.5)
          << top + QPointF(w * 0.45, size) << top + QPointF(-w * 0.45, size) << top + QPointF(-w * 0.45, size * 0.5)
          << top + QPointF(-w, size * 0.5);
    painter.setPen(QPen(LegendInk, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(arrow);
}

void DrawLegends(QPainter& painter, const TKeyCap& key)
{
    const QRectF face = FaceOfRect(key.rect);
    const QRectF inner = face.adjusted(4, 1, -3, -1);
    const int left = Qt::AlignLeft;
    switch (key.style) {
    case TKeyStyle::Character: {
        const QRectF top(inner.left(), inner.top(), inner.width(), inner.height() / 2);
        const QRectF bottom(inner.left(), inner.center().y() - 1, inner.width(), inner.height() / 2);
        DrawText(painter, top, left | Qt::AlignVCenter, key.upper, 15, LegendInk);
        DrawText(painter, bottom, left | Qt::AlignVCenter, key.lower, 15, LegendInk);
        DrawText(painter, bottom.adjusted(0, 0, 0, 0), Qt::AlignRight | Qt::AlignVCenter, key.altGr, 13, AltGrInk);
        break;
    }
    case TKeyStyle::Letter: {
        DrawText(painter, inner.adjusted(0, -2, 0, 0), left | Qt::AlignTop, key.upper, 18, LegendInk);
        const QRectF bottom(inner.left(), inner.center().y() - 1, inner.width(), inner.height() / 2);
        DrawText(painter, bottom, Qt::AlignRight | Qt::AlignVCenter, key.altGr, 13, AltGrInk);
        break;
    }
    case TKeyStyle::Keypad:
        DrawText(painter, inner.adjusted(0, -1, 0, 0), left | Qt::AlignTop, key.upper, 15, LegendInk);
        DrawText(painter, inner, Qt::AlignHCenter | Qt::AlignBottom, key.lower, key.lower.size() > 1 ? 8 : 11,
                 LegendInk, false);
        break;
    case TKeyStyle::Function: {
        const int size = key.word.size() > 2 ? (key.word.size() > 3 ? 9 : 11) : 12;
        DrawText(painter, face, Qt::AlignCenter, key.word, key.word.size() == 1 ? 16 : size, LegendInk);
        break;
    }
    case TKeyStyle::Word:
        if (key.name == QLatin1String("Left Windows") || key.name == QLatin1String("Right Windows")) {
            DrawWindowsLogo(painter, face.center(), 13);
        } else if (key.name == QLatin1String("Menu")) {
            DrawMenuIcon(painter, face.center(), 13);
        } else if (key.name.endsWith(QLatin1String("Shift"))) {
            DrawShiftArrow(painter, QPointF(inner.left() + 8, inner.top() + 1), 12);
            DrawText(painter, inner, left | Qt::AlignBottom, key.word, 11, LegendInk);
        } else if (key.name == QLatin1String("Enter")) {
            DrawText(painter, inner.adjusted(0, 0, 0, 0), left | Qt::AlignTop, key.word, 11, LegendInk);
            // The return arrow down the stem.
            const QRectF stem = FaceOfRect(key.stem);
            const double x = stem.right() - 10;
            QPainterPath path(QPointF(x, stem.top() + 20));
            path.lineTo(x, stem.bottom() - 14);
            painter.save();
            painter.setPen(QPen(QColor(0x1f, 0x8f, 0x45), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(path);
            painter.restore();
            DrawArrowGlyph(painter, QPointF(x, stem.bottom() - 14), QPointF(stem.left() + 7, stem.bottom() - 14), 3,
                           QColor(0x1f, 0x8f, 0x45));
        } else if (key.name == QLatin1String("Num Enter")) {
            DrawText(painter, inner.adjusted(-2, 0, 2, 0), Qt::AlignHCenter | Qt::AlignTop, key.word,
                     ArtKit::FittingPixelSize({key.word}, int(inner.width()) + 4, 10), LegendInk);
            const double y = face.bottom() - 14;
            const double x = face.right() - 8;
            painter.save();
            painter.setPen(QPen(QColor(0x1f, 0x8f, 0x45), 2.6, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(QPointF(x, face.center().y()), QPointF(x, y));
            painter.restore();
            DrawArrowGlyph(painter, QPointF(x, y), QPointF(face.left() + 7, y), 2.6, QColor(0x1f, 0x8f, 0x45));
        } else if (key.name == QLatin1String("Backspace")) {
            DrawArrowGlyph(painter, QPointF(inner.right() - 10, inner.top() + 8), QPointF(inner.left() + 6, inner.top() + 8),
                           2.8, QColor(0xc6, 0x3b, 0x3b));
            DrawText(painter, inner, left | Qt::AlignBottom, key.word, 10, LegendInk);
        } else if (key.name == QLatin1String("Tab")) {
            DrawArrowGlyph(painter, QPointF(inner.left() + 2, inner.top() + 7), QPointF(inner.left() + 24, inner.top() + 7),
                           2, LegendInk);
            DrawText(painter, inner, left | Qt::AlignBottom, key.word, 11, LegendInk);
        } else if (key.name == QLatin1String("Num Lock")) {
            DrawText(painter, face, Qt::AlignCenter, QStringLiteral("Num\nLock"), 10, LegendInk);
        } else if (!key.word.isEmpty()) {
            DrawText(painter, inner, left | Qt::AlignBottom, key.word,
                     ArtKit::FittingPixelSize({key.word}, int(inner.width()), 11), LegendInk);
        }
        break;
    }
}

void DrawKeyCap(QPainter& painter, const TKeyCap& key)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath body = BodyPath(key);
    const QRectF bounds = body.boundingRect();

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1c, 0x22, 0x30, 70));
    painter.drawPath(body.translated(0, 2));

    const QColor face = FaceOf(key);
    QLinearGradient side(bounds.topLeft(), bounds.bottomLeft());
    side.setColorAt(0, face.darker(108));
    side.setColorAt(1, face.darker(132));
    painter.setBrush(side);
    painter.setPen(QPen(QColor(0x4a, 0x52, 0x62), 1));
    painter.drawPath(body);

    const QPainterPath top = FacePath(key);
    const QRectF topBounds = top.boundingRect();
    QLinearGradient faceFill(topBounds.topLeft(), topBounds.bottomLeft());
    faceFill.setColorAt(0, face.lighter(103));
    faceFill.setColorAt(1, face.darker(104));
    painter.setBrush(faceFill);
    painter.setPen(QPen(QColor(0x8a, 0x92, 0xa0, 110), 0.8));
    painter.drawPath(top);

    DrawLegends(painter, key);
    painter.restore();
}

void DrawLamp(QPainter& painter, const TLamp& lamp)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r(lamp.rect);
    if (lamp.lit) {
        QRadialGradient glow(r.center(), r.width());
        glow.setColorAt(0, QColor(0x7d, 0xff, 0x8a, 150));
        glow.setColorAt(1, QColor(0x7d, 0xff, 0x8a, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawEllipse(r.center(), r.width(), r.width() * 0.8);
    }
    const QRectF window = r.adjusted(3, 4, -3, -4);
    QLinearGradient fill(window.topLeft(), window.bottomLeft());
    if (lamp.lit) {
        fill.setColorAt(0, QColor(0xc8, 0xff, 0xc8));
        fill.setColorAt(1, QColor(0x2e, 0xc4, 0x4a));
    } else {
        fill.setColorAt(0, QColor(0x8c, 0x98, 0x8c));
        fill.setColorAt(1, QColor(0x4e, 0x5c, 0x50));
    }
    painter.setBrush(fill);
    painter.setPen(QPen(QColor(0x3a, 0x40, 0x4c), 1.2));
    painter.drawRoundedRect(window, 4, 4);
    // Its name above it, two short lines.
    const QStringList words = lamp.name.split(' ');
    DrawText(painter, QRectF(r.center().x() - 24, r.top() - 20, 48, 10), Qt::AlignCenter, words.value(0), 9,
             QColor(0x2b, 0x33, 0x42));
    DrawText(painter, QRectF(r.center().x() - 24, r.top() - 11, 48, 10), Qt::AlignCenter, words.value(1), 9,
             QColor(0x2b, 0x33, 0x42));
    painter.restore();
}

void DrawCable(QPainter& painter, const QRect& caseRect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF plug(caseRect.left() + 700, caseRect.top() + 2);
    QPainterPath cable(plug);
    cable.cubicTo(plug + QPointF(0, -60), QPointF(820, 40), QPointF(880, -10));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x3a, 0x3f, 0x48), 9, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(cable);
    painter.setPen(QPen(QColor(0x6c, 0x74, 0x82), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(cable.translated(-1.5, -1));
    // The strain relief where the cable enters the case.
    painter.setPen(QPen(QColor(0x2a, 0x2e, 0x36), 1.5));
    painter.setBrush(QColor(0x4a, 0x50, 0x5c));
    painter.drawRoundedRect(QRectF(plug.x() - 10, plug.y() - 12, 20, 16), 4, 4);
    painter.restore();
}

void DrawCase(QPainter& painter, const QRect& caseRect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r(caseRect);
    // Shadow on the desk.
    for (int i = 0; i < 6; ++i) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x20, 0x28, 0x38, 14));
        painter.drawRoundedRect(r.adjusted(-i, 4 - i * 0.4, i, 8 + i * 1.2), 22 + i, 22 + i);
    }
    QLinearGradient body(r.topLeft(), r.bottomLeft());
    body.setColorAt(0, CaseTop);
    body.setColorAt(1, CaseBottom);
    painter.setBrush(body);
    painter.setPen(QPen(QColor(0x55, 0x5d, 0x6b), 2));
    painter.drawRoundedRect(r, 20, 20);
    // A bright rim along the top edge and a darker well behind the keys.
    painter.setPen(QPen(QColor(255, 255, 255, 120), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(r.adjusted(3, 3, -3, -3), 17, 17);
    const QRectF well(KeysLeft - 5, FunctionRowTop - 5, 1006 - KeysLeft + 10, RowTop(4) + KeyHeight - FunctionRowTop + 10);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x5a, 0x62, 0x70, 55));
    painter.drawRoundedRect(well.adjusted(0, 0, 0, 0), 9, 9);
    painter.restore();
}

QImage HandImage(QSize size, QPoint tip, double tilt, bool rightHand)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    HandArt::DrawPointingHand(painter, QPointF(tip) + QPointF(0.5, 0.5), tilt, rightHand);
    painter.end();
    return image;
}

} // namespace

const std::vector<TKeyCap>& Keys()
{
    static const std::vector<TKeyCap> keys = BuildKeys();
    return keys;
}

const TKeyCap& Key(const QString& name)
{
    for (const TKeyCap& key : Keys())
        if (key.name == name)
            return key;
    throw std::out_of_range("no key named " + name.toStdString());
}

const std::vector<TLamp>& Lamps()
{
    static const std::vector<TLamp> lamps = BuildLamps();
    return lamps;
}

const TLamp& Lamp(const QString& name)
{
    for (const TLamp& lamp : Lamps())
        if (lamp.name == name)
            return lamp;
    throw std::out_of_range("no lamp named " + name.toStdString());
}

QRect CaseRect()
{
    return QRect(KeysLeft - 16, FunctionRowTop - 22, 1006 - KeysLeft + 32, RowTop(4) + KeyHeight - FunctionRowTop + 38);
}

QPoint LeftFingertip()
{
    return LeftTip;
}

QPoint RightFingertip()
{
    return RightTip;
}

QImage LeftHand()
{
    return HandImage(LeftHandSize, LeftTip, LeftTilt, false);
}

QImage RightHand()
{
    return HandImage(RightHandSize, RightTip, RightTilt, true);
}

void DrawKeyboard(QPainter& painter, bool withCable)
{
    const QRect caseRect = CaseRect();
    if (withCable)
        DrawCable(painter, caseRect);
    DrawCase(painter, caseRect);
    for (const TLamp& lamp : Lamps())
        DrawLamp(painter, lamp);
    for (const TKeyCap& key : Keys())
        DrawKeyCap(painter, key);
}

QImage KeyboardScreen()
{
    QImage image = ArtKit::FestivePage(TopicStyle::Accent(QStringLiteral("BILLENTYU")));
    QPainter painter(&image);
    ArtKit::DrawHeading(painter, QPoint(40, 112), QStringLiteral("A billentyűzet"));
    DrawKeyboard(painter);
    ArtKit::DrawSoftPanel(painter, KeyboardPagesArt::Places::PracticeTask, 22);
    TopicIcons::DrawMouse(painter, QRect(854, 498, 96, 112));
    ArtKit::DrawBackButton(painter, KeyboardPagesArt::Places::BackArea);
    return image;
}

} // namespace KeyboardArt

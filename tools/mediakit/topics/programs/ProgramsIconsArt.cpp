#include "ProgramsIconsArt.h"

#include "ProgramsPlaces.h"
#include "mediakit/ArtKit.h"

#include <QColor>
#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>

namespace ProgramsIconsArt {

namespace {

namespace Places = ProgramsPlaces;

// Every pixel is placed whole: a shape is the set of pixels inside it, its edge the ones with a
// neighbour outside, so nothing is smeared over two pixels the way a scaled drawing would be.
using TInside = std::function<bool(int x, int y)>;
using TFill = std::function<QColor(int x, int y)>;

const QColor Ink(0x27, 0x30, 0x40);
const QColor PaleGrey(0xe4, 0xe7, 0xec);
const QColor MidGrey(0xb4, 0xbb, 0xc6);
const QColor DarkGrey(0x84, 0x8d, 0x9c);
const QColor ScreenTop(0x4c, 0xb0, 0xec);
const QColor ScreenBottom(0x17, 0x6a, 0xb4);
const QColor Slate(0x48, 0x52, 0x6c);
const QColor SlateLight(0x64, 0x70, 0x8e);
const QColor Lcd(0xcc, 0xe8, 0xb0);
const QColor KeyFace(0xf4, 0xf5, 0xf8);
const QColor KeyShade(0xa6, 0xac, 0xba);
const QColor Orange(0xf2, 0x94, 0x2c);
const QColor OrangeShade(0xb8, 0x62, 0x12);
const QColor Red(0xe0, 0x44, 0x44);
const QColor Wood(0xf2, 0xcc, 0x8a);
const QColor WoodEdge(0x8a, 0x58, 0x26);
const QColor PaintBlue(0x2a, 0x62, 0xd8);
const QColor Lines(0x86, 0x94, 0xa8);
const QColor TitleBlue(0x2e, 0x66, 0xcc);
const QColor Yellow(0xf6, 0xc8, 0x2e);
const QColor YellowLight(0xff, 0xe6, 0x8a);
const QColor Pink(0xf2, 0x8c, 0xa4);
const QColor Green(0x2e, 0xa0, 0x46);

QImage Blank(QSize size)
{
    return ArtKit::Transparent(size, QImage::Format_ARGB32);
}

void Dot(QImage& image, int x, int y, const QColor& colour)
{
    if (image.rect().contains(x, y))
        image.setPixelColor(x, y, colour);
}

// The rectangle from (x0, y0) to (x1, y1), both corners included.
void Fill(QImage& image, int x0, int y0, int x1, int y1, const QColor& colour)
{
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            Dot(image, x, y, colour);
}

// Colour blended from a to b, t from 0 to 1.
QColor Mix(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// Fills the pixels inside the shape and edges it; the edge is inside the shape.
void Shape(QImage& image, const TInside& inside, const TFill& fill, const QColor& edge)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (!inside(x, y))
                continue;
            const bool onEdge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            Dot(image, x, y, onEdge ? edge : fill(x, y));
        }
}

// A box with its edge; rounded drops the edge's four corner pixels.
void Box(QImage& image, int x0, int y0, int x1, int y1, const QColor& edge, const TFill& fill, bool rounded = false)
{
    Shape(
        image,
        [=](int x, int y) {
            const bool corner = (x == x0 || x == x1) && (y == y0 || y == y1);
            return x >= x0 && x <= x1 && y >= y0 && y <= y1 && !(rounded && corner);
        },
        fill, edge);
}

TFill Plain(const QColor& colour)
{
    return [colour](int, int) { return colour; };
}

// From top to bottom over the rows y0 .. y1.
TFill Downwards(int y0, int y1, const QColor& top, const QColor& bottom)
{
    return [=](int, int y) { return Mix(top, bottom, double(y - y0) / std::max(1, y1 - y0)); };
}

TInside Ellipse(double cx, double cy, double rx, double ry)
{
    return [=](int x, int y) {
        const double dx = (x + 0.5 - cx) / rx;
        const double dy = (y + 0.5 - cy) / ry;
        return dx * dx + dy * dy <= 1;
    };
}

// A little pixel map at (x, y): every '#' is one pixel of the colour.
void Stamp(QImage& image, int x, int y, std::initializer_list<const char*> rows, const QColor& colour)
{
    int row = 0;
    for (const char* line : rows) {
        for (int column = 0; line[column]; ++column)
            if (line[column] == '#')
                Dot(image, x + column, y + row, colour);
        ++row;
    }
}

// A stick lying from the top right down to the bottom left on the diagonal x + y = across: its
// pixels sit on the neighbouring diagonals up to halfWidth(along) away, where along = y - x runs
// from the top end to the bottom end. colour(along, side) paints each, side from -halfWidth to
// halfWidth; an invalid colour leaves the pixel.
void Stick(QImage& image, int across, int fromAlong, int toAlong, const std::function<int(int along)>& halfWidth,
           const std::function<QColor(int along, int side)>& colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int along = y - x;
            const int side = x + y - across;
            if (along < fromAlong || along > toAlong || std::abs(side) > halfWidth(along))
                continue;
            const QColor c = colour(along, side);
            if (c.isValid())
                Dot(image, x, y, c);
        }
}

// A pencil from its eraser at the top right to its point at the bottom left; the body's last
// diagonal on either side is its edge.
void Pencil(QImage& image, int across, int top, int point, int bodyHalf)
{
    const int piece = std::max(2, (point - top) / 9);
    const int eraser = top + 1 + piece;
    const int band = eraser + piece;
    const int wood = point - 2 * piece - 1;
    const int lead = point - piece + 1;
    Stick(
        image, across, top, point,
        [=](int along) {
            if (along < wood)
                return bodyHalf;
            return std::max(0, bodyHalf - (along - wood + 1) * bodyHalf / (point - wood + 1));
        },
        [=](int along, int side) {
            if (along >= lead)
                return Ink;
            const int half = along < wood ? bodyHalf : std::max(0, bodyHalf - (along - wood + 1) * bodyHalf / (point - wood + 1));
            if (std::abs(side) == half || along <= top + 1)
                return Ink;
            if (along <= eraser)
                return Pink;
            if (along <= band)
                return side < 0 ? PaleGrey : MidGrey;
            if (along < wood)
                return side < 0 ? YellowLight : Yellow;
            return Wood;
        });
}

} // namespace

QImage Computer()
{
    QImage image = Blank(Places::BigIcon);
    Box(image, 4, 2, 27, 21, Ink, Downwards(3, 20, PaleGrey, MidGrey), true);
    Box(image, 7, 5, 24, 18, Ink, Downwards(6, 17, ScreenTop, ScreenBottom));
    Stamp(image, 9, 7, {"###", "##", "#"}, QColor(0xc8, 0xec, 0xff)); // a glint on the glass
    Fill(image, 23, 20, 24, 20, QColor(0x3a, 0xd0, 0x4a));            // the power light
    Box(image, 13, 21, 18, 24, Ink, Plain(DarkGrey));
    Box(image, 2, 24, 29, 29, Ink, Downwards(25, 28, PaleGrey, MidGrey), true);
    Fill(image, 15, 26, 25, 26, Ink);                     // the drive's slot
    Fill(image, 5, 27, 6, 27, QColor(0x3a, 0xd0, 0x4a)); // and its light
    return image;
}

QImage RecycleBin()
{
    QImage image = Blank(Places::BigIcon);
    // The body narrows towards the foot; light falls on its left.
    const auto left = [](int y) { return 7 + (y - 9) / 9; };
    const auto right = [](int y) { return 24 - (y - 9) / 9; };
    Shape(
        image, [&](int x, int y) { return y >= 9 && y <= 29 && x >= left(y) && x <= right(y); },
        [&](int x, int y) {
            return Mix(QColor(0xdc, 0xe8, 0xf0), QColor(0x86, 0xa0, 0xb4), double(x - left(y)) / (right(y) - left(y)));
        },
        Ink);
    for (const int rib : {10, 21})
        for (int y = 11; y <= 25; ++y) {
            Dot(image, rib, y, QColor(0x6c, 0x86, 0x9a));
            Dot(image, rib + 1, y, QColor(0xee, 0xf4, 0xf8));
        }
    // The recycling mark: three arrows chasing round a triangle.
    Stamp(image, 11, 13,
          {"....##....",
           "...#..#...",
           "..##...#..",
           "..#....##.",
           ".##.....#.",
           ".#......#.",
           "#..####.##",
           "########.."},
          Green);
    Box(image, 5, 5, 26, 8, Ink, Downwards(6, 7, QColor(0xe8, 0xf0, 0xf6), QColor(0x9c, 0xb4, 0xc6)), true);
    Box(image, 12, 2, 19, 5, Ink, Plain(MidGrey), true);
    Fill(image, 14, 4, 17, 4, Ink);
    return image;
}

QImage Calculator()
{
    QImage image = Blank(Places::BigIcon);
    Box(image, 6, 1, 25, 30, Ink, [](int x, int y) { return x == 7 || y == 2 ? SlateLight : Slate; }, true);
    Box(image, 8, 3, 23, 11, Ink, Plain(Lcd));
    Stamp(image, 14, 5, {"#.#.###", "#.#...#", "###.###", "..#.#..", "..#.###"}, Ink); // "42"
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) {
            const int x = 9 + column * 4;
            const int y = 14 + row * 4;
            const bool sign = column == 3;
            const bool clear = row == 0 && column == 0;
            const QColor face = sign ? Orange : clear ? Red : KeyFace;
            Fill(image, x, y, x + 2, y + 1, face);
            Fill(image, x, y + 2, x + 2, y + 2, sign ? OrangeShade : clear ? Red.darker(150) : KeyShade);
        }
    return image;
}

QImage Paint()
{
    QImage image = Blank(Places::BigIcon);
    const TInside board = Ellipse(14, 19.5, 12.5, 9.5);
    const TInside hole = Ellipse(7.5, 22, 2.6, 2.4);
    Shape(
        image, [&](int x, int y) { return board(x, y) && !hole(x, y); }, Downwards(10, 28, QColor(0xfa, 0xde, 0xa8), Wood),
        WoodEdge);
    const struct {
        int x, y;
        QColor colour;
    } dabs[] = {{4, 14, Red}, {9, 11, QColor(0xf6, 0xd2, 0x1e)}, {21, 14, QColor(0x9a, 0x4c, 0xd0)},
                {20, 20, Green}, {11, 18, PaintBlue}, {15, 23, QColor(0xff, 0xff, 0xff)}};
    for (const auto& dab : dabs) {
        Stamp(image, dab.x, dab.y, {".##.", "####", "####", ".##."}, dab.colour);
        Stamp(image, dab.x, dab.y, {"....", "...#", "...#", ".##."}, dab.colour.darker(135));
    }
    // The brush lies across the palette, its blue tip on the blue dab.
    Stick(
        image, 31, -29, 5, [](int along) { return along < -11 ? 1 : along < 1 ? 2 : along < 4 ? 1 : 0; },
        [](int along, int side) {
            if (along < -11)
                return side == 0 ? QColor(0xc8, 0x3c, 0x2c) : Ink;
            if (along < -6)
                return std::abs(side) == 2 ? Ink : side < 0 ? PaleGrey : MidGrey;
            if (along < 1 && std::abs(side) == 2)
                return Ink;
            return side < 0 ? QColor(0x5a, 0x8c, 0xf0) : PaintBlue;
        });
    return image;
}

QImage TextEditor()
{
    QImage image = Blank(Places::BigIcon);
    // The page with its top right corner folded down.
    Shape(
        image, [](int x, int y) { return x >= 4 && x <= 23 && y >= 1 && y <= 30 && x - y <= 18; }, Plain(Qt::white), Ink);
    Shape(image, [](int x, int y) { return x >= 19 && y >= 1 && y <= 5 && x - y <= 18; }, Plain(PaleGrey), Ink);
    Fill(image, 7, 5, 14, 6, TitleBlue);
    const int ends[] = {20, 18, 20, 15, 19, 16, 12};
    for (int line = 0; line < 7; ++line)
        Fill(image, 7, 10 + line * 3, ends[line], 10 + line * 3, Lines);
    Pencil(image, 42, -16, 13, 2);
    return image;
}

QImage SmallCalculator()
{
    QImage image = Blank(Places::SmallIcon);
    Box(image, 2, 0, 13, 15, Ink, [](int x, int y) { return x == 3 || y == 1 ? SlateLight : Slate; }, true);
    Fill(image, 4, 2, 11, 4, Lcd);
    Fill(image, 9, 3, 10, 3, Ink);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            const int x = 4 + column * 3;
            const int y = 7 + row * 3;
            const bool sign = column == 2;
            Dot(image, x, y, sign ? Orange : KeyFace);
            Dot(image, x + 1, y, sign ? Orange : KeyFace);
            Dot(image, x, y + 1, sign ? OrangeShade : KeyShade);
            Dot(image, x + 1, y + 1, sign ? OrangeShade : KeyShade);
        }
    return image;
}

QImage SmallPaint()
{
    QImage image = Blank(Places::SmallIcon);
    const TInside board = Ellipse(7, 10.5, 7, 5.5);
    const TInside hole = Ellipse(4, 12.5, 1.1, 1.1);
    Shape(image, [&](int x, int y) { return board(x, y) && !hole(x, y); }, Plain(Wood), WoodEdge);
    const struct {
        int x, y;
        QColor colour;
    } dabs[] = {{2, 8, Red}, {5, 7, QColor(0xf6, 0xd2, 0x1e)}, {8, 12, PaintBlue}, {10, 9, Green}};
    for (const auto& dab : dabs)
        Fill(image, dab.x, dab.y, dab.x + 1, dab.y + 1, dab.colour);
    Stick(
        image, 15, -15, 1, [](int along) { return along < -3 ? 1 : along < 1 ? 1 : 0; },
        [](int along, int side) {
            if (along < -7)
                return side == 0 ? QColor(0xc8, 0x3c, 0x2c) : Ink;
            if (along < -3)
                return side == 0 ? PaleGrey : Ink;
            return side == 0 || along >= 0 ? PaintBlue : Ink;
        });
    return image;
}

QImage SmallTextEditor()
{
    QImage image = Blank(Places::SmallIcon);
    Shape(image, [](int x, int y) { return x >= 1 && x <= 11 && y >= 0 && y <= 15 && x - y <= 8; }, Plain(Qt::white), Ink);
    Fill(image, 3, 3, 6, 3, TitleBlue);
    const int ends[] = {9, 8, 9, 6};
    for (int line = 0; line < 4; ++line)
        Fill(image, 3, 6 + line * 2, ends[line], 6 + line * 2, Lines);
    Pencil(image, 19, -11, 7, 1);
    return image;
}

QImage Loudspeaker()
{
    QImage image = Blank(Places::SmallIcon);
    Box(image, 1, 5, 4, 10, Ink, Plain(MidGrey));
    // The cone opens to the right.
    Shape(
        image, [](int x, int y) { return x >= 4 && x <= 9 && y >= 5 - (x - 4) && y <= 10 + (x - 4) && y >= 1 && y <= 14; },
        Downwards(1, 14, PaleGrey, DarkGrey), Ink);
    Stamp(image, 11, 2,
          {"#...",
           ".#..",
           "#.#.",
           ".#.#",
           ".#.#",
           ".#.#",
           ".#.#",
           ".#.#",
           ".#.#",
           "#.#.",
           ".#..",
           "#..."},
          TitleBlue);
    return image;
}

QImage Network()
{
    QImage image = Blank(Places::SmallIcon);
    // The one behind first, the front one over its corner; a cable joins their stands.
    Box(image, 6, 0, 15, 7, Ink, Plain(PaleGrey));
    Fill(image, 8, 2, 13, 5, ScreenBottom);
    Fill(image, 8, 2, 13, 2, ScreenTop);
    Fill(image, 10, 8, 11, 8, Ink);
    Fill(image, 8, 9, 13, 9, Ink);
    Box(image, 0, 5, 9, 12, Ink, Plain(PaleGrey));
    Fill(image, 2, 7, 7, 10, ScreenBottom);
    Fill(image, 2, 7, 7, 7, ScreenTop);
    Fill(image, 4, 13, 5, 13, Ink);
    Fill(image, 2, 14, 7, 14, Ink);
    Fill(image, 8, 14, 13, 14, Green);
    Fill(image, 13, 10, 13, 13, Green);
    return image;
}

} // namespace ProgramsIconsArt

#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPen>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <vector>

class QFont;
class QPainter;

// The drawn controls and surfaces every page background shares: keys, signs, buttons, the
// typing strip and the calm backdrop. Each control stays inside the rectangle it is given, so
// it lies exactly under the page's click area of the same size.
namespace ArtKit {

namespace Palette {
inline const QColor Ink{0x33, 0x3f, 0x52};        // outlines and dark lettering
inline const QColor Sky{0x4a, 0x8f, 0xd8};        // the home pages' accent
inline const QColor KeyFace{0xfd, 0xfd, 0xfa};
inline const QColor KeySide{0xc4, 0xc9, 0xd2};
inline const QColor ExitGreen{0x1f, 0x9d, 0x4c};
inline const QColor BackOrange{0xf0, 0x8a, 0x1c};
inline const QColor Paper{0xff, 0xfc, 0xf2};
inline const QColor Heading{0x2c, 0x5a, 0xa8};  // page titles
} // namespace Palette

// A rounded card lifted off the page: its shadow first, moved by drop, then the card itself,
// inset pixels inside the shadow's rectangle, filled and edged.
struct TCard {
    qreal radius = 8;
    QPointF drop{0, 3};
    QColor shadow{0, 0, 0, 40};
    QBrush fill{};
    QPen edge{Qt::NoPen};
    qreal inset = 0;
};
void DrawCard(QPainter& painter, const QRectF& rect, const TCard& card);

// A fill running from top to bottom over rect, lit from above.
QLinearGradient Downwards(const QRectF& rect, QColor top, QColor bottom);

QPainterPath RoundedRect(const QRectF& rect, qreal radius);

// An empty picture with an alpha channel, for drawings that must show what lies beneath them
// (premultiplied unless a picture keeps its soft edges in straight alpha).
QImage Transparent(QSize size, QImage::Format format = QImage::Format_ARGB32_Premultiplied);

// A clip's count frames of size on the background, each painted antialiased by draw with its index.
std::vector<QImage> DrawnFrames(QSize size, int count, const QColor& background,
                                const std::function<void(QPainter&, int)>& draw);

// Moves the painter into a drawing's own frame: its origin on origin, turned by degrees
// (clockwise) and scaled.
void Place(QPainter& painter, QPointF origin, qreal degrees, qreal scale = 1);

// A sunny landscape filling frame: the sky's gradient from the frame's top down to the horizon
// (the frame's bottom unless told; no sky without stops), the sun, what floats in the sky
// (clouds, a rainbow: drawn by inSky behind the hills), then the hills from far to near. Each
// hill's ridge runs from the left edge to the right; the hill fills everything below it, in a
// fill from top (at the ridge's highest control point) to foot (at the frame's bottom), plain
// when foot is not given.
struct TSun {
    QPointF centre{};
    qreal radius = 0; // no sun
    QColor colour{0xff, 0xe0, 0x6a};
    qreal glow = 0; // the reach of the soft light round it, and its colours from the centre out
    QGradientStops light{
        {0, QColor(255, 250, 210, 200)}, {0.35, QColor(255, 244, 190, 90)}, {1, QColor(255, 244, 190, 0)}};
};
struct THill {
    QPainterPath ridge{};
    QColor top{};
    QColor foot{};
};
struct TLandscape {
    QRectF frame{};
    QGradientStops sky{};
    qreal horizon = 0;
    TSun sun{};
    std::function<void(QPainter&)> inSky{};
    std::vector<THill> hills{};
};
void DrawLandscape(QPainter& painter, const TLandscape& landscape);

// A ridge for a hill: from the point on, each three points a cubic piece (two controls, then its end).
QPainterPath Ridge(QPointF from, std::initializer_list<QPointF> pieces);

// The kit's lettering face (DejaVu Sans) at a pixel size.
QFont LabelFont(int pixelSize, bool bold = true);

// The calm page background: a soft light gradient with a faint dot pattern and a few pale
// blobs, one of them in the accent. Nowhere darker than the page colour 0xDDDDDD, so blue and
// red text read anywhere on it at least as well as on the plain page.
void DrawPageBackdrop(QPainter& painter, QRect rect, QColor accent = Palette::Sky);

// A whole 1024 × 768 page: the calm backdrop under two swags of bunting along the top.
QImage FestivePage(QColor accent = Palette::Sky);

// A translucent white card that quiets the backdrop behind written text.
void DrawSoftPanel(QPainter& painter, QRect rect, int radius = 18);

// The white typing strip: rect is the edit box itself; the strip fills it and the soft
// frame lies around it, InputFrameMargin pixels wide.
inline constexpr int InputFrameMargin = 8;
void DrawInputField(QPainter& painter, QRect rect);

// A pencil pointing right, to show where to type.
void DrawPencil(QPainter& painter, QRect rect);

// A keyboard key with a label, as on a real keyboard. Its body fills the rect.
void DrawKey(QPainter& painter, QRect rect, const QString& label, QColor face = Palette::KeyFace);

// The tall L-shaped Enter key with "ENTER" and the return arrow, filling the rect.
void DrawEnterKey(QPainter& painter, QRect rect);

// The Backspace key with its long left arrow, filling the rect.
void DrawBackspaceKey(QPainter& painter, QRect rect);

// A green exit sign: an open door with an arrow leading out, filling the rect.
void DrawExitSign(QPainter& painter, QRect rect);

// A push button painted on a page: a light face edged in its accent, a sign in an accent disc
// on the left (drawn by sign into the disc's rectangle) and the label beside it, filling rect.
struct TLabelButton {
    QString label;
    QColor faceTop;
    QColor faceBottom;
    QColor accent;
    QColor lettering;
    std::function<void(QPainter&, const QRectF& disc)> sign;
};
void DrawLabelButton(QPainter& painter, QRect rect, const TLabelButton& button);

// The back button: a left arrow and its words ("Vissza" unless told; "\n" breaks the line),
// filling the rect.
void DrawBackButton(QPainter& painter, QRect rect, const QString& label = QStringLiteral("Vissza"));

// The green "START" button with a play sign, filling the rect.
void DrawStartButton(QPainter& painter, QRect rect);

// A line drawn with a stroke of width pen, ending in an arrow head at tip pointing along direction.
void DrawArrowHeadLine(QPainter& painter, const QPainterPath& line, QPointF tip, QPointF direction, qreal pen,
                       QColor colour);

// A left-pointing arrow ending at tip, length long, drawn with a stroke of width pen.
void DrawArrowLeft(QPainter& painter, QPointF tip, qreal length, qreal pen, QColor colour);

// A string of little coloured flags hanging between two points, sagging by sag pixels.
void DrawBunting(QPainter& painter, QPointF from, QPointF to, qreal sag, int flags, qreal flagHeight = 26);

// A five-pointed star; without an edge colour the edge is a darker fill.
void DrawStar(QPainter& painter, QPointF centre, qreal radius, QColor fill, QColor edge = QColor());

// A dashed curved hint arrow from one point to another.
void DrawHintArrow(QPainter& painter, QPointF from, QPointF control, QPointF to, QColor colour);

// A page title on the backdrop, blue with a light halo; the text's baseline starts at the point.
void DrawHeading(QPainter& painter, QPoint baselineStart, const QString& title, int pixelSize = 40);

// A public-domain clip-art drawing from the openclipart-svg collection (a path below its svg/
// folder), fitted into rect with its proportions kept and centred. Throws when it cannot be read.
void DrawClipArt(QPainter& painter, const QString& file, const QRectF& rect);

// Largest pixel size (at most maxPixelSize) at which every text fits into width.
int FittingPixelSize(const QStringList& texts, int width, int maxPixelSize, bool bold = true);

} // namespace ArtKit

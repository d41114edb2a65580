#include "ListsScreensArt.h"

#include "ListsPlaces.h"
#include "mediakit/ArtKit.h"
#include "mediakit/TopicStyle.h"
#include "mediakit/PaintedPage.h"
#include "mediakit/cast/Cast.h"
#include "topics/lists/ListNamePlaces.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace ListsScreensArt {

namespace {

using namespace ListsPlaces;

const QColor Accent = TopicStyle::Accent(QStringLiteral("LISTADOBOZOK"));
const QColor Wood(0xb9, 0x7a, 0x45);

// A white frame a little outside a list control, so the list sits on a card.
void DrawListCard(QPainter& painter, QRect control, int margin = 8)
{
    const QRectF r = QRectF(control).adjusted(-margin, -margin, margin, margin);
    ArtKit::DrawCard(painter, r, {.radius = 10, .drop = {0, 3}, .shadow = QColor(0, 0, 0, 40),
                                  .fill = QColor(0xfb, 0xfd, 0xfc), .edge = QPen(Accent, 2)});
}

// A heading centred over a control, its baseline gap pixels above the control's top.
void DrawHeadingOver(QPainter& painter, QRect control, const QString& title, int pixelSize = 24, int gap = 14)
{
    const QFontMetrics metrics(ArtKit::LabelFont(pixelSize));
    const int width = metrics.horizontalAdvance(title);
    ArtKit::DrawHeading(painter, QPoint(control.center().x() - width / 2, control.top() - gap), title, pixelSize);
}

// A soft shadow on the floor under a figure.
void DrawFloorShadow(QPainter& painter, QPointF centre, qreal width)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x30, 0x40, 0x50, 45));
    painter.drawEllipse(centre, width / 2, width / 9);
    painter.restore();
}

// A soft light stage behind a clip.
void DrawStage(QPainter& painter, QRect clip)
{
    ArtKit::DrawCard(painter, QRectF(clip).adjusted(-6, -6, 6, 6),
                     {.radius = 18, .drop = {0, 3}, .shadow = QColor(0, 0, 0, 30),
                      .fill = QColor(0xdd, 0xdd, 0xdd), .edge = QPen(Accent.lighter(140), 2)});
}

} // namespace

QImage NamesScreen()
{
    TPaintedPage page(Accent, BackArea);
    QPainter& painter = page.painter;
    ArtKit::DrawSoftPanel(painter, NamesText);
    DrawListCard(painter, NamesList);

    // One scale for all six, so the dog stays smaller than the people, as everywhere else.
    double scale = 1e9;
    for (TCastMember who : AllCastMembers()) {
        const QRectF bounds = CastFigureBounds(who, TCastPose::Standing());
        scale = std::min({scale, 96.0 / bounds.width(), 228.0 / bounds.height()});
    }
    for (TCastMember who : AllCastMembers()) {
        const auto place = std::find_if(ListNamePlaces::Guides.begin(), ListNamePlaces::Guides.end(),
                                        [&](const auto& g) { return CastMemberName(who) == QString::fromUtf8(g.name); });
        const QRect figure = place->figure;
        const QPointF feet(figure.center().x() + 0.5, figure.bottom() - 2);
        DrawFloorShadow(painter, feet, 84);
        TCastPose pose = TCastPose::Standing();
        if (who == TCastMember::Tarolka)
            pose = TCastPose::Waving(0.25); // the one the learner looks for greets
        PaintCastMemberAt(painter, who, pose, feet, scale);
        // A name plate under the figure for the page's label.
        ArtKit::DrawCard(painter, QRectF(place->label).adjusted(2, 0, -2, 0),
                         {.radius = 8, .drop = {0, 2}, .shadow = QColor(0, 0, 0, 35),
                          .fill = QColor(0xff, 0xfe, 0xf6), .edge = QPen(Accent, 1.5)});
    }
    return page.Finish();
}

QImage FoodScreen()
{
    TPaintedPage page(Accent, BackArea);
    QPainter& painter = page.painter;
    ArtKit::DrawSoftPanel(painter, FoodText);
    DrawStage(painter, FoodClip);
    ArtKit::DrawSoftPanel(painter, BirthdayLists.adjusted(-16, -14, 16, 14));

    // The laid table at the right: a checked cloth, a plate of food, a cake with a candle.
    const QRectF cloth(800, 300, 210, 300);
    painter.save();
    painter.setClipPath(ArtKit::RoundedRect(cloth, 14));
    painter.fillRect(cloth, QColor(0xfb, 0xf4, 0xf0));
    for (int i = 0; i < 12; ++i) {
        painter.fillRect(QRectF(cloth.left() + i * 20, cloth.top(), 10, cloth.height()), QColor(0xe0, 0x50, 0x40, 70));
        painter.fillRect(QRectF(cloth.left(), cloth.top() + i * 26, cloth.width(), 13), QColor(0xe0, 0x50, 0x40, 70));
    }
    painter.restore();
    ArtKit::DrawClipArt(painter, QStringLiteral("food/bowl_of_steaming_soup_01.svg"), QRectF(820, 316, 170, 120));
    ArtKit::DrawClipArt(painter, QStringLiteral("food/desserts/birthday_cake.svg"), QRectF(820, 446, 170, 140));
    ArtKit::DrawHeading(painter, QPoint(812, 282), QStringLiteral("Jó étvágyat!"), 22);
    return page.Finish();
}

QImage TvScreen()
{
    TPaintedPage page(Accent, BackArea);
    QPainter& painter = page.painter;
    ArtKit::DrawSoftPanel(painter, TvText);

    // The guide's paper with Wednesday's evening on four channels.
    const QRectF paper = TvGuide;
    ArtKit::DrawCard(painter, paper, {.radius = 6, .drop = {3, 4}, .shadow = QColor(0, 0, 0, 50),
                                      .fill = QColor(0xff, 0xfe, 0xf8), .edge = QPen(QColor(0x9a, 0x8c, 0xc8), 2)});
    const QRectF band(paper.left(), paper.top(), paper.width(), 46);
    painter.fillRect(band.adjusted(2, 2, -2, 0), QColor(0x4b, 0x3a, 0x8e));
    painter.setPen(Qt::white);
    painter.setFont(ArtKit::LabelFont(24));
    painter.drawText(band.adjusted(18, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("TV-MŰSOR"));
    painter.setFont(ArtKit::LabelFont(20));
    painter.drawText(band.adjusted(0, 0, -18, 0), Qt::AlignVCenter | Qt::AlignRight,
                     QStringLiteral("hétfő  kedd  ▶ SZERDA ◀  csütörtök  péntek"));

    struct TShow {
        const char* time;
        const char* title;
        const char* genre;
    };
    const struct {
        const char* channel;
        TShow shows[4];
    } columns[] = {
        {"Bika TV", {{"16:30", "Kutyavilág", "természetfilm"}, {"17:55", "Macskahíradó", "vetélkedő"},
                     {"19:00", "Egérjelentés", "sport"}, {"20:10", "Kandúr visszatér", "krimi"}}},
        {"CicaVízió", {{"16:45", "Cica Cecil házhoz megy", "vígjáték"}, {"17:50", "Kutyák és macskák", "rajzfilm"},
                       {"19:15", "Macskahíradó", "krimi"}, {"20:30", "Kandúr Bandi kalandjai", "vígjáték"}}},
        {"MiaSat", {{"16:20", "Egérjelentés", "vetélkedő"}, {"17:55", "Kandúr Bandi kalandjai", "akciófilm"},
                    {"19:30", "Kutyavilág", "természetfilm"}, {"21:00", "Kandúr visszatér", "krimi"}}},
        {"Tej TV", {{"16:00", "Cica Cecil házhoz megy", "rajzfilm"}, {"17:15", "Kandúr Bandi kalandjai", "rajzfilm"},
                    {"18:55", "Kutyák és macskák", "vígjáték"}, {"20:00", "Egérjelentés", "sport"}}},
    };
    const qreal columnWidth = (paper.width() - 24) / 4;
    for (int c = 0; c < 4; ++c) {
        const qreal left = paper.left() + 12 + c * columnWidth;
        const QRectF head(left + 4, band.bottom() + 10, columnWidth - 8, 34);
        ArtKit::DrawCard(painter, head, {.radius = 8, .drop = {0, 2}, .shadow = QColor(0, 0, 0, 30),
                                         .fill = QColor(0xe8, 0xe2, 0xfa), .edge = QPen(QColor(0x7a, 0x5c, 0xc8), 1.5)});
        painter.setPen(QColor(0x3a, 0x2a, 0x78));
        painter.setFont(ArtKit::LabelFont(19));
        painter.drawText(head, Qt::AlignCenter, QString::fromUtf8(columns[c].channel));
        for (int s = 0; s < 4; ++s) {
            const TShow& show = columns[c].shows[s];
            const QRectF row(left + 6, head.bottom() + 8 + s * 58, columnWidth - 12, 56);
            if (s > 0) {
                painter.setPen(QPen(QColor(0xd8, 0xd2, 0xe8), 1));
                painter.drawLine(row.topLeft() - QPointF(0, 4), row.topRight() - QPointF(0, 4));
            }
            painter.setPen(QColor(0xc0, 0x30, 0x40));
            painter.setFont(ArtKit::LabelFont(16));
            painter.drawText(QRectF(row.left(), row.top(), 52, 20), Qt::AlignLeft | Qt::AlignTop, QString::fromUtf8(show.time));
            painter.setPen(ArtKit::Palette::Ink);
            painter.setFont(ArtKit::LabelFont(15));
            painter.drawText(QRectF(row.left() + 56, row.top(), row.width() - 56, 40), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                             QString::fromUtf8(show.title));
            painter.setPen(QColor(0x60, 0x6a, 0x80));
            painter.setFont(ArtKit::LabelFont(13, false));
            painter.drawText(QRectF(row.left() + 56, row.top() + 40, row.width() - 56, 18), Qt::AlignLeft | Qt::AlignTop,
                             QString::fromUtf8(show.genre));
            if (c == TvFavourite.column && s == TvFavourite.row) {
                // Tárolka's favourite: circled in red, with her mark beside it.
                painter.setPen(QPen(QColor(0xe0, 0x30, 0x30), 2.5));
                painter.setBrush(Qt::NoBrush);
                painter.drawRoundedRect(row.adjusted(-5, -4, 3, 2), 10, 10);
                PaintCastHead(painter, TCastMember::Tarolka, TCastPose::Standing(), QRectF(row.right() - 34, row.bottom() - 30, 34, 30));
            }
        }
    }
    painter.setPen(QColor(0x3a, 0x2a, 0x78));
    painter.setFont(ArtKit::LabelFont(15, false));
    painter.drawText(QRectF(paper.left() + 16, paper.bottom() - 25, paper.width() - 32, 22), Qt::AlignRight | Qt::AlignVCenter,
                     QString::fromUtf8("Pirossal bekarikázva: Tárolka kedvenc műsora"));
    ArtKit::DrawSoftPanel(painter, TvChoices, 12);
    return page.Finish();
}

namespace {

void DrawRuler(QPainter& painter, QRectF rect)
{
    ArtKit::DrawCard(painter, rect, {.radius = 4, .drop = {0, 3}, .shadow = QColor(0, 0, 0, 45),
                                     .fill = ArtKit::Downwards(rect, QColor(0xff, 0xe0, 0x6a), QColor(0xf0, 0xc0, 0x3a)),
                                     .edge = QPen(QColor(0xa0, 0x7a, 0x20), 1.5)});
    painter.setPen(QPen(ArtKit::Palette::Ink, 1.2));
    painter.setFont(ArtKit::LabelFont(10, false));
    for (int cm = 0; cm <= 15; ++cm) {
        const qreal x = rect.left() + 8 + cm * (rect.width() - 16) / 15;
        painter.drawLine(QPointF(x, rect.top()), QPointF(x, rect.top() + (cm % 5 == 0 ? 18 : 11)));
        if (cm % 5 == 0)
            painter.drawText(QPointF(x - 3, rect.top() + 32), QString::number(cm));
    }
}

void DrawScales(QPainter& painter, QPointF base)
{
    painter.save();
    painter.translate(base);
    const QColor metal(0x8a, 0x96, 0xa8);
    painter.setPen(QPen(metal.darker(140), 2));
    painter.setBrush(ArtKit::Downwards(QRectF(-40, -16, 80, 16), metal.lighter(130), metal));
    painter.drawRoundedRect(QRectF(-40, -16, 80, 16), 5, 5);
    painter.drawRect(QRectF(-5, -96, 10, 80));
    painter.drawLine(QPointF(-70, -92), QPointF(70, -100));
    for (const qreal x : {-70.0, 70.0}) {
        const qreal y = x < 0 ? -92 : -100;
        painter.drawLine(QPointF(x, y), QPointF(x - 22, y + 40));
        painter.drawLine(QPointF(x, y), QPointF(x + 22, y + 40));
        QPainterPath pan;
        pan.moveTo(x - 28, y + 40);
        pan.quadTo(x, y + 62, x + 28, y + 40);
        pan.closeSubpath();
        painter.drawPath(pan);
    }
    // A weight on one pan, apples on the other.
    painter.setBrush(QColor(0x50, 0x58, 0x66));
    painter.drawRoundedRect(QRectF(-82, -72, 24, 20), 4, 4);
    painter.setBrush(QColor(0xd8, 0x3a, 0x32));
    painter.setPen(QPen(QColor(0x90, 0x20, 0x20), 1.5));
    painter.drawEllipse(QPointF(62, -70), 10, 10);
    painter.drawEllipse(QPointF(80, -70), 10, 10);
    painter.restore();
}

void DrawClock(QPainter& painter, QPointF centre, qreal radius)
{
    painter.save();
    painter.setPen(QPen(QColor(0x2a, 0x6a, 0xb8), 6));
    painter.setBrush(QColor(0xfd, 0xfd, 0xff));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(ArtKit::Palette::Ink, 2.5, Qt::SolidLine, Qt::RoundCap));
    for (int h = 0; h < 12; ++h) {
        const double a = h * std::numbers::pi / 6;
        const QPointF dir(std::sin(a), -std::cos(a));
        painter.drawLine(centre + dir * (radius - 6), centre + dir * (radius - (h % 3 == 0 ? 16 : 11)));
    }
    painter.setPen(QPen(ArtKit::Palette::Ink, 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(radius * 0.35, -radius * 0.3));
    painter.setPen(QPen(ArtKit::Palette::Ink, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(0, -radius * 0.7));
    painter.setPen(QPen(QColor(0xd0, 0x30, 0x30), 1.5));
    painter.drawLine(centre, centre + QPointF(-radius * 0.6, radius * 0.4));
    painter.restore();
}

} // namespace

QImage UnitsScreen()
{
    TPaintedPage page(Accent, BackArea);
    QPainter& painter = page.painter;
    ArtKit::DrawSoftPanel(painter, UnitsText);
    for (const auto& [list, title] : {std::pair{LengthList, "Hosszúság"}, {MassList, "Tömeg"}, {TimeList, "Idő"}}) {
        // Narrow cards: the copy buttons stand in the 119 px between the first two lists.
        DrawListCard(painter, list, 4);
        DrawHeadingOver(painter, list, QString::fromUtf8(title), 26);
    }
    DrawRuler(painter, QRectF(LengthList.left() - 20, 478, LengthList.width() + 40, 40));
    DrawScales(painter, QPointF(MassList.center().x(), 580));
    DrawClock(painter, QPointF(TimeList.center().x(), 530), 62);
    return page.Finish();
}

QImage BirdsScreen()
{
    TPaintedPage page(Accent, BackArea);
    QPainter& painter = page.painter;
    ArtKit::DrawSoftPanel(painter, BirdsText);
    ArtKit::DrawCard(painter, QRectF(Warning).adjusted(-8, -8, 8, 8),
                     {.radius = 14, .drop = {0, 2}, .shadow = QColor(0, 0, 0, 25), .fill = QColor(0xfd, 0xfe, 0xfd),
                      .edge = QPen(QColor(0x9a, 0xc8, 0x9a), 1.5)});
    DrawListCard(painter, LyList);
    DrawListCard(painter, JList);
    DrawHeadingOver(painter, LyList, QStringLiteral("ly"), 34, 16);
    DrawHeadingOver(painter, JList, QStringLiteral("j"), 34, 16);
    DrawStage(painter, BirdsClip);
    // The owl (bagoly) above the ly list, the crow (varjú) above the j side, clear of the keyboard.
    ArtKit::DrawClipArt(painter, QStringLiteral("animals/birds/gufo_civetta_architetto__01.svg"), QRectF(70, 50, 120, 150));
    ArtKit::DrawClipArt(painter, QStringLiteral("animals/birds/crow_01.svg"), QRectF(830, 120, 150, 150));
    return page.Finish();
}

QImage ComboScreen()
{
    TPaintedPage page(Accent, BackArea);
    QPainter& painter = page.painter;
    ArtKit::DrawSoftPanel(painter, ComboText);
    DrawHeadingOver(painter, GirlsCombo, QStringLiteral("Lányok"), 26);
    DrawHeadingOver(painter, BoysCombo, QStringLiteral("Fiúk"), 26);
    for (QRect combo : {GirlsCombo, BoysCombo})
        ArtKit::DrawSoftPanel(painter, combo.adjusted(-14, -8, 14, 8 + 120), 14);
    DrawStage(painter, ComboClip);
    // A name card under each combo: a girl's and a boy's guide head.
    PaintCastHead(painter, TCastMember::Nora, TCastPose::Standing(), QRectF(GirlsCombo.left() + 40, 330, 105, 90));
    PaintCastHead(painter, TCastMember::Tivadar, TCastPose::Standing(), QRectF(BoysCombo.left() + 40, 330, 105, 90));
    return page.Finish();
}

QImage ReflexScreen()
{
    TPaintedPage page(Accent, BackArea);
    QPainter& painter = page.painter;
    ArtKit::DrawHeading(painter, QPoint(40, 96), QStringLiteral("Szóáthúzás"), 40);
    // The display that shows the words to move: a dark frame round a light screen.
    const QRectF display = QRectF(ReflexWords).adjusted(-14, -12, 14, 12);
    ArtKit::DrawCard(painter, display, {.radius = 12, .drop = {0, 3}, .shadow = QColor(0, 0, 0, 50),
                                        .fill = QColor(0x34, 0x3e, 0x52)});
    ArtKit::DrawCard(painter, QRectF(ReflexWords).adjusted(-6, -5, 6, 5),
                     {.radius = 6, .drop = {0, 0}, .shadow = Qt::transparent, .fill = QColor(0xf4, 0xfb, 0xf4)});
    // The stopwatch behind the clock.
    const QRectF watch = QRectF(ReflexClock).adjusted(-10, -8, 10, 8);
    ArtKit::DrawCard(painter, watch, {.radius = 18, .drop = {0, 3}, .shadow = QColor(0, 0, 0, 45),
                                      .fill = QColor(0xff, 0xff, 0xff), .edge = QPen(QColor(0xe0, 0x50, 0x50), 3)});
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe0, 0x50, 0x50));
    painter.drawRoundedRect(QRectF(watch.center().x() - 8, watch.top() - 9, 16, 9), 3, 3);
    // The drop target is a basket, its rim below START's lower edge: the list, shown once START
    // is gone, stands in it with its top above the rim. The word list gets no frame: it is hidden
    // until START, which covers part of its place.
    const QRectF basket = QRectF(ReflexTo).adjusted(-16, ReflexStart.bottom() + 6 - ReflexTo.top(), 16, 30);
    ArtKit::DrawCard(painter, basket, {.radius = 16, .drop = {0, 4}, .shadow = QColor(0, 0, 0, 45),
                                       .fill = ArtKit::Downwards(basket, Wood.lighter(135), Wood),
                                       .edge = QPen(Wood.darker(150), 2)});
    painter.setPen(QPen(Wood.darker(130), 2));
    for (int i = 1; i < 6; ++i)
        painter.drawLine(QPointF(basket.left() + i * basket.width() / 6, ReflexTo.bottom() + 4),
                         QPointF(basket.left() + i * basket.width() / 6, basket.bottom() - 4));
    ArtKit::DrawSoftPanel(painter, ReflexText.adjusted(-10, -6, 10, 6));
    return page.Finish();
}

QImage EditableScreen()
{
    TPaintedPage page(Accent, BackArea);
    QPainter& painter = page.painter;
    // The pinboard the paper hangs on, a pin at each top corner.
    const QRectF board = QRectF(Paper).adjusted(-32, -22, 32, 22);
    ArtKit::DrawCard(painter, board, {.radius = 10, .drop = {0, 4}, .shadow = QColor(0, 0, 0, 50),
                                      .fill = ArtKit::Downwards(board, QColor(0xd8, 0xa8, 0x70), QColor(0xc0, 0x8a, 0x52)),
                                      .edge = QPen(QColor(0x80, 0x5a, 0x30), 3)});
    const QRectF paper = QRectF(Paper).adjusted(-16, -10, 16, 10);
    ArtKit::DrawCard(painter, paper, {.radius = 2, .drop = {2, 3}, .shadow = QColor(0, 0, 0, 50), .fill = ArtKit::Palette::Paper});
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xd0, 0x30, 0x30));
    for (const QPointF pin : {paper.topLeft() + QPointF(8, 7), paper.topRight() + QPointF(-8, 7)})
        painter.drawEllipse(pin, 5, 5);
    ArtKit::DrawInputField(painter, EditField);
    DrawListCard(painter, EditableList);
    ArtKit::DrawSoftPanel(painter, EditButtons.adjusted(-10, -10, 10, 10), 14);
    ArtKit::DrawSoftPanel(painter, HintColumn, 14);
    ArtKit::DrawSoftPanel(painter, EditText.adjusted(-10, -6, 10, 6));
    // Pixeles Tivadar points at the paper from the left.
    const QPointF feet(200, 540);
    DrawFloorShadow(painter, feet, 110);
    PaintCastMember(painter, TCastMember::Tivadar, TCastPose::Pointing(20), QRectF(90, 250, 220, 290));
    return page.Finish();
}

} // namespace ListsScreensArt

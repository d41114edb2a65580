#include "SummaryScreensArt.h"

#include "SummaryPlaces.h"
#include "mediakit/ArtKit.h"
#include "mediakit/PaintedPage.h"
#include "mediakit/TopicIcons.h"
#include "mediakit/TopicStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace SummaryScreensArt {

namespace {

namespace Places = SummaryPlaces;
using namespace ArtKit;

const QColor Accent = TopicStyle::Accent(QStringLiteral("OSSZEFOGL"));
const QString Title = QString::fromUtf8("Összefoglalás");

// The heading sits in the band above the pages' rooms, its baseline clear of y 100.
void DrawTitle(QPainter& painter)
{
    DrawHeading(painter, QPoint(40, 76), Title, 40);
}

// A key of the keyboard dropped at a slant, centred on centre.
void DrawTumblingKey(QPainter& painter, QPointF centre, QSize size, qreal degrees, const QString& label)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(degrees);
    DrawKey(painter, QRect(QPoint(-size.width() / 2, -size.height() / 2), size), label);
    painter.restore();
}

// A magnifying glass lying at a slant: a round lens in a dark rim, the handle to the lower right.
void DrawMagnifier(QPainter& painter, QPointF lens, qreal radius)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor rim(0x45, 0x4c, 0x5c);
    const QColor wood(0xb0, 0x6a, 0x34);
    // Its soft shadow on the page.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x30, 0x30, 0x40, 28));
    painter.drawEllipse(lens + QPointF(6, 8), radius + 6, radius + 6);

    painter.translate(lens);
    painter.rotate(-45);
    // The handle: a neck of the rim's metal, then the turned wooden grip.
    painter.setPen(QPen(rim.darker(130), 2));
    painter.setBrush(Downwards(QRectF(-6, radius, 12, 18), rim.lighter(140), rim));
    painter.drawRect(QRectF(-6, radius + 2, 12, 16));
    const QRectF grip(-11, radius + 16, 22, radius * 1.6);
    QLinearGradient turned(grip.topLeft(), grip.topRight());
    turned.setColorAt(0, wood.darker(125));
    turned.setColorAt(0.35, wood.lighter(130));
    turned.setColorAt(1, wood.darker(140));
    painter.setPen(QPen(wood.darker(190), 2));
    painter.setBrush(turned);
    painter.drawRoundedRect(grip, 10, 10);
    painter.setPen(QPen(wood.darker(170), 2));
    painter.drawLine(QPointF(grip.left() + 3, grip.top() + 10), QPointF(grip.right() - 3, grip.top() + 10));

    // The lens: a pale glass with a highlight, in a thick rim.
    QRadialGradient glass(QPointF(-radius * 0.35, -radius * 0.35), radius * 1.4);
    glass.setColorAt(0, QColor(0xff, 0xff, 0xff, 235));
    glass.setColorAt(1, QColor(0xc8, 0xe4, 0xf8, 215));
    painter.setPen(QPen(rim, radius * 0.2));
    painter.setBrush(glass);
    painter.drawEllipse(QPointF(0, 0), radius, radius);
    painter.setPen(QPen(QColor(255, 255, 255, 220), radius * 0.09, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(-radius * 0.7, -radius * 0.7, radius * 1.4, radius * 1.4), 200 * 16, 50 * 16);
    painter.setPen(QPen(rim.lighter(170), 1.5));
    painter.drawEllipse(QPointF(0, 0), radius * 1.1, radius * 1.1);
    painter.restore();
}

} // namespace

QImage ReviewScreen()
{
    TPaintedPage page(Accent, Places::ReviewBack);
    QPainter& p = page.painter;
    DrawTitle(p);
    // A quiet card under the table, wider than its room by a margin all round.
    DrawSoftPanel(p, Places::ReviewTable.adjusted(-16, -8, 16, 12));
    TopicIcons::DrawSummary(p, QRect(892, 96, 116, 116));
    DrawTumblingKey(p, QPointF(926, 292), QSize(64, 58), -10, QStringLiteral("ESC"));
    DrawTumblingKey(p, QPointF(962, 382), QSize(88, 58), 7, QStringLiteral("TAB"));
    DrawTumblingKey(p, QPointF(928, 472), QSize(80, 58), -5, QStringLiteral("CTRL"));
    DrawTumblingKey(p, QPointF(966, 560), QSize(72, 58), 9, QStringLiteral("ALT"));
    return page.Finish();
}

QImage SharedScreen()
{
    TPaintedPage page(Accent, Places::SharedBack);
    // Below the clip, so the column the clip plays in stays plain page.
    TopicIcons::DrawSummary(page.painter, QRect(894, 476, 110, 110));
    return page.Finish();
}

QImage SearchScreen()
{
    TPaintedPage page(Accent, Places::SearchBack);
    QPainter& p = page.painter;
    DrawTitle(p);
    DrawMagnifier(p, QPointF(922, 400), 40);
    return page.Finish();
}

} // namespace SummaryScreensArt

#include "MenusGuidesArt.h"

#include "MenusPlaces.h"
#include "mediakit/ArtKit.h"
#include "mediakit/cast/CastInk.h"
#include "mediakit/cast/CastPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <stdexcept>

namespace MenusGuidesArt {

namespace {

namespace Places = MenusPlaces;
using ArtKit::Transparent;

const QColor MenuFace(0xf4, 0xf2, 0xee);
const QColor MenuSelected(0x0a, 0x24, 0x6a);

QFont MenuFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(14);
    return font;
}

// A drop-down list of a menu bar as the practice windows draw it: light face, raised edge,
// items one under the other; the lit item in the selection colour, items with a submenu
// showing the small arrow. Returns the rectangle of the item at index.
QRectF DrawMenuList(QPainter& painter, QPointF topLeft, double width, const QStringList& items, int lit,
                    const QList<int>& withSubmenu)
{
    const double itemHeight = 24;
    const QRectF box(topLeft, QSizeF(width, items.size() * itemHeight + 6));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 50));
    painter.drawRect(box.translated(3, 3));
    painter.setBrush(MenuFace);
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    painter.drawRect(box);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawLine(box.topLeft() + QPointF(1, 1), box.topRight() + QPointF(-1, 1));
    painter.drawLine(box.topLeft() + QPointF(1, 1), box.bottomLeft() + QPointF(1, -1));
    painter.setFont(MenuFont());
    QRectF litRect;
    for (int i = 0; i < items.size(); ++i) {
        const QRectF item(box.left() + 3, box.top() + 3 + i * itemHeight, width - 6, itemHeight);
        const bool selected = i == lit;
        if (selected) {
            painter.fillRect(item, MenuSelected);
            litRect = item;
        }
        painter.setPen(selected ? Qt::white : Qt::black);
        painter.drawText(item.adjusted(18, 0, -16, 0), Qt::AlignVCenter | Qt::AlignLeft, items[i]);
        if (withSubmenu.contains(i)) {
            painter.setBrush(selected ? QColor(Qt::white) : QColor(Qt::black));
            painter.setPen(Qt::NoPen);
            const QPointF tip(item.right() - 8, item.center().y());
            painter.drawPolygon(QPolygonF({tip, tip + QPointF(-5, -5), tip + QPointF(-5, 5)}));
        }
    }
    return litRect.isNull() ? box : litRect;
}

// A round speech bubble with its tail pointing at the speaker.
void DrawSpeech(QPainter& painter, const QRectF& rect, QPointF tail, const QString& text)
{
    QPainterPath bubble;
    bubble.addRoundedRect(rect, rect.height() / 2, rect.height() / 2);
    QPainterPath point;
    const QPointF base = rect.center() + QPointF(0, rect.height() * 0.3);
    point.moveTo(base + QPointF(-10, 0));
    point.lineTo(tail);
    point.lineTo(base + QPointF(10, 0));
    point.closeSubpath();
    bubble = bubble.united(point);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x30, 0x40, 0x60, 35));
    painter.drawPath(bubble.translated(2, 3));
    CastInk::Flat(painter, bubble, Qt::white, 2.4);
    painter.setFont(ArtKit::LabelFont(20));
    painter.setPen(QColor(0xc0, 0x28, 0x40));
    painter.drawText(rect, Qt::AlignCenter, text);
}

QColor SpotlightColour(TCastMember who)
{
    switch (who) {
    case TCastMember::Odon: return QColor(0xff, 0xe6, 0x9c);
    case TCastMember::Tivadar: return QColor(0xc8, 0xec, 0xb8);
    case TCastMember::Nora: return QColor(0xff, 0xd0, 0xe2);
    default: return QColor(0xc8, 0xe0, 0xff);
    }
}

} // namespace

QImage Found(TCastMember who)
{
    struct TFind {
        int parentItem;
        QStringList names;
        int lit;
    };
    TFind find;
    switch (who) {
    case TCastMember::Nyilacska:
        find = {1, {"Inci", "Finci", "Nyilacska", "Sajtos"}, 2};
        break;
    case TCastMember::Lemezke:
        find = {3, {"Bodri", "Lemezke", "Morzsa", "Rexi"}, 1};
        break;
    case TCastMember::Tarolka:
        find = {5, {QStringLiteral("Cili"), QStringLiteral("Cirmos"), QStringLiteral("Mimi"), QString::fromUtf8("Tárolka")}, 3};
        break;
    default:
        throw std::invalid_argument("only Nyilacska, Lemezke and Tárolka hide in the submenus");
    }
    QImage image = Transparent(Places::Found);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // The menu bar's title, the open menu and the submenu with the guide's name lit up.
    const QRectF title(8, 40, 72, 24);
    painter.fillRect(title, MenuSelected);
    painter.setFont(MenuFont());
    painter.setPen(Qt::white);
    painter.drawText(title, Qt::AlignCenter, QString::fromUtf8("Állatok"));
    const QStringList animals = {"Bogarak", "Egerek", QString::fromUtf8("Gyíkok"), QString::fromUtf8("Kutyák"), "Lovak",
                                 QString::fromUtf8("Macskák")};
    const QRectF parent = DrawMenuList(painter, QPointF(8, 64), 118, animals, find.parentItem, {1, 3, 5});
    const QRectF lit = DrawMenuList(painter, QPointF(parent.right() + 2, parent.top() - 3), 110, find.names, find.lit, {});
    // A pointer on the lit name.
    const QPointF tip(lit.right() - 26, lit.center().y() + 2);
    QPolygonF arrow({tip, tip + QPointF(0, 20), tip + QPointF(5, 15), tip + QPointF(9, 24), tip + QPointF(12, 22),
                     tip + QPointF(8, 14), tip + QPointF(14, 14)});
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(Qt::white);
    painter.drawPolygon(arrow);

    TCastPose pose = TCastPose::Waving(0.25);
    pose.mouth = TCastMouth::Grin;
    pose.tailWag = 0.8;
    const QRectF box(250, 96, 144, 228);
    PaintCastMember(painter, who, pose, box);
    DrawSpeech(painter, QRectF(216, 8, 176, 44), QPointF(318, 74), QString::fromUtf8("Megtaláltál!"));
    for (const QPointF star : {QPointF(238, 110), QPointF(388, 170), QPointF(236, 250), QPointF(92, 262), QPointF(60, 300)})
        ArtKit::DrawStar(painter, star, 9, QColor(0xff, 0xc8, 0x30));
    painter.end();
    return image;
}

QImage Wish(TCastMember who)
{
    QImage image = Transparent(Places::Wish);
    QPainter painter(&image);
    TCastPose pose = who == TCastMember::Lemezke ? TCastPose::Standing() : TCastPose::Waving(0.25);
    pose.mouth = TCastMouth::Grin;
    pose.tailWag = 0.7;
    PaintCastMember(painter, who, pose, QRectF(3, 3, 114, 164));
    painter.end();
    return image;
}

TCastPose PortraitPose()
{
    TCastPose pose = TCastPose::Standing();
    pose.mouth = TCastMouth::Grin;
    return pose;
}

double PortraitScale(TCastMember who)
{
    // Every guide as tall in its panel, with room above for a jump and a somersault.
    return 166 / CastStandingBounds(who).height();
}

QImage PortraitGround(TCastMember who)
{
    QImage image(Places::Portrait, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor spot = SpotlightColour(who);
    QRadialGradient light(QPointF(100, 96), 96);
    light.setColorAt(0, spot.lighter(112));
    light.setColorAt(0.8, spot);
    light.setColorAt(1, QColor(255, 255, 255));
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    painter.drawEllipse(QPointF(100, 96), 96, 96);
    painter.setBrush(QColor(0x50, 0x40, 0x40, 40));
    painter.drawEllipse(QPointF(100, PortraitFeetY), 46, 7);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(CastPictures::PageColour);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(0, 0, 199, 199));
    painter.end();
    return image;
}

QImage Portrait(TCastMember who)
{
    QImage image = PortraitGround(who);
    QPainter painter(&image);
    PaintCastMemberAt(painter, who, PortraitPose(), QPointF(100, PortraitFeetY), PortraitScale(who));
    painter.end();
    return image;
}

} // namespace MenusGuidesArt

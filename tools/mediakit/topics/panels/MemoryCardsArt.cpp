#include "MemoryCardsArt.h"

#include "mediakit/ArtKit.h"
#include "mediakit/cast/Cast.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <functional>
#include <stdexcept>

namespace MemoryCardsArt {

namespace {

// The first six faces are the guides' heads; the others are clip-art things of clearly
// different colours and outlines.
constexpr std::array<TCastMember, 6> Heads{TCastMember::Nora, TCastMember::Tivadar, TCastMember::Odon,
                                           TCastMember::Nyilacska, TCastMember::Tarolka, TCastMember::Lemezke};
using TMotif = std::function<void(QPainter&, const QRectF&)>;

TMotif Clip(const char* file)
{
    return [file](QPainter& p, const QRectF& area) { ArtKit::DrawClipArt(p, QString::fromLatin1(file), area); };
}

void Star(QPainter& p, const QRectF& area)
{
    ArtKit::DrawStar(p, area.center() + QPointF(0, 2), area.height() / 2, QColor(0xff, 0xb8, 0x10));
}

void Heart(QPainter& p, const QRectF& area)
{
    const QPointF c = area.center();
    const qreal r = area.height() / 2;
    QPainterPath heart(QPointF(c.x(), c.y() + r));
    heart.cubicTo(c.x() - r * 1.7, c.y() - r * 0.1, c.x() - r * 0.6, c.y() - r * 1.3, c.x(), c.y() - r * 0.45);
    heart.cubicTo(c.x() + r * 0.6, c.y() - r * 1.3, c.x() + r * 1.7, c.y() - r * 0.1, c.x(), c.y() + r);
    p.setPen(QPen(QColor(0x90, 0x10, 0x60), 2));
    p.setBrush(ArtKit::Downwards(area, QColor(0xff, 0x6a, 0xc0), QColor(0xd0, 0x20, 0x8a)));
    p.drawPath(heart);
}

const TMotif Things[] = {
    Clip("food/fruit/strawberry_simple.svg"),
    Star,
    Clip("food/fruit/grapes_simple.svg"),
    Clip("food/fruit/pear_simple.svg"),
    Clip("recreation/party/balloon-blue-aj.svg"),
    Clip("recreation/toys/beach_ball_01.svg"),
    Heart,
    Clip("food/fruit/watermelon_simple.svg"),
    Clip("animals/bugs/ladybug_01.svg"),
    Clip("animals/bugs/butterfly_jonathan_dietr_01.svg"),
    Clip("animals/fish/pescetto_arancione_archi_01.svg"),
    Clip("recreation/holiday/canada_umbrella_ganson.svg"),
};

} // namespace

QImage Face(int number)
{
    if (number < 1 || number > Count)
        throw std::out_of_range("memory card number");
    QImage image(90, 90, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(image.rect(), QColor(0xff, 0xfd, 0xf6));
    p.setPen(QPen(QColor(0xc8, 0xd0, 0xdc), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(image.rect()).adjusted(1, 1, -1, -1), 8, 8);
    if (number <= int(Heads.size()))
        PaintCastHead(p, Heads[number - 1], TCastPose::Standing(), MotifArea);
    else
        Things[size_t(number) - 1 - Heads.size()](p, MotifArea);
    p.end();
    return image;
}

} // namespace MemoryCardsArt

#include "MemoryCardsArt.h"

#include "mediakit/ArtKit.h"
#include "mediakit/cast/Cast.h"

#include <QPainter>
#include <array>
#include <stdexcept>

namespace MemoryCardsArt {

namespace {

// The first six faces are the guides' heads; the others are clip-art things of clearly
// different colours and outlines.
constexpr std::array<TCastMember, 6> Heads{TCastMember::Nora, TCastMember::Tivadar, TCastMember::Odon,
                                           TCastMember::Nyilacska, TCastMember::Tarolka, TCastMember::Lemezke};
const char* const Things[] = {
    "food/fruit/cartoon_apple_k_yager_01.svg",
    "food/fruit/banana_mateya_01.svg",
    "food/fruit/grapes_simple.svg",
    "food/fruit/pear_simple.svg",
    "recreation/party/balloon-blue-aj.svg",
    "recreation/toys/beach_ball_01.svg",
    "buildings/homes/small_house_01.svg",
    "recreation/holiday/sunshine_matthew_gates_01.svg",
    "animals/bugs/ladybug_01.svg",
    "animals/bugs/butterfly_jonathan_dietr_01.svg",
    "animals/turtle_jurgen_gaeremyn_01.svg",
    "recreation/holiday/canada_umbrella_ganson.svg",
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
        ArtKit::DrawClipArt(p, QString::fromLatin1(Things[number - 1 - Heads.size()]), MotifArea);
    p.end();
    return image;
}

} // namespace MemoryCardsArt

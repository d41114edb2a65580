#include "GameButtonsMedia.h"

#include "mediakit/ArtKit.h"
#include "mediakit/MediaKit.h"
#include "mediakit/MediaProducer.h"

#include <QPainter>

namespace GameButtonsMedia {

namespace {

const QSize ButtonSize(104, 61);

const TMediaProducer gameButtons("mouse-game-buttons", [](TMediaKit& kit) {
    kit.WritePicture("egerezes\\game\\button_exitgame.png", ExitGameButton());
    kit.WritePicture("egerezes\\game\\button_beck.png", BackButton());
});

} // namespace

QImage ExitGameButton()
{
    QImage image = ArtKit::Transparent(ButtonSize);
    QPainter painter(&image);
    const QColor green = ArtKit::Palette::ExitGreen;
    ArtKit::DrawLabelButton(painter, image.rect(),
                            {.label = QStringLiteral("Vége"), .faceTop = QColor(0xf2, 0xff, 0xf4),
                             .faceBottom = QColor(0xbf, 0xec, 0xcb), .accent = green, .lettering = green.darker(190),
                             .sign = [](QPainter& p, const QRectF& disc) {
                                 // An open doorway with an arrow walking out of it.
                                 const qreal u = disc.width() / 10;
                                 const QPointF o = disc.topLeft();
                                 auto at = [&](qreal x, qreal y) { return o + QPointF(x * u, y * u); };
                                 p.setPen(QPen(Qt::white, 0.9 * u, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
                                 p.setBrush(QColor(0xff, 0xf1, 0x9c));
                                 p.drawRect(QRectF(at(2.4, 2.2), at(5.6, 8)));
                                 QPainterPath out(at(4.2, 5.1));
                                 out.lineTo(at(7.2, 5.1));
                                 ArtKit::DrawArrowHeadLine(p, out, at(8.2, 5.1), QPointF(1, 0), 0.8 * u, Qt::white);
                             }});
    painter.end();
    return image;
}

QImage BackButton()
{
    QImage image = ArtKit::Transparent(ButtonSize);
    QPainter painter(&image);
    ArtKit::DrawBackButton(painter, image.rect(), QStringLiteral("Vissza a\nfőoldalra"));
    painter.end();
    return image;
}

} // namespace GameButtonsMedia

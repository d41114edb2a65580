#include "ListsPicturesArt.h"

#include "ListsPlaces.h"
#include "mediakit/ArtKit.h"
#include "mediakit/topics/keyboard/KeyboardArt.h"

#include <QPainter>
#include <QPainterPath>

namespace ListsPicturesArt {

const QColor CtrlRed(0xe0, 0x26, 0x26);

QImage CtrlKeyboard()
{
    const QSize size = ListsPlaces::KeyboardPicture.size();
    QImage page(1024, 768, QImage::Format_ARGB32_Premultiplied);
    page.fill(Qt::transparent);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    KeyboardArt::DrawKeyboard(painter, false);
    for (const char* name : {"Left Ctrl", "Right Ctrl"})
        ArtKit::DrawKey(painter, KeyboardArt::Key(QString::fromLatin1(name)).rect, QStringLiteral("Ctrl"), CtrlRed);
    painter.end();

    // The case's two lower rows from its left edge to the arrows, so the Ctrl keys stay large: no
    // key crosses the gap above the Shift row (the Enter key reaches down into the row above it),
    // so every key shown is whole. Scaled without stretching, centred in the picture.
    const QRect caseRect = KeyboardArt::CaseRect();
    const int top = KeyboardArt::Key(QStringLiteral("Left Shift")).rect.top() - 6;
    const int right = KeyboardArt::Key(QStringLiteral("Right")).rect.right() + 10;
    const QRect cut(caseRect.left(), top, right + 1 - caseRect.left(), caseRect.bottom() + 1 - top);
    const QImage rows = page.copy(cut).scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter centred(&picture);
    centred.drawImage(QPoint((size.width() - rows.width()) / 2, (size.height() - rows.height()) / 2), rows);
    centred.end();
    return picture;
}

QImage StartTitle()
{
    const QSize size = ListsPlaces::ReflexStart.size();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(image.rect()).adjusted(3, 2, -3, -6);
    ArtKit::DrawCard(painter, body, {.radius = 22, .drop = {0, 4}, .shadow = QColor(0, 0, 0, 70),
                                     .fill = ArtKit::Downwards(body, QColor(0xff, 0x8a, 0x5a), QColor(0xd8, 0x2a, 0x2a)),
                                     .edge = QPen(QColor(0x8a, 0x14, 0x14), 2.5), .inset = 1});
    // A shine across the upper half.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 60));
    painter.drawRoundedRect(body.adjusted(10, 5, -10, -body.height() / 2), 14, 14);

    painter.setPen(QColor(0xff, 0xf4, 0xc8));
    painter.setFont(ArtKit::LabelFont(17));
    painter.drawText(body.adjusted(0, 6, 0, 0), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("REFLEXJÁTÉK"));
    QPainterPath start;
    const QFont big = ArtKit::LabelFont(36);
    const QString word = QStringLiteral("START");
    const qreal width = QFontMetricsF(big).horizontalAdvance(word);
    start.addText(QPointF(body.center().x() - width / 2, body.bottom() - 12), big, word);
    painter.setPen(QPen(QColor(0x7a, 0x10, 0x10), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(start);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(start);
    // A play triangle on each side.
    for (const qreal x : {body.left() + 26, body.right() - 26}) {
        QPainterPath play;
        play.moveTo(x - 8, body.bottom() - 40);
        play.lineTo(x + 10, body.bottom() - 28);
        play.lineTo(x - 8, body.bottom() - 16);
        play.closeSubpath();
        painter.setBrush(QColor(0xff, 0xe0, 0x60));
        painter.drawPath(play);
    }
    painter.end();
    return image;
}

} // namespace ListsPicturesArt

#include "CastPictures.h"

#include "Cast.h"
#include "mediakit/ArtKit.h"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <utility>
#include <functional>

namespace {

// Ödön's clips stand at 160 × 320 beside the letter hunt; it plays frames 1 to 24.
const QSize OdonClipSize(160, 320);
const int OdonClipFrames = 24;

using ArtKit::Transparent;

} // namespace

namespace CastPictures {

const QColor PageColour(0xdd, 0xdd, 0xdd);

std::vector<QImage> CastClip(TCastMember who, const std::function<TCastPose(double)>& poseAt, double cycles,
                             QSize size, int frameCount, const QColor& background)
{
    std::vector<TCastPose> poses;
    QRectF covered;
    for (int i = 0; i < frameCount; ++i) {
        poses.push_back(poseAt(cycles * i / (frameCount - 1)));
        covered |= CastFigureBounds(who, poses.back());
    }
    // What all frames cover together is centred, at one scale, so the figure neither breathes
    // nor wanders.
    const double margin = 2;
    const double scale = std::min((size.width() - 2 * margin) / covered.width(),
                                  (size.height() - 2 * margin) / covered.height());
    const QPointF feet(size.width() / 2.0 - covered.center().x() * scale,
                       size.height() - margin - covered.bottom() * scale);
    std::vector<QImage> frames;
    for (const TCastPose& pose : poses) {
        QImage frame(size, QImage::Format_RGB32);
        frame.fill(background);
        QPainter painter(&frame);
        PaintCastMemberAt(painter, who, pose, feet, scale);
        painter.end();
        frames.push_back(frame);
    }
    return frames;
}

QImage Together()
{
    QImage image = Transparent(QSize(430, 321));
    QPainter painter(&image);
    // One scale for everyone keeps their sizes true to each other: Ödön at the back, the
    // children to his right, Nyilacska and Tárolka to his left, Lemezke in front.
    const double scale = 0.655;
    struct TPlace {
        TCastMember who;
        TCastPose pose;
        QPointF feet;
    };
    TCastPose odon = TCastPose::Waving(0.25);
    TCastPose tivadar = TCastPose::ThumbsUp();
    tivadar.mirrored = true;
    TCastPose nora = TCastPose::Waving(0.3);
    // Nyilacska waves with the arm on the group's side, its tip pointing at them.
    TCastPose nyilacska = TCastPose::Waving(0.6);
    std::swap(nyilacska.leftArm, nyilacska.rightArm);
    TCastPose tarolka = TCastPose::Standing();
    tarolka.mouth = TCastMouth::Grin;
    tarolka.lookX = -0.5;
    TCastPose lemezke = TCastPose::Standing();
    lemezke.mouth = TCastMouth::Grin;
    lemezke.tailWag = 0.5;
    const std::vector<TPlace> places = {
        {TCastMember::Odon, odon, {236, 292}},
        {TCastMember::Nyilacska, nyilacska, {322, 300}},
        {TCastMember::Tivadar, tivadar, {69, 318}},
        {TCastMember::Nora, nora, {155, 318}},
        {TCastMember::Tarolka, tarolka, {379, 318}},
        {TCastMember::Lemezke, lemezke, {214, 320}},
    };
    for (const TPlace& place : places)
        PaintCastMemberAt(painter, place.who, place.pose, place.feet, scale);
    painter.end();
    return image;
}

QImage NoraHead()
{
    QImage image = Transparent(QSize(131, 75));
    QPainter painter(&image);
    TCastPose pose = TCastPose::Standing();
    pose.mouth = TCastMouth::Grin;
    pose.headTilt = -4;
    pose.headTurn = 0.15;
    pose.lookX = 0.3;
    PaintCastHead(painter, TCastMember::Nora, pose, QRectF(1, 1, 129, 73));
    painter.end();
    return image;
}

QImage OdonGreeting()
{
    QImage image = Transparent(QSize(234, 261));
    QPainter painter(&image);
    TCastPose pose = TCastPose::Waving(0.25);
    PaintCastMember(painter, TCastMember::Odon, pose, QRectF(2, 2, 230, 257));
    painter.end();
    return image;
}

QImage FramedPortrait(TCastMember who, const TCastPose& pose, const QColor& outside)
{
    QImage image = Transparent(QSize(174, 124));
    image.fill(outside);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(image.rect()).adjusted(2, 2, -2, -2);
    p.setPen(QPen(QColor(0x4a, 0x8f, 0xd8), 2));
    p.setBrush(ArtKit::Downwards(frame, QColor(0xe8, 0xf3, 0xff), QColor(0xff, 0xfb, 0xee)));
    p.drawRoundedRect(frame, 12, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xb8, 0xe0, 0x9a));
    p.drawRoundedRect(QRectF(8, 104, 158, 14), 7, 7);
    PaintCastMember(p, who, pose, QRectF(20, 8, 134, 104));
    p.end();
    return image;
}

QImage Sheet()
{
    struct TColumn {
        QString title;
        TCastPose pose;
    };
    const std::vector<TColumn> columns = {
        {"Standing", TCastPose::Standing()},
        {"Waving", TCastPose::Waving(0.25)},
        {"Nodding", TCastPose::Nodding(0.5)},
        {"ShakingHead", TCastPose::ShakingHead(0.25)},
        {"ShakingHead", TCastPose::ShakingHead(0.75)},
        {"ThumbsUp", TCastPose::ThumbsUp()},
        {"Talking", TCastPose::Talking(0.15)},
        {"Pointing(30)", TCastPose::Pointing(30)},
        {"Pointing(180)", TCastPose::Pointing(180)},
    };
    const int labelWidth = 170;
    const QSize cell(190, 250);
    const int headerHeight = 40;
    const int headRow = 130;
    QImage image(QSize(labelWidth + cell.width() * int(columns.size()),
                       headerHeight + int(AllCastMembers().size()) * (cell.height() + headRow)),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0xfd, 0xf8, 0xee));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font("Liberation Sans");
    font.setPixelSize(16);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0x3b, 0x2c, 0x2e));
    for (size_t c = 0; c < columns.size(); ++c)
        painter.drawText(QRectF(labelWidth + c * cell.width(), 8, cell.width(), 24), Qt::AlignCenter, columns[c].title);
    int top = headerHeight;
    for (TCastMember who : AllCastMembers()) {
        painter.setPen(QColor(0x3b, 0x2c, 0x2e));
        font.setPixelSize(20);
        painter.setFont(font);
        painter.drawText(QRectF(8, top, labelWidth - 16, cell.height()), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap,
                         CastMemberName(who));
        const QSizeF room(cell.width() - 16, cell.height() - 16);
        double scale = 1e9;
        for (const TColumn& column : columns)
            scale = std::min(scale, CastFitScale(who, column.pose, room));
        for (size_t c = 0; c < columns.size(); ++c) {
            const QRectF box(labelWidth + c * cell.width(), top, cell.width(), cell.height());
            painter.setPen(QColor(0xe8, 0xdc, 0xc6));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box.adjusted(2, 2, -2, -2));
            PaintCastMemberAt(painter, who, columns[c].pose, QPointF(box.center().x(), box.bottom() - 10), scale);
        }
        top += cell.height();
        for (size_t c = 0; c < columns.size(); ++c) {
            const QRectF box(labelWidth + c * cell.width(), top, cell.width(), headRow);
            PaintCastHead(painter, who, columns[c].pose, box.adjusted(30, 8, -30, -8));
        }
        top += headRow;
    }
    painter.end();
    return image;
}

std::vector<QImage> OdonNodding()
{
    return CastClip(TCastMember::Odon, TCastPose::Nodding, 2, OdonClipSize, OdonClipFrames);
}

std::vector<QImage> OdonShakingHead()
{
    return CastClip(TCastMember::Odon, TCastPose::ShakingHead, 2, OdonClipSize, OdonClipFrames);
}

std::vector<QImage> OdonWaving()
{
    // In the narrow clip he waves with his hand up beside his head rather than out to the side.
    const auto highWave = [](double phase) {
        TCastPose pose = TCastPose::Waving(phase);
        pose.rightArm.shoulder = 140;
        pose.rightArm.elbow -= 26;
        return pose;
    };
    return CastClip(TCastMember::Odon, highWave, 2, OdonClipSize, OdonClipFrames);
}

QImage ContactSheet(const std::vector<QImage>& frames, int columns)
{
    if (frames.empty())
        return QImage();
    const QSize size = frames.front().size();
    const int rows = (int(frames.size()) + columns - 1) / columns;
    QImage sheet(QSize(columns * (size.width() + 4), rows * (size.height() + 4)), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (size_t i = 0; i < frames.size(); ++i)
        painter.drawImage(QPointF(int(i) % columns * (size.width() + 4) + 2, int(i) / columns * (size.height() + 4) + 2),
                          frames[i]);
    painter.end();
    return sheet;
}

} // namespace CastPictures

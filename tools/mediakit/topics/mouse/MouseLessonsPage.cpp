#include "MouseLessonsPage.h"

#include "mediakit/ArtKit.h"
#include "mediakit/TopicStyle.h"
#include "mediakit/cast/CastPictures.h"

#include <QPainterPath>

namespace {

QImage Base(TMouseLessonsPage::TStyle style)
{
    if (style == TMouseLessonsPage::Lesson)
        return ArtKit::FestivePage(TMouseLessonsPage::Accent());
    QImage image(1024, 768, QImage::Format_RGB32);
    image.fill(QColor(0xdd, 0xdd, 0xdd));
    return image;
}

} // namespace

QColor TMouseLessonsPage::Accent()
{
    return TopicStyle::Accent(QStringLiteral("EGEREZES"));
}

TMouseLessonsPage::TMouseLessonsPage(TStyle style, QRect back)
    : TPaintedPage(Base(style), back)
{
    if (style == Sky) {
        // The backdrop and the sky go on before the antialiased clouds.
        painter.setRenderHint(QPainter::Antialiasing, false);
        ArtKit::DrawPageBackdrop(painter, image.rect(), Accent());
        // A pale blue sky fading into the calm page, lighter than the page grey everywhere.
        QLinearGradient sky(0, 0, 0, 420);
        sky.setColorAt(0, QColor(0xbf, 0xe0, 0xff, 170));
        sky.setColorAt(1, QColor(0xbf, 0xe0, 0xff, 0));
        painter.fillRect(QRect(0, 0, 1024, 420), sky);
        painter.setRenderHint(QPainter::Antialiasing);
        DrawClouds(QRect(0, 10, 1024, 60));
    }
}

void TMouseLessonsPage::DrawClipStage(QRect clip)
{
    ArtKit::DrawCard(painter, QRectF(clip).adjusted(-6, -6, 6, 6),
                     {.radius = 18, .drop = {0, 3}, .shadow = QColor(0, 0, 0, 30), .fill = CastPictures::PageColour,
                      .edge = QPen(Accent().lighter(140), 2)});
}

void TMouseLessonsPage::DrawClouds(QRect band)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 220));
    const int count = band.width() / 260 + 1;
    for (int i = 0; i < count; ++i) {
        const QPointF c(band.left() + 120 + i * 260 + (i % 2) * 40, band.top() + 26 + (i % 2) * 18);
        painter.drawEllipse(c, 46, 20);
        painter.drawEllipse(c + QPointF(-34, 6), 30, 16);
        painter.drawEllipse(c + QPointF(30, 4), 34, 18);
        painter.drawEllipse(c + QPointF(0, -12), 28, 18);
    }
    painter.restore();
}

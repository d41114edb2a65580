#include "PaintedPage.h"

#include "ArtKit.h"

TPaintedPage::TPaintedPage(QImage base, QRect backArea)
    : image(std::move(base))
    , painter(&image)
    , backArea_(backArea)
{
    painter.setRenderHint(QPainter::Antialiasing);
}

TPaintedPage::TPaintedPage(QColor accent, QRect backArea)
    : TPaintedPage(ArtKit::FestivePage(accent), backArea)
{
}

QImage TPaintedPage::Finish()
{
    if (!backArea_.isNull())
        ArtKit::DrawBackButton(painter, backArea_);
    painter.end();
    return image;
}

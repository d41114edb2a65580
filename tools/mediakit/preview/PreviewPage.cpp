#include "PreviewPage.h"

#include "PreviewPaint.h"

TPreviewPage::TPreviewPage(const QImage& background)
    : image(background)
    , painter(&image)
{
}

void TPreviewPage::Text(QRect rect, const QString& text, int pixelSize, QColor colour, int flags)
{
    PreviewPaint::Text(painter, rect, text, pixelSize, colour, flags);
}

QImage TPreviewPage::Done()
{
    painter.end();
    return image;
}

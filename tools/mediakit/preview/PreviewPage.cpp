#include "PreviewPage.h"

TPreviewPage::TPreviewPage(const QImage& background)
    : image(background)
    , painter(&image)
{
}

void TPreviewPage::Text(QRect rect, const QString& text, int pixelSize, QColor colour, int flags)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(rect, flags, text);
}

QImage TPreviewPage::Done()
{
    painter.end();
    return image;
}

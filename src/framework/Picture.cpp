#include "Picture.h"

QColor TPicture::AutoTransparentColor() const
{
    if (image.isNull())
        return QColor();
    return QColor(image.pixel(0, image.height() - 1)).toRgb();
}

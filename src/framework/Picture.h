#pragma once

#include <QColor>
#include <QImage>

enum class TPictureKind { None, Bitmap, Jpeg, Png };

// What a picture control holds. Bitmaps are QImage::Format_RGB888 or Format_RGB32, JPEG pictures
// Format_RGB32 and PNG pictures Format_ARGB32 (not premultiplied).
// A bitmap may have a transparent colour: its pixels of that colour are see-through when painted.
class TPicture {
public:
    TPictureKind kind = TPictureKind::None;
    QImage image;
    bool transparent = false;
    QColor transparentColor;

    bool Empty() const { return kind == TPictureKind::None || image.isNull(); }
    int Width() const { return image.width(); }
    int Height() const { return image.height(); }

    // The colour a bitmap made see-through without naming one uses: its bottom-left pixel.
    QColor AutoTransparentColor() const;
    // True when painting must key out the transparent colour.
    bool KeysColour() const { return kind == TPictureKind::Bitmap && transparent && transparentColor.isValid(); }
};

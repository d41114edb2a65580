#pragma once

#include <QImage>
#include <QRect>

// Measures for the kit's page pictures: how well the pages' text colours read on them.
namespace PictureChecks {

// The contrast ratio of two colours by their relative luminance: 1 (the same) .. 21.
double Contrast(QRgb a, QRgb b);
// The weakest contrast a text colour gets anywhere in rect.
double LeastContrast(const QImage& picture, QRect rect, QRgb text);

} // namespace PictureChecks

#pragma once

#include <QImage>
#include <QRect>

// Measures for the kit's page pictures: how well the pages' text colours read on them, and
// whether painted buttons lie under their click areas.
namespace PictureChecks {

// The contrast ratio of two colours by their relative luminance: 1 (the same) .. 21.
double Contrast(QRgb a, QRgb b);
// The weakest contrast a text colour gets anywhere in rect.
double LeastContrast(const QImage& picture, QRect rect, QRgb text);
// The pixels of a strongly coloured hue (hueFrom .. hueTo) found near an area (margin pixels
// around it) all lie inside it and span most of it: a painted button under its click area.
void ExpectPaintedUnder(const QImage& page, QRect area, int hueFrom, int hueTo, const char* what, int margin = 30);

} // namespace PictureChecks

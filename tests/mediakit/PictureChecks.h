#pragma once

#include <QImage>
#include <QRect>

#include <functional>

class QColor;

// Measures for the kit's page pictures: how well the pages' text colours read on them, and
// whether painted buttons lie under their click areas.
namespace PictureChecks {

// The contrast ratio of two colours by their relative luminance: 1 (the same) .. 21.
double Contrast(QRgb a, QRgb b);
// The weakest contrast a text colour gets anywhere in rect.
double LeastContrast(const QImage& picture, QRect rect, QRgb text);
// How many pixels of rect (within the picture) the test picks out.
int Count(const QImage& picture, QRect rect, const std::function<bool(const QColor&)>& wanted);
// The bounding box of the pixels of rect (within the picture) the test picks out; empty when none.
QRect Area(const QImage& picture, QRect rect, const std::function<bool(const QColor&)>& wanted);
// The bounding box of the strongly coloured pixels of a hue band (degrees, inclusive) inside rect.
QRect HueArea(const QImage& picture, QRect rect, int hueFrom, int hueTo);
// A painted button under a page's click area: the pixels of its hue found near the area (margin
// pixels around it) all lie inside it and span most of it.
void ExpectPaintedUnder(const QImage& page, QRect area, int hueFrom, int hueTo, const char* what, int margin = 30);

} // namespace PictureChecks

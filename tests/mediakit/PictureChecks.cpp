#include "PictureChecks.h"

#include <QColor>
#include <algorithm>
#include <gtest/gtest.h>
#include <cmath>

namespace PictureChecks {
namespace {

double Luminance(QRgb c)
{
    auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

} // namespace

double Contrast(QRgb a, QRgb b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double LeastContrast(const QImage& picture, QRect rect, QRgb text)
{
    double least = 21;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            least = std::min(least, Contrast(picture.pixel(x, y), text));
    return least;
}

int Count(const QImage& picture, QRect rect, const std::function<bool(const QColor&)>& wanted)
{
    int count = 0;
    rect &= picture.rect();
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += wanted(QColor::fromRgba(picture.pixel(x, y)));
    return count;
}

QRect Area(const QImage& picture, QRect rect, const std::function<bool(const QColor&)>& wanted)
{
    QRect found;
    rect &= picture.rect();
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (wanted(QColor::fromRgba(picture.pixel(x, y))))
                found |= QRect(x, y, 1, 1);
    return found;
}

QRect HueArea(const QImage& picture, QRect rect, int hueFrom, int hueTo)
{
    return Area(picture, rect, [&](const QColor& c) {
        return c.alpha() > 200 && c.hsvSaturation() > 110 && c.value() > 90 && c.hsvHue() >= hueFrom &&
               c.hsvHue() <= hueTo;
    });
}

void ExpectPaintedUnder(const QImage& page, QRect area, int hueFrom, int hueTo, const char* what, int margin)
{
    SCOPED_TRACE(what);
    const QRect found = HueArea(page, area.adjusted(-margin, -margin, margin, margin), hueFrom, hueTo);
    ASSERT_FALSE(found.isEmpty());
    EXPECT_TRUE(area.contains(found)) << found.x() << "," << found.y() << " " << found.width() << "x" << found.height();
    EXPECT_GE(found.width(), area.width() * 9 / 10);
    EXPECT_GE(found.height(), area.height() * 8 / 10);
}

} // namespace PictureChecks

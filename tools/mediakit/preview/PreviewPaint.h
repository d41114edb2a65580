#pragma once

#include <QImage>
#include <QPoint>

// Small drawing steps the preview programs share when they put pictures where the pages show them.
namespace PreviewPaint {

// The page with the picture drawn over it at the point.
QImage Over(const QImage& page, const QImage& picture, QPoint at);

// A clip frame as the player shows it see-through: the colour of its top-left pixel lets the page
// show.
QImage SeeThrough(const QImage& frame);

} // namespace PreviewPaint

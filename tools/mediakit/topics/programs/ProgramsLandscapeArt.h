#pragma once

#include <QImage>

// "prg\hatter.jpg", 1024 × 768: the photo among the desktop backgrounds, a mountain lake at
// midday. Snowy peaks in the haze, dark pine woods on the far shore mirrored in the water, a
// flowery meadow in front that the lens leaves soft at the bottom, a birch at the right and the
// darker corners of a camera. The icons' column is calm sky; the task bar's strip the soft meadow.
namespace ProgramsLandscapeArt {

QImage Landscape();

} // namespace ProgramsLandscapeArt

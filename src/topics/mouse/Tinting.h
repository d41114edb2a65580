#pragma once

#include <QColor>
#include <QImage>

// Colouring a picture by its shading: where the shading is fully transparent the picture takes the
// pure colour, where it is opaque it lies halfway between the colour and the shading's own pixel.
// Pixels transparent in the picture stay as they are; the result depends on the shading and the
// colour only, so colouring again replaces the colour before.
namespace Tinting {

// picture and shading: ARGB32 of the same size.
QImage Tint(const QImage& picture, const QImage& shading, const QColor& colour);

} // namespace Tinting

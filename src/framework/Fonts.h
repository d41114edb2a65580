#pragma once

#include <QFont>
#include <QString>

// Fonts are sized in pixels so that text layouts do not depend on the screen's DPI.
// A point size means points at 96 pixels per inch.
QFont PointFont(const QString& family, int points, bool bold = false);
QFont PixelFont(const QString& family, int pixels, bool bold = false);

// A font given in points becomes the same font in pixels (96 per inch); pixel fonts stay.
QFont InPixels(const QFont& font);

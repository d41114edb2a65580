#pragma once

#include <QColor>

// Colours are given the way the course's designs give them: 0x00BBGGRR, so 0xFF0000 is pure blue.
QColor DelphiColor(quint32 bgr);

// The inverse: red + 256 * green + 65536 * blue.
quint32 PackedColor(const QColor& colour);

// Page background, and the see-through colour of text layers.
inline constexpr quint32 PageColour = 0xDDDDDD;

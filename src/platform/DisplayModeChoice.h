#pragma once

#include "DisplayModes.h"

#include <QString>
#include <optional>

namespace DisplayModeChoice {

inline const QString UnsuitableText = QStringLiteral("A képernyő felbontása nem megfelelő a program futtatásához!");

// The best mode of the given size: the highest depth (at least 16 bits) and the highest refresh
// rate (at least 60 Hz) among the accepted modes; nothing when no mode qualifies.
std::optional<TDisplayMode> Choose(const IDisplayModes& modes, int width, int height);

// Chooses and applies; raises the display error when nothing qualifies.
void SetDisplayMode(IDisplayModes& modes, int width, int height);

} // namespace DisplayModeChoice

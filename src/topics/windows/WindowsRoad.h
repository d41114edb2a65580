#pragma once

#include "framework/RoadAction.h"

#include <QString>

// The windows topic's road: five pages in a row, the closing evaluation, then the chooser.
namespace WindowsRoad {

enum class TPage { None, Intro, Kezel, Meret, Munkater, Masol, Ertekeles };

using TAction = TRoadAction<TPage>;

// pageName is the notifying page's name upper-cased.
TAction Next(const QString& pageName);

QString ClosingText();

} // namespace WindowsRoad

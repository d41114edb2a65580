#pragma once

#include "framework/RoadAction.h"

#include <QString>

// The programs topic's road: the imitated desktop, then the course's closing words, then the
// chooser.
namespace ProgramsRoad {

enum class TPage { None, Kezel, Ertekeles };

using TAction = TRoadAction<TPage>;

inline const QString Finito = QStringLiteral("FINITO");

// pageName is the notifying page's name upper-cased; stepReady the word taken from the board
// ("NOTHING" when none).
TAction Next(const QString& pageName, const QString& stepReady);

QString ClosingText();

} // namespace ProgramsRoad

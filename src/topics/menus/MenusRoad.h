#pragma once

#include "framework/RoadAction.h"

#include <QString>

// The menus topic's road: eight lessons in a row, then sentence games, each followed by its
// evaluation, until a replay is ended by its exit picture; the closing text, then the chooser.
namespace MenusRoad {

enum class TPage { None, Menu, Kedvenc, Asztalka, Torna, AlMenu, Almenu2, PopUp, PopUp2, Mondat, Ertekeles };

using TAction = TRoadAction<TPage>;

// The "STEP_READY" words the module leaves for the evaluation page's return.
inline const QString AnotherGame = QStringLiteral("MENUMONDATMFORM");
inline const QString Finito = QStringLiteral("FINITO");

// pageName is the notifying page's name upper-cased; stepReady the word taken from the board
// ("NOTHING" when none); endGame whether "END_GAME" is on the board.
TAction Next(const QString& pageName, const QString& stepReady, bool endGame);

QString ClosingText();

} // namespace MenusRoad

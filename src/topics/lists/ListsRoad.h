#pragma once

#include "framework/RoadAction.h"

#include <QString>

// The list box topic's road: from the page that notified, the "STEP_READY" text and the
// "ACTION" text, what the module does next. Five lessons, the ly/j birds page twice (Shift, then
// Ctrl, on one page object), the reflex game and its evaluation, the editable list, the combo
// boxes and the closing evaluation.
namespace ListsRoad {

enum class TPage {
    None,
    Mindenki,
    Kajak,
    Szulinap,
    TV,
    MertekCsop,
    LyJ,
    ReflexJatek,
    EditableLB,
    Combo,
    Ertekeles,
};

using TMove = TRoadMove;
using TAction = TRoadAction<TPage>;

inline const QString Shift = QStringLiteral("SHIFT");
inline const QString Ctrl = QStringLiteral("CTRL");
inline const QString ReflexJatek = QStringLiteral("REFLEXJATEK");
inline const QString Finito = QStringLiteral("FINITO");
inline const QString NextForm = QStringLiteral("NEXTFORM");

// pageName is upper-cased; stepReady is the text read from the board ("NOTHING" when absent),
// action the "ACTION" text (empty when absent).
TAction Next(const QString& pageName, const QString& stepReady, const QString& action);

QString ClosingText();

} // namespace ListsRoad

#pragma once

#include "framework/RoadAction.h"

#include <QString>

// The buttons topic's road: from the page that notified and the "STEP_READY" text, what the
// module does next. The seven lessons, the puzzle, the English words and the quiz, its
// evaluation, the puzzle once more and the closing evaluation.
namespace ButtonsRoad {

enum class TPage {
    None,
    GombGomb,
    Sokfalyta,
    Fokuszos,
    Tabulator,
    Inaktiv,
    Accelerated,
    Eszkoztarak,
    Kirako,
    Angol,
    Kerdesek,
    Ertekeles,
};

using TMove = TRoadMove;
using TAction = TRoadAction<TPage>;

inline const QString Finished = QStringLiteral("FINISHED");

// pageName is upper-cased; stepReady is the text read from the board, "NOTHING" when absent.
TAction Next(const QString& pageName, const QString& stepReady);

// The evaluation text at the end of the topic.
QString ClosingText(const QString& name);

} // namespace ButtonsRoad

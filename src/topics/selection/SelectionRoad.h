#pragma once

#include "framework/RoadAction.h"

#include <QString>

// The selection topic's road: from the page that notified, the "STEP_READY" text and "ACTION",
// what the module does next. The radio pages and their quiz, the check box pages and theirs,
// the spin edits, track bars and progress bars, then cannon games until the end picture.
namespace SelectionRoad {

enum class TPage {
    None,
    RdBtn,
    RdCsop,
    MemIntro,
    MemRdQuiz,
    ChkBox,
    ChkBox2,
    ChkBoxQuiz,
    SpinEdit1,
    SpinEdit2,
    TreckBar,
    ProgressBar,
    Agyuzas,
    Ertekeles,
};

using TMove = TRoadMove;
using TAction = TRoadAction<TPage>;

inline const QString RdButton = QStringLiteral("RDBUTTON");
inline const QString ChkBox = QStringLiteral("CHKBOX");
inline const QString Agyuzas = QStringLiteral("AGYUZAS");
inline const QString Finito = QStringLiteral("FINITO");
inline const QString NextForm = QStringLiteral("NEXTFORM");

// pageName is upper-cased; stepReady is the text read from the board, "NOTHING" when absent;
// action is the text under "ACTION", empty when absent.
TAction Next(const QString& pageName, const QString& stepReady, const QString& action);

// The evaluation text at the end of the topic.
QString ClosingText();

} // namespace SelectionRoad

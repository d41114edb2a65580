#pragma once

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

enum class TMove {
    SwitchTo,     // a new page of `page`
    ReturnToMain, // the topic is over: back to the chooser
    Unknown,      // a page, or a page and step, the topic does not know
};

struct TAction {
    TMove move = TMove::Unknown;
    TPage page = TPage::None;
    bool finished = false; // "STEP_READY" = "FINISHED" is stored before the page is shown
    bool closing = false;  // the closing text goes under "ERTEKEL"
};

inline const QString Finished = QStringLiteral("FINISHED");

// pageName is upper-cased; stepReady is the text read from the board, "NOTHING" when absent.
TAction Next(const QString& pageName, const QString& stepReady);

// The evaluation text at the end of the topic.
QString ClosingText(const QString& name);

} // namespace ButtonsRoad

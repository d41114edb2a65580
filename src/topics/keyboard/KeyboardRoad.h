#pragma once

#include <QString>
#include <optional>

// The keyboard topic's road: from the page that notified and the "STEP_READY" text, what the
// module does next.
namespace KeyboardRoad {

enum class TPage { None, OsztalyBe, Billentyuzet, Betuvadaszat, Szogepeles, Ertekeles, BillInfo };

enum class TMove {
    Nothing,   // the page stays as it is
    ShowAgain, // the current page is shown once more for the new step
    SwitchTo,  // a new page of `page`
    Unknown,   // a page the topic does not know
};

struct TAction {
    TMove move = TMove::Nothing;
    TPage page = TPage::None;
    QString step;                 // stored under "STEP" before showing; empty stores nothing
    bool removeStepReady = false; // "STEP_READY" is used up
    bool closing = false;         // the topic ends: closing text, then back to the chooser
};

// pageName is upper-cased; stepReady is absent when the key is not on the board.
TAction Next(const QString& pageName, const std::optional<QString>& stepReady);

// The evaluation text at the end of the topic.
QString ClosingText();

} // namespace KeyboardRoad

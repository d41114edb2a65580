#pragma once

#include <QString>
#include <optional>

// The mouse topic's road: from the page that notified and what the board holds, what the module
// does next. Five lessons, the four games in rounds with their evaluations, the drag pages, the
// colouring, two information pages, the closing evaluation and the game chooser, from which the
// games are played again and lead back to it.
namespace MouseRoad {

enum class TPage {
    None,
    Egerek,
    EgerTipus,
    EgerKurzor,
    EgerKattInfo,
    EgerKattint,
    Lepkevadasz,
    EgerBallJobb,
    Egervadaszat,
    DuplaKatt,
    EgerLufipukk,
    EgerDragDrop,
    EgerAHazbaBe,
    EgerBasketBall,
    EgerSzinezoInfo,
    EgerNoraSzinez,
    EgerSzabalyok,
    EgerEgerfajtak,
    EgerJatekvalasztas,
    Ertekeles,
};

enum class TMove {
    SwitchTo, // a new page of `page`, the board changed as the action says
    Stay,     // the page stays and nothing changes
    NoChoice, // the game chooser notified without a game chosen: a programming error
    Unknown,  // a page the topic does not know
};

// What the board holds when a page notifies.
struct TBoard {
    QString stepReady = QStringLiteral("NOTHING"); // read and removed by every Notify
    QString action;                                // "ACTION"; empty when absent
    bool round = false;                            // "ROUND" is on the board
    std::optional<QString> choice;                 // "JATEKVALASZT"
};

struct TAction {
    TMove move = TMove::Unknown;
    TPage page = TPage::None;
    QString step;            // stored under "STEP"; empty: nothing
    QString action;          // stored under "ACTION"; empty: nothing
    QString stepReady;       // stored under "STEP_READY"; empty: nothing
    bool removeStep = false;
    bool removeAction = false;
    bool removeChoice = false; // a game chosen from the chooser is over: back to the chooser
    bool closing = false;      // the closing text goes under "ERTEKEL"
};

inline const QString Lepkevadasz = QStringLiteral("LEPKEVADASZ");
inline const QString Start = QStringLiteral("START");
inline const QString LepkevadaszContinue = QStringLiteral("LEPKEVADASZ_CONTINUE");
inline const QString Result = QStringLiteral("RESULT");
inline const QString NextForm = QStringLiteral("NEXTFORM");
inline const QString Auto = QStringLiteral("AUTO");
inline const QString Ruha = QStringLiteral("RUHA");

// pageName is upper-cased.
TAction Next(const QString& pageName, const TBoard& board);

QString ClosingText(const QString& userName);

} // namespace MouseRoad

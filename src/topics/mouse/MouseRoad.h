#pragma once

#include "framework/RoadAction.h"

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

// What the board holds when a page notifies.
struct TBoard {
    QString stepReady = QStringLiteral("NOTHING"); // read and removed by every Notify
    QString action;                                // "ACTION"; empty when absent
    bool round = false;                            // "ROUND" is on the board
    std::optional<QString> choice;                 // "JATEKVALASZT"
};

// The shared answer, and what only this topic's road says.
struct TAction : TRoadAction<TPage> {
    bool stay = false;         // the page stays and nothing changes
    bool noChoice = false;     // the game chooser notified without a game chosen: a programming error
    bool removeStep = false;
    bool removeChoice = false; // a game chosen from the chooser is over: back to the chooser
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

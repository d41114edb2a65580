#pragma once

#include "framework/RoadAction.h"

#include <QString>

// The summary topic's road: a review page per topic with the letter hunt, basketball and the
// cannon game between them, each game repeated after its evaluation until left by its own "next"
// control, the menu search, the closing words, then the chooser.
namespace SummaryRoad {

enum class TPage {
    None,
    Bill,
    Bill2,
    Eger,
    BasketBall,
    Gomb,
    Gomb2,
    Jelol,
    Agyuzas,
    List,
    Panel,
    Panel2,
    Menu,
    Ertekeles,
};

using TAction = TRoadAction<TPage>;

inline const QString NextForm = QStringLiteral("NEXTFORM");
inline const QString Hunt = QStringLiteral("OSSZEFOGLAL_BILL");
inline const QString BasketBall = QStringLiteral("EGERBASKETBALLFORM");
inline const QString Agyuzas = QStringLiteral("AGYUZAS");
inline const QString MenuSearch = QStringLiteral("OSSZEFOGLALMENU");
inline const QString Finito = QStringLiteral("FINITO");

// pageName: the notifying page's name upper-cased; stepReady: the word taken from the board
// ("NOTHING" when none); action: the "ACTION" text (empty when none).
TAction Next(const QString& pageName, const QString& stepReady, const QString& action);

QString ClosingText();

} // namespace SummaryRoad

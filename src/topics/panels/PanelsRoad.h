#pragma once

#include "framework/RoadAction.h"

#include <QString>

// The panels topic's road: from the page that notified (and whether "ACTION" holds the text
// "NEXTFORM"), what the module does next. Operating system, panels race, car trip, memory game,
// bookmarks, tabbed panel, exam introduction, exam, evaluation, the memory game once more, home.
namespace PanelsRoad {

enum class TPage {
    None,
    Nyomtat,
    Panel,
    Autos,
    MemJatek,
    KonyvJelz,
    FulesPanel,
    MiniVizsgaIntro,
    MiniVizsga,
    Ertekeles,
};

using TAction = TRoadAction<TPage>;

inline const QString NextForm = QStringLiteral("NEXTFORM");

// pageName is upper-cased; nextForm: "ACTION" is a text and reads "NEXTFORM".
TAction Next(const QString& pageName, bool nextForm);

} // namespace PanelsRoad

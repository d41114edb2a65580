#pragma once

#include "framework/BackAreas.h"

#include <QRect>

// Where the panels topic's pages put their panels, pictures and clips, in page coordinates; the
// backgrounds keep these places calm and draw their scenery around them.
namespace PanelsPlaces {

// Every page: the back area over the painted back sign.
inline const QRect BackArea = BackAreas::Usual;

// The lesson pages' message panels.
inline const QRect NyomtatPanel(192, 200, 513, 185);
inline const QRect PanelPanel(216, 584, 489, 169);
inline const QRect KonyvJelzPanel(176, 560, 577, 161);
inline const QRect IntroPanel(216, 570, 489, 169);

// The race: both runners start at the lane's left end and run off the page on the right.
inline const QRect RaceStart(8, 448, 119, 119);

// The car trip: the sign slides in from the left until it meets the car; the settings panel and
// the tabbed panel (which shares this background) stand over the middle of the landscape.
inline const QRect Sign(240, 400, 297, 313);
inline const QRect CarClip(535, 550, 320, 147);
inline const QRect SettingsPanel(168, 202, 593, 535);
inline const QRect TabbedPanel(216, 210, 545, 439);

// The memory game: the blue clock, the 6 × 6 cards (90 px, 94 px pitch), the exit sign picture.
inline const QRect MemoryClock(432, 112, 130, 60);
inline const QRect MemoryGrid(196, 196, 5 * 94 + 90, 5 * 94 + 90);
inline const QRect ExitGame(888, 576, 104, 61);

// The exam's dialog panel.
inline const QRect ExamPanel(136, 202, 649, 535);

} // namespace PanelsPlaces

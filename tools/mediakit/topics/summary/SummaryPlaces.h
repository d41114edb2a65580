#pragma once

#include "framework/BackAreas.h"

#include <QRect>
#include <QSize>

// Where the summary topic's pages put their tables, controls, pictures and clips, in page
// coordinates; the three backgrounds keep these places plain and draw their few ornaments beside
// them.
namespace SummaryPlaces {

// The keyboard review: its to-menu area, the room of its two-column table, its "Tovább" button.
inline const QRect ReviewBack = BackAreas::Usual;
inline const QRect ReviewTable(40, 100, 820, 600);
inline const QRect ReviewNext(384, 728, 75, 25);

// The six pages on the shared background: their back area, the room of their tables and
// controls, and the matching game's Ödön clip on the right.
inline const QRect SharedBack = BackAreas::Keyboard;
inline const QRect SharedRoom(40, 80, 820, 660);
inline const QRect OdonClip(862, 106, 160, 320);

// The detective's dialog window and the menu search's practice window with its clock labels.
inline const QRect SearchBack = BackAreas::Keyboard;
inline const QRect DetectiveDialog(200, 100, 600, 500);
inline const QRect PracticeWindow(100, 120, 740, 635);
inline const QRect Clock(872, 192, 137, 73);

// Where the pages show the pictures: the matching game's two portraits, the panel review's board.
inline const QPoint TivadarPortrait(168, 360);
inline const QPoint NoraPortrait(544, 360);
inline const QPoint Board(280, 96);

// Picture sizes.
inline const QSize Page(1024, 768);
inline const QSize Portrait(174, 124);
inline const QSize BoardPicture(284, 340);
inline const QSize Icon(16, 16);

} // namespace SummaryPlaces

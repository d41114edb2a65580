#pragma once

#include <QImage>

// The summary topic's three page backgrounds, 1024 × 768, on the course's festive page in the
// topic's colour. The rooms the pages fill with tables, controls and windows (SummaryPlaces) are
// plain light page; the ornaments keep to the right-hand column, and the back sign lies under
// each page's back area.
namespace SummaryScreensArt {

// "osszefoglal\OsszeFoglBillForm.jpg": the keyboard review, headed "Összefoglalás", the topic's
// golden cup and a few tumbling keys in the right-hand column, the back sign under the to-menu
// area.
QImage ReviewScreen();
// "osszefoglal\OsszeFoglEgerForm.jpg": shared by six pages; only the cup low in the right-hand
// column, under the matching game's clip, and the back sign.
QImage SharedScreen();
// "osszefoglal\OsszeFoglForm.jpg": the detective's and the menu search's page, headed
// "Összefoglalás", a magnifying glass in the right-hand column below the clock, the back sign.
QImage SearchScreen();

} // namespace SummaryScreensArt

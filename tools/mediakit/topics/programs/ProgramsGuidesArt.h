#pragma once

#include <QImage>

// The cast in the programs topic's pictures, on see-through ground over the desktop.
namespace ProgramsGuidesArt {

// "prg\k_a.png", 333 × 405: Pixeles Tivadar at his desk, one hand on the keyboard and one on the
// mouse, smiling at the monitor beside him, which shows a little desktop of its own.
QImage Desk();

// "prg\haz_5_szinttel.png", 581 × 587: a five-storey house, the whole cast waving from its
// windows. The door stands in the middle of the ground floor, above the spot where the page puts
// its "OK" button.
QImage House();

} // namespace ProgramsGuidesArt

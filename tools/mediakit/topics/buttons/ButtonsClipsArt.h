#pragma once

#include <QImage>
#include <vector>

// The buttons topic's clips, on the page colour the clip player makes see-through. Every clip
// runs over whole cycles, so played twice or looping it never jumps.
namespace ButtonsClipsArt {

inline constexpr int Rate = 12; // frames per second of every clip here

// The shapes page's clips, 240 × 320: Kábel Ödön bowing ("03_gomb_fajtak_meghajlas.avi"),
// Tárolka squatting ("_gugolas"), Digit Nóra spinning round ("_forgas"), Nyilacska waving
// ("_integetes") and Pixeles Tivadar turning a cartwheel ("_cigany").
std::vector<QImage> Bowing();
std::vector<QImage> Squatting();
std::vector<QImage> Spinning();
std::vector<QImage> Waving();
std::vector<QImage> Cartwheel();

// "fokuszalas.avi", 190 × 220: Nyilacska presses a button that wears the dotted focus frame.
std::vector<QImage> FocusPress();
// "06_aktiv_inaktiv_bal.avi" and "_jobb.avi", 138 × 79: Nóra's head nodding wide awake over the
// active button, and the same head grey and asleep over the inactive one.
std::vector<QImage> ActiveHead();
std::vector<QImage> InactiveHead();
// "gombok/08_kirakos.avi", 190 × 220: Tivadar jumping for joy over the solved puzzle.
std::vector<QImage> PuzzleSolved();

} // namespace ButtonsClipsArt

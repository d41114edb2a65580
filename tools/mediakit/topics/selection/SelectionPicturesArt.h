#pragma once

#include <QImage>
#include <vector>

// The selection topic's smaller pictures, transparent around what they show, and its clip.
namespace SelectionPicturesArt {

QImage SpinTivadar(bool happy); // "JelSpinEdit1Form_tivadar_heppy/_unheppy.png", 219 × 408
QImage SpinNora(bool happy);    // "JelSpinEdit2Form_nora_heppy/_unheppy.png", 316 × 377
// "tivadar_0…4.png", 200 × 240: Tivadar turning his cap, the peak from the front (0) round to
// the back (4).
QImage Hat(int step);
// "virag_0…4.png", 220 × 300: Nóra's flowers in their pot, asleep and closed (0) to wide open
// and smiling (4).
QImage Flowers(int step);
// The racers, running right or back to the left: "JelProgressBarForm_tivadar(_vissza).png",
// 104 × 113, and Nyilacska in "_eger(_vissza).png", 84 × 118.
QImage RacingTivadar(bool back);
QImage RacingNyilacska(bool back);
// The round pictures of the radio button look-alikes, 32 × 32.
QImage RadioOn();
QImage RadioOff();

// "radiogomb_ket_fele.avi", 320 × 240 on the page grey: on the left the radio pair's dot jumps
// from one choice to the other, on the right the two check boxes are ticked one after the other.
inline constexpr int ClipRate = 6;
std::vector<QImage> RadioAndCheckBoxClip();

} // namespace SelectionPicturesArt

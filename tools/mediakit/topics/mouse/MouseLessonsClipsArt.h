#pragma once

#include <QImage>
#include <vector>

// The mouse lessons' clips on the page colour (the clip player's see-through colour), at Rate
// frames per second. Each lasts less than the timer of the page that replays it.
namespace MouseLessonsClipsArt {

inline constexpr int Rate = 12;
// "04_kattintas_fogalma.avi", 232 × 160, 16 frames (1.33 s, replayed every 1.5 s): a hand on
// the mouse lifts its forefinger and clicks the left button — "Klikk!".
inline constexpr int ClickFrames = 16;
std::vector<QImage> ClickClip();
// "EgerDragDropForm_dd.avi", 320 × 240, 22 frames (1.83 s, replayed every 2 s): the pointer
// grabs an apple with the left button held, carries it over and drops it into a basket.
inline constexpr int DragFrames = 22;
std::vector<QImage> DragClip();

} // namespace MouseLessonsClipsArt

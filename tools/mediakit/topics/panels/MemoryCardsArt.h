#pragma once

#include <QImage>
#include <QRect>

// The memory game's 18 card faces, "panel\1.png" … "panel\18.png", 90 × 90 each: a light face
// with one motif. The card's title strip covers the face's top rows, so every motif keeps to
// MotifArea; no two share a motif or its main colour and shape.
namespace MemoryCardsArt {

inline constexpr int Count = 18;
inline const QRect MotifArea(8, 12, 74, 62);

QImage Face(int number); // 1 … 18

} // namespace MemoryCardsArt

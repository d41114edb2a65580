#pragma once

#include <QImage>

// The picture puzzle's two pictures and the thumbnails the learner chooses them by. Each picture
// is busy all over, so that every one of its nine 85 px pieces shows something of its own.
namespace PuzzleArt {

// 255 × 255, 24 bits per pixel: "_nagy1.bmp" (Nóra and Lemezke in the garden) and "_nagy2.bmp"
// (Tivadar seeing off the little train under balloons). n is 1 or 2.
QImage Picture(int n);
// 127 × 127: "_valaszt1.png" and "_valaszt2.png", the picture framed.
QImage Thumbnail(int n);

} // namespace PuzzleArt

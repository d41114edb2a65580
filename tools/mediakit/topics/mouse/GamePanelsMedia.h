#pragma once

#include <QImage>

// The game pages' framed panels, into which blue text is written, and the grass strip along the
// bottom edge that flying things pass behind.
namespace GamePanelsMedia {

QImage InfoPanel();  // "egerezes\game\infopanel.png", 800 × 320: a light framed card
QImage SmallPanel(); // "egerezes\game\litlpanel.png", 220 × 130
QImage Grass();      // "egerezes\game\grass.png", 1024 × 140: blades over a meadow, sky above them clear

// The margin of the frame: text written inside it reads on the card's light face.
inline constexpr int FrameMargin = 12;

} // namespace GamePanelsMedia

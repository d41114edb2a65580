#pragma once

#include "mediakit/cast/CastArm.h"

#include <QImage>
#include <QPointF>

// Pixeles Tivadar, the menus topic's guide, in the pictures its windows and pages show; all on
// see-through ground (the windows are white, the pages light).
namespace MenusTivadarArt {

QImage Explaining(); // "menu\menu_j_f.png", 300 × 330: pointing up at the menu bar, explaining
QImage Hungry();     // "menu\menu_j_a.png", 440 × 330: rubbing his tummy, dreaming of food
// "menu\menu_j_h.png", 194 × 306: standing, hands on hips. His cap starts 28 px down, below the
// part the shortcut window hides above its client area, and his feet reach the bottom, where he
// stands on the check-mark page's floor.
QImage Standing();
QImage Armchair();   // "menu\menu_j_fot.png", 273 × 273: slumped in an armchair, bored
QImage WordCards();  // "menu\menu_j_o.png", 460 × 241: holding up a "Szavak" card among word cards

// "menu\Tivadar_kem_01.png" .. "_03.png", 353 × 297: a bush with Tivadar hidden behind it (only
// the tip of his cap shows), stepping out beside it and waving, and peering over it through
// binoculars.
QImage Hidden();
QImage ComingOut();
QImage Watching();

// The arm of Tivadar's that puts his wrist on the point (model units, feet at the origin, hips
// lowered by drop), the elbow bent outwards.
TCastArm Reach(bool rightSide, QPointF wrist, TCastHand hand, double drop = 0);

} // namespace MenusTivadarArt

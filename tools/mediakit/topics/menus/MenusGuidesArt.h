#pragma once

#include "mediakit/cast/Cast.h"

#include <QImage>

// The other guides in the menus topic's pictures.
namespace MenusGuidesArt {

// "menu\almenu_2.png" (Nyilacska), "_4.png" (Lemezke), "_8.png" (Tárolka), 400 × 330: the guide the
// learner found in a submenu, beside the open "Állatok" menu with its name lit up in the submenu,
// calling out "Megtaláltál!". Only those three guides are found; another throws.
QImage Found(TCastMember who);

// "menu\menu_v2.png" (Digit Nóra), "menu_flo.png" (Lemezke), "menu_e.png" (Kábel Ödön), 120 × 170:
// the guide whole on see-through ground, over the wish window's changing colour.
QImage Wish(TCastMember who);

// "menu\odon.jpg", "tivadar.jpg", "nora.jpg", 200 × 200: the guide standing whole in a soft
// spotlight of its own colour. The pop-up clips start from this very picture.
QImage Portrait(TCastMember who);
// The portrait's ground without the guide: white with the spotlight and a floor shadow, edged by
// a one-pixel ring of the page grey (the clip player's see-through colour).
QImage PortraitGround(TCastMember who);
// The portrait's pose, its scale and where the feet stand.
TCastPose PortraitPose();
double PortraitScale(TCastMember who);
inline constexpr double PortraitFeetY = 186;

} // namespace MenusGuidesArt

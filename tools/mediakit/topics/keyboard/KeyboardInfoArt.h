#pragma once

#include <QImage>
#include <vector>

// The keyboard advice: what not to bring near a keyboard, the prohibition sign that blinks over
// those pictures, and the clips of Kábel Ödön on the evaluation page and the advice page.
namespace KeyboardInfoArt {

// 190 x 190 cards with transparent corners, so nothing stays behind when the page hides them.
QImage DirtyHandsPicture(); // "BillInfo_kezes.png": muddy hands over a keyboard
QImage FoodPicture();       // "BillInfo_kajas.png": a sandwich dropping crumbs on the keys
QImage DrinkPicture();      // "BillInfo_pias.png": a glass of juice spilling over the keys
QImage ProhibitionSign();   // "BillInfo_tilt.png": the red ring and bar, see-through elsewhere

// "tilos_utes.avi": a fist hits the computer, the screen gets hurt, the prohibition sign comes
// up and Ödön shakes his head. 190 x 190, played whole and looped.
std::vector<QImage> NoHittingFrames();
inline constexpr int NoHittingRate = 10;

// "kabel_odon_bizivel.avi": Ödön on the evaluation page's podium giving a thumbs up, 160 x 320,
// on the evaluation background cut at the clip's place. Its ThumbsUpLoop frames make a
// seamless loop, which is what the page repeats.
std::vector<QImage> ThumbsUpFrames();
inline constexpr int ThumbsUpLoop = 12;
inline constexpr int ThumbsUpRate = 8;

} // namespace KeyboardInfoArt

#pragma once

#include <QImage>
#include <vector>

// The lists topic's looping clips, 240 × 320 on the page colour (the key colour of the clip
// player), Frames frames each at Rate frames per second.
namespace ListsClipsArt {

inline constexpr int Rate = 12;
inline constexpr int Frames = 24;

std::vector<QImage> FoodClip();     // "ListKajakForm.avi": Tárolka shows her sour cream, "Tejföl"
std::vector<QImage> BirthdayClip(); // "ListSzulinapForm.avi": Digit Nóra waves beside a birthday cake
std::vector<QImage> BirdsClip();    // "List_LY_J_Form.avi": Pixeles Tivadar points at a bird flying round
std::vector<QImage> ComboClip();    // "ListComboForm.avi": Kábel Ödön talks while a combo box types a name

} // namespace ListsClipsArt

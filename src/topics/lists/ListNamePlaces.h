#pragma once

#include <QRect>
#include <array>

// The names page's six guides: the name label the page shows under each guide, and the place the
// background draws that guide in, right above its label. The page and the picture both read this
// table, so a name never drifts off its figure.
namespace ListNamePlaces {

struct TGuidePlace {
    const char* name;  // as the label shows it
    QRect figure;      // the guide stands in it, feet on its bottom edge
    QRect label;       // the page's name label, 18 px text centred in it
};

inline constexpr int FigureTop = 300;
inline constexpr int FigureBottom = 540;
inline constexpr int LabelTop = 548;
inline constexpr int LabelHeight = 28;

inline const std::array<TGuidePlace, 6> Guides{{
    {"Tárolka", QRect(16, FigureTop, 108, FigureBottom - FigureTop), QRect(16, LabelTop, 108, LabelHeight)},
    {"Nyilacska", QRect(128, FigureTop, 108, FigureBottom - FigureTop), QRect(128, LabelTop, 108, LabelHeight)},
    {"Lemezke", QRect(240, FigureTop, 108, FigureBottom - FigureTop), QRect(240, LabelTop, 108, LabelHeight)},
    {"Kábel Ödön", QRect(536, FigureTop, 152, FigureBottom - FigureTop), QRect(536, LabelTop, 152, LabelHeight)},
    {"Pixeles Tivadar", QRect(694, FigureTop, 152, FigureBottom - FigureTop), QRect(694, LabelTop, 152, LabelHeight)},
    {"Digit Nóra", QRect(852, FigureTop, 152, FigureBottom - FigureTop), QRect(852, LabelTop, 152, LabelHeight)},
}};

} // namespace ListNamePlaces

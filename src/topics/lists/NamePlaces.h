#pragma once

#include <QRect>

// Where the names page's picture shows each guide and the label with the guide's name under it:
// the page places its labels and the media kit draws the figures from this one table.
namespace NamePlaces {

struct TPlace {
    const char* name;
    QRect figure; // the guide's figure in the background picture
    QRect label;  // the name label under it
};

inline constexpr int Count = 6;

inline const TPlace Places[Count] = {
    {"Tárolka", QRect(30, 440, 120, 150), QRect(15, 596, 150, 28)},
    {"Nyilacska", QRect(190, 440, 120, 150), QRect(175, 596, 150, 28)},
    {"Kábel Ödön", QRect(350, 440, 120, 150), QRect(335, 596, 150, 28)},
    {"Pixeles Tivadar", QRect(510, 440, 120, 150), QRect(495, 596, 150, 28)},
    {"Digit Nóra", QRect(670, 440, 120, 150), QRect(655, 596, 150, 28)},
    {"Lemezke", QRect(830, 440, 120, 150), QRect(815, 596, 150, 28)},
};

} // namespace NamePlaces

#pragma once

#include "framework/BackAreas.h"

#include <QRect>

// Where the lists topic's pages put their controls and write their texts, in page coordinates;
// the backgrounds keep these places calm and light, and draw their signs and headings around them.
namespace ListsPlaces {

// Every page: the back area over the painted back sign, and "Tovább".
inline const QRect BackArea = BackAreas::Usual;
inline const QRect NextButton(384, 696, 105, 33);

// The names page: the instruction above, the list between the two groups of guides.
inline const QRect NamesText(32, 36, 960, 204);
inline const QRect NamesList(360, 256, 153, 180);

// The food page (its background also serves the birthday page): the instruction on top, the clip
// on the left, the lists in the middle band, the dish drawn at the right.
inline const QRect FoodText(32, 36, 960, 126);
inline const QRect FoodClip(80, 170, 240, 320);
inline const QRect FoodList(400, 248, 153, 180);
inline const QRect BirthdayLists(360, 212, 420, 288); // lbEv, lbHonap, lbNap side by side, headings above

// The TV guide page: the instruction on top, the guide's paper, the six drop-down lists' row with
// their headings.
inline const QRect TvText(32, 36, 960, 126);
inline const QRect TvGuide(96, 168, 832, 356);
inline const QRect TvChoices(16, 532, 992, 72);
// Tárolka's favourite in the guide: the MiaSat column's second show, Wednesday 17:55.
inline constexpr struct {
    int column;
    int row;
} TvFavourite{2, 1};

// The units page: the three lists, their headings above them, the copy buttons between the first two.
inline const QRect UnitsText(32, 36, 960, 180);
inline const QRect LengthList(80, 320, 153, 114);
inline const QRect MassList(352, 320, 153, 114);
inline const QRect TimeList(656, 320, 153, 114);
inline const QRect CopyButtons(240, 336, 105, 78);

// The ly/j page: the keyboard picture of the Ctrl pass, the two lists with their headings, the clip
// between them, the green warning to the right, the instruction at the bottom (both passes).
inline const QRect BirdsText(32, 530, 840, 110);
inline const QRect KeyboardPicture(225, 110, 425, 67);
inline const QRect LyList(80, 256, 153, 202);
inline const QRect JList(616, 256, 153, 202);
inline const QRect BirdsClip(315, 200, 240, 320);
inline const QRect Warning(792, 312, 216, 180);

// The combo box page: the instruction on top, the two combos with their headings, the clip between them.
inline const QRect ComboText(32, 36, 960, 180);
inline const QRect GirlsCombo(72, 264, 185, 30);
inline const QRect BoysCombo(632, 264, 185, 30);
inline const QRect ComboClip(320, 250, 240, 320);

// The reflex game: the display of the words to move, the clock, the two lists, the title button
// and the instruction at the bottom.
inline const QRect ReflexWords(208, 136, 481, 25);
inline const QRect ReflexClock(744, 136, 96, 28);
inline const QRect ReflexFrom(224, 272, 153, 246);
inline const QRect ReflexTo(536, 344, 153, 70);
inline const QRect ReflexStart(328, 272, 285, 80);
inline const QRect ReflexText(96, 592, 745, 81);

// The editable list page: the paper, the edit field and list, the four buttons, the hint's column
// (it drops 68 px per phase from the top), the instruction at the bottom.
inline const QRect Paper(384, 112, 329, 57);
inline const QRect EditField(368, 232, 209, 26);
inline const QRect EditableList(368, 272, 209, 246);
inline const QRect EditButtons(584, 272, 137, 218);
inline const QRect HintColumn(736, 248, 257, 73 + 3 * 68);
inline const QRect EditText(104, 592, 729, 97);

} // namespace ListsPlaces

#pragma once

#include <QImage>

// The lists topic's page backgrounds, 1024 × 768 each, drawn for the places in ListsPlaces.
namespace ListsScreensArt {

QImage NamesScreen();    // "ListMindenkiForm.jpg": the six guides over their name labels
QImage FoodScreen();     // "ListKajakForm.jpg": a laid table; the birthday page shares it
QImage TvScreen();       // "ListTVForm.jpg": Wednesday's programme guide
QImage UnitsScreen();    // "ListMertekCsopForm.jpg": three headed lists with a ruler, scales and a clock
QImage BirdsScreen();    // "List_LY_J_Form.jpg": the "ly" and "j" lists and two birds
QImage ComboScreen();    // "ListComboForm.jpg": girls' and boys' names
QImage ReflexScreen();   // "ListReflexJatekForm.jpg": the words' display, the clock, the drop target
QImage EditableScreen(); // "ListEditableLBForm.jpg": the paper on the pinboard, the buttons' column

} // namespace ListsScreensArt

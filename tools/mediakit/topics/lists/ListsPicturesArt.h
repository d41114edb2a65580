#pragma once

#include <QImage>

// The lists topic's small pictures.
namespace ListsPicturesArt {

// "List_LY_J_Form_billentyuzet.png", 425 × 67: the keyboard's lower rows, both Ctrl keys red.
QImage CtrlKeyboard();
// "START.png", 285 × 80: the reflex game's title, a button to click.
QImage StartTitle();

} // namespace ListsPicturesArt

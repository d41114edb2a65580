#pragma once

#include <QImage>

// The two sign buttons of the mouse topic's game pages, which the buttons topic's pages show too:
// both 104 × 61, transparent around the button.
namespace GameButtonsMedia {

QImage ExitGameButton(); // "egerezes\game\button_exitgame.png": a door leading out and "Vége"
QImage BackButton();     // "egerezes\game\button_beck.png": the back arrow and "Vissza a főoldalra"

} // namespace GameButtonsMedia

#pragma once

#include <QImage>

// What the program handling page lays over its desktop, each on see-through ground where the
// desktop shows round it: the lesson's arrows, the information panel, the back sign and the
// Start menu's background.
namespace ProgramsSignsArt {

// "prg\fel.png", "le.png", "balra.png", "jobbra.png", 114 × 114: a big round-cornered arrow in
// warm yellow with a dark rim. The one pointing down is smaller and ends, shadow and all, above
// row 80, where the task bar's top edge crosses it on the page; below that the picture is empty.
// Its point stands 38 px from the left, so that at the page's four places for it (Left 888, 488,
// 80, -10) it points at the tray, the task bar, the quick-launch buttons and the Start button.
enum class TArrow { Up, Down, Left, Right };
QImage Arrow(TArrow direction);

// "prg\infPanel.png", 500 × 200: a light card with a rim and a header band in the topic's
// colour; below the band, from (16, 48), it is plain for the page's text and buttons.
QImage InfoPanel();

// "prg\exitBtn.png", 107 × 63: the back sign every topic shows under its to-main area.
QImage BackSign();

// "prg/startMenu.png", 330 × 529: the classic Start menu, white inside a raised frame, with a
// band in the topic's colour down its left 22 px bearing the course's name, and etched lines in
// the two gaps the page leaves between its rows.
QImage StartMenu();

} // namespace ProgramsSignsArt

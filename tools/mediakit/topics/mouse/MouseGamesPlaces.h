#pragma once

#include <QRect>
#include <QSize>

// Where the mouse games' pages put their controls and write their texts, as the pictures must
// match them: sizes of the pictures the pages show at a control's size, the painted places under
// transparent areas, and the calm areas behind written text.
namespace MouseGamesPlaces {

// Butterfly hunt: five clouds along the top (left, top of each), the title of the intro.
inline constexpr QSize Cloud(170, 100);
inline constexpr QPoint CloudAt[5] = {{8, 17}, {189, 29}, {380, 3}, {580, 10}, {830, 5}};
inline constexpr QSize Butterfly(64, 56);
inline constexpr QSize ButterflyTitle(713, 105);

// Right-click page: the mouse under imgMouse, the clip's place and the writer's area (its margins
// left 200, right 160, top 170, bottom 270).
inline constexpr QRect RightClickMouse(550, 410, 170, 297);
inline constexpr QRect RightClickClip(175, 455, 230, 160);
inline constexpr QRect RightClickWriting(200, 170, 664, 150);

// Mouse hunt: the character picture, at imgNyilacska's size.
inline constexpr QSize Nyilacska(162, 215);
// The game titles, drawn centred on the information panel.
inline constexpr QSize PanelTitle(720, 150);
// The mouse hunt's and balloon game's START picture (imgStart's size).
inline constexpr QSize Start(337, 65);

// Double-click page: the writer's area (font 15, margins left 140, right 120, top 85, bottom
// 500), the clip showing the double click, and the three guides' clips in a row.
inline constexpr QRect DoubleClickWriting(140, 85, 764, 183);
inline constexpr QRect DoubleClickDemo(385, 307, 230, 160);
inline constexpr int GuideClipLeft[3] = {125, 385, 646};
inline constexpr int GuideClipTop = 490;
inline constexpr QSize Clip(230, 160);

// Balloons at the balloon game's picture size.
inline constexpr QSize Balloon(100, 227);

// Basketball: the hoop's rectangle (a ball inside it counts) and the ball.
inline constexpr QRect Hoop(410, 268, 226, 114);
inline constexpr QSize Ball(103, 103);
// The small panel the score is written into, which the basketball page moves to the top.
inline constexpr QRect BasketScore(415, 20, 220, 130);

} // namespace MouseGamesPlaces

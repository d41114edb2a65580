#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the program handling page puts its controls and pictures over the imitated desktop, in
// page coordinates, and the sizes of the programs topic's pictures.
namespace ProgramsPlaces {

// The desktop icons stand in one column, their captions under them; the task bar lies along the
// bottom. Every desktop picture keeps these two places calm.
inline const QRect IconColumn(24, 104, 56, 306);
inline const QPoint Icons[] = {{32, 112}, {32, 168}, {32, 232}, {32, 296}, {32, 360}};
inline const QPoint Captions[] = {{24, 144}, {24, 200}, {24, 264}, {24, 328}, {24, 392}};
inline const QRect TaskBar(0, 704, 1024, 30);
inline const QRect BottomStrip(0, 704, 1024, 64);
// In the task bar: the Start button, the quick-launch buttons and the tray at its right end.
inline const QRect StartButton(0, 3, 60, 25);
inline const QPoint QuickLaunch[] = {{72, 5}, {96, 5}, {120, 5}};
inline const QSize QuickLaunchButton(20, 20);
inline constexpr int TrayWidth = 118;

// The back sign's area, over the task bar's top right.
inline const QRect BackArea(892, 641, 107, 63);

// The Start menu, its rows at Left 22 (307 × 32 each) with a gap before "Programok" and one before
// "Kijelentkezés", where the picture draws its separators.
inline const QRect StartMenu(0, 208, 330, 529);
inline constexpr int StartMenuRowLeft = 22;
inline constexpr int StartMenuRowTops[] = {1, 33, 65, 97, 129, 161, 193, 225, 265, 297, 329, 361, 393, 425, 465, 496};
inline constexpr int StartMenuRowHeight = 32;

// The guide at the desk, the information panel with its text and buttons (step 2), the house.
inline const QRect Desk(312, 293, 333, 405);
inline const QRect InfoPanel(232, 104, 500, 200);
inline const QPoint InfoText(16, 48);    // inside the panel
inline const QPoint InfoButtons[] = {{312, 184}, {400, 184}, {488, 184}, {576, 184}};
inline const QRect House(200, 96, 581, 587);
inline const QPoint OkButton(456, 664);

// The arrows: up at the information panel, down at the task bar (moved along it from step to
// step), left at the icons, right.
inline const QPoint ArrowUp(408, 304);
inline const QPoint ArrowDown(888, 624);
inline const int ArrowDownLefts[] = {888, 488, 80, -10};
inline const QPoint ArrowLeft(80, 240);
inline const QPoint ArrowRight(680, 512);

// Picture sizes.
inline const QSize Page(1024, 768);
inline const QSize DeskPicture(333, 405);
inline const QSize InfoPanelPicture(500, 200);
inline const QSize Arrow(114, 114);
inline const QSize HousePicture(581, 587);
inline const QSize BackSign(107, 63);
inline const QSize StartMenuPicture(330, 529);
inline const QSize BigIcon(32, 32);
inline const QSize SmallIcon(16, 16);

} // namespace ProgramsPlaces

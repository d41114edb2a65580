#pragma once

#include "framework/BackAreas.h"

#include <QRect>
#include <QSize>

// Where the windows topic puts its windows and controls over the shared desktop picture, in page
// coordinates, and the sizes of the pictures the windows show.
namespace WindowsPlaces {

// The to-main area over the painted back sign, and the imitated task bar along the bottom.
inline const QRect BackArea = BackAreas::Usual;
inline const QRect TaskBar(0, 738, 1024, 30);

// The windows' outer bounds (title 19 px, borders 3 px single, 4 px resizable): the intro page's
// guide window and information dialog, the practice and resize windows, the two icon windows.
inline const QRect NoraWindow(220, 180, 407, 309);
inline const QRect InfoWindow(110, 550, 625, 158);
inline const QRect PracticeWindow(200, 210, 470, 415);
inline const QRect SourceWindow(5, 190, 400, 515);
inline const QRect TargetWindow(455, 190, 400, 515);

// The guide window's picture control, the information icon and the practice window's clip.
inline const QSize NoraWindowPicture(200, 200);
inline const QSize GuidePicture(201, 201);
inline const QSize Icon(105, 105);
inline const QSize InfoIcon(32, 32);
inline const QSize Clip(201, 201);

} // namespace WindowsPlaces

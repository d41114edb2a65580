#pragma once

#include <QImage>
#include <QPointF>
#include <vector>

class QPainter;

// Lemezke's car as the settings panel wants it: a red open-top sports car with the race number 12
// on its door, Lemezke alone at the wheel, driving towards the picture's left.
namespace CarArt {

// The red of the car's body: the settings' answer (255, 0, 0) as paint.
inline constexpr unsigned BodyRed = 0xffff0000;

// The car with its front wheel's ground contact at ground and the wheels turned by spin (0 .. 1
// is one spoke step); bob lifts the body a little over the springs.
void PaintCar(QPainter& painter, QPointF ground, double spin, double bob);

// The clips, 320 × 147 on the page colour (the player's see-through colour), at Rate frames per
// second: "PnlAutosForm_gurul.avi" loops the car rolling on the spot, "PnlAutosForm_lemegy.avi"
// plays once while it drives off the left edge.
inline constexpr int Rate = 12;
inline constexpr int RollingFrames = 12;
inline constexpr int LeavingFrames = 24;
std::vector<QImage> RollingClip();
std::vector<QImage> LeavingClip();

} // namespace CarArt

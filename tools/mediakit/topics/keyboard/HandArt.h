#pragma once

#include <QPointF>

class QPainter;

// Cartoon hands in the guide cast's ink: the pointing hands of the keyboard page, a fist and an
// open hand for the keyboard advice pictures. Right and left are the learner's own hands seen
// from above (the back of the hand), so a right hand has its thumb on the picture's left.
namespace HandArt {

// A hand pointing with its index finger. The pad of the fingertip lies on tip; the finger
// points up, turned by tilt degrees (clockwise). Reaches about 16 px above tip, about 190 px
// below it and about 110 px to the little finger's side.
void DrawPointingHand(QPainter& painter, QPointF tip, double tilt, bool rightHand);

// A clenched fist seen from the side, knuckles towards the bottom, the wrist and sleeve above.
// size is the fist's width.
void DrawFist(QPainter& painter, QPointF centre, double size, double tilt);

// An open hand, palm towards the viewer, fingers up; size is the palm's width. Mud spots make it
// a dirty hand.
void DrawOpenHand(QPainter& painter, QPointF palmCentre, double size, double tilt, bool rightHand, bool muddy);

} // namespace HandArt

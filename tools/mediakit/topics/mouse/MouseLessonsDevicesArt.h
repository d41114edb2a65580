#pragma once

#include "MouseLessonsPlaces.h"

#include <QColor>
#include <QRectF>

class QPainter;

// The things the mouse lessons show again and again — computer mice from above and below, a
// real mouse, cursor shapes, a hand on a mouse, a trackball, a laptop's touchpad and a mouse
// pad — each drawn into the box it is given.
namespace MouseLessonsDevicesArt {

// A computer mouse from above, its front (the buttons) at the top of the box and its cable
// leaving there. pressed darkens the left button, as when it is clicked.
struct TMouseLook {
    QColor shell{0xf4, 0xf6, 0xfa};
    bool cable = true;
    bool wheel = true;
    bool pressed = false;
};
void DrawComputerMouse(QPainter& painter, const QRectF& box, const TMouseLook& look = {});
// The same mouse turned over: the ball in its ring, or the optical mouse's red light.
void DrawMouseUnderside(QPainter& painter, const QRectF& box, bool optical);
// A little grey field mouse from the side, with its round ears and long tail, its nose toward
// the box's right edge unless facingLeft.
void DrawFieldMouse(QPainter& painter, const QRectF& box, bool facingLeft = false, QColor fur = QColor(0x9a, 0x94, 0x90));

// A cursor as the system shows it, large, centred in the box.
void DrawCursor(QPainter& painter, MouseLessonsPlaces::TCursorShape shape, const QRectF& box);
// The arrow pointer with its tip on the point, height pixels tall.
void DrawArrowPointer(QPainter& painter, QPointF tip, double height);

// A hand resting on a mouse, seen from above, wrist at the bottom of the box: the right hand,
// the left hand (mirrored), or a wrong grip that clutches the mouse from the side with the
// fingers off the buttons. fingerLift raises the index finger (0 .. 1) for a click.
enum class THold { Right, Left, Wrong };
void DrawHandOnMouse(QPainter& painter, const QRectF& box, THold hold, double fingerLift = 0);

void DrawTrackball(QPainter& painter, const QRectF& box);
void DrawLaptop(QPainter& painter, const QRectF& box);
void DrawMousePad(QPainter& painter, const QRectF& box);
// Curved radio waves going out from a point, as from a wireless mouse.
void DrawWaves(QPainter& painter, QPointF from, double size, QColor colour);

} // namespace MouseLessonsDevicesArt

#pragma once

#include "CastPose.h"

#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

// The shared hand of the guide cast: one outline colour, soft light from the top left, limbs as
// outlined strokes, and the same eyes, mouths and hands on every guide.
namespace CastInk {

QColor Outline();

// A filled shape lit from the top left, outlined.
void Shape(QPainter& painter, const QPainterPath& path, const QColor& colour, double outline);
// A filled shape in one colour, outlined (outline 0: none).
void Flat(QPainter& painter, const QPainterPath& path, const QColor& colour, double outline);
// A darker area inside a shape, for soft shading.
void Shade(QPainter& painter, const QPainterPath& inside, const QPainterPath& shade, const QColor& colour);
// A round-ended stroke of the given width with its outline around it.
void Limb(QPainter& painter, const QPainterPath& line, double width, const QColor& colour, double outline);
// An open line in one colour with round ends; nothing is filled.
void Stroke(QPainter& painter, const QPainterPath& path, const QColor& colour, double width);
void Blush(QPainter& painter, QPointF centre, double rx, double ry);
QPainterPath Ellipse(QPointF centre, double rx, double ry);
QPainterPath Segment(QPointF from, QPointF to);

// Turns what is painted next by degrees (clockwise) about the pivot.
void RotateAbout(QPainter& painter, QPointF pivot, double degrees);
// The head's own movement, applied before its parts are painted: it sinks by nodDrop as it
// nods and tilts about its chin, chin units below the head's middle.
void MoveHead(QPainter& painter, const TCastPose& pose, double nodDrop, double chin);

// An ear and the curve inside it; side is -1 on the picture's left, 1 on its right.
void Ear(QPainter& painter, QPointF centre, double side, double rx, double ry, const QColor& skin, double outline);
// A small nose: a curve dipping below the point it is centred on.
void Nose(QPainter& painter, QPointF centre, double halfWidth, double outline);

struct TEyeStyle {
    double rx = 9;
    double ry = 11;
    QColor iris = QColor(0x3e, 0x8e, 0x5e);
    bool cartoon = false; // a shiny dark oval instead of white, iris and pupil
    int lashes = 0;       // 0 none; -1 or 1: the side the lashes sweep to
    double outline = 2;
};
void Eye(QPainter& painter, QPointF centre, const TEyeStyle& style, const TCastPose& pose);
// An eyebrow arc centred on the point; lift comes from the pose's eyebrows, inner is -1 or 1.
void Brow(QPainter& painter, QPointF centre, double width, double thickness, int inner, const QColor& colour,
          const TCastPose& pose);
void Mouth(QPainter& painter, QPointF centre, double width, const TCastPose& pose, double outline);

struct TArmStyle {
    double upper = 36;
    double fore = 34;
    double width = 12;
    QColor skin{};
    QColor sleeve{};         // invalid: bare arm
    double sleeveLength = 0; // along the arm from the shoulder, in model units
    double sleeveWidth = 0;
    QColor cuff{};           // invalid: none
    QColor hand{};
    double handSize = 9;
    double outline = 3;
};
// The arm's elbow and wrist for the pose; rightSide is the arm on the picture's right.
struct TArmJoints {
    QPointF shoulder;
    QPointF elbow;
    QPointF wrist;
    double foreDirection; // radians, picture coordinates
};
TArmJoints ArmJoints(QPointF shoulder, const TCastArm& arm, bool rightSide, const TArmStyle& style);
void Arm(QPainter& painter, QPointF shoulder, const TCastArm& arm, bool rightSide, const TArmStyle& style);
// Both arms of the pose in one style, from the shoulders on the picture's left and right.
void Arms(QPainter& painter, const TCastPose& pose, QPointF leftShoulder, QPointF rightShoulder,
          const TArmStyle& style);
void Hand(QPainter& painter, QPointF wrist, double direction, TCastHand hand, bool rightSide, double size,
          const QColor& colour, double outline);

} // namespace CastInk

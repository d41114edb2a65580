#pragma once

#include "CastPose.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <array>

class QPainter;

// The six guides of the course, drawn the same way in every picture and clip.
enum class TCastMember { Nora, Tivadar, Odon, Nyilacska, Tarolka, Lemezke };

const std::array<TCastMember, 6>& AllCastMembers();
QString CastMemberName(TCastMember who); // as the pages write it: "Digit Nóra", "Lemezke", ...

// The whole figure fitted into box, feet on its bottom edge, what it covers centred across it.
void PaintCastMember(QPainter& painter, TCastMember who, const TCastPose& pose, const QRectF& box);
// The head alone (hair, cap, ears included) fitted into box and centred.
void PaintCastHead(QPainter& painter, TCastMember who, const TCastPose& pose, const QRectF& box);

// All guides share one model unit, so painting them at one scale keeps their sizes true to each
// other. The scale is in pixels per model unit.
void PaintCastMemberAt(QPainter& painter, TCastMember who, const TCastPose& pose, QPointF feet, double scale);
// The scale PaintCastMember uses for the box. It never grows above the standing figure's height
// fit, so a pose that ducks does not zoom in.
double CastFitScale(TCastMember who, const TCastPose& pose, const QSizeF& box);
// What the figure covers in model units, relative to its feet.
QRectF CastFigureBounds(TCastMember who, const TCastPose& pose);
// The same for the standing figure, measured once per run.
QRectF CastStandingBounds(TCastMember who);

#pragma once

#include "Cast.h"

#include <QColor>
#include <QImage>
#include <functional>
#include <vector>

// The pictures and clip frames the kit makes of the guide cast.
namespace CastPictures {

QImage Together();    // "egyutt_kicsi.png": the whole cast greeting, 430 × 321, transparent
QImage NoraHead();    // "nora_feje.png": the chooser's cursor, 131 × 75, transparent
QImage OdonGreeting(); // "osszefoglal/odon.png": Kábel Ödön introducing himself, 234 × 261
// A guide in a little framed scene, 174 × 124, as the tab pages and the summary show them: a
// rounded frame edged in blue over a pale sky, a strip of grass to stand on, the guide in the
// pose. Outside the frame's rounded corners the picture is the outside colour (see-through unless
// told).
QImage FramedPortrait(TCastMember who, const TCastPose& pose, const QColor& outside = Qt::transparent);
QImage Sheet();       // every guide in every pose, labelled, for review

// The page colour: the background of clips, whose top-left pixel is the key colour the clip
// player makes see-through.
extern const QColor PageColour;

// Frames of one guide going through whole cycles of a pose (poseAt takes the phase), at one
// scale and place that fit every frame into size; the last frame repeats the first, so the clip
// loops without a jump.
std::vector<QImage> CastClip(TCastMember who, const std::function<TCastPose(double)>& poseAt, double cycles,
                             QSize size, int frameCount, const QColor& background = PageColour);

// Kábel Ödön's clips: 24 frames of 160 × 320 on the page colour.
std::vector<QImage> OdonNodding();
std::vector<QImage> OdonShakingHead();
std::vector<QImage> OdonWaving();
QImage ContactSheet(const std::vector<QImage>& frames, int columns);

} // namespace CastPictures

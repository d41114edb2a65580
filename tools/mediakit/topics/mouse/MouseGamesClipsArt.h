#pragma once

#include "mediakit/cast/Cast.h"

#include <QImage>
#include <vector>

// The mouse games' clips, 230 × 160 on the page colour (the clip player's key colour), at Rate
// frames per second. The clips a timer replays are shorter than its interval.
namespace MouseGamesClipsArt {

inline constexpr int Rate = 12;
inline constexpr int RightClickFrames = 15;  // 1.25 s, replayed every 1.5 s
inline constexpr int DoubleClickFrames = 24; // 2 s, replayed every 2.5 s
inline constexpr int GuideFrames = 18;       // 1.5 s, played once per double click

// "EgerBallJobbForm.avi": Nyilacska points at a mouse whose right button clicks.
std::vector<QImage> RightClickClip();
// "dupla_kattint.avi": a mouse whose left button clicks twice quickly, "katt" at each click.
std::vector<QImage> DoubleClickClip();
// "dupla_kutya.avi", "dupla_macska.avi", "dupla_eger.avi": Lemezke, Tárolka or Nyilacska jumps
// for joy and waves, starting and ending standing still.
std::vector<QImage> GuideJumpClip(TCastMember who);

} // namespace MouseGamesClipsArt

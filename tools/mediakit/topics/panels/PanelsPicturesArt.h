#pragma once

#include "mediakit/cast/Cast.h"

#include <QImage>

// The panels topic's pictures of the guides.
namespace PanelsPicturesArt {

// "PnlPanelForm_lemezke.png", "PnlPanelForm_tarolka.png", 119 × 119, transparent: the two
// runners of the race, dashing to the right with speed lines behind them.
QImage Runner(TCastMember who);
// "PnlFulesPanelForm_<guide>.png", 174 × 124: the guide of a tab page in a little framed scene.
QImage TabGuide(TCastMember who);
// "PnlMiniVizsgaForm_lemezke1.png", 102 × 186, transparent: Lemezke waiting to be double-clicked,
// a question in his bubble; "…_lemezke2.png": Lemezke jumping for joy under stars.
QImage WaitingLemezke();
QImage JumpingLemezke();

} // namespace PanelsPicturesArt

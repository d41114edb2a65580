#pragma once

#include <QImage>

// The imitated desktop's backgrounds, 1024 × 768. The icons' column and the bottom strip under
// the task bar (ProgramsPlaces) stay calm and of a middle tone on every one, so the icons'
// captions read there whether they are written dark or light.
namespace ProgramsDesktopArt {

// "prg\prg_base.jpg": the page's own desktop, deep blue in the topic's colour with soft light
// falling from the top right and a few see-through glass panes floating on the right.
QImage Base();

// "prg\hatter1sz.jpg": one colour (a sea green), nothing else.
QImage Plain();

// "prg\hatterM.jpg": a 64-pixel tile of little flowers, tone on tone, repeated across the page
// from its top left corner without a seam.
QImage Pattern();

} // namespace ProgramsDesktopArt

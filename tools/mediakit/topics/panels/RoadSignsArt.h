#pragma once

#include <QImage>

// The car trip's four road signs, 297 × 313 each, transparent around a sign plate on a grey post
// whose foot stands on the picture's bottom edge.
namespace RoadSignsArt {

QImage Restaurant();  // "PnlAutosForm_vendeglos.png": the blue service sign with knife and fork, "VENDÉGLŐ"
QImage Stop();        // "PnlAutosForm_stop.png": the red octagon "STOP"
QImage Signpost();    // "PnlAutosForm_utjelzo.png": a direction board pointing left, "Egérvár"
QImage Exclamation(); // "PnlAutosForm_felkialto.png": the red-edged warning triangle with "!"

} // namespace RoadSignsArt

#pragma once

#include <QImage>

// The message dialog's icons as 32 × 32 pictures, transparent round them, drawn the way the
// dialog draws its own: information a white speech bubble with a blue "i", error a red disc with
// a white "×", warning a yellow triangle with a black outline and a black "!".
namespace DialogIconsArt {

QImage Information(); // "info_dialog.png", "PnlMiniVizsgaForm_info_dialog.png"
QImage Error();       // "PnlMiniVizsgaForm_error_dialog.png"
QImage Warning();     // "PnlMiniVizsgaForm_warning_dialog.png"

} // namespace DialogIconsArt

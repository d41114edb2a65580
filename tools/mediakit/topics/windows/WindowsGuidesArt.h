#pragma once

#include "mediakit/cast/Cast.h"

#include <QImage>
#include <vector>

// The guides the windows topic shows inside its windows, on transparent ground over the white
// client areas, all at one scale so that Digit Nóra keeps her size from window to window.
namespace WindowsGuidesArt {

inline constexpr int ClipRate = 12;
inline constexpr int ClipFrames = 24;

QImage NoraWelcome();     // "wnd_v_sz_k.png", 200 × 200: arms spread in greeting, in her own window
QImage NoraPointingUp();  // "wnd_v_f_m.png", 201 × 201: pointing up at the title bar
QImage NoraCrouching();   // "wnd_v_gugol.png", 201 × 201: squatting small while the window shrinks
QImage Nora();            // "wnd_v.png", 201 × 201: standing and talking
QImage NoraOk();          // "wnd_v_ok.png", 201 × 201: thumbs up at the end of the lesson
QImage Tivadar();         // "tivadar.png", 201 × 201: Pixeles Tivadar waving hello

// "<guide>_ico.png", 105 × 105: the guide's head as a desktop icon, with a soft shadow.
QImage Icon(TCastMember who);
// "img_info.png", 32 × 32: the information sign of a message box, a white "i" on a blue disc.
QImage InfoIcon();

// "Nora_integet.avi", 201 × 201: Digit Nóra waving on the see-through page grey; the loop closes.
std::vector<QImage> NoraWaving();

} // namespace WindowsGuidesArt

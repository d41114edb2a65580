#pragma once

#include <QImage>

// The imitated desktop's icons on see-through ground, each laid out pixel by pixel for the size it
// is shown at (hard edges, no scaled-down drawing), so that they stay crisp on the desktop and in
// the task bar.
namespace ProgramsIconsArt {

// 32 × 32, the desktop icons.
QImage Computer();      // "prg/sajatgep.png": a monitor on its system unit
QImage RecycleBin();    // "prg/kuka32.png": a ribbed bin with a green recycling mark
QImage Calculator();    // "prg/Szamolo32.png": display and key pad
QImage Paint();         // "prg/rajzolo32.png": a palette with dabs of paint and a brush
QImage TextEditor();    // "prg/gepelo32.png": a written page and a pencil

// 16 × 16, the quick-launch buttons, the tray and the calculator window's own icon.
QImage SmallCalculator(); // "prg/Szamolo16.png"
QImage SmallPaint();      // "prg/rajzolo16.png"
QImage SmallTextEditor(); // "prg/gepelo16.png"
QImage Loudspeaker();     // "prg/hang16.png": a speaker sending out two waves
QImage Network();         // "prg/halo16.png": two little monitors, one behind the other

} // namespace ProgramsIconsArt

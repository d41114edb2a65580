#pragma once

#include "mediakit/cast/Cast.h"

#include <QImage>
#include <vector>

// The menus topic's clips, 200 × 200, each one whole cycle that loops without a jump: the next
// frame after the last is the first.
namespace MenusClipsArt {

inline constexpr int Rate = 12;
inline constexpr int Frames = 24;

// Pixeles Tivadar's gymnastics in the shortcut window, on its white (the see-through colour, so
// the window shows through). All at one scale and place, so he keeps his size from exercise to
// exercise.
enum class TExercise {
    HeadRight,     // "menu\fej_jobb.avi"
    HeadLeft,      // "menu\fej_bal.avi"
    TurnRight,     // "menu\forgas_jobb.avi"
    TurnLeft,      // "menu\forgas_bal.avi"
    Squat,         // "menu\gugol.avi"
    BendForward,   // "menu\hajlas_elore.avi"
    BendBack,      // "menu\hajlas_hatra.avi"
    SideBendRight, // "menu\torzsdontes_jobb.avi"
    SideBendLeft,  // "menu\torzsdontes_bal.avi"
    ArmsUp,        // "menu\kar.avi"
};
std::vector<QImage> Exercise(TExercise exercise);

// The pop-up page's clips over the guides' portraits, on the portrait's own ground and framing,
// starting from the portrait itself: a slow turn round ("_01"), a fast spin with a hop ("_02")
// and a somersault ("_03").
enum class TTrick { Turn, Spin, Somersault };
std::vector<QImage> Trick(TCastMember who, TTrick trick);

} // namespace MenusClipsArt

#pragma once

#include "CastArm.h"

// Frown: the smile turned down, for a guide who is sad.
enum class TCastMouth { Smile, Grin, Open, Frown };

// Everything that moves on a guide. Left and right are as seen in the picture. Lemezke lifts a
// front paw for an arm; Nyilacska and Tárolka nod and turn with their whole body.
struct TCastPose {
    double headTilt = 0;   // degrees, clockwise
    double headTurn = 0;   // -1 (face turned to the picture's left) .. 1 (to its right)
    double headNod = 0;    // -1 (chin up) .. 1 (chin down)
    TCastArm leftArm;
    TCastArm rightArm;
    TCastMouth mouth = TCastMouth::Smile;
    double mouthOpen = 0;  // 0 .. 1, how far a smile opens while talking
    double eyesOpen = 1;   // 0 closed .. 1 open
    double lookX = 0;      // -1 .. 1, where the eyes look
    double lookY = 0;
    double eyebrows = 0;   // -1 frowning .. 1 raised
    double bodyLean = 0;   // degrees, clockwise, about the hips
    double bounce = 0;     // lift of the whole figure, in model units
    double tailWag = 0;    // -1 .. 1
    bool crouching = false; // squatting, knees drawn up in front; only Digit Nóra bends her knees
    // Pixeles Tivadar's gymnastics, all seen from the front; the other guides ignore them.
    double squat = 0;       // 0 .. 1, knees bent outwards and the body lowered with them
    bool sitting = false;   // on a seat as high as his knees, the knees towards us
    double bend = 0;        // -1 arched back .. 1 bent forward at the hips
    bool mirrored = false; // the whole figure flipped left to right

    // Phases run from 0 to 1 over one cycle; phase 0 and phase 1 give the same pose, so frames
    // taken over whole cycles loop without a jump.
    static TCastPose Standing();
    static TCastPose Waving(double phase);
    static TCastPose Nodding(double phase);
    static TCastPose ShakingHead(double phase);
    static TCastPose ThumbsUp();
    // direction in degrees as on a compass rose of the picture: 0 right, 90 up, 180 left, -90 down.
    static TCastPose Pointing(double direction);
    static TCastPose Talking(double phase);
    // Squatting down, arms round the shins, looking up.
    static TCastPose Crouching();
};

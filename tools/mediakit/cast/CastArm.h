#pragma once

// How a hand is held at the end of an arm.
enum class TCastHand { Relaxed, Open, Fist, Pointing, ThumbUp };

// One arm. The shoulder angle is measured in degrees from hanging straight down, positive away
// from the body (90 = held out sideways, 180 = straight up, negative = across the body); the
// elbow adds its bend in the same sense.
struct TCastArm {
    double shoulder = 10;
    double elbow = 6;
    TCastHand hand = TCastHand::Relaxed;
};

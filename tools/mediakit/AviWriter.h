#pragma once

#include <QByteArray>
#include <QImage>
#include <vector>

// Encodes equally sized frames into the bytes of an AVI file, losslessly (FFV1 on 8-bit RGB), so
// that a clip's key colour stays exact and its background can be made see-through when played.
// Frames are stored opaque (alpha is dropped): paint the background that pages should see through
// in one key colour, which the player takes from the first frame's top-left pixel.
// Throws std::invalid_argument for no frames, frames of different or absurd sizes or a rate
// outside 1..100, and std::runtime_error when the encoder fails.
QByteArray EncodeAvi(const std::vector<QImage>& frames, int framesPerSecond);

#pragma once

#include <QByteArray>
#include <QImage>
#include <vector>

// What a clip file may claim is bounded so that no file can exhaust memory, and the whole clip
// decoded at once, for the media kit's checks. The players decode their frames as they show them
// (ClipFrames.h).
namespace ClipDecoder {

inline constexpr int MaxSide = 2048;
inline constexpr qint64 MaxFileBytes = 64LL * 1024 * 1024;
inline constexpr qint64 MaxDecodedPixels = 48LL * 1024 * 1024;
inline constexpr int MaxFrames = 5000;

struct TClip {
    std::vector<QImage> frames; // all of one size, Format_RGB32
    int framesPerSecond = 15;
};

// Throws TCourseError when the bytes are not a complete, decodable AVI clip. The name only goes
// into the error text.
TClip Decode(const QByteArray& bytes, const QString& name);

} // namespace ClipDecoder

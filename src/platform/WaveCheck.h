#pragma once

#include <QByteArray>
#include <QString>

// Whether the bytes of a sound file are a plain PCM WAV the course can play: RIFF/WAVE chunks that
// all lie inside the file, a "fmt " chunk of 8- or 16-bit PCM, mono or stereo, at a usual rate,
// before a "data" chunk holding whole sample frames. Anything else is refused with a reason before
// the player sees it; a refused sound is simply not played.
namespace WaveCheck {

inline constexpr qint64 MaxFileBytes = 16LL * 1024 * 1024;

bool Playable(const QByteArray& bytes, QString* why = nullptr);

} // namespace WaveCheck

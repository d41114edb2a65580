#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>
#include <vector>

// Reads back a PCM WAV file as the kit writes them, for checking sounds by numbers.
namespace WavFile {

struct TWav {
    int rate = 0;
    int channels = 0;
    int bits = 0;
    std::vector<std::int16_t> samples;

    double Seconds() const { return rate ? static_cast<double>(samples.size()) / rate : 0; }
    double Peak() const; // fraction of full scale
    double Rms() const;
};

// Empty when the bytes are no 16-bit PCM WAV with a complete data chunk.
std::optional<TWav> Parse(const QByteArray& bytes);

} // namespace WavFile

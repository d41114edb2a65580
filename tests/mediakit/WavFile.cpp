#include "WavFile.h"

#include <QtEndian>
#include <cmath>
#include <cstdlib>

namespace WavFile {

double TWav::Peak() const
{
    int loudest = 0;
    for (std::int16_t sample : samples)
        loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
    return loudest / 32767.0;
}

double TWav::Rms() const
{
    if (samples.empty())
        return 0;
    double sum = 0;
    for (std::int16_t sample : samples)
        sum += (sample / 32767.0) * (sample / 32767.0);
    return std::sqrt(sum / static_cast<double>(samples.size()));
}

std::optional<TWav> Parse(const QByteArray& bytes)
{
    auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    if (u32(4) != static_cast<quint32>(bytes.size() - 8))
        return std::nullopt;
    TWav wav;
    bool format = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = u32(at + 4);
        const qsizetype body = at + 8;
        if (body + size > bytes.size())
            return std::nullopt;
        if (id == "fmt " && size >= 16) {
            if (u16(body) != 1)
                return std::nullopt;
            wav.channels = u16(body + 2);
            wav.rate = static_cast<int>(u32(body + 4));
            wav.bits = u16(body + 14);
            format = wav.bits == 16 && wav.channels >= 1
                && u32(body + 8) == static_cast<quint32>(wav.rate * wav.channels * 2)
                && u16(body + 12) == wav.channels * 2;
        } else if (id == "data" && format) {
            for (qsizetype sample = 0; sample + 1 < size; sample += 2)
                wav.samples.push_back(qFromLittleEndian<qint16>(bytes.constData() + body + sample));
            return wav;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

} // namespace WavFile

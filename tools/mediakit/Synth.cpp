#include "Synth.h"

#include <QDataStream>
#include <QIODevice>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double Release = 0.012;
constexpr double EdgeFade = 0.002;

// The gain of the fade that Wav puts on the first and last samples.
double EdgeGain(size_t index, size_t count)
{
    const auto fade = static_cast<size_t>(EdgeFade * TSynth::Rate);
    double gain = 1;
    if (index < fade)
        gain = static_cast<double>(index) / static_cast<double>(fade);
    if (count - 1 - index < fade)
        gain = std::min(gain, static_cast<double>(count - 1 - index) / static_cast<double>(fade));
    return gain;
}

} // namespace

TSynth::TSynth(double seconds) : samples_(static_cast<size_t>(std::max(0.0, seconds) * Rate), 0.0) {}

double TSynth::Envelope(double t, double length, double attack, double decay)
{
    if (t < 0 || t >= length)
        return 0;
    double level = 1;
    if (attack > 0 && t < attack)
        level = 0.5 - 0.5 * std::cos(std::numbers::pi * t / attack);
    if (decay > 0)
        level *= std::exp(-std::max(0.0, t - attack) / decay);
    const double release = std::min(Release, length / 2);
    if (t > length - release)
        level *= 0.5 - 0.5 * std::cos(std::numbers::pi * (length - t) / release);
    return level;
}

void TSynth::Add(const TTone& tone)
{
    const auto first = static_cast<size_t>(std::max(0.0, tone.start) * Rate);
    const auto count = static_cast<size_t>(tone.length * Rate);
    const double endFrequency = tone.endFrequency > 0 ? tone.endFrequency : tone.frequency;
    std::vector<double> phases(tone.partials.size(), 0.0);
    for (size_t index = 0; index < count && first + index < samples_.size(); ++index) {
        const double t = static_cast<double>(index) / Rate;
        const double along = count > 1 ? static_cast<double>(index) / static_cast<double>(count - 1) : 0;
        // Glides are exponential, as the ear hears pitch.
        double frequency = tone.frequency * std::pow(endFrequency / tone.frequency, along);
        if (tone.vibratoRate > 0)
            frequency *= 1 + tone.vibratoDepth * std::sin(2 * std::numbers::pi * tone.vibratoRate * t);
        double value = 0;
        for (size_t p = 0; p < tone.partials.size(); ++p) {
            const TPartial& partial = tone.partials[p];
            const double partialFrequency = frequency * partial.ratio;
            phases[p] += 2 * std::numbers::pi * partialFrequency / Rate;
            // Partials above the Nyquist limit would fold back as noise.
            if (partialFrequency >= Rate / 2.0)
                continue;
            const double decay = partial.decay > 0 ? partial.decay : tone.decay;
            value += partial.level * std::sin(phases[p]) * Envelope(t, tone.length, tone.attack, decay);
        }
        samples_[first + index] += tone.level * value;
    }
}

void TSynth::Add(const TNoise& noise)
{
    // White noise through two band-pass biquads in a row, so that the band stands out clearly.
    const double w = 2 * std::numbers::pi * noise.centre / Rate;
    const double alpha = std::sin(w) / (2 * noise.q);
    const double a0 = 1 + alpha;
    const double b0 = alpha / a0, b2 = -alpha / a0;
    const double a1 = -2 * std::cos(w) / a0, a2 = (1 - alpha) / a0;
    struct TStage {
        double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    } stages[2];
    std::uint32_t state = noise.seed ? noise.seed : 1;

    const auto first = static_cast<size_t>(std::max(0.0, noise.start) * Rate);
    const auto count = static_cast<size_t>(noise.length * Rate);
    for (size_t index = 0; index < count && first + index < samples_.size(); ++index) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        double value = static_cast<double>(state) / 2147483648.0 - 1.0;
        for (TStage& stage : stages) {
            const double y = b0 * value + b2 * stage.x2 - a1 * stage.y1 - a2 * stage.y2;
            stage.x2 = stage.x1;
            stage.x1 = value;
            stage.y2 = stage.y1;
            stage.y1 = y;
            value = y;
        }
        const double t = static_cast<double>(index) / Rate;
        samples_[first + index] += noise.level * value * Envelope(t, noise.length, noise.attack, noise.decay);
    }
}

void TSynth::Normalise(double peak)
{
    // Measured as Wav will write it, so that the file's loudest sample is the given peak.
    double loudest = 0;
    for (size_t index = 0; index < samples_.size(); ++index)
        loudest = std::max(loudest, std::abs(samples_[index]) * EdgeGain(index, samples_.size()));
    if (loudest <= 0)
        return;
    for (double& sample : samples_)
        sample *= peak / loudest;
}

double TSynth::Peak() const
{
    double loudest = 0;
    for (double sample : samples_)
        loudest = std::max(loudest, std::abs(sample));
    return loudest;
}

double TSynth::Rms() const
{
    if (samples_.empty())
        return 0;
    double sum = 0;
    for (double sample : samples_)
        sum += sample * sample;
    return std::sqrt(sum / static_cast<double>(samples_.size()));
}

QByteArray TSynth::Wav() const
{
    const auto count = static_cast<quint32>(samples_.size());
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 dataBytes = count * 2;
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVE", 4);
    out.writeRawData("fmt ", 4);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(Rate) << quint32(Rate * 2) << quint16(2)
        << quint16(16);
    out.writeRawData("data", 4);
    out << dataBytes;
    for (quint32 index = 0; index < count; ++index) {
        const double value = std::clamp(samples_[index] * EdgeGain(index, count), -1.0, 1.0);
        out << static_cast<qint16>(std::lround(value * 32767));
    }
    return bytes;
}

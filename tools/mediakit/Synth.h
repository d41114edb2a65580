#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

// A small additive synthesiser for the course's sounds: tones with partials, pitch glides and
// smooth envelopes, and filtered noise, mixed into one mono buffer and written as 16-bit PCM WAV.
class TSynth {
public:
    static constexpr int Rate = 44100;

    struct TPartial {
        double ratio = 1;  // of the tone's frequency
        double level = 1;
        double decay = 0;  // seconds to fall to 1/e; 0 uses the tone's own decay
    };

    struct TTone {
        double start = 0;         // seconds
        double length = 0.1;      // seconds, release included
        double frequency = 440;   // Hz at the start
        double endFrequency = 0;  // Hz at the end of a glide; 0 keeps the pitch
        double level = 1;
        double attack = 0.005;    // seconds of a smooth rise
        double decay = 0;         // seconds to fall to 1/e; 0 holds the level
        double vibratoRate = 0;   // Hz
        double vibratoDepth = 0;  // fraction of the frequency
        std::vector<TPartial> partials = {{1, 1, 0}};
    };

    struct TNoise {
        double start = 0;
        double length = 0.05;
        double level = 1;
        double attack = 0.001;
        double decay = 0;
        double centre = 2000;     // Hz, band-pass centre
        double q = 1;             // band-pass sharpness
        std::uint32_t seed = 1;
    };

    explicit TSynth(double seconds);

    void Add(const TTone& tone);
    void Add(const TNoise& noise);

    // Scales the whole sound so that its loudest sample is the given fraction of full scale.
    void Normalise(double peak);
    double Peak() const;
    double Rms() const;
    double Seconds() const { return static_cast<double>(samples_.size()) / Rate; }
    const std::vector<double>& Samples() const { return samples_; }

    // 16-bit mono PCM; the first and last milliseconds fade so that no click is heard.
    QByteArray Wav() const;

private:
    // Smooth rise, exponential fall and a short release that ends at zero.
    static double Envelope(double t, double length, double attack, double decay);

    std::vector<double> samples_;
};

#include "WavFile.h"
#include "mediakit/Synth.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Upward zero crossings per second over samples [from, to).
double Crossings(const std::vector<double>& samples, size_t from, size_t to)
{
    int count = 0;
    for (size_t index = from + 1; index < to; ++index)
        if (samples[index - 1] < 0 && samples[index] >= 0)
            ++count;
    return count * static_cast<double>(TSynth::Rate) / static_cast<double>(to - from);
}

double Rms(const std::vector<double>& samples, size_t from, size_t to)
{
    double sum = 0;
    for (size_t index = from; index < to; ++index)
        sum += samples[index] * samples[index];
    return std::sqrt(sum / static_cast<double>(to - from));
}

constexpr size_t Ms(double milliseconds) { return static_cast<size_t>(milliseconds * TSynth::Rate / 1000); }

TEST(SynthTest, TonesHaveTheirPitchGlideAndEnvelope)
{
    TSynth steady(0.5);
    steady.Add(TSynth::TTone{.length = 0.5, .frequency = 440});
    EXPECT_NEAR(Crossings(steady.Samples(), Ms(20), Ms(480)), 440, 5);
    EXPECT_NEAR(Rms(steady.Samples(), Ms(50), Ms(450)), std::sqrt(0.5), 0.01) << "a held sine";

    TSynth glide(0.4);
    glide.Add(TSynth::TTone{.length = 0.4, .frequency = 300, .endFrequency = 1200});
    const double early = Crossings(glide.Samples(), 0, Ms(50));
    const double late = Crossings(glide.Samples(), Ms(350), Ms(400));
    EXPECT_NEAR(early, 330, 40);
    EXPECT_NEAR(late, 1130, 80);

    TSynth fading(0.4);
    fading.Add(TSynth::TTone{.length = 0.4, .frequency = 500, .attack = 0.01, .decay = 0.05});
    EXPECT_LT(Rms(fading.Samples(), Ms(300), Ms(350)), Rms(fading.Samples(), Ms(10), Ms(60)) / 50);
}

TEST(SynthTest, ToneEdgesAreSmoothSoNoClickIsHeard)
{
    TSynth synth(0.3);
    synth.Add(TSynth::TTone{.start = 0.05, .length = 0.1, .frequency = 1000, .level = 1, .attack = 0.01});
    const std::vector<double>& samples = synth.Samples();
    EXPECT_EQ(samples[Ms(50)], 0.0);
    EXPECT_EQ(samples[Ms(200)], 0.0);
    // Largest step between samples stays that of the sine itself (2 pi f / rate).
    double jump = 0;
    for (size_t index = 1; index < samples.size(); ++index)
        jump = std::max(jump, std::abs(samples[index] - samples[index - 1]));
    EXPECT_LT(jump, 2 * 3.1416 * 1000 / TSynth::Rate * 1.05);
}

TEST(SynthTest, NoiseFollowsItsBand)
{
    TSynth low(0.3), high(0.3);
    low.Add(TSynth::TNoise{.length = 0.3, .centre = 400, .q = 4});
    high.Add(TSynth::TNoise{.length = 0.3, .centre = 5000, .q = 4});
    EXPECT_NEAR(Crossings(low.Samples(), Ms(20), Ms(280)), 400, 80);
    EXPECT_NEAR(Crossings(high.Samples(), Ms(20), Ms(280)), 5000, 600);
}

TEST(SynthTest, WavIsNormalisedPcmThatStartsAndEndsInSilence)
{
    TSynth synth(0.25);
    synth.Add(TSynth::TTone{.length = 0.25, .frequency = 660, .level = 3, .attack = 0});
    synth.Normalise(0.7);
    const auto wav = WavFile::Parse(synth.Wav());
    ASSERT_TRUE(wav.has_value());
    EXPECT_EQ(wav->rate, TSynth::Rate);
    EXPECT_EQ(wav->channels, 1);
    EXPECT_EQ(wav->bits, 16);
    EXPECT_EQ(wav->samples.size(), Ms(250));
    EXPECT_NEAR(wav->Peak(), 0.7, 0.0001);
    // Even a tone that starts hard is faded in and out by the file's edges.
    EXPECT_EQ(wav->samples.front(), 0);
    EXPECT_EQ(wav->samples.back(), 0);

    TSynth silent(0.1);
    silent.Normalise(0.7);
    const auto quiet = WavFile::Parse(silent.Wav());
    ASSERT_TRUE(quiet.has_value());
    EXPECT_EQ(quiet->Peak(), 0.0);
}

TEST(SynthTest, WavReaderRejectsWhatIsNoPcmWav)
{
    TSynth synth(0.05);
    synth.Add(TSynth::TTone{.length = 0.05});
    const QByteArray good = synth.Wav();
    ASSERT_TRUE(WavFile::Parse(good).has_value());
    EXPECT_FALSE(WavFile::Parse(good.left(good.size() - 10)).has_value());
    EXPECT_FALSE(WavFile::Parse(QByteArray("RIFF")).has_value());
    QByteArray notPcm = good;
    notPcm[20] = 3; // float samples
    EXPECT_FALSE(WavFile::Parse(notPcm).has_value());
}

} // namespace

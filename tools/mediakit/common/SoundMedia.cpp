// The course's sounds, synthesised: clicks for keys and buttons, plinks and plunks for picking up
// and dropping, blips for hits and misses, a chime for a right answer, a soft buzz for a wrong
// one, a bell for the evaluation page and a few playful effects for the guides' clips.

#include "mediakit/MediaKit.h"
#include "mediakit/MediaProducer.h"
#include "mediakit/Synth.h"

#include <functional>
#include <random>
#include <utility>

namespace {

using TPartials = std::vector<TSynth::TPartial>;

// Note frequencies used below.
constexpr double A5 = 880.0, B5 = 987.8, C6 = 1046.5, E6 = 1318.5, G6 = 1568.0, B6 = 1975.5;

// A hard, short tick: the edge of a key or a button.
void Tick(TSynth& synth, double start, double centre, double level)
{
    synth.Add(TSynth::TNoise{.start = start, .length = 0.012, .level = level, .attack = 0.0005, .decay = 0.0025,
        .centre = centre, .q = 1.2, .seed = static_cast<std::uint32_t>(centre * 7 + start * 1000 + 1)});
}

// A bright note with quieter overtones that die away faster.
TSynth::TTone Note(double start, double frequency, double length, double decay, double level = 1)
{
    return TSynth::TTone{.start = start, .length = length, .frequency = frequency, .level = level,
        .attack = 0.003, .decay = decay, .partials = TPartials{{1, 1, 0}, {2, 0.3, decay / 3}, {3, 0.1, decay / 5}}};
}

TSynth KeyClickRight()
{
    TSynth synth(0.07);
    Tick(synth, 0, 3500, 1);
    synth.Add(TSynth::TTone{.length = 0.05, .frequency = 1900, .level = 0.6, .attack = 0.0008, .decay = 0.008,
        .partials = TPartials{{1, 1, 0}, {2.7, 0.3, 0}}});
    return synth;
}

TSynth KeyClickWrong()
{
    // Lower and duller than the right key's click: the key was not the one asked for.
    TSynth synth(0.15);
    synth.Add(TSynth::TNoise{.length = 0.02, .level = 0.8, .attack = 0.0005, .decay = 0.006, .centre = 900, .seed = 5});
    synth.Add(TSynth::TTone{.length = 0.13, .frequency = 330, .endFrequency = 260, .level = 1, .attack = 0.001,
        .decay = 0.03, .partials = TPartials{{1, 1, 0}, {2, 0.4, 0}, {3, 0.2, 0}}});
    return synth;
}

TSynth TypingClick()
{
    // A key going down and hitting the bottom.
    TSynth synth(0.08);
    Tick(synth, 0, 4500, 1);
    Tick(synth, 0.022, 2500, 0.6);
    synth.Add(TSynth::TTone{.start = 0.022, .length = 0.05, .frequency = 180, .level = 0.5, .attack = 0.001, .decay = 0.01});
    return synth;
}

TSynth HitBlip()
{
    TSynth synth(0.26);
    synth.Add(TSynth::TTone{.length = 0.12, .frequency = 660, .endFrequency = 1320, .level = 0.8, .attack = 0.004,
        .decay = 0.08, .partials = TPartials{{1, 1, 0}, {2, 0.25, 0}}});
    synth.Add(Note(0.09, 1320, 0.16, 0.05, 0.7));
    return synth;
}

TSynth MissBlip()
{
    TSynth synth(0.22);
    synth.Add(TSynth::TTone{.length = 0.21, .frequency = 520, .endFrequency = 300, .level = 1, .attack = 0.004,
        .decay = 0.1, .partials = TPartials{{1, 1, 0}, {3, 0.15, 0}}});
    return synth;
}

TSynth BallFalls()
{
    // A falling whistle and the soft thud of the ball on the floor.
    TSynth synth(0.7);
    synth.Add(TSynth::TTone{.length = 0.45, .frequency = 1400, .endFrequency = 350, .level = 0.45, .attack = 0.02,
        .decay = 0.6});
    synth.Add(TSynth::TTone{.start = 0.44, .length = 0.24, .frequency = 95, .endFrequency = 60, .level = 1,
        .attack = 0.002, .decay = 0.06, .partials = TPartials{{1, 1, 0}, {2.1, 0.3, 0.02}}});
    synth.Add(TSynth::TNoise{.start = 0.44, .length = 0.08, .level = 0.6, .attack = 0.001, .decay = 0.02,
        .centre = 300, .q = 0.7, .seed = 11});
    return synth;
}

TSynth Plink()
{
    TSynth synth(0.3);
    synth.Add(TSynth::TNoise{.length = 0.006, .level = 0.4, .attack = 0.0005, .decay = 0.0015, .centre = 6000, .seed = 3});
    synth.Add(TSynth::TTone{.length = 0.3, .frequency = 1900, .endFrequency = 1700, .level = 1, .attack = 0.001,
        .decay = 0.07, .partials = TPartials{{1, 1, 0}, {2, 0.35, 0.03}, {3, 0.15, 0.02}}});
    return synth;
}

TSynth Plunk()
{
    TSynth synth(0.33);
    synth.Add(TSynth::TTone{.length = 0.32, .frequency = 520, .endFrequency = 392, .level = 1, .attack = 0.002,
        .decay = 0.09, .partials = TPartials{{1, 1, 0}, {2, 0.3, 0.04}}});
    synth.Add(TSynth::TTone{.length = 0.2, .frequency = 196, .level = 0.3, .attack = 0.002, .decay = 0.05});
    return synth;
}

TSynth Applause()
{
    // Many hands clapping, swelling and dying away.
    TSynth synth(1.4);
    std::mt19937 random(2024);
    std::uniform_real_distribution<double> when(0, 1.25), pitch(900, 2300), sharp(1.2, 2.2), loud(0.4, 1.0);
    for (int clap = 0; clap < 70; ++clap) {
        const double start = when(random);
        const double swell = start < 0.25 ? 0.4 + 2.4 * start : 1.0 - 0.55 * (start - 0.25);
        synth.Add(TSynth::TNoise{.start = start, .length = 0.035, .level = loud(random) * swell, .attack = 0.001,
            .decay = 0.008, .centre = pitch(random), .q = sharp(random), .seed = static_cast<std::uint32_t>(clap + 100)});
    }
    return synth;
}

TSynth ButtonClick()
{
    // Press and release of a mouse button.
    TSynth synth(0.09);
    Tick(synth, 0, 4000, 1);
    synth.Add(TSynth::TTone{.length = 0.02, .frequency = 2600, .level = 0.4, .attack = 0.0005, .decay = 0.004});
    Tick(synth, 0.045, 3000, 0.6);
    return synth;
}

TSynth ButtonTock()
{
    TSynth synth(0.1);
    Tick(synth, 0, 3500, 0.5);
    synth.Add(TSynth::TTone{.length = 0.09, .frequency = 1200, .level = 1, .attack = 0.001, .decay = 0.02,
        .partials = TPartials{{1, 1, 0}, {2.76, 0.2, 0}}});
    return synth;
}

TSynth Squat()
{
    // A springy boing down and up again.
    TSynth synth(0.56);
    const TPartials partials{{1, 1, 0}, {2, 0.3, 0}};
    synth.Add(TSynth::TTone{.length = 0.27, .frequency = 420, .endFrequency = 150, .level = 1, .attack = 0.005,
        .vibratoRate = 9, .vibratoDepth = 0.03, .partials = partials});
    synth.Add(TSynth::TTone{.start = 0.26, .length = 0.3, .frequency = 150, .endFrequency = 420, .level = 1,
        .attack = 0.01, .decay = 0.4, .vibratoRate = 9, .vibratoDepth = 0.03, .partials = partials});
    return synth;
}

TSynth RightAnswer()
{
    TSynth synth(0.68);
    synth.Add(Note(0, C6, 0.45, 0.18));
    synth.Add(Note(0.09, E6, 0.45, 0.18));
    synth.Add(Note(0.18, G6, 0.5, 0.22));
    return synth;
}

TSynth WrongAnswer()
{
    // Two low falling notes with soft, hollow overtones: clearly "no", never harsh.
    TSynth synth(0.5);
    const TPartials hollow{{1, 1, 0}, {3, 0.25, 0}, {5, 0.1, 0}};
    synth.Add(TSynth::TTone{.length = 0.19, .frequency = 311, .level = 1, .attack = 0.006, .decay = 0.25,
        .vibratoRate = 6, .vibratoDepth = 0.01, .partials = hollow});
    synth.Add(TSynth::TTone{.start = 0.17, .length = 0.32, .frequency = 233, .level = 1, .attack = 0.006,
        .decay = 0.2, .vibratoRate = 6, .vibratoDepth = 0.01, .partials = hollow});
    return synth;
}

TSynth DanceTune()
{
    // A quick fiddle run for the guide's dance.
    TSynth synth(0.8);
    const TPartials bowed{{1, 1, 0}, {2, 0.5, 0}, {3, 0.33, 0}, {4, 0.2, 0}, {5, 0.12, 0}};
    const double notes[] = {A5, 830.6, A5, 830.6, A5, B5, C6, E6};
    for (int index = 0; index < 8; ++index)
        synth.Add(TSynth::TTone{.start = 0.08 * index, .length = index == 7 ? 0.16 : 0.085, .frequency = notes[index],
            .level = 0.7, .attack = 0.01, .decay = 0.15, .vibratoRate = 7, .vibratoDepth = 0.008, .partials = bowed});
    return synth;
}

TSynth Spin()
{
    // A rising swirl with a breath of air around it.
    TSynth synth(0.62);
    synth.Add(TSynth::TTone{.length = 0.6, .frequency = 350, .endFrequency = 1050, .level = 0.8, .attack = 0.06,
        .decay = 0.5, .vibratoRate = 14, .vibratoDepth = 0.04, .partials = TPartials{{1, 1, 0}, {2, 0.2, 0}}});
    for (int part = 0; part < 5; ++part)
        synth.Add(TSynth::TNoise{.start = 0.1 * part, .length = 0.18, .level = 0.5, .attack = 0.06, .decay = 0.08,
            .centre = 700.0 + 500.0 * part, .q = 2, .seed = static_cast<std::uint32_t>(40 + part)});
    return synth;
}

TSynth Bell()
{
    // A hand bell: inharmonic partials, the higher ones fading first.
    TSynth synth(1.8);
    synth.Add(TSynth::TNoise{.length = 0.006, .level = 0.3, .attack = 0.0005, .decay = 0.002, .centre = 5000, .seed = 9});
    synth.Add(TSynth::TTone{.length = 1.8, .frequency = 784, .level = 1, .attack = 0.002, .decay = 0.6,
        .partials = TPartials{{0.5, 0.45, 1.1}, {1, 1, 0.8}, {1.19, 0.45, 0.55}, {1.5, 0.3, 0.45}, {2.0, 0.4, 0.35},
            {2.74, 0.22, 0.22}, {3.0, 0.14, 0.18}, {4.07, 0.09, 0.1}}});
    return synth;
}

TSynth PaperChange()
{
    // A sheet slid away and a new one laid down: rustles over a soft swish.
    TSynth synth(0.4);
    synth.Add(TSynth::TNoise{.length = 0.34, .level = 0.45, .attack = 0.08, .decay = 0.12, .centre = 1500, .q = 0.5, .seed = 21});
    const double starts[] = {0.02, 0.07, 0.11, 0.17, 0.22, 0.28};
    const double centres[] = {3200, 5200, 2600, 4400, 6000, 3000};
    for (int part = 0; part < 6; ++part)
        synth.Add(TSynth::TNoise{.start = starts[part], .length = 0.06, .level = 0.7 - 0.06 * part, .attack = 0.004,
            .decay = 0.02, .centre = centres[part], .q = 0.8, .seed = static_cast<std::uint32_t>(60 + part)});
    return synth;
}

TSynth Select()
{
    TSynth synth(0.36);
    synth.Add(Note(0, E6, 0.25, 0.1));
    synth.Add(Note(0.08, B6, 0.28, 0.1));
    return synth;
}

TSynth SelectorMove()
{
    TSynth synth(0.05);
    Tick(synth, 0, 5000, 0.4);
    synth.Add(TSynth::TTone{.length = 0.045, .frequency = 1500, .level = 1, .attack = 0.001, .decay = 0.01});
    return synth;
}

struct TSound {
    const char* name;
    std::function<TSynth()> make;
    double peak; // the frequent little ticks are quieter than the rest
};

const TMediaProducer sounds("sounds", [](TMediaKit& kit) {
    const TSound list[] = {
        {"1_katt1.wav", KeyClickRight, 0.7},
        {"1_katt2.wav", KeyClickWrong, 0.7},
        {"1_katt3.wav", TypingClick, 0.6},
        {"2_ev.wav", HitBlip, 0.75},
        {"2_ev2.wav", MissBlip, 0.7},
        {"2_le.wav", BallFalls, 0.8},
        {"2_plink.wav", Plink, 0.75},
        {"2_plunk.wav", Plunk, 0.75},
        {"2_taps.wav", Applause, 0.8},
        {"3_gkatt1.wav", ButtonClick, 0.7},
        {"3_gkatt2.wav", ButtonTock, 0.7},
        {"3_gugi.wav", Squat, 0.75},
        {"3_jo.wav", RightAnswer, 0.8},
        {"3_rossz.wav", WrongAnswer, 0.7},
        {"3_vcker.wav", DanceTune, 0.75},
        {"3_venek.wav", Spin, 0.75},
        {"harang.wav", Bell, 0.8},
        {"list_papirvalt.wav", PaperChange, 0.7},
        {"select.wav", Select, 0.75},
        {"selector.wav", SelectorMove, 0.5},
    };
    for (const TSound& sound : list) {
        TSynth synth = sound.make();
        synth.Normalise(sound.peak);
        kit.WriteSound(sound.name, synth.Wav());
    }
});

} // namespace

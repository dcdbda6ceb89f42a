// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "Effects.h"

#include <cmath>

namespace synth {
namespace {

double Pitch(int midiNote) {
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

// A buzzy brass-like note with a soft attack, for the fanfare.
Wave Brass(int midiNote, double seconds, double vibrato) {
    const double f = Pitch(midiNote);
    auto frequency = [=](double t) { return f * (1.0 + vibrato * std::sin(6.283185307 * 5.5 * t) * std::min(t / 0.3, 1.0)); };
    Wave saw = Tone(seconds, frequency, Shape::Saw);
    MixAt(saw, Tone(seconds, frequency, Shape::Square), 0, 0.5);
    Wave note = Lowpass(Lowpass(saw, 2600), 3400);
    AttackRelease(note, 0.02, std::min(0.25, seconds * 0.4));
    return note;
}

// A struck wooden bar: fundamental with the marimba's high partial.
Wave Marimba(int midiNote, double ring) {
    const double f = Pitch(midiNote);
    Wave note = Tone(ring * 6, f, Shape::Sine);
    Wave partial = Tone(ring * 6, f * 3.93, Shape::Sine);
    Decay(partial, 0.001, ring * 0.25);
    Decay(note, 0.002, ring);
    MixAt(note, partial, 0, 0.35);
    return note;
}

// A metal bar hit: inharmonic partials that die away at different speeds.
Wave Clank(double base, Noise& noise) {
    const double ratios[] = {1.0, 2.76, 5.40, 8.93};
    const double rings[] = {0.22, 0.12, 0.06, 0.035};
    Wave hit = Silence(0.5);
    for (int i = 0; i < 4; ++i) {
        Wave partial = Tone(0.5, base * ratios[i], Shape::Sine);
        Decay(partial, 0.0005, rings[i]);
        MixAt(hit, partial, 0, 1.0 / (1 + i * 0.6));
    }
    Wave strike = Highpass(WhiteNoise(0.04, noise), 2000);
    Decay(strike, 0.0003, 0.006);
    MixAt(hit, strike, 0, 0.9);
    Wave thud = Tone(0.15, [](double t) { return 110.0 - 200.0 * t; }, Shape::Sine);
    Decay(thud, 0.001, 0.04);
    MixAt(hit, thud, 0, 0.8);
    return hit;
}

// A short noise tick through a band: hand claps and rain drops.
Wave Tick(Noise& noise, double centre, double q, double ring) {
    Wave tick = Bandpass(WhiteNoise(ring * 6, noise), centre, q);
    Decay(tick, 0.0005, ring);
    return tick;
}

Wave MakeClick() {
    Noise noise(11);
    Wave click = Tone(0.07, 1900, Shape::Sine);
    Decay(click, 0.0005, 0.012);
    Wave body = Tone(0.07, 950, Shape::Triangle);
    Decay(body, 0.0005, 0.018);
    MixAt(click, body, 0, 0.6);
    Wave snap = Highpass(WhiteNoise(0.07, noise), 3000);
    Decay(snap, 0.0002, 0.003);
    MixAt(click, snap, 0, 0.7);
    return click;
}

Wave MakeStart() {
    // Up and away: a short pick-up chirp, then the long bright sweep.
    auto sweep = [](double from, double to, double seconds) {
        Wave w = Tone(seconds, [=](double t) { return from * std::pow(to / from, t / seconds); }, Shape::Square);
        MixAt(w, Tone(seconds, [=](double t) { return 2 * from * std::pow(to / from, t / seconds); }, Shape::Sine), 0, 0.5);
        w = Lowpass(w, 4500);
        AttackRelease(w, 0.004, seconds * 0.3);
        return w;
    };
    Wave start = sweep(520, 780, 0.09);
    MixAt(start, sweep(600, 1800, 0.36), 0.1);
    return start;
}

Wave MakeOut() {
    auto frequency = [](double t) { return 60.0 + 380.0 * std::exp(-t * 3.2) * (1.0 + 0.05 * std::sin(6.283185307 * 9 * t)); };
    Wave buzz = Tone(0.8, frequency, Shape::Saw);
    MixAt(buzz, Tone(0.8, [&](double t) { return frequency(t) * 1.01; }, Shape::Square), 0, 0.6);
    buzz = Lowpass(buzz, 2200);
    AttackRelease(buzz, 0.01, 0.25);
    return buzz;
}

Wave MakeClear() {
    struct Step { double at; int note; double length; };
    const Step tune[] = {{0.00, 67, 0.13}, {0.15, 72, 0.13}, {0.30, 76, 0.13}, {0.45, 79, 0.28},
                         {0.78, 76, 0.13}, {0.93, 79, 0.13}, {1.08, 84, 1.15}};
    Wave fanfare;
    for (const Step& s : tune) MixAt(fanfare, Brass(s.note, s.length, s.length > 0.5 ? 0.012 : 0.0), s.at);
    // The last note opens into a full chord underneath.
    MixAt(fanfare, Brass(72, 1.15, 0.0), 1.08, 0.45);
    MixAt(fanfare, Brass(76, 1.15, 0.0), 1.08, 0.45);
    MixAt(fanfare, Brass(60, 1.15, 0.0), 1.08, 0.4);
    return fanfare;
}

Wave MakeClaps() {
    Noise noise(5150);
    Wave claps = Silence(2.6);
    // Applause swells in, holds, and thins out: claps drawn by that density.
    auto density = [](double t) { return std::min({t / 0.25, 1.0, (2.5 - t) / 0.9}); };
    int placed = 0;
    while (placed < 150) {
        const double t = noise.Uniform(0.0, 2.5);
        if (noise.Uniform(0.0, 1.0) > density(t)) continue;
        MixAt(claps, Tick(noise, noise.Uniform(900, 2000), 1.4, noise.Uniform(0.005, 0.012)), t,
              noise.Uniform(0.4, 1.0));
        ++placed;
    }
    claps.resize(static_cast<size_t>(Samples(2.6)));
    AttackRelease(claps, 0.0, 0.3);
    return claps;
}

// One sung syllable: a buzzing voice shaped by two vowel formants.
Wave Syllable(double seconds, const std::function<double(double)>& pitch, double f1, double f2) {
    const Wave voice = Tone(seconds, [&](double t) { return pitch(t) * (1.0 + 0.015 * std::sin(6.283185307 * 5.5 * t)); },
                            Shape::Saw);
    Wave vowel = Bandpass(voice, f1, 4.0);
    MixAt(vowel, Bandpass(voice, f2, 6.0), 0, 0.6);
    MixAt(vowel, Lowpass(voice, 500), 0, 0.2);
    AttackRelease(vowel, 0.03, 0.08);
    return vowel;
}

Wave MakeYama() {
    // "Ya-hooo!" across the valley, and the mountains calling it back.
    Wave call = Syllable(0.32, [](double t) { return 300 + 60 * t; }, 780, 1250);
    MixAt(call, Syllable(0.5, [](double t) { return t < 0.06 ? 330 + 3000 * t : 510 + 80 * std::sin(3.14159 * t / 0.5); },
                         380, 820), 0.30);
    const Wave dry = call;
    MixAt(call, Lowpass(dry, 1600), 0.45, 0.45);
    MixAt(call, Lowpass(dry, 1000), 0.90, 0.22);
    return call;
}

Wave MakeOkasiya() {
    struct Step { double at; int note; };
    const Step tune[] = {{0.00, 84}, {0.12, 81}, {0.24, 84}, {0.36, 86}, {0.48, 84},
                         {0.60, 81}, {0.72, 77}, {0.90, 79}};
    Wave jingle;
    for (const Step& s : tune) MixAt(jingle, Marimba(s.note, 0.12), s.at);
    for (int note : {77, 81, 84}) MixAt(jingle, Marimba(note, 0.3), 1.08, 0.7);
    jingle.resize(static_cast<size_t>(Samples(1.8)));
    AttackRelease(jingle, 0.0, 0.2);
    return jingle;
}

Wave MakeKouji() {
    Noise noise(7007);
    struct Hit { double at; double base; };
    const Hit hits[] = {{0.00, 420}, {0.26, 380}, {0.50, 455}, {0.92, 420}, {1.14, 392}, {1.36, 440}};
    Wave site;
    for (const Hit& h : hits) MixAt(site, Clank(h.base, noise), h.at);
    site.resize(static_cast<size_t>(Samples(1.8)));
    AttackRelease(site, 0.0, 0.1);
    return site;
}

Wave MakeCar() {
    // Two honks on a two-tone horn.
    auto honk = [](double seconds) {
        Wave horn = Tone(seconds, 392, Shape::Square);
        MixAt(horn, Tone(seconds, 494, Shape::Square), 0, 0.9);
        horn = Lowpass(Bandpass(horn, 900, 0.8), 2500);
        for (double& s : horn) s = std::tanh(2.0 * s);
        AttackRelease(horn, 0.012, 0.03);
        return horn;
    };
    Wave car = honk(0.22);
    MixAt(car, honk(0.6), 0.32);
    return car;
}

Wave MakeRain() {
    Noise noise(1234);
    Wave rain = Lowpass(Highpass(WhiteNoise(2.0, noise), 500), 5000);
    ApplyGain(rain, [](double t) { return 0.8 + 0.2 * std::sin(6.283185307 * 1.3 * t); });
    for (int i = 0; i < 160; ++i)
        MixAt(rain, Tick(noise, noise.Uniform(2500, 6000), 3.0, 0.004), noise.Uniform(0.0, 1.95),
              noise.Uniform(1.5, 4.0));
    rain.resize(static_cast<size_t>(Samples(2.0)));
    AttackRelease(rain, 0.2, 0.5);
    return rain;
}

Wave MakeRiver() {
    Noise noise(4242);
    const Wave hiss = WhiteNoise(2.0, noise);
    Wave river = Lowpass(Lowpass(hiss, 600), 900);
    Wave rush = Bandpass(hiss, 1300, 0.9);
    ApplyGain(rush, [](double t) { return 0.5 + 0.5 * std::sin(6.283185307 * 0.8 * t + 1.0); });
    MixAt(river, rush, 0, 0.5);
    // Bubbles: little rising whistles bobbing along the flow.
    for (int i = 0; i < 30; ++i) {
        const double from = noise.Uniform(350, 900);
        const double length = noise.Uniform(0.03, 0.07);
        Wave bubble = Tone(length, [=](double t) { return from * (1.0 + 0.8 * t / length); }, Shape::Sine);
        Decay(bubble, 0.002, length * 0.4);
        MixAt(river, bubble, noise.Uniform(0.0, 1.9), noise.Uniform(0.04, 0.1));
    }
    river.resize(static_cast<size_t>(Samples(2.0)));
    AttackRelease(river, 0.25, 0.5);
    return river;
}

}  // namespace

const std::vector<Effect>& AllEffects() {
    static const std::vector<Effect> effects = {
        {"Click", MakeClick}, {"Start", MakeStart},     {"Out", MakeOut},     {"Clear", MakeClear},
        {"Claps", MakeClaps}, {"Yama", MakeYama},       {"Okasiya", MakeOkasiya}, {"Kouji", MakeKouji},
        {"Car", MakeCar},     {"Rain", MakeRain},       {"River", MakeRiver},
    };
    return effects;
}

Wave Render(const Effect& effect) {
    Wave wave = effect.make();
    Normalise(wave, kLoudnessDb, kCeilingDb);
    return wave;
}

}  // namespace synth

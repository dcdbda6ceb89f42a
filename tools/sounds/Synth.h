// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// A tiny synthesiser for the game's sound effects: mono sample buffers at
// 22,050 Hz as doubles in [-1, 1], built from oscillators, noise, filters
// and envelopes. Everything is deterministic (own noise generator).

#include <cstdint>
#include <functional>
#include <vector>

namespace synth {

constexpr int kRate = 22050;
using Wave = std::vector<double>;

enum class Shape { Sine, Square, Saw, Triangle };

int Samples(double seconds);
Wave Silence(double seconds);

// Noise from a fixed seed: the same seed gives the same sounds on every run.
class Noise {
public:
    explicit Noise(std::uint64_t seed) : m_state(seed) {}
    double White();                       // uniform in [-1, 1)
    double Uniform(double lo, double hi); // uniform in [lo, hi)
private:
    std::uint64_t Next();
    std::uint64_t m_state;
};

Wave WhiteNoise(double seconds, Noise& noise);

// An oscillator whose frequency (Hz) may change over time t (seconds).
Wave Tone(double seconds, const std::function<double(double t)>& frequency, Shape shape);
Wave Tone(double seconds, double frequency, Shape shape);

// Envelopes, applied in place.
void AttackRelease(Wave& wave, double attack, double release);  // linear ramps at both ends
void Decay(Wave& wave, double attack, double timeConstant);     // quick rise, exponential fall
void ApplyGain(Wave& wave, const std::function<double(double t)>& gain);

// Filters (one-pole and RBJ biquads), returning the filtered copy.
Wave Lowpass(const Wave& wave, double cutoff);
Wave Highpass(const Wave& wave, double cutoff);
Wave Bandpass(const Wave& wave, double centre, double q);

// Adds source into target from the given time on (target grows as needed).
void MixAt(Wave& target, const Wave& source, double atSeconds, double gain = 1.0);

// Repeats of the whole wave, each delay later and feedback times quieter.
void Echo(Wave& wave, double delay, double feedback, int repeats);

double Rms(const Wave& wave);
double Peak(const Wave& wave);
double ToDb(double amplitude);
double FromDb(double db);

// Brings the wave to the target loudness (RMS, dBFS) without letting any
// sample pass the ceiling (dBFS): loud transients are softly rounded off.
void Normalise(Wave& wave, double targetRmsDb, double ceilingDb);

}  // namespace synth

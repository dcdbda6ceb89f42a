// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "Synth.h"

#include <algorithm>
#include <cmath>

namespace synth {
namespace {

constexpr double kTwoPi = 6.283185307179586;

double Oscillate(double phase, Shape shape) {
    switch (shape) {
    case Shape::Sine: return std::sin(kTwoPi * phase);
    case Shape::Square: return phase < 0.5 ? 1.0 : -1.0;
    case Shape::Saw: return 2.0 * phase - 1.0;
    case Shape::Triangle: return phase < 0.5 ? 4.0 * phase - 1.0 : 3.0 - 4.0 * phase;
    }
    return 0.0;
}

struct Biquad {
    double b0, b1, b2, a1, a2;

    Wave Run(const Wave& in) const {
        Wave out(in.size());
        double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
        for (size_t i = 0; i < in.size(); ++i) {
            const double y = b0 * in[i] + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
            x2 = x1;
            x1 = in[i];
            y2 = y1;
            y1 = y;
            out[i] = y;
        }
        return out;
    }
};

// Band-pass with 0 dB peak gain (RBJ cookbook).
Biquad BandpassFilter(double centre, double q) {
    const double w = kTwoPi * centre / kRate;
    const double alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    return {alpha / a0, 0.0, -alpha / a0, -2 * std::cos(w) / a0, (1 - alpha) / a0};
}

void Scale(Wave& wave, double gain) {
    for (double& s : wave) s *= gain;
}

}  // namespace

int Samples(double seconds) {
    return static_cast<int>(std::lround(seconds * kRate));
}

Wave Silence(double seconds) {
    return Wave(static_cast<size_t>(Samples(seconds)), 0.0);
}

std::uint64_t Noise::Next() {
    // splitmix64: tiny, fast and well mixed.
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Noise::Uniform(double lo, double hi) {
    return lo + (hi - lo) * static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0);
}

double Noise::White() {
    return Uniform(-1.0, 1.0);
}

Wave WhiteNoise(double seconds, Noise& noise) {
    Wave wave = Silence(seconds);
    for (double& s : wave) s = noise.White();
    return wave;
}

Wave Tone(double seconds, const std::function<double(double)>& frequency, Shape shape) {
    Wave wave = Silence(seconds);
    double phase = 0.0;
    for (size_t i = 0; i < wave.size(); ++i) {
        wave[i] = Oscillate(phase, shape);
        phase += frequency(static_cast<double>(i) / kRate) / kRate;
        phase -= std::floor(phase);
    }
    return wave;
}

Wave Tone(double seconds, double frequency, Shape shape) {
    return Tone(seconds, [frequency](double) { return frequency; }, shape);
}

void ApplyGain(Wave& wave, const std::function<double(double)>& gain) {
    for (size_t i = 0; i < wave.size(); ++i) wave[i] *= gain(static_cast<double>(i) / kRate);
}

void AttackRelease(Wave& wave, double attack, double release) {
    const double length = static_cast<double>(wave.size()) / kRate;
    ApplyGain(wave, [=](double t) {
        double g = 1.0;
        if (attack > 0 && t < attack) g = t / attack;
        if (release > 0 && t > length - release) g = std::min(g, (length - t) / release);
        return std::max(g, 0.0);
    });
}

void Decay(Wave& wave, double attack, double timeConstant) {
    ApplyGain(wave, [=](double t) {
        const double rise = attack > 0 && t < attack ? t / attack : 1.0;
        return rise * std::exp(-std::max(t - attack, 0.0) / timeConstant);
    });
}

Wave Lowpass(const Wave& wave, double cutoff) {
    const double k = 1.0 - std::exp(-kTwoPi * cutoff / kRate);
    Wave out(wave.size());
    double state = 0.0;
    for (size_t i = 0; i < wave.size(); ++i) out[i] = state += k * (wave[i] - state);
    return out;
}

Wave Highpass(const Wave& wave, double cutoff) {
    Wave low = Lowpass(wave, cutoff);
    for (size_t i = 0; i < low.size(); ++i) low[i] = wave[i] - low[i];
    return low;
}

Wave Bandpass(const Wave& wave, double centre, double q) {
    return BandpassFilter(centre, q).Run(wave);
}

void MixAt(Wave& target, const Wave& source, double atSeconds, double gain) {
    const size_t start = static_cast<size_t>(Samples(atSeconds));
    if (target.size() < start + source.size()) target.resize(start + source.size(), 0.0);
    for (size_t i = 0; i < source.size(); ++i) target[start + i] += gain * source[i];
}

void Echo(Wave& wave, double delay, double feedback, int repeats) {
    const Wave dry = wave;
    double gain = 1.0;
    for (int r = 1; r <= repeats; ++r) {
        gain *= feedback;
        MixAt(wave, dry, delay * r, gain);
    }
}

double Rms(const Wave& wave) {
    if (wave.empty()) return 0.0;
    double sum = 0.0;
    for (double s : wave) sum += s * s;
    return std::sqrt(sum / static_cast<double>(wave.size()));
}

double Peak(const Wave& wave) {
    double peak = 0.0;
    for (double s : wave) peak = std::max(peak, std::fabs(s));
    return peak;
}

double ToDb(double amplitude) {
    return 20.0 * std::log10(amplitude);
}

double FromDb(double db) {
    return std::pow(10.0, db / 20.0);
}

void Normalise(Wave& wave, double targetRmsDb, double ceilingDb) {
    const double ceiling = FromDb(ceilingDb);
    for (int round = 0; round < 12; ++round) {
        const double rms = Rms(wave);
        if (rms <= 0.0) return;
        Scale(wave, FromDb(targetRmsDb) / rms);
        if (Peak(wave) <= ceiling) return;
        // Round off only what stands out: tanh keeps every sample under the ceiling.
        for (double& s : wave) s = ceiling * std::tanh(s / ceiling);
    }
    const double peak = Peak(wave);
    if (peak > ceiling) Scale(wave, ceiling / peak);
}

}  // namespace synth

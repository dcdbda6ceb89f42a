// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Tells whether a wave file's sound is in a recording, and where.
// Usage: sound_heard <recording.raw> <sound.wav> <from s> <to s>
// The recording is raw 16-bit little-endian mono at the wave file's rate (as
// parec writes it with --raw --format=s16le --channels=1 --rate=<rate>). The
// opening of the sound is slid over the recording between the two times; the
// best normalised correlation says how surely it is there. Exit 0 when it is
// (correlation >= 0.6), 1 when not, 2 on bad input.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

struct Wave {
    int rate = 0;
    std::vector<float> samples;
};

std::vector<char> ReadAll(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t U32(const char* p) { std::uint32_t v; std::memcpy(&v, p, 4); return v; }
std::uint16_t U16(const char* p) { std::uint16_t v; std::memcpy(&v, p, 2); return v; }

std::vector<float> Pcm16(const char* data, std::size_t bytes)
{
    std::vector<float> out(bytes / 2);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<std::int16_t>(U16(data + 2 * i)) / 32768.0f;
    return out;
}

// 16-bit mono PCM only: what the game's sounds are.
bool ReadWave(const char* path, Wave* wave)
{
    const std::vector<char> bytes = ReadAll(path);
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        return false;
    bool format = false;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const char* chunk = bytes.data() + at;
        const std::size_t size = U32(chunk + 4);
        if (at + 8 + size > bytes.size())
            return false;
        if (std::memcmp(chunk, "fmt ", 4) == 0 && size >= 16) {
            format = U16(chunk + 8) == 1 && U16(chunk + 10) == 1 && U16(chunk + 22) == 16;
            wave->rate = static_cast<int>(U32(chunk + 12));
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            wave->samples = Pcm16(chunk + 8, size);
            return format;
        }
        at += 8 + size + (size & 1);
    }
    return false;
}

double Rms(const float* x, std::size_t n)
{
    double sum = 0;
    for (std::size_t i = 0; i < n; ++i)
        sum += double(x[i]) * x[i];
    return n ? std::sqrt(sum / n) : 0.0;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: sound_heard <recording.raw> <sound.wav> <from s> <to s>\n");
        return 2;
    }
    Wave ref;
    if (!ReadWave(argv[2], &ref) || ref.samples.empty()) {
        std::fprintf(stderr, "sound_heard: %s is not a 16-bit mono wave file\n", argv[2]);
        return 2;
    }
    const std::vector<char> raw = ReadAll(argv[1]);
    const std::vector<float> rec = Pcm16(raw.data(), raw.size());

    // The sound's opening, from its first audible sample, a fifth of a second long.
    float peak = 0;
    for (float s : ref.samples)
        peak = std::max(peak, std::fabs(s));
    std::size_t first = 0;
    while (first < ref.samples.size() && std::fabs(ref.samples[first]) < 0.05f * peak)
        ++first;
    const std::size_t n = std::min<std::size_t>(ref.rate / 5, ref.samples.size() - first);
    const float* head = ref.samples.data() + first;
    const double headNorm = Rms(head, n) * std::sqrt(double(n));

    const auto at = [&](double seconds) {
        return std::clamp<std::size_t>(static_cast<std::size_t>(std::max(0.0, seconds) * ref.rate), 0, rec.size());
    };
    const std::size_t from = at(std::atof(argv[3]));
    const std::size_t to = at(std::atof(argv[4]));
    double best = 0;
    std::size_t bestAt = from;
    for (std::size_t t = from; t + n <= rec.size() && t < to; ++t) {
        double dot = 0, energy = 0;
        for (std::size_t i = 0; i < n; ++i) {
            dot += double(head[i]) * rec[t + i];
            energy += double(rec[t + i]) * rec[t + i];
        }
        if (energy <= 0)
            continue;
        const double c = dot / (headNorm * std::sqrt(energy));
        if (c > best) {
            best = c;
            bestAt = t;
        }
    }
    const double windowRms = to > from ? Rms(rec.data() + from, to - from) : 0.0;
    std::printf("%s: correlation %.2f at %.2f s, loudness %.4f in %.2f..%.2f s (recording %.2f s)\n", argv[2], best,
                double(bestAt) / ref.rate, windowRms, double(from) / ref.rate, double(to) / ref.rate,
                double(rec.size()) / ref.rate);
    return best >= 0.6 ? 0 : 1;
}

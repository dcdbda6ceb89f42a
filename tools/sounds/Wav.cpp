// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "Wav.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace synth {
namespace {

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutTag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

std::vector<std::uint8_t> EncodeWav(const Wave& wave) {
    constexpr int kChannels = 1;
    constexpr int kBits = 16;
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(wave.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    Put(out, 36 + dataBytes, 4);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put(out, 16, 4);
    Put(out, 1, 2);  // PCM
    Put(out, kChannels, 2);
    Put(out, kRate, 4);
    Put(out, kRate * kChannels * kBits / 8, 4);
    Put(out, kChannels * kBits / 8, 2);
    Put(out, kBits, 2);
    PutTag(out, "data");
    Put(out, dataBytes, 4);
    for (double s : wave) {
        const long v = std::clamp(std::lround(s * 32767.0), -32768L, 32767L);
        Put(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(v)) & 0xffffu, 2);
    }
    return out;
}

bool WriteWav(const std::string& path, const Wave& wave) {
    const std::vector<std::uint8_t> bytes = EncodeWav(wave);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace synth

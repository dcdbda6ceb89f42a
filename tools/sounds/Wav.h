// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// RIFF WAVE files: 16-bit PCM, mono, 22,050 Hz, the form every player accepts.

#include "Synth.h"

#include <cstdint>
#include <string>
#include <vector>

namespace synth {

// The whole file: 44-byte header and the samples, rounded and clamped to 16 bits.
std::vector<std::uint8_t> EncodeWav(const Wave& wave);

bool WriteWav(const std::string& path, const Wave& wave);

}  // namespace synth

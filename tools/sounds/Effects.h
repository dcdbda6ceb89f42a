// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The eleven sound effects of the game, each a small synthesis recipe.

#include "Synth.h"

#include <string>
#include <vector>

namespace synth {

struct Effect {
    std::string name;  // file name without ".wav", case as the game asks for it
    Wave (*make)();
};

// Every effect in a fixed order: Click, Start, Out, Clear, Claps, Yama,
// Okasiya, Kouji, Car, Rain, River.
const std::vector<Effect>& AllEffects();

// An effect made and brought to the common loudness, ready to write.
Wave Render(const Effect& effect);

// The common loudness and the peak ceiling, in dBFS.
constexpr double kLoudnessDb = -18.0;
constexpr double kCeilingDb = -1.5;

}  // namespace synth

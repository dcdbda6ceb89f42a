// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// gen_sounds <assets-dir>: synthesises the game's eleven sound effects into
// <assets-dir>/sound/<Name>.wav.

#include "Effects.h"
#include "Wav.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_sounds <assets-dir>\n");
        return 2;
    }
    const std::filesystem::path folder = std::filesystem::path(argv[1]) / "sound";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "gen_sounds: cannot create %s\n", folder.string().c_str());
        return 1;
    }
    for (const synth::Effect& effect : synth::AllEffects()) {
        const std::filesystem::path file = folder / (effect.name + ".wav");
        if (!synth::WriteWav(file.string(), synth::Render(effect))) {
            std::fprintf(stderr, "gen_sounds: cannot write %s\n", file.string().c_str());
            return 1;
        }
    }
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Reading a course pack: the game's own, its file checked field by field and
// both maps decoded and hashed, as the course list does for the pack it opens.

#include "game/AppFolder.h"
#include "rules/CoursePack.h"

#include <benchmark/benchmark.h>

namespace {

void BM_LoadPack(benchmark::State& state)
{
    const QString folder = game::AppFolder();
    for (auto _ : state) {
        const course::Pack pack = course::LoadPack(folder);
        if (!pack.ok())
            state.SkipWithError("the game's own pack does not load");
        benchmark::DoNotOptimize(pack.playHash);
    }
}
BENCHMARK(BM_LoadPack)->Unit(benchmark::kMillisecond);

}  // namespace

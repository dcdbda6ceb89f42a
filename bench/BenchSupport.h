// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// What the micro-benchmarks share: the course pictures of the build tree.

#include <QImage>

#include <memory>

class HighScoreTable;
class PlayScreen;
namespace benchmark {
class State;
}

namespace bench {

// A course picture from the build tree's dat/ folder, as the play screen keeps
// it (32-bit colours). Null when the file cannot be read.
QImage LoadCourse(int stage);

// A shown stage 1 play screen at `level` on the build tree's course, a run
// begun from its first start sign; null (the benchmark told why) when the
// course cannot be read.
std::unique_ptr<PlayScreen> RunningStage1(benchmark::State& state, HighScoreTable& table, int level);

}  // namespace bench

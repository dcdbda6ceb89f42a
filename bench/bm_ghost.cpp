// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The ghost: recording one pointer move of a run, one frame of the ghost on
// a shown play screen, and the size of a kept record run.

#include "BenchSupport.h"
#include "game/GhostRecorder.h"
#include "game/GhostStore.h"
#include "play/GhostRace.h"
#include "play/PlayScreen.h"
#include "game/HighScoreTable.h"
#include "rules/Course.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace {

constexpr int kSamplesPerSecond = 60;

// One pointer move as the run records it: most moves come quicker than a
// sixtieth of a second and are passed over; the rest take a sample. The room
// taken at the Start click must not grow.
void BM_GhostRecordMove(benchmark::State& state)
{
    GhostRecorder recorder;
    recorder.start();
    const std::size_t room = recorder.path().samples.capacity();
    int x = 0;
    for (auto _ : state) {
        recorder.recordPosition(QPoint(x, 93));
        x = (x + 1) & 255;
    }
    state.counters["capacity_changes"] = recorder.path().samples.capacity() == room ? 0 : 1;
}
BENCHMARK(BM_GhostRecordMove);

// A path of `seconds` at the full rate, along a zigzag, ending at the goal.
ghost::GhostRecord FullRateRun(int stage, int seconds)
{
    const course::Stage& described = course::BuiltIn().stage(stage);
    ghost::GhostRecord record{2, stage, seconds, ghost::CourseHash(described), {}, std::nullopt};
    const int samples = std::min(seconds * kSamplesPerSecond, ghost::kMaxSamples);
    for (int i = 0; i < samples; ++i)
        record.path.samples.push_back({static_cast<std::uint32_t>(i * 1000 / kSamplesPerSecond),
                                       static_cast<std::int16_t>(i % 300), static_cast<std::int16_t>((i / 300) % 300)});
    for (int mark = 0; mark < static_cast<int>(described.checkpoints.size()); ++mark)
        if (described.checkpoints[static_cast<std::size_t>(mark)].live)
            record.path.marks.push_back({mark, static_cast<std::uint32_t>(mark * 1000)});
    record.path.marks.push_back({ghost::kGoalMark, record.path.samples.back().ms});
    return record;
}

// The bytes a stage 2 record run takes: the hard level's whole 90 seconds at
// the full rate, two minutes, and the longest run a file holds after thinning.
void BM_GhostFileSize(benchmark::State& state)
{
    qsizetype bytes = 0;
    for (auto _ : state)
        bytes = ghost::Encode(FullRateRun(2, 90)).size();
    state.counters["stage2_90s_bytes"] = static_cast<double>(bytes);
    state.counters["two_minutes_bytes"] = static_cast<double>(ghost::Encode(FullRateRun(2, 120)).size());
    state.counters["largest_bytes"] = static_cast<double>(ghost::Encode(FullRateRun(2, 3600)).size());
}
BENCHMARK(BM_GhostFileSize)->Unit(benchmark::kMicrosecond);

// One frame of the ghost on a shown stage 1 play screen during a run, a
// sixtieth of a second further along a kept record run; /0 stops at the
// repaint request of its old and new rectangles, /1 also repaints them
// (offscreen platform).
void BM_GhostFrame(benchmark::State& state)
{
    const bool paint = state.range(0) != 0;
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));  // never the player's own record runs
    ghost::GhostRecord record = FullRateRun(1, 60);
    HighScoreTable table;
    table.scores(2, 1)[0] = record.score;
    if (!ghost::SaveGhost(table.group(), record)) {
        state.SkipWithError("the record run could not be kept");
        return;
    }
    const std::unique_ptr<PlayScreen> form = bench::RunningStage1(state, table, 2);
    if (!form)
        return;
    if (!form->ghostRace()->record()) {
        state.SkipWithError("no ghost to race");
        return;
    }
    std::int64_t ms = 0;
    for (auto _ : state) {
        ms = (ms + 1000 / kSamplesPerSecond) % record.path.endTime();
        form->ghostRace()->showAt(ms);
        if (paint)
            QApplication::processEvents();
    }
    qunsetenv("XDG_DATA_HOME");
}
BENCHMARK(BM_GhostFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The stage 2 hazards: one beat of every hazard timer, first as the bare step
// rules, then as the play screen runs it (moving the marks and repainting).

#include "BenchSupport.h"
#include "game/GameSession.h"
#include "game/HighScoreTable.h"

#include "game/AppFolder.h"
#include "play/PlayScreen.h"
#include "rules/Course.h"
#include "widgets/Widgets.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

void BM_HazardStepRules(benchmark::State& state)
{
    const course::Stage& stage = course::BuiltIn().stage(2);
    std::vector<course::Position> at;
    for (const course::Hazard& h : stage.hazards)
        at.push_back({h.rect.top(), false});
    for (auto _ : state) {
        for (std::size_t i = 0; i < at.size(); ++i)
            at[i] = course::Step(stage.hazards[i].motion, at[i]);
        benchmark::DoNotOptimize(at.data());
    }
}
BENCHMARK(BM_HazardStepRules);

// One beat of every hazard timer on a shown stage 2 play screen, then the
// repaint it causes (offscreen platform: drawing without a display).
void BM_HazardTimersOnScreen(benchmark::State& state)
{
    HighScoreTable table;
    auto form = std::make_unique<PlayScreen>(table, 1, 2, 5);
    if (!form->setUpStage()) {
        state.SkipWithError("the stage 2 course could not be read");
        return;
    }
    form->session()->startHazards();  // shown, and stepped by hand below
    form->session()->stopHazards();
    form->show();
    QApplication::processEvents();
    const std::vector<int> periods = course::HazardPeriods(form->session()->stageCourse());
    for (auto _ : state) {
        for (int period : periods)
            form->session()->stepHazards(period);
        QApplication::processEvents();
    }
    form->hide();
}
BENCHMARK(BM_HazardTimersOnScreen)->Unit(benchmark::kMicrosecond);

}  // namespace

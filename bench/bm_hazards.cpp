// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The stage 2 hazards: one beat of every hazard timer, first as the bare step
// rules, then as the play screen runs it (moving the marks and repainting).

#include "BenchSupport.h"
#include "game/GameSession.h"
#include "ranking/HighScoreTable.h"

#include "game/AppFolder.h"
#include "play/PlayScreen.h"
#include "rules/HazardSteps.h"
#include "widgets/Widgets.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

void BM_HazardStepRules(benchmark::State& state)
{
    std::array<int, hazard::kLeftLaneTaxiCount> car1 = hazard::kLeftLaneTaxiStartTops;
    std::array<int, hazard::kRightLaneTaxiCount> car2 = hazard::kRightLaneTaxiStartTops;
    hazard::RainState rain{hazard::kRainStartTop, 0};
    std::int16_t bridge = 0;
    for (auto _ : state) {
        for (int& top : car1)
            top = hazard::StepLeftLaneTaxiTop(top);
        for (int& top : car2)
            top = hazard::StepRightLaneTaxiTop(top);
        rain = hazard::StepRain(rain);
        bridge = hazard::NextBridgePhase(bridge);
        benchmark::DoNotOptimize(car1);
        benchmark::DoNotOptimize(car2);
        benchmark::DoNotOptimize(rain);
        benchmark::DoNotOptimize(bridge);
    }
}
BENCHMARK(BM_HazardStepRules);

// The three timer procedures on a shown stage 2 play screen, then the repaint
// they cause (offscreen platform: drawing without a display).
void BM_HazardTimersOnScreen(benchmark::State& state)
{
    HighScoreTable table;
    auto form = std::make_unique<PlayScreen>(table, 1, 2, 5);
    if (!form->setUpStage()) {
        state.SkipWithError("the stage 2 course could not be read");
        return;
    }
    for (MapMark* mark : {form->leftLaneTaxis[0], form->leftLaneTaxis[1], form->leftLaneTaxis[2], form->rightLaneTaxis[0],
                          form->rightLaneTaxis[1], form->rain, form->bridgePieces[0], form->bridgePieces[1],
                          form->bridgePieces[2]})
        mark->show();
    form->show();
    QApplication::processEvents();
    for (auto _ : state) {
        form->session()->moveTaxis();
        form->session()->swayRain();
        form->session()->turnBridge();
        QApplication::processEvents();
    }
    form->hide();
}
BENCHMARK(BM_HazardTimersOnScreen)->Unit(benchmark::kMicrosecond);

}  // namespace

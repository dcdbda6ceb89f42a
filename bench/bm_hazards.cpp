// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The stage 2 hazards: one beat of every hazard timer, first as the bare step
// rules, then as the play screen runs it (moving the marks and repainting).

#include "BenchSupport.h"

#include "game/HazardSteps.h"
#include "game/Module1.h"
#include "screens/Widgets.h"
#include "screens/form_Main.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

void BM_HazardStepRules(benchmark::State& state)
{
    std::array<int, hazard::kCar1Count> car1 = hazard::kCar1StartTops;
    std::array<int, hazard::kCar2Count> car2 = hazard::kCar2StartTops;
    hazard::RainState rain{hazard::kRainStartTop, 0};
    std::int16_t bridge = 0;
    for (auto _ : state) {
        for (int& top : car1)
            top = hazard::StepCar1Top(top);
        for (int& top : car2)
            top = hazard::StepCar2Top(top);
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
    Module1::g_Level = 1;
    Module1::g_Stage = 2;
    auto form = std::make_unique<form_Main>();
    if (!form->InitGame()) {
        state.SkipWithError("the stage 2 course could not be read");
        return;
    }
    for (MapMark* mark : {form->img_Car1[0], form->img_Car1[1], form->img_Car1[2], form->img_Car2[0],
                          form->img_Car2[1], form->img_Rain, form->img_Bridge[0], form->img_Bridge[1],
                          form->img_Bridge[2]})
        mark->show();
    form->show();
    QApplication::processEvents();
    for (auto _ : state) {
        form->timer_Obj1_Timer();
        form->timer_Obj2_Timer();
        form->timer_Obj3_Timer();
        QApplication::processEvents();
    }
    form->hide();
    Module1::ResetState();
}
BENCHMARK(BM_HazardTimersOnScreen)->Unit(benchmark::kMicrosecond);

}  // namespace

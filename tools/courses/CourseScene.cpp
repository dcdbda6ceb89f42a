// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "CourseScene.h"

#include "rules/HazardSteps.h"
#include "rules/MapMarks.h"

namespace coursecheck {

namespace {

QString Indexed(const char* name, int i) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i); }

// The moving hazards after a number of timer ticks since they were enabled.
struct Hazards {
    std::array<int, hazard::kLeftLaneTaxiCount> car1 = hazard::kLeftLaneTaxiStartTops;
    std::array<int, hazard::kRightLaneTaxiCount> car2 = hazard::kRightLaneTaxiStartTops;
    hazard::RainState rain{hazard::kRainStartTop, 0};
    std::array<bool, hazard::kBridgePieces> open{};  // all planks until the first bridge tick
    std::int16_t phase = 0;

    // Timers fire every 300, 800 and 1000 ms; step n is n * 100 ms.
    Hazards next(int s) const
    {
        Hazards h = *this;
        if (s % 3 == 0) {
            for (int& top : h.car1) top = hazard::StepLeftLaneTaxiTop(top);
            for (int& top : h.car2) top = hazard::StepRightLaneTaxiTop(top);
        }
        if (s % 8 == 0)
            h.rain = hazard::StepRain(h.rain);
        if (s % 10 == 0) {
            h.open = hazard::kBridgePattern[static_cast<std::size_t>(h.phase)];
            h.phase = hazard::NextBridgePhase(h.phase);
        }
        return h;
    }

    // The states are computed once, in order, and kept: the checker asks for every step.
    static Hazards AtStep(int n)
    {
        static std::vector<Hazards> states{Hazards{}};
        while (static_cast<int>(states.size()) <= n)
            states.push_back(states.back().next(static_cast<int>(states.size())));
        return states[static_cast<std::size_t>(n)];
    }
};

Element Mark(QString name, QRect rect) { return {std::move(name), rect, Effect::Safe, false}; }
Element Danger(QString name, QRect rect) { return {std::move(name), rect, Effect::Deadly, true}; }

}  // namespace

QRect StartZone(int index) { return marks::kStart[index == 0 ? 0 : 1].px(); }
QRect GoalZone(int index) { return marks::kGoal[index == 0 ? 0 : 1].px(); }
QRect CheckpointArea(int index) { return marks::kCheckpointAreas[index].px(); }

QPoint startPoint(int stage) { return marks::kStartPoint[stage == 1 ? 0 : 1]; }

Scene StageScene(int stage, int step)
{
    const bool hazards = stage == 2;
    const bool moving = hazards && step >= 0;
    const Hazards h = Hazards::AtStep(step < 0 ? 0 : step);
    Scene s;
    auto msg = [&s](int i) { s.push_back(Mark(Indexed("checkpoints", i), CheckpointArea(i))); };

    s.push_back(Mark(Indexed("startZones", 0), StartZone(0)));
    s.push_back(Mark(Indexed("startZones", 1), StartZone(1)));
    if (hazards) {
        // The road-works covers swallow the pointer: taxis under them cannot be touched.
        s.push_back(Mark(Indexed("roadWorks", 1), marks::kRoadWorks[1].px()));
        s.push_back(Mark(Indexed("roadWorks", 0), marks::kRoadWorks[0].px()));
    }
    if (moving) {
        for (int i = hazard::kRightLaneTaxiCount - 1; i >= 0; --i)
            s.push_back(Danger(Indexed("rightLaneTaxis", i), marks::kRightLaneTaxis[i].atTop(h.car2[static_cast<std::size_t>(i)])));
        // The first lane only kills on a click: moving over it is harmless.
        for (int i = hazard::kLeftLaneTaxiCount - 1; i >= 0; --i)
            s.push_back({Indexed("leftLaneTaxis", i), marks::kLeftLaneTaxis[i].atTop(h.car1[static_cast<std::size_t>(i)]), Effect::Safe, true});
    }
    s.push_back(Mark(Indexed("goalMarks", 1), GoalZone(1)));
    msg(17);
    msg(16);
    if (hazards) {
        for (int i = hazard::kBridgePieces - 1; i >= 0; --i) {
            const QRect piece = marks::kBridge[i].px();
            const bool open = moving && h.open[static_cast<std::size_t>(i)];
            s.push_back({Indexed("bridgePieces", i), piece, open ? Effect::Deadly : Effect::Safe, true});
        }
        s.push_back(Danger(Indexed("riverStrips", 1), marks::kRiver[1].px()));
        s.push_back(Danger(Indexed("riverStrips", 0), marks::kRiver[0].px()));
    }
    for (int i = 15; i >= 12; --i)
        msg(i);
    if (moving)
        s.push_back(Danger(QStringLiteral("rain"), marks::kRain.atTop(h.rain.top)));
    for (int i = 11; i >= 4; --i)
        msg(i);
    s.push_back(Mark(Indexed("goalMarks", 0), GoalZone(0)));
    for (int i = 3; i >= 0; --i)
        msg(i);
    return s;
}

CoursePlan StagePlan(int stage)
{
    CoursePlan plan;
    plan.start = startPoint(stage);
    auto name = [](int i) { return Indexed("checkpoints", i); };
    if (stage == 1) {
        plan.goal = GoalZone(0);
        plan.still = StageScene(1, -1);
        // Fork at mark 0; the mountain road passes 1, 3 and 4, the shortcut 2;
        // both ways meet before the sweet shop (5, 6) and the building site (7, 8).
        for (int i : {0, 5, 6, 7, 8})
            plan.mustPass.push_back({name(i)});
        for (int i : {1, 3, 4})
            plan.mustPass.push_back({name(i), name(2)});
        plan.optional = {name(1), name(2)};
        plan.maxRouteLength = 900;
    } else {
        plan.goal = GoalZone(1);
        plan.still = StageScene(2, -1);
        plan.at = [](int step) { return StageScene(2, step); };
        for (int i = 9; i <= 17; ++i)
            plan.mustPass.push_back({name(i)});
    }
    return plan;
}

}  // namespace coursecheck

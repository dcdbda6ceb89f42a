// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "CourseScene.h"

#include "rules/StageScene.h"

#include <memory>

namespace coursecheck {

namespace {

QString Indexed(const char* name, int i) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i); }

// A period in the checker's 100 ms steps.
int StepsPerPeriod(const course::Hazard& h) { return std::max(1, (h.periodMs + 50) / 100); }

// The stage's hazards after a number of 100 ms steps since their timers started.
struct HazardStates {
    std::vector<course::HazardState> of;

    explicit HazardStates(const course::Stage& stage)
    {
        for (const course::Hazard& h : stage.hazards)
            of.push_back(course::StartState(h));
    }

    HazardStates next(const course::Stage& stage, int step) const
    {
        HazardStates n = *this;
        for (std::size_t i = 0; i < stage.hazards.size(); ++i)
            if (stage.hazards[i].periodMs > 0 && step % StepsPerPeriod(stage.hazards[i]) == 0)
                course::StepHazard(stage.hazards[i], n.of[i]);
        return n;
    }
};

// The states are computed once, in order, and kept: the checker asks for every step.
class HazardTimeline {
public:
    explicit HazardTimeline(const course::Stage& stage) : m_stage(stage), m_states{HazardStates(stage)} {}
    const HazardStates& at(int step)
    {
        while (static_cast<int>(m_states.size()) <= step)
            m_states.push_back(m_states.back().next(m_stage, static_cast<int>(m_states.size())));
        return m_states[static_cast<std::size_t>(step)];
    }

private:
    course::Stage m_stage;
    std::vector<HazardStates> m_states;
};

const char* ListName(course::Layer layer)
{
    switch (layer) {
    case course::Layer::Start: return "startZones";
    case course::Layer::Goal: return "goalMarks";
    case course::Layer::Checkpoint: return "checkpoints";
    case course::Layer::Cover: return "covers";
    case course::Layer::Hazard: return "hazards";
    }
    return "";
}

// The scene's elements as they stand (`moving`: the moving ones are there).
Scene Named(const course::StageScene& scene, bool moving)
{
    Scene s;
    for (const course::SceneElement& e : scene.elements()) {
        if (e.moves && !moving)
            continue;
        const QString name = e.piece >= 0 ? QStringLiteral("hazards(%1.%2)").arg(e.index).arg(e.piece) : Indexed(ListName(e.layer), e.index);
        s.push_back({name, e.rect, e.harms ? Effect::Deadly : Effect::Safe, e.layer == course::Layer::Hazard});
    }
    return s;
}

// The stage with its covers and hazards shown, as the hazards stand.
course::StageScene Shown(const course::Stage& stage, const HazardStates& state)
{
    course::StageScene scene(stage);
    scene.showHazards();
    scene.setHazards(state.of);
    return scene;
}

QString CheckpointName(int i) { return Indexed("checkpoints", i); }

}  // namespace

Scene StageScene(const course::Stage& stage, int step)
{
    HazardTimeline timeline(stage);
    return Named(Shown(stage, timeline.at(std::max(step, 0))), step >= 0);
}

CoursePlan StagePlan(const course::Stage& stage)
{
    CoursePlan plan;
    if (const course::StartZone* start = stage.ownStart())
        plan.start = start->point;
    if (const course::Goal* goal = stage.liveGoal())
        plan.goal = goal->rect;
    plan.still = StageScene(stage, -1);
    if (!stage.hazards.empty()) {
        auto timeline = std::make_shared<HazardTimeline>(stage);
        auto scene = std::make_shared<course::StageScene>(Shown(stage, timeline->at(0)));
        plan.at = [scene, timeline](int step) {
            scene->setHazards(timeline->at(step).of);
            return Named(*scene, true);
        };
    }
    for (const std::vector<int>& set : stage.route.mustPass) {
        std::vector<QString> names;
        for (int i : set)
            names.push_back(CheckpointName(i));
        plan.mustPass.push_back(names);
    }
    for (int i : stage.route.branches)
        plan.optional.push_back(CheckpointName(i));
    plan.maxRouteLength = stage.route.maxLength;
    plan.offRoad = stage.offRoad;
    return plan;
}

}  // namespace coursecheck

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "CourseScene.h"

#include <memory>

namespace coursecheck {

namespace {

QString Indexed(const char* name, int i) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i); }

bool Moves(const course::Hazard& h) { return h.periodMs > 0 && h.motion.step != 0; }

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

Element Mark(QString name, QRect rect) { return {std::move(name), rect, Effect::Safe, false}; }

// A hazard's elements, topmost first, as they stand (`moving`: the moving ones are there).
void AddHazard(Scene& s, const course::Hazard& h, int index, const HazardStates& state, bool moving)
{
    const auto i = static_cast<std::size_t>(index);
    if (h.kind == course::HazardKind::Bridge && !h.pieces.empty()) {
        for (int p = static_cast<int>(h.pieces.size()) - 1; p >= 0; --p) {
            const bool open = moving && state.of[i].open[static_cast<std::size_t>(p)];
            s.push_back({QStringLiteral("hazards(%1.%2)").arg(index).arg(p), h.pieces[static_cast<std::size_t>(p)],
                         open ? Effect::Deadly : Effect::Safe, true});
        }
        return;
    }
    if (Moves(h) && !moving)
        return;
    // A click lane only kills on a click: moving over it is harmless.
    const Effect effect = h.harm == course::Harm::Click ? Effect::Safe : Effect::Deadly;
    const QRect rect = Moves(h) ? course::At(h.rect, state.of[i].at.top) : h.rect;
    s.push_back({Indexed("hazards", index), rect, effect, true});
}

Scene SceneAt(const course::Stage& stage, const HazardStates& state, bool moving)
{
    Scene s;
    for (auto it = stage.stacking.crbegin(); it != stage.stacking.crend(); ++it) {
        const auto i = static_cast<std::size_t>(it->index);
        switch (it->layer) {
        case course::Layer::Start:
            s.push_back(Mark(Indexed("startZones", it->index), stage.starts.at(i).rect));
            break;
        case course::Layer::Goal:
            s.push_back(Mark(Indexed("goalMarks", it->index), stage.goals.at(i).rect));
            break;
        case course::Layer::Checkpoint:
            s.push_back(Mark(Indexed("checkpoints", it->index), stage.checkpoints.at(i).rect));
            break;
        case course::Layer::Cover:  // swallows the pointer: a taxi under it cannot be touched
            s.push_back(Mark(Indexed("covers", it->index), stage.covers.at(i).rect));
            break;
        case course::Layer::Hazard:
            AddHazard(s, stage.hazards.at(i), it->index, state, moving);
            break;
        }
    }
    return s;
}

QString CheckpointName(int i) { return Indexed("checkpoints", i); }

}  // namespace

Scene StageScene(const course::Stage& stage, int step)
{
    HazardTimeline timeline(stage);
    return SceneAt(stage, timeline.at(std::max(step, 0)), step >= 0);
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
        plan.at = [stage, timeline](int step) { return SceneAt(stage, timeline->at(step), true); };
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

Scene StageScene(int stage, int step) { return StageScene(course::BuiltIn().stage(stage), step); }
CoursePlan StagePlan(int stage) { return StagePlan(course::BuiltIn().stage(stage)); }

}  // namespace coursecheck

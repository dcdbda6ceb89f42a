// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "rules/Course.h"

#include <QCoreApplication>

#include <algorithm>

namespace course {

namespace {
// The catalogue names its own language: "en" in the English one.
const char* const kCatalogueLanguage = QT_TRANSLATE_NOOP("course", "ja");
}  // namespace

QString Text::shown() const
{
    if (!english.isEmpty() && QCoreApplication::translate("course", kCatalogueLanguage) == QLatin1String("en"))
        return english;
    if (context)
        return QCoreApplication::translate(context, japanese.toUtf8().constData());
    return japanese;
}

const StartZone* Stage::ownStart() const
{
    for (const StartZone& z : starts)
        if (z.own)
            return &z;
    return nullptr;
}

const Goal* Stage::liveGoal() const
{
    for (const Goal& g : goals)
        if (g.live)
            return &g;
    return nullptr;
}

HazardTraits Traits(HazardKind kind)
{
    switch (kind) {
    case HazardKind::Car: return {.timed = true, .motion = true};
    case HazardKind::Rain: return {.timed = true, .motion = true, .loud = false};
    case HazardKind::River: return {};
    case HazardKind::Bridge: return {.timed = true, .pieces = true};
    }
    return {};
}

Position Step(const Motion& motion, Position at)
{
    if (motion.sway) {
        at.top += at.back ? -motion.step : motion.step;
        if (at.top >= motion.high)
            at.back = true;
        if (at.top <= motion.low)
            at.back = false;
        return at;
    }
    at.top += motion.step;
    if (motion.step > 0 && at.top >= motion.high)
        at.top = motion.low;
    else if (motion.step < 0 && at.top <= motion.low)
        at.top = motion.high;
    return at;
}

HazardState StartState(const Hazard& hazard)
{
    return {{hazard.rect.top(), false}, std::vector<bool>(hazard.pieces.size(), false), 0};
}

bool StepHazard(const Hazard& hazard, HazardState& state)
{
    if (hazard.periodMs <= 0)
        return false;
    if (!hazard.pattern.empty()) {
        state.open = hazard.pattern[state.nextRow % hazard.pattern.size()];
        state.open.resize(hazard.pieces.size(), false);
        state.nextRow = (state.nextRow + 1) % hazard.pattern.size();
        return true;
    }
    if (hazard.motion.step == 0)
        return false;
    state.at = Step(hazard.motion, state.at);
    return true;
}

std::vector<int> HazardPeriods(const Stage& stage)
{
    std::vector<int> periods;
    for (const Hazard& h : stage.hazards)
        if (h.periodMs > 0 && std::find(periods.begin(), periods.end(), h.periodMs) == periods.end())
            periods.push_back(h.periodMs);
    return periods;
}

}  // namespace course

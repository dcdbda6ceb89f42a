// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The signs the game draws over the stage's own starts and its live goal, for
// a map that shows none (widgets/Signs.cpp draws them).

#include "game/GameSession.h"
#include "play/PlayScreen.h"
#include "rules/Practice.h"
#include "widgets/Signs.h"
#include "widgets/Widgets.h"

void PlayScreen::markSigns()
{
    const course::Stage& stage = m_session->stageCourse();
    const bool drawn = stage.signs == course::Signs::Drawn;
    // A stretch practised from a checkpoint begins at a zone of its own, which no map shows.
    const bool stretch = game::RulesOf(m_session->mode()).stretches && m_session->practiceFrom() != course::kFromStart;
    for (std::size_t i = 0; i < stage.starts.size(); ++i)
        if (MapMark* zone = m_startZones[i]; zone && stage.starts[i].own && (drawn || stretch))
            zone->setPicture(look::StartSign(zone->size()));
    const course::Goal* goal = stage.liveGoal();
    if (MapMark* mark = goal && drawn ? m_goalMarks[static_cast<std::size_t>(goal - stage.goals.data())] : nullptr)
        mark->setPicture(look::GoalSign(mark->size()));
}

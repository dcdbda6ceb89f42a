// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Stage 2's hazards: what touching them costs, and how the timers move them.

#include "rules/HazardSteps.h"
#include "game/GameState.h"
#include "rules/StageRules.h"
#include "widgets/Widgets.h"
#include "play/PlayScreen.h"

using namespace game;

namespace {
bool RunOnStage2()
{
    return shared.stage == 2 && shared.runState == 1;
}
}  // namespace

void PlayScreen::clickLeftLaneTaxi(int)
{
    if (RunOnStage2())
        loseLife(stage::MissCry());  // the first lane only hurts when clicked
}

void PlayScreen::touchRightLaneTaxi(int)
{
    if (RunOnStage2())
        loseLife(stage::MissCry());
}

void PlayScreen::touchRain()
{
    if (RunOnStage2())
        loseLife(stage::MissCry(), false);  // the rain soaks the hero in silence
}

void PlayScreen::touchRiver(int)
{
    if (RunOnStage2())
        loseLife(stage::MissCry());
}

bool PlayScreen::bridgeOpen(int index) const
{
    // A piece's state is the very picture it carries.
    return !m_openWater.isNull() && bridgePieces[static_cast<std::size_t>(index)]->picture().cacheKey() == m_openWater.cacheKey();
}

void PlayScreen::touchBridge(int index)
{
    if (shared.runState == 1 && shared.stage == 2 && bridgeOpen(index))
        loseLife(stage::MissCry());
}

void PlayScreen::moveTaxis()
{
    for (MapMark* car : leftLaneTaxis)
        car->setTop(hazard::StepLeftLaneTaxiTop(car->y()));
    for (MapMark* car : rightLaneTaxis)
        car->setTop(hazard::StepRightLaneTaxiTop(car->y()));
}

void PlayScreen::swayRain()
{
    const hazard::RainState next = hazard::StepRain({rain->y(), m_rainDirection});
    rain->setTop(next.top);
    m_rainDirection = next.dir;
}

void PlayScreen::turnBridge()
{
    const auto& row = hazard::kBridgePattern[static_cast<std::size_t>(m_bridgePhase)];
    for (int i = 0; i < hazard::kBridgePieces; ++i) {
        const QPixmap& look = row[static_cast<std::size_t>(i)] ? m_openWater : m_plank;
        if (bridgePieces[i]->picture().cacheKey() != look.cacheKey())
            bridgePieces[i]->setPicture(look);  // repaint only a piece that changes
    }
    m_bridgePhase = hazard::NextBridgePhase(m_bridgePhase);
}

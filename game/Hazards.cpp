// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Stage 2's hazards: what touching them costs, and how the timers move them.

#include "game/HazardSteps.h"
#include "game/Module1.h"
#include "game/StageRules.h"
#include "screens/Widgets.h"
#include "screens/form_Main.h"

using namespace Module1;

namespace {
bool RunOnStage2()
{
    return g_Stage == 2 && g_PlayState == 1;
}
}  // namespace

void form_Main::img_Car1_Click(int)
{
    if (RunOnStage2())
        LoseLife(stage::MissCry());  // the first lane only hurts when clicked
}

void form_Main::img_Car2_MouseMove(int)
{
    if (RunOnStage2())
        LoseLife(stage::MissCry());
}

void form_Main::img_Rain_MouseMove()
{
    if (RunOnStage2())
        LoseLife(stage::MissCry(), false);  // the rain soaks the hero in silence
}

void form_Main::img_River_MouseMove(int)
{
    if (RunOnStage2())
        LoseLife(stage::MissCry());
}

bool form_Main::BridgeOpen(int index) const
{
    // A piece's state is the very picture it carries.
    const QPixmap& water = img_Bridge[4]->picture();
    return !water.isNull() && img_Bridge[index]->picture().cacheKey() == water.cacheKey();
}

void form_Main::img_Bridge_MouseMove(int index)
{
    if (g_PlayState == 1 && g_Stage == 2 && BridgeOpen(index))
        LoseLife(stage::MissCry());
}

void form_Main::timer_Obj1_Timer()
{
    for (MapMark* car : img_Car1)
        car->setTop(hazard::StepCar1Top(car->y()));
    for (MapMark* car : img_Car2)
        car->setTop(hazard::StepCar2Top(car->y()));
}

void form_Main::timer_Obj2_Timer()
{
    const hazard::RainState next = hazard::StepRain({img_Rain->y(), m_RainDir});
    img_Rain->setTop(next.top);
    m_RainDir = next.dir;
}

void form_Main::timer_Obj3_Timer()
{
    const auto& row = hazard::kBridgePattern[static_cast<std::size_t>(m_BridgePhase)];
    for (int i = 0; i < hazard::kBridgePieces; ++i) {
        const QPixmap& look = img_Bridge[row[static_cast<std::size_t>(i)] ? 4 : 3]->picture();
        if (img_Bridge[i]->picture().cacheKey() != look.cacheKey())
            img_Bridge[i]->setPicture(look);  // repaint only a piece that changes
    }
    m_BridgePhase = hazard::NextBridgePhase(m_BridgePhase);
}

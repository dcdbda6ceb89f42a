// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Stage 2's hazards: what touching them costs, and where they are shown.

#include "game/AppFolder.h"
#include "game/GameSession.h"
#include "play/PlayScreen.h"
#include "rules/HazardSteps.h"
#include "rules/StageRules.h"
#include "widgets/Widgets.h"

using namespace game;


void PlayScreen::clickLeftLaneTaxi(int)
{
    if (runOnStage2())
        loseLife(stage::MissCry());  // the first lane only hurts when clicked
}

void PlayScreen::touchRightLaneTaxi(int)
{
    if (runOnStage2())
        loseLife(stage::MissCry());
}

void PlayScreen::touchRain()
{
    if (runOnStage2())
        loseLife(stage::MissCry(), false);  // the rain soaks the hero in silence
}

void PlayScreen::touchRiver(int)
{
    if (runOnStage2())
        loseLife(stage::MissCry());
}

bool PlayScreen::runOnStage2() const
{
    return m_session->stage() == 2 && m_session->runUnderWay();
}

void PlayScreen::touchBridge(int index)
{
    if (runOnStage2() && m_session->bridgeOpen(index))
        loseLife(stage::MissCry());
}

void PlayScreen::showTaxis()
{
    for (std::size_t i = 0; i < leftLaneTaxis.size(); ++i)
        leftLaneTaxis[i]->setTop(m_session->leftLaneTaxiTop(static_cast<int>(i)));
    for (std::size_t i = 0; i < rightLaneTaxis.size(); ++i)
        rightLaneTaxis[i]->setTop(m_session->rightLaneTaxiTop(static_cast<int>(i)));
}

void PlayScreen::showBridge()
{
    for (std::size_t i = 0; i < bridgePieces.size(); ++i) {
        const QPixmap& look = m_session->bridgeOpen(static_cast<int>(i)) ? m_openWater : m_plank;
        if (bridgePieces[i]->picture().cacheKey() != look.cacheKey())
            bridgePieces[i]->setPicture(look);  // repaint only a piece that changes
    }
}

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The m_hazards where the session has them.

#include "game/GameSession.h"
#include "play/PlayScreen.h"
#include "rules/StageRules.h"
#include "widgets/Widgets.h"

#include <algorithm>

void PlayScreen::showCoversAndHazards()
{
    if (m_marksStage != m_session->stage())
        return;
    for (MapMark* m : coversAndHazards())
        m->setVisible(m_session->scene().hazardsShown());
}

// A hazard's pictures where the scene has it now.
void PlayScreen::showHazard(int index)
{
    if (index < 0 || index >= static_cast<int>(m_hazards.size()) || m_marksStage != m_session->stage())
        return;
    HazardMarks& shown = m_hazards[static_cast<std::size_t>(index)];
    const bool bridge = course::Traits(m_session->stageCourse().hazards[static_cast<std::size_t>(index)].kind).pieces;
    for (const course::SceneElement& e : m_session->scene().elementsOf(course::Layer::Hazard, index)) {
        const int piece = std::max(e.piece, 0);
        MapMark* mark = shown.marks.at(static_cast<std::size_t>(piece));
        if (mark->geometry() != e.rect)
            mark->setGeometry(e.rect);
        const QPixmap& look = bridge && m_session->pieceOpen(index, piece) ? shown.openLook : shown.look;
        if (mark->picture().cacheKey() != look.cacheKey())
            mark->setPicture(look);  // repaint only a piece that changes
    }
}

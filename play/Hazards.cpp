// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The hazards: what touching them costs, and where they are shown.

#include "game/GameSession.h"
#include "play/PlayScreen.h"
#include "rules/StageRules.h"
#include "widgets/Widgets.h"

using course::Harm;
using course::HazardKind;

void PlayScreen::touchHazard(int index, int piece)
{
    if (!m_session->runUnderWay())
        return;
    const course::Hazard& h = m_session->stageCourse().hazards.at(static_cast<std::size_t>(index));
    if (h.harm == Harm::Click)
        return;  // a click lane's cars only hurt when clicked
    if (h.kind == HazardKind::Bridge && !m_session->pieceOpen(index, piece))
        return;  // a plank carries the hero
    loseLife(stage::MissCry(), h.kind != HazardKind::Rain);  // the rain soaks the hero in silence
}

void PlayScreen::clickHazard(int index)
{
    const course::Hazard& h = m_session->stageCourse().hazards.at(static_cast<std::size_t>(index));
    if (m_session->runUnderWay() && h.harm == Harm::Click)
        loseLife(stage::MissCry());
}

void PlayScreen::showHazard(int index)
{
    if (index < 0 || index >= static_cast<int>(hazards.size()) || m_marksStage != m_session->stage())
        return;
    HazardMarks& shown = hazards[static_cast<std::size_t>(index)];
    if (m_session->stageCourse().hazards[static_cast<std::size_t>(index)].kind != HazardKind::Bridge) {
        for (MapMark* mark : shown.marks)
            mark->setTop(m_session->hazardTop(index));
        return;
    }
    for (std::size_t p = 0; p < shown.marks.size(); ++p) {
        const QPixmap& look = m_session->pieceOpen(index, static_cast<int>(p)) ? shown.openLook : shown.look;
        if (shown.marks[p]->picture().cacheKey() != look.cacheKey())
            shown.marks[p]->setPicture(look);  // repaint only a piece that changes
    }
}

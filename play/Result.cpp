// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Scoring a cleared stage; the ranking, opened by whoever opened this screen, takes the name.

#include "game/GameSession.h"
#include "game/HighScoreTable.h"
#include "play/GhostRace.h"
#include "play/PlayScreen.h"
#include "sound/SoundBackend.h"

using namespace game;

void PlayScreen::scoreRun(Step then)
{
    const int level = m_session->level();
    const int stage = m_session->stage();
    // Whatever the level, the score is the time taken: smaller is faster.
    const int place = m_session->records() ? m_table.enter(level, stage, m_session->score()) : -1;
    if (place < 0) {
        then();
        return;
    }
    m_ghostRace->keepRun(place);
    m_afterRanking = std::move(then);
    sound::PlayWaveAsync(QStringLiteral("Claps"));
    Q_EMIT scored(level, stage, place);
}

void PlayScreen::rankingClosed()
{
    if (m_afterRanking)
        std::exchange(m_afterRanking, {})();
}

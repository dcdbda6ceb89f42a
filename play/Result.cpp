// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Scoring a cleared stage and taking the new record holder's name.

#include "game/AppFolder.h"
#include "game/GameSession.h"
#include "play/GhostRace.h"
#include "play/PlayScreen.h"
#include "ranking/HighScoreTable.h"
#include "ranking/RankingScreen.h"
#include "rules/StageRules.h"
#include "sound/SoundBackend.h"

#include <QLabel>
#include <QLineEdit>

using namespace game;

void PlayScreen::scoreRun()
{
    if (!m_session->records())
        return;
    const int level = m_session->level();
    const int stage = m_session->stage();
    // Whatever the level, the score is the time taken: smaller is faster.
    const int place = m_table.enter(level, stage, m_session->score());
    if (place < 0)
        return;
    if (place == 0)
        m_ghostRace->keepRecordRun();
    RankingScreen rank(m_table, level, stage, this);
    rank.watchCourse(m_session->course());
    rank.nameEdits[place]->show();
    rank.showTable();
    sound::PlayWaveAsync(QStringLiteral("Claps"));
    rank.exec();
}

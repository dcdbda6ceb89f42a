// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Scoring a cleared stage and taking the new record holder's name.

#include "game/GameState.h"
#include "sound/SoundBackend.h"
#include "rules/StageRules.h"
#include "ranking/HighScoreTable.h"
#include "play/PlayScreen.h"
#include "ranking/RankingScreen.h"

#include <QLabel>
#include <QLineEdit>

using namespace game;

void PlayScreen::scoreRun()
{
    const int L = shared.level;
    const int S = shared.stage;
    // Whatever the level, the score is the time taken: smaller is faster.
    const std::int32_t score = stage::Score(L, S, ReadCounter(timeBox));
    const int place = scores::RankPlace(shared.highScores[L][S], score);
    if (place < 0)
        return;
    scores::InsertRecord(shared.highScoreNames[L][S], shared.highScores[L][S], place, score);

    RankingScreen rank(this);
    rank.nameEdits[place]->show();
    shared.rankingLevel = static_cast<std::int16_t>(L);
    shared.rankingStage = static_cast<std::int16_t>(S);
    rank.showTable();
    sound::PlayWaveAsync(QStringLiteral("Claps"));
    rank.exec();
}

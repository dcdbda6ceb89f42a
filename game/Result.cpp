// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Scoring a cleared stage and taking the new record holder's name.

#include "game/Module1.h"
#include "game/StageRules.h"
#include "scores/HighScoreTable.h"
#include "screens/form_Main.h"
#include "screens/form_Rank.h"

#include <QLabel>
#include <QLineEdit>

using namespace Module1;

void form_Main::CheckRank()
{
    const int L = g_Level;
    const int S = g_Stage;
    // Whatever the level, the score is the time taken: smaller is faster.
    const std::int32_t score = stage::Score(L, S, ReadCounter(lbl_Time));
    const int place = scores::RankPlace(g_HScoreVal[L][S], score);
    if (place < 0)
        return;
    scores::InsertRecord(g_HScoreName[L][S], g_HScoreVal[L][S], place, score);

    form_Rank rank(this);
    rank.txt_Nm[place]->show();
    g_RankLevel = static_cast<std::int16_t>(L);
    g_RankStage = static_cast<std::int16_t>(S);
    rank.Set_Form();
    PlayWaveAsync(QStringLiteral("Claps"));
    rank.exec();
}

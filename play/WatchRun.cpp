// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Watching the first place's run: the ghost runs with the clock and the hand
// counts for nothing, until Escape, "タイトルへ" or the window's close button
// take the player back.

#include "game/GameSession.h"
#include "game/GhostStore.h"
#include "play/GhostRace.h"
#include "play/PlayScreen.h"
#include "rules/StageRules.h"
#include "widgets/Widgets.h"

#include <QCoreApplication>
#include <QLabel>

bool PlayScreen::watchRecordRun(ghost::GhostRecord record, const QString& holder)
{
    if (!setUpStage())
        return false;
    m_session->startHazards();  // as they always move: the record's own timing is not kept
    const int score = record.score;
    const int level = m_session->level();
    const int limit = m_session->stageCourse().timeLimit;
    connect(m_ghostRace, &GhostRace::watchEnded, this, [this, score, level, limit] {
        // The clock stops on the record's own time, whatever its last beat showed.
        m_timeBox->setText(QString::number(level == 1 ? score : stage::StartingTime(level, limit) - score));
        showFace(5);
        m_dialogueText->setText(QCoreApplication::translate("WatchRun", "ゴール！Escキーでランキングにもどるよ"));
    });
    m_nextHint->hide();  // no line waits for the player here
    showFace(1);
    m_dialogueText->setText(
        QCoreApplication::translate("WatchRun", "1位・%1の走り（%2秒）\nEscキーでランキングにもどるよ").arg(holder).arg(score));
    m_ghostRace->watch(std::move(record));
    return true;
}

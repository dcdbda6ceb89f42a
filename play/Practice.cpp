// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Practising a stretch: the stretch's time at the goal and its best, and the
// sign waiting again (its START sign is drawn with the others, play/Signs.cpp).

#include "game/GameSession.h"
#include "game/HighScoreTable.h"
#include "game/PracticeRecords.h"
#include "play/PlayScreen.h"
#include "rules/MapPicture.h"
#include "rules/Practice.h"
#include "sound/SoundBackend.h"

#include <QLabel>

using namespace game;

bool PlayScreen::practiseFrom(int index)
{
    m_marksStage = 0;  // the marks are laid again, with the sign
    return m_session->practiseFrom(index, course::ReadMap(courseFile()));
}

void PlayScreen::showStretchTime()
{
    const int seconds = m_session->score();
    showFace(5);
    if (m_session->mode() == RunMode::Test) {  // a maker's try keeps nothing, not even a best
        m_dialogueText->setText(tr("ゴール！%1秒　Escキーでエディタにもどるよ").arg(seconds));
        waitForNext([this] { beginAttempt(); });
        return;
    }
    const Stretch stretch{m_table.group(), m_session->level(), m_session->stage(), m_session->practiceFrom()};
    OfferPracticeTime(stretch, seconds);
    m_dialogueText->setText(tr("ゴール！%1秒（ベスト %2秒）").arg(seconds).arg(BestPracticeTime(stretch).value_or(seconds)));
    waitForNext([this] { beginAttempt(); });  // the sign waits again
}

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The goal: the stage-clear scene, the score, and on to the next stage or the ending.

#include "game/AppFolder.h"
#include "game/GameSession.h"
#include "play/PlayScreen.h"
#include "sound/SoundBackend.h"
#include "widgets/Medals.h"
#include "widgets/Widgets.h"

using namespace game;

void PlayScreen::showGoal()
{
    sound::PlayWaveAsync(QStringLiteral("Clear"));
    endRunPointer();
    if (RulesOf(m_session->mode()).stretches) {
        showStretchTime();
        return;
    }
    tell(m_session->stageCourse().meeting, 0, [this] {
        // The stage-clear picture over the map while its line waits.
        m_clearPicture->show();
        clearFace();
        showLine(0, clearLineWithMedal(), [this] { afterClear(); });
    });
}

QString PlayScreen::clearLineWithMedal()
{
    const QString line = m_session->stageCourse().clearLine.shown();
    const std::optional<course::Targets>& targets = m_session->stageCourse().targets[static_cast<std::size_t>(m_session->level() - 1)];
    if (!targets)
        return line;  // a stage without targets shows none
    const int seconds = m_session->score();
    m_medal->setPicture(look::MedalPicture(course::MedalFor(*targets, seconds), m_medal->width()));
    m_medal->show();
    return line + QLatin1Char('\n') + look::MedalLine(*targets, seconds);
}

void PlayScreen::afterClear()
{
    if (m_session->scoresAtClear())
        scoreRun([this] { nextStageOrEnding(); });
    else
        nextStageOrEnding();
}

void PlayScreen::nextStageOrEnding()
{
    m_clearPicture->hide();
    m_medal->hide();
    if (m_session->nextStage()) {
        if (setUpStage())
            tellOpening();
        else
            close();
        return;
    }
    tell(m_session->course().ending, 0, [this] {
        clearFace();
        showLine(0, m_session->course().farewell.shown(), [this] {
            // The title comes back through the unload.
            if (m_session->scoresAtClear())
                close();
            else
                scoreRun([this] { close(); });
        });
    });
}

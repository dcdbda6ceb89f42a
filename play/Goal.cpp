// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The goal: the stage-clear scene, the score, and on to stage 2 or the ending.

#include "game/AppFolder.h"
#include "game/GameSession.h"
#include "play/PlayScreen.h"
#include "play/Story.h"
#include "sound/SoundBackend.h"
#include "widgets/Widgets.h"

#include <QTimer>

using namespace game;

namespace {
using story::Tell;

// The stage-clear picture over the map while its line waits.
bool ShowClear(PlayScreen& screen, const QString& text)
{
    screen.clearPicture->show();
    screen.clearFace();
    return screen.showLine(0, text);
}
}  // namespace

void PlayScreen::showGoal()
{
    sound::PlayWaveAsync(QStringLiteral("Clear"));
    endRunPointer();

    const course::Stage& stage = m_session->stageCourse();
    const course::Course& course = m_session->course();
    if (!Tell(*this, stage.meeting) || !ShowClear(*this, stage.clearLine.shown()))
        return;
    const bool scoreAfterEnding = !m_session->scoresAtClear();
    const QPointer<PlayScreen> self(this);
    if (!scoreAfterEnding) {
        scoreRun();
        if (!self || m_closed)
            return;
    }
    clearPicture->hide();

    if (m_session->nextStage()) {
        if (!setUpStage()) {
            close();
            return;
        }
        tellOpening();
        return;
    }

    if (!Tell(*this, course.ending))
        return;
    clearFace();
    if (!showLine(0, course.farewell.shown()))
        return;
    if (scoreAfterEnding)
        scoreRun();
    if (self && !m_closed)
        close();  // the title comes back through the unload
}

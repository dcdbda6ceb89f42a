// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The hero's comments as the pointer crosses the checkpoint marks.

#include "game/GameSession.h"
#include "play/PlayScreen.h"
#include "sound/SoundBackend.h"

#include <QLabel>

void PlayScreen::reachCheckpoint(int index)
{
    const std::vector<course::Checkpoint>& all = m_session->stageCourse().checkpoints;
    if (!m_session->runUnderWay() || index < 0 || index >= static_cast<int>(all.size()) || m_session->checkpointPassed(index))
        return;
    const course::Checkpoint& c = all[static_cast<std::size_t>(index)];
    if (!c.live)
        return;  // another stage's mark

    if (c.clock == course::ClockEffect::Pause)
        m_session->pauseClock();
    if (!c.sound.isEmpty())
        sound::PlayWaveAsync(c.sound);
    if (c.once)
        m_session->passCheckpoint(index);
    if (c.face != 0) {
        showFace(c.face);
        dialogueText->setText(c.line.shown());
    }
    if (c.clock == course::ClockEffect::Resume)
        m_session->resumeClock();
}

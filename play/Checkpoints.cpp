// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The hero's comments as the session finds the hand crossing a checkpoint.

#include "game/GameSession.h"
#include "play/PlayScreen.h"
#include "sound/SoundBackend.h"

#include <QLabel>

void PlayScreen::showCheckpoint(int index)
{
    const course::Checkpoint& c = m_session->stageCourse().checkpoints.at(static_cast<std::size_t>(index));
    if (!c.sound.isEmpty())
        sound::PlayWaveAsync(c.sound);
    if (c.face != 0) {
        showFace(c.face);
        m_dialogueText->setText(c.line.shown());
    }
}

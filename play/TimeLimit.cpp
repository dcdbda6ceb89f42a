// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The time counter: seconds used on the easy level, seconds left on the hard one.

#include "game/GameState.h"
#include "play/PlayScreen.h"

#include <QLabel>

using namespace game;

void PlayScreen::tickClock()
{
    if (shared.level == 1) {
        WriteCounter(timeBox, ReadCounter(timeBox) + 1);
        return;
    }
    WriteCounter(timeBox, ReadCounter(timeBox) - 1);
    if (ReadCounter(timeBox) == 0)
        timeUp();
}

void PlayScreen::timeUp()
{
    loseLife(tr("うわーん！まにあわなかったー！！"));
}

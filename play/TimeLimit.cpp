// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The hard level's clock has run out.

#include "game/AppFolder.h"
#include "play/PlayScreen.h"

#include <QLabel>

using namespace game;

void PlayScreen::timeUp()
{
    loseLife(tr("うわーん！まにあわなかったー！！"));
}

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The time counter: seconds used on the easy level, seconds left on the hard one.

#include "game/Module1.h"
#include "screens/form_Main.h"

#include <QLabel>

using namespace Module1;

void form_Main::timer_Main_Timer()
{
    if (g_Level == 1) {
        WriteCounter(lbl_Time, ReadCounter(lbl_Time) + 1);
        return;
    }
    WriteCounter(lbl_Time, ReadCounter(lbl_Time) - 1);
    if (ReadCounter(lbl_Time) == 0)
        Timeup();
}

void form_Main::Timeup()
{
    LoseLife(tr("うわーん！まにあわなかったー！！"));
}

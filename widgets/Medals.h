// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The medals as the player sees them: a small picture of each, drawn by the
// game, and their names.

#include "rules/Medals.h"

#include <QPixmap>
#include <QString>

namespace look {

// A round medal on its ribbon, `size` pixels square; none for Medal::None.
QPixmap MedalPicture(course::Medal medal, int size);
// "金", "銀", "銅", or "なし" (in the player's language).
QString MedalName(course::Medal medal);
// The line a cleared stage's time earns: its medal and the seconds still
// needed for the next one ("銀メダル！金まであと3秒").
QString MedalLine(const course::Targets& targets, int seconds);

}  // namespace look

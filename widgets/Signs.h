// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The signs the game draws for a map that shows none: START on yellow, and
// GOAL under a chequered band, each filling its mark's rectangle. The play
// screen lays them over the marks, the editor shows them where they will be.

#include <QPixmap>
#include <QSize>

namespace look {

QPixmap StartSign(QSize size);
QPixmap GoalSign(QSize size);

}  // namespace look

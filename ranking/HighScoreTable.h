// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The best five results of every level and stage, kept in the user's settings
// store between runs: the whole table moves at once.

#include "rules/Scoring.h"

namespace scores {

void LoadHighScores();
bool SaveHighScores();  // false when the table could not be written

}  // namespace scores

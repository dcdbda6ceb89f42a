// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The best five results of every level and stage, kept in the user's settings
// store between runs. One table serves the process: the title loads it, the
// play screen enters a new record, the ranking screen shows and saves it.

#include "rules/Scoring.h"

#include <QString>
#include <cstdint>

class HighScoreTable {
public:
    using Names = QString[scores::kPlaces];
    using Scores = std::int32_t[scores::kPlaces];

    // Reads the whole table: a missing or unreadable entry takes its default.
    void load();
    // Writes the whole table at once; false when it could not be written.
    bool save() const;

    // One level's and stage's rows, places 0..4; level and stage from 1.
    Names& names(int level, int stage) { return m_names[Row(level)][Row(stage)]; }
    Scores& scores(int level, int stage) { return m_scores[Row(level)][Row(stage)]; }
    const Names& names(int level, int stage) const { return m_names[Row(level)][Row(stage)]; }
    const Scores& scores(int level, int stage) const { return m_scores[Row(level)][Row(stage)]; }

    // A cleared stage's score: the place it earns, with the entries below moved
    // down one place, or -1 when it beats none.
    int enter(int level, int stage, std::int32_t score);

private:
    // A stray level or stage still names a row of the table.
    static int Row(int index) { return index < 1 ? 1 : (index > 2 ? 2 : index); }

    QString m_names[scores::kLevels + 1][scores::kStages + 1][scores::kPlaces];
    std::int32_t m_scores[scores::kLevels + 1][scores::kStages + 1][scores::kPlaces] = {};
};

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The best five results of every level and stage, kept in the user's settings
// store between runs. One table serves a course: the title loads it, the
// play screen enters a new record, the ranking screen shows and saves it.
// The game's own course keeps its records in the [Setting] group; every other
// course in a group of its own.

#include "rules/Scoring.h"

#include <QString>
#include <cstdint>
#include <vector>

class HighScoreTable {
public:
    using Names = QString[scores::kPlaces];
    using Scores = std::int32_t[scores::kPlaces];

    // The game's own two stages, in [Setting].
    HighScoreTable() = default;
    // A course of `stages` stages whose records live in the settings group `group`.
    HighScoreTable(const QString& group, int stages);

    const QString& group() const { return m_group; }
    int stageCount() const { return m_stages; }

    // Reads the whole table: a missing or unreadable entry takes its default.
    void load();
    // Writes the whole table at once; false when it could not be written.
    bool save() const;

    // One level's and stage's rows, places 0..4; level and stage from 1.
    Names& names(int level, int stage) { return row(level, stage).names; }
    Scores& scores(int level, int stage) { return row(level, stage).scores; }
    const Names& names(int level, int stage) const { return row(level, stage).names; }
    const Scores& scores(int level, int stage) const { return row(level, stage).scores; }

    // A cleared stage's score: the place it earns, with the entries below moved
    // down one place, or -1 when it beats none.
    int enter(int level, int stage, std::int32_t score);

private:
    struct Row {
        QString names[scores::kPlaces];
        std::int32_t scores[scores::kPlaces] = {};
    };
    // A stray level or stage still names a row of the table.
    Row& row(int level, int stage);
    const Row& row(int level, int stage) const;
    template <typename Visit>
    void forEachEntry(Visit visit) const;

    QString m_group = scores::kSettingGroup;
    int m_stages = scores::kStages;
    std::vector<Row> m_rows = std::vector<Row>(scores::kLevels * scores::kStages);
};

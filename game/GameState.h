// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The game's shared state, one instance for the process; levels and stages
// are numbered from 1.

#include "rules/CourseRules.h"
#include "rules/MapMarks.h"
#include "rules/Scoring.h"

#include <QString>
#include <array>
#include <cstdint>

class QLabel;

namespace game {

using course::kGridSide;
using course::kMapSize;
using course::MapGrid;
using scores::kLevels;
using scores::kPlaces;
using scores::kStages;
using scores::ParseDecimal;

struct SharedState {
    std::int16_t level = 0;          // 1 = たこ (easy), anything else = さる (hard)
    std::int16_t stage = 0;          // 1 or 2
    std::int16_t runState = 0;       // 1 while a run is under way
    std::int16_t nextRequested = 0;  // -1 once the player asked for the next line
    std::int16_t lineWaiting = 0;    // 1 while a story line waits
    std::array<std::int16_t, marks::kCheckpointCount> checkpointSpoken{};
    MapGrid offRoadGrid{};
    std::int16_t rankingLevel = 0;
    std::int16_t rankingStage = 0;
    // High-score table, indexed [level][stage][place] with level and stage from 1.
    QString highScoreNames[kLevels + 1][kStages + 1][kPlaces];
    std::int32_t highScores[kLevels + 1][kStages + 1][kPlaces] = {};
};
inline SharedState shared;

inline std::int16_t& MapCell(int x, int y) { return shared.offRoadGrid[static_cast<std::size_t>(x + kGridSide * y)]; }

// Everything back to zero or empty, as at program start (tests use it between cases).
void ResetSharedState();

// The lives and the time live only as label text: read strictly as a decimal
// whole number (anything else reads as 0), written back as plain decimal text.
int ReadCounter(const QLabel* label);
void WriteCounter(QLabel* label, int value);

// The application folder: where dat/ and sound/ lie.
QString AppFolder();
void SetAppFolder(const QString& folder);  // tests and tools point it elsewhere

}  // namespace game

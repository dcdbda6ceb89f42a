// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The game's shared state and the procedures every screen uses.
// One instance for the process; levels and stages are numbered from 1.

#include <QString>
#include <array>
#include <cstdint>

class QLabel;

namespace Module1 {

constexpr int kMapSize = 300;                 // course pictures are 300 x 300
constexpr int kGridSide = kMapSize + 1;       // the grid keeps a spare row and column
constexpr int kLevels = 2;
constexpr int kStages = 2;
constexpr int kPlaces = 5;
constexpr int kMsgFlags = 21;

// Off-road grid: cell (x, y) is element x + 301 * y; 1 = off the road.
using MapGrid = std::array<std::int16_t, kGridSide * kGridSide>;

inline std::int16_t g_Level = 0;      // 1 = たこ (easy), anything else = さる (hard)
inline std::int16_t g_Stage = 0;      // 1 or 2
inline std::int16_t g_PlayState = 0;  // 1 while a run is under way
inline std::int16_t g_NextFlag = 0;   // -1 once the player asked for the next line
inline std::int16_t g_WaitFlag = 0;   // 1 while a story line waits
inline std::array<std::int16_t, kMsgFlags> g_MsgShown{};
inline MapGrid g_MapGrid{};
inline std::int16_t g_RankLevel = 0;
inline std::int16_t g_RankStage = 0;
// High-score table, indexed [level][stage][place] with level and stage from 1.
inline QString g_HScoreName[kLevels + 1][kStages + 1][kPlaces];
inline std::int32_t g_HScoreVal[kLevels + 1][kStages + 1][kPlaces] = {};

inline std::int16_t& MapCell(int x, int y) { return g_MapGrid[static_cast<std::size_t>(x + kGridSide * y)]; }

// Everything back to zero or empty, as at program start (tests use it between cases).
void ResetState();

// The lives and the time live only as label text: read strictly as a decimal
// whole number (anything else reads as 0), written back as plain decimal text.
int ReadCounter(const QLabel* label);
void WriteCounter(QLabel* label, int value);
// The strict decimal reading behind ReadCounter: optional '-', digits only, 32-bit range.
bool ParseDecimal(const QString& text, std::int32_t* value);

// The application folder: where dat/ and sound/ lie.
QString AppFolder();
void SetAppFolder(const QString& folder);  // tests and tools point it elsewhere

// Sounds by name (sound/).
void PlayWave(const QString& name);       // synchronous, skipped while a sound plays
void PlayWaveAsync(const QString& name);  // replaces whatever is playing

// High-score table (scores/).
void LoadHighScores();
bool SaveHighScores();  // false when the table could not be written

// Opens a fresh title screen (menus/); the play screen's unload calls it.
void ShowTitle();

}  // namespace Module1

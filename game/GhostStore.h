// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The record run of each level and stage, kept in the player's data folder
// beside nothing else: one file a table, written whole and atomically, read
// back only when it still belongs to the table's first place and to the
// course as it is now. Whether the ghost is shown is remembered in the
// settings, apart from the high scores.

#include "game/GhostPath.h"
#include "game/RunLog.h"
#include "rules/Course.h"

#include <QByteArray>
#include <QString>
#include <optional>

class HighScoreTable;

namespace ghost {

struct GhostRecord {
    int level = 0;
    int stage = 0;
    int score = 0;
    QByteArray courseHash;
    GhostPath path;  // of a run with its log, drawn from the log once the stage is known (WithPath)
    std::optional<runlog::RunLog> log;  // what was judged; none in a run kept by 1.x (positions only)
};

// The record with its path drawn from its log on `stage`, when it has one.
GhostRecord WithPath(GhostRecord record, const course::Stage& stage);

// What a stage is made of (its map and all that decides play): a ghost of
// another course is stale.
QByteArray CourseHash(const course::Stage& stage);

// The file of a table's record run: `records` names the course's records
// (its settings group), so every course pack keeps its own ghosts.
QString GhostFile(const QString& records, int level, int stage);

// A record with its log keeps the log and no path; one without, its path.
QByteArray Encode(const GhostRecord& record);
// Nothing when the bytes are not a whole, well-formed record; `why` says what is wrong.
std::optional<GhostRecord> Decode(const QByteArray& bytes, QString* why);

// Writes the record run of its level and stage; false when it could not.
bool SaveGhost(const QString& records, const GhostRecord& record);
// The record run that made `score` the first place of the level's and
// stage's table, on the stage as it is now; a missing, damaged or stale
// file gives nothing and one line on standard error.
std::optional<GhostRecord> LoadGhost(const QString& records, const course::Stage& described, int level, int stage,
                                     int score);

// The record run of the first place of a level and stage of `course`, as
// `table` has it now; nothing for a stage the course lacks.
std::optional<GhostRecord> FirstPlaceRun(const HighScoreTable& table, const course::Course& course, int level, int stage);

// Whether the player wants the ghost (yes until told otherwise).
bool GhostWanted();
void SetGhostWanted(bool wanted);

}  // namespace ghost

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
    GhostPath path;  // of a run with its log, drawn from the log when the run is read for its stage
    std::optional<runlog::RunLog> log;  // what was judged; none in a run kept by 1.x (positions only)
};

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

// Every place of a table keeps its run in a file of its own; the first
// place's is GhostFile's.
QString RunFile(const QString& records, int level, int stage, int place);
// The run that took place `place` (0..4): the runs below it move down a
// place and the last falls out, then it is written; false when it could not.
bool KeepRun(const QString& records, const GhostRecord& record, int place);

// What a place's kept run proves. A run with its log is re-judged once and
// the verdict remembered (beside the runs) until the file or the course changes.
struct Proof {
    enum Kind { None, PositionsOnly, Valid, Invalid } kind;
    QString why;  // an invalid run's first failure
};
Proof ProofOf(const HighScoreTable& table, const course::Course& course, int level, int stage, int place,
              GhostRecord* run = nullptr);
// The run of a place when it may be used (as a ghost, to watch, to race):
// valid, or kept by 1.x with its positions only.
std::optional<GhostRecord> UsableRun(const HighScoreTable& table, const course::Course& course, int level, int stage, int place);

// The place whose run the player races on a table (the first unless chosen).
int RacedPlace(const QString& records, int level, int stage);
void SetRacedPlace(const QString& records, int level, int stage, int place);
// The run raced: the chosen place's when it may be used, else the first usable one.
std::optional<GhostRecord> RacedRun(const HighScoreTable& table, const course::Course& course, int level, int stage);

// Whether the player wants the ghost (yes until told otherwise).
bool GhostWanted();
void SetGhostWanted(bool wanted);

}  // namespace ghost

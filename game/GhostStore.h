// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The record run of each level and stage, kept in the player's data folder
// beside nothing else: one file a table, written whole and atomically, read
// back only when it still belongs to the table's first place and to the
// course as it is now. Whether the ghost is shown is remembered in the
// settings, apart from the high scores.

#include "game/GhostPath.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace ghost {

struct GhostRecord {
    int level = 0;
    int stage = 0;
    int score = 0;
    QByteArray courseHash;
    GhostPath path;
};

// What the course of `stage` is made of: a ghost of another course is stale.
QByteArray CourseHash(int stage);

QString GhostFile(int level, int stage);

QByteArray Encode(const GhostRecord& record);
// Nothing when the bytes are not a whole, well-formed record; `why` says what is wrong.
std::optional<GhostRecord> Decode(const QByteArray& bytes, QString* why);

// Writes the record run of its level and stage; false when it could not.
bool SaveGhost(const GhostRecord& record);
// The record run that made `score` the first place of the level's and
// stage's table, on the course as it is now; a missing, damaged or stale
// file gives nothing and one line on standard error.
std::optional<GhostRecord> LoadGhost(int level, int stage, int score);

// Whether the player wants the ghost (yes until told otherwise).
bool GhostWanted();
void SetGhostWanted(bool wanted);

}  // namespace ghost

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The best five results of every level and stage: where a new score goes,
// and how the settings store writes an entry.

#include <QString>
#include <QVariant>
#include <cstdint>

namespace scores {

constexpr int kLevels = 2;
constexpr int kStages = 2;
constexpr int kPlaces = 5;

// The strict decimal reading of a stored score: optional '-', digits only, 32-bit range.
bool ParseDecimal(const QString& text, std::int32_t* value);

// What a fresh installation shows in every place: the hero's name.
QString DefaultName();
constexpr std::int32_t kDefaultScore = 500;

inline const QString kSettingGroup = QStringLiteral("Setting");

// "HScore_Nm_<level>_<stage>_<place>" and "HScore_Val_<level>_<stage>_<place>".
QString NameKey(int level, int stage, int place);
QString ScoreKey(int level, int stage, int place);

// A stored score: decimal text in the 32-bit range, or the default for
// anything else (a hand-edited "12abc", a number too large, a missing key).
std::int32_t StoredScore(const QVariant& stored);
// A stored name: the text as written, empty text kept.
QString StoredName(const QVariant& stored);

// The place a new score earns: the first place whose score it beats strictly
// (smaller is better), or -1 when it beats none.
int RankPlace(const std::int32_t (&vals)[kPlaces], std::int32_t score);

// Puts the score at `place`, moving the entries below it down one place; the
// last one drops out. The name of `place` keeps its old text for now: the
// ranking screen's entry box covers it until the new holder's name is stored.
void InsertRecord(QString (&names)[kPlaces], std::int32_t (&vals)[kPlaces], int place, std::int32_t score);

}  // namespace scores

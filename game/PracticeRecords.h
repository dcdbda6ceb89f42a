// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The best practice time of every stretch: a course (by its records group),
// a level, a stage and the place practice began. Kept in the settings under
// a group of its own, [Practice], apart from the rankings.

#include <QString>
#include <optional>

namespace game {

struct Stretch {
    QString records;  // the course's records group
    int level = 1;
    int stage = 1;
    int from = -1;    // a checkpoint, or course::kFromStart
};

std::optional<int> BestPracticeTime(const Stretch& stretch);
// Keeps `seconds` when it beats the best so far; true when it did.
bool OfferPracticeTime(const Stretch& stretch, int seconds);

}  // namespace game

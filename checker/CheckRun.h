// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// One full check of a course map for a stage, on both levels, told as text.

#include "CourseChecker.h"
#include "rules/Course.h"

#include <QImage>
#include <QTextStream>

#include <array>
#include <chrono>
#include <optional>

namespace coursecheck {

// Prints the findings for stage number `number` to out; true when the course
// passes on both levels.
bool RunChecks(const QImage& map, const course::Stage& stage, int number, QTextStream& out);

enum class Verdict : std::uint8_t { Passes, Fails, TooComplex };

// What the checks found on a stage, for a reader that shows it (the editor
// draws the routes and lists the problems) rather than prints it.
struct StageCheck {
    std::array<CourseReport, 2> levels;     // by level, from 1; the second empty when the first ran out of time
    std::array<QString, 2> goldTooFast;     // by level: why the gold asks more than a hand can; empty when it does not
    std::optional<FairnessReport> hazards;  // the hard level with the moving hazards, for a stage that has some
    Verdict verdict = Verdict::Fails;
};
// Stage number `number`, given up at `deadline` (the verdict is then TooComplex).
StageCheck CheckStage(const QImage& map, const course::Stage& stage, int number, std::chrono::steady_clock::time_point deadline);
// The same, giving up at `deadline` when the moving hazards take too long to prove.
Verdict RunChecks(const QImage& map, const course::Stage& stage, int number, QTextStream& out,
                  std::chrono::steady_clock::time_point deadline);

}  // namespace coursecheck

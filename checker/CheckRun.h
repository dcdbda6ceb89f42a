// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// One full check of a course map for a stage, on both levels, told as text.

#include "rules/Course.h"

#include <QImage>
#include <QTextStream>

#include <chrono>

namespace coursecheck {

// Prints the findings for stage number `number` to out; true when the course
// passes on both levels.
bool RunChecks(const QImage& map, const course::Stage& stage, int number, QTextStream& out);

enum class Verdict : std::uint8_t { Passes, Fails, TooComplex };
// The same, giving up at `deadline` when the moving hazards take too long to prove.
Verdict RunChecks(const QImage& map, const course::Stage& stage, int number, QTextStream& out,
                  std::chrono::steady_clock::time_point deadline);

}  // namespace coursecheck

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// One full check of a course map for a stage, on both levels, told as text.

#include "rules/Course.h"

#include <QImage>
#include <QTextStream>

namespace coursecheck {

// Prints the findings for stage number `number` to out; true when the course
// passes on both levels.
bool RunChecks(const QImage& map, const course::Stage& stage, int number, QTextStream& out);

}  // namespace coursecheck

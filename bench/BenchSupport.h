// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// What the micro-benchmarks share: the course pictures of the build tree.

#include <QImage>

namespace bench {

// A course picture from the build tree's dat/ folder, as the play screen keeps
// it (32-bit colours). Null when the file cannot be read.
QImage LoadCourse(int stage);

}  // namespace bench

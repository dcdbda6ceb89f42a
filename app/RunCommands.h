// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The command line's work on kept runs: re-judging one by the rules. It
// needs no display.

#include <QString>
#include <QTextStream>

namespace app {

// Re-judges the run in `file` on the pack in `courseFolder`, or, when that is
// empty, on the installed course whose stage the run names. Prints
// "valid: <course> level L stage S score N" and gives 0, or prints the first
// thing that fails and gives 1.
int VerifyRun(const QString& file, const QString& courseFolder, QTextStream& out);

}  // namespace app

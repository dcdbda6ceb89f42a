// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The command line's course pack work: proving a pack playable, and writing
// a starter pack to repaint. Neither needs a display.

#include <QString>
#include <QTextStream>

namespace app {

// Prints every problem of the pack in `folder`, then the course checker's
// findings stage by stage; 0 when the pack is playable, 1 otherwise.
int CheckCoursePack(const QString& folder, QTextStream& out);

// Writes the starter pack into `folder` (new or empty): 0, or 2 when the
// folder holds something already, 1 when it cannot be written.
int NewCoursePack(const QString& folder, QTextStream& out);

}  // namespace app

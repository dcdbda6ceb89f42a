// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// What the pack loader and the course checker say about a stage, in the
// player's language, each finding pointing at the mark or the place it
// concerns. A message the editor does not know is shown as it was said.

#include "checker/CheckRun.h"
#include "editor/LiveCheck.h"
#include "rules/CoursePack.h"

#include <vector>

namespace editor {

// The problems of `alone`, the stage `stage` read as a pack of its own.
std::vector<Finding> LoaderFindings(const course::Pack& alone, int stage);
std::vector<Finding> CheckerFindings(const coursecheck::StageCheck& check);

}  // namespace editor

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The side panel's forms: what a selected mark is, what the stage is, what
// the pack is, each field a value of the draft.

#include "editor/StageEdits.h"

namespace editor {

class PropertyForm;

void BuildElementForm(PropertyForm& form, int stage, Stacked element);
void BuildStageForm(PropertyForm& form, int stage);
void BuildPackForm(PropertyForm& form);

}  // namespace editor

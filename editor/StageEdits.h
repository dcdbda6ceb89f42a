// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// What the editor does to a stage's marks, as pure functions of the stage:
// adding, moving, removing (the stacking and the route follow the indices),
// finding what lies under a point, and the route's must-pass sets.

#include "rules/Course.h"

#include <optional>

namespace editor {

using course::Stacked;

QRect RectOf(const course::Stage& stage, Stacked element);
// Moves or resizes an element to `rect`, kept inside the map: a start's
// point, a bridge's pieces and a moving hazard's range go with it.
void PlaceAt(course::Stage& stage, Stacked element, QRect rect);
// A new element at `rect`, on top of the stacking, with the values a maker
// most often wants (a car of the game's, a checkpoint that speaks once).
Stacked Add(course::Stage& stage, course::Layer layer, course::HazardKind kind, QRect rect);
void Remove(course::Stage& stage, Stacked element);
bool Exists(const course::Stage& stage, Stacked element);
// The topmost element whose rectangle holds `point` (map pixels), hazards
// where `tops` puts them (by hazard index; empty: where they start).
std::optional<Stacked> ElementAt(const course::Stage& stage, QPoint point, const std::vector<int>& tops = {});
// "checkpoint 2", "hazard 0 (car)", as the stacking list names them.
QString Describe(const course::Stage& stage, Stacked element);

// The must-pass set (from 1) a checkpoint belongs to, 0 for none; setting it
// takes the checkpoint out of any other set and drops sets left empty.
int MustPassSet(const course::Stage& stage, int checkpoint);
void SetMustPassSet(course::Stage& stage, int checkpoint, int set);
bool IsBranch(const course::Stage& stage, int checkpoint);
void SetBranch(course::Stage& stage, int checkpoint, bool branch);

// Makes the hazard one of another kind where it lies, with that kind's usual values.
void ChangeKind(course::Hazard& hazard, course::HazardKind kind);

// Lays a bridge's `count` pieces side by side across its rectangle and makes
// its pattern rows as long, keeping what fits.
void LayPieces(course::Hazard& bridge, int count);

}  // namespace editor

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// Practising a stretch of a stage: where a practice run may begin, and the
// stage as practice plays it, with a START sign of its own at that place.

#include "rules/Course.h"
#include "rules/CourseRules.h"

#include <QImage>
#include <QPoint>
#include <optional>
#include <vector>

namespace course {

// Practice from the stage's own START sign.
constexpr int kFromStart = -1;

// Where the hand starts when practice begins at checkpoint `index` on
// `level`: of the pixels in the checkpoint's rectangle that the level's probe
// finds on the road of `map` and that no hazard covers where it starts, the
// one nearest the rectangle's centre (the upper, then the left one, of
// equals). Nothing for a checkpoint that does not speak once, is not this
// stage's, or holds no such pixel.
std::optional<QPoint> PracticePoint(const Stage& stage, const QImage& map, int level, int index);

// The checkpoints practice offers on `level`, in the stage's order.
std::vector<int> PracticeCheckpoints(const Stage& stage, const QImage& map, int level);

// The stage as practice from `point` plays it: one START sign there, above every other mark.
Stage PracticeStage(const Stage& stage, QPoint point);

}  // namespace course

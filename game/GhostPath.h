// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The way a run went: where the hero was at each moment of ghost time (the
// milliseconds the stage clock has run since the Start click), and when it
// passed each mark. The record run's path is what the ghost follows.

#include <QPoint>
#include <cstdint>
#include <optional>
#include <vector>

namespace ghost {

struct Sample {
    std::uint32_t ms;
    std::int16_t x;  // map pixels
    std::int16_t y;
    friend bool operator==(const Sample&, const Sample&) = default;
};

struct MarkPassed {
    std::int32_t mark;  // a checkpoint's index, or kGoalMark
    std::uint32_t ms;
    friend bool operator==(const MarkPassed&, const MarkPassed&) = default;
};

constexpr int kGoalMark = 1000;
// Enough for eight minutes at the full rate; a longer run is thinned to fit,
// which keeps a saved ghost under 256 KB.
constexpr int kMaxSamples = 30000;
constexpr int kMaxMarks = 64;

struct GhostPath {
    std::vector<Sample> samples;  // ms never decreases
    std::vector<MarkPassed> marks;

    // Where the run was at `ms`, between the samples around it; nothing once
    // the run has ended (the ghost has reached its goal) or before it began.
    std::optional<QPoint> positionAt(std::int64_t ms) const;
    // When the run passed `mark` first; nothing when it never did.
    std::optional<std::int64_t> markTime(int mark) const;
    std::int64_t endTime() const { return samples.empty() ? 0 : samples.back().ms; }
    bool reachedGoal() const { return markTime(kGoalMark).has_value(); }
};

}  // namespace ghost

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// Checks that a course map plays as its story needs: the road reaches the
// goal from the start point, every route passes the marks the story tells
// about, no mark joins road that the picture keeps apart, and on stage 2 the
// moving hazards leave a fair way through in time.

#include "CourseScene.h"

#include <QImage>
#include <QStringList>

#include <chrono>
#include <cstdint>
#include <vector>

namespace coursecheck {

constexpr int kSide = 300;

// Per-pixel pointer positions of the map: safe (1) or not (0), and the topmost
// element over each position (index into the scene, -1 for the bare map).
struct SafeField {
    std::vector<std::uint8_t> safe;
    std::vector<std::int16_t> top;
};

using Deadline = std::chrono::steady_clock::time_point;
constexpr Deadline kNoDeadline = Deadline::max();

// Where the four probes of a pointer with half-size r all find road, off-road
// being the stage's colour (the map's top-left pixel when it names none).
std::vector<std::uint8_t> RoadOk(const QImage& map, int r, std::optional<QRgb> offRoad = std::nullopt);
SafeField Paint(const std::vector<std::uint8_t>& roadOk, const Scene& scene);

// Shortest pointer route (8-neighbour steps, diagonal counted as 1.4 px) from
// start into the goal rectangle over safe positions; -1 when there is none.
int RouteLength(const std::vector<std::uint8_t>& safe, QPoint start, const QRect& goal);

struct CourseReport {
    bool passed = false;
    int routeLength = -1;
    std::vector<QPoint> route;  // the shortest route itself, start to goal, one 8-neighbour step apart; empty: none
    QStringList problems;  // why it failed, one line each
    QStringList joins;     // marks that join separate pieces of road
    bool outOfTime = false;  // given up at the deadline: neither proven nor refuted
};

CourseReport CheckCourse(const QImage& map, const CoursePlan& plan, int r, Deadline deadline = kNoDeadline);

struct FairnessOptions {
    int lastStartSecond = 60;  // Start clicks at 0, 1, ..., this many seconds after the timers start
    int limitSeconds = 90;     // the goal must be reached this long after the click
    int pixelsPerStep = 6;     // 60 px per second, in 8-neighbour steps (Chebyshev)
    Deadline deadline = kNoDeadline;  // then it gives up
};

struct FairnessReport {
    bool passed = false;
    std::vector<double> seconds;  // per Start click second: time to the goal, -1 = not in time
    double best = -1;
    double worst = -1;
    bool outOfTime = false;  // given up at the deadline: neither proven nor refuted
    QStringList problems;
};

// Time-expanded search in 100 ms steps: the player may wait anywhere safe and
// never stands on a hazard, also not on one that has just moved under him.
FairnessReport CheckFairness(const QImage& map, const CoursePlan& plan, int r, const FairnessOptions& options = {});

}  // namespace coursecheck

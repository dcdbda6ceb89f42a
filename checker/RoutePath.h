// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The way a careful player would steer: the cheapest pointer route from the
// start point into the goal over safe positions, keeping away from the road's
// edges where the road is wide enough.

#include <QPoint>
#include <QRect>

#include <cstdint>
#include <vector>

namespace coursecheck {

// Every position of the route, one 8-neighbour step apart, from start to the
// first position inside goal. Positions closer than `margin` pixels to an
// unsafe one cost extra, so the route keeps to the middle of wide road and
// still squeezes through narrow parts. Empty when the goal cannot be reached.
std::vector<QPoint> ShortestRoute(const std::vector<std::uint8_t>& safe, QPoint start, const QRect& goal, int margin = 0);

// Chebyshev distance of every position to the nearest unsafe one (or the map's
// edge), capped at `cap`.
std::vector<int> DistanceToUnsafe(const std::vector<std::uint8_t>& safe, int cap);

}  // namespace coursecheck

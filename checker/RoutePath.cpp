// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "RoutePath.h"

#include "CourseChecker.h"

#include <algorithm>

namespace coursecheck {

namespace {
constexpr int kCells = kSide * kSide;
int At(int x, int y) { return x + kSide * y; }
bool OnMap(int x, int y) { return x >= 0 && y >= 0 && x < kSide && y < kSide; }
}  // namespace

std::vector<int> DistanceToUnsafe(const std::vector<std::uint8_t>& safe, int cap)
{
    // Breadth-first from every unsafe position; the map's edge counts as unsafe.
    std::vector<int> dist(kCells, cap);
    std::vector<int> queue;
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const int c = At(x, y);
            if (!safe[c]) {
                dist[c] = 0;
                queue.push_back(c);
            } else if (x == 0 || y == 0 || x == kSide - 1 || y == kSide - 1) {
                dist[c] = std::min(cap, 1);
                queue.push_back(c);
            }
        }
    for (std::size_t i = 0; i < queue.size(); ++i) {
        const int c = queue[i];
        const int x = c % kSide;
        const int y = c / kSide;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                if (!OnMap(x + dx, y + dy))
                    continue;
                const int n = At(x + dx, y + dy);
                if (dist[c] + 1 < dist[n]) {
                    dist[n] = dist[c] + 1;
                    queue.push_back(n);
                }
            }
    }
    return dist;
}

std::vector<QPoint> ShortestRoute(const std::vector<std::uint8_t>& safe, QPoint start, const QRect& goal, int margin)
{
    if (!OnMap(start.x(), start.y()) || !safe[At(start.x(), start.y())])
        return {};
    const std::vector<int> edge = DistanceToUnsafe(safe, std::max(margin, 1));
    // Dijkstra in tenths of a pixel (steps cost 10 or 14) plus 30 for every
    // pixel a position lies inside the margin; a bucket queue keeps it simple.
    constexpr int kNearEdgeCost = 30;
    std::vector<int> dist(kCells, -1);
    std::vector<int> from(kCells, -1);
    std::vector<std::vector<int>> buckets(1);
    const int s = At(start.x(), start.y());
    dist[s] = 0;
    buckets[0].push_back(s);
    int reached = -1;
    for (std::size_t d = 0; d < buckets.size() && reached < 0; ++d) {
        for (std::size_t i = 0; i < buckets[d].size(); ++i) {
            const int c = buckets[d][i];
            if (dist[c] != static_cast<int>(d))
                continue;
            if (goal.contains(c % kSide, c / kSide)) {
                reached = c;
                break;
            }
            const int x = c % kSide;
            const int y = c / kSide;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    if ((dx == 0 && dy == 0) || !OnMap(x + dx, y + dy))
                        continue;
                    const int n = At(x + dx, y + dy);
                    if (!safe[n])
                        continue;
                    const int nd = static_cast<int>(d) + (dx != 0 && dy != 0 ? 14 : 10) +
                                   kNearEdgeCost * std::max(0, margin - edge[n]);
                    if (dist[n] >= 0 && dist[n] <= nd)
                        continue;
                    dist[n] = nd;
                    from[n] = c;
                    if (buckets.size() <= static_cast<std::size_t>(nd))
                        buckets.resize(static_cast<std::size_t>(nd) + 1);
                    buckets[static_cast<std::size_t>(nd)].push_back(n);
                }
        }
    }
    std::vector<QPoint> route;
    for (int c = reached; c >= 0; c = from[c])
        route.push_back(QPoint(c % kSide, c / kSide));
    std::reverse(route.begin(), route.end());
    return route;
}

}  // namespace coursecheck

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// Pure rules of the course: the off-road grid and the probe test.

#include <array>
#include <cstdint>

#include <cstdlib>
#include <optional>

#include <QRgb>

class QImage;

namespace course {

constexpr int kMapSize = 300;            // course pictures are 300 x 300
constexpr int kGridSide = kMapSize + 1;  // the grid keeps a spare row and column

// Off-road grid: cell (x, y) is element x + 301 * y; 1 = off the road.
using MapGrid = std::array<std::int16_t, kGridSide * kGridSide>;

// Probe half-size for a level: 1 on the easy level, 3 on any other.
constexpr int ProbeHalfSize(int level) { return level == 1 ? 1 : 3; }

struct ProbeCells {
    int left, right, top, bottom;
};

// The probe columns and rows around pointer (x, y), clamped at the map's sides
// and rounded half to even.
ProbeCells ProbesAround(float x, float y, int r);

// True when the pointer at (x, y) is off the road: one of the four corner probes
// lies on background, or the position lies outside the map altogether.
bool IsOffRoad(const MapGrid& grid, float x, float y, int r);

// A whole map pixel (it may lie beyond the map's edge).
struct Pixel {
    int x, y;
    friend bool operator==(Pixel, Pixel) = default;
};

// The same test for a pointer resting on a whole pixel, without the float rounding.
bool IsOffRoadAt(const MapGrid& grid, Pixel p, int r);

// Walks the 8-connected (Bresenham) line from `from` to `to`: calls visit(Pixel)
// on every pixel after `from`, up to and including `to`, and stops as soon as
// visit returns true. Returns whether it stopped early.
template <typename Visit>
bool WalkLine(Pixel from, Pixel to, Visit&& visit)
{
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    Pixel p = from;
    while (p.x != to.x || p.y != to.y) {
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.x += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.y += sy;
        }
        if (visit(p))
            return true;
    }
    return false;
}

// The first pixel after `from`, up to and including `to`, at which the pointer
// would be off the road: a quick hand is judged at every pixel it crossed.
std::optional<Pixel> FirstOffRoadOnLine(const MapGrid& grid, Pixel from, Pixel to, int r);

// Builds the grid from a course picture: 1 where a pixel has exactly the
// off-road colour, by default the colour of pixel (0, 0). Row 300 and column
// 300 stay 0. Returns false (and leaves the grid untouched) for a picture that
// is not 300 x 300.
bool BuildGrid(const QImage& picture, MapGrid& grid, std::optional<QRgb> offRoad = std::nullopt);

// The same grid read one pixel at a time: the reference the fast build must equal.
bool BuildGridPerPixel(const QImage& picture, MapGrid& grid);

}  // namespace course

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "rules/CourseRules.h"

#include <QImage>
#include <cmath>

namespace course {

namespace {
// One axis of the probe rule: clamp to the map, then round half to even.
void ProbeAxis(float v, int r, int* low, int* high)
{
    const float rf = static_cast<float>(r);
    float lo = v - rf;
    float hi = v + rf;
    if (v < rf)
        lo = 0.0f;
    else if (v > static_cast<float>(kMapSize - 1 - r))
        hi = static_cast<float>(kMapSize - 1);
    *low = static_cast<int>(std::nearbyint(lo));   // default rounding: half to even
    *high = static_cast<int>(std::nearbyint(hi));
}

bool InsideMap(float v)
{
    return v >= 0.0f && v < static_cast<float>(kMapSize);  // also false for NaN
}

bool InsideMap(int v)
{
    return v >= 0 && v < kMapSize;
}

// One axis of the probe rule for a whole pixel: nothing to round.
void ProbeAxis(int v, int r, int* low, int* high)
{
    *low = v < r ? 0 : v - r;
    *high = v > kMapSize - 1 - r ? kMapSize - 1 : v + r;
}

bool AnyCorner(const MapGrid& grid, const ProbeCells& c)
{
    auto cell = [&grid](int cx, int cy) {
        return grid[static_cast<std::size_t>(cx + kGridSide * cy)];
    };
    return cell(c.left, c.top) | cell(c.right, c.top) | cell(c.left, c.bottom) | cell(c.right, c.bottom);
}
}  // namespace

ProbeCells ProbesAround(float x, float y, int r)
{
    ProbeCells c{};
    ProbeAxis(x, r, &c.left, &c.right);
    ProbeAxis(y, r, &c.top, &c.bottom);
    return c;
}

bool IsOffRoad(const MapGrid& grid, float x, float y, int r)
{
    if (!InsideMap(x) || !InsideMap(y))
        return true;  // beyond the map's edge (a held button drags the pointer out)
    return AnyCorner(grid, ProbesAround(x, y, r));
}

bool IsOffRoadAt(const MapGrid& grid, Pixel p, int r)
{
    if (!InsideMap(p.x) || !InsideMap(p.y))
        return true;
    ProbeCells c{};
    ProbeAxis(p.x, r, &c.left, &c.right);
    ProbeAxis(p.y, r, &c.top, &c.bottom);
    return AnyCorner(grid, c);
}

std::optional<Pixel> FirstOffRoadOnLine(const MapGrid& grid, Pixel from, Pixel to, int r)
{
    std::optional<Pixel> hit;
    WalkLine(from, to, [&](Pixel p) {
        if (!IsOffRoadAt(grid, p, r))
            return false;
        hit = p;
        return true;
    });
    return hit;
}

bool BuildGrid(const QImage& picture, MapGrid& grid, std::optional<QRgb> offRoad)
{
    constexpr int n = kMapSize;
    if (picture.width() != n || picture.height() != n)
        return false;
    // One conversion, then whole 32-bit colour values compared row by row.
    const QImage rgb = picture.format() == QImage::Format_RGB32
                           ? picture
                           : picture.convertToFormat(QImage::Format_RGB32);
    const QRgb background = offRoad ? (*offRoad | 0xff000000u) : reinterpret_cast<const QRgb*>(rgb.constScanLine(0))[0];
    for (int y = 0; y < n; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        std::int16_t* out = &grid[static_cast<std::size_t>(kGridSide * y)];
        for (int x = 0; x < n; ++x)
            out[x] = row[x] == background ? 1 : 0;
        out[n] = 0;
    }
    std::fill_n(&grid[static_cast<std::size_t>(kGridSide * n)], kGridSide, 0);
    return true;
}

bool BuildGridPerPixel(const QImage& picture, MapGrid& grid)
{
    constexpr int n = kMapSize;
    if (picture.width() != n || picture.height() != n)
        return false;
    const QRgb background = picture.pixel(0, 0);
    grid.fill(0);
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y)
            grid[static_cast<std::size_t>(x + kGridSide * y)] = picture.pixel(x, y) == background ? 1 : 0;
    return true;
}

}  // namespace course

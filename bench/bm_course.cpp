// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The course rules on the real stage 1 map: building the off-road grid at a
// Start click, the off-road test that every pointer move runs, and a whole
// pointer move of a run as the play screen handles it.

#include "BenchSupport.h"
#include "game/GameSession.h"
#include "game/HighScoreTable.h"

#include "game/AppFolder.h"
#include "play/DrawnHero.h"
#include "play/PlayScreen.h"
#include "rules/CourseRules.h"
#include "widgets/Widgets.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>
#include <random>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

using Line = std::pair<course::Pixel, course::Pixel>;

// A straight stretch `length` pixels long, across or down the map, on which
// the probe of half-size r never leaves the road and `bare` holds everywhere,
// and which `accept` takes.
template <typename Bare, typename Accept>
std::optional<Line> StraightRoad(const course::MapGrid& grid, int r, int length, Bare bare, Accept accept)
{
    for (bool across : {true, false}) {
        for (int row = 0; row < course::kMapSize; ++row) {
            int run = 0;
            for (int along = 0; along < course::kMapSize; ++along) {
                const course::Pixel p = across ? course::Pixel{along, row} : course::Pixel{row, along};
                run = !course::IsOffRoadAt(grid, p, r) && bare(p) ? run + 1 : 0;
                const Line line{across ? course::Pixel{along - length, row} : course::Pixel{row, along - length}, p};
                if (run > length && accept(line))
                    return line;
            }
        }
    }
    return std::nullopt;
}

// Mean time of the per-pixel reference build, taken in the same process so
// the ratio compares like with like.
double PerPixelSeconds(const QImage& course, course::MapGrid& grid)
{
    constexpr int kRounds = 30;
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < kRounds; ++i) {
        course::BuildGridPerPixel(course, grid);
        benchmark::DoNotOptimize(grid.data());
        benchmark::ClobberMemory();
    }
    return SecondsSince(start) / kRounds;
}

void BM_BuildGrid(benchmark::State& state)
{
    const QImage course = bench::LoadCourse(1);
    auto reference = std::make_unique<course::MapGrid>();
    auto grid = std::make_unique<course::MapGrid>();
    if (course.isNull() || !course::BuildGridPerPixel(course, *reference)) {
        state.SkipWithError("dat/map1.dat could not be read");
        return;
    }
    const double perPixel = PerPixelSeconds(course, *reference);

    const Clock::time_point start = Clock::now();
    for (auto _ : state) {
        course::BuildGrid(course, *grid);
        benchmark::DoNotOptimize(grid->data());
        benchmark::ClobberMemory();
    }
    const double fast = SecondsSince(start) / static_cast<double>(state.iterations());

    if (*grid != *reference) {
        state.SkipWithError("the fast grid differs from the per-pixel grid");
        return;
    }
    state.counters["per_pixel_us"] = perPixel * 1e6;
    state.counters["speedup"] = perPixel / fast;
}
BENCHMARK(BM_BuildGrid)->Unit(benchmark::kMicrosecond);

void BM_BuildGridPerPixel(benchmark::State& state)
{
    const QImage course = bench::LoadCourse(1);
    auto grid = std::make_unique<course::MapGrid>();
    if (course.isNull()) {
        state.SkipWithError("dat/map1.dat could not be read");
        return;
    }
    for (auto _ : state) {
        course::BuildGridPerPixel(course, *grid);
        benchmark::DoNotOptimize(grid->data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BuildGridPerPixel)->Unit(benchmark::kMicrosecond);

// One pointer move's off-road test, over positions spread across the map
// (both road and roadside), on the easy (1) and hard (3) probe.
void BM_IsOffRoad(benchmark::State& state)
{
    const QImage course = bench::LoadCourse(1);
    auto grid = std::make_unique<course::MapGrid>();
    if (course.isNull() || !course::BuildGrid(course, *grid)) {
        state.SkipWithError("dat/map1.dat could not be read");
        return;
    }
    const int probe = static_cast<int>(state.range(0));
    std::mt19937 random(20261208);
    std::uniform_real_distribution<float> coordinate(0.0f, 299.0f);
    std::vector<std::pair<float, float>> moves(4096);
    for (auto& m : moves)
        m = {coordinate(random), coordinate(random)};

    std::size_t i = 0;
    std::int64_t offRoad = 0;
    for (auto _ : state) {
        const auto& [x, y] = moves[i++ & (moves.size() - 1)];
        const bool off = course::IsOffRoad(*grid, x, y, probe);
        benchmark::DoNotOptimize(off);
        offRoad += off;
    }
    state.counters["off_road_share"] = static_cast<double>(offRoad) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_IsOffRoad)->Arg(1)->Arg(3)->Unit(benchmark::kNanosecond);

// The road test of one quick move: 100 pixels of straight road, every one of
// them judged (none is off the road, so the sweep runs to the end), to and fro.
void BM_FirstOffRoadOnLine(benchmark::State& state)
{
    const QImage course = bench::LoadCourse(1);
    auto grid = std::make_unique<course::MapGrid>();
    const int probe = static_cast<int>(state.range(0));
    if (course.isNull() || !course::BuildGrid(course, *grid)) {
        state.SkipWithError("dat/map1.dat could not be read");
        return;
    }
    const auto any = [](auto) { return true; };
    const auto line = StraightRoad(*grid, probe, 100, any, any);
    if (!line) {
        state.SkipWithError("no straight 100 px of road on the stage 1 course");
        return;
    }
    const course::Pixel ends[2] = {line->first, line->second};
    std::size_t i = 0;
    for (auto _ : state) {
        const auto miss = course::FirstOffRoadOnLine(*grid, ends[i & 1], ends[(i + 1) & 1], probe);
        ++i;
        benchmark::DoNotOptimize(miss);
    }
    state.counters["pixels"] = 100;
}
BENCHMARK(BM_FirstOffRoadOnLine)->Arg(1)->Arg(3)->Unit(benchmark::kNanosecond);

// The way a careful hand takes on the road from `from` to `to`, one pixel a
// step (breadth first over the pixels the probe finds on the road, `avoid`
// excepted); empty if none.
template <typename Avoid>
std::vector<course::Pixel> RoadPath(const course::MapGrid& grid, int r, course::Pixel from, course::Pixel to, Avoid avoid)
{
    constexpr int n = course::kMapSize;
    std::vector<int> cameFrom(n * n, -1);
    std::vector<int> queue{from.x + n * from.y};
    cameFrom[static_cast<std::size_t>(queue[0])] = queue[0];
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const int at = queue[head];
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const course::Pixel next{at % n + dx, at / n + dy};
                const int i = next.x + n * next.y;
                if (course::IsOffRoadAt(grid, next, r) || cameFrom[static_cast<std::size_t>(i)] >= 0 || avoid(next))
                    continue;
                cameFrom[static_cast<std::size_t>(i)] = at;
                queue.push_back(i);
            }
    }
    std::vector<course::Pixel> path;
    int at = to.x + n * to.y;
    if (cameFrom[static_cast<std::size_t>(at)] < 0)
        return path;
    for (; at != from.x + n * from.y; at = cameFrom[static_cast<std::size_t>(at)])
        path.push_back({at % n, at / n});
    return {path.rbegin(), path.rend()};
}

// Pointer moves during a run on a shown stage 1 play screen, delivered as
// the window system delivers them: the drawn hero follows (its old and new
// rectangles asked to repaint) and the road test runs along the way from the
// hero's last place. `paint` also lets the repaint happen (offscreen platform).
void RunPointerMoves(benchmark::State& state, int level, int length)
{
    const bool paint = state.range(0) != 0;
    HighScoreTable table;
    std::unique_ptr<PlayScreen> form = bench::RunningStage1(state, table, level);
    if (!form)
        return;

    // To and fro between two points of bare road: the start point and its
    // neighbour, or the ends of a straight stretch with no mark on it.
    QWidget* surface = form->findChild<MapBox*>(QStringLiteral("courseMap"))->surface();
    const int probe = course::ProbeHalfSize(level);
    const auto bare = [surface](course::Pixel p) { return surface->childAt(p.x, p.y) == nullptr; };
    const QPoint from = form->startPoint(0);
    const course::Pixel start{from.x(), from.y()};
    std::vector<course::Pixel> approach;
    const auto onGoal = [&form](course::Pixel p) {
        const std::vector<course::Goal>& goals = form->session()->stageCourse().goals;
        return std::any_of(goals.begin(), goals.end(), [p](const course::Goal& goal) { return goal.rect.contains(p.x, p.y); });
    };
    const auto reachable = [&](const Line& l) {
        approach = RoadPath(form->session()->offRoadGrid(), probe, start, l.first, onGoal);
        return !approach.empty();
    };
    std::optional<Line> line = Line{start, {from.x() + length, from.y()}};
    if (length > 1)
        line = StraightRoad(form->session()->offRoadGrid(), probe, length, bare, reachable);
    if (!line || course::FirstOffRoadOnLine(form->session()->offRoadGrid(), line->first, line->second, probe) ||
        course::FirstOffRoadOnLine(form->session()->offRoadGrid(), line->second, line->first, probe) || !bare(line->first) ||
        !bare(line->second)) {
        state.SkipWithError("no bare road for the moves");
        return;
    }
    // The hand walks to the first end before the measured moves begin.
    const QPointF steps[2] = {QPointF(line->second.x, line->second.y), QPointF(line->first.x, line->first.y)};
    for (course::Pixel p : approach) {
        QWidget* under = surface->childAt(p.x, p.y);
        QWidget* receiver = under ? under : surface;
        const QPointF at = receiver->mapFrom(surface, QPointF(p.x, p.y));
        QMouseEvent move(QEvent::MouseMove, at, receiver->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(receiver, &move);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const QPointF at = steps[i++ & 1];
        QMouseEvent move(QEvent::MouseMove, at, surface->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(surface, &move);
        if (paint)
            QApplication::processEvents();
    }
    if (!form->session()->runUnderWay() || !form->findChild<DrawnHero*>(QStringLiteral("drawnHero"))->isVisible())
        state.SkipWithError("the run ended or the hero was not drawn");
    state.counters["pixels"] = length;
    form->close();
    form.reset();
}

// One pixel a move, on the easy level.
void BM_RunPointerMove(benchmark::State& state)
{
    RunPointerMoves(state, 1, 1);
}
BENCHMARK(BM_RunPointerMove)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A quick hand: 100 pixels a move, on the hard level's wider probe.
void BM_RunPointerMove100px(benchmark::State& state)
{
    RunPointerMoves(state, 2, 100);
}
BENCHMARK(BM_RunPointerMove100px)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

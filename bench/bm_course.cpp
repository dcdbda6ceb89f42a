// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The course rules on the real stage 1 map: building the off-road grid at a
// Start click, the off-road test that every pointer move runs, and a whole
// pointer move of a run as the play screen handles it.

#include "BenchSupport.h"
#include "ranking/HighScoreTable.h"
#include "game/GameSession.h"

#include "rules/CourseRules.h"
#include "game/AppFolder.h"
#include "play/DrawnHero.h"
#include "widgets/Widgets.h"
#include "play/PlayScreen.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <random>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
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

// One pointer move during a run on a shown stage 1 play screen, delivered as
// the window system delivers it: the drawn hero follows (its old and new
// rectangles asked to repaint) and the road test runs. Argument 1 also lets
// the repaint happen (offscreen platform), argument 0 stops at the request.
void BM_RunPointerMove(benchmark::State& state)
{
    const bool paint = state.range(0) != 0;
    HighScoreTable table;
    auto form = std::make_unique<PlayScreen>(table, 1, 1, 5);
    if (!form->setUpStage()) {
        state.SkipWithError("the stage 1 course could not be read");
        return;
    }
    form->show();
    QApplication::processEvents();
    form->startRun(0);
    QApplication::processEvents();

    // To and fro between the start point and its neighbour, both on the road.
    QWidget* surface = form->courseMap->surface();
    const QPoint from = form->startPoint(0);
    const QPoint steps[2] = {from, from + QPoint(1, 0)};
    for (QPoint p : steps)
        if (form->session()->offRoad(p.x(), p.y()) || surface->childAt(p)) {
            state.SkipWithError("the start point's neighbourhood is not bare road");
            return;
        }
    std::size_t i = 0;
    for (auto _ : state) {
        const QPointF at(steps[i++ & 1]);
        QMouseEvent move(QEvent::MouseMove, at, surface->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(surface, &move);
        if (paint)
            QApplication::processEvents();
    }
    if (!form->session()->runUnderWay() || !form->drawnHero()->isVisible())
        state.SkipWithError("the run ended or the hero was not drawn");
    form->close();
    form.reset();
}
BENCHMARK(BM_RunPointerMove)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

// The course rules on the real stage 1 map: building the off-road grid at a
// Start click, and the off-road test that every pointer move runs.

#include "BenchSupport.h"

#include "game/CourseRules.h"

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
double PerPixelSeconds(const QImage& course, Module1::MapGrid& grid)
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
    auto reference = std::make_unique<Module1::MapGrid>();
    auto grid = std::make_unique<Module1::MapGrid>();
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
    auto grid = std::make_unique<Module1::MapGrid>();
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
    auto grid = std::make_unique<Module1::MapGrid>();
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

}  // namespace

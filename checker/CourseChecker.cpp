// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "CourseChecker.h"

#include "RoutePath.h"

#include "rules/CourseRules.h"

#include <algorithm>
#include <memory>
#include <set>

namespace coursecheck {

namespace {

constexpr int kCells = kSide * kSide;

int At(int x, int y) { return x + kSide * y; }

template <typename Visit>
void ForNeighbours(int cell, Visit visit)
{
    const int x = cell % kSide;
    const int y = cell / kSide;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx;
            const int ny = y + dy;
            if ((dx != 0 || dy != 0) && nx >= 0 && ny >= 0 && nx < kSide && ny < kSide)
                visit(At(nx, ny), dx != 0 && dy != 0);
        }
}

bool Inside(const QRect& rect, int cell) { return rect.contains(cell % kSide, cell / kSide); }

// Connected pieces (8-neighbour) of the cells where keep is true; -1 elsewhere.
std::vector<int> Pieces(const std::vector<std::uint8_t>& keep)
{
    std::vector<int> piece(kCells, -1);
    std::vector<int> queue;
    int next = 0;
    for (int c = 0; c < kCells; ++c) {
        if (!keep[c] || piece[c] >= 0)
            continue;
        queue.assign(1, c);
        piece[c] = next;
        for (std::size_t i = 0; i < queue.size(); ++i)
            ForNeighbours(queue[i], [&](int n, bool) {
                if (keep[n] && piece[n] < 0) {
                    piece[n] = next;
                    queue.push_back(n);
                }
            });
        ++next;
    }
    return piece;
}

QString Where(int cell) { return QStringLiteral("(%1, %2)").arg(cell % kSide).arg(cell / kSide); }

// A list of marks for a message of one line: the first few, then how many in all.
QString Listed(const std::vector<QString>& names, const QString& joiner)
{
    constexpr std::size_t kShown = 6;
    QStringList shown(names.begin(), names.begin() + static_cast<std::ptrdiff_t>(std::min(names.size(), kShown)));
    QString list = shown.join(joiner);
    if (names.size() > kShown)
        list += QStringLiteral("%1… (%2 in all)").arg(joiner).arg(names.size());
    return list;
}

// Marks (not hazards) that, alone or touching each other, join pieces of road
// that are apart on the picture.
QStringList FindJoins(const std::vector<std::uint8_t>& roadOk, const Scene& scene, const SafeField& field)
{
    std::vector<std::uint8_t> road(kCells), mark(kCells);
    for (int c = 0; c < kCells; ++c) {
        const int t = field.top[c];
        road[c] = roadOk[c] && (t < 0 || scene[t].effect == Effect::Safe);
        mark[c] = t >= 0 && !scene[t].hazard;
    }
    const std::vector<int> roadPiece = Pieces(road);
    const std::vector<int> markBlob = Pieces(mark);
    QStringList joins;
    std::set<int> seen;
    for (int c = 0; c < kCells; ++c) {
        if (markBlob[c] < 0 || !seen.insert(markBlob[c]).second)
            continue;
        std::set<int> touched;
        std::set<QString> names;
        std::vector<int> queue{c};
        std::set<int> visited{c};
        for (std::size_t i = 0; i < queue.size(); ++i) {
            const int m = queue[i];
            names.insert(scene[field.top[m]].name);
            if (roadPiece[m] >= 0)
                touched.insert(roadPiece[m]);
            ForNeighbours(m, [&](int n, bool) {
                if (roadPiece[n] >= 0)
                    touched.insert(roadPiece[n]);
                if (markBlob[n] == markBlob[c] && visited.insert(n).second)
                    queue.push_back(n);
            });
        }
        if (touched.size() > 1) {
            joins << QStringLiteral("%1 near %2 join %3 separate pieces of road")
                         .arg(Listed(std::vector<QString>(names.begin(), names.end()), QStringLiteral(", ")), Where(c))
                         .arg(touched.size());
        }
    }
    return joins;
}

// The safe field with every position whose topmost element is one of names taken out.
std::vector<std::uint8_t> Without(const SafeField& field, const Scene& scene, const std::vector<QString>& names)
{
    std::vector<std::uint8_t> safe = field.safe;
    for (int c = 0; c < kCells; ++c)
        if (field.top[c] >= 0 && std::find(names.begin(), names.end(), scene[field.top[c]].name) != names.end())
            safe[c] = 0;
    return safe;
}

// One 100 ms step of the player: every position spreads its latest Start click
// to its neighbours, and only safe positions keep one. The rows are walked
// through pointers that share nothing, so the compiler takes many positions
// at once: the checker spends most of its time here.
std::uint8_t Max(std::uint8_t a, std::uint8_t b) { return a > b ? a : b; }

void SpreadRow(const std::uint8_t* __restrict row, std::uint8_t* __restrict out)
{
    out[0] = Max(row[0], row[1]);
    for (int x = 1; x < kSide - 1; ++x)
        out[x] = Max(Max(row[x - 1], row[x]), row[x + 1]);
    out[kSide - 1] = Max(row[kSide - 2], row[kSide - 1]);
}

void SpreadColumn(const std::uint8_t* __restrict up, const std::uint8_t* __restrict mid, const std::uint8_t* __restrict down,
                  const std::uint8_t* __restrict mask, std::uint8_t* __restrict out)
{
    for (int x = 0; x < kSide; ++x)
        out[x] = static_cast<std::uint8_t>(Max(Max(up[x], mid[x]), down[x]) & mask[x]);
}

void Spread(std::vector<std::uint8_t>& latest, std::vector<std::uint8_t>& rows, const std::vector<std::uint8_t>& safe)
{
    for (int y = 0; y < kSide; ++y)
        SpreadRow(latest.data() + y * kSide, rows.data() + y * kSide);
    const std::uint8_t* h = rows.data();
    for (int y = 0; y < kSide; ++y)
        SpreadColumn(h + std::max(y - 1, 0) * kSide, h + y * kSide, h + std::min(y + 1, kSide - 1) * kSide, safe.data() + y * kSide,
                     latest.data() + y * kSide);
}

}  // namespace

std::vector<std::uint8_t> RoadOk(const QImage& map, int r, std::optional<QRgb> offRoad)
{
    auto grid = std::make_unique<course::MapGrid>();
    std::vector<std::uint8_t> ok(kCells, 0);
    if (!course::BuildGrid(map, *grid, offRoad))
        return ok;
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            ok[At(x, y)] = !course::IsOffRoad(*grid, static_cast<float>(x), static_cast<float>(y), r);
    return ok;
}

SafeField Paint(const std::vector<std::uint8_t>& roadOk, const Scene& scene)
{
    SafeField f{roadOk, std::vector<std::int16_t>(kCells, -1)};
    for (int i = static_cast<int>(scene.size()) - 1; i >= 0; --i) {  // bottom first, top paints last
        const QRect r = scene[i].rect.intersected(QRect(0, 0, kSide, kSide));
        const std::uint8_t safe = scene[i].effect == Effect::Safe ? 1 : 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                f.safe[At(x, y)] = safe;
                f.top[At(x, y)] = static_cast<std::int16_t>(i);
            }
    }
    return f;
}

int RouteLength(const std::vector<std::uint8_t>& safe, QPoint start, const QRect& goal)
{
    if (!QRect(0, 0, kSide, kSide).contains(start) || !safe[At(start.x(), start.y())])
        return -1;
    // Dijkstra on tenths of a pixel with a bucket queue: steps cost 10 or 14.
    std::vector<int> dist(kCells, -1);
    std::vector<std::vector<int>> buckets(1);
    const int s = At(start.x(), start.y());
    dist[s] = 0;
    buckets[0].push_back(s);
    for (std::size_t d = 0; d < buckets.size(); ++d) {
        for (std::size_t i = 0; i < buckets[d].size(); ++i) {
            const int c = buckets[d][i];
            if (dist[c] != static_cast<int>(d))
                continue;
            if (Inside(goal, c))
                return (static_cast<int>(d) + 5) / 10;
            ForNeighbours(c, [&](int n, bool diagonal) {
                const int nd = static_cast<int>(d) + (diagonal ? 14 : 10);
                if (!safe[n] || (dist[n] >= 0 && dist[n] <= nd))
                    return;
                dist[n] = nd;
                if (buckets.size() <= static_cast<std::size_t>(nd))
                    buckets.resize(static_cast<std::size_t>(nd) + 1);
                buckets[static_cast<std::size_t>(nd)].push_back(n);
            });
        }
        buckets[d].clear();
    }
    return -1;
}

CourseReport CheckCourse(const QImage& map, const CoursePlan& plan, int r, Deadline deadline)
{
    CourseReport report;
    if (map.width() != kSide || map.height() != kSide) {
        report.problems << QStringLiteral("the picture is %1 x %2, not 300 x 300").arg(map.width()).arg(map.height());
        return report;
    }
    const std::vector<std::uint8_t> roadOk = RoadOk(map, r, plan.offRoad);
    const SafeField field = Paint(roadOk, plan.still);
    if (!field.safe[At(plan.start.x(), plan.start.y())])
        report.problems << QStringLiteral("the start point %1 is not safe").arg(Where(At(plan.start.x(), plan.start.y())));

    report.routeLength = RouteLength(field.safe, plan.start, plan.goal);
    report.route = ShortestRoute(field.safe, plan.start, plan.goal);
    if (report.routeLength < 0)
        report.problems << QStringLiteral("the goal cannot be reached from the start point");
    else if (plan.maxRouteLength > 0 && report.routeLength > plan.maxRouteLength)
        report.problems << QStringLiteral("the shortest route is %1 px, longer than %2").arg(report.routeLength).arg(plan.maxRouteLength);

    const auto outOfTime = [&] {
        report.outOfTime = report.outOfTime || std::chrono::steady_clock::now() > deadline;
        return report.outOfTime;
    };
    for (const auto& set : plan.mustPass)
        if (!outOfTime() && RouteLength(Without(field, plan.still, set), plan.start, plan.goal) >= 0)
            report.problems << QStringLiteral("a route reaches the goal without passing %1").arg(Listed(set, QStringLiteral(" or ")));
    for (const QString& name : plan.optional)
        if (!outOfTime() && RouteLength(Without(field, plan.still, {name}), plan.start, plan.goal) < 0)
            report.problems << QStringLiteral("every route passes %1, but it should lie on one way only").arg(name);
    if (outOfTime()) {
        report.problems << QStringLiteral("too complex to prove in the time allowed");
        return report;
    }

    report.joins = FindJoins(roadOk, plan.still, field);
    report.problems << report.joins;
    report.passed = report.problems.isEmpty();
    return report;
}

FairnessReport CheckFairness(const QImage& map, const CoursePlan& plan, int r, const FairnessOptions& options)
{
    FairnessReport report;
    const int starts = options.lastStartSecond + 1;
    report.seconds.assign(static_cast<std::size_t>(starts), -1.0);
    if (!plan.at || map.width() != kSide || map.height() != kSide || starts > 254) {
        report.problems << QStringLiteral("nothing to check: no moving hazards or no 300 x 300 picture");
        return report;
    }
    const std::vector<std::uint8_t> roadOk = RoadOk(map, r, plan.offRoad);
    const int startCell = At(plan.start.x(), plan.start.y());
    // latest[c]: 1 + the latest Start click (in seconds) from which the player can be at c now.
    // Sets reachable from later clicks lie inside those from earlier ones (one can wait at the
    // start), so the latest click alone tells which clicks reach a position.
    std::vector<std::uint8_t> latest(kCells, 0), rows(kCells), mask(kCells);
    const int totalSteps = (options.lastStartSecond + options.limitSeconds) * 10;
    int found = 0;
    for (int step = 0; step < totalSteps && found < starts; ++step) {
        if (std::chrono::steady_clock::now() > options.deadline) {
            report.outOfTime = true;
            report.problems << QStringLiteral("too complex to prove in the time allowed");
            return report;
        }
        const SafeField field = Paint(roadOk, plan.at(step));
        for (int c = 0; c < kCells; ++c)
            mask[c] = field.safe[c] ? 0xFF : 0;
        if (!mask[startCell] && step <= options.lastStartSecond * 10) {
            report.problems << QStringLiteral("the start point lies under a hazard at %1 s").arg(step / 10.0);
            return report;
        }
        for (int c = 0; c < kCells; ++c)
            latest[c] &= mask[c];  // a hazard arriving under a waiting pointer ends the run
        if (step % 10 == 0 && step / 10 < starts)
            latest[startCell] = static_cast<std::uint8_t>(step / 10 + 1);
        for (int i = 0; i < options.pixelsPerStep; ++i)
            Spread(latest, rows, mask);
        int reached = 0;
        for (int y = plan.goal.top(); y <= plan.goal.bottom(); ++y)
            for (int x = plan.goal.left(); x <= plan.goal.right(); ++x)
                reached = std::max<int>(reached, latest[At(x, y)]);
        for (int t = 0; t < reached && t < starts; ++t) {
            double& s = report.seconds[static_cast<std::size_t>(t)];
            if (s < 0 && step >= t * 10) {
                s = (step + 1 - t * 10) / 10.0;
                ++found;
            }
        }
    }
    for (int t = 0; t < starts; ++t) {
        const double s = report.seconds[static_cast<std::size_t>(t)];
        if (s < 0 || s > options.limitSeconds) {
            report.problems << QStringLiteral("a Start click at %1 s cannot reach the goal within %2 s").arg(t).arg(options.limitSeconds);
            continue;
        }
        report.best = report.best < 0 ? s : std::min(report.best, s);
        report.worst = std::max(report.worst, s);
    }
    report.passed = report.problems.isEmpty();
    return report;
}

}  // namespace coursecheck

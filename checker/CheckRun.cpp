// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "CheckRun.h"

#include "CourseChecker.h"
#include "rules/CourseRules.h"

namespace coursecheck {

namespace {
// The quickest hand a gold may ask for along the shortest route: faster than
// anyone keeps to a winding road.
constexpr int kFastestHandPxPerSecond = 300;

void Print(QTextStream& out, const QStringList& lines)
{
    for (const QString& line : lines)
        out << "    " << line << '\n';
}
Verdict TooComplex(QTextStream& out, int stage)
{
    out << "stage " << stage << ": too complex to prove in the time allowed\n";
    out.flush();
    return Verdict::TooComplex;
}
}  // namespace

bool RunChecks(const QImage& map, const course::Stage& description, int stage, QTextStream& out)
{
    return RunChecks(map, description, stage, out, std::chrono::steady_clock::time_point::max()) == Verdict::Passes;
}

StageCheck CheckStage(const QImage& map, const course::Stage& description, int stage, std::chrono::steady_clock::time_point deadline)
{
    StageCheck check;
    const CoursePlan plan = StagePlan(description);
    bool passed = true;
    for (int level = 1; level <= 2; ++level) {
        CourseReport& course = check.levels[static_cast<std::size_t>(level - 1)];
        course = CheckCourse(map, plan, course::ProbeHalfSize(level), deadline);
        if (course.outOfTime) {
            check.verdict = Verdict::TooComplex;
            return check;
        }
        passed = passed && course.passed;
        const std::optional<course::Targets>& targets = description.targets[static_cast<std::size_t>(level - 1)];
        if (targets && course.routeLength > (*targets)[0] * kFastestHandPxPerSecond) {
            check.goldTooFast[static_cast<std::size_t>(level - 1)] =
                QStringLiteral("stages[%1].targets.%2: gold %3 s is faster than the shortest route (%4 px) can be walked at %5 px/s")
                    .arg(stage - 1).arg(level).arg((*targets)[0]).arg(course.routeLength).arg(kFastestHandPxPerSecond);
            passed = false;
        }
    }
    if (plan.at) {
        FairnessOptions options;
        options.limitSeconds = description.timeLimit;
        options.deadline = deadline;
        check.hazards = CheckFairness(map, plan, course::ProbeHalfSize(2), options);
        if (check.hazards->outOfTime) {
            check.verdict = Verdict::TooComplex;
            return check;
        }
        passed = passed && check.hazards->passed;
    }
    check.verdict = passed ? Verdict::Passes : Verdict::Fails;
    return check;
}

Verdict RunChecks(const QImage& map, const course::Stage& description, int stage, QTextStream& out,
                  std::chrono::steady_clock::time_point deadline)
{
    const StageCheck check = CheckStage(map, description, stage, deadline);
    if (check.verdict == Verdict::TooComplex)
        return TooComplex(out, stage);
    for (int level = 1; level <= 2; ++level) {
        const CourseReport& course = check.levels[static_cast<std::size_t>(level - 1)];
        out << "stage " << stage << ", level " << level << " (r = " << course::ProbeHalfSize(level) << "): "
            << (course.passed ? "passes" : "FAILS") << ", shortest route " << course.routeLength << " px\n";
        Print(out, course.problems);
        if (const QString& gold = check.goldTooFast[static_cast<std::size_t>(level - 1)]; !gold.isEmpty())
            out << "    " << gold << '\n';
    }
    if (const std::optional<FairnessReport>& fair = check.hazards) {
        out << "stage " << stage << ", level 2 with moving hazards: " << (fair->passed ? "passes" : "FAILS")
            << ", Start clicks at 0.." << FairnessOptions{}.lastStartSecond << " s reach the goal in " << fair->best << " s at best, "
            << fair->worst << " s at worst (60 px/s in 8-neighbour steps)\n";
        Print(out, fair->problems);
    }
    out.flush();
    return check.verdict;
}

}  // namespace coursecheck

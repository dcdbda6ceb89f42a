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

Verdict RunChecks(const QImage& map, const course::Stage& description, int stage, QTextStream& out,
                  std::chrono::steady_clock::time_point deadline)
{
    const CoursePlan plan = StagePlan(description);
    bool passed = true;
    for (int level = 1; level <= 2; ++level) {
        const int r = course::ProbeHalfSize(level);
        const CourseReport course = CheckCourse(map, plan, r, deadline);
        if (course.outOfTime)
            return TooComplex(out, stage);
        out << "stage " << stage << ", level " << level << " (r = " << r << "): "
            << (course.passed ? "passes" : "FAILS") << ", shortest route " << course.routeLength << " px\n";
        Print(out, course.problems);
        passed = passed && course.passed;
        const std::optional<course::Targets>& targets = description.targets[static_cast<std::size_t>(level - 1)];
        if (targets && course.routeLength > (*targets)[0] * kFastestHandPxPerSecond) {
            out << "    stages[" << stage - 1 << "].targets." << level << ": gold " << (*targets)[0]
                << " s is faster than the shortest route (" << course.routeLength << " px) can be walked at "
                << kFastestHandPxPerSecond << " px/s\n";
            passed = false;
        }
    }
    if (plan.at) {
        FairnessOptions options;
        options.limitSeconds = description.timeLimit;
        options.deadline = deadline;
        const FairnessReport fair = CheckFairness(map, plan, course::ProbeHalfSize(2), options);
        if (fair.outOfTime)
            return TooComplex(out, stage);
        out << "stage " << stage << ", level 2 with moving hazards: " << (fair.passed ? "passes" : "FAILS")
            << ", Start clicks at 0.." << options.lastStartSecond << " s reach the goal in " << fair.best << " s at best, " << fair.worst
            << " s at worst (60 px/s in 8-neighbour steps)\n";
        Print(out, fair.problems);
        passed = passed && fair.passed;
    }
    out.flush();
    return passed ? Verdict::Passes : Verdict::Fails;
}

}  // namespace coursecheck

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Runs that prove themselves: logging one move, the bytes of a two-minute
// stage 2 run kept as its log, and re-judging it by the rules.

#include "game/GameSession.h"
#include "game/GhostStore.h"
#include "game/RunVerifier.h"
#include "support/TimedRun.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>

namespace {

// A stage 2 run on the easy level with no screen, its clocks beating on
// time: the hand wanders over the START sign at random until 110 s, then
// walks the shortest road to the goal, waiting where a moving hazard is near;
// `perSecond` moves a second throughout, each a millisecond early or late at
// random, as a desktop's events come.
class TwoMinuteRun {
public:
    explicit TwoMinuteRun(int perSecond) : m_run(1, 2), m_stepMs(1000 / perSecond)
    {
        const course::Stage& stage = m_run.session().stageCourse();
        rest(stage.ownStart()->rect.adjusted(4, 4, -4, -4), 110000);
        walk(m_run.route());
    }
    GameSession& session() { return m_run.session(); }

private:
    int jitter() { return static_cast<int>(m_random() % 3) - 1; }
    void step() { m_run.waitUntil(m_run.now() + std::max(1, m_stepMs + (m_stepMs > 1 ? jitter() : 0))); }
    void rest(const QRect& sign, std::int64_t until)
    {
        QPoint at = sign.center();
        while (m_run.now() < until) {
            step();
            at = QPoint(std::clamp(at.x() + jitter(), sign.left(), sign.right()), std::clamp(at.y() + jitter(), sign.top(), sign.bottom()));
            session().moveHand(at);
        }
    }
    void walk(const std::vector<QPoint>& route)
    {
        for (QPoint p : route) {
            step();
            while (m_run.danger(p) && session().runUnderWay())
                m_run.waitUntil(m_run.now() + 10);
            if (!session().runUnderWay())
                return;
            session().moveHand(p);
        }
    }

    TimedRun m_run;
    int m_stepMs;
    std::mt19937 m_random{2026};
};

ghost::GhostRecord Kept(const GameSession& session)
{
    return {session.level(), session.stage(), session.score(), ghost::CourseHash(session.stageCourse()), {},
            session.runLogger().runLog()};
}

// One move logged as a run logs it, the room taken at the Start click.
void BM_RunLogMove(benchmark::State& state)
{
    runlog::RunLogger logger;
    std::int64_t now = 0;
    logger.useClock([&now] { return now; });
    logger.start({});
    int x = 0;
    for (auto _ : state) {
        if (logger.runLog().events.size() >= std::size_t(1) << 20)
            logger.start({});  // keeps its room
        logger.log(runlog::Kind::Move, QPointF(x, 93));
        x = (x + 1) & 255;
        ++now;
    }
}
BENCHMARK(BM_RunLogMove);

// The file of a two-minute stage 2 run at 125 and at 1,000 moves a second,
// and re-judging each.
void BM_RejudgeTwoMinuteRun(benchmark::State& state)
{
    TwoMinuteRun run(static_cast<int>(state.range(0)));
    const ghost::GhostRecord kept = Kept(run.session());
    const runlog::Claim claim{kept.level, kept.stage, kept.score, kept.courseHash};
    if (kept.log->events.empty() || kept.log->events.back().kind != runlog::Kind::Goal)
        state.SkipWithError("the run did not reach the goal");
    for (auto _ : state) {
        const runlog::Verdict verdict = runlog::Rejudge(*kept.log, claim, course::BuiltIn());
        if (!verdict.valid)
            state.SkipWithError(qPrintable(verdict.why));
    }
    state.counters["file_bytes"] = static_cast<double>(ghost::Encode(kept).size());
    state.counters["events"] = static_cast<double>(kept.log->events.size());
    state.counters["seconds"] = kept.log->events.back().ms / 1000.0;
}
BENCHMARK(BM_RejudgeTwoMinuteRun)->Arg(125)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

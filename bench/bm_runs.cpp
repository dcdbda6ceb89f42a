// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Runs that prove themselves: logging one move, the bytes of a two-minute
// stage 2 run kept as its log, and re-judging it by the rules.

#include "CourseChecker.h"
#include "CourseScene.h"
#include "RoutePath.h"
#include "game/AppFolder.h"
#include "game/GameSession.h"
#include "game/GhostStore.h"
#include "game/RunVerifier.h"
#include "rules/CourseRules.h"
#include "rules/MapPicture.h"

#include <QDir>
#include <benchmark/benchmark.h>

#include <map>
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
    explicit TwoMinuteRun(int perSecond) : m_session(course::BuiltIn(), 1, 2, 5, nullptr), m_stepMs(1000 / perSecond)
    {
        const course::Stage& stage = m_session.stageCourse();
        const QImage map = course::ReadMap(game::MapFile(stage.map));
        m_session.setUpStage();
        m_session.useMap(map);
        m_session.startHazards();
        m_session.stopHazards();  // beaten here, on time
        m_session.useRunClock([this] { return m_now; });
        for (int period : course::HazardPeriods(stage))
            m_hazardDue[period] = period;
        const auto own = std::find_if(stage.starts.begin(), stage.starts.end(), [](const course::StartZone& z) { return z.own; });
        m_session.clickStart(static_cast<int>(own - stage.starts.begin()));
        rest(own->rect.adjusted(4, 4, -4, -4), 110000);
        const auto field = coursecheck::Paint(coursecheck::RoadOk(map, course::ProbeHalfSize(1)), coursecheck::StageScene(stage, 0));
        const coursecheck::CoursePlan plan = coursecheck::StagePlan(stage);
        walk(coursecheck::ShortestRoute(field.safe, plan.start, plan.goal, 2));
    }
    const GameSession& session() const { return m_session; }

private:
    void waitUntil(std::int64_t until)
    {
        for (;;) {
            auto next = std::min_element(m_hazardDue.begin(), m_hazardDue.end(), [](auto& a, auto& b) { return a.second < b.second; });
            const bool hazard = next != m_hazardDue.end() && next->second < m_clockDue;
            const std::int64_t due = hazard ? next->second : m_clockDue;
            if (due > until || !m_session.runUnderWay())
                break;
            m_now = due;
            if (hazard) {
                m_session.stepHazards(next->first);
                next->second += next->first;
            } else {
                m_session.tick();
                m_clockDue += 1000;
            }
        }
        m_now = until;
    }
    int jitter() { return static_cast<int>(m_random() % 3) - 1; }
    std::int64_t nextMove() { return m_now + std::max(1, m_stepMs + (m_stepMs > 1 ? jitter() : 0)); }
    void rest(const QRect& sign, std::int64_t until)
    {
        QPoint at = sign.center();
        while (m_now < until) {
            waitUntil(nextMove());
            at = QPoint(std::clamp(at.x() + jitter(), sign.left(), sign.right()), std::clamp(at.y() + jitter(), sign.top(), sign.bottom()));
            m_session.moveHand(at);
        }
    }
    bool danger(QPoint p) const
    {
        const auto near = m_session.scene().elementsMeeting(QRect(p - QPoint(6, 6), QSize(13, 13)));
        const std::vector<course::Hazard>& hazards = m_session.stageCourse().hazards;
        return std::any_of(near.begin(), near.end(), [&](const course::SceneElement& e) {
            return e.layer == course::Layer::Hazard && e.harms && hazards[static_cast<std::size_t>(e.index)].periodMs > 0;
        });
    }
    void walk(const std::vector<QPoint>& route)
    {
        for (QPoint p : route) {
            waitUntil(nextMove());
            while (danger(p) && m_session.runUnderWay())
                waitUntil(m_now + 10);
            if (!m_session.runUnderWay())
                return;
            m_session.moveHand(p);
        }
    }

    GameSession m_session;
    int m_stepMs;
    std::int64_t m_now = 0;
    std::int64_t m_clockDue = 1000;
    std::map<int, std::int64_t> m_hazardDue;
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
    const TwoMinuteRun run(static_cast<int>(state.range(0)));
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

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "support/TimedRun.h"

#include "CourseChecker.h"
#include "CourseScene.h"
#include "RoutePath.h"
#include "game/AppFolder.h"
#include "rules/CourseRules.h"
#include "rules/MapPicture.h"

#include <algorithm>

TimedRun::TimedRun(int level, int stage, int leadBeats) : m_session(course::BuiltIn(), level, stage, 5, nullptr)
{
    m_session.setUpStage();
    m_session.useMap(course::ReadMap(game::MapFile(m_session.stageCourse().map)));
    m_session.startHazards();  // shown; beaten here
    m_session.stopHazards();
    m_session.useRunClock([this] { return m_now; });
    QObject::connect(&m_session, &GameSession::missed, [this] { m_missed = true; });
    const course::Stage& described = m_session.stageCourse();
    for (int period : course::HazardPeriods(described)) {
        m_hazardDue[period] = period;
        for (int beat = 0; beat < leadBeats; ++beat)
            m_session.stepHazards(period);
    }
    m_session.clickStart(static_cast<int>(described.ownStart() - described.starts.data()));
}

void TimedRun::waitUntil(std::int64_t until)
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

bool TimedRun::danger(QPoint p) const
{
    const auto near = m_session.scene().elementsMeeting(QRect(p - QPoint(6, 6), QSize(13, 13)));
    const std::vector<course::Hazard>& hazards = m_session.stageCourse().hazards;
    return std::any_of(near.begin(), near.end(), [&](const course::SceneElement& e) {
        return e.layer == course::Layer::Hazard && e.harms && hazards[static_cast<std::size_t>(e.index)].periodMs > 0;
    });
}

bool TimedRun::walk(const std::vector<QPoint>& route, int restMs, int stepMs)
{
    waitUntil(restMs);
    for (QPoint p : route) {
        waitUntil(m_now + stepMs);
        while (danger(p) && m_session.runUnderWay())
            waitUntil(m_now + 10);
        if (!m_session.runUnderWay())
            break;
        m_session.moveHand(p);
    }
    return !m_session.runUnderWay() && !m_missed;
}

std::vector<QPoint> TimedRun::route() const
{
    const course::Stage& described = m_session.stageCourse();
    const QImage map = course::ReadMap(game::MapFile(described.map));
    const auto field = coursecheck::Paint(coursecheck::RoadOk(map, course::ProbeHalfSize(m_session.level())), coursecheck::StageScene(described, described.hazards.empty() ? -1 : 0));
    const coursecheck::CoursePlan plan = coursecheck::StagePlan(described);
    return coursecheck::ShortestRoute(field.safe, plan.start, plan.goal, 2);
}

std::unique_ptr<TimedRun> ClearStage(int level, int stage, int restMs, int leadBeats)
{
    auto run = std::make_unique<TimedRun>(level, stage, leadBeats);
    return run->walk(run->route(), restMs, 2) ? std::move(run) : nullptr;
}

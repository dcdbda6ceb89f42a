// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// What the hand does, judged by the session from the stage's description
// alone: the Start click, every pixel of a move through the scene, a click,
// and what each outcome costs.

#include "game/GameSession.h"


using game::MissCause;

namespace {

course::Pixel PixelOf(QPoint p)
{
    return {p.x(), p.y()};
}

QRect Spanning(QPoint a, QPoint b)
{
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())), QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

}  // namespace

void GameSession::clickMap(QPoint at)
{
    if (!game::RulesOf(m_mode).handCounts)
        return;
    if (m_running)
        m_log.log(runlog::Kind::Click, at);
    const std::optional<course::SceneElement> element = m_scene.topmostAt(PixelOf(at));
    if (!element)
        return;
    if (element->layer == course::Layer::Start) {
        clickStart(element->index);
    } else if (element->layer == course::Layer::Hazard && m_running) {
        const course::Hazard& hazard = stageCourse().hazards.at(static_cast<std::size_t>(element->index));
        if (hazard.harm == course::Harm::Click)
            miss(MissCause::Hazard);
    }
}

void GameSession::clickStart(int index)
{
    const std::vector<course::StartZone>& starts = stageCourse().starts;
    if (!game::RulesOf(m_mode).handCounts || m_missWaiting || index < 0 || index >= static_cast<int>(starts.size()))
        return;
    const QPoint at = starts[static_cast<std::size_t>(index)].point;
    m_handAt = at;
    m_log.start(headerOfRun(index), !m_clockRunning);  // a clock already running keeps the time before this Start click
    Q_EMIT runStarted(at);
    startRun();
    recordPosition(at);  // the ghost's way begins at the sign
}

// A flick across the grass is no shortcut: each pixel goes where a move there
// would go. The end is judged at its exact position.
void GameSession::moveHand(QPointF where)
{
    if (!m_running || !game::RulesOf(m_mode).handCounts)
        return;
    const QPointF to = runlog::RunLogger::Judged(where);  // as the log keeps it, so re-judging judges the same
    m_log.log(runlog::Kind::Move, to);
    recordPosition(to.toPoint());  // the ghost's way, before anything ends the run
    const QPoint from = m_handAt;
    const QPoint end = to.toPoint();
    const std::vector<course::SceneElement> crossed = m_scene.elementsMeeting(Spanning(from, end));
    std::vector<bool> reacted(crossed.size(), false);
    const course::Pixel first = PixelOf(from);
    const course::Pixel last = PixelOf(end);
    if (crossed.empty()) {
        // Bare map all the way: the grid alone decides the pixels before the end.
        const auto offRoadAt = course::FirstOffRoadOnLine(m_scene.grid(), first, last, course::ProbeHalfSize(m_level));
        if (offRoadAt && *offRoadAt != last) {
            miss(MissCause::OffRoad);
            return;
        }
    } else {
        const auto beforeEnd = [&](course::Pixel p) { return p != last && judgeAt(QPointF(p.x, p.y), crossed, reacted); };
        if (course::WalkLine(first, last, beforeEnd))
            return;
    }
    if (!judgeAt(to, crossed, reacted))
        m_handAt = end;
}

// An element's outcome may end the run: the judging ends with it.
bool GameSession::judgeAt(QPointF at, const std::vector<course::SceneElement>& crossed, std::vector<bool>& reacted)
{
    const QPoint p = at.toPoint();
    const auto element = std::find_if(crossed.begin(), crossed.end(), [p](const course::SceneElement& e) { return e.rect.contains(p); });
    if (element == crossed.end()) {
        if (!offRoad(static_cast<float>(at.x()), static_cast<float>(at.y())))
            return false;
        miss(MissCause::OffRoad);  // the run is over, whatever the miss line's scene does
        return true;
    }
    if (const auto i = static_cast<std::size_t>(element - crossed.begin()); !reacted[i]) {
        reacted[i] = true;
        reach(*element);
        return !m_running;
    }
    return false;
}

void GameSession::reach(const course::SceneElement& element)
{
    switch (element.layer) {
    case course::Layer::Goal: reachGoal(element.index); break;
    case course::Layer::Checkpoint: reachCheckpoint(element.index); break;
    case course::Layer::Hazard:
        if (element.harms) {  // a click lane and a closed plank carry the hero
            const course::HazardKind kind = stageCourse().hazards.at(static_cast<std::size_t>(element.index)).kind;
            miss(course::Traits(kind).loud ? MissCause::Hazard : MissCause::SilentHazard);
        }
        break;
    case course::Layer::Start:
    case course::Layer::Cover: break;  // it takes the pointer and does nothing with it
    }
}

void GameSession::placeHand(QPoint at)
{
    if (m_running)
        m_log.log(runlog::Kind::Place, at);
    m_handAt = at;
}

void GameSession::reachCheckpoint(int index)
{
    const std::vector<course::Checkpoint>& all = stageCourse().checkpoints;
    if (!m_running || index < 0 || index >= static_cast<int>(all.size()) || checkpointPassed(index))
        return;
    const course::Checkpoint& c = all[static_cast<std::size_t>(index)];
    if (!c.live)
        return;  // another stage's mark
    if (c.clock == course::ClockEffect::Pause)
        pauseClock();  // the sweet shop
    if (c.once)
        passCheckpoint(index);
    m_log.log(runlog::Kind::Checkpoint, {}, index);
    Q_EMIT checkpointReached(index);
    if (c.clock == course::ClockEffect::Resume)
        resumeClock();
}

void GameSession::reachGoal(int index)
{
    const std::vector<course::Goal>& goals = stageCourse().goals;
    if (!m_running || index < 0 || index >= static_cast<int>(goals.size()) || !goals[static_cast<std::size_t>(index)].live)
        return;
    passGoal();  // the record run's last mark, and the goal's split
    m_log.log(runlog::Kind::Goal, {}, index);
    endRun();
    Q_EMIT goalReached();
}

void GameSession::handLeftMap()
{
    if (m_running && game::RulesOf(m_mode).handCounts) {
        m_log.log(runlog::Kind::LeftMap);
        miss(MissCause::OffRoad);
    }
}

void GameSession::miss(MissCause cause)
{
    m_log.log(runlog::Kind::Miss, {}, static_cast<std::int32_t>(cause));
    endRun();
    m_missWaiting = true;
    Q_EMIT missed(cause);
}

// A life is taken only once the miss line is read.
void GameSession::missLineRead()
{
    if (!m_missWaiting)
        return;
    m_missWaiting = false;
    if (game::RulesOf(m_mode).costsLives && takeLife() <= 0) {
        Q_EMIT gameOver();
        return;
    }
    Q_EMIT attemptOver();
}

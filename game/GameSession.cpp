// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "game/GameSession.h"

#include "rules/StageRules.h"

#include <QImage>
#include <QTimer>

#include <algorithm>

GameSession::GameSession(const course::Course& course, int level, int stage, int lives, QObject* parent)
    : QObject(parent),
      m_course(course),
      m_level(level),
      m_stage(std::clamp(stage, 1, std::max(1, course.stageCount()))),
      m_lives(lives),
      m_clock(makeTimer(1000))
{
    connect(m_clock, &QTimer::timeout, this, &GameSession::tick);
    m_passed.assign(stageCourse().checkpoints.size(), false);
    placeHazards();
}

QTimer* GameSession::makeTimer(int milliseconds)
{
    auto* timer = new QTimer(this);
    timer->setInterval(milliseconds);
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
}

bool GameSession::clockRunning() const
{
    return m_clock->isActive();
}

bool GameSession::hazardsMoving() const
{
    return std::any_of(m_hazardTimers.begin(), m_hazardTimers.end(), [](const QTimer* t) { return t->isActive(); });
}

bool GameSession::pieceOpen(int index, int piece) const
{
    const std::vector<bool>& open = m_open.at(static_cast<std::size_t>(index));
    return piece >= 0 && piece < static_cast<int>(open.size()) && open[static_cast<std::size_t>(piece)];
}

int GameSession::score() const
{
    return stage::Score(m_level, stageCourse().timeLimit, m_time);
}

void GameSession::setTime(int time)
{
    m_time = time;
    Q_EMIT timeChanged(time);
}

void GameSession::setUpStage()
{
    m_passed.assign(stageCourse().checkpoints.size(), false);
    if (m_hazardStage != m_stage)
        placeHazards();
    Q_EMIT stageChanged(m_stage);
    setTime(stage::StartingTime(m_level, stageCourse().timeLimit));
}

// The hazards keep moving through misses; a new stage brings its own.
void GameSession::placeHazards()
{
    qDeleteAll(m_hazardTimers);
    m_hazardTimers.clear();
    m_hazardStage = m_stage;
    const std::vector<course::Hazard>& hazards = stageCourse().hazards;
    m_positions.clear();
    m_nextRow.assign(hazards.size(), 0);
    m_open.clear();
    for (const course::Hazard& h : hazards) {
        m_positions.push_back({h.rect.top(), false});
        m_open.emplace_back(h.pieces.size(), false);  // all planks until the first turn
        const bool timed = std::any_of(m_hazardTimers.begin(), m_hazardTimers.end(),
                                       [&h](const QTimer* t) { return t->interval() == h.periodMs; });
        if (h.periodMs > 0 && !timed) {
            QTimer* timer = makeTimer(h.periodMs);
            connect(timer, &QTimer::timeout, this, [this, period = h.periodMs] { stepHazards(period); });
            m_hazardTimers.push_back(timer);
        }
    }
}

void GameSession::startRun(const QImage& course)
{
    course::BuildGrid(course, m_grid, stageCourse().offRoad);
    m_recorder.start();
    m_running = true;
    Q_EMIT runChanged(true);
    resumeClock();
}

bool GameSession::offRoad(float x, float y) const
{
    return course::IsOffRoad(m_grid, x, y, course::ProbeHalfSize(m_level));
}

void GameSession::endRun()
{
    m_clock->stop();
    m_recorder.pause();
    if (!m_running)
        return;
    m_running = false;
    Q_EMIT runChanged(false);
}

int GameSession::takeLife()
{
    --m_lives;
    Q_EMIT livesChanged(m_lives);
    return m_lives;
}

void GameSession::pauseClock()
{
    m_clock->stop();
    m_recorder.pause();  // ghost time stands still with the clock
}

void GameSession::resumeClock()
{
    if (!m_clock->isActive())
        m_clock->start();  // a running clock keeps its beat
    m_recorder.resume();
}

void GameSession::passCheckpoint(int index)
{
    m_passed.at(static_cast<std::size_t>(index)) = true;
    m_recorder.recordMark(index);
    Q_EMIT markPassed(index, m_recorder.time());
}

void GameSession::passGoal()
{
    m_recorder.recordMark(ghost::kGoalMark);
    Q_EMIT markPassed(ghost::kGoalMark, m_recorder.time());
}

void GameSession::startWatching()
{
    m_recorder.start();
    resumeClock();
}

void GameSession::tick()
{
    if (m_level == 1) {
        setTime(m_time + 1);
        return;
    }
    setTime(m_time - 1);
    if (m_time == 0)
        Q_EMIT timeRanOut();
}

void GameSession::setTickInterval(int milliseconds)
{
    m_clock->setInterval(milliseconds);
}

void GameSession::startHazards()
{
    for (QTimer* timer : m_hazardTimers)
        if (!timer->isActive())
            timer->start();
}

void GameSession::stepHazards(int periodMs)
{
    const std::vector<course::Hazard>& hazards = stageCourse().hazards;
    for (std::size_t i = 0; i < hazards.size(); ++i) {
        const course::Hazard& h = hazards[i];
        if (h.periodMs != periodMs)
            continue;
        if (!h.pattern.empty()) {
            std::vector<bool> row = h.pattern[m_nextRow[i]];
            row.resize(h.pieces.size(), false);
            m_open[i] = std::move(row);
            m_nextRow[i] = (m_nextRow[i] + 1) % h.pattern.size();
        } else if (h.motion.step != 0) {
            m_positions[i] = course::Step(h.motion, m_positions[i]);
        } else {
            continue;
        }
        Q_EMIT hazardMoved(static_cast<int>(i));
    }
}

void GameSession::nextStage()
{
    if (!lastStage())
        ++m_stage;
}

void GameSession::stopHazards()
{
    for (QTimer* timer : m_hazardTimers)
        timer->stop();
}

void GameSession::stop()
{
    endRun();
    stopHazards();
}

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "game/GameSession.h"

#include "rules/StageRules.h"

#include <QImage>
#include <QTimer>

GameSession::GameSession(int level, int stage, int lives, QObject* parent)
    : QObject(parent),
      m_level(level),
      m_stage(stage),
      m_lives(lives),
      m_clock(makeTimer(1000)),
      m_taxiTimer(makeTimer(300)),
      m_rainTimer(makeTimer(800)),
      m_bridgeTimer(makeTimer(1000))
{
    connect(m_clock, &QTimer::timeout, this, &GameSession::tick);
    connect(m_taxiTimer, &QTimer::timeout, this, &GameSession::moveTaxis);
    connect(m_rainTimer, &QTimer::timeout, this, &GameSession::swayRain);
    connect(m_bridgeTimer, &QTimer::timeout, this, &GameSession::turnBridge);
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
    return m_taxiTimer->isActive();
}

int GameSession::score() const
{
    return stage::Score(m_level, m_stage, m_time);
}

void GameSession::setTime(int time)
{
    m_time = time;
    Q_EMIT timeChanged(time);
}

void GameSession::setUpStage()
{
    m_passed.fill(false);
    Q_EMIT stageChanged(m_stage);
    setTime(stage::StartingTime(m_level, m_stage));
}

void GameSession::startRun(const QImage& course)
{
    course::BuildGrid(course, m_grid);
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
    for (QTimer* timer : {m_taxiTimer, m_rainTimer, m_bridgeTimer})
        if (!timer->isActive())
            timer->start();
}

void GameSession::moveTaxis()
{
    for (int& top : m_leftLaneTops)
        top = hazard::StepLeftLaneTaxiTop(top);
    for (int& top : m_rightLaneTops)
        top = hazard::StepRightLaneTaxiTop(top);
    Q_EMIT taxisMoved();
}

void GameSession::swayRain()
{
    m_rain = hazard::StepRain(m_rain);
    Q_EMIT rainMoved(m_rain.top);
}

void GameSession::turnBridge()
{
    m_bridgeOpen = hazard::kBridgePattern[static_cast<std::size_t>(m_bridgePhase)];
    m_bridgePhase = hazard::NextBridgePhase(m_bridgePhase);
    Q_EMIT bridgeTurned();
}

void GameSession::nextStage()
{
    m_stage = 2;
}

void GameSession::stopHazards()
{
    for (QTimer* timer : {m_taxiTimer, m_rainTimer, m_bridgeTimer})
        timer->stop();
}

void GameSession::stop()
{
    endRun();
    stopHazards();
}

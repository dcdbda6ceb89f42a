// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "game/GameSession.h"

#include "rules/Practice.h"

#include "rules/StageRules.h"

#include <QImage>
#include <QTimer>

#include <algorithm>

GameSession::GameSession(const course::Course& course, int level, int stage, int lives, QObject* parent, game::RunMode mode)
    : QObject(parent),
      m_course(course),
      m_mode(mode),
      m_level(level),
      m_stage(std::clamp(stage, 1, std::max(1, course.stageCount()))),
      m_lives(lives),
      m_scene(stageCourse()),
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
    return m_clockRunning;
}

bool GameSession::hazardsMoving() const
{
    return std::any_of(m_hazardTimers.begin(), m_hazardTimers.end(), [](const QTimer* t) { return t->isActive(); });
}

bool GameSession::pieceOpen(int index, int piece) const
{
    const std::vector<bool>& open = m_scene.hazard(index).open;
    return piece >= 0 && piece < static_cast<int>(open.size()) && open[static_cast<std::size_t>(piece)];
}

int GameSession::score() const
{
    return game::RulesOf(m_mode).stretches ? m_time : stage::Score(m_level, stageCourse().timeLimit, m_time);
}

bool GameSession::practiseFrom(int index, const QImage& map)
{
    if (index == course::kFromStart) {
        m_practiceStage.reset();
    } else {
        const std::optional<QPoint> point = course::PracticePoint(m_course.stage(m_stage), map, m_level, index);
        if (!point)
            return false;
        m_practiceStage = course::PracticeStage(m_course.stage(m_stage), *point);
    }
    m_practiceFrom = index;
    m_hazardStage = 0;  // the scene is built anew, with the sign
    return true;
}

bool GameSession::scoresAtClear() const
{
    return !(stageCourse().scoreAt == course::ScoreAt::AfterEnding && lastStage());
}

void GameSession::setTime(int time)
{
    m_time = time;
    Q_EMIT timeChanged(time);
}

void GameSession::resetClock()
{
    setTime(game::RulesOf(m_mode).stretches ? 0 : stage::StartingTime(m_level, stageCourse().timeLimit));
}

void GameSession::setUpStage()
{
    m_missWaiting = false;
    m_passed.assign(stageCourse().checkpoints.size(), false);
    if (m_hazardStage != m_stage)
        placeHazards();
    Q_EMIT stageChanged(m_stage);
    resetClock();  // practice counts up from the Start click on both levels
}

// The hazards keep moving through misses; a new stage brings its own.
void GameSession::placeHazards()
{
    qDeleteAll(m_hazardTimers);
    m_hazardTimers.clear();
    m_hazardStage = m_stage;
    m_scene = course::StageScene(stageCourse());
    for (int period : course::HazardPeriods(stageCourse())) {
        QTimer* timer = makeTimer(period);
        connect(timer, &QTimer::timeout, this, [this, period] { stepHazards(period); });
        m_hazardTimers.push_back(timer);
    }
}

void GameSession::startRun(const QImage& course)
{
    useMap(course);
    startRun();
}

void GameSession::startRun()
{
    m_recorder.start();
    m_running = true;
    Q_EMIT runChanged(true);
    resumeClock();
}

bool GameSession::offRoad(float x, float y) const
{
    return m_scene.offRoad(x, y, course::ProbeHalfSize(m_level));
}

void GameSession::endRun()
{
    m_clock->stop();
    m_clockRunning = false;
    m_log.stop();
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
    if (m_clockRunning)
        m_log.log(runlog::Kind::Pause);
    m_clockRunning = false;
    m_clock->stop();
    m_recorder.pause();  // ghost time stands still with the clock
}

void GameSession::resumeClock()
{
    if (!m_clockRunning) {  // a running clock keeps its beat
        m_clockRunning = true;
        m_log.log(runlog::Kind::Resume);
        if (ownsClocks())
            m_clock->start();
    }
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
    if (m_running)
        m_log.log(runlog::Kind::ClockBeat);
    if (m_level == 1 || game::RulesOf(m_mode).stretches) {  // a stretch has no time-out
        setTime(m_time + 1);
        return;
    }
    setTime(m_time - 1);
    if (m_time == 0 && m_running)
        miss(game::MissCause::TimeUp);
}

void GameSession::setTickInterval(int milliseconds)
{
    m_clock->setInterval(milliseconds);
}

void GameSession::startHazards()
{
    if (!m_scene.hazardsShown()) {
        m_scene.showHazards();
        Q_EMIT hazardsShown();
    }
    if (!ownsClocks())
        return;
    for (QTimer* timer : m_hazardTimers)
        if (!timer->isActive())
            timer->start();
}

void GameSession::stepHazards(int periodMs)
{
    if (m_running)
        m_log.log(runlog::Kind::HazardBeat, {}, periodMs);
    const std::vector<course::Hazard>& hazards = stageCourse().hazards;
    for (std::size_t i = 0; i < hazards.size(); ++i) {
        if (hazards[i].periodMs == periodMs && m_scene.stepHazard(static_cast<int>(i)))
            Q_EMIT hazardMoved(static_cast<int>(i));
    }
}

runlog::RunLog GameSession::headerOfRun(int start) const
{
    runlog::RunLog header;
    header.start = start;
    const std::vector<int> periods = course::HazardPeriods(stageCourse());
    for (std::size_t i = 0; i < periods.size() && i < m_hazardTimers.size(); ++i) {
        const QTimer* timer = m_hazardTimers[i];
        header.hazardTimers.push_back({periods[i], timer->isActive() ? std::clamp(timer->remainingTime(), 0, periods[i]) : periods[i]});
    }
    for (std::size_t i = 0; i < stageCourse().hazards.size(); ++i)
        header.hazards.push_back(m_scene.hazard(static_cast<int>(i)));
    return header;
}

void GameSession::placeHazard(int index, const course::HazardState& state)
{
    m_scene.setHazard(index, state);
    Q_EMIT hazardMoved(index);
}

bool GameSession::nextStage()
{
    if (lastStage())
        return false;
    ++m_stage;
    return true;
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

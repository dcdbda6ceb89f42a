// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// One game from the title to its end: the level, the stage, the lives, the
// clock, whether a run is under way, the checkpoints already passed and the
// stage 2 hazards. Only its own operations change them, and each change is
// announced; the play screen shows what the signals say.

#include "game/GhostRecorder.h"
#include "rules/CourseRules.h"
#include "rules/HazardSteps.h"
#include "rules/MapMarks.h"

#include <QObject>
#include <array>

class QImage;
class QTimer;

class GameSession : public QObject {
    Q_OBJECT
public:
    // The play screen is the parent: its clocks are the screen's clocks.
    GameSession(int level, int stage, int lives, QObject* parent);

    int level() const { return m_level; }
    int stage() const { return m_stage; }
    int lives() const { return m_lives; }
    int time() const { return m_time; }  // seconds used (easy) or left (hard)
    bool runUnderWay() const { return m_running; }
    bool clockRunning() const;
    bool checkpointPassed(int index) const { return m_passed.at(static_cast<std::size_t>(index)); }
    bool hazardsMoving() const;
    int leftLaneTaxiTop(int i) const { return m_leftLaneTops.at(static_cast<std::size_t>(i)); }
    int rightLaneTaxiTop(int i) const { return m_rightLaneTops.at(static_cast<std::size_t>(i)); }
    int rainTop() const { return m_rain.top; }
    bool bridgeOpen(int piece) const { return m_bridgeOpen.at(static_cast<std::size_t>(piece)); }
    const course::MapGrid& offRoadGrid() const { return m_grid; }
    // The time counter scored at the goal: the seconds taken, on both levels.
    int score() const;

    // A stage from its start: the starting time and no checkpoint passed.
    void setUpStage();
    // The Start click: the road test reads this course picture from now on.
    void startRun(const QImage& course);
    // Whether the hand at (x, y) is off the road, by the level's probe.
    bool offRoad(float x, float y) const;
    // A miss or the goal: the clock stops and the run is over.
    void endRun();
    // After the player has read the miss line: one life less; the lives left.
    int takeLife();
    // A checkpoint that speaks once per attempt is passed.
    void passCheckpoint(int index);
    void pauseClock();   // the sweet shop
    void resumeClock();  // back on the road
    void tick();         // one second of the clock
    void setTickInterval(int milliseconds);  // tests run the clock faster
    // Stage 2's taxis, rain and bridge start moving, and never stop until the screen closes.
    void startHazards();
    void stopHazards();
    void moveTaxis();
    void swayRain();
    void turnBridge();
    void nextStage();  // on to stage 2 after the stage 1 clear
    void stop();       // the screen closes: no run, no clock, no hazards

    // The ghost: the attempt's ghost time and the way it went.
    std::int64_t ghostTime() const { return m_recorder.time(); }
    const ghost::GhostPath& recordedPath() const { return m_recorder.path(); }
    void recordPosition(QPoint at) { m_recorder.recordPosition(at); }
    void passGoal();       // the goal is reached, before the run ends
    void startWatching();  // the clock and the ghost time run, but no run is under way

Q_SIGNALS:
    void stageChanged(int stage);
    void livesChanged(int lives);
    void timeChanged(int time);
    void runChanged(bool underWay);
    void timeRanOut();  // the hard level's clock reached 0
    void taxisMoved();
    void rainMoved(int top);
    void bridgeTurned();  // one or more pieces opened or closed
    void markPassed(int mark, qint64 ghostTime);  // a checkpoint that speaks once, or the goal

private:
    QTimer* makeTimer(int milliseconds);
    void setTime(int time);

    int m_level;
    int m_stage;
    int m_lives;
    int m_time = 0;
    bool m_running = false;
    std::array<bool, marks::kCheckpointCount> m_passed{};
    course::MapGrid m_grid{};
    std::array<int, hazard::kLeftLaneTaxiCount> m_leftLaneTops = hazard::kLeftLaneTaxiStartTops;
    std::array<int, hazard::kRightLaneTaxiCount> m_rightLaneTops = hazard::kRightLaneTaxiStartTops;
    hazard::RainState m_rain{hazard::kRainStartTop, 0};
    std::int16_t m_bridgePhase = 0;
    std::array<bool, hazard::kBridgePieces> m_bridgeOpen{};
    QTimer* m_clock;
    QTimer* m_taxiTimer;
    QTimer* m_rainTimer;
    QTimer* m_bridgeTimer;
    GhostRecorder m_recorder;
};

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// One game from the title to its end: the level, the stage, the lives, the
// clock, whether a run is under way, the checkpoints already passed and the
// hazards, on a course it is given. Only its own operations change them, and
// each change is announced; the play screen shows what the signals say.

#include "game/GhostRecorder.h"
#include "game/RunLog.h"
#include "game/RunMode.h"
#include "rules/Course.h"
#include "rules/CourseRules.h"
#include "rules/StageScene.h"

#include <QObject>
#include <optional>
#include <vector>

class QImage;
class QTimer;

class GameSession : public QObject {
    Q_OBJECT
public:
    // The play screen is the parent: its clocks are the screen's clocks.
    GameSession(const course::Course& course, int level, int stage, int lives, QObject* parent,
                game::RunMode mode = game::RunMode::Play);

    game::RunMode mode() const { return m_mode; }

    int level() const { return m_level; }
    int stage() const { return m_stage; }
    const course::Course& course() const { return m_course; }
    // The stage as it is played (in practice from a checkpoint, with its own START sign there).
    const course::Stage& stageCourse() const { return m_practiceStage ? *m_practiceStage : m_course.stage(m_stage); }
    // Practice begins at checkpoint `index` of the stage (course::kFromStart: at its START),
    // on the stage's map; false when practice does not offer that place.
    bool practiseFrom(int index, const QImage& map);
    // Where practice begins: a checkpoint, or course::kFromStart.
    int practiceFrom() const { return m_practiceFrom; }
    bool lastStage() const { return m_stage >= m_course.stageCount(); }
    int lives() const { return m_lives; }
    int time() const { return m_time; }  // seconds used (easy) or left (hard)
    bool runUnderWay() const { return m_running; }
    bool clockRunning() const;
    bool checkpointPassed(int index) const { return m_passed.at(static_cast<std::size_t>(index)); }
    bool hazardsMoving() const;
    // Where the stage's hazard `index` is now, and whether a piece of a bridge shows open water.
    int hazardTop(int index) const { return m_scene.hazard(index).at.top; }
    bool pieceOpen(int index, int piece) const;
    const course::MapGrid& offRoadGrid() const { return m_scene.grid(); }
    // The stage as it stands: what lies over each map pixel, and the road.
    const course::StageScene& scene() const { return m_scene; }
    // The time counter scored at the goal: the seconds taken, on both levels
    // (in practice, of the stretch from the attempt's Start click).
    int score() const;
    // Whether a cleared stage's time enters the records now, under the clear
    // picture, or after the ending (the last stage that says so).
    bool scoresAtClear() const;
    bool records() const { return game::RulesOf(m_mode).records; }

    // --- What the hand does (game/HandJudging.cpp) ---
    // The course picture of the stage: the road test reads it from the next Start click.
    void useMap(const QImage& course) { m_scene.setMap(course); }
    // A click at a map pixel: a start zone starts a run from its point, a
    // click lane's hazard harms.
    void clickMap(QPoint at);
    // A click on start zone `index`: a run begins at its point (again, if one was under way).
    void clickStart(int index);
    // The hand moved to `to` (map pixels) during a run: judged at every pixel
    // of the line from where it was, through the scene; each element it crosses
    // answers once; the first outcome that ends the run ends the judging.
    void moveHand(QPointF to);
    // The hand left the map during a run.
    void handLeftMap();
    // The hand is taken to `at` without a move (a box had the pointer).
    void placeHand(QPoint at);
    // The player has read the miss line: a life less (where the mode costs
    // one), then the stage again or the game over.
    void missLineRead();
    bool missLineWaiting() const { return m_missWaiting; }
    // What the hand reaching an element decides; the sweep calls them, and so may a test.
    void reachCheckpoint(int index);
    void reachGoal(int index);

    // A stage from its start: the starting time and no checkpoint passed.
    void setUpStage();
    // The Start click: a run begins on the picture in use (or on `course`).
    void startRun();
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
    // The covers and hazards show, and the hazards start moving; they never stop until the screen closes.
    void startHazards();
    void stopHazards();
    // One step of every hazard that moves each `periodMs`.
    void stepHazards(int periodMs);
    // Hazard `index` put where it is told to be, as if its steps had brought it there.
    void placeHazard(int index, const course::HazardState& state);
    bool nextStage();  // on to the next stage after a clear; false after the last
    void stop();       // the screen closes: no run, no clock, no hazards

    // The ghost: the attempt's ghost time and the way it went.
    std::int64_t ghostTime() const { return m_recorder.time(); }
    const ghost::GhostPath& recordedPath() const { return m_recorder.path(); }
    void recordPosition(QPoint at) { m_recorder.recordPosition(at); }
    void passGoal();       // the goal is reached, before the run ends
    void startWatching();  // the clock and the ghost time run, but no run is under way
    // The clock's and the hazards' beats come from a kept run's log, not from the session's timers.
    void beatFromLog() { m_beatsFromLog = true; }
    // The clock back at the stage's starting time (a watched run played again from an earlier moment).
    void resetClock();

    // The log of the attempt under way, or of the last one: what was judged, in order.
    const runlog::RunLogger& runLogger() const { return m_log; }
    // The clock its events are stamped with (re-judging drives it from the log).
    void useRunClock(runlog::RunLogger::Clock clock) { m_log.useClock(std::move(clock)); }

Q_SIGNALS:
    void stageChanged(int stage);
    // What the hand's judging decided.
    void runStarted(QPoint at);          // at the start zone's point
    void checkpointReached(int index);   // a live checkpoint speaks: its face, line and sound
    void missed(game::MissCause cause);  // the run is over; the miss line waits
    void goalReached();                  // the run is over; the stage is cleared
    void attemptOver();                  // the miss line was read, lives remain: the stage again
    void gameOver();                     // the last life is gone
    void livesChanged(int lives);
    void timeChanged(int time);
    void runChanged(bool underWay);
    void hazardsShown();          // the covers and hazards have come
    void hazardMoved(int index);  // moved, or a bridge's pieces opened or closed
    void markPassed(int mark, qint64 ghostTime);  // a checkpoint that speaks once, or the goal

private:
    QTimer* makeTimer(int milliseconds);
    // The hand's outcomes, each decided from the stage's description.
    void miss(game::MissCause cause);
    void reach(const course::SceneElement& element);
    // Judges the hand at `at`; true when the run is over (or the session gone).
    bool judgeAt(QPointF at, const std::vector<course::SceneElement>& crossed, std::vector<bool>& reacted);
    void setTime(int time);
    void placeHazards();  // the stage's hazards where they start, with their timers
    // Whether the session's own timers beat its clocks (re-judging beats them from the log).
    bool ownsClocks() const { return m_mode != game::RunMode::Verify && !m_beatsFromLog; }
    runlog::RunLog headerOfRun(int start) const;  // the log's beginning at a Start click

    course::Course m_course;
    std::optional<course::Stage> m_practiceStage;
    int m_practiceFrom = -1;
    game::RunMode m_mode;
    int m_level;
    int m_stage;
    int m_lives;
    int m_time = 0;
    bool m_running = false;
    bool m_missWaiting = false;
    QPoint m_handAt;   // where the hand was last judged in this run
    std::vector<bool> m_passed;
    int m_hazardStage = 0;  // the stage whose hazards are placed
    course::StageScene m_scene;
    QTimer* m_clock;
    bool m_clockRunning = false;  // as m_clock beats, or would when the log beats it
    bool m_beatsFromLog = false;
    std::vector<QTimer*> m_hazardTimers;  // one a period
    GhostRecorder m_recorder;
    runlog::RunLogger m_log;
};

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The play screen's race against the record run: the ghost that follows the
// record's path at the attempt's ghost time, the splits at the marks both
// runs passed, the control that turns them off and on, the record run kept
// when a run takes the first place, and the watching of a record run.

#include "game/GhostStore.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

class GhostView;
class HighScoreTable;
class PlayScreen;
class QCheckBox;
class SplitLabel;
class QWidget;

class GhostRace : public QObject {
    Q_OBJECT
public:
    // The ghost ("ghost") is drawn on `mapSurface`, the splits ("split") and the
    // toggle ("ghostToggle") on the screen.
    GhostRace(PlayScreen& screen, HighScoreTable& table, QWidget* mapSurface);

    // The record run raced in this attempt, if any.
    const std::optional<ghost::GhostRecord>& record() const { return m_record; }

    // The ghost where the record run was at `ghostTime`; gone after its goal.
    void showAt(std::int64_t ghostTime);
    // The run just scored took `place` (0..4): it is kept there, the runs below moving down.
    void keepRun(int place);
    // Plays `record` back on the watch's clock; the hand counts for nothing.
    void watch(ghost::GhostRecord record, std::function<std::int64_t()> clock);
    // The watch's clock jumped: the ghost follows again from there.
    void rewatch();
    bool watching() const { return m_watching; }

Q_SIGNALS:
    void watchEnded();  // the record run has reached its goal
    void watchedAt(qint64 ms);  // a frame of the watched run, at its time

private:
    void buildToggle();
    void runChanged(bool underWay);
    void markPassed(int mark, qint64 ghostTime);
    void nextFrame();
    void follow();  // the frames run until the ghost is gone

    PlayScreen& m_screen;
    HighScoreTable& m_table;
    QCheckBox* m_toggle = nullptr;
    GhostView* m_view;
    SplitLabel* m_split;
    QTimer m_frames;
    std::optional<ghost::GhostRecord> m_record;
    // The record's time where the attempt began: its time at the checkpoint
    // practice began from, 0 from the START.
    std::int64_t m_zero = 0;
    bool m_watching = false;
    std::function<std::int64_t()> m_watchClock;
};

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The ghost clock of an attempt and the path recorded against it. The clock
// runs from the Start click and stands still while the stage clock does (the
// sweet shop, the end of the run). Its room is taken once: a move records
// without allocating.

#include "game/GhostPath.h"

#include <QElapsedTimer>
#include <QPoint>

class GhostRecorder {
public:
    // A new attempt: ghost time 0, running, nothing recorded.
    void start();
    void pause();
    void resume();
    std::int64_t time() const;  // ghost time, in milliseconds

    // The hero at `at` (map pixels): kept when a sixtieth of a second has
    // passed since the last sample kept.
    void recordPosition(QPoint at);
    // A mark passed, at the hero's last place; each mark once per attempt.
    void recordMark(int mark);
    // The same at a ghost time told, not read from the clock (a path drawn from a run's log).
    void recordPositionAt(std::int64_t ms, QPoint at);
    void recordMarkAt(std::int64_t ms, int mark);
    const ghost::GhostPath& path() const { return m_path; }

private:
    void append(std::int64_t ms, QPoint at);
    void thin();  // every other sample goes, and the rate halves

    ghost::GhostPath m_path;
    QElapsedTimer m_clock;
    std::int64_t m_banked = 0;  // ghost time before the last resume
    bool m_running = false;
    int m_samplesPerSecond = 60;
    QPoint m_last;
};

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// A run played by a patient hand on the session with no screen, its clocks
// beating as a desktop's timers do, on time: the clock each second from the
// Start click, each hazard period from it. The hand rests on the START,
// then walks the shortest road to the goal, waiting where a moving hazard is near.

#include "game/GameSession.h"

#include <QPoint>
#include <map>
#include <memory>
#include <vector>

class TimedRun {
public:
    // The game's own stage, its hazards shown and stepped `leadBeats` times
    // each (the story's time), the START clicked.
    TimedRun(int level, int stage, int leadBeats = 0);
    GameSession& session() { return m_session; }
    std::int64_t now() const { return m_now; }
    // Every beat due by `until`, in time order.
    void waitUntil(std::int64_t until);
    // Walks `route` after `restMs` on the START, a move every `stepMs`; true at the goal.
    bool walk(const std::vector<QPoint>& route, int restMs, int stepMs);
    // The shortest road of the stage at the level, with its hazards where they start.
    std::vector<QPoint> route() const;
    // Whether a moving hazard that harms lies near `p`: a patient hand waits for it to pass.
    bool danger(QPoint p) const;

private:
    GameSession m_session;
    std::int64_t m_now = 0;
    std::int64_t m_clockDue = 1000;
    std::map<int, std::int64_t> m_hazardDue;
    bool m_missed = false;
};

// A cleared stage, or nothing when the walk met a miss.
std::unique_ptr<TimedRun> ClearStage(int level, int stage, int restMs, int leadBeats = 0);

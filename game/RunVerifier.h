// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// Re-judging a kept run: its log is fed again through the session in its
// verify mode, with no screen, the clocks beaten by the log. The run is valid
// when every move is judged as the log says, with the same marks in the same
// order, the goal and the same score; and when its beats keep the rules'
// time: the clock's a second apart, each hazard's its period apart (within
// kLateMs), the hazards at the Start click where their steps bring them. It
// proves that the run obeys the rules in its own time, not that a hand made it.

#include "game/RunLog.h"
#include "rules/Course.h"

#include <QByteArray>
#include <QString>

namespace runlog {

// How late a beat may come after its time; a beat is never early but for the
// clocks' rounding (kEarlyMs). Late beats are how a forged log would slow the
// clock or the hazards, so the bound is kept small, and each beat's time is
// counted from its clock's start (or the clock's resuming), never from the
// beat before: lateness never adds up, and a forged log gains kLateMs at most.
// A desktop's timers keep that beat; only a stall of the game longer than
// kLateMs puts a real run outside it.
constexpr int kLateMs = 150;
constexpr int kEarlyMs = 2;

// What the run's file says of it, beside its log.
struct Claim {
    int level = 0;
    int stage = 0;
    int score = 0;
    QByteArray stageHash;  // ghost::CourseHash of the stage it was run on
};

struct Verdict {
    bool valid = false;
    QString why;  // the first thing that fails: "move 412 at 3.42 s: off the road at (103, 91)"
};

// The map of each stage is read from the course's own files.
Verdict Rejudge(const RunLog& log, const Claim& claim, const course::Course& course);

}  // namespace runlog

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// A play screen on a course the test draws itself: one straight road through
// the stage 1 start point, in an application folder of the test's own.

#include "play/PlayScreen.h"
#include "support/TestEnv.h"

#include <QPointer>
#include <QTemporaryDir>

class PlayFixture {
public:
    PlayFixture();
    // A fresh play screen for level and stage, set up with `lives`, shown, not started.
    PlayScreen* open(int level, int stage, int lives = 5);
    void close();  // deletes the play screen and any title it brought back
    QString appFolder() const { return m_folder.path(); }
    QString mapFile(int stage) const;
    // Draws the test course: a road along y 85..101, x 40..280, a piece around
    // the stage 2 start, and ways from them to the marks the tests visit.
    static void WriteCourse(const QString& file);

    TestEnv env;
    QPointer<PlayScreen> play;
    QStringList notices;

    static constexpr QPoint kOnRoad{150, 93};
    static constexpr QPoint kOffRoad{150, 150};

private:
    QTemporaryDir m_folder;
};

// A stage's hazards on the play screen, found by what the description says
// they are: the nth of a kind (and harm), a piece of a bridge.
namespace hazards {
int Index(const PlayScreen* play, course::HazardKind kind, int nth = 0, course::Harm harm = course::Harm::Touch);
MapMark* Mark(PlayScreen* play, course::HazardKind kind, int nth = 0, course::Harm harm = course::Harm::Touch, int piece = 0);
// One beat of the timer that moves that kind (of that harm).
void Step(PlayScreen* play, course::HazardKind kind, course::Harm harm = course::Harm::Touch);
void StepAll(PlayScreen* play);  // one beat of every hazard timer
// The nth moving hazard of a kind (and harm) put with its top at `top`.
void PutAt(PlayScreen* play, course::HazardKind kind, int nth, int top, course::Harm harm = course::Harm::Touch);
}  // namespace hazards


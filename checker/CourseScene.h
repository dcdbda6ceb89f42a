// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The checker's view of a stage's scene (rules/StageScene.h): its elements
// named as the play screen names its pictures, and what the checker proves.

#include "rules/Course.h"

#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace coursecheck {

// What a pointer over an element meets: nothing happens (the element swallows
// the move, no road test), or the run ends.
enum class Effect : std::uint8_t { Safe, Deadly };

struct Element {
    QString name;    // "checkpoints(5)", as the play screen calls it
    QRect rect;      // map pixels
    Effect effect = Effect::Safe;
    bool hazard = false;  // stage 2 hazards (and the planks) may join road on purpose
};

// Elements from the topmost down.
using Scene = std::vector<Element>;

// Everything the checker needs to know about one stage.
struct CoursePlan {
    QPoint start;                 // where the Start click puts the pointer
    QRect goal;                   // the goal mark of the stage
    Scene still;                  // the scene with moving hazards left out, planks closed
    std::function<Scene(int)> at; // the scene in 100 ms step n after the hazard timers start; empty: no hazards
    // Mark sets whose removal must cut the start from the goal: every route passes one of them.
    std::vector<std::vector<QString>> mustPass;
    // Marks whose removal must leave the goal reachable: a fork has two ways.
    std::vector<QString> optional;
    int maxRouteLength = 0;       // longest acceptable shortest route (pixels); 0 = no limit
    std::optional<QRgb> offRoad;  // the stage's off-road colour; empty: the map's top-left pixel
};

// A stage's elements from the topmost down, named as the play screen names
// them, with the hazards as they stand in 100 ms step n after their timers
// start (n < 0: the moving ones left out, a bridge all planks).
Scene StageScene(const course::Stage& stage, int step);
CoursePlan StagePlan(const course::Stage& stage);

}  // namespace coursecheck

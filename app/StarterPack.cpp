// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// A road in three legs, right, down and back left, 30 pixels wide: wide
// enough for either level, long enough to need its checkpoint. The map is
// bare road and grass: the game draws its START and GOAL signs.

#include "app/StarterPack.h"

#include "rules/CourseRules.h"

#include <QPainter>

namespace app {

namespace {
const QRect kLegs[] = {{20, 30, 250, 30}, {240, 30, 30, 240}, {20, 240, 250, 30}};
const QRect kStart(20, 30, 30, 30);
const QRect kHalfway(240, 140, 30, 10);  // across the whole road: every way passes it
const QRect kGoal(20, 240, 20, 30);

course::Text Said(const char* japanese, const char* english)
{
    return {QString::fromUtf8(japanese), QString::fromUtf8(english), nullptr};
}
}  // namespace

QImage DrawStarterMap()
{
    QImage map(course::kMapSize, course::kMapSize, QImage::Format_RGB32);
    map.fill(QColor(118, 186, 84));  // grass: the top-left pixel is off the road
    QPainter p(&map);
    for (const QRect& leg : kLegs)
        p.fillRect(leg, QColor(226, 200, 144));
    return map;
}

course::Course StarterCourse(const QString& mapFile)
{
    course::Stage s;
    s.name = Said("STAGE１・はじめて", "STAGE 1: First");  // short enough for the STAGE box
    s.map = mapFile;
    s.timeLimit = 60;
    s.starts = {{kStart, kStart.center(), true}};
    s.goals = {{kGoal, true}};
    course::Checkpoint halfway;
    halfway.rect = kHalfway;
    halfway.face = 1;
    halfway.line = Said("あと半分だ！", "Halfway there!");
    s.checkpoints = {halfway};
    s.stacking = {{course::Layer::Checkpoint, 0}, {course::Layer::Goal, 0}, {course::Layer::Start, 0}};
    s.opening = {{3, Said("よーし、ゴールまで一直線だ！", "Right, straight to the goal!")}};
    s.clearLine = Said("Stage1 Clear!!", "Stage 1 Clear!!");
    s.scoreAt = course::ScoreAt::AfterEnding;
    s.route.mustPass = {{0}};
    course::Course c;
    c.name = Said("はじめてのコース", "My first course");
    c.author = QStringLiteral("You");
    c.stages = {s};
    c.farewell = Said("あそんでくれてありがとう！", "Thanks for playing!");
    return c;
}

}  // namespace app

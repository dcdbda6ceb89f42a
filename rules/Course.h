// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// A course as a value: every stage's map, marks, hazards, stories and time
// limit, and nothing that a run changes. The play screen sets a stage up from
// it, the course checker proves it and the benchmarks measure it.

#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QString>

#include "rules/Medals.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace course {

// A text the game shows: Japanese, with its English carried beside it, or
// translated by the game's own catalogue under `context`.
struct Text {
    QString japanese;
    QString english;                // empty: the catalogue (or the Japanese) speaks
    const char* context = nullptr;  // the catalogue's context for the game's own texts
    QString shown() const;          // in the language the game speaks
};

// What a checkpoint does to the stage clock.
enum class ClockEffect : std::uint8_t { Keep, Pause, Resume };

// Clicking the zone starts a run with the pointer on `point` (map pixels).
// Every zone on the map does; the stage's own is where its road is proven from.
struct StartZone {
    QRect rect;
    QPoint point;
    bool own = true;
};

// A goal mark; only a live one clears the stage, the others take the pointer.
struct Goal {
    QRect rect;
    bool live = true;
};

struct Checkpoint {
    QRect rect;
    bool live = true;  // speaks on this map; a mark that is not live only takes the pointer
    bool once = true;  // speaks once an attempt; otherwise at every move over it
    int face = 0;      // 1..6; 0 = neither face nor line
    Text line;
    QString sound;  // a sound's name; empty = silent
    ClockEffect clock = ClockEffect::Keep;
};

// A picture that appears with the hazards and takes the pointer (the road works).
struct Cover {
    QRect rect;
    QString picture;
};

enum class HazardKind : std::uint8_t { Car, Rain, River, Bridge };
// What a kind of hazard is made of. A kind is its value above, its word in
// course.json (rules/CoursePackFormat.cpp) and these traits (rules/Course.cpp).
struct HazardTraits {
    bool timed = false;   // it has a period: it moves or opens and closes
    bool motion = false;  // up and down, a step a period (a car, the rain)
    bool pieces = false;  // pieces over open water by a pattern (a bridge): planks carry the hero
    bool loud = true;     // touching it plays the miss sound (the rain soaks the hero in silence)
};
HazardTraits Traits(HazardKind kind);
// Cars of a click lane only hurt when clicked; everything else when touched.
enum class Harm : std::uint8_t { Touch, Click };

// Up and down between two tops, one step a period: a looping hazard jumps
// back to the other end when it reaches one, a swaying one turns back.
struct Motion {
    int step = 0;  // pixels down a period (negative: up)
    int low = 0;   // the smallest top
    int high = 0;  // the largest top
    bool sway = false;
};

struct Hazard {
    HazardKind kind = HazardKind::River;
    QRect rect;  // where it is drawn; a moving hazard starts at this top
    QString picture;
    Harm harm = Harm::Touch;
    int periodMs = 0;  // a step (a car, the rain) or a row of the pattern (the bridge); 0 = still
    Motion motion;
    // The bridge: its pieces, and the rows that say which pieces show open
    // water, one row a period, round and round; all planks before the first.
    std::vector<QRect> pieces;
    std::vector<std::vector<bool>> pattern;
    QString openPicture;  // a piece showing open water
};

// One element of the map, for the stacking order: which list, which index.
enum class Layer : std::uint8_t { Start, Goal, Checkpoint, Cover, Hazard };
struct Stacked {
    Layer layer;
    int index;
};

struct StoryLine {
    int face = 0;  // 0 = the face stays as it is
    Text text;
};

// Who shows a stage's START signs and its goal picture: the game draws them
// over its own start zones and its live goal, or the map has them painted.
enum class Signs : std::uint8_t { Drawn, Map };

// When a cleared stage's time is scored: while the clear picture shows, or
// after the ending (the last stage).
enum class ScoreAt : std::uint8_t { WithClearPicture, AfterEnding };

// What the course checker proves of the road besides start to goal: every
// route passes one mark (checkpoint index) of each set; closing a branch
// mark leaves the goal in reach; no shortest route is longer than this.
struct RoutePlan {
    std::vector<std::vector<int>> mustPass;
    std::vector<int> branches;
    int maxLength = 0;  // pixels; 0 = no limit
};

struct Stage {
    Text name;
    QString map;                     // the picture; a pack's are absolute, relative paths are in the game's data folder
    std::optional<QRgb> offRoad;     // empty: the colour of the map's top-left pixel
    std::vector<StartZone> starts;
    std::vector<Goal> goals;
    std::vector<Checkpoint> checkpoints;
    std::vector<Cover> covers;
    std::vector<Hazard> hazards;
    std::vector<Stacked> stacking;   // every element once, the bottom first: the top takes the pointer
    std::vector<StoryLine> opening;
    std::vector<StoryLine> meeting;  // at the goal, before the clear picture
    Text clearLine;                  // under the clear picture
    ScoreAt scoreAt = ScoreAt::WithClearPicture;
    Signs signs = Signs::Drawn;      // it does not decide play
    int timeLimit = 0;               // the hard level's seconds; the easy level counts up
    RoutePlan route;
    std::array<std::optional<Targets>, 2> targets;  // by level, from 1; they do not decide play

    // The stage's own start zone and its goal; null when it has none.
    const StartZone* ownStart() const;
    const Goal* liveGoal() const;
};

struct Course {
    Text name;                         // the pack's name
    QString author;
    std::vector<Stage> stages;         // played in order, from 1
    std::vector<StoryLine> ending;     // after the last stage's clear
    Text farewell;                     // the last line, with no face
    const Stage& stage(int number) const { return stages.at(static_cast<std::size_t>(number - 1)); }
    int stageCount() const { return static_cast<int>(stages.size()); }
};

// The game's own two stages, 日本 and アメリカ: the data folder's pack, read
// by game/BuiltInCourse.cpp (the rules do not know where the data lies).
const Course& BuiltIn();

// A moving hazard's place: its top, and whether a swaying one is on its way back.
struct Position {
    int top = 0;
    bool back = false;
};
Position Step(const Motion& motion, Position at);

// Where a hazard is now: a moving one's place, a bridge's pieces over open
// water (all planks before its first turn) and the row of its pattern to come.
struct HazardState {
    Position at;
    std::vector<bool> open;
    std::size_t nextRow = 0;
};
HazardState StartState(const Hazard& hazard);
// One period of the hazard: a step of its motion, or the next row of its
// pattern. False for a hazard that stands still.
bool StepHazard(const Hazard& hazard, HazardState& state);
// The distinct periods of a stage's hazards, each a timer of its own.
std::vector<int> HazardPeriods(const Stage& stage);

// The hazard's rectangle with its top at `top`.
inline QRect At(const QRect& rect, int top)
{
    return rect.translated(0, top - rect.top());
}

}  // namespace course

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The ways a run is played, and what counts in each. The session owns its
// mode: it alone asks what the hand, the clock and the results count for.

#include <cstdint>

namespace game {

enum class RunMode : std::uint8_t {
    Play,      // the game: the hand counts, a miss costs a life, times are recorded
    Watch,     // a kept run replayed: the hand counts for nothing, nothing costs or is recorded
    Practice,  // from any checkpoint: misses cost nothing, nothing is recorded
    Test,      // a course maker's try of an unsaved stage, as practice
    Verify,    // a kept run re-judged by the rules, with no screen
};

struct ModeRules {
    bool handCounts;  // the Start click, moves and clicks are judged
    bool costsLives;  // a miss (the clock's too) takes a life
    bool records;     // a cleared stage's time enters the records
    bool stretches;   // a stretch is tried: no story, the clock counts up and never runs out, the sign waits again at the goal
};

constexpr ModeRules RulesOf(RunMode mode)
{
    switch (mode) {
    case RunMode::Play: return {true, true, true, false};
    case RunMode::Watch: return {false, false, false, false};
    case RunMode::Practice:
    case RunMode::Test: return {true, false, false, true};
    case RunMode::Verify: return {true, true, false, false};
    }
    return {false, false, false, false};
}

// Why a run ended before its goal.
enum class MissCause : std::uint8_t {
    OffRoad,     // off the road, or off the map
    Hazard,      // a hazard touched or clicked
    SilentHazard,  // one that harms in silence: the rain
    TimeUp,      // the hard level's clock reached 0
};

}  // namespace game

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The stage 2 hazards' motion as pure step rules; the play screen's timers apply them.

#include <array>
#include <cstdint>

namespace hazard {

constexpr int kLeftLaneTaxiCount = 3;
constexpr int kRightLaneTaxiCount = 2;
constexpr std::array<int, kLeftLaneTaxiCount> kLeftLaneTaxiStartTops{176, 216, 262};
constexpr std::array<int, kRightLaneTaxiCount> kRightLaneTaxiStartTops{176, 240};
constexpr int kRainStartTop = 240;
constexpr int kBridgePieces = 3;
constexpr int kBridgeRows = 9;

// First lane: down 2 px a tick; reaching 270 or more puts the taxi back to 142.
constexpr int StepLeftLaneTaxiTop(int top)
{
    top += 2;
    return top >= 270 ? 142 : top;
}

// Second lane: up 3 px a tick; reaching 142 or less puts the taxi back to 270.
constexpr int StepRightLaneTaxiTop(int top)
{
    top -= 3;
    return top <= 142 ? 270 : top;
}

struct RainState {
    int top;
    std::int16_t dir;  // 0 = moving down, 1 = moving up
};

// The rain sways between 240 and 250, 2 px a tick.
constexpr RainState StepRain(RainState s)
{
    s.top += s.dir == 0 ? 2 : -2;
    if (s.top >= 250)
        s.dir = 1;
    if (s.top <= 240)
        s.dir = 0;
    return s;
}

// Which bridge pieces show open water in a row of the pattern (piece 0 first).
constexpr std::array<std::array<bool, kBridgePieces>, kBridgeRows> kBridgePattern{{
    {false, true, false},
    {false, false, true},
    {true, false, true},
    {false, false, true},
    {false, true, false},
    {false, true, true},
    {false, false, true},
    {true, false, false},
    {false, true, true},
}};

constexpr std::int16_t NextBridgePhase(std::int16_t phase)
{
    ++phase;
    return phase > 8 ? 0 : phase;
}

}  // namespace hazard

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The medals a stage's target times give: a time at or under a target earns
// its medal. Targets never decide play; they only tell the player how good a
// time is.

#include <array>
#include <cstdint>
#include <optional>

namespace course {

// Gold, silver and bronze, in whole seconds, ascending.
using Targets = std::array<int, 3>;

enum class Medal : std::uint8_t { None, Bronze, Silver, Gold };

constexpr Medal MedalFor(const Targets& targets, int seconds)
{
    if (seconds <= targets[0])
        return Medal::Gold;
    if (seconds <= targets[1])
        return Medal::Silver;
    return seconds <= targets[2] ? Medal::Bronze : Medal::None;
}

// The seconds still to gain for the next medal up; nothing at gold.
constexpr std::optional<int> ToNextMedal(const Targets& targets, int seconds)
{
    const Medal medal = MedalFor(targets, seconds);
    if (medal == Medal::Gold)
        return std::nullopt;
    const int next = targets[static_cast<std::size_t>(Medal::Gold) - static_cast<std::size_t>(medal) - 1];
    return seconds - next;
}

}  // namespace course

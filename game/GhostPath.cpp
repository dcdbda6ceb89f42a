// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "game/GhostPath.h"

#include <algorithm>
#include <cmath>

namespace ghost {

std::optional<QPoint> GhostPath::positionAt(std::int64_t ms) const
{
    if (samples.empty() || ms < 0 || ms > endTime())
        return std::nullopt;
    // The first sample later than `ms`; the one before it is where the run was.
    const auto later = std::upper_bound(samples.begin(), samples.end(), ms,
                                        [](std::int64_t t, const Sample& s) { return t < static_cast<std::int64_t>(s.ms); });
    if (later == samples.begin())
        return std::nullopt;  // before the run's first sample
    const Sample& before = *std::prev(later);
    if (later == samples.end() || later->ms == before.ms)
        return QPoint(before.x, before.y);
    const double share = static_cast<double>(ms - before.ms) / static_cast<double>(later->ms - before.ms);
    return QPoint(static_cast<int>(std::lround(before.x + share * (later->x - before.x))),
                  static_cast<int>(std::lround(before.y + share * (later->y - before.y))));
}

std::optional<std::int64_t> GhostPath::markTime(int mark) const
{
    const auto found = std::find_if(marks.begin(), marks.end(), [mark](const MarkPassed& m) { return m.mark == mark; });
    if (found == marks.end())
        return std::nullopt;
    return found->ms;
}

}  // namespace ghost

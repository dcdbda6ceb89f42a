// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// What a stage starts with, by level, and what the hero cries.

#include <QCoreApplication>
#include <QString>

namespace stage {

inline QString StartPrompt()
{
    return QCoreApplication::translate("stage", "「スタート」を押してくれよな！");
}

// The hero's cry at a miss: off the road, off the map or into a hazard.
inline QString MissCry()
{
    return QCoreApplication::translate("stage", "うわーん！");
}

inline QString LevelName(int level)
{
    return level == 1 ? QCoreApplication::translate("stage", "たこ", "the easy level")
                      : QCoreApplication::translate("stage", "さる", "the hard level");
}

// The time counter's first value: seconds used count up from 0 on the easy
// level; on the hard level the seconds left count down from the stage's limit.
constexpr int StartingTime(int level, int limit)
{
    return level == 1 ? 0 : limit;
}

// A cleared stage's score is the time taken, on both levels, so that a smaller
// score is always the faster run.
constexpr int Score(int level, int limit, int counter)
{
    return level == 1 ? counter : StartingTime(level, limit) - counter;
}

}  // namespace stage

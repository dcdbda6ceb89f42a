// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// Watching the first place's run from the ranking: a play screen on which the
// ghost runs with the clock and the hand counts for nothing, until Escape,
// "タイトルへ" or the window's close button take the player back.

namespace course {
struct Course;
}
class HighScoreTable;
class PlayScreen;
class QWidget;

// Whether the first place of a level and stage of `course` has its run kept.
bool RecordRunExists(const HighScoreTable& table, const course::Course& course, int level, int stage);

// Opens the watching screen above `ranking`, which comes back when it closes;
// null when there is no record run to watch or its course cannot be read.
PlayScreen* WatchRecordRun(HighScoreTable& table, const course::Course& course, int level, int stage, QWidget* ranking);

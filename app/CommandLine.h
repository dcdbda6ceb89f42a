// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The game's command line: --help and --version answer and end the process,
// --check-course and --new-course work on a course pack and end it too,
// anything else is refused, and no arguments at all start the game.

#include <QString>
#include <optional>

namespace app {

// The exit code when the command line is answered without starting the game;
// nothing when the game should start. Needs no display.
// Where the command line asks the game to begin: a game of a course (the
// game's own when `courseFolder` is empty) at a level from a stage, with five
// lives, or practice on that stage from a checkpoint (-1: its START).
struct GameStart {
    QString courseFolder;
    int level = 1;
    int stage = 1;
    bool practice = false;
    int from = -1;
    QString editFolder;  // not empty: the course editor opens on this pack folder instead
};

// Answers the options that need no window (--help, --check-course, …) with
// the exit status; otherwise nothing, with `start` set when the game is to
// begin elsewhere than on the title screen.
std::optional<int> HandleCommandLine(int argc, char* argv[], std::optional<GameStart>& start);
// Refuses the --course pack as the command line refuses a bad option; the exit status.
int RefuseCourse(const char* program, const QString& folder, const QString& problem);

}  // namespace app

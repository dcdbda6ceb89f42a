// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The game's command line: --help and --version answer and end the process,
// --check-course and --new-course work on a course pack and end it too,
// anything else is refused, and no arguments at all start the game.

#include <optional>

namespace app {

// The exit code when the command line is answered without starting the game;
// nothing when the game should start. Needs no display.
std::optional<int> HandleCommandLine(int argc, char* argv[]);

}  // namespace app

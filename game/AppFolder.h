// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// Where the game's course maps and sounds lie.

#include <QString>

namespace game {

// The application folder: where dat/ and sound/ lie.
QString AppFolder();
void SetAppFolder(const QString& folder);  // tests and tools point it elsewhere
// The file of a stage's map: a pack's is named whole, the game's own lie in the application folder.
QString MapFile(const QString& map);

}  // namespace game

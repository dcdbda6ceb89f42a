// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The game's own course: the pack in the data folder, read once per folder.

#include "rules/CoursePack.h"

namespace game {

// The pack in AppFolder(), with its problems when it could not be read; its
// course always has the game's stages, so a broken pack shows the notice of
// a map that cannot be read instead of ending the game.
const course::Pack& BuiltInPack();

}  // namespace game

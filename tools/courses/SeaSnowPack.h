// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The pack we ship besides the game's own course: ピポ takes the ferry from
// the harbour town and crosses the snowy pass to a hot spring. Its one
// description feeds the map art, the pack file and the course test.

#include "rules/Course.h"

namespace packs {

// The pack's folder under courses/ in the game's data folder.
inline constexpr const char* kSeaSnowFolder = "sea-snow";

const course::Course& SeaSnow();

}  // namespace packs

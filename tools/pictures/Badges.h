// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// Pictures of the screens around the course: the stage-clear badge, the
// waiting map, and the title logo.

#include <QImage>

namespace art {

QImage ClearBadge();       // 200 × 200
QImage MapPlaceholder();   // 300 × 300, no road: one plain ground with a waiting ring
QImage TitleLogo();        // 169 × 87, transparent ground

}  // namespace art

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The pack --new-course writes: one stage on a plain road, for the player to
// repaint and rewrite.

#include "rules/Course.h"

#include <QImage>

namespace app {

QImage DrawStarterMap();
course::Course StarterCourse(const QString& mapFile);

}  // namespace app

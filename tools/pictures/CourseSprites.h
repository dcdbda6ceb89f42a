// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The pictures that lie on the stage 2 course: top-down, flat, in the
// course maps' colours (asphalt, river water).

#include <QColor>
#include <QImage>

namespace art {

inline const QColor kAsphalt(112, 112, 120);
inline const QColor kRiver(64, 128, 224);
inline const QColor kOpenWater(40, 100, 220);

QImage RoadWorks(int variant);   // 46 × 25, 0 or 1
QImage TaxiFront();              // 20 × 25, driving down the screen
QImage TaxiBack();               // 20 × 25, driving up the screen
QImage RainBand();               // 99 × 20
QImage RiverStrip(int variant);  // 92 × 20, 0 or 1
QImage Plank();                  // 30 × 13
QImage OpenWater();              // 30 × 13, one plain colour

}  // namespace art

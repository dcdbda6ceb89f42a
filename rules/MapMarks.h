// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// Where the marks lie on the course map, in layout twips (15 to the pixel).
// The play screen places its marks from here, and the course checker proves
// the courses against the same places.

#include "rules/Twips.h"

#include <iterator>

#include <QPoint>
#include <QRect>

namespace marks {

struct Area {
    int left, top, width, height;  // twips
    constexpr QRect px() const { return twips::Rect(left, top, width, height); }
    // The same area moved to another top (the taxis and the rain move up and down).
    QRect atTop(int mapTop) const
    {
        QRect r = px();
        r.moveTop(mapTop);
        return r;
    }
};

constexpr Area kCheckpointAreas[18] = {
    {1560, 1320, 135, 135}, {1680, 1080, 255, 135}, {1680, 1440, 255, 135}, {3360, 1080, 135, 255},
    {2760, 1080, 135, 255}, {960, 2400, 255, 135},  {960, 3000, 255, 135},  {1590, 3600, 135, 255},
    {2760, 3600, 135, 255}, {1320, 2445, 135, 255}, {1320, 3890, 135, 255}, {1560, 3890, 135, 255},
    {3150, 3890, 135, 255}, {3650, 3360, 255, 135}, {3000, 2400, 255, 135}, {3600, 1560, 255, 135},
    {3030, 1080, 135, 255}, {1560, 1080, 135, 255}};
// The checkpoint marks: the first nine speak on stage 1, the rest on stage 2.
constexpr int kCheckpointCount = static_cast<int>(std::size(kCheckpointAreas));
constexpr int kStage1Checkpoints = 9;
constexpr int CheckpointStage(int index) { return index < kStage1Checkpoints ? 1 : 2; }

constexpr Area kStart[2] = {{600, 600, 615, 375}, {1920, 1680, 615, 375}};
constexpr Area kGoal[2] = {{3360, 3600, 135, 255}, {890, 1080, 135, 255}};
constexpr Area kRoadWorks[2] = {{640, 2130, 690, 375}, {640, 4080, 690, 375}};
constexpr Area kLeftLaneTaxis[3] = {{660, 2640, 300, 375}, {660, 3240, 300, 375}, {660, 3930, 300, 375}};
constexpr Area kRightLaneTaxis[2] = {{1012, 2640, 300, 375}, {1012, 3600, 300, 375}};
constexpr Area kRain = {1680, 3600, 1485, 300};
constexpr Area kRiver[2] = {{1680, 810, 1380, 300}, {1680, 1290, 1380, 300}};
constexpr Area kBridge[3] = {{2595, 1095, 450, 195}, {2145, 1095, 450, 195}, {1695, 1095, 450, 195}};

// Where the Start click puts the pointer, in map pixels: just beside each start
// sign, on the road.
constexpr QPoint kStartPoint[2] = {{64, 93}, {152, 163}};

}  // namespace marks

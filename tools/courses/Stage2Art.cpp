// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Stage 2, アメリカ: city blocks, two taxi lanes, the rainy avenue, a very high
// mountain, and the big bridge over the river to ヌッピ's school.

#include "CourseArt.h"
#include "rules/Course.h"  // where the signs stand

namespace art {

namespace {

const course::Stage& Marks()
{
    return course::BuiltIn().stage(2);
}

const QColor kLawn(150, 196, 112);
const QColor kAsphalt(112, 112, 120);
const QColor kSidewalk(200, 200, 200);
const QColor kWater(64, 128, 224);
const QColor kDash(255, 255, 255);

std::vector<QRect> Road2()
{
    return {
        Marks().ownStart()->rect,  // the start sign
        Span(144, 130, 160, 179),  // down from the start
        Span(89, 163, 160, 179),   // west to the taxis (mark 9)
        Span(43, 142, 88, 296),    // the two taxi lanes between the road works
        Span(89, 259, 112, 275),   // out east (marks 10 and 11)
        Span(113, 259, 209, 281),  // under the rain, with room to slip below it
        Span(210, 259, 218, 275),  // mark 12
        Span(219, 259, 259, 275),
        Span(243, 184, 259, 275),  // up the mountain (mark 13)
        Span(200, 184, 259, 196),
        Span(200, 124, 216, 196),  // the summit (mark 14)
        Span(200, 124, 256, 136),
        Span(240, 72, 256, 136),   // downhill (mark 15)
        Span(203, 72, 256, 88),    // to the bridge (mark 16)
        Span(113, 73, 202, 85),    // the bridge
        Span(68, 72, 112, 88),     // mark 17
        Span(59, 72, 67, 88),      // goal
    };
}

void Building(CourseCanvas& c, const QRect& r, QColor wall)
{
    c.fill(r, wall.darker(130));
    c.fill(r.adjusted(1, 1, -1, -1), wall);
    const QColor window(250, 240, 170);
    for (int y = r.top() + 3; y + 3 < r.bottom(); y += 6)
        for (int x = r.left() + 3; x + 3 < r.right(); x += 6)
            c.fill(QRect(x, y, 3, 3), window);
}

void City(CourseCanvas& c)
{
    const std::vector<std::pair<QRect, QColor>> blocks{
        {Span(2, 2, 30, 60), QColor(190, 120, 100)},   {Span(2, 74, 30, 130), QColor(120, 140, 190)},
        {Span(2, 144, 32, 214), QColor(210, 180, 120)}, {Span(2, 226, 32, 296), QColor(160, 110, 150)},
        {Span(100, 190, 130, 230), QColor(120, 160, 170)}, {Span(136, 196, 160, 230), QColor(200, 150, 100)},
        {Span(166, 188, 190, 230), QColor(170, 170, 190)}, {Span(40, 2, 100, 28), QColor(150, 150, 170)},
        {Span(100, 114, 118, 152), QColor(220, 170, 140)},
    };
    for (const auto& [r, wall] : blocks)
        Building(c, r, wall);
    for (QPoint p : {QPoint(180, 158), QPoint(110, 299), QPoint(130, 299), QPoint(150, 299), QPoint(170, 299),
                     QPoint(190, 299), QPoint(210, 299), QPoint(230, 299), QPoint(268, 299), QPoint(288, 299)}) {
        c.ellipse(QRect(p.x() - 5, p.y() - 10, 10, 10), QColor(50, 130, 60));
        c.fill(QRect(p.x() - 1, p.y(), 2, 4), QColor(110, 80, 50));
    }
}

void River(CourseCanvas& c)
{
    c.fill(Span(112, 0, 203, 105), kWater);
    const QColor ripple(130, 180, 245);
    for (int y = 6; y < 104; y += 9)
        for (int x = 118 + (y % 18); x < 196; x += 24)
            c.fill(QRect(x, y, 8, 1), ripple);
}

void Mountain(CourseCanvas& c)
{
    // A very high mountain: forest below, bare rock above, snow on top.
    const QColor forest(84, 150, 84), rock(140, 128, 116), shade(116, 104, 96), snow(250, 250, 255);
    c.polygon(QPolygon({QPoint(266, 250), QPoint(266, 150), QPoint(276, 60), QPoint(288, 20), QPoint(299, 6), QPoint(299, 250)}), forest);
    c.polygon(QPolygon({QPoint(268, 120), QPoint(276, 60), QPoint(288, 20), QPoint(299, 6), QPoint(299, 140)}), rock);
    c.polygon(QPolygon({QPoint(288, 20), QPoint(299, 6), QPoint(299, 140), QPoint(292, 130)}), shade);
    c.polygon(QPolygon({QPoint(280, 44), QPoint(288, 20), QPoint(299, 6), QPoint(299, 40), QPoint(292, 34), QPoint(285, 46)}), snow);
    // Foothills inside the bends of the mountain road.
    c.polygon(QPolygon({QPoint(225, 176), QPoint(229, 150), QPoint(234, 146), QPoint(234, 176)}), forest);
    c.polygon(QPolygon({QPoint(200, 232), QPoint(216, 206), QPoint(234, 232)}), forest);
}

void Dashes(CourseCanvas& c, const QRect& along, bool horizontal)
{
    if (horizontal)
        for (int x = along.left(); x + 5 <= along.right(); x += 10)
            c.fill(QRect(x, along.top(), 5, 1), kDash);
    else
        for (int y = along.top(); y + 5 <= along.bottom(); y += 10)
            c.fill(QRect(along.left(), y, 1, 5), kDash);
}

}  // namespace

QImage DrawStage2()
{
    CourseCanvas c(kLawn);
    Mountain(c);
    City(c);
    River(c);

    c.layRoad(Road2(), kSidewalk, kAsphalt);
    // The river keeps its banks under the bridge: the road verges must not cut it.
    River(c);
    c.fill(Span(113, 73, 202, 85), QColor(150, 100, 50));
    for (int x = 116; x < 202; x += 5)
        c.fill(QRect(x, 74, 1, 11), QColor(110, 70, 35));

    Dashes(c, Span(96, 171, 140, 171), true);
    Dashes(c, Span(65, 150, 65, 290), false);
    Dashes(c, Span(116, 267, 206, 267), true);
    Dashes(c, Span(251, 200, 251, 268), false);
    Dashes(c, Span(208, 142, 208, 180), false);
    Dashes(c, Span(248, 96, 248, 130), false);
    Dashes(c, Span(214, 80, 250, 80), true);
    Sign(c, Marks().ownStart()->rect, QStringLiteral("START"), QColor(255, 255, 255), QColor(40, 80, 200), QColor(40, 80, 200));
    Checkered(c, Marks().liveGoal()->rect);
    c.fill(Span(12, 72, 52, 88), QColor(255, 255, 255));
    c.text(Span(12, 72, 52, 88), QStringLiteral("GOAL"), QColor(220, 30, 30), 10);
    return c.finish();
}

}  // namespace art

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The sea-and-snow pack's maps: 港町, a harbour town of cobbles, red roofs,
// a canal and the sea with its lighthouse; 雪山, a white pass of pines, a
// mountain hut and the hot spring inn at the goal.

#include "CourseArt.h"
#include "SeaSnowPack.h"  // where the signs stand

namespace art {

namespace {

const course::Stage& Marks(int stage)
{
    return packs::SeaSnow().stage(stage);
}

// ---- 港町 ----

const QColor kCobbles(206, 196, 176);
const QColor kSea(40, 110, 190);
const QColor kStreet(96, 96, 104);
const QColor kKerb(170, 170, 176);

std::vector<QRect> HarbourRoad()
{
    return {
        Marks(1).ownStart()->rect,  // the start sign
        Span(28, 41, 44, 100),      // down from the start (mark 0)
        Span(28, 84, 280, 100),     // the harbour street (marks 1 and 2)
        Span(84, 44, 107, 140),     // the west truck street, crossing it
        Span(150, 44, 173, 140),    // the east truck street
        Span(264, 84, 280, 192),    // down past the taiyaki stand (marks 3 and 4)
        Span(211, 176, 280, 192),   // the quay to the drawbridge (mark 5)
        Span(119, 180, 210, 192),   // the drawbridge, 13 px
        Span(40, 176, 118, 192),    // the far quay (mark 6)
        Span(40, 176, 56, 270),     // down to the lighthouse (mark 7)
        Span(16, 254, 56, 270),     // the goal
    };
}

void Water(CourseCanvas& c, const QRect& r)
{
    c.fill(r, kSea);
    const QColor wave(110, 170, 230);
    for (int y = r.top() + 4; y < r.bottom(); y += 8)
        for (int x = r.left() + 2 + (y % 16); x + 6 < r.right(); x += 20)
            c.fill(QRect(x, y, 6, 1), wave);
}

void Sea(CourseCanvas& c)
{
    Water(c, Span(119, 156, 210, 299));  // the canal
    Water(c, Span(74, 236, 299, 299));
    // The lighthouse on its pier, and two boats.
    c.fill(Span(90, 252, 116, 260), QColor(150, 140, 130));
    for (int y = 222; y < 252; y += 6)
        c.fill(QRect(96, y, 14, 6), (y / 6) % 2 ? QColor(250, 250, 250) : QColor(210, 40, 40));
    c.polygon(QPolygon({QPoint(94, 222), QPoint(103, 212), QPoint(112, 222)}), QColor(60, 60, 70));
    c.fill(QRect(100, 216, 6, 4), QColor(255, 230, 90));
    for (QPoint at : {QPoint(226, 256), QPoint(262, 280)}) {
        c.polygon(QPolygon({at, at + QPoint(30, 0), at + QPoint(24, 8), at + QPoint(6, 8)}), QColor(250, 250, 245));
        c.fill(QRect(at.x() + 10, at.y() - 10, 8, 10), QColor(230, 90, 60));
    }
}

void Town(CourseCanvas& c)
{
    const QColor wall(248, 236, 214), roofs[] = {QColor(200, 60, 50), QColor(60, 110, 170), QColor(220, 140, 40)};
    const std::vector<QRect> houses{Span(118, 20, 140, 44), Span(186, 36, 214, 64), Span(228, 32, 256, 64), Span(266, 36, 294, 64),
                                    Span(4, 120, 18, 146),  Span(56, 120, 76, 150),  Span(118, 116, 140, 144)};
    for (std::size_t i = 0; i < houses.size(); ++i)
        House(c, houses[i], wall, roofs[i % 3]);
    // Warehouses on the far quay, and the taiyaki stand with its awning.
    for (const QRect& r : {Span(4, 206, 30, 244), Span(66, 206, 88, 226)}) {
        c.fill(r, QColor(150, 110, 80));
        for (int x = r.left() + 3; x < r.right(); x += 5)
            c.fill(QRect(x, r.top() + 2, 2, r.height() - 4), QColor(120, 86, 60));
    }
    c.fill(Span(216, 118, 252, 148), QColor(250, 240, 220));
    for (int x = 216; x < 252; x += 6)
        c.fill(QRect(x, 112, 3, 6), QColor(40, 80, 160));
    c.text(Span(216, 122, 252, 134), QStringLiteral("たい焼"), QColor(40, 80, 160), 9);
    for (QPoint p : {QPoint(68, 30), QPoint(290, 120), QPoint(200, 100 + 40), QPoint(16, 178)})
        Tree(c, p, 9);
}

void Crossings(CourseCanvas& c)
{
    // Zebra stripes where ピポ crosses each truck street.
    for (int x : {84, 150})
        for (int dx = 2; dx < 22; dx += 4)
            c.fill(QRect(x + dx, 87, 2, 11), QColor(250, 250, 250));
    for (int x : {95, 161})
        for (int y = 48; y < 136; y += 10)
            if (y + 5 < 84 || y > 100)
                c.fill(QRect(x, y, 1, 5), QColor(250, 220, 80));
}

// ---- 雪山 ----

const QColor kSnow(238, 243, 250);
const QColor kPath(150, 136, 124);
const QColor kPathEdge(110, 98, 90);

std::vector<QRect> PassRoad()
{
    return {
        Marks(2).ownStart()->rect,  // the start sign at the ferry
        Span(24, 150, 40, 270),     // up from the ferry (mark 0)
        Span(24, 150, 110, 166),    // the switchbacks (mark 1)
        Span(94, 100, 110, 166),
        Span(24, 100, 110, 116),    // past the mountain hut (mark 2)
        Span(24, 40, 40, 116),      // mark 3
        Span(24, 40, 146, 56),      // to the fork (mark 4)
        Span(130, 24, 146, 216),    // the fork: up to the ridge, down to the valley (mark 6)
        Span(147, 24, 253, 33),     // the ridge, 10 px (mark 5)
        Span(147, 200, 253, 216),   // the valley under the sleet
        Span(254, 24, 270, 280),    // both ways meet and go down to the inn (mark 7)
    };
}

void Pine(CourseCanvas& c, QPoint foot, int size)
{
    c.fill(QRect(foot.x() - 1, foot.y() - 3, 3, 3), QColor(110, 80, 50));
    const QColor needles(40, 100, 70);
    c.polygon(QPolygon({foot + QPoint(-size / 2, -3), foot + QPoint(0, -3 - size), foot + QPoint(size / 2, -3)}), needles);
    c.polygon(QPolygon({foot + QPoint(-size / 4, -3 - size / 2), foot + QPoint(0, -3 - size), foot + QPoint(size / 4, -3 - size / 2)}),
              QColor(250, 252, 255));
}

void Peaks(CourseCanvas& c)
{
    const QColor rock(140, 150, 170), shade(110, 120, 145), ice(250, 252, 255);
    c.polygon(QPolygon({QPoint(152, 192), QPoint(180, 60), QPoint(200, 90), QPoint(222, 44), QPoint(250, 192)}), rock);
    c.polygon(QPolygon({QPoint(222, 44), QPoint(250, 192), QPoint(226, 192), QPoint(212, 70)}), shade);
    c.polygon(QPolygon({QPoint(180, 60), QPoint(170, 100), QPoint(180, 92), QPoint(188, 100), QPoint(196, 84)}), ice);
    c.polygon(QPolygon({QPoint(222, 44), QPoint(212, 72), QPoint(222, 64), QPoint(230, 72), QPoint(236, 78)}), ice);
    c.polygon(QPolygon({QPoint(56, 38), QPoint(80, 4), QPoint(104, 38)}), shade);
    c.polygon(QPolygon({QPoint(74, 12), QPoint(80, 4), QPoint(86, 12)}), ice);
}

void Hut(CourseCanvas& c)
{
    House(c, Span(52, 128, 84, 142), QColor(150, 100, 60), QColor(250, 252, 255));
    c.fill(Span(58, 130, 64, 136), QColor(255, 220, 120));  // a warm window
}

void Inn(CourseCanvas& c)
{
    House(c, Span(150, 250, 232, 290), QColor(240, 226, 196), QColor(90, 70, 110));
    c.fill(Span(160, 262, 222, 274), QColor(250, 250, 245));
    c.text(Span(160, 262, 222, 274), QStringLiteral("温泉"), QColor(200, 40, 40), 9);
    for (int x : {170, 190, 210})  // steam
        for (int y = 226; y < 244; y += 6)
            c.ellipse(QRect(x + (y / 6) % 2 * 2, y, 5, 5), QColor(205, 212, 225));
}

void Ferry(CourseCanvas& c)
{
    c.fill(Span(66, 276, 140, 299), kSea);
    c.polygon(QPolygon({QPoint(80, 284), QPoint(130, 284), QPoint(124, 294), QPoint(86, 294)}), QColor(250, 250, 245));
    c.fill(Span(96, 276, 112, 283), QColor(230, 90, 60));
}

}  // namespace

QImage DrawHarbourTown()
{
    CourseCanvas c(kCobbles);
    Sea(c);
    Town(c);
    c.layRoad(HarbourRoad(), kKerb, kStreet);
    // The canal keeps its banks beside the drawbridge: the road verges must not cut it.
    Water(c, Span(119, 156, 210, 179));
    Water(c, Span(119, 193, 210, 230));
    c.fill(Span(119, 180, 210, 192), QColor(150, 100, 50));
    for (int x = 122; x < 210; x += 5)
        c.fill(QRect(x, 181, 1, 11), QColor(110, 70, 35));
    Crossings(c);
    Sign(c, Marks(1).ownStart()->rect, QStringLiteral("START"), QColor(255, 255, 255), QColor(40, 80, 160), QColor(40, 80, 160));
    Checkered(c, Marks(1).liveGoal()->rect);
    return c.finish();
}

QImage DrawSnowyPass()
{
    CourseCanvas c(kSnow);
    Peaks(c);
    Hut(c);
    Inn(c);
    Ferry(c);
    for (QPoint p : {QPoint(12, 30), QPoint(60, 80), QPoint(80, 80), QPoint(14, 200), QPoint(60, 196), QPoint(84, 220),
                     QPoint(120, 256), QPoint(290, 60), QPoint(288, 140), QPoint(288, 230), QPoint(110, 20)})
        Pine(c, p, 14);
    c.layRoad(PassRoad(), kPathEdge, kPath);
    // Footprints in the snow of the path.
    for (int y = 60; y < 260; y += 12)
        if (y < 110 || y > 170)  // not across the verge between the bends
            c.fill(QRect(31, y, 2, 3), QColor(240, 240, 244));
    Sign(c, Marks(2).ownStart()->rect, QStringLiteral("START"), QColor(255, 255, 255), QColor(40, 130, 90), QColor(40, 130, 90));
    Checkered(c, Marks(2).liveGoal()->rect);
    return c.finish();
}

}  // namespace art

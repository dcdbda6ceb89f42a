// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Stage 1, 日本: green fields, a mountain road or a shortcut, the sweet shop,
// the building site, and ヌッピ's house at the goal.

#include "CourseArt.h"
#include "rules/Course.h"  // where the signs stand

namespace art {

namespace {

const course::Stage& Marks()
{
    return course::BuiltIn().stage(1);
}

const QColor kGrass(118, 186, 84);
const QColor kSand(226, 200, 144);
const QColor kSandEdge(196, 166, 108);

// The road, piece by piece, in the order a player meets it.
std::vector<QRect> Road1()
{
    return {
        Marks().ownStart()->rect,  // the start sign
        Span(57, 60, 72, 99),     // down from the start
        Span(57, 83, 99, 99),
        Span(96, 89, 111, 97),    // narrow lane into the fork (mark 0)
        Span(112, 72, 128, 104),  // the fork: mountain road north (mark 1), shortcut south (mark 2)
        Span(115, 4, 127, 71),    // up the mountain
        Span(115, 4, 170, 15),
        Span(170, 6, 210, 14),    // the ridge, 9 px
        Span(210, 4, 262, 15),
        Span(250, 4, 262, 88),    // down again
        Span(170, 72, 262, 88),   // past ソイ and モッコ (mark 3) and mark 4
        Span(170, 72, 183, 154),
        Span(112, 105, 126, 154), // the shortcut
        Span(64, 140, 183, 154),  // both ways meet
        Span(64, 140, 80, 256),   // past the sweet shop (marks 5 and 6)
        Span(64, 240, 129, 256),  // to the building site (mark 7)
        Span(126, 244, 173, 252), // squeezed by the works, 9 px
        Span(170, 240, 232, 256), // mark 8, then the goal
    };
}

void Fields(CourseCanvas& c)
{
    const QColor paddy(96, 170, 120), wheat(222, 206, 110), furrow(80, 150, 100), straw(200, 184, 90);
    const std::vector<std::pair<QRect, bool>> fields{
        {Span(4, 110, 48, 134), true}, {Span(4, 216, 48, 246), false}, {Span(106, 172, 160, 228), true},
        {Span(194, 122, 292, 144), false}, {Span(196, 180, 290, 212), true}, {Span(4, 268, 60, 296), false},
    };
    for (const auto& [r, isPaddy] : fields) {
        c.fill(r, isPaddy ? paddy : wheat);
        for (int y = r.top() + 3; y < r.bottom(); y += 5)
            c.fill(QRect(r.left() + 2, y, r.width() - 4, 1), isPaddy ? furrow : straw);
    }
}

void Mountain(CourseCanvas& c)
{
    const QColor forest(70, 140, 70), shade(56, 118, 60), snow(250, 250, 252);
    // The mountain inside the loop of its road, and the far range behind the house.
    c.polygon(QPolygon({QPoint(136, 63), QPoint(168, 25), QPoint(182, 36), QPoint(206, 23), QPoint(241, 63)}), forest);
    c.polygon(QPolygon({QPoint(206, 23), QPoint(241, 63), QPoint(214, 63), QPoint(200, 36)}), shade);
    c.polygon(QPolygon({QPoint(168, 25), QPoint(160, 35), QPoint(166, 33), QPoint(170, 36), QPoint(176, 32)}), snow);
    c.polygon(QPolygon({QPoint(206, 23), QPoint(199, 31), QPoint(205, 30), QPoint(209, 33), QPoint(213, 30)}), snow);
    c.polygon(QPolygon({QPoint(0, 30), QPoint(28, 6), QPoint(56, 30)}), forest);
    c.polygon(QPolygon({QPoint(44, 30), QPoint(76, 4), QPoint(106, 30)}), shade);
    c.polygon(QPolygon({QPoint(270, 64), QPoint(288, 24), QPoint(299, 36), QPoint(299, 64)}), forest);
    for (int i = 0; i < 4; ++i)
        Tree(c, QPoint(160 + 20 * i, 62 - (i % 2) * 4), 8);
}

void SweetShop(CourseCanvas& c)
{
    House(c, Span(12, 176, 54, 204), QColor(250, 206, 214), QColor(200, 60, 80));
    c.fill(Span(16, 180, 50, 188), QColor(255, 255, 240));
    c.text(Span(16, 179, 50, 189), QStringLiteral("おかし"), QColor(200, 40, 70), 9);
    // Awning stripes over the window.
    for (int x = 16; x < 50; x += 6)
        c.fill(QRect(x, 190, 3, 3), QColor(200, 60, 80));
}

void BuildingSite(CourseCanvas& c)
{
    const QColor yellow(244, 200, 40), black(40, 40, 40), dirt(150, 110, 70);
    // Barriers above and below the squeezed stretch.
    for (int x = 126; x < 176; x += 8) {
        c.fill(QRect(x, 226, 5, 6), x % 16 == 6 ? yellow : black);
        c.fill(QRect(x, 266, 5, 6), x % 16 == 6 ? black : yellow);
    }
    c.polygon(QPolygon({QPoint(128, 296), QPoint(150, 276), QPoint(172, 296)}), dirt);
    // A crane.
    c.fill(Span(188, 186, 191, 230), yellow);
    c.fill(Span(160, 186, 210, 189), yellow);
    c.fill(Span(164, 190, 165, 204), black);
    c.fill(Span(160, 205, 169, 210), QColor(160, 160, 170));
}

void GoalHouse(CourseCanvas& c)
{
    House(c, Span(250, 262, 292, 292), QColor(180, 210, 240), QColor(60, 90, 170));
    c.fill(Span(240, 292, 298, 299), QColor(255, 255, 255));
    c.text(Span(240, 290, 298, 300), QStringLiteral("GOAL"), QColor(220, 30, 30), 9);
}

}  // namespace

QImage DrawStage1()
{
    CourseCanvas c(kGrass);
    Fields(c);
    Mountain(c);
    House(c, Span(6, 42, 30, 62), QColor(250, 240, 210), QColor(200, 70, 40));  // カモナ家
    SweetShop(c);
    BuildingSite(c);
    GoalHouse(c);
    for (QPoint p : {QPoint(20, 96), QPoint(36, 150), QPoint(100, 132), QPoint(150, 132), QPoint(30, 260),
                     QPoint(278, 96), QPoint(290, 232), QPoint(210, 236), QPoint(100, 290), QPoint(286, 160)})
        Tree(c, p, 10);

    c.layRoad(Road1(), kSandEdge, kSand);

    // Signs at both ends.
    Sign(c, Marks().ownStart()->rect, QStringLiteral("START"), QColor(255, 255, 255), QColor(220, 40, 40), QColor(220, 40, 40));
    Checkered(c, Marks().liveGoal()->rect);
    // Warning stripes across the squeezed stretch of the building site.
    for (int x = 130; x < 170; x += 10)
        c.fill(QRect(x, 247, 4, 3), QColor(244, 200, 40));
    return c.finish();
}

}  // namespace art

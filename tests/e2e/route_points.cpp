// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Prints the pointer route a careful player takes on a course, one "x y" map
// pixel a line, from the Start click's landing point into the goal mark.
// Usage: route_points <map picture> <stage 1|2> <level 1|2>

#include "CourseChecker.h"
#include "RoutePath.h"

#include "game/AppFolder.h"
#include "rules/CourseRules.h"

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: route_points <map picture> <stage> <level>\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    game::SetAppFolder(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));  // the build tree's course
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    reader.setDecideFormatFromContent(true);
    const QImage map = reader.read();
    const int stage = QByteArray(argv[2]).toInt();
    const int level = QByteArray(argv[3]).toInt();
    if (map.isNull() || (stage != 1 && stage != 2)) {
        std::fprintf(stderr, "route_points: cannot read %s or bad stage\n", argv[1]);
        return 2;
    }
    const coursecheck::CoursePlan plan = coursecheck::StagePlan(course::BuiltIn().stage(stage));
    const auto roadOk = coursecheck::RoadOk(map, course::ProbeHalfSize(level));
    const coursecheck::SafeField field = coursecheck::Paint(roadOk, plan.still);
    // Three pixels of room where the road allows it: a pixel of rounding
    // anywhere between here and the window must not end the run.
    const auto route = coursecheck::ShortestRoute(field.safe, plan.start, plan.goal, 3);
    if (route.empty()) {
        std::fprintf(stderr, "route_points: no route to the goal\n");
        return 1;
    }
    for (const QPoint& p : route)
        std::printf("%d %d\n", p.x(), p.y());
    return 0;
}

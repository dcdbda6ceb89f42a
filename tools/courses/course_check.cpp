// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// course_check <map-file> <stage> [preview.png]: proves a course map playable; exit
// code 0 when it is. The preview is the map at 3x with marks and hazards outlined.

#include "CheckRun.h"
#include "game/AppFolder.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "CourseScene.h"

namespace {
// Whether a mark of the scene speaks or counts on this stage.
bool OwnMark(const course::Stage& stage, const coursecheck::Element& e)
{
    const auto index = static_cast<std::size_t>(e.name.section(QLatin1Char('('), 1).remove(QLatin1Char(')')).toInt());
    if (e.name.startsWith(QLatin1String("checkpoints")))
        return stage.checkpoints.at(index).live;
    if (e.name.startsWith(QLatin1String("goalMarks")))
        return stage.goals.at(index).live;
    if (e.name.startsWith(QLatin1String("startZones")))
        return stage.starts.at(index).own;
    return true;
}

void SavePreview(const QImage& map, const course::Stage& stage, const QString& path)
{
    constexpr int zoom = 3;
    QImage big = map.convertToFormat(QImage::Format_RGB32).scaled(map.size() * zoom);
    QPainter p(&big);
    for (const auto& e : coursecheck::StageScene(stage, 0)) {
        p.setPen(e.hazard ? QColor(255, 0, 0) : OwnMark(stage, e) ? QColor(0, 0, 255) : QColor(255, 0, 255));
        p.drawRect(QRect(e.rect.topLeft() * zoom, e.rect.size() * zoom).adjusted(0, 0, -1, -1));
    }
    p.setPen(QColor(255, 0, 0));
    const QPoint s = coursecheck::StagePlan(stage).start * zoom;
    p.drawEllipse(s, 4, 4);
    p.end();
    big.save(path, "PNG");
}
}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    game::SetAppFolder(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));  // the build tree's course
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    bool stageOk = false;
    const int stage = args.size() >= 3 ? args[2].toInt(&stageOk) : 0;
    if (!stageOk || (stage != 1 && stage != 2)) {
        out << "usage: course_check <map-file> <stage 1|2>\n";
        return 2;
    }
    const QImage map(args[1], "BMP");
    if (map.isNull()) {
        out << "cannot read " << args[1] << " as a bitmap\n";
        return 2;
    }
    if (args.size() == 4)
        SavePreview(map, course::BuiltIn().stage(stage), args[3]);
    QElapsedTimer clock;
    clock.start();
    const bool passed = coursecheck::RunChecks(map, course::BuiltIn().stage(stage), stage, out);
    out << "checked in " << clock.elapsed() << " ms\n";
    return passed ? 0 : 1;
}

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// course_check <map-file> <stage> [preview.png]: proves a course map playable; exit
// code 0 when it is. The preview is the map at 3x with marks and hazards outlined.

#include "CheckRun.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "CourseScene.h"
#include "rules/MapMarks.h"

namespace {
void SavePreview(const QImage& map, int stage, const QString& path)
{
    constexpr int zoom = 3;
    QImage big = map.convertToFormat(QImage::Format_RGB32).scaled(map.size() * zoom);
    QPainter p(&big);
    const auto scene = coursecheck::StageScene(stage, 0);
    for (const auto& e : scene) {
        const int index = e.name.section(QLatin1Char('('), 1).remove(QLatin1Char(')')).toInt();
        const bool own = e.name.startsWith(QLatin1String("checkpoints")) ? marks::CheckpointStage(index) == stage : index == stage - 1;
        p.setPen(e.hazard ? QColor(255, 0, 0) : own ? QColor(0, 0, 255) : QColor(255, 0, 255));
        p.drawRect(QRect(e.rect.topLeft() * zoom, e.rect.size() * zoom).adjusted(0, 0, -1, -1));
    }
    p.setPen(QColor(255, 0, 0));
    const QPoint s = coursecheck::startPoint(stage) * zoom;
    p.drawEllipse(s, 4, 4);
    p.end();
    big.save(path, "PNG");
}
}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
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
        SavePreview(map, stage, args[3]);
    QElapsedTimer clock;
    clock.start();
    const bool passed = coursecheck::RunChecks(map, stage, out);
    out << "checked in " << clock.elapsed() << " ms\n";
    return passed ? 0 : 1;
}

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// gen_courses <assets-dir>: draws the game's two course maps into
// <assets-dir>/dat and the maps of the packs we ship into
// <assets-dir>/courses/<pack>, and proves each pack stage with the course
// checker as it goes.

#include "CheckRun.h"
#include "CourseArt.h"
#include "SeaSnowPack.h"
#include "game/AppFolder.h"
#include "rules/CoursePack.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <functional>

namespace {

bool Save(const QImage& map, const QString& path, const char* format, QTextStream& err)
{
    if (map.save(path, format))
        return true;
    err << "cannot write " << path << '\n';
    return false;
}

bool MakeFolder(const QString& path, QTextStream& err)
{
    if (QDir().mkpath(path))
        return true;
    err << "cannot create " << path << '\n';
    return false;
}

// A shipped pack: its maps, drawn in stage order and each proven by the course checker.
bool WritePackMaps(const QDir& assets, const char* folder, const course::Course& course,
                   const std::vector<std::function<QImage()>>& draw, QTextStream& out, QTextStream& err)
{
    const QDir pack(assets.filePath(QStringLiteral("courses/") + QLatin1String(folder)));
    if (!MakeFolder(pack.path(), err))
        return false;
    bool proven = true;
    for (int stage = 1; stage <= course.stageCount(); ++stage) {
        const QImage map = draw.at(static_cast<std::size_t>(stage - 1))();
        if (!Save(map, pack.filePath(course.stage(stage).map), "PNG", err))
            return false;
        out << folder << ": " << course.stage(stage).map << '\n';
        proven = coursecheck::RunChecks(map, course.stage(stage), stage, out) && proven;
    }
    // The pack file, from the same description.
    QFile file(pack.filePath(QStringLiteral("course.json")));
    if (!file.open(QIODevice::WriteOnly) || file.write(course::WritePack(course)) < 0) {
        err << "cannot write " << file.fileName() << '\n';
        return false;
    }
    return proven;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    game::SetAppFolder(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));  // the build tree's course
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (app.arguments().size() != 2) {
        err << "usage: gen_courses <assets-dir>\n";
        return 2;
    }
    const QDir assets(app.arguments()[1]);
    const QDir dat(assets.filePath(QStringLiteral("dat")));
    if (!MakeFolder(dat.path(), err))
        return 1;
    const QImage maps[] = {art::DrawStage1(), art::DrawStage2()};
    for (int stage = 1; stage <= 2; ++stage)
        if (!Save(maps[stage - 1], dat.filePath(QStringLiteral("map%1.dat").arg(stage)), "BMP", err))
            return 1;
    const bool proven = WritePackMaps(assets, packs::kSeaSnowFolder, packs::SeaSnow(), {art::DrawHarbourTown, art::DrawSnowyPass}, out, err);
    return proven ? 0 : 1;
}

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// gen_courses <assets-dir>: draws the two course maps into <assets-dir>/dat.

#include "CourseArt.h"
#include "game/AppFolder.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    game::SetAppFolder(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));  // the build tree's course
    QTextStream err(stderr);
    if (app.arguments().size() != 2) {
        err << "usage: gen_courses <assets-dir>\n";
        return 2;
    }
    const QDir dat(QDir(app.arguments()[1]).filePath(QStringLiteral("dat")));
    if (!QDir().mkpath(dat.path())) {
        err << "cannot create " << dat.path() << '\n';
        return 1;
    }
    const QImage maps[] = {art::DrawStage1(), art::DrawStage2()};
    for (int stage = 1; stage <= 2; ++stage) {
        const QString path = dat.filePath(QStringLiteral("map%1.dat").arg(stage));
        if (!maps[stage - 1].save(path, "BMP")) {
            err << "cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "game/AppFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace game {

namespace {
QString& AppFolderOverride()
{
    static QString folder;
    return folder;
}
}  // namespace

QString AppFolder()
{
    if (!AppFolderOverride().isEmpty())
        return AppFolderOverride();
    // Next to the executable (the build tree), or where the install put the data.
    const QString exeDir = QCoreApplication::applicationDirPath();
    if (QDir(exeDir).exists(QStringLiteral("dat")))
        return exeDir;
    const QString installed = QDir::cleanPath(exeDir + QStringLiteral("/" POKURIMO_DATA_FROM_BIN));
    return QDir(installed).exists(QStringLiteral("dat")) ? installed : exeDir;
}

QString MapFile(const QString& map)
{
    return QDir::isAbsolutePath(map) ? map : AppFolder() + QLatin1Char('/') + map;
}

void SetAppFolder(const QString& folder)
{
    AppFolderOverride() = folder;
}

}  // namespace game

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "game/GameState.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>

namespace game {

namespace {
QString& AppFolderOverride()
{
    static QString folder;
    return folder;
}
}  // namespace

void ResetSharedState()
{
    shared = SharedState{};
}

int ReadCounter(const QLabel* label)
{
    std::int32_t v = 0;
    return ParseDecimal(label->text(), &v) ? v : 0;
}

void WriteCounter(QLabel* label, int value)
{
    label->setText(QString::number(value));
}

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

void SetAppFolder(const QString& folder)
{
    AppFolderOverride() = folder;
}

}  // namespace game

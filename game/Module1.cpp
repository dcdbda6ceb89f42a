// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "game/Module1.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>

namespace Module1 {

namespace {
QString& AppFolderOverride()
{
    static QString folder;
    return folder;
}
}  // namespace

void ResetState()
{
    g_Level = g_Stage = g_PlayState = g_NextFlag = g_WaitFlag = 0;
    g_MsgShown.fill(0);
    g_MapGrid.fill(0);
    g_RankLevel = g_RankStage = 0;
    for (auto& level : g_HScoreName)
        for (auto& stage : level)
            for (auto& name : stage)
                name.clear();
    for (auto& level : g_HScoreVal)
        for (auto& stage : level)
            for (auto& value : stage)
                value = 0;
}

bool ParseDecimal(const QString& text, std::int32_t* value)
{
    const qsizetype n = text.size();
    qsizetype i = (n > 0 && text[0] == u'-') ? 1 : 0;
    if (i == n)
        return false;
    std::int64_t v = 0;
    for (qsizetype k = i; k < n; ++k) {
        const char16_t c = text[k].unicode();
        if (c < u'0' || c > u'9')
            return false;
        v = v * 10 + (c - u'0');
        if (v > std::int64_t{INT32_MAX} + 1)
            return false;  // far out of range; stop before the sum overflows
    }
    if (i == 1)
        v = -v;
    if (v < INT32_MIN || v > INT32_MAX)
        return false;
    *value = static_cast<std::int32_t>(v);
    return true;
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

}  // namespace Module1

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "GeneratorRun.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>

namespace assets_test {

bool RunGenerator(const QString& program, const QString& folder, QString* errors) {
    QProcess process;
    process.start(program, {folder});
    const bool finished = process.waitForFinished(120000);
    if (errors) *errors = QString::fromLocal8Bit(process.readAllStandardError());
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QStringList FilesBelow(const QString& folder, const QString& sub) {
    const QDir base(folder);
    QStringList files;
    QDirIterator it(base.filePath(sub), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) files.append(base.relativeFilePath(it.next()));
    files.sort();
    return files;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList Differences(const QString& left, const QString& right, const QString& sub) {
    QStringList all = FilesBelow(left, sub) + FilesBelow(right, sub);
    all.removeDuplicates();
    all.sort();
    QStringList differ;
    for (const QString& file : all) {
        const QString a = QDir(left).filePath(file);
        const QString b = QDir(right).filePath(file);
        if (!QFile::exists(a) || !QFile::exists(b) || ReadAll(a) != ReadAll(b)) differ.append(file);
    }
    return differ;
}

}  // namespace assets_test

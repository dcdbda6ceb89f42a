// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// Runs an asset generator into a fresh folder and compares folders file by file.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace assets_test {

// Runs program with the folder as its one argument; true when it exits with 0.
bool RunGenerator(const QString& program, const QString& folder, QString* errors);

// Relative paths of the files below folder/sub, sorted.
QStringList FilesBelow(const QString& folder, const QString& sub);

// Files of sub that differ or exist on one side only; empty when both folders agree.
QStringList Differences(const QString& left, const QString& right, const QString& sub);

QByteArray ReadAll(const QString& path);

}  // namespace assets_test

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// Every test runs in its own world: private settings and data folders (never
// the player's scores or record runs), the build tree as the application folder, a fake sound.

#include "support/FakeSound.h"

#include <QTemporaryDir>

#include "game/HighScoreTable.h"

// The high-score table the test's screens are handed, as the title hands its
// own; every TestEnv starts it empty.
HighScoreTable& Table();
// The course shelf the test's title screens are handed, around Table(); every
// TestEnv starts it on the game's own course.
class CourseShelf;
CourseShelf& Shelf();
// The navigator of the test's screens, around Shelf(), as the game's own is.
class Navigator;
Navigator& Nav();

// A file's bytes (empty when it cannot be read), and a file written whole,
// its folder made first (the check fails the calling test when it cannot be).
QByteArray FileBytes(const QString& path);
void WriteFile(const QString& path, const QByteArray& bytes);

class TestEnv {
public:
    TestEnv();
    ~TestEnv();
    TestEnv(const TestEnv&) = delete;
    TestEnv& operator=(const TestEnv&) = delete;

    QString settingsFolder() const { return m_settings.path(); }
    QString dataFolder() const { return m_data.path(); }  // XDG_DATA_HOME
    QString settingsFile() const;  // the file the high-score table is kept in
    FakeSound sound;

private:
    QTemporaryDir m_settings;
    QTemporaryDir m_data;  // the data folder, where record runs are kept
};

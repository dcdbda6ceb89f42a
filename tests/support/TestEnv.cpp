// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "support/TestEnv.h"

#include "app/Navigator.h"
#include "game/AppFolder.h"
#include "game/HighScoreTable.h"
#include "sound/SoundBackend.h"
#include "game/CourseShelf.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QFile>
#include <QSettings>

HighScoreTable& Table()
{
    static HighScoreTable table;
    return table;
}

CourseShelf& Shelf()
{
    static CourseShelf shelf(Table());
    return shelf;
}

Navigator& Nav()
{
    static Navigator navigator(Shelf());
    return navigator;
}

TestEnv::TestEnv()
{
    Table() = HighScoreTable();
    Shelf().chooseBuiltIn();
    qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());  // the player's own courses, ghosts: never the real ones
    QCoreApplication::setOrganizationName(QStringLiteral("Pokurimo"));
    QCoreApplication::setApplicationName(QStringLiteral("Pokurimo"));
    QSettings::setDefaultFormat(QSettings::NativeFormat);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    game::SetAppFolder(QStringLiteral(POKURIMO_APP_FOLDER));
    sound::SetSoundBackend(&sound);
}

TestEnv::~TestEnv()
{
    sound::SetSoundBackend(nullptr);
}

QString TestEnv::settingsFile() const
{
    return QSettings().fileName();
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

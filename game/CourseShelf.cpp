// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "game/CourseShelf.h"

#include "game/AppFolder.h"
#include "game/HighScoreTable.h"

#include <QDir>
#include <QStandardPaths>

CourseShelf::CourseShelf(HighScoreTable& builtInTable) : m_builtInTable(builtInTable) {}

CourseShelf::~CourseShelf() = default;

const course::Course& CourseShelf::course() const
{
    return m_pack ? *m_pack : course::BuiltIn();
}

HighScoreTable& CourseShelf::table()
{
    return m_packTable ? *m_packTable : m_builtInTable;
}

QString CourseShelf::chosenFolder() const
{
    return m_packFolder;
}

void CourseShelf::chooseBuiltIn()
{
    m_pack.reset();
    m_packFolder.clear();
    m_packTable.reset();
}

void CourseShelf::choose(const course::Pack& pack)
{
    if (!pack.ok() || QDir(pack.folder) == QDir(game::AppFolder())) {
        chooseBuiltIn();
        return;
    }
    m_pack = pack.course;
    m_packFolder = pack.folder;
    m_packTable = std::make_unique<HighScoreTable>(RecordsGroup(pack), pack.course.stageCount());
    m_packTable->load();
}

QString CourseShelf::ShippedFolder()
{
    return game::AppFolder() + QStringLiteral("/courses");
}

QString CourseShelf::PlayerFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/courses");
}

QString CourseShelf::RecordsGroup(const course::Pack& pack)
{
    return QStringLiteral("Course_") + QString::fromLatin1(pack.playHash);
}

QStringList CourseShelf::Folders()
{
    QStringList folders{game::AppFolder()};
    for (const QString& root : {ShippedFolder(), PlayerFolder()}) {
        const QDir dir(root);
        for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
            folders << dir.filePath(name);
    }
    return folders;
}

std::vector<course::Pack> CourseShelf::List()
{
    std::vector<course::Pack> packs;
    for (const QString& folder : Folders())
        packs.push_back(course::LoadPack(folder));
    return packs;
}

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "editor/PackDraft.h"

#include "app/StarterPack.h"
#include "game/AppFolder.h"
#include "game/CourseShelf.h"
#include "rules/CoursePack.h"
#include "rules/CourseRules.h"
#include "rules/MapPicture.h"
#include "rules/PackFiles.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

#include <cstdio>
#include <fcntl.h>
#include <map>

namespace editor {

namespace {

constexpr qint64 kLargestKeptFile = 16 * 1024 * 1024;
constexpr int kMostKeptFiles = 512;
const QString kPackFile = QStringLiteral("course.json");

bool Inside(const QString& path, const QString& folder)
{
    return path.startsWith(QDir::cleanPath(folder) + QLatin1Char('/'));
}

// The plain files of a folder, relative, the pack file aside; links and
// anything but plain files are passed over, as the loader never opens them.
QStringList PlainFilesIn(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDirIterator::Subdirectories);
    const QDir root(folder);
    while (it.hasNext() && files.size() < kMostKeptFiles) {
        const QString name = root.relativeFilePath(it.next());
        if (name != kPackFile && course::PlainFileProblem(folder, name).isEmpty())
            files << name;
    }
    return files;
}

StageMap MapOf(const QString& file)
{
    const course::FileBytes bytes = course::ReadPlainFile(file, kLargestKeptFile);
    const QImage read = course::DecodePicture(bytes.bytes, QSize(course::kMapSize, course::kMapSize)).image.convertToFormat(QImage::Format_RGB32);
    return {file, bytes.bytes, read, read};
}

// The files a saved pack is made of: each relative name, and either the file
// it is copied from or the bytes it is written with.
class SavePlan {
public:
    SavePlan(const Draft& draft, const PackPlace& place) : m_place(place), m_course(draft.course)
    {
        for (const QString& kept : place.keptFiles)
            m_files[kept] = {QDir(place.folder).filePath(kept), {}};
        for (std::size_t i = 0; i < draft.maps.size(); ++i)
            if (!draft.maps[i].painted())
                m_course.stages[i].map = copied(draft.maps[i].source, draft.maps[i].bytes);
        for (std::size_t i = 0; i < draft.maps.size(); ++i)
            if (draft.maps[i].painted())
                m_course.stages[i].map = written(draft, i);
        for (course::Stage& s : m_course.stages) {
            for (course::Cover& c : s.covers)
                c.picture = copied(c.picture);
            for (course::Hazard& h : s.hazards) {
                h.picture = copied(h.picture);
                h.openPicture = copied(h.openPicture);
            }
        }
    }

    // Writes every file into `into`; empty when all were written.
    QString writeInto(const QString& into) const
    {
        const QDir dir(into);
        for (const auto& [name, file] : m_files) {
            QByteArray bytes = file.bytes;
            if (!file.from.isEmpty()) {
                const course::FileBytes read = course::ReadPlainFile(file.from, kLargestKeptFile);
                if (!read.problem.isEmpty())
                    return QStringLiteral("%1: %2").arg(name, read.problem);
                bytes = read.bytes;
            }
            if (!Write(dir.filePath(name), bytes))
                return QStringLiteral("%1: cannot be written").arg(name);
        }
        return Write(dir.filePath(kPackFile), course::WritePack(m_course, m_place.folder)) ? QString()
                                                                                          : kPackFile + QStringLiteral(": cannot be written");
    }

private:
    struct File {
        QString from;  // copied from here, or
        QByteArray bytes;
    };

    static bool Write(const QString& path, const QByteArray& bytes)
    {
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            return false;
        QFile out(path);
        return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(bytes) == bytes.size() && out.flush();
    }

    // A file of the pack (or of the game's own folder) copied under the same
    // name; a picture of the game's own stays a name.
    QString copied(const QString& path, const QByteArray& bytes = {})
    {
        if (path.isEmpty() || path.startsWith(QLatin1Char(':')))
            return path;
        const QString name = Inside(path, m_place.source) ? QDir(m_place.source).relativeFilePath(path) : QFileInfo(path).fileName();
        m_files[name] = {bytes.isEmpty() ? path : QString(), bytes};
        return QDir(m_place.folder).filePath(name);
    }

    // A painted map as PNG: under its own name when that is a PNG only this
    // stage uses, otherwise "map<stage>.png" under a name no other file has.
    QString written(const Draft& draft, std::size_t stage)
    {
        const StageMap& map = draft.maps[stage];
        QString name;
        const bool shared = std::count_if(draft.maps.begin(), draft.maps.end(), [&](const StageMap& m) { return m.source == map.source; }) > 1;
        if (!map.source.isEmpty() && !shared && map.source.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) &&
            Inside(map.source, m_place.source))
            name = QDir(m_place.source).relativeFilePath(map.source);
        for (int n = 1; name.isEmpty() || taken(name, map.source); ++n)
            name = n == 1 ? QStringLiteral("map%1.png").arg(stage + 1) : QStringLiteral("map%1-%2.png").arg(stage + 1).arg(n);
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        map.pixels.save(&png, "PNG");
        m_files[name] = {{}, png.data()};
        return QDir(m_place.folder).filePath(name);
    }

    // Another file of the pack goes by that name (a kept file may give way to the map it was).
    bool taken(const QString& name, const QString& mapSource) const
    {
        const auto it = m_files.find(name);
        return it != m_files.end() && !(it->second.from == mapSource && !mapSource.isEmpty()) &&
               QDir(m_place.folder).filePath(name) != mapSource;
    }

    const PackPlace& m_place;
    course::Course m_course;
    std::map<QString, File> m_files;  // by name: each once, in name order
};

// Puts the folder `fresh` where `target` is, in one step: a folder already
// there is exchanged with it, so `fresh` then holds the old pack.
bool SwapIntoPlace(const QString& fresh, const QString& target, bool exists)
{
    const QByteArray from = QFile::encodeName(fresh);
    const QByteArray to = QFile::encodeName(target);
    if (!exists)  // an empty folder there gives way; one that has filled meanwhile does not
        return std::rename(from.constData(), to.constData()) == 0;
    return renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) == 0;
}

}  // namespace

course::Stage NewStage(int number)
{
    course::Stage stage = app::StarterCourse(QString()).stages.front();
    stage.name = {QStringLiteral("STAGE%1").arg(number), QStringLiteral("Stage %1").arg(number), nullptr};
    stage.opening.clear();
    stage.clearLine = {QStringLiteral("Stage%1 Clear!!").arg(number), QStringLiteral("Stage %1 Clear!!").arg(number), nullptr};
    stage.scoreAt = course::ScoreAt::WithClearPicture;
    return stage;
}

StageMap NewStageMap()
{
    const QImage map = app::DrawStarterMap().convertToFormat(QImage::Format_RGB32);
    return {QString(), {}, map, map};
}

QString NewPackFolder(const QString& base)
{
    const QDir player(CourseShelf::PlayerFolder());
    QString name = base;
    for (int n = 2; player.exists(name); ++n)
        name = QStringLiteral("%1-%2").arg(base).arg(n);
    return player.filePath(name);
}

QString SaveFolderFor(const QString& folder)
{
    const QString clean = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const bool builtIn = QDir(clean) == QDir(game::AppFolder());
    if (!builtIn && !Inside(clean, CourseShelf::ShippedFolder()))
        return clean;
    return NewPackFolder((builtIn ? QStringLiteral("pokurimo") : QDir(clean).dirName()) + QStringLiteral("-copy"));
}

Opened OpenPack(const QString& folder, const QString& saveTo)
{
    Opened opened;
    opened.place = {QDir::cleanPath(QFileInfo(folder).absoluteFilePath()), QDir::cleanPath(QFileInfo(saveTo).absoluteFilePath()), {}, false};
    const QDir dir(folder);
    if (!dir.exists() || dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        course::Course starter = app::StarterCourse(QString());
        opened.draft = {starter, {NewStageMap()}};
        return opened;
    }
    const course::Pack pack = course::LoadPack(folder);
    if (!pack.readWhole) {
        opened.problem = pack.problems.value(0);
        return opened;
    }
    opened.draft.course = pack.course;
    for (const course::Stage& stage : pack.course.stages)
        opened.draft.maps.push_back(MapOf(game::MapFile(stage.map)));
    opened.place.exists = opened.place.source == opened.place.folder;
    if (opened.place.exists)
        opened.place.keptFiles = PlainFilesIn(opened.place.folder);
    return opened;
}

QString WriteStageInto(const Draft& draft, const PackPlace& place, int stage, const QString& folder)
{
    const auto i = static_cast<std::size_t>(stage);
    Draft one{draft.course, {draft.maps.at(i)}};
    one.course.stages = {draft.course.stages.at(i)};
    const PackPlace alone{place.source, folder, {}, false};
    return SavePlan(one, alone).writeInto(folder);
}

QString SavePack(const Draft& draft, PackPlace& place)
{
    const QString parent = QFileInfo(place.folder).absolutePath();
    if (!QDir().mkpath(parent))
        return QStringLiteral("%1: cannot be made").arg(parent);
    QTemporaryDir fresh(parent + QStringLiteral("/.saving-XXXXXX"));  // beside the pack: the swap stays on one file system
    if (!fresh.isValid())
        return QStringLiteral("%1: nothing can be written there").arg(parent);
    if (const QString problem = SavePlan(draft, place).writeInto(fresh.path()); !problem.isEmpty())
        return problem;
    const course::Pack written = course::LoadPack(fresh.path());
    if (!written.readWhole)
        return written.problems.value(0);
    if (!SwapIntoPlace(fresh.path(), place.folder, place.exists))
        return QStringLiteral("%1: cannot be replaced").arg(place.folder);
    place.exists = true;  // the files are still copied from where they were read
    return {};
}

}  // namespace editor

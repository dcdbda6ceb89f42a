// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "game/GhostStore.h"

#include "game/HighScoreTable.h"

#include "rules/CoursePackFormat.h"
#include "rules/CourseRules.h"
#include "rules/MapPicture.h"
#include "rules/Scoring.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>

namespace ghost {

namespace {

constexpr char kMagic[8] = {'P', 'K', 'G', 'H', 'O', 'S', 'T', '\n'};
constexpr quint32 kPositionsOnly = 1;  // written by 1.x: the path alone
constexpr quint32 kVersion = 2;        // the log, or the path when the log outgrew its bound
constexpr auto kCheck = QCryptographicHash::Sha1;
constexpr int kCheckSize = 20;
constexpr qint64 kLargestFile = runlog::kMaxBytes + 4096;

const QString kWantedKey = QStringLiteral("Ghost/Shown");

// Each file's trouble is told once a game, not at every Start click; a file
// changed since is told anew.
void Report(const QString& file, const QString& why)
{
    static QSet<QString> told;
    const QFileInfo info(file);
    const QString seen = QStringLiteral("%1 %2 %3 %4").arg(file, why).arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
    if (told.contains(seen))
        return;
    told.insert(seen);
    qWarning("ghost ignored, %s: %s", qPrintable(QDir::toNativeSeparators(file)), qPrintable(why));
}

bool OnMap(int v)
{
    return v >= 0 && v < course::kMapSize;
}

QString PathTrouble(const GhostPath& path)
{
    if (path.samples.empty())
        return QStringLiteral("no path");
    for (std::size_t i = 0; i < path.samples.size(); ++i) {
        const Sample& s = path.samples[i];
        if (!OnMap(s.x) || !OnMap(s.y))
            return QStringLiteral("a point off the map");
        if (i > 0 && s.ms < path.samples[i - 1].ms)
            return QStringLiteral("time runs backwards");
    }
    for (const MarkPassed& m : path.marks)
        if (m.ms > path.endTime())
            return QStringLiteral("a mark after the end");
    return {};
}

}  // namespace

QByteArray CourseHash(const course::Stage& stage)
{
    course::Course alone;
    alone.stages = {stage};
    return course::format::PlayHash(alone, {course::ReadMap(stage.map)});
}

QString GhostFile(const QString& records, int level, int stage)
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/ghosts/%1/level%2_stage%3.ghost").arg(records).arg(level).arg(stage);
}

QByteArray Encode(const GhostRecord& record)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData(kMagic, sizeof kMagic);
    out << kVersion << qint32(record.level) << qint32(record.stage) << qint32(record.score) << record.courseHash;
    const QByteArray log = record.log ? runlog::Encode(*record.log) : QByteArray();
    out << quint8(log.isEmpty() ? 0 : 1);
    if (!log.isEmpty()) {
        out << log;
        bytes += QCryptographicHash::hash(bytes, kCheck);
        return bytes;
    }
    out << quint32(record.path.samples.size()) << quint32(record.path.marks.size());
    for (const Sample& s : record.path.samples)
        out << s.ms << s.x << s.y;
    for (const MarkPassed& m : record.path.marks)
        out << m.mark << m.ms;
    bytes += QCryptographicHash::hash(bytes, kCheck);
    return bytes;
}

std::optional<GhostRecord> Decode(const QByteArray& bytes, QString* why)
{
    const auto fail = [why](const char* what) {
        *why = QString::fromLatin1(what);
        return std::nullopt;
    };
    if (bytes.size() < qsizetype(sizeof kMagic) + kCheckSize || !bytes.startsWith(QByteArray(kMagic, sizeof kMagic)))
        return fail("not a ghost file");
    const QByteArray body = bytes.left(bytes.size() - kCheckSize);
    if (QCryptographicHash::hash(body, kCheck) != bytes.right(kCheckSize))
        return fail("damaged or cut short");
    QDataStream in(body);
    in.setByteOrder(QDataStream::LittleEndian);
    in.skipRawData(sizeof kMagic);
    quint32 version = 0, samples = 0, marks = 0;
    qint32 level = 0, stage = 0, score = 0;
    GhostRecord record;
    in >> version;
    if (version != kVersion && version != kPositionsOnly)
        return fail("written by another version");
    in >> level >> stage >> score >> record.courseHash;
    record.level = level;
    record.stage = stage;
    record.score = score;
    quint8 logged = 0;
    if (version == kVersion)
        in >> logged;
    if (logged) {
        QByteArray log;
        in >> log;
        if (in.status() != QDataStream::Ok || !in.atEnd())
            return fail("malformed");
        record.log = runlog::Decode(log, why);
        return record.log ? std::optional(record) : std::nullopt;
    }
    in >> samples >> marks;
    if (in.status() != QDataStream::Ok || samples > quint32(kMaxSamples) || marks > quint32(kMaxMarks))
        return fail("malformed");
    record.path.samples.resize(samples);
    for (Sample& s : record.path.samples)
        in >> s.ms >> s.x >> s.y;
    record.path.marks.resize(marks);
    for (MarkPassed& m : record.path.marks)
        in >> m.mark >> m.ms;
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return fail("malformed");
    if (const QString trouble = PathTrouble(record.path); !trouble.isEmpty()) {
        *why = trouble;
        return std::nullopt;
    }
    return record;
}

GhostRecord WithPath(GhostRecord record, const course::Stage& stage)
{
    if (record.log)
        record.path = runlog::PathOf(*record.log, stage);
    return record;
}

bool SaveGhost(const QString& records, const GhostRecord& record)
{
    const QString file = GhostFile(records, record.level, record.stage);
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return false;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(Encode(record));
    return out.commit();
}

std::optional<GhostRecord> LoadGhost(const QString& records, const course::Stage& described, int level, int stage,
                                     int score)
{
    const QString file = GhostFile(records, level, stage);
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        if (in.exists() || score != scores::kDefaultScore)  // a first place of the player's own
            Report(file, in.exists() ? in.errorString() : QStringLiteral("missing"));
        return std::nullopt;
    }
    if (in.size() > kLargestFile) {
        Report(file, QStringLiteral("too large"));
        return std::nullopt;
    }
    QString why;
    std::optional<GhostRecord> record = Decode(in.readAll(), &why);
    if (!record) {
        Report(file, why);
        return std::nullopt;
    }
    const char* stale = record->level != level || record->stage != stage ? "made for another table"
                        : record->score != score                         ? "not the first place's run"
                        : record->courseHash != CourseHash(described)    ? "made on another course"
                                                                         : nullptr;
    if (stale) {
        Report(file, QString::fromLatin1(stale));
        return std::nullopt;
    }
    return WithPath(std::move(*record), described);
}

std::optional<GhostRecord> FirstPlaceRun(const HighScoreTable& table, const course::Course& course, int level, int stage)
{
    if (stage < 1 || stage > course.stageCount())
        return std::nullopt;
    return LoadGhost(table.group(), course.stage(stage), level, stage, table.scores(level, stage)[0]);
}

bool GhostWanted()
{
    return QSettings().value(kWantedKey, true).toBool();
}

void SetGhostWanted(bool wanted)
{
    QSettings store;
    store.setValue(kWantedKey, wanted);
}

}  // namespace ghost

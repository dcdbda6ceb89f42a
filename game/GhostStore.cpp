// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "game/GhostStore.h"

#include "game/HighScoreTable.h"
#include "game/RunVerifier.h"

#include "rules/CoursePackFormat.h"
#include "rules/CourseRules.h"
#include "rules/MapPicture.h"
#include "rules/Scoring.h"

#include <QCryptographicHash>
#include <algorithm>
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
    QByteArray log = record.log ? runlog::Encode(*record.log) : QByteArray();
    if (log.size() > runlog::kMaxBytes)
        log.clear();  // past its bound: kept as its path, as 1.x kept it
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

namespace {

// A record with its log takes its path from the log, once the stage is known.
GhostRecord WithPath(GhostRecord record, const course::Stage& stage)
{
    if (record.log)
        record.path = runlog::PathOf(*record.log, stage);
    return record;
}

// Written whole and atomically.
bool WriteRun(const QString& file, const GhostRecord& record)
{
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return false;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(Encode(record));
    return out.commit();
}

// What a place's file holds, read whole and checked against its table and
// course; nothing, with one line on standard error, when it does not hold its run.
std::optional<GhostRecord> ReadRun(const QString& file, const course::Stage& described, int level, int stage, int place,
                                   int score, QByteArray* bytes = nullptr)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        if (in.exists() || (place == 0 && score != scores::kDefaultScore))  // a first place of the player's own
            Report(file, in.exists() ? in.errorString() : QStringLiteral("missing"));
        return std::nullopt;
    }
    if (in.size() > kLargestFile) {
        Report(file, QStringLiteral("too large"));
        return std::nullopt;
    }
    const QByteArray read = in.readAll();
    QString why;
    std::optional<GhostRecord> record = Decode(read, &why);
    if (!record) {
        Report(file, why);
        return std::nullopt;
    }
    const char* stale = record->level != level || record->stage != stage ? "made for another table"
                        : record->score != score                         ? "not the run of its place"
                        : record->courseHash != CourseHash(described)    ? "made on another course"
                                                                         : nullptr;
    if (stale) {
        Report(file, QString::fromLatin1(stale));
        return std::nullopt;
    }
    if (bytes)
        *bytes = read;
    return WithPath(std::move(*record), described);
}

// Verdicts are remembered beside the runs, by what was judged: the file's
// bytes and the stage it was judged on.
QString VerdictKey(int level, int stage, int place)
{
    return QStringLiteral("level%1_stage%2_place%3").arg(level).arg(stage).arg(place + 1);
}

}  // namespace

bool SaveGhost(const QString& records, const GhostRecord& record)
{
    return WriteRun(GhostFile(records, record.level, record.stage), record);
}

QString RunFile(const QString& records, int level, int stage, int place)
{
    if (place == 0)
        return GhostFile(records, level, stage);  // where the first place's run has always been
    return QFileInfo(GhostFile(records, level, stage)).path() + QStringLiteral("/level%1_stage%2_place%3.ghost").arg(level).arg(stage).arg(place + 1);
}

bool KeepRun(const QString& records, const GhostRecord& record, int place)
{
    if (place < 0 || place >= scores::kPlaces)
        return false;
    const auto file = [&](int p) { return RunFile(records, record.level, record.stage, p); };
    QFile::remove(file(scores::kPlaces - 1));  // the run that falls out of the table
    for (int p = scores::kPlaces - 2; p >= place; --p)
        if (QFile::exists(file(p)) && !QFile::rename(file(p), file(p + 1)))
            return false;
    return WriteRun(file(place), record);
}

std::optional<GhostRecord> LoadGhost(const QString& records, const course::Stage& described, int level, int stage, int score)
{
    return ReadRun(GhostFile(records, level, stage), described, level, stage, 0, score);
}

Proof ProofOf(const HighScoreTable& table, const course::Course& course, int level, int stage, int place, GhostRecord* run)
{
    if (stage < 1 || stage > course.stageCount() || place < 0 || place >= scores::kPlaces)
        return {Proof::None, {}};
    const course::Stage& described = course.stage(stage);
    const int score = table.scores(level, stage)[place];
    QByteArray bytes;
    std::optional<GhostRecord> record = ReadRun(RunFile(table.group(), level, stage, place), described, level, stage, place, score, &bytes);
    if (!record)
        return {Proof::None, {}};
    if (run)
        *run = *record;
    if (!record->log)
        return {Proof::PositionsOnly, QStringLiteral("kept by an older version: only the hero's positions")};
    QSettings known(QFileInfo(RunFile(table.group(), level, stage, place)).path() + QStringLiteral("/verdicts.ini"), QSettings::IniFormat);
    const QString key = VerdictKey(level, stage, place);
    const QString judged = QString::fromLatin1((QCryptographicHash::hash(bytes, kCheck) + record->courseHash).toHex());
    if (known.value(key + QStringLiteral("/judged")).toString() == judged) {
        const QString why = known.value(key + QStringLiteral("/why")).toString();
        return {why.isEmpty() ? Proof::Valid : Proof::Invalid, why};
    }
    const runlog::Verdict verdict = runlog::Rejudge(*record->log, {level, stage, score, record->courseHash}, course);
    known.setValue(key + QStringLiteral("/judged"), judged);
    known.setValue(key + QStringLiteral("/why"), verdict.why);
    return {verdict.valid ? Proof::Valid : Proof::Invalid, verdict.why};
}

std::optional<GhostRecord> UsableRun(const HighScoreTable& table, const course::Course& course, int level, int stage, int place)
{
    GhostRecord run;
    const Proof proof = ProofOf(table, course, level, stage, place, &run);
    if (proof.kind == Proof::Invalid)
        Report(RunFile(table.group(), level, stage, place), QStringLiteral("it does not re-judge: ") + proof.why);
    return proof.kind == Proof::Valid || proof.kind == Proof::PositionsOnly ? std::optional(run) : std::nullopt;
}

std::optional<GhostRecord> RacedRun(const HighScoreTable& table, const course::Course& course, int level, int stage)
{
    const int chosen = RacedPlace(table.group(), level, stage);
    if (std::optional<GhostRecord> run = UsableRun(table, course, level, stage, chosen))
        return run;
    for (int place = 0; place < scores::kPlaces; ++place)
        if (std::optional<GhostRecord> run = place == chosen ? std::nullopt : UsableRun(table, course, level, stage, place))
            return run;
    return std::nullopt;
}

int RacedPlace(const QString& records, int level, int stage)
{
    return std::clamp(QSettings().value(QStringLiteral("Ghost/Raced/%1/%2_%3").arg(records).arg(level).arg(stage), 0).toInt(), 0, scores::kPlaces - 1);
}

void SetRacedPlace(const QString& records, int level, int stage, int place)
{
    QSettings store;
    store.setValue(QStringLiteral("Ghost/Raced/%1/%2_%3").arg(records).arg(level).arg(stage), place);
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

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "app/RunCommands.h"

#include "game/CourseShelf.h"
#include "game/GhostStore.h"
#include "game/RunVerifier.h"
#include "rules/CoursePack.h"
#include "rules/PackFiles.h"

#include <QDir>

namespace app {

namespace {

constexpr qint64 kLargestRunFile = runlog::kMaxBytes + 4096;

QString NameOf(const course::Course& course)
{
    return course.name.english.isEmpty() ? course.name.japanese : course.name.english;
}

bool RunsOn(const course::Pack& pack, const ghost::GhostRecord& run)
{
    return pack.ok() && run.stage >= 1 && run.stage <= pack.course.stageCount() &&
           ghost::CourseHash(pack.course.stage(run.stage)) == run.courseHash;
}

// The pack the run was made on: the one named, or the installed one whose stage it names.
std::optional<course::Pack> CourseOf(const ghost::GhostRecord& run, const QString& courseFolder, QString& why)
{
    if (!courseFolder.isEmpty()) {
        course::Pack pack = course::LoadPack(courseFolder, course::Texts::Unmeasured);
        if (!pack.ok()) {
            why = QStringLiteral("--course %1: %2").arg(courseFolder, pack.problems.constFirst());
            return std::nullopt;
        }
        return pack;
    }
    for (const QString& folder : CourseShelf::Folders())
        if (course::Pack pack = course::LoadPack(folder, course::Texts::Unmeasured); RunsOn(pack, run))
            return pack;
    why = QStringLiteral("the course has changed, or is not installed: no installed course has the run's stage");
    return std::nullopt;
}

}  // namespace

int VerifyRun(const QString& file, const QString& courseFolder, QTextStream& out)
{
    const auto fail = [&out](const QString& why) {
        out << why << '\n';
        out.flush();
        return 1;
    };
    const course::FileBytes read = course::ReadPlainFile(file, kLargestRunFile);
    if (!read.problem.isEmpty())
        return fail(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(file), read.problem));
    QString why;
    const std::optional<ghost::GhostRecord> run = ghost::Decode(read.bytes, &why);
    if (!run)
        return fail(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(file), why));
    if (!run->log)
        return fail(QStringLiteral("%1: the run keeps only the hero's positions (kept by an older version): it cannot be re-judged")
                        .arg(QDir::toNativeSeparators(file)));
    const std::optional<course::Pack> pack = CourseOf(*run, courseFolder, why);
    if (!pack)
        return fail(why);
    const runlog::Verdict verdict =
        runlog::Rejudge(*run->log, {run->level, run->stage, run->score, run->courseHash}, pack->course);
    if (!verdict.valid)
        return fail(verdict.why);
    out << QStringLiteral("valid: %1 level %2 stage %3 score %4\n").arg(NameOf(pack->course)).arg(run->level).arg(run->stage).arg(run->score);
    out.flush();
    return 0;
}

}  // namespace app

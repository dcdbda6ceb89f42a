// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "app/CourseCommands.h"

#include "app/StarterPack.h"
#include "checker/CheckRun.h"
#include "rules/CoursePack.h"
#include "rules/MapPicture.h"
#include "rules/PackFiles.h"

#include <QDir>
#include <QFile>

#include <chrono>

namespace app {

namespace {
constexpr int kUsageError = 2;
constexpr std::chrono::seconds kStageProofTime{10};  // a stage, on both levels
// The whole pack, so that even sixteen stages never keep a player waiting long.
constexpr std::chrono::seconds kPackProofTime{25};
}  // namespace

int CheckCoursePack(const QString& folder, QTextStream& out)
{
    const course::Pack pack = course::LoadPack(folder);
    const QString shown = course::OneLine(folder);
    for (const QString& problem : pack.problems)
        out << problem << '\n';
    if (!pack.ok()) {
        out << shown << ": not playable, " << pack.problems.size() << " problem(s)\n";
        return 1;
    }
    bool playable = true;
    const auto packDeadline = std::chrono::steady_clock::now() + kPackProofTime;
    for (int number = 1; number <= pack.course.stageCount(); ++number) {
        const course::Stage& stage = pack.course.stage(number);
        const auto deadline = std::min(std::chrono::steady_clock::now() + kStageProofTime, packDeadline);
        const coursecheck::Verdict verdict = coursecheck::RunChecks(course::ReadMap(stage.map), stage, number, out, deadline);
        playable = playable && verdict == coursecheck::Verdict::Passes;
    }
    out << shown << (playable ? ": playable\n" : ": not playable\n");
    return playable ? 0 : 1;
}

int NewCoursePack(const QString& folder, QTextStream& out)
{
    const QDir dir(folder);
    if (dir.exists() && !dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        out << folder << ": the folder is not empty; nothing written\n";
        return kUsageError;
    }
    const QString map = dir.absoluteFilePath(QStringLiteral("map.png"));
    QFile file(dir.absoluteFilePath(QStringLiteral("course.json")));
    if (!QDir().mkpath(dir.absolutePath()) || !DrawStarterMap().save(map, "PNG") || !file.open(QIODevice::WriteOnly) ||
        file.write(course::WritePack(StarterCourse(map), dir.absolutePath())) < 0) {
        out << folder << ": cannot be written\n";
        return 1;
    }
    out << "A starter pack is in " << folder << ": repaint map.png, edit course.json, then check it with --check-course.\n";
    return 0;
}

}  // namespace app

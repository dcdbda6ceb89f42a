// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "editor/LiveCheck.h"

#include "checker/CheckRun.h"
#include "editor/Findings.h"
#include "rules/CoursePack.h"

#include <QTemporaryDir>
#include <QThread>

namespace editor {

namespace {
constexpr int kPauseMs = 250;  // the maker has paused: a check is worth starting
constexpr std::chrono::seconds kStageProofTime{10};  // as --check-course allows a stage
}  // namespace

CheckResult CheckDraftStage(const Draft& draft, const PackPlace& place, int stage, std::chrono::steady_clock::time_point deadline)
{
    CheckResult result;
    result.stage = stage;
    const QTemporaryDir scratch;
    if (const QString problem = scratch.isValid() ? WriteStageInto(draft, place, stage, scratch.path()) : QStringLiteral("no temporary folder");
        !problem.isEmpty()) {
        result.findings.push_back({problem, std::nullopt, std::nullopt});
        return result;
    }
    const course::Pack alone = course::LoadPack(scratch.path());
    result.findings = LoaderFindings(alone, stage);
    const course::Stage& s = draft.course.stages.at(static_cast<std::size_t>(stage));
    if (!alone.readWhole || !s.ownStart() || !s.liveGoal())
        return result;  // the road is proven from the stage's own start to its goal
    const coursecheck::StageCheck check =
        coursecheck::CheckStage(draft.maps.at(static_cast<std::size_t>(stage)).pixels, s, stage + 1, deadline);
    for (std::size_t level = 0; level < result.routes.size(); ++level)
        result.routes[level] = check.levels[level].route;
    const std::vector<Finding> found = CheckerFindings(check);
    result.findings.insert(result.findings.end(), found.begin(), found.end());
    result.playable = alone.ok() && check.verdict == coursecheck::Verdict::Passes;
    return result;
}

LiveCheck::LiveCheck(QObject* parent) : QObject(parent)
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(kPauseMs);
    connect(&m_pause, &QTimer::timeout, this, &LiveCheck::startWaiting);
}

LiveCheck::~LiveCheck()
{
    if (m_worker)
        m_worker->wait();
}

void LiveCheck::request(const Draft& draft, const PackPlace& place, int stage)
{
    m_waiting = Job{draft, place, stage, ++m_generation};
    m_pause.start();
}

// One check at a time; the newest request waits for the one under way, which is dropped when it ends.
void LiveCheck::startWaiting()
{
    if (m_worker || !m_waiting)
        return;
    Job job = std::move(*m_waiting);
    m_waiting.reset();
    Q_EMIT started(job.generation);
    m_worker = QThread::create([this, job = std::move(job)] {
        CheckResult result = CheckDraftStage(job.draft, job.place, job.stage, std::chrono::steady_clock::now() + kStageProofTime);
        result.generation = job.generation;
        QMetaObject::invokeMethod(this, [this, result] { finished(result); }, Qt::QueuedConnection);
    });
    m_worker->setParent(this);
    m_worker->start();
}

void LiveCheck::finished(const CheckResult& result)
{
    m_worker->wait();
    m_worker->deleteLater();
    m_worker = nullptr;
    if (result.generation == m_generation)
        Q_EMIT checked(result);
    if (m_waiting && !m_pause.isActive())
        startWaiting();
}

}  // namespace editor

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "game/RunVerifier.h"

#include "game/AppFolder.h"
#include "game/GameSession.h"
#include "game/GhostStore.h"
#include "rules/MapPicture.h"

#include <QImage>

#include <algorithm>

namespace runlog {

namespace {

constexpr int kLongestCycle = 1'000'000;  // steps of a hazard group before its states come round again
constexpr int kLives = 5;

bool SameState(const course::HazardState& a, const course::HazardState& b)
{
    return a.at.top == b.at.top && a.at.back == b.at.back && a.open == b.open && a.nextRow == b.nextRow;
}

QString Seconds(std::uint32_t ms)
{
    return QStringLiteral("%1 s").arg(ms / 1000.0, 0, 'f', 2);
}

QString PointText(const Event& e)
{
    const QPointF p = e.point();
    return p == p.toPoint() ? QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y())
                            : QStringLiteral("(%1, %2)").arg(p.x(), 0, 'f', 2).arg(p.y(), 0, 'f', 2);
}

// Whether the hazards of each period stand at the Start click where that
// many steps from their start bring them, all of a period stepping together.
QString HazardsProblem(const RunLog& log, const course::Stage& stage)
{
    const std::vector<int> periods = course::HazardPeriods(stage);
    if (log.hazards.size() != stage.hazards.size() || log.hazardTimers.size() != periods.size())
        return QStringLiteral("the run's hazards are not the stage's");
    for (std::size_t i = 0; i < periods.size(); ++i)
        if (log.hazardTimers[i].periodMs != periods[i] || log.hazardTimers[i].dueMs > periods[i])
            return QStringLiteral("the run's hazard timers are not the stage's");
    for (int period : periods) {
        std::vector<std::size_t> group;
        std::vector<course::HazardState> states;
        for (std::size_t i = 0; i < stage.hazards.size(); ++i)
            if (stage.hazards[i].periodMs == period) {
                group.push_back(i);
                states.push_back(course::StartState(stage.hazards[i]));
            }
        const std::vector<course::HazardState> first = states;
        const auto reached = [&] {
            for (std::size_t k = 0; k < group.size(); ++k)
                if (!SameState(states[k], log.hazards[group[k]]))
                    return false;
            return true;
        };
        bool found = reached();
        for (int step = 0; !found && step < kLongestCycle; ++step) {
            for (std::size_t k = 0; k < group.size(); ++k)
                course::StepHazard(stage.hazards[group[k]], states[k]);
            found = reached();
            if (!found && std::equal(states.begin(), states.end(), first.begin(), SameState))
                break;  // round again: the states told are never reached
        }
        if (!found)
            return QStringLiteral("hazard %1 stands at the Start click where its steps never bring it").arg(group.front());
    }
    return {};
}

// The beats of one clock: when the next is due, and what came before it.
struct Schedule {
    int periodMs = 0;
    std::int64_t due = 0;
    std::int64_t last = 0;  // the last beat, or when the clock began
    QString name;           // "clock beat", "hazard beat (100 ms)"
    bool running = true;
    int beats = 0;
    const char* began = "the Start click";  // what the first beat since `sinceBeats` follows
    int sinceBeats = 0;

    QString beat(std::int64_t at)
    {
        ++beats;
        QString problem;
        if (!running)
            problem = QStringLiteral("%1 %2 came at %3 while the clock stood still").arg(name).arg(beats).arg(Seconds(std::uint32_t(at)));
        else if (at < due - kEarlyMs || at > due + kLateMs)
            problem = QStringLiteral("%1 %2 came %3 ms after %4")
                          .arg(name)
                          .arg(beats)
                          .arg(at - last)
                          .arg(beats - 1 == sinceBeats ? QString::fromLatin1(began) : QStringLiteral("beat %1").arg(beats - 1));
        due += periodMs;
        last = at;
        return problem;
    }
    // The clock starts again at `at` (the sweet shop let it go), its next beat a period on.
    void restart(std::int64_t at)
    {
        due = at + periodMs;
        last = at;
        running = true;
        began = "the clock went on";
        sinceBeats = beats;
    }
    QString missingBy(std::int64_t at) const
    {
        if (!running || at <= due + kLateMs)
            return {};
        return QStringLiteral("%1 %2 is missing: it was due at %3").arg(name).arg(beats + 1).arg(Seconds(std::uint32_t(due)));
    }
};

// The first beat out of the rules' time, with the index of its event.
std::pair<std::size_t, QString> TimingProblem(const RunLog& log)
{
    Schedule clock{1000, 1000, 0, QStringLiteral("clock beat")};
    std::vector<Schedule> hazards;
    for (const TimerDue& t : log.hazardTimers)
        hazards.push_back({t.periodMs, t.dueMs, 0, QStringLiteral("hazard beat (%1 ms)").arg(t.periodMs)});
    for (std::size_t i = 0; i < log.events.size(); ++i) {
        const Event& e = log.events[i];
        QString problem = clock.missingBy(e.ms);
        for (const Schedule& s : hazards)
            if (problem.isEmpty())
                problem = s.missingBy(e.ms);
        if (problem.isEmpty()) {
            switch (e.kind) {
            case Kind::ClockBeat: problem = clock.beat(e.ms); break;
            case Kind::HazardBeat: {
                const auto s = std::find_if(hazards.begin(), hazards.end(), [&e](const Schedule& h) { return h.periodMs == e.value; });
                problem = s == hazards.end() ? QStringLiteral("a hazard beat of %1 ms, which no hazard of the stage has").arg(e.value)
                                             : s->beat(e.ms);
                break;
            }
            case Kind::Pause: clock.running = false; break;
            case Kind::Resume: clock.restart(e.ms); break;
            default: break;
            }
        }
        if (!problem.isEmpty())
            return {i, problem};
    }
    return {log.events.size(), {}};
}

// What an event decided, as the message tells it; `input` is the event it followed.
QString Outcome(const Event& e, const Event* input)
{
    const QString at = input && (input->kind == Kind::Move || input->kind == Kind::Click) ? QStringLiteral(" at ") + PointText(*input) : QString();
    switch (e.kind) {
    case Kind::Miss:
        switch (static_cast<game::MissCause>(e.value)) {
        case game::MissCause::OffRoad: return QStringLiteral("off the road") + at;
        case game::MissCause::Hazard: return QStringLiteral("a hazard hit") + at;
        case game::MissCause::SilentHazard: return QStringLiteral("under the rain") + at;
        case game::MissCause::TimeUp: return QStringLiteral("the time ran out");
        }
        return QStringLiteral("a miss");
    case Kind::Checkpoint: return QStringLiteral("checkpoint %1 speaks").arg(e.value);
    case Kind::Goal: return QStringLiteral("the goal is reached");
    case Kind::Pause: return QStringLiteral("the clock stops");
    case Kind::Resume: return QStringLiteral("the clock goes on");
    default: return QStringLiteral("the hand goes on");
    }
}

// "move 412 at 3.42 s", "clock beat 7 at 7.00 s": the input and its number of its kind.
QString InputName(const std::vector<Event>& events, std::size_t index)
{
    int number = 0;
    for (std::size_t i = 0; i <= index; ++i)
        number += events[i].kind == events[index].kind;
    static const char* const names[] = {"", "move", "placing of the hand", "click", "leaving of the map", "clock beat", "hazard beat"};
    return QStringLiteral("%1 %2 at %3").arg(QLatin1String(names[static_cast<int>(events[index].kind)])).arg(number).arg(Seconds(events[index].ms));
}

// Where the rules and the log part, told at the input that led there.
QString Difference(const std::vector<Event>& told, const std::vector<Event>& judged, std::size_t at)
{
    std::optional<std::size_t> input;
    for (std::size_t i = std::min(at, told.size()); i-- > 0;)
        if (IsInput(told[i].kind)) {
            input = i;
            break;
        }
    const QString where = input ? InputName(told, *input) : QStringLiteral("the Start click");
    const Event* led = input ? &told[*input] : nullptr;
    if (at < told.size() && !IsInput(told[at].kind))
        return QStringLiteral("%1: the run says %2, the rules do not").arg(where, Outcome(told[at], led));
    if (at < judged.size() && judged[at].kind == Kind::Miss)  // the run was over here
        return QStringLiteral("%1: %2").arg(where, Outcome(judged[at], led));
    if (at < judged.size() && !IsInput(judged[at].kind))
        return QStringLiteral("%1: %2, which the run does not say").arg(where, Outcome(judged[at], led));
    if (at >= judged.size())
        return QStringLiteral("%1: the run was over, the log goes on").arg(where);
    return QStringLiteral("%1: the log ends before the run does").arg(where);
}

void Feed(GameSession& session, const Event& e)
{
    switch (e.kind) {
    case Kind::Move: session.moveHand(e.point()); break;
    case Kind::Place: session.placeHand(e.point().toPoint()); break;
    case Kind::Click: session.clickMap(e.point().toPoint()); break;
    case Kind::LeftMap: session.handLeftMap(); break;
    case Kind::ClockBeat: session.tick(); break;
    case Kind::HazardBeat: session.stepHazards(e.value); break;
    default: break;  // what the session decides, it logs itself
    }
}

}  // namespace

Verdict Rejudge(const RunLog& log, const Claim& claim, const course::Course& course)
{
    const auto invalid = [](QString why) { return Verdict{false, std::move(why)}; };
    if (claim.level < 1 || claim.level > 2 || claim.stage < 1 || claim.stage > course.stageCount())
        return invalid(QStringLiteral("the run is of level %1 stage %2, which the course does not have").arg(claim.level).arg(claim.stage));
    const course::Stage& stage = course.stage(claim.stage);
    if (ghost::CourseHash(stage) != claim.stageHash)
        return invalid(QStringLiteral("the course has changed"));
    if (log.start < 0 || log.start >= static_cast<int>(stage.starts.size()))
        return invalid(QStringLiteral("the run begins at start %1, which the stage does not have").arg(log.start));
    if (const QString problem = HazardsProblem(log, stage); !problem.isEmpty())
        return invalid(problem);

    std::int64_t now = 0;
    GameSession session(course, claim.level, claim.stage, kLives, nullptr, game::RunMode::Verify);
    session.useRunClock([&now] { return now; });
    session.setUpStage();
    for (std::size_t i = 0; i < log.hazards.size(); ++i)
        session.placeHazard(static_cast<int>(i), log.hazards[i]);
    session.startHazards();
    session.useMap(course::ReadMap(game::MapFile(stage.map)));
    session.clickStart(log.start);
    for (const Event& e : log.events) {
        if (!session.runUnderWay())
            break;
        if (!IsInput(e.kind))
            continue;
        now = e.ms;
        Feed(session, e);
    }
    const std::vector<Event>& judged = session.runLogger().runLog().events;
    const auto [parted, same] = std::mismatch(log.events.begin(), log.events.end(), judged.begin(), judged.end());
    const auto differs = static_cast<std::size_t>(parted - log.events.begin());
    const bool alike = parted == log.events.end() && same == judged.end();
    const auto [late, timing] = TimingProblem(log);
    if (!timing.isEmpty() && (alike || late <= differs))
        return invalid(timing);
    if (!alike)
        return invalid(Difference(log.events, judged, differs));
    if (log.events.empty() || log.events.back().kind != Kind::Goal)
        return invalid(QStringLiteral("the run does not reach the goal"));
    if (session.score() != claim.score)
        return invalid(QStringLiteral("the score is %1, but the run's clock beats give %2").arg(claim.score).arg(session.score()));
    return {true, {}};
}

}  // namespace runlog

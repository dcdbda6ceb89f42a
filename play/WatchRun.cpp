// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Watching the first place's run as it was: the ghost runs with the clock,
// the hazards move as they moved during the run, and the hand counts for
// nothing, until Escape, "タイトルへ" or the window's close button take the
// player back.

#include "game/GameSession.h"
#include "game/GhostStore.h"
#include "play/GhostRace.h"
#include "play/PlayScreen.h"
#include "play/ReplayControls.h"
#include "rules/StageRules.h"
#include "widgets/Widgets.h"

#include <QCoreApplication>
#include <QLabel>

namespace {

// A kept run's beats played again: the clock's seconds and the hazards' steps
// as they came during the run, up to the moment watched.
class LoggedBeats : public QObject {
public:
    LoggedBeats(GameSession* session, runlog::RunLog log) : QObject(session), m_session(session), m_log(std::move(log))
    {
        m_session->beatFromLog();
        m_session->startHazards();  // shown, standing
        placeAtStart();
    }
    // A jump back plays the run again from its Start click, at once.
    void seek(std::int64_t ms)
    {
        if (ms < m_at) {
            placeAtStart();
            m_session->resetClock();
            m_next = 0;
        }
        playUntil(ms);
    }
    void playUntil(std::int64_t ms)
    {
        m_at = ms;
        for (; m_next < m_log.events.size() && m_log.events[m_next].ms <= ms; ++m_next) {
            const runlog::Event& e = m_log.events[m_next];
            if (e.kind == runlog::Kind::ClockBeat)
                m_session->tick();
            else if (e.kind == runlog::Kind::HazardBeat)
                m_session->stepHazards(e.value);
        }
    }

private:
    // The hazards where the run found them at its Start click.
    void placeAtStart()
    {
        for (std::size_t i = 0; i < m_log.hazards.size() && i < m_session->stageCourse().hazards.size(); ++i)
            m_session->placeHazard(static_cast<int>(i), m_log.hazards[i]);
    }

    GameSession* m_session;
    runlog::RunLog m_log;
    std::size_t m_next = 0;
    std::int64_t m_at = 0;
};

}  // namespace

bool PlayScreen::watchRecordRun(ghost::GhostRecord record, int place, const QString& holder)
{
    if (!setUpStage())
        return false;
    if (record.log)  // as it was: the hero on the log's own clock
        record.path = runlog::PathOf(*record.log, m_session->stageCourse(), runlog::PathClock::Log);
    setFixedSize(width(), height() + ReplayControls::kHeight);  // the bar below what the screen always showed
    m_replay = new ReplayControls(this, height() - ReplayControls::kHeight, record.path.endTime());
    connect(m_ghostRace, &GhostRace::watchedAt, m_replay, &ReplayControls::showPosition);
    connect(m_replay, &ReplayControls::seeked, m_ghostRace, &GhostRace::rewatch);
    if (record.log) {  // the hazards and the clock beating as they did
        auto* beats = new LoggedBeats(m_session, *record.log);
        connect(m_ghostRace, &GhostRace::watchedAt, beats, &LoggedBeats::playUntil);
        connect(m_replay, &ReplayControls::seeked, beats, &LoggedBeats::seek);
    } else {
        m_session->startHazards();  // a run kept by 1.x: the hazards move as they always do
    }
    const int score = record.score;
    const int level = m_session->level();
    const int limit = m_session->stageCourse().timeLimit;
    connect(m_ghostRace, &GhostRace::watchEnded, this, [this, score, level, limit] {
        // The clock stops on the record's own time, whatever its last beat showed.
        m_timeBox->setText(QString::number(level == 1 ? score : stage::StartingTime(level, limit) - score));
        showFace(5);
        m_dialogueText->setText(QCoreApplication::translate("WatchRun", "ゴール！Escキーでランキングにもどるよ"));
    });
    m_nextHint->hide();  // no line waits for the player here
    showFace(1);
    m_dialogueText->setText(
        QCoreApplication::translate("WatchRun", "%1位・%2の走り（%3秒）\nEscキーでランキングにもどるよ").arg(place + 1).arg(holder).arg(score));
    m_ghostRace->watch(std::move(record), [replay = m_replay] { return replay->position(); });
    return true;
}

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "play/GhostRace.h"

#include "game/GameSession.h"
#include "rules/Practice.h"
#include "play/GhostView.h"
#include "play/PlayScreen.h"
#include "play/Splits.h"
#include "game/HighScoreTable.h"
#include "widgets/Look.h"
#include "widgets/Widgets.h"

#include <QCheckBox>

namespace {
constexpr int kFrameMs = 16;  // the ghost moves as often as a screen shows a frame
}

GhostRace::GhostRace(PlayScreen& screen, HighScoreTable& table, QWidget* mapSurface)
    : QObject(&screen),
      m_screen(screen),
      m_table(table),
      m_view(new GhostView(screen.heroIcon(), mapSurface)),
      m_split(new SplitLabel(&screen))
{
    m_view->setObjectName(QStringLiteral("ghost"));
    m_split->setObjectName(QStringLiteral("split"));
    buildToggle();
    m_frames.setInterval(kFrameMs);
    connect(&m_frames, &QTimer::timeout, this, &GhostRace::nextFrame);
    connect(screen.session(), &GameSession::runChanged, this, &GhostRace::runChanged);
    connect(screen.session(), &GameSession::markPassed, this, &GhostRace::markPassed);
}

// In the status column, between the lives and the buttons.
void GhostRace::buildToggle()
{
    m_toggle = new QCheckBox(tr("ゴースト"), &m_screen);
    m_toggle->setObjectName(QStringLiteral("ghostToggle"));
    m_toggle->setGeometry(look::Twips(4680, 3045, 1815, 300));
    m_toggle->setFont(look::CaptionFont(look::k12pt));
    m_toggle->setToolTip(tr("自己ベストの走りをいっしょに走るよ"));
    look::PaintText(m_toggle, Qt::white);
    m_toggle->setFocusPolicy(Qt::NoFocus);  // the space key reads the story, it never ticks this
    m_toggle->setChecked(ghost::GhostWanted());
    connect(m_toggle, &QCheckBox::toggled, this, [this](bool on) {
        ghost::SetGhostWanted(on);
        if (!on && !m_watching) {
            m_frames.stop();
            m_view->showAt(std::nullopt);
            m_record.reset();
        }
    });
}

void GhostRace::showAt(std::int64_t ghostTime)
{
    m_view->showAt(m_record ? m_record->path.positionAt(ghostTime + m_zero) : std::nullopt);
}

void GhostRace::runChanged(bool underWay)
{
    m_frames.stop();
    m_view->showAt(std::nullopt);
    m_record.reset();
    if (!underWay || !m_toggle->isChecked())
        return;
    const GameSession* session = m_screen.session();
    const int level = session->level();
    const int stage = session->stage();
    // The course's own stage: a practice sign changes nothing of the record's.
    m_record = ghost::RacedRun(m_table, session->course(), level, stage);
    m_zero = 0;
    if (m_record && session->practiceFrom() != course::kFromStart) {
        const std::optional<std::int64_t> there = m_record->path.markTime(session->practiceFrom());
        if (!there)
            m_record.reset();  // the record never passed where this attempt begins
        m_zero = there.value_or(0);
    }
    follow();
}

void GhostRace::follow()
{
    if (!m_record)
        return;
    showAt(m_watching ? m_watchClock() : m_screen.session()->ghostTime());
    m_frames.start();
}

void GhostRace::nextFrame()
{
    const std::int64_t now = m_watching ? m_watchClock() : m_screen.session()->ghostTime();
    if (m_watching)
        Q_EMIT watchedAt(now);  // the hazards and the clock first, as the log had them
    showAt(now);
    // A watch's clock stands at the run's end; a race's goes on past it.
    if (!m_record || (m_watching ? now < m_record->path.endTime() : now + m_zero <= m_record->path.endTime()))
        return;
    m_frames.stop();  // the record run is home: nothing more to draw
    if (m_watching) {
        m_screen.session()->endRun();
        Q_EMIT watchEnded();
    }
}

void GhostRace::markPassed(int mark, qint64 ghostTime)
{
    if (!m_record || m_watching)
        return;
    if (const std::optional<std::int64_t> recordTime = m_record->path.markTime(mark))
        m_split->showDifference(ghostTime + m_zero - *recordTime);
}

void GhostRace::keepRun(int place)
{
    const GameSession* session = m_screen.session();
    if (!session->recordedPath().reachedGoal())
        return;
    ghost::GhostRecord record{session->level(), session->stage(), session->score(),
                              ghost::CourseHash(session->stageCourse()), session->recordedPath(), std::nullopt};
    if (const runlog::RunLogger& logger = session->runLogger(); logger.whole())
        record.log = logger.runLog();  // the run proves itself; a longer one is kept as its path
    if (!ghost::KeepRun(m_table.group(), record, place))
        qWarning("the run could not be kept in %s",
                 qPrintable(ghost::RunFile(m_table.group(), record.level, record.stage, place)));
    else
        ghost::ProofOf(m_table, session->course(), record.level, record.stage, place);  // judged now, not at the next Start click
}

void GhostRace::watch(ghost::GhostRecord record, std::function<std::int64_t()> clock)
{
    m_watching = true;
    m_watchClock = std::move(clock);
    m_toggle->setEnabled(false);
    m_record = std::move(record);
    m_screen.session()->startWatching();
    follow();
}

void GhostRace::rewatch()
{
    if (m_watching && m_record)
        m_frames.start();
}

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// A run: the Start click, the off-road test of every pointer move, and the miss.

#include "rules/CourseRules.h"
#include "game/AppFolder.h"
#include "sound/SoundBackend.h"
#include "rules/StageRules.h"
#include "play/DrawnHero.h"
#include "rules/MapMarks.h"
#include "widgets/Widgets.h"
#include "play/PlayScreen.h"
#include "game/GameSession.h"

#include <algorithm>

#include <QApplication>
#include <QCursor>
#include <QTimer>

using namespace game;

QPoint PlayScreen::startPoint(int index) const
{
    return marks::kStartPoint[index == 0 ? 0 : 1];
}

void PlayScreen::beginRunPointer(QPoint mapPoint)
{
    m_hero->start(m_heroIcon, courseMap->surface()->mapTo(this, mapPoint));
}

void PlayScreen::endRunPointer()
{
    m_hero->stop();
}

void PlayScreen::startRun(int index)
{
    if (m_lineWaiting)
        return;
    const QPoint start = startPoint(index);
    // Blank first: Xwayland carries out the warp only while the X pointer is hidden.
    beginRunPointer(start);
    QCursor::setPos(courseMap->surface()->mapToGlobal(start));
    sound::PlayWaveAsync(QStringLiteral("Start"));
    showFace(1);
    dialogueText->setText(QString());
    m_session->startRun(m_course);
}

void PlayScreen::moveOnMap(Qt::MouseButtons, Qt::KeyboardModifiers, float x, float y)
{
    if (!m_session->runUnderWay())
        return;
    if (m_session->offRoad(x, y))
        loseLife(stage::MissCry());
}

namespace {

// A box of ours shown over the play screen (the version box, opened from the
// keyboard) takes the pointer from the map, though the hand never moved.
bool OurBoxIsUp()
{
    const auto windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](const QWidget* w) { return w->isVisible() && w->isModal(); });
}

bool PointerOver(const QWidget* widget)
{
    return widget->rect().contains(widget->mapFromGlobal(QCursor::pos()));
}

}  // namespace

// Off the map is off the road, however fast the hand went: a pointer that
// Xwayland keeps locked may even be carried beyond the window, where no move
// reaches the game any more. Nor can it be asked where it went: the lock ends
// as it leaves, and the pointer jumps back to where the hand's pointer is.
void PlayScreen::pointerLeftMap()
{
    if (m_session->runUnderWay() && !m_closed && !OurBoxIsUp())
        loseLife(stage::MissCry());
}

// After a box: a hand that left the map while the box had the pointer has left the road.
void PlayScreen::missIfPointerLeftMap()
{
    if (m_session->runUnderWay() && !m_closed && !PointerOver(courseMap->surface()))
        loseLife(stage::MissCry());
}

void PlayScreen::loseLife(const QString& message, bool withSound)
{
    if (withSound)
        sound::PlayWaveAsync(QStringLiteral("Out"));
    endRunPointer();
    m_session->endRun();
    showFace(6);
    dialogueText->setText(message);
    if (!waitForNext())
        return;
    const int lives = m_session->takeLife();
    if (lives <= 0 || !setUpStage()) {
        close();  // the game is over; closing brings the title back
        return;
    }
    showFace(1);
    dialogueText->setText(stage::StartPrompt());
}

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// A run as the screen shows it: the hand forwarded to the session in map
// pixels, ピポ drawn where the run is, and the miss line.

#include "game/AppFolder.h"
#include "game/GameSession.h"
#include "play/DrawnHero.h"
#include "play/PlayScreen.h"
#include "rules/StageRules.h"
#include "rules/StageScene.h"
#include "sound/SoundBackend.h"
#include "widgets/Widgets.h"

#include <algorithm>

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QTimer>

using namespace game;

namespace {
constexpr int kCryingMs = 700;  // how long a practice miss shows the crying face
}

QPoint PlayScreen::startPoint(int index) const
{
    return m_session->stageCourse().starts.at(static_cast<std::size_t>(index)).point;
}

void PlayScreen::beginRunPointer(QPoint mapPoint)
{
    m_hero->start(m_heroIcon, m_courseMap->surface()->mapTo(this, mapPoint));
    m_runPointer = true;
}

void PlayScreen::endRunPointer()
{
    m_hero->stop();
    m_runPointer = false;
}

void PlayScreen::showRunStart(QPoint start)
{
    // Blank first: Xwayland carries out the warp only while the X pointer is hidden.
    beginRunPointer(start);
    QCursor::setPos(m_courseMap->surface()->mapToGlobal(start));
    sound::PlayWaveAsync(QStringLiteral("Start"));
    showFace(1);
    m_dialogueText->setText(QString());
}

void PlayScreen::moveOnMap(Qt::MouseButtons, Qt::KeyboardModifiers, float x, float y)
{
    m_session->moveHand(QPointF(x, y));
}

// While a story line waits no run is under way: only the Start click would count, and it waits for the line.
void PlayScreen::clickOnMap(QPoint at)
{
    if (!lineWaiting())
        m_session->clickMap(at);
}

// During a run every pointer move on the map comes here first, wherever it
// landed: on the bare map, on a mark, or held by either while a button drags
// it on. So each move is judged once, along the whole way the hand went.
bool PlayScreen::TakeRunPointerEvent(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseMove || !m_runPointer || !m_session->runUnderWay() || m_closed || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    QWidget* surface = m_courseMap->surface();
    if (widget != surface && widget->parentWidget() != surface)
        return false;
    auto* move = static_cast<QMouseEvent*>(event);
    move->accept();
    m_session->moveHand(widget->mapTo(surface, move->position()));
    return true;
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
    if (!m_closed && !OurBoxIsUp())
        m_session->handLeftMap();
}

// After a box: a hand that left the map while the box had the pointer has left the road.
void PlayScreen::missIfPointerLeftMap()
{
    if (!m_session->runUnderWay() || m_closed)
        return;
    QWidget* surface = m_courseMap->surface();
    if (!PointerOver(surface)) {
        m_session->handLeftMap();
        return;
    }
    // The box had the pointer, not the run: the run goes on from where the hand is now.
    m_session->placeHand(surface->mapFromGlobal(QCursor::pos()));
}

void PlayScreen::showMiss(game::MissCause cause)
{
    if (cause != MissCause::SilentHazard)  // the rain soaks the hero in silence
        sound::PlayWaveAsync(QStringLiteral("Out"));
    endRunPointer();
    showFace(6);
    m_dialogueText->setText(cause == MissCause::TimeUp ? tr("うわーん！まにあわなかったー！！") : stage::MissCry());
    if (!RulesOf(m_session->mode()).costsLives) {  // no line to read: the crying face a moment, then the sign
        QTimer::singleShot(kCryingMs, this, [this] { m_session->missLineRead(); });
        return;
    }
    waitForNext([this] { m_session->missLineRead(); });  // a life is taken only once the line is read
}

void PlayScreen::beginAttempt()
{
    if (!setUpStage()) {
        close();
        return;
    }
    showFace(1);
    m_dialogueText->setText(stage::StartPrompt());
}

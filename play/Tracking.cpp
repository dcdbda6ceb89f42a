// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// A run: the Start click, the off-road test of every pointer move, and the miss.

#include "game/AppFolder.h"
#include "game/GameSession.h"
#include "play/DrawnHero.h"
#include "play/PlayScreen.h"
#include "rules/CourseRules.h"
#include "rules/StageRules.h"
#include "rules/StageScene.h"
#include "sound/SoundBackend.h"
#include "widgets/Widgets.h"

#include <algorithm>

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QVarLengthArray>

using namespace game;

QPoint PlayScreen::startPoint(int index) const
{
    return m_session->stageCourse().starts.at(static_cast<std::size_t>(index)).point;
}

void PlayScreen::beginRunPointer(QPoint mapPoint)
{
    m_hero->start(m_heroIcon, courseMap->surface()->mapTo(this, mapPoint));
    m_runFrom = mapPoint;
}

void PlayScreen::endRunPointer()
{
    m_hero->stop();
    m_runFrom.reset();
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
    m_session->recordPosition(start);  // the ghost's way begins at the sign
}

void PlayScreen::moveOnMap(Qt::MouseButtons, Qt::KeyboardModifiers, float x, float y)
{
    if (!m_session->runUnderWay())
        return;
    if (m_session->offRoad(x, y))
        loseLife(stage::MissCry());
}

namespace {

course::Pixel PixelOf(QPoint p)
{
    return {p.x(), p.y()};
}

}  // namespace

void PlayScreen::clickOnMap(QPoint at)
{
    const std::optional<course::SceneElement> element = m_session->scene().topmostAt(PixelOf(at));
    if (element && element->layer == course::Layer::Start)
        startRun(element->index);
    else if (element && element->layer == course::Layer::Hazard)
        clickHazard(element->index);
}

void PlayScreen::reactTo(const course::SceneElement& element)
{
    switch (element.layer) {
    case course::Layer::Goal: reachGoal(element.index); break;
    case course::Layer::Checkpoint: reachCheckpoint(element.index); break;
    case course::Layer::Hazard:
        if (element.harms)  // a click lane, a plank: not on the way
            touchHazard(element.index);
        break;
    case course::Layer::Start:
    case course::Layer::Cover: break;  // it takes the pointer and does nothing with it
    }
}

// During a run every pointer move on the map comes here first, wherever it
// landed: on the bare map, on a mark, or held by either while a button drags
// it on. So each move is judged once, along the whole way the hand went.
bool PlayScreen::TakeRunPointerEvent(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseMove || !m_runFrom || !m_session->runUnderWay() || m_closed || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    QWidget* surface = courseMap->surface();
    if (widget != surface && widget->parentWidget() != surface)
        return false;
    auto* move = static_cast<QMouseEvent*>(event);
    move->accept();
    JudgeRunMove(widget->mapTo(surface, move->position()), move->buttons(), move->modifiers());
    return true;
}

// A move from where ピポ was drawn to `to` (map pixels) is judged as if the
// pointer had stopped at every pixel of the line between: a quick flick
// across the grass is no shortcut. Each pixel goes where a move there would
// go; the first that ends the run ends the judging. An element the line
// crosses reacts once for the move. The end is judged at its exact position.
void PlayScreen::JudgeRunMove(QPointF to, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    m_session->recordPosition(to.toPoint());  // the ghost's way, before anything ends the run
    const QPoint from = *m_runFrom;
    const QPoint end = to.toPoint();
    // The elements the line may cross, topmost first, and whether each has had this move.
    const std::vector<course::SceneElement> crossed = m_session->scene().elementsMeeting(
        QRect(QPoint(std::min(from.x(), end.x()), std::min(from.y(), end.y())),
              QPoint(std::max(from.x(), end.x()), std::max(from.y(), end.y()))));
    QVarLengthArray<bool, 64> reacted(static_cast<qsizetype>(crossed.size()), false);
    const QPointer<PlayScreen> self(this);
    const auto runEnded = [&] { return !self || m_closed || !m_session->runUnderWay(); };
    const auto judgeAt = [&](QPointF at) {
        const QPoint p = at.toPoint();
        const auto element = std::find_if(crossed.begin(), crossed.end(), [p](const course::SceneElement& e) { return e.rect.contains(p); });
        if (element == crossed.end()) {
            moveOnMap(buttons, modifiers, static_cast<float>(at.x()), static_cast<float>(at.y()));
        } else if (bool& done = reacted[element - crossed.begin()]; !done) {
            done = true;
            reactTo(*element);
        }
        return runEnded();
    };

    const course::Pixel first = PixelOf(from);
    const course::Pixel last = PixelOf(end);
    if (crossed.empty()) {
        // Bare map all the way: the grid alone decides the pixels before the end.
        const auto miss = course::FirstOffRoadOnLine(m_session->offRoadGrid(), first, last, course::ProbeHalfSize(m_session->level()));
        if (miss && *miss != last) {
            loseLife(stage::MissCry());
            return;
        }
    } else {
        const auto beforeEnd = [&](course::Pixel p) { return p != last && judgeAt(QPointF(p.x, p.y)); };
        if (course::WalkLine(first, last, beforeEnd))
            return;
    }
    if (!judgeAt(to))
        m_runFrom = end;
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
    if (!m_session->runUnderWay() || m_closed)
        return;
    QWidget* surface = courseMap->surface();
    if (!PointerOver(surface)) {
        loseLife(stage::MissCry());
        return;
    }
    // The box had the pointer, not the run: the run goes on from where the hand is now.
    m_runFrom = surface->mapFromGlobal(QCursor::pos());
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

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// A run: the Start click, the off-road test of every pointer move, and the miss.

#include "game/AppFolder.h"
#include "game/GameSession.h"
#include "play/DrawnHero.h"
#include "play/PlayScreen.h"
#include "rules/CourseRules.h"
#include "rules/StageRules.h"
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

// An element lying on the map that a move may cross, and whether it has
// already had this move.
struct Crossed {
    QWidget* widget;
    MapMark* mark;  // null: it takes the pointer and does nothing with it
    bool reacted;
};
using CrossedList = QVarLengthArray<Crossed, 48>;

// The shown elements on the map whose rectangles meet `box`, topmost first,
// so the first that contains a pixel is the one a move there would reach.
CrossedList ElementsMeeting(const QWidget* surface, const QRect& box)
{
    CrossedList found;
    const QObjectList& children = surface->children();  // bottom of the stacking order first
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        if (!(*it)->isWidgetType())
            continue;
        auto* w = static_cast<QWidget*>(*it);
        if (!w->isHidden() && !w->testAttribute(Qt::WA_TransparentForMouseEvents) && w->geometry().intersects(box))
            found.append({w, qobject_cast<MapMark*>(w), false});
    }
    return found;
}

Crossed* TopmostAt(CrossedList& elements, QPoint p)
{
    for (Crossed& e : elements)
        if (e.widget->geometry().contains(p))
            return &e;
    return nullptr;
}

course::Pixel PixelOf(QPoint p)
{
    return {p.x(), p.y()};
}

}  // namespace

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
    QWidget* surface = courseMap->surface();
    const QPoint from = *m_runFrom;
    const QPoint end = to.toPoint();
    CrossedList crossed = ElementsMeeting(
        surface, QRect(QPoint(std::min(from.x(), end.x()), std::min(from.y(), end.y())),
                       QPoint(std::max(from.x(), end.x()), std::max(from.y(), end.y()))));
    const QPointer<PlayScreen> self(this);
    const auto runEnded = [&] { return !self || m_closed || !m_session->runUnderWay(); };
    const auto judgeAt = [&](QPointF at) {
        Crossed* element = TopmostAt(crossed, at.toPoint());
        if (!element) {
            moveOnMap(buttons, modifiers, static_cast<float>(at.x()), static_cast<float>(at.y()));
        } else if (!element->reacted) {
            element->reacted = true;
            if (element->mark)
                element->mark->reportMove(element->mark->mapFrom(surface, at), buttons, modifiers);
        }
        return runEnded();
    };

    const course::Pixel first = PixelOf(from);
    const course::Pixel last = PixelOf(end);
    if (crossed.isEmpty()) {
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

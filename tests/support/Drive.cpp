// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "support/Drive.h"

#include "game/GameSession.h"

#include "play/PlayScreen.h"
#include "title/TitleScreen.h"
#include "widgets/Widgets.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

MapMark* MarkOf(const PlayScreen* play, const char* list, int index, int piece)
{
    const QWidget* surface = Find<MapBox>(play, QStringLiteral("courseMap"))->surface();
    auto* ofABridge = piece < 0 ? nullptr : surface->findChild<MapMark*>(ListedName(list, index).chopped(1) + QStringLiteral(".%1)").arg(piece));
    return ofABridge ? ofABridge : surface->findChild<MapMark*>(ListedName(list, index), Qt::FindDirectChildrenOnly);
}

namespace drive {

void PressKey(QWidget* window, int key, bool autoRepeat)
{
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != window)
        target = window;
    const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QString();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text, autoRepeat);
    QApplication::sendEvent(target, &press);
    if (!autoRepeat) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &release);
    }
}

QWidget* ReceiverAt(const PlayScreen& play, QPoint mapPoint)
{
    QWidget* surface = Find<MapBox>(&play, QStringLiteral("courseMap"))->surface();
    QWidget* child = surface->childAt(mapPoint);
    return child ? child : surface;
}

namespace {
void SendMouse(QWidget* receiver, QEvent::Type type, QPoint localPoint, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    const QPointF local(localPoint);
    QMouseEvent event(type, local, receiver->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(receiver, &event);
}
}  // namespace

void MoveOnMap(const PlayScreen& play, QPoint mapPoint, bool buttonHeld)
{
    QWidget* receiver = ReceiverAt(play, mapPoint);
    const QPoint local = receiver->mapFrom(Find<MapBox>(&play, QStringLiteral("courseMap"))->surface(), mapPoint);
    SendMouse(receiver, QEvent::MouseMove, local, Qt::NoButton, buttonHeld ? Qt::LeftButton : Qt::NoButton);
}

void ClickOnMap(const PlayScreen& play, QPoint mapPoint)
{
    QWidget* receiver = ReceiverAt(play, mapPoint);
    const QPoint local = receiver->mapFrom(Find<MapBox>(&play, QStringLiteral("courseMap"))->surface(), mapPoint);
    SendMouse(receiver, QEvent::MouseButtonPress, local, Qt::LeftButton, Qt::LeftButton);
    SendMouse(receiver, QEvent::MouseButtonRelease, local, Qt::LeftButton, Qt::NoButton);
}

void DoubleClickEnd(QWidget* receiver, QPoint localPoint)
{
    SendMouse(receiver, QEvent::MouseButtonDblClick, localPoint, Qt::LeftButton, Qt::LeftButton);
    SendMouse(receiver, QEvent::MouseButtonRelease, localPoint, Qt::LeftButton, Qt::NoButton);
}

void DoubleClickOnMap(const PlayScreen& play, QPoint mapPoint)
{
    ClickOnMap(play, mapPoint);
    QWidget* receiver = ReceiverAt(play, mapPoint);
    DoubleClickEnd(receiver, receiver->mapFrom(Find<MapBox>(&play, QStringLiteral("courseMap"))->surface(), mapPoint));
}

QPoint Centre(const QWidget* w)
{
    return w->geometry().center();
}

void ClearStage(PlayScreen& play, int seconds)
{
    GameSession& session = *play.session();
    // The clock first, with no run that a hard clock's end could miss: any time can be scored.
    for (int i = 0; i < seconds; ++i)
        session.tick();
    const course::Stage& stage = session.stageCourse();
    session.clickStart(static_cast<int>(stage.ownStart() - stage.starts.data()));
    session.reachGoal(static_cast<int>(stage.liveGoal() - stage.goals.data()));
    while (play.lineWaiting() && !QApplication::activeModalWidget())
        play.askForNextLine();
}

void Settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

int VisibleTitles()
{
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<TitleScreen*>(w) && w->isVisible())
            ++n;
    return n;
}

void CloseScreens()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* play = qobject_cast<PlayScreen*>(w))
            play->close();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<TitleScreen*>(w))
            w->close();
    Settle();
}

}  // namespace drive

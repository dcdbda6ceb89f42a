// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// Driving the screens from a test the way a player would: elements found by
// their names, key presses that reach the focused element, pointer moves
// delivered to whatever lies under a map point.

#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QPoint>
#include <QPushButton>
#include <QString>
#include <QtTest>

class GameSession;
class MapMark;
class PlayScreen;
class QWidget;

// A screen's element by its object name, as the layout names it ("timeBox",
// "nameEdits(2)"); a missing one fails the test at once.
template <class T = QWidget>
T* Find(const QObject* screen, const QString& name)
{
    T* found = screen->findChild<T*>(name);
    if (!found)
        qFatal("%s has no %s named %s", screen->metaObject()->className(), T::staticMetaObject.className(), qPrintable(name));
    return found;
}
template <class T = QWidget>
T* Find(const QObject* screen, const char* list, int index)
{
    return Find<T>(screen, QStringLiteral("%1(%2)").arg(QLatin1String(list)).arg(index));
}
// A mark on the map by its list and index ("startZones", 0); a bridge's piece
// as "hazards" with its piece. Null when there is none.
MapMark* MarkOf(const PlayScreen* play, const char* list, int index, int piece = -1);

namespace drive {

// The middle of a widget, in its parent's pixels (a mark's map point).
QPoint Centre(const QWidget* w);

// A key press (and release) as the window system delivers it: to the focused element.
void PressKey(QWidget* window, int key, bool autoRepeat = false);
inline void Space(QWidget* window) { PressKey(window, 0x20); }

// The widget that takes the pointer at a map point (a mark, or the bare map).
QWidget* ReceiverAt(const PlayScreen& play, QPoint mapPoint);
// A pointer move / a click at a map point, delivered to that widget.
void MoveOnMap(const PlayScreen& play, QPoint mapPoint, bool buttonHeld = false);
void ClickOnMap(const PlayScreen& play, QPoint mapPoint);
// The second half of a double click as the window system delivers it: a
// double-click event in place of the second press, then the release.
void DoubleClickEnd(QWidget* receiver, QPoint localPoint);
// A whole double click at a map point.
void DoubleClickOnMap(const PlayScreen& play, QPoint mapPoint);

// A run on the stage on show from its own Start sign to its goal, scored
// `seconds` (the clock may go past a hard stage's limit); then the clear scene's lines are read, up to the ranking that opens
// for a record or to the next step that waits for no line.
void ClearStage(PlayScreen& play, int seconds);

// Lets queued deletions happen, as the main loop would after a handler returns.
void Settle();

// Title screens on show (the game must never show two).
int VisibleTitles();
// Closes every play screen, then every title (closing a play screen brings one back), and settles.
void CloseScreens();

}  // namespace drive

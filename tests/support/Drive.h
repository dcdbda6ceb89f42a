// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// Driving the screens from a test the way a player would: steps that run from
// the event loop while the game waits in a nested loop, key presses that reach
// the focused element, pointer moves delivered to whatever lies under a map point.

#include <QPoint>
#include <functional>
#include <vector>

class GameSession;
class PlayScreen;
class QWidget;

namespace drive {

// Runs the steps one after another, `gapMs` apart, from the event loop.
void Schedule(std::vector<std::function<void()>> steps, int gapMs = 5);

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

// The stage's clock run for `seconds` from the stage's start, as at a goal
// reached that late; quietly, so a hard clock may run past its limit.
void TakeSeconds(GameSession& session, int seconds);

// Lets queued deletions happen, as the main loop would after a handler returns.
void Settle();

// Title screens on show (the game must never show two).
int VisibleTitles();
// Closes every play screen, then every title (closing a play screen brings one back), and settles.
void CloseScreens();

}  // namespace drive

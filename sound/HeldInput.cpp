// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "sound/HeldInput.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace {
// What the player does with the hand or the keys, as the window system sends it.
bool IsPlayerInput(const QEvent& event)
{
    if (!event.spontaneous())
        return false;
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}
// A window closed meanwhile takes no more input, as it would take none from the window system.
bool StillShown(const QObject* receiver)
{
    if (!receiver)
        return false;
    if (const auto* window = qobject_cast<const QWindow*>(receiver))
        return window->isVisible();
    if (receiver->isWidgetType())
        return static_cast<const QWidget*>(receiver)->isVisible();
    return true;
}
}  // namespace

HeldInput::HeldInput()
{
    QCoreApplication::instance()->installEventFilter(this);
}

HeldInput::~HeldInput()
{
    QCoreApplication::instance()->removeEventFilter(this);
    // Queued, so that each comes after what the hold's end sets off, and is
    // given only to a window still on show when its turn comes.
    for (Kept& kept : m_kept) {
        std::shared_ptr<QEvent> event(std::move(kept.event));
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [receiver = kept.receiver, event] {
                if (StillShown(receiver))
                    QCoreApplication::sendEvent(receiver, event.get());
            },
            Qt::QueuedConnection);
    }
}

// The first to receive an input event is its window; an element sent one
// straight (as a test does) is its first receiver too. Either way it waits.
bool HeldInput::eventFilter(QObject* watched, QEvent* event)
{
    if (!IsPlayerInput(*event))
        return false;
    m_kept.push_back({watched, std::unique_ptr<QEvent>(event->clone())});
    return true;
}

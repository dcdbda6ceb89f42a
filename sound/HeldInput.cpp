// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "sound/HeldInput.h"

#include <QCoreApplication>
#include <QEvent>

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
}  // namespace

HeldInput::HeldInput()
{
    QCoreApplication::instance()->installEventFilter(this);
}

HeldInput::~HeldInput()
{
    QCoreApplication::instance()->removeEventFilter(this);
    for (Kept& kept : m_kept)
        if (kept.receiver)
            QCoreApplication::postEvent(kept.receiver, kept.event.release());
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

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "sound/HeldClocks.h"

#include <QCoreApplication>
#include <QTimer>
#include <QTimerEvent>
#include <algorithm>

namespace {
// A clock of the game: a timer kept by a screen or by one of its elements.
bool IsScreenClock(const QObject* object)
{
    if (!qobject_cast<const QTimer*>(object))
        return false;
    for (const QObject* owner = object->parent(); owner; owner = owner->parent())
        if (owner->isWidgetType())
            return true;
    return false;
}
}  // namespace

HeldClocks::HeldClocks()
{
    QCoreApplication::instance()->installEventFilter(this);
}

HeldClocks::~HeldClocks()
{
    QCoreApplication::instance()->removeEventFilter(this);
    // A timer stopped or restarted meanwhile has another id and lets its old tick pass.
    for (const Tick& tick : std::as_const(m_due))
        if (tick.timer)
            QCoreApplication::postEvent(tick.timer, new QTimerEvent(tick.id));
}

bool HeldClocks::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Timer || !IsScreenClock(watched))
        return false;
    const int id = static_cast<QTimerEvent*>(event)->timerId();
    const bool known = std::any_of(m_due.cbegin(), m_due.cend(),
                                   [&](const Tick& t) { return t.timer == watched && t.id == id; });
    if (!known)
        m_due.append({watched, id});
    return true;
}

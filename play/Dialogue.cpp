// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The dialogue presenter: a face, a line, and a wait for the player.

#include "game/AppFolder.h"
#include "game/GameSession.h"
#include "play/PlayScreen.h"
#include "widgets/Widgets.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

using namespace game;

void PlayScreen::showFace(int index)
{
    faceBox->setPicture(face(index));
}

void PlayScreen::clearFace()
{
    faceBox->clearPicture();
}

bool PlayScreen::waitForNext()
{
    if (m_closed)
        return false;
    const QPointer<PlayScreen> self(this);
    m_nextRequested = false;
    nextHint->show();
    do {
        m_lineWaiting = true;
        // Not while a button is held: taking the focus from a pressed button
        // cancels its click ("タイトルへ" during a story line).
        if (QGuiApplication::mouseButtons() == Qt::NoButton)
            focusKeeper->setFocus();
        // Sleeps until the next event arrives: a waiting line costs no CPU.
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (!self || self->m_closed) {
            // The play screen went away meanwhile: end the scene, touch nothing.
            self->m_lineWaiting = false;
            self->m_nextRequested = false;
            return false;
        }
    } while (!m_nextRequested);
    m_lineWaiting = false;
    nextHint->hide();
    m_nextRequested = false;
    return true;
}

bool PlayScreen::showLine(int face, const QString& text)
{
    if (face != 0)
        showFace(face);
    dialogueText->setText(text);
    return waitForNext();
}

void PlayScreen::askForNextLine()
{
    m_nextRequested = true;
}

void PlayScreen::previewKey(int keyCode, Qt::KeyboardModifiers)
{
    if (keyCode == Qt::Key_Space)
        m_nextRequested = true;
}

// Key preview: every key pressed in this window reaches previewKey first,
// once, before the element that has the focus. A run's pointer moves on the
// map are taken here too, before any element sees them (Tracking.cpp).
bool PlayScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (TakeRunPointerEvent(watched, event))
        return true;
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return QWidget::eventFilter(watched, event);
    auto* target = static_cast<QWidget*>(watched);
    QWidget* focus = QApplication::focusWidget();
    const bool firstReceiver = focus ? target == focus : target == this;
    if (firstReceiver && target->window() == this && !m_closed) {
        auto* key = static_cast<QKeyEvent*>(event);
        previewKey(key->key(), key->modifiers());
    }
    return QWidget::eventFilter(watched, event);
}

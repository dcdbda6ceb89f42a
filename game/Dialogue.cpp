// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The dialogue presenter: a face, a line, and a wait for the player.

#include "game/Module1.h"
#include "screens/Widgets.h"
#include "screens/form_Main.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

using namespace Module1;

void form_Main::SetFace(int index)
{
    pic_Chara[0]->setPicture(pic_Chara[index]->picture());
}

void form_Main::ClearFace()
{
    pic_Chara[0]->clearPicture();
}

bool form_Main::Waitfun()
{
    if (m_closed)
        return false;
    const QPointer<form_Main> self(this);
    g_NextFlag = 0;
    Nextbox->show();
    do {
        g_WaitFlag = 1;
        // Not while a button is held: taking the focus from a pressed button
        // cancels its click ("タイトルへ" during a story line).
        if (QGuiApplication::mouseButtons() == Qt::NoButton)
            Text1->setFocus();
        // Sleeps until the next event arrives: a waiting line costs no CPU.
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (!self || self->m_closed) {
            // The play screen went away meanwhile: end the scene, touch nothing.
            g_WaitFlag = 0;
            g_NextFlag = 0;
            return false;
        }
    } while (g_NextFlag == 0);
    g_WaitFlag = 0;
    Nextbox->hide();
    g_NextFlag = 0;
    return true;
}

bool form_Main::ShowLine(int face, const QString& text)
{
    if (face != 0)
        SetFace(face);
    lbl_Msg->setText(text);
    return Waitfun();
}

void form_Main::Nextbox_Click()
{
    g_NextFlag = -1;
}

void form_Main::Form_KeyDown(int keyCode, Qt::KeyboardModifiers)
{
    if (keyCode == Qt::Key_Space)
        g_NextFlag = -1;
}

// Key preview: every key pressed in this window reaches Form_KeyDown first,
// once, before the element that has the focus. A run's pointer moves on the
// map are taken here too, before any element sees them (game/Tracking.cpp).
bool form_Main::eventFilter(QObject* watched, QEvent* event)
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
        Form_KeyDown(key->key(), key->modifiers());
    }
    return QWidget::eventFilter(watched, event);
}

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "Player.h"

#include "game/Module1.h"
#include "screens/form_Main.h"
#include "screens/form_Rank.h"
#include "support/Drive.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

form_Main* CurrentPlay()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* play = qobject_cast<form_Main*>(w); play && !play->isClosed())
            return play;
    return nullptr;
}

Player::Player(QString name, QObject* parent) : QObject(parent), m_name(std::move(name))
{
    connect(&m_tick, &QTimer::timeout, this, &Player::look);
    m_tick.start(2);
}

void Player::look()
{
    if (auto* rank = qobject_cast<form_Rank*>(QApplication::activeModalWidget())) {
        for (QLineEdit* box : rank->txt_Nm) {
            if (box->isVisible()) {
                box->insert(m_name);  // as typed (keyClicks knows ASCII only)
                ++recordsEntered;
                rank->cmd_Close->click();
                return;
            }
        }
        return;
    }
    form_Main* play = CurrentPlay();
    if (!play)
        return;
    if (freezeHazards && play->timer_Obj1->isActive()) {
        play->timer_Obj1->stop();
        play->timer_Obj2->stop();
        play->timer_Obj3->stop();
    }
    if (Module1::g_WaitFlag == 1) {
        linesSeen << play->lbl_Msg->text();
        ++linesRead;
        drive::Space(play);
    }
}

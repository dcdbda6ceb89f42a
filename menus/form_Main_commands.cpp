// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The play screen's two buttons, and what closing it does.

#include "game/Module1.h"
#include "screens/form_Main.h"

#include <QCloseEvent>
#include <QMessageBox>
#include <QTimer>

using namespace Module1;

QString form_Main::VersionText()
{
    // Major "." minor and revision, with nothing between the last two.
    return tr("Pokurimo Ver.%1.%2%3")
        .arg(POKURIMO_VERSION_MAJOR)
        .arg(POKURIMO_VERSION_MINOR)
        .arg(POKURIMO_VERSION_PATCH);
}

void form_Main::Command1_Click()
{
    const QPointer<form_Main> self(this);
    PlayWave(QStringLiteral("Click"));
    if (!self || m_closed)
        return;
    close();  // the unload brings the title back
}

void form_Main::Command2_Click()
{
    const QPointer<form_Main> self(this);
    const QString text = VersionText();
    PlayWave(QStringLiteral("Click"));
    if (!self || m_closed)
        return;
    // The timers keep running behind the box, so the clock may run out and
    // end the game meanwhile: the box is the screen's child and goes with it.
    auto* box = new QMessageBox(QMessageBox::NoIcon, tr("ﾊﾞｰｼﾞｮﾝ情報"), text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->exec();
    // The hand may have left the map while the box had the pointer.
    if (self)
        MissIfPointerLeftMap();
}

void form_Main::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!m_closed)
        Form_Unload();
}

// Whoever closes the play screen, the title comes back, once.
void form_Main::Form_Unload()
{
    m_closed = true;
    g_PlayState = 0;  // no run survives its screen
    EndRunPointer();
    for (QTimer* t : {timer_Main, timer_Obj1, timer_Obj2, timer_Obj3})
        t->stop();
    Q_EMIT unloaded();
    ShowTitle();
}

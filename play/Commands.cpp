// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The play screen's two buttons, and what closing it does.

#include "game/AppFolder.h"
#include "game/GameSession.h"
#include "play/PlayScreen.h"
#include "sound/SoundBackend.h"

#include <QCloseEvent>
#include <QMessageBox>

using namespace game;

QString PlayScreen::versionText()
{
    // Major "." minor and revision, with nothing between the last two.
    return tr("Pokurimo Ver.%1.%2%3")
        .arg(POKURIMO_VERSION_MAJOR)
        .arg(POKURIMO_VERSION_MINOR)
        .arg(POKURIMO_VERSION_PATCH);
}

void PlayScreen::backToTitle()
{
    sound::PlayWave(QStringLiteral("Click"), this, [this] { close(); });  // the unload brings the title back
}

void PlayScreen::showVersion()
{
    sound::PlayWave(QStringLiteral("Click"), this, [this] { openVersionBox(); });
}

// The timers keep running behind the box, so the clock may run out and end
// the game meanwhile: the box is the screen's child and goes with it.
void PlayScreen::openVersionBox()
{
    auto* box = new QMessageBox(QMessageBox::NoIcon, tr("ﾊﾞｰｼﾞｮﾝ情報"), versionText(), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // The hand may have left the map while the box had the pointer.
    connect(box, &QMessageBox::finished, this, &PlayScreen::missIfPointerLeftMap);
    box->open();
}

void PlayScreen::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!m_closed)
        unload();
}

// Whoever closes the play screen, it unloads once: whoever opened it hears so.
void PlayScreen::unload()
{
    m_closed = true;
    m_next = {};  // the flow ends at whatever step it stands
    m_afterRanking = {};
    m_session->stop();  // no run, clock or hazard survives its screen
    endRunPointer();
    Q_EMIT unloaded();
}

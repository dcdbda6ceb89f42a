// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The title screen's buttons: start a level, see the ranking, choose a course, quit.

#include "title/TitleScreen.h"

#include "game/CourseShelf.h"
#include "game/HighScoreTable.h"
#include "sound/SoundBackend.h"

#include <QLabel>

void TitleScreen::afterClick(void (TitleScreen::*then)())
{
    sound::PlayWave(QStringLiteral("Click"), this, [this, then] { (this->*then)(); });
}

void TitleScreen::showCourse()
{
    m_shelf.table().load();
    m_courseName->setText(m_shelf.course().name.shown());
}

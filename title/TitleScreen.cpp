// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The title screen's buttons: start a level, see the ranking, quit.

#include "title/TitleScreen.h"

#include "play/PlayScreen.h"
#include "ranking/HighScoreTable.h"
#include "ranking/RankingScreen.h"
#include "title/CourseChooser.h"
#include "title/CourseShelf.h"
#include "sound/SoundBackend.h"
#include "widgets/Look.h"

#include <QLabel>
#include <QPointer>

void TitleScreen::open(CourseShelf& shelf)
{
    auto* title = new TitleScreen(shelf);
    title->show();
    look::Present(title);
}

void TitleScreen::reloadScores()
{
    m_shelf.table().load();
}

void TitleScreen::startLevel(int level)
{
    const QPointer<TitleScreen> self(this);
    sound::PlayWave(QStringLiteral("Click"));
    if (!self)
        return;
    auto* play = new PlayScreen(m_shelf.table(), m_shelf.course(), level);  // deletes itself when closed
    // However the game ends, the title comes back.
    connect(play, &PlayScreen::unloaded, [shelf = &m_shelf] { TitleScreen::open(*shelf); });
    if (!play->setUpStage()) {
        delete play;  // never shown: the player stays on the title
        return;
    }
    play->show();
    look::Present(play);  // the space key reads the story at once
    close();
    play->tellOpening();
}

void TitleScreen::startEasy()
{
    startLevel(1);
}

void TitleScreen::startHard()
{
    startLevel(2);
}

void TitleScreen::quit()
{
    const QPointer<TitleScreen> self(this);
    sound::PlayWave(QStringLiteral("Click"));
    if (self)
        close();  // the last window: the game ends
}

void TitleScreen::showRanking()
{
    const QPointer<TitleScreen> self(this);
    RankingScreen rank(m_shelf.table(), 1, 1, this);
    rank.watchCourse(m_shelf.course());
    rank.showTable();
    sound::PlayWave(QStringLiteral("Click"));
    if (!self)
        return;
    rank.exec();
}

void TitleScreen::chooseCourse()
{
    const QPointer<TitleScreen> self(this);
    sound::PlayWave(QStringLiteral("Click"));
    if (!self)
        return;
    CourseChooser chooser(m_shelf, this);
    if (chooser.exec() != QDialog::Accepted || !self)
        return;
    reloadScores();
    showCourseName();
}

void TitleScreen::showCourseName()
{
    courseName->setText(m_shelf.course().name.shown());
}

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The title screen's buttons: start a level, see the ranking, quit.

#include "title/TitleScreen.h"

#include "play/PlayScreen.h"
#include "ranking/HighScoreTable.h"
#include "ranking/RankingScreen.h"
#include "sound/SoundBackend.h"
#include "widgets/Look.h"

#include <QLabel>
#include <QPointer>

void TitleScreen::open(HighScoreTable& table)
{
    auto* title = new TitleScreen(table);
    title->show();
    look::Present(title);
}

void TitleScreen::reloadScores()
{
    m_table.load();
}

void TitleScreen::startLevel(int level)
{
    const QPointer<TitleScreen> self(this);
    sound::PlayWave(QStringLiteral("Click"));
    if (!self)
        return;
    auto* play = new PlayScreen(m_table, level);  // deletes itself when closed
    // However the game ends, the title comes back.
    connect(play, &PlayScreen::unloaded, [table = &m_table] { TitleScreen::open(*table); });
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
    RankingScreen rank(m_table, 1, 1, this);
    rank.showTable();
    sound::PlayWave(QStringLiteral("Click"));
    if (!self)
        return;
    rank.exec();
}

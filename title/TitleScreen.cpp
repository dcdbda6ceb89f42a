// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The title screen's buttons: start a level, see the ranking, quit.

#include "title/TitleScreen.h"

#include "game/GameState.h"
#include "play/PlayScreen.h"
#include "ranking/HighScoreTable.h"
#include "ranking/RankingScreen.h"
#include "sound/SoundBackend.h"
#include "widgets/Look.h"

#include <QLabel>
#include <QPointer>

using namespace game;

void TitleScreen::open()
{
    auto* title = new TitleScreen;
    title->show();
    look::Present(title);
}

void TitleScreen::reloadScores()
{
    scores::LoadHighScores();
}

void TitleScreen::startLevel(int level)
{
    const QPointer<TitleScreen> self(this);
    sound::PlayWave(QStringLiteral("Click"));
    if (!self)
        return;
    shared.level = static_cast<std::int16_t>(level);
    shared.stage = 1;
    shared.runState = 0;  // a new game never begins with a run in progress

    auto* play = new PlayScreen;  // deletes itself when closed
    connect(play, &PlayScreen::unloaded, &TitleScreen::open);  // however the game ends, the title comes back
    if (!play->setUpStage()) {
        delete play;  // never shown: the player stays on the title
        return;
    }
    WriteCounter(play->lifeBox, 5);
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
    shared.rankingLevel = 1;
    shared.rankingStage = 1;
    RankingScreen rank(this);
    rank.showTable();
    sound::PlayWave(QStringLiteral("Click"));
    if (!self)
        return;
    rank.exec();
}

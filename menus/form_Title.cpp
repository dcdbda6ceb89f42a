// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The title screen's buttons: start a level, see the ranking, quit.

#include "game/Module1.h"
#include "screens/Look.h"
#include "screens/form_Main.h"
#include "screens/form_Rank.h"
#include "screens/form_Title.h"

#include <QLabel>
#include <QPointer>

using namespace Module1;

void Module1::ShowTitle()
{
    auto* title = new form_Title;  // deletes itself when closed
    title->show();
    look::Present(title);
}

void form_Title::Form_Load()
{
    LoadHighScores();
}

void form_Title::StartLevel(int level)
{
    const QPointer<form_Title> self(this);
    PlayWave(QStringLiteral("Click"));
    if (!self)
        return;
    g_Level = static_cast<std::int16_t>(level);
    g_Stage = 1;
    g_PlayState = 0;  // a new game never begins with a run in progress

    auto* play = new form_Main;  // deletes itself when closed
    if (!play->InitGame()) {
        delete play;  // never shown: the player stays on the title
        return;
    }
    WriteCounter(play->lbl_Life, 5);
    play->show();
    look::Present(play);  // the space key reads the story at once
    close();
    play->StartGame();
}

void form_Title::Command1_Click()
{
    StartLevel(1);
}

void form_Title::Command2_Click()
{
    StartLevel(2);
}

void form_Title::Command3_Click()
{
    const QPointer<form_Title> self(this);
    PlayWave(QStringLiteral("Click"));
    if (self)
        close();  // the last window: the game ends
}

void form_Title::Command4_Click()
{
    const QPointer<form_Title> self(this);
    g_RankLevel = 1;
    g_RankStage = 1;
    form_Rank rank(this);
    rank.Set_Form();
    PlayWave(QStringLiteral("Click"));
    if (!self)
        return;
    rank.exec();
}

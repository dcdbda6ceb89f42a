// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Holds the game where a player idles on stage 2: the opening story's first
// line waits while the taxis, the rain and the bridge move. run_all.sh reads
// this process's CPU time. Nothing here is reachable from the game itself.

#include "game/AppFolder.h"
#include "play/PlayScreen.h"
#include "game/HighScoreTable.h"
#include "widgets/Look.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Pokurimo"));
    QApplication::setApplicationName(QStringLiteral("Pokurimo"));
    look::RegisterFontSubstitutes();
    game::SetAppFolder(QStringLiteral(POKURIMO_APP_FOLDER));
    HighScoreTable table;
    auto* play = new PlayScreen(table, 1, 2, 5);  // deletes itself when closed
    if (!play->setUpStage()) {
        std::fprintf(stderr, "stage2_idle: the stage 2 course could not be read\n");
        return 1;
    }
    play->show();
    look::CentreOnScreen(play);
    // The story's first line waits for the player; closing the window ends it.
    QObject::connect(play, &PlayScreen::unloaded, &app, &QApplication::quit, Qt::QueuedConnection);
    QTimer::singleShot(0, play, [] { std::puts("waiting"); std::fflush(stdout); });
    play->tellOpening();
    return app.exec();
}

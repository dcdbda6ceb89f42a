// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Holds the game where a player idles on stage 2: the opening story's first
// line waits while the taxis, the rain and the bridge move. run_all.sh reads
// this process's CPU time. Nothing here is reachable from the game itself.

#include "game/Module1.h"
#include "screens/Look.h"
#include "screens/form_Main.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Pokurimo"));
    QApplication::setApplicationName(QStringLiteral("Pokurimo"));
    look::RegisterFontSubstitutes();
    Module1::SetAppFolder(QStringLiteral(POKURIMO_APP_FOLDER));
    Module1::g_Level = 1;
    Module1::g_Stage = 2;

    auto* play = new form_Main;  // deletes itself when closed
    if (!play->InitGame()) {
        std::fprintf(stderr, "stage2_idle: the stage 2 course could not be read\n");
        return 1;
    }
    Module1::WriteCounter(play->lbl_Life, 5);
    play->show();
    look::CentreOnScreen(play);
    // The story waits in its own event loop; closing the window ends it.
    QObject::connect(play, &form_Main::unloaded, &app, &QApplication::quit, Qt::QueuedConnection);
    QTimer::singleShot(0, play, [] { std::puts("waiting"); std::fflush(stdout); });
    play->StartGame();
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Pokurimo: guide ピポ along the road with the mouse, from the start to the goal.

#include "app/CommandLine.h"
#include "app/Navigator.h"
#include "game/AppFolder.h"
#include "game/CourseShelf.h"
#include "game/HighScoreTable.h"
#include "i18n/Language.h"
#include "rules/CoursePack.h"
#include "widgets/Look.h"

#include <QApplication>
#include <QIcon>

namespace {
// QCursor::setPos does nothing on Wayland; where XWayland is there, use it so the
// start click can put the pointer onto the road.
void PreferXcbOnWayland()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    if (qgetenv("XDG_SESSION_TYPE") == "wayland" && qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}
}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setOrganizationName(QStringLiteral("Pokurimo"));
    QCoreApplication::setApplicationName(QStringLiteral("Pokurimo"));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(POKURIMO_VERSION_MAJOR)
                                                .arg(POKURIMO_VERSION_MINOR)
                                                .arg(POKURIMO_VERSION_PATCH));
    std::optional<app::GameStart> start;
    if (const std::optional<int> answered = app::HandleCommandLine(argc, argv, start))
        return *answered;
    PreferXcbOnWayland();
    QApplication app(argc, argv);
    language::InstallForSystem(app);  // before any text is made
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.pokurimo.Pokurimo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.ico")));
    look::RegisterFontSubstitutes();
    HighScoreTable table;  // the game's own course's records, for the whole run
    CourseShelf shelf(table);  // the course played, and its records
    Navigator navigator(shelf);
    if (!start) {
        navigator.showTitle();
    } else if (!start->editFolder.isEmpty()) {
        navigator.edit(start->editFolder);
    } else {
        if (!start->courseFolder.isEmpty()) {
            // Read again with the game's font at hand: a text too wide for its box is told now.
            const course::Pack pack = course::LoadPack(start->courseFolder);
            if (!pack.ok())
                return app::RefuseCourse(argv[0], start->courseFolder, pack.problems.constFirst());
            shelf.choose(pack);
        }
        if (start->practice)
            navigator.practise(start->level, start->stage, start->from);
        else
            navigator.play(start->level, start->stage);
    }
    return app.exec();
}

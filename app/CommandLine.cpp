// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "app/CommandLine.h"

#include "app/CourseCommands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace app {
namespace {

constexpr int kUsageError = 2;  // as getopt-style tools report a bad command line

void Print(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

int Refuse(const QString& program, const QString& why)
{
    Print(stderr, QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(program, why));
    return kUsageError;
}

}  // namespace

std::optional<int> HandleCommandLine(int argc, char* argv[])
{
    if (argc <= 1)
        return std::nullopt;  // the usual start: no parser, no extra application object
    // A console application is enough to answer, so --help works without a display.
    QCoreApplication console(argc, argv);
    const QString program = QFileInfo(QCoreApplication::arguments().constFirst()).fileName();
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);  // "-xyz" is refused as one word
    parser.setApplicationDescription(QStringLiteral(
        "A mouse maze game: guide Pipo along the road from the start to the goal.\n"
        "Started without options, it opens the title screen."));
    // Not addHelpOption(): its --help-all lists Qt's own options, which are refused here.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption check(QStringLiteral("check-course"),
                                   QStringLiteral("Checks the course pack in <dir>: every mistake with its file and field, then "
                                                  "whether each stage can be played. Exits 0 when it can."),
                                   QStringLiteral("dir"));
    const QCommandLineOption create(QStringLiteral("new-course"),
                                    QStringLiteral("Writes a starter course pack into <dir>, which must be new or empty."),
                                    QStringLiteral("dir"));
    parser.addOption(check);
    parser.addOption(create);
    if (!parser.parse(QCoreApplication::arguments()))
        return Refuse(program, parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return Refuse(program, QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(help)) {
        Print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                    QCoreApplication::applicationVersion()));
        return 0;
    }
    QTextStream out(stdout);
    if (parser.isSet(check))
        return CheckCoursePack(parser.value(check), out);
    if (parser.isSet(create))
        return NewCoursePack(parser.value(create), out);
    return std::nullopt;  // only "--": start as usual
}

}  // namespace app

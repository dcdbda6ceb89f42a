// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "app/CommandLine.h"

#include "app/CourseCommands.h"
#include "game/BuiltInCourse.h"
#include "rules/CoursePack.h"

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

// The stage the options name, checked against the course before any window
// opens; the refusal names the option and what is wrong with it.
std::optional<QString> ReadStart(const QCommandLineParser& parser, const QCommandLineOption& course,
                                 const QCommandLineOption& level, const QCommandLineOption& stage, GameStart& start)
{
    bool number = true;
    if (parser.isSet(level) && ((start.level = parser.value(level).toInt(&number)), !number || start.level < 1 || start.level > 2))
        return QStringLiteral("--level %1: a level is 1 or 2").arg(parser.value(level));
    int stages = course::BuiltIn().stageCount();
    if (parser.isSet(course)) {
        start.courseFolder = QFileInfo(parser.value(course)).absoluteFilePath();
        const course::Pack pack = course::LoadPack(start.courseFolder);
        if (!pack.ok())
            return QStringLiteral("--course %1: %2").arg(parser.value(course), pack.problems.constFirst());
        stages = pack.course.stageCount();
    }
    if (parser.isSet(stage) && ((start.stage = parser.value(stage).toInt(&number)), !number || start.stage < 1 || start.stage > stages))
        return QStringLiteral("--stage %1: the course has %2 stage%3").arg(parser.value(stage)).arg(stages).arg(stages == 1 ? "" : "s");
    return std::nullopt;
}

}  // namespace

std::optional<int> HandleCommandLine(int argc, char* argv[], std::optional<GameStart>& start)
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
    const QCommandLineOption course(QStringLiteral("course"), QStringLiteral("Plays the course pack in <dir>."), QStringLiteral("dir"));
    const QCommandLineOption level(QStringLiteral("level"), QStringLiteral("Plays <level> 1 (easy) or 2 (hard)."), QStringLiteral("level"));
    const QCommandLineOption stage(QStringLiteral("stage"), QStringLiteral("Begins the game at stage <n>, with five lives."),
                                   QStringLiteral("n"));
    for (const QCommandLineOption& option : {check, create, course, level, stage})
        parser.addOption(option);
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
    if (parser.isSet(course) || parser.isSet(level) || parser.isSet(stage)) {
        GameStart asked;
        if (const std::optional<QString> why = ReadStart(parser, course, level, stage, asked))
            return Refuse(program, *why);
        start = asked;  // the play screen opens at once
    }
    return std::nullopt;
}

}  // namespace app

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "app/CommandLine.h"

#include "app/CourseCommands.h"
#include "app/RunCommands.h"
#include "game/AppFolder.h"
#include "game/BuiltInCourse.h"
#include "rules/MapPicture.h"
#include "rules/Practice.h"
#include "rules/CoursePack.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string_view>

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
// A whole number from `low` to `high`, or nothing.
std::optional<int> NumberIn(const QString& value, int low, int high)
{
    bool number = false;
    const int n = value.toInt(&number);
    return number && n >= low && n <= high ? std::optional<int>(n) : std::nullopt;
}

// The options that say where the game begins.
struct StartOptions {
    QCommandLineOption course{QStringLiteral("course"), QStringLiteral("Plays the course pack in <dir>."), QStringLiteral("dir")};
    QCommandLineOption level{QStringLiteral("level"), QStringLiteral("Plays <level> 1 (easy) or 2 (hard)."), QStringLiteral("level")};
    QCommandLineOption stage{QStringLiteral("stage"), QStringLiteral("Begins the game at stage <n>, with five lives."),
                             QStringLiteral("n")};
    QCommandLineOption practice{QStringLiteral("practice"), QStringLiteral("Practises the stage instead: misses cost nothing, "
                                                                           "nothing is recorded.")};
    QCommandLineOption from{QStringLiteral("from"), QStringLiteral("Practice begins at checkpoint <k> (0 the first) instead of the START."),
                            QStringLiteral("k")};
    bool anySet(const QCommandLineParser& parser) const
    {
        return parser.isSet(course) || parser.isSet(level) || parser.isSet(stage) || parser.isSet(practice) || parser.isSet(from);
    }
};

// The checkpoint practice is to begin from, checked on the stage's own map.
std::optional<QString> ReadFrom(const QString& value, const course::Stage& stage, GameStart& start)
{
    const int marks = static_cast<int>(stage.checkpoints.size());
    const std::optional<int> from = NumberIn(value, 0, marks - 1);
    if (!from)
        return QStringLiteral("--from %1: the stage has %2 checkpoints, 0 to %3").arg(value).arg(marks).arg(marks - 1);
    start.from = *from;
    if (!course::PracticePoint(stage, course::ReadMap(game::MapFile(stage.map)), start.level, start.from))
        return QStringLiteral("--from %1: practice does not begin there (a checkpoint that speaks once, with a safe place "
                              "on the road)").arg(value);
    return std::nullopt;
}

std::optional<QString> ReadStart(const QCommandLineParser& parser, const StartOptions& options, GameStart& start)
{
    const QCommandLineOption& course = options.course;
    const QCommandLineOption& level = options.level;
    const QCommandLineOption& stage = options.stage;
    if (parser.isSet(level)) {
        const std::optional<int> asked = NumberIn(parser.value(level), 1, 2);
        if (!asked)
            return QStringLiteral("--level %1: a level is 1 or 2").arg(parser.value(level));
        start.level = *asked;
    }
    course::Course played = course::BuiltIn();
    if (parser.isSet(course)) {
        start.courseFolder = QFileInfo(parser.value(course)).absoluteFilePath();
        const course::Pack pack = course::LoadPack(start.courseFolder);
        if (!pack.ok())
            return QStringLiteral("--course %1: %2").arg(parser.value(course), pack.problems.constFirst());
        played = pack.course;
    }
    const int stages = played.stageCount();
    if (parser.isSet(stage)) {
        const std::optional<int> asked = NumberIn(parser.value(stage), 1, stages);
        if (!asked)
            return QStringLiteral("--stage %1: the course has %2 stage%3").arg(parser.value(stage)).arg(stages).arg(stages == 1 ? "" : "s");
        start.stage = *asked;
    }
    start.practice = parser.isSet(options.practice);
    if (parser.isSet(options.from) && !start.practice)
        return QStringLiteral("--from %1: only practice begins at a checkpoint (add --practice)").arg(parser.value(options.from));
    if (parser.isSet(options.from))
        return ReadFrom(parser.value(options.from), played.stage(start.stage), start);
    return std::nullopt;
}

// A console application is enough to answer, so --help works without a
// display; --check-course measures the pack's texts with the game's font,
// which takes a GUI application, on the offscreen platform. The process ends
// with its answer, and the platform asked for is back for anything after.
std::unique_ptr<QCoreApplication> ConsoleFor(int& argc, char* argv[])
{
    const bool measures = std::any_of(argv + 1, argv + argc, [](const char* a) { return std::string_view(a).starts_with("--check-course"); });
    if (!measures)
        return std::make_unique<QCoreApplication>(argc, argv);
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    auto console = std::make_unique<QGuiApplication>(argc, argv);
    platform.isNull() ? qunsetenv("QT_QPA_PLATFORM") : qputenv("QT_QPA_PLATFORM", platform);
    return console;
}

}  // namespace

int RefuseCourse(const char* program, const QString& folder, const QString& problem)
{
    return Refuse(QFileInfo(QString::fromLocal8Bit(program)).fileName(), QStringLiteral("--course %1: %2").arg(folder, problem));
}

std::optional<int> HandleCommandLine(int argc, char* argv[], std::optional<GameStart>& start)
{
    if (argc <= 1)
        return std::nullopt;  // the usual start: no parser, no extra application object
    const std::unique_ptr<QCoreApplication> console = ConsoleFor(argc, argv);
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
    const QCommandLineOption edit(QStringLiteral("edit"),
                                  QStringLiteral("Opens the course editor on the pack in <dir>; a folder that does not exist or "
                                                 "is empty starts from the starter pack."),
                                  QStringLiteral("dir"));
    const QCommandLineOption verify(QStringLiteral("verify-run"),
                                    QStringLiteral("Re-judges the kept run in <file> by the rules, on the course of --course or "
                                                   "the installed course it names. Exits 0 when it is valid."),
                                    QStringLiteral("file"));
    const StartOptions starting;
    for (const QCommandLineOption& option : {check, create, edit, verify, starting.course, starting.level, starting.stage, starting.practice, starting.from})
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
    if (parser.isSet(verify)) {
        if (parser.isSet(starting.level) || parser.isSet(starting.stage) || parser.isSet(starting.practice) || parser.isSet(starting.from))
            return Refuse(program, QStringLiteral("--verify-run takes no option but --course"));
        return VerifyRun(parser.value(verify), parser.isSet(starting.course) ? parser.value(starting.course) : QString(), out);
    }
    if (parser.isSet(edit)) {
        if (starting.anySet(parser))
            return Refuse(program, QStringLiteral("--edit opens the editor: it takes no other option"));
        const QString folder = QFileInfo(parser.value(edit)).absoluteFilePath();
        const QDir dir(folder);
        if (dir.exists() && !dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
            if (const course::Pack pack = course::LoadPack(folder); !pack.readWhole)
                return Refuse(program, QStringLiteral("--edit %1: %2").arg(parser.value(edit), pack.problems.constFirst()));
        if (QFileInfo(folder).exists() && !QFileInfo(folder).isDir())
            return Refuse(program, QStringLiteral("--edit %1: not a folder").arg(parser.value(edit)));
        start = GameStart{};
        start->editFolder = folder;
        return std::nullopt;
    }
    if (starting.anySet(parser)) {
        GameStart asked;
        if (const std::optional<QString> why = ReadStart(parser, starting, asked))
            return Refuse(program, *why);
        start = asked;  // the play screen opens at once
    }
    return std::nullopt;
}

}  // namespace app

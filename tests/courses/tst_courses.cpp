// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The committed course maps, the game's own and those of the packs we ship,
// pass the course checker, and the checker itself catches the faults it is
// there for, shown on small hand-made maps.

#include "CourseChecker.h"
#include "GeneratorRun.h"
#include "SeaSnowPack.h"
#include "game/GameSession.h"
#include "game/GhostStore.h"
#include "game/HighScoreTable.h"
#include "rules/CoursePack.h"
#include "rules/CoursePackFormat.h"
#include "game/CourseShelf.h"
#include "rules/CourseRules.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace coursecheck;

namespace {

const QColor kGround(40, 160, 40);
const QColor kRoadWorks(200, 180, 120);

// A plain map with the given road rectangles.
QImage MapWithRoad(const std::vector<QRect>& road)
{
    QImage map(kSide, kSide, QImage::Format_RGB32);
    map.fill(kGround);
    QPainter p(&map);
    for (const QRect& r : road)
        p.fillRect(r, kRoadWorks);
    return map;
}

// A straight east-west road from x 10 to 289, rows 140..160, start at its west end,
// goal bar at its east end.
const QRect kStraight(10, 140, 280, 21);
const QRect kGoalBar(270, 140, 9, 21);

CoursePlan StraightPlan()
{
    CoursePlan plan;
    plan.start = QPoint(20, 150);
    plan.goal = kGoalBar;
    plan.still = {{QStringLiteral("goal"), kGoalBar}};
    return plan;
}

// The courses whose maps are committed, each with the folder its maps are named in.
struct Shipped {
    const char* name;
    const course::Course& course;
    QString folder;
};

const std::vector<Shipped>& ShippedCourses()
{
    static const std::vector<Shipped> all{
        {"built-in", course::BuiltIn(), QStringLiteral(POKURIMO_APP_FOLDER)},
        {packs::kSeaSnowFolder, packs::SeaSnow(), QStringLiteral(POKURIMO_APP_FOLDER "/courses/") + QLatin1String(packs::kSeaSnowFolder)},
    };
    return all;
}

const course::Stage& ShippedStage(int course, int stage)
{
    return ShippedCourses().at(static_cast<std::size_t>(course)).course.stage(stage);
}

QImage LoadMap(int course, int stage)
{
    return QImage(QDir(ShippedCourses().at(static_cast<std::size_t>(course)).folder).filePath(ShippedStage(course, stage).map));
}

QImage LoadMap(int stage)
{
    return LoadMap(0, stage);
}

// A row for every stage of every shipped course.
void AddStageRows(bool withLevels, bool hazardsOnly = false)
{
    QTest::addColumn<int>("course");
    QTest::addColumn<int>("stage");
    QTest::addColumn<int>("level");
    for (int c = 0; c < static_cast<int>(ShippedCourses().size()); ++c)
        for (int stage = 1; stage <= ShippedCourses()[static_cast<std::size_t>(c)].course.stageCount(); ++stage) {
            if (hazardsOnly && ShippedStage(c, stage).hazards.empty())
                continue;
            const char* name = ShippedCourses()[static_cast<std::size_t>(c)].name;
            if (!withLevels)
                QTest::addRow("%s stage %d", name, stage) << c << stage << 2;
            for (int level = 1; withLevels && level <= 2; ++level)
                QTest::addRow("%s stage %d level %d", name, stage, level) << c << stage << level;
        }
}

// The cells where one map is off the road and the other is not.
int RoadCellsApart(const QImage& a, const QImage& b)
{
    auto ga = std::make_unique<course::MapGrid>();
    auto gb = std::make_unique<course::MapGrid>();
    if (!course::BuildGrid(a, *ga) || !course::BuildGrid(b, *gb))
        return -1;
    int apart = 0;
    for (std::size_t i = 0; i < ga->size(); ++i)
        apart += ((*ga)[i] != 0) != ((*gb)[i] != 0);
    return apart;
}

}  // namespace

class CourseTest : public QObject {
    Q_OBJECT
    TestEnv env;

private Q_SLOTS:
    void committedMapsPassOnBothLevels_data();
    void committedMapsPassOnBothLevels();
    void gridBuildsAgreeOnCommittedMaps();
    void packMapsHaveRoadsOfTheirOwn();
    void generatorDrawsTheCommittedMaps();
    void movingHazardsAreFairInTheStageTime_data();
    void movingHazardsAreFairInTheStageTime();
    void shippedCoursesAreWhole();

    void stage2SceneFollowsTheHazardTimers();
    void recordsNamesNeverDrift();
    void everyChoiceReadsBackAsWritten();

    void brokenRoadCannotBeFinished();
    void markOverGapIsReportedAsJoin();
    void narrowRoadPassesOnlyAtLevel1();
    void markThatCanBePassedAroundIsCaught();
    void forkWithOneWayOnlyIsCaught();

    void fairnessTimesFollowThePlayersPace();
    void permanentHazardOnTheOnlyPathFails();
    void blinkingHazardIsWaitedOut();
    void hazardArrivingUnderWaitingPointerKills();
};

void CourseTest::committedMapsPassOnBothLevels_data()
{
    AddStageRows(true);
}

void CourseTest::committedMapsPassOnBothLevels()
{
    QFETCH(int, course);
    QFETCH(int, stage);
    QFETCH(int, level);
    const QImage map = LoadMap(course, stage);
    QCOMPARE(map.size(), QSize(300, 300));
    QCOMPARE(map.format(), QImage::Format_Indexed8);

    const course::Stage& description = ShippedStage(course, stage);
    const CourseReport report = CheckCourse(map, StagePlan(description), course::ProbeHalfSize(level));
    QVERIFY2(report.passed, qPrintable(report.problems.join(QLatin1Char('\n'))));
    if (description.route.maxLength > 0)
        QVERIFY(report.routeLength <= description.route.maxLength);
    // The route it hands back runs from the start point into the goal, step by step, as long as it says.
    const CoursePlan plan = StagePlan(description);
    QVERIFY(!report.route.empty());
    QCOMPARE(report.route.front(), plan.start);
    QVERIFY(plan.goal.contains(report.route.back()));
    int tenths = 0;
    for (std::size_t i = 1; i < report.route.size(); ++i) {
        const QPoint step = report.route[i] - report.route[i - 1];
        QVERIFY(std::max(std::abs(step.x()), std::abs(step.y())) == 1);
        tenths += step.x() != 0 && step.y() != 0 ? 14 : 10;
    }
    QCOMPARE((tenths + 5) / 10, report.routeLength);

    // The start point is road in its own right, not only safe because a mark lies there.
    auto grid = std::make_unique<course::MapGrid>();
    QVERIFY(course::BuildGrid(map, *grid));
    const QPoint s = StagePlan(description).start;
    QVERIFY(!course::IsOffRoad(*grid, s.x(), s.y(), course::ProbeHalfSize(2)));
}

void CourseTest::gridBuildsAgreeOnCommittedMaps()
{
    for (int c = 0; c < static_cast<int>(ShippedCourses().size()); ++c)
        for (int stage = 1; stage <= ShippedCourses()[static_cast<std::size_t>(c)].course.stageCount(); ++stage) {
            const QImage map = LoadMap(c, stage);
            auto fast = std::make_unique<course::MapGrid>();
            auto slow = std::make_unique<course::MapGrid>();
            QVERIFY(course::BuildGrid(map, *fast));
            QVERIFY(course::BuildGridPerPixel(map, *slow));
            QVERIFY(*fast == *slow);
        }
}

void CourseTest::packMapsHaveRoadsOfTheirOwn()
{
    // A recoloured or shifted copy of a built-in map would share most of its
    // road; a map of its own differs in a good part of the picture.
    constexpr int kSomeCells = course::kGridSide * course::kGridSide / 8;
    for (int c = 1; c < static_cast<int>(ShippedCourses().size()); ++c)
        for (int stage = 1; stage <= ShippedCourses()[static_cast<std::size_t>(c)].course.stageCount(); ++stage) {
            for (int builtIn = 1; builtIn <= course::BuiltIn().stageCount(); ++builtIn)
                QVERIFY2(RoadCellsApart(LoadMap(c, stage), LoadMap(builtIn)) > kSomeCells, qPrintable(ShippedStage(c, stage).map));
            for (int other = 1; other < stage; ++other)
                QVERIFY(RoadCellsApart(LoadMap(c, stage), LoadMap(c, other)) > kSomeCells);
        }
}

void CourseTest::generatorDrawsTheCommittedMaps()
{
    // The signs and goals stand where the description says only if the maps were
    // redrawn after it changed; gen_courses also refuses a stage the checker fails.
    QTemporaryDir drawn;
    QString errors;
    QVERIFY2(assets_test::RunGenerator(GEN_COURSES, drawn.path(), &errors), qPrintable(errors));
    const QString committed = QStringLiteral(POKURIMO_SOURCE_DIR "/assets");
    for (const Shipped& shipped : ShippedCourses()) {
        for (const course::Stage& stage : shipped.course.stages) {
            const QString map =
                QDir(QStringLiteral(POKURIMO_APP_FOLDER)).relativeFilePath(QDir(shipped.folder).absoluteFilePath(stage.map));
            const QByteArray bytes = assets_test::ReadAll(drawn.path() + QLatin1Char('/') + map);
            QVERIFY2(!bytes.isEmpty() && bytes == assets_test::ReadAll(committed + QLatin1Char('/') + map), qPrintable(map));
        }
    }
    // And a pack's file is the one its description writes.
    const QString file = QStringLiteral("courses/%1/course.json").arg(QLatin1String(packs::kSeaSnowFolder));
    QCOMPARE(assets_test::ReadAll(drawn.path() + QLatin1Char('/') + file), assets_test::ReadAll(committed + QLatin1Char('/') + file));
}

void CourseTest::movingHazardsAreFairInTheStageTime_data()
{
    AddStageRows(false, true);
}

void CourseTest::movingHazardsAreFairInTheStageTime()
{
    QFETCH(int, course);
    QFETCH(int, stage);
    const course::Stage& description = ShippedStage(course, stage);
    FairnessOptions options;
    options.limitSeconds = description.timeLimit;
    const FairnessReport fair = CheckFairness(LoadMap(course, stage), StagePlan(description), course::ProbeHalfSize(2), options);
    QVERIFY2(fair.passed, qPrintable(fair.problems.join(QLatin1Char('\n'))));
    QCOMPARE(fair.seconds.size(), std::size_t(options.lastStartSecond + 1));
    QVERIFY(fair.best > 0);
    QVERIFY(fair.worst <= description.timeLimit);
}

void CourseTest::shippedCoursesAreWhole()
{
    const QStringList sounds = QDir(QStringLiteral(POKURIMO_APP_FOLDER "/sound")).entryList({QStringLiteral("*.wav")});
    for (const Shipped& shipped : ShippedCourses()) {
        const course::Pack read = course::LoadPack(shipped.folder);  // its texts fit their boxes too
        QVERIFY2(read.ok(), qPrintable(read.problems.join(QLatin1Char('\n'))));
        // A pack carries its English beside its Japanese; the game's own course has its catalogue.
        auto spoken = [](const course::Text& t) { return !t.japanese.isEmpty() && (t.context || !t.english.isEmpty()); };
        auto faces = [&spoken](const std::vector<course::StoryLine>& lines) {
            for (const course::StoryLine& line : lines)
                QVERIFY2(line.face >= 0 && line.face <= 6 && spoken(line.text), qPrintable(line.text.japanese));
        };
        QVERIFY(spoken(shipped.course.farewell));
        faces(shipped.course.ending);
        for (const course::Stage& stage : shipped.course.stages) {
            QVERIFY(spoken(stage.name) && spoken(stage.clearLine));
            faces(stage.opening);
            faces(stage.meeting);
            int paused = 0;
            for (const course::Checkpoint& mark : stage.checkpoints) {
                QVERIFY(mark.face >= 0 && mark.face <= 6);
                QVERIFY2(mark.line.japanese.isEmpty() || spoken(mark.line), qPrintable(mark.line.japanese));
                QVERIFY2(mark.sound.isEmpty() || sounds.contains(mark.sound + QLatin1String(".wav")), qPrintable(mark.sound));
                paused += mark.clock == course::ClockEffect::Pause ? 1 : mark.clock == course::ClockEffect::Resume ? -1 : 0;
                QVERIFY(paused == 0 || paused == 1);  // a rest, then the mark that ends it
            }
            QCOMPARE(paused, 0);
            // Every hazard and piece is drawn at its picture's size, on a timer the game keeps.
            for (const course::Hazard& h : stage.hazards) {
                QCOMPARE(h.periodMs % 100, 0);
                const QSize picture = QImage(h.picture).size();
                QVERIFY2(!picture.isEmpty(), qPrintable(h.picture));
                QCOMPARE(h.pieces.empty() ? h.rect.size() : h.pieces.front().size(), picture);
                if (!h.pieces.empty())
                    QCOMPARE(QImage(h.openPicture).size(), picture);
            }
            // The stacking names every element once.
            QSet<QPair<int, int>> stacked;
            for (const course::Stacked& s : stage.stacking)
                stacked.insert({static_cast<int>(s.layer), s.index});
            QCOMPARE(stacked.size(), static_cast<qsizetype>(stage.stacking.size()));
            QCOMPARE(stage.stacking.size(), stage.starts.size() + stage.goals.size() + stage.checkpoints.size() + stage.covers.size() +
                                                stage.hazards.size());
        }
    }
}

void CourseTest::stage2SceneFollowsTheHazardTimers()
{
    auto find = [](const Scene& scene, const QString& name) -> const Element* {
        for (const Element& e : scene)
            if (e.name == name)
                return &e;
        return nullptr;
    };
    const course::Stage& stage = course::BuiltIn().stage(2);
    auto first = [&stage](course::HazardKind kind, course::Harm harm) {
        for (std::size_t i = 0; i < stage.hazards.size(); ++i)
            if (stage.hazards[i].kind == kind && stage.hazards[i].harm == harm)
                return QStringLiteral("hazards(%1)").arg(i);
        return QString();
    };
    // Stage 1 shows no hazards at all.
    for (const Element& e : StageScene(course::BuiltIn().stage(1), 0))
        QVERIFY2(!e.hazard, qPrintable(e.name));

    // Step by step, the checker has every hazard where the game's session has
    // it after the same beats of its timers.
    GameSession session(course::BuiltIn(), 2, 2, 5, nullptr);
    session.setUpStage();
    bool opened = false;
    for (int step = 0; step <= 200; ++step) {
        for (int period : course::HazardPeriods(stage))
            if (step > 0 && step % (period / 100) == 0)
                session.stepHazards(period);
        const Scene scene = StageScene(stage, step);
        for (int i = 0; i < static_cast<int>(stage.hazards.size()); ++i) {
            const course::Hazard& h = stage.hazards[static_cast<std::size_t>(i)];
            for (int p = 0; p < static_cast<int>(h.pieces.size()); ++p) {
                const bool open = session.pieceOpen(i, p);
                opened = opened || open;
                QCOMPARE(find(scene, QStringLiteral("hazards(%1.%2)").arg(i).arg(p))->effect, open ? Effect::Deadly : Effect::Safe);
            }
            if (h.pieces.empty())
                QCOMPARE(find(scene, QStringLiteral("hazards(%1)").arg(i))->rect.top(), session.hazardTop(i));
        }
    }
    QVERIFY(opened);
    // The still scene leaves out what moves and keeps the river.
    QVERIFY(!find(StageScene(stage, -1), first(course::HazardKind::Rain, course::Harm::Touch)));
    QVERIFY(find(StageScene(stage, -1), first(course::HazardKind::River, course::Harm::Touch)));

    // A second-lane taxi is deadly on open road but not under a road-works cover,
    // and the rain gives way to mark 12 on top of it.
    const QString secondLane = first(course::HazardKind::Car, course::Harm::Touch);
    const std::vector<std::uint8_t> road(kSide * kSide, 1);
    const SafeField start = Paint(road, StageScene(stage, 0));
    QVERIFY(!start.safe[70 + kSide * 190]);  // the second lane's first taxi, tops 176..200
    int coverStep = 0;
    while (find(StageScene(stage, coverStep), secondLane)->rect.top() > 150)
        ++coverStep;
    QVERIFY(Paint(road, StageScene(stage, coverStep)).safe[70 + kSide * 150]);
    QVERIFY(start.safe[210 + kSide * 260]);
    QVERIFY(!start.safe[200 + kSide * 250]);
}

// The records group and a kept run's stage are named after what decides play.
// These are the names the landed game gave: a change that renames them hides
// every player's records and ghosts.
void CourseTest::recordsNamesNeverDrift()
{
    QCOMPARE(HighScoreTable().group(), QStringLiteral("Setting"));  // the game's own course
    QCOMPARE(ghost::CourseHash(course::BuiltIn().stage(1)), QByteArray("08e6e5f2ef9d6a0ed2a120cf09e1d7b6"));
    QCOMPARE(ghost::CourseHash(course::BuiltIn().stage(2)), QByteArray("02eec4ac57780945b98804f2cbcd8da6"));

    const course::Pack seaSnow = course::LoadPack(ShippedCourses()[1].folder);
    QCOMPARE(CourseShelf::RecordsGroup(seaSnow), QStringLiteral("Course_1a48f8ae570de4ca88a2c2de5e0453a1"));
    QCOMPARE(ghost::CourseHash(seaSnow.course.stage(1)), QByteArray("03c754ff751f85dbe5ae910eee7f4da8"));
    QCOMPARE(ghost::CourseHash(seaSnow.course.stage(2)), QByteArray("a4e4c93effe25c90a2f602b22878bba5"));

    QTemporaryDir starter;
    QCOMPARE(QProcess::execute(QStringLiteral(POKURIMO_APP_FOLDER "/pokurimo"), {QStringLiteral("--new-course"), starter.path()}), 0);
    QCOMPARE(CourseShelf::RecordsGroup(course::LoadPack(starter.path())), QStringLiteral("Course_650902ad832964cd9f0042aa28f798fc"));

    // A record run the landed game kept (level 2, stage 1, 42 s) still plays as the ghost.
    const QString kept = ghost::GhostFile(QStringLiteral("Setting"), 2, 1);
    QVERIFY(QDir().mkpath(QFileInfo(kept).path()));
    QVERIFY(QFile::copy(QStringLiteral(POKURIMO_SOURCE_DIR "/tests/ranking/written_by_1.0.0.ghost"), kept));
    const std::optional<ghost::GhostRecord> record = ghost::LoadGhost(QStringLiteral("Setting"), course::BuiltIn().stage(1), 2, 1, 42);
    QVERIFY(record);
    QCOMPARE(record->path.positionAt(0), std::optional<QPoint>(QPoint(34, 44)));
    // It keeps the hero's positions only: used as before, marked as not verifiable, left as it was.
    HighScoreTable table;
    table.scores(2, 1)[0] = 42;
    QCOMPARE(ghost::ProofOf(table, course::BuiltIn(), 2, 1, 0).kind, ghost::Proof::PositionsOnly);
    QVERIFY(ghost::UsableRun(table, course::BuiltIn(), 2, 1, 0));
    QFile original(QStringLiteral(POKURIMO_SOURCE_DIR "/tests/ranking/written_by_1.0.0.ghost")), now(kept);
    QVERIFY(original.open(QIODevice::ReadOnly) && now.open(QIODevice::ReadOnly));
    QCOMPARE(now.readAll(), original.readAll());
}

// Every word of a choice's table is written and read back as the value it
// names, through the pack writer and reader: a value added to a table plays.
void CourseTest::everyChoiceReadsBackAsWritten()
{
    using namespace course;
    QTemporaryDir folder;
    QCOMPARE(QProcess::execute(QStringLiteral(POKURIMO_APP_FOLDER "/pokurimo"), {QStringLiteral("--new-course"), folder.path()}), 0);
    Course written = LoadPack(folder.path()).course;
    Stage& stage = written.stages.at(0);
    stage.hazards = BuiltIn().stage(2).hazards;  // every kind, both harms
    for (std::size_t i = 0; i < stage.hazards.size(); ++i)
        stage.stacking.push_back({Layer::Hazard, static_cast<int>(i)});
    for (const format::Word<ClockEffect>& clock : format::Words<ClockEffect>())
        for (const format::Word<ScoreAt>& scoreAt : format::Words<ScoreAt>())
            for (const format::Word<Signs>& signs : format::Words<Signs>()) {
                stage.checkpoints.at(0).clock = clock.value;
                stage.scoreAt = scoreAt.value;
                stage.signs = signs.value;
                const QByteArray file = WritePack(written, folder.path());
                QCOMPARE(file.contains("\"signs\""), signs.value != Signs::Drawn);  // the default is left out
                WriteFile(QDir(folder.path()).filePath(QStringLiteral("course.json")), file);
                const Pack read = LoadPack(folder.path());
                QVERIFY2(read.ok(), qPrintable(read.problems.join(QLatin1Char('\n'))));
                const Stage& back = read.course.stages.at(0);
                QCOMPARE(back.checkpoints.at(0).clock, clock.value);
                QCOMPARE(back.scoreAt, scoreAt.value);
                QCOMPARE(back.signs, signs.value);
                QCOMPARE(back.stacking.size(), stage.stacking.size());
                for (std::size_t i = 0; i < stage.hazards.size(); ++i) {
                    QCOMPARE(back.hazards[i].kind, stage.hazards[i].kind);
                    QCOMPARE(back.hazards[i].harm, stage.hazards[i].harm);
                }
            }
}

void CourseTest::brokenRoadCannotBeFinished()
{
    const CourseReport whole = CheckCourse(MapWithRoad({kStraight}), StraightPlan(), 3);
    QVERIFY2(whole.passed, qPrintable(whole.problems.join(QLatin1Char('\n'))));
    QCOMPARE(whole.routeLength, 250);

    const CourseReport broken = CheckCourse(MapWithRoad({QRect(10, 140, 120, 21), QRect(140, 140, 150, 21)}), StraightPlan(), 3);
    QVERIFY(!broken.passed);
    QCOMPARE(broken.routeLength, -1);
}

void CourseTest::markOverGapIsReportedAsJoin()
{
    // The gap of ten pixels is covered by a mark: the pointer crosses it, but the
    // picture keeps the two stretches apart, so the checker must say so.
    CoursePlan plan = StraightPlan();
    plan.still.push_back({QStringLiteral("checkpoints(4)"), QRect(128, 140, 14, 21)});
    const CourseReport report = CheckCourse(MapWithRoad({QRect(10, 140, 120, 21), QRect(140, 140, 150, 21)}), plan, 1);
    QVERIFY(report.routeLength > 0);
    QCOMPARE(report.joins.size(), 1);
    QVERIFY(report.joins.first().contains(QStringLiteral("checkpoints(4)")));
    QVERIFY(!report.passed);

    // The same mark over unbroken road joins nothing.
    const CourseReport onRoad = CheckCourse(MapWithRoad({kStraight}), plan, 1);
    QVERIFY(onRoad.joins.isEmpty());
    QVERIFY(onRoad.passed);
}

void CourseTest::narrowRoadPassesOnlyAtLevel1()
{
    const QImage map = MapWithRoad({QRect(10, 147, 280, 6)});  // rows 147..152
    QVERIFY(CheckCourse(map, StraightPlan(), 1).passed);
    QVERIFY(!CheckCourse(map, StraightPlan(), 3).passed);
}

void CourseTest::markThatCanBePassedAroundIsCaught()
{
    CoursePlan plan = StraightPlan();
    plan.mustPass = {{QStringLiteral("bar")}};
    plan.still.push_back({QStringLiteral("bar"), QRect(150, 140, 9, 21)});
    QVERIFY(CheckCourse(MapWithRoad({kStraight}), plan, 3).passed);

    // Half the road's width: a route slips by below it.
    plan.still.back().rect = QRect(150, 140, 9, 10);
    const CourseReport report = CheckCourse(MapWithRoad({kStraight}), plan, 3);
    QVERIFY(!report.passed);
    QVERIFY(report.problems.join(QLatin1Char('\n')).contains(QStringLiteral("without passing bar")));
}

void CourseTest::forkWithOneWayOnlyIsCaught()
{
    // Both ways lie on the picture: north and south of a block of ground.
    const std::vector<QRect> ring{QRect(10, 100, 30, 100), QRect(10, 100, 280, 21), QRect(10, 179, 280, 21),
                                  QRect(260, 100, 30, 100)};
    CoursePlan plan = StraightPlan();
    plan.start = QPoint(25, 150);
    plan.goal = QRect(265, 145, 20, 9);
    plan.still = {{QStringLiteral("goal"), plan.goal}, {QStringLiteral("north"), QRect(150, 100, 9, 21)},
                  {QStringLiteral("south"), QRect(150, 179, 9, 21)}};
    plan.optional = {QStringLiteral("north"), QStringLiteral("south")};
    plan.mustPass = {{QStringLiteral("north"), QStringLiteral("south")}};
    QVERIFY(CheckCourse(MapWithRoad(ring), plan, 3).passed);

    // Without the south way every route passes the north mark.
    const CourseReport oneWay = CheckCourse(MapWithRoad({ring[0], ring[1], ring[3]}), plan, 3);
    QVERIFY(!oneWay.passed);
    QVERIFY(oneWay.problems.join(QLatin1Char('\n')).contains(QStringLiteral("every route passes north")));
}

void CourseTest::fairnessTimesFollowThePlayersPace()
{
    // No hazard on the way: 250 px at 6 px per 100 ms is 42 steps, whatever the click time.
    CoursePlan plan = StraightPlan();
    plan.at = [](int) { return Scene{{QStringLiteral("goal"), kGoalBar}}; };
    const FairnessReport fair = CheckFairness(MapWithRoad({kStraight}), plan, 3, {5, 90, 6});
    QVERIFY(fair.passed);
    for (double s : fair.seconds)
        QCOMPARE(s, 4.2);

    // Half the pace takes twice as long.
    const FairnessReport slow = CheckFairness(MapWithRoad({kStraight}), plan, 3, {5, 90, 3});
    QCOMPARE(slow.worst, 8.4);
}

void CourseTest::permanentHazardOnTheOnlyPathFails()
{
    CoursePlan plan = StraightPlan();
    plan.at = [](int) {
        return Scene{{QStringLiteral("goal"), kGoalBar},
                     {QStringLiteral("river"), QRect(150, 130, 20, 40), Effect::Deadly, true}};
    };
    const FairnessReport fair = CheckFairness(MapWithRoad({kStraight}), plan, 3, {3, 20, 6});
    QVERIFY(!fair.passed);
    for (double s : fair.seconds)
        QCOMPARE(s, -1.0);
}

void CourseTest::blinkingHazardIsWaitedOut()
{
    // A hazard across the road during even seconds only, x 100..139.
    CoursePlan plan = StraightPlan();
    plan.at = [](int step) {
        Scene s{{QStringLiteral("goal"), kGoalBar}};
        if ((step / 10) % 2 == 0)
            s.push_back({QStringLiteral("plank"), QRect(100, 130, 40, 40), Effect::Deadly, true});
        return s;
    };
    const FairnessReport fair = CheckFairness(MapWithRoad({kStraight}), plan, 3, {1, 20, 6});
    QVERIFY2(fair.passed, qPrintable(fair.problems.join(QLatin1Char('\n'))));
    // Clicked at 0 s the player meets it in the odd second and walks straight through.
    QCOMPARE(fair.seconds[0], 4.2);
    // Clicked at 1 s he is at x 80 when it comes back, waits at x 99 until 3 s,
    // then needs 29 steps for the last 171 px.
    QCOMPARE(fair.seconds[1], 4.9);
}

void CourseTest::hazardArrivingUnderWaitingPointerKills()
{
    // A flood over x 30..269 during the second second: whoever stands there then is
    // lost, so the only survivor waits at the start and walks from 2 s on.
    CoursePlan plan = StraightPlan();
    plan.at = [](int step) {
        Scene s{{QStringLiteral("goal"), kGoalBar}};
        if (step >= 10 && step < 20)
            s.push_back({QStringLiteral("flood"), QRect(30, 130, 240, 40), Effect::Deadly, true});
        return s;
    };
    const FairnessReport fair = CheckFairness(MapWithRoad({kStraight}), plan, 3, {0, 90, 6});
    QVERIFY(fair.passed);
    QCOMPARE(fair.seconds[0], 6.1);  // from x 29: 241 px in 41 steps, steps 20..60
}

QTEST_MAIN(CourseTest)
#include "tst_courses.moc"

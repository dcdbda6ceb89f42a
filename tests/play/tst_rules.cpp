// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The pure rules: probes, the off-road grid, the hazards' steps, scores, counters.

#include "game/AppFolder.h"
#include "game/GhostStore.h"
#include "game/RunVerifier.h"
#include "game/GameSession.h"
#include "rules/Course.h"
#include "rules/CourseRules.h"
#include "rules/MapPicture.h"
#include "rules/Practice.h"
#include "rules/StageRules.h"
#include "rules/StageScene.h"
#include "support/TestEnv.h"
#include "support/TimedRun.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSet>
#include <QSignalSpy>
#include <QtTest>
#include <memory>
#include <random>

using namespace course;
using namespace Qt::StringLiterals;
using scores::ParseDecimal;

namespace {
// A map of background with one road rectangle.
QImage RoadMap(const QRect& road)
{
    QImage img(kMapSize, kMapSize, QImage::Format_RGB32);
    img.fill(QColor(40, 140, 60));
    QPainter(&img).fillRect(road, QColor(226, 200, 144));
    return img;
}

MapGrid GridOf(const QImage& img)
{
    MapGrid grid{};
    course::BuildGrid(img, grid);
    return grid;
}

// Whether a hand can slide along the middle row of a horizontal road without a miss, at a level.
bool Passable(int width, int level)
{
    GameSession session(course::BuiltIn(), level, 1, 5, nullptr);
    session.startRun(RoadMap(QRect(0, 100, kMapSize, width)));
    const float y = std::floor(100.0f + static_cast<float>(width - 1) / 2.0f);
    for (int x = 20; x < 280; ++x)
        if (session.offRoad(static_cast<float>(x), y))
            return false;
    return true;
}

// A session of the game's own course with no screen at all, its map in use.
struct Headless {
    GameSession session;
    QSignalSpy missed{&session, &GameSession::missed};
    QSignalSpy spoke{&session, &GameSession::checkpointReached};
    QSignalSpy over{&session, &GameSession::gameOver};

    Headless(int level, int stage, game::RunMode mode = game::RunMode::Play) : session(course::BuiltIn(), level, stage, 5, nullptr, mode)
    {
        session.setUpStage();
        session.useMap(course::ReadMap(QDir(game::AppFolder()).filePath(session.stageCourse().map)));
        session.startHazards();  // shown; with no event loop they stay where they start
        session.stopHazards();
    }
    // The hand taken onto `at` and moved one pixel on, so that only `at`'s neighbour is judged.
    void touch(QPoint at)
    {
        session.placeHand(at);
        session.moveHand(at + QPoint(1, 0));
    }
    // The first of a list that matches, by its index.
    template <typename T, typename Match>
    static int First(const std::vector<T>& all, Match match)
    {
        return static_cast<int>(std::find_if(all.begin(), all.end(), match) - all.begin());
    }
    int indexOf(course::ClockEffect clock) const { return First(session.stageCourse().checkpoints, [=](auto& c) { return c.live && c.clock == clock; }); }
    int hazardOf(course::HazardKind kind) const { return First(session.stageCourse().hazards, [=](auto& h) { return h.kind == kind; }); }
    game::MissCause lastMiss() { return missed.takeLast().at(0).value<game::MissCause>(); }
    QPoint centreOf(int hazard, int piece = -1) const
    {
        for (const course::SceneElement& e : session.scene().elements())
            if (e.layer == course::Layer::Hazard && e.index == hazard && e.piece == piece)
                return e.rect.center();
        return {};
    }
};
}  // namespace

class TestRules : public QObject {
    Q_OBJECT
    TestEnv env;

private Q_SLOTS:
    // A whole game judged by the session with no screen: the Start click, a
    // miss that costs a life only once its line is read, and the game over.
    void theSessionJudgesTheHandWithNoScreen()
    {
        Headless h(2, 1);
        h.session.clickMap(h.session.stageCourse().starts[0].rect.center());
        QVERIFY(h.session.runUnderWay() && h.session.clockRunning());
        for (int lives = 4; lives >= 0; --lives) {
            h.session.clickStart(0);
            h.session.moveHand(QPointF(0, 0));  // a flick across the grass
            QCOMPARE(h.lastMiss(), game::MissCause::OffRoad);
            QVERIFY(!h.session.runUnderWay());
            h.session.clickStart(0);  // the miss line waits: no new run
            QVERIFY(!h.session.runUnderWay());
            QCOMPARE(h.session.lives(), lives + 1);
            h.session.missLineRead();
            QCOMPARE(h.session.lives(), lives);
        }
        QCOMPARE(h.over.size(), 1);
    }

    // The sweet shop holds the clock and the next mark lets it go; a mark
    // that speaks once speaks once an attempt; the hard level's time runs out.
    void checkpointsAndTheClock()
    {
        Headless h(2, 1);
        h.session.clickStart(0);
        const int shop = h.indexOf(course::ClockEffect::Pause);
        h.session.reachCheckpoint(shop);
        QVERIFY(!h.session.clockRunning());
        h.session.reachCheckpoint(shop);
        QCOMPARE(h.spoke.size(), 1);
        h.session.reachCheckpoint(h.indexOf(course::ClockEffect::Resume));
        QVERIFY(h.session.clockRunning());
        for (int s = h.session.time(); s > 0; --s)
            h.session.tick();
        QCOMPARE(h.lastMiss(), game::MissCause::TimeUp);
    }

    // A click lane's car harms only when clicked, a plank only over open water, the rain in silence.
    void hazardsHarmAsTheirLanes()
    {
        Headless h(2, 2);
        const int lane = Headless::First(h.session.stageCourse().hazards, [](auto& z) { return z.harm == course::Harm::Click; });
        h.session.clickStart(0);
        h.touch(h.centreOf(lane));
        QVERIFY(h.session.runUnderWay());
        h.session.clickMap(h.centreOf(lane));
        QCOMPARE(h.lastMiss(), game::MissCause::Hazard);

        const int bridge = h.hazardOf(course::HazardKind::Bridge);
        course::HazardState open = course::StartState(h.session.stageCourse().hazards[static_cast<std::size_t>(bridge)]);
        std::fill(open.open.begin(), open.open.end(), false);
        h.session.placeHazard(bridge, open);
        h.session.setUpStage();
        h.session.clickStart(0);
        h.touch(h.centreOf(bridge, 0));
        QVERIFY(h.session.runUnderWay());
        open.open[0] = true;
        h.session.placeHazard(bridge, open);
        h.touch(h.centreOf(bridge, 0));
        QCOMPARE(h.lastMiss(), game::MissCause::Hazard);

        h.session.setUpStage();
        h.session.clickStart(0);
        h.touch(h.centreOf(h.hazardOf(course::HazardKind::Rain)));
        QCOMPARE(h.lastMiss(), game::MissCause::SilentHazard);
    }

    // A run kept as its log re-judges valid with its score; every kind of
    // tampering is refused with its reason.
    void aKeptRunIsRejudged_data()
    {
        QTest::addColumn<int>("tampering");
        QTest::addColumn<QString>("reason");
        QTest::newRow("as it was") << 0 << QString();
        QTest::newRow("a move onto the grass") << 1 << u"^move \\d+ at \\d+\\.\\d\\d s: off the road at \\(1, 1\\)$"_s;
        QTest::newRow("a clock beat removed") << 2 << u"^clock beat 2 is missing: it was due at 2\\.00 s$"_s;
        QTest::newRow("a clock beat early") << 3 << u"^clock beat 2 came 300 ms after beat 1$"_s;
        QTest::newRow("the score edited") << 4 << u"^the score is \\d+, but the run's clock beats give \\d+$"_s;
        QTest::newRow("a hazard beat early") << 5 << u"^hazard beat \\(\\d+ ms\\) \\d+ came \\d+ ms after (beat \\d+|the Start click)$"_s;
        QTest::newRow("a taxi elsewhere at the start") << 6 << u"^hazard \\d+ stands at the Start click where its steps never bring it$"_s;
        QTest::newRow("another course's map") << 7 << u"^the course has changed$"_s;
        QTest::newRow("a checkpoint it never reached") << 8 << u"^move \\d+ at .*: the run says checkpoint \\d+ speaks, the rules do not$"_s;
    }

    void aKeptRunIsRejudged()
    {
        QFETCH(int, tampering);
        QFETCH(QString, reason);
        const std::unique_ptr<TimedRun> run = ClearStage(2, 2, 2500);  // hard, resting long enough for the clock to beat
        QVERIFY(run);
        const GameSession& session = run->session();
        runlog::RunLog log = session.runLogger().runLog();
        runlog::Claim claim{2, 2, session.score(), ghost::CourseHash(session.stageCourse())};
        std::vector<runlog::Event>& events = log.events;
        const auto nth = [&](runlog::Kind kind, int n) {
            return std::find_if(events.begin(), events.end(), [&](const runlog::Event& e) { return e.kind == kind && n-- == 0; });
        };
        switch (tampering) {
        case 1: {
            const auto moves = std::count_if(events.begin(), events.end(), [](auto& e) { return e.kind == runlog::Kind::Move; });
            const auto move = nth(runlog::Kind::Move, static_cast<int>(moves) - 40);
            move->x = move->y = runlog::kSubPixels;
            break;
        }
        case 2: events.erase(nth(runlog::Kind::ClockBeat, 1)); break;
        case 3: nth(runlog::Kind::ClockBeat, 1)->ms -= 700; break;
        case 4: claim.score -= 1; break;
        case 5: nth(runlog::Kind::HazardBeat, 2)->ms -= static_cast<std::uint32_t>(nth(runlog::Kind::HazardBeat, 2)->value / 2); break;
        case 6: {
            const std::vector<course::Hazard>& hazards = session.stageCourse().hazards;
            const auto car = std::find_if(hazards.begin(), hazards.end(), [](auto& h) { return h.kind == course::HazardKind::Car; });
            log.hazards[static_cast<std::size_t>(car - hazards.begin())].at.top += 1;
            break;
        }
        case 7: claim.stageHash = ghost::CourseHash(course::BuiltIn().stage(1)); break;
        case 8: events.insert(std::prev(events.end()), {runlog::Kind::Checkpoint, events.back().ms, 0, 0, 0}); break;
        }
        std::stable_sort(events.begin(), events.end(), [](auto& a, auto& b) { return a.ms < b.ms; });
        // Kept and read back first: what a file holds is what is judged.
        QString why;
        const std::optional<runlog::RunLog> read = runlog::Decode(runlog::Encode(log), &why);
        QVERIFY2(read, qPrintable(why));
        QVERIFY(read->events == log.events);
        const runlog::Verdict verdict = runlog::Rejudge(*read, claim, course::BuiltIn());
        if (tampering == 0)
            QVERIFY2(verdict.valid, qPrintable(verdict.why));
        else
            QVERIFY2(!verdict.valid && QRegularExpression(reason).match(verdict.why).hasMatch(), qPrintable(verdict.why));
    }

    // A log cut short or of random bytes is told, never judged.
    void aDamagedLogIsRefused()
    {
        const std::unique_ptr<TimedRun> run = ClearStage(2, 2, 0);
        QVERIFY(run);
        const QByteArray bytes = runlog::Encode(run->session().runLogger().runLog());
        QString why;
        QVERIFY(!runlog::Decode(bytes.left(bytes.size() - 9), &why));
        QCOMPARE(why, u"the run's log is damaged or cut short"_s);
        // A small file that would unpack into a large one is refused unpacked.
        QByteArray bomb = qCompress(QByteArray(64 * 1024 * 1024, '\0'), 9);
        QVERIFY(bomb.size() < runlog::kMaxBytes);
        QVERIFY(!runlog::Decode(bomb, &why));
        bomb.replace(0, 4, bytes.left(4));  // claiming the size of a real log
        QVERIFY(!runlog::Decode(bomb, &why));
        std::mt19937 random(7);
        QByteArray noise(bytes.size(), '\0');
        for (int round = 0; round < 50; ++round) {
            std::generate(noise.begin(), noise.end(), [&] { return static_cast<char>(random()); });
            why.clear();
            QVERIFY(!runlog::Decode(noise, &why) && !why.isEmpty());
            noise.replace(0, 4, bytes.left(4));  // a believable length, then noise
            why.clear();
            QVERIFY(!runlog::Decode(noise, &why) && !why.isEmpty());
        }
    }

    // Watching, the hand counts for nothing and the clock costs nothing.
    void watchingCostsNothing()
    {
        Headless h(2, 1, game::RunMode::Watch);
        h.session.clickStart(0);
        QVERIFY(!h.session.runUnderWay());
        h.session.startWatching();
        for (int s = h.session.time() + 1; s > 0; --s)
            h.session.tick();
        h.session.missLineRead();
        QVERIFY(h.missed.isEmpty());
        QCOMPARE(h.session.lives(), 5);
        QVERIFY(!h.session.records());
    }
    // Practice from a checkpoint: a START sign of its own on the road inside
    // it, above every mark; a miss costs nothing and the sign waits again; the
    // clock counts up with no time-out; nothing is recorded.
    void practiceBeginsWhereChosenAndCostsNothing()
    {
        const course::Stage& described = course::BuiltIn().stage(2);
        const QImage map = course::ReadMap(game::MapFile(described.map));
        for (int level : {1, 2}) {
            const std::vector<int> offered = course::PracticeCheckpoints(described, map, level);
            QVERIFY(!offered.empty());
            for (int from = 0; from < static_cast<int>(described.checkpoints.size()); ++from) {
                GameSession session(course::BuiltIn(), level, 2, 5, nullptr, game::RunMode::Practice);
                const bool isOffered = std::find(offered.begin(), offered.end(), from) != offered.end();
                QCOMPARE(session.practiseFrom(from, map), isOffered);
                if (!isOffered)
                    continue;
                session.setUpStage();
                session.useMap(map);
                const QPoint sign = session.stageCourse().starts.at(0).point;
                QVERIFY(described.checkpoints[static_cast<std::size_t>(from)].rect.contains(sign));
                QVERIFY(!session.offRoad(static_cast<float>(sign.x()), static_cast<float>(sign.y())));
                QCOMPARE(session.scene().topmostAt({sign.x(), sign.y()})->layer, course::Layer::Start);
            }
        }
        GameSession session(course::BuiltIn(), 2, 2, 5, nullptr, game::RunMode::Practice);
        QSignalSpy again(&session, &GameSession::attemptOver);
        QVERIFY(session.practiseFrom(course::PracticeCheckpoints(described, map, 2).back(), map));
        session.setUpStage();
        session.useMap(map);
        const QPoint sign = session.stageCourse().starts.at(0).point;
        session.clickMap(sign);
        QVERIFY(session.runUnderWay());
        for (int s = 0; s < 200; ++s)
            session.tick();
        QVERIFY(session.runUnderWay());
        QCOMPARE(session.score(), 200);
        session.moveHand(QPointF(0, 0));
        QVERIFY(!session.runUnderWay());
        session.missLineRead();
        QCOMPARE(again.size(), 1);
        QCOMPARE(session.lives(), 5);
        session.setUpStage();
        QCOMPARE(session.time(), 0);
        QCOMPARE(session.stageCourse().starts.at(0).point, sign);
        QVERIFY(!session.records());
    }

    // A time at a target earns its medal, a second more the next one down.
    void medalsChangeAtEachTarget()
    {
        int tables = 0;
        for (const course::Stage& stage : course::BuiltIn().stages)
            for (const std::optional<course::Targets>& targets : stage.targets) {
                QVERIFY(targets);
                ++tables;
                const course::Medal medals[] = {course::Medal::Gold, course::Medal::Silver, course::Medal::Bronze, course::Medal::None};
                for (std::size_t i = 0; i < 3; ++i) {
                    const int at = (*targets)[i];
                    QCOMPARE(course::MedalFor(*targets, at), medals[i]);
                    QCOMPARE(course::MedalFor(*targets, at + 1), medals[i + 1]);
                    QCOMPARE(course::ToNextMedal(*targets, at + 1), std::optional<int>(1));
                }
                QCOMPARE(course::ToNextMedal(*targets, (*targets)[0]), std::nullopt);
            }
        QCOMPARE(tables, 4);
    }

    void probesClampAtTheSides()
    {
        // Level 2 at the map's left and right edges.
        auto c = course::ProbesAround(0.0f, 150.0f, 3);
        QCOMPARE(c.left, 0);
        QCOMPARE(c.right, 3);
        c = course::ProbesAround(299.0f, 150.0f, 3);
        QCOMPARE(c.left, 296);
        QCOMPARE(c.right, 299);
        // The comparisons are strict: 3 and 296 are not clamped at level 2.
        c = course::ProbesAround(3.0f, 296.0f, 3);
        QCOMPARE(c.left, 0);
        QCOMPARE(c.right, 6);
        QCOMPARE(c.top, 293);
        QCOMPARE(c.bottom, 299);
        // Level 1 clamps below 1 and above 298.
        c = course::ProbesAround(0.5f, 298.5f, 1);
        QCOMPARE(c.left, 0);
        QCOMPARE(c.right, 2);  // 1.5 rounds to the even 2
        QCOMPARE(c.top, 298);  // 297.5 rounds to the even 298
        QCOMPARE(c.bottom, 299);
    }

    void probesRoundHalfToEven()
    {
        auto c = course::ProbesAround(10.5f, 11.5f, 1);
        QCOMPARE(c.left, 10);   // 9.5 -> 10
        QCOMPARE(c.right, 12);  // 11.5 -> 12
        QCOMPARE(c.top, 10);    // 10.5 -> 10
        QCOMPARE(c.bottom, 12); // 12.5 -> 12
        c = course::ProbesAround(20.4f, 20.6f, 3);
        QCOMPARE(c.left, 17);
        QCOMPARE(c.bottom, 24);
    }

    void positionsOutsideTheMapAreOffRoad()
    {
        MapGrid allRoad{};
        QVERIFY(!course::IsOffRoad(allRoad, 0.0f, 0.0f, 3));
        QVERIFY(!course::IsOffRoad(allRoad, 299.9f, 299.9f, 3));
        QVERIFY(course::IsOffRoad(allRoad, -0.5f, 10.0f, 1));
        QVERIFY(course::IsOffRoad(allRoad, 10.0f, 300.0f, 1));
        QVERIFY(course::IsOffRoad(allRoad, 1e9f, 10.0f, 1));
        QVERIFY(course::IsOffRoad(allRoad, std::nanf(""), 10.0f, 1));
    }

    void onlyTheFourCornersAreLookedAt()
    {
        // A 5 px hole between the level 2 probes is not seen; one under a corner is.
        MapGrid grid{};
        auto cell = [&grid](int x, int y) -> std::int16_t& { return grid[static_cast<std::size_t>(x + kGridSide * y)]; };
        for (int x = 148; x <= 152; ++x)
            cell(x, 150) = 1;
        QVERIFY(!course::IsOffRoad(grid, 150.0f, 150.0f, 3));
        cell(153, 153) = 1;
        QVERIFY(course::IsOffRoad(grid, 150.0f, 150.0f, 3));
    }

    void roadWidthNeededPerLevel()
    {
        QVERIFY(Passable(3, 1));
        QVERIFY(!Passable(2, 1));
        QVERIFY(Passable(7, 2));
        QVERIFY(!Passable(6, 2));
    }

    void gridMatchesThePixelByPixelReading_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("stage 1") << QStringLiteral(POKURIMO_APP_FOLDER "/dat/map1.dat");
        QTest::newRow("stage 2") << QStringLiteral(POKURIMO_APP_FOLDER "/dat/map2.dat");
        QTest::newRow("synthetic") << QString();
    }

    void gridMatchesThePixelByPixelReading()
    {
        QFETCH(QString, file);
        QImage picture;
        if (file.isEmpty()) {
            // Background colour reused inside the road, an indexed picture, noise.
            picture = QImage(kMapSize, kMapSize, QImage::Format_Indexed8);
            picture.setColorTable({qRgb(0, 128, 0), qRgb(200, 200, 200), qRgb(0, 128, 1)});
            for (int y = 0; y < kMapSize; ++y)
                for (int x = 0; x < kMapSize; ++x)
                    picture.setPixel(x, y, static_cast<uint>((x * 7 + y * 13) % 3));
        } else {
            QVERIFY2(picture.load(file), qPrintable(file));
        }
        MapGrid fast;
        fast.fill(7);
        MapGrid slow;
        QVERIFY(course::BuildGrid(picture, fast));
        QVERIFY(course::BuildGridPerPixel(picture, slow));
        QVERIFY(fast == slow);
        for (int i = 0; i < kGridSide; ++i) {
            QCOMPARE(fast[static_cast<std::size_t>(300 + kGridSide * i)], 0);  // column 300
            QCOMPARE(fast[static_cast<std::size_t>(i + kGridSide * 300)], 0);  // row 300
        }
        QCOMPARE(fast[0], 1);  // (0, 0) is the background by definition
    }

    void aSweepJudgesEveryPixelItCrosses_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("stage 1") << QStringLiteral(POKURIMO_APP_FOLDER "/dat/map1.dat");
        QTest::newRow("stage 2") << QStringLiteral(POKURIMO_APP_FOLDER "/dat/map2.dat");
    }

    // From a road pixel to a random pixel nearby (or beyond the edge): the sweep
    // finds the same first miss as the single-pixel test fed every pixel of an
    // unbroken line, one by one.
    void aSweepJudgesEveryPixelItCrosses()
    {
        QFETCH(QString, file);
        QImage picture;
        QVERIFY2(picture.load(file), qPrintable(file));
        const MapGrid grid = GridOf(picture);
        std::mt19937 random(16);
        std::uniform_int_distribution<int> anywhere(0, kMapSize - 1);
        std::uniform_int_distribution<int> reach(-60, 60);
        int missesInside = 0;  // the cases a sweep of the ends alone would get wrong
        for (int r : {1, 3}) {
            for (int n = 0; n < 3000; ++n) {
                const course::Pixel from{anywhere(random), anywhere(random)};
                if (course::IsOffRoadAt(grid, from, r))
                    continue;
                const course::Pixel to{from.x + reach(random), from.y + reach(random)};
                std::optional<course::Pixel> expected;
                course::Pixel previous = from;
                bool unbroken = true;
                course::WalkLine(from, to, [&](course::Pixel p) {
                    unbroken &= p != previous && std::abs(p.x - previous.x) <= 1 && std::abs(p.y - previous.y) <= 1;
                    previous = p;
                    if (!expected && course::IsOffRoad(grid, static_cast<float>(p.x), static_cast<float>(p.y), r))
                        expected = p;
                    return false;
                });
                QVERIFY(unbroken && previous == to);
                QVERIFY(course::FirstOffRoadOnLine(grid, from, to, r) == expected);
                missesInside += expected && *expected != to && !course::IsOffRoadAt(grid, to, r);
            }
        }
        QVERIFY(missesInside > 100);
    }

    void gridRefusesPicturesOfAnotherSize()
    {
        MapGrid grid{};
        grid[5] = 3;
        QVERIFY(!course::BuildGrid(QImage(299, 300, QImage::Format_RGB32), grid));
        QVERIFY(!course::BuildGrid(QImage(), grid));
        QCOMPARE(grid[5], 3);  // untouched
    }

    // Every moving hazard of the built-in course keeps to its way and comes
    // round again; a swaying one turns at both ends.
    void movingHazardsKeepToTheirWays()
    {
        for (const course::Stage& stage : course::BuiltIn().stages)
            for (const course::Hazard& h : stage.hazards) {
                if (h.motion.step == 0)
                    continue;
                course::Position at{h.rect.top(), false};
                QSet<int> tops;
                bool turned = false;
                for (int i = 0; i < 400; ++i) {
                    const course::Position next = course::Step(h.motion, at);
                    QVERIFY(next.top >= h.motion.low && next.top <= h.motion.high);
                    turned = turned || next.back != at.back;
                    tops.insert(next.top);
                    at = next;
                }
                QCOMPARE(turned, h.motion.sway);
                QVERIFY(tops.contains(h.motion.low) || tops.contains(h.motion.high));
                const course::Position again = at;
                int period = 0;
                do {
                    at = course::Step(h.motion, at);
                    ++period;
                } while ((at.top != again.top || at.back != again.back) && period < 400);
                QVERIFY(period < 400);  // a cycle
            }
        // A step past an end: a looping hazard jumps to the other end.
        QCOMPARE(course::Step({2, 142, 270, false}, {268, false}).top, 142);
        QCOMPARE(course::Step({-3, 142, 270, false}, {144, false}).top, 270);
    }

    void theBridgeIsNeverAllOpenNorAllClosed()
    {
        for (const course::Stage& stage : course::BuiltIn().stages)
            for (const course::Hazard& h : stage.hazards)
                for (const std::vector<bool>& row : h.pattern) {
                    QCOMPARE(row.size(), h.pieces.size());
                    const auto open = std::count(row.begin(), row.end(), true);
                    QVERIFY(open >= 1 && open < static_cast<long>(row.size()));
                }
    }

    void scoreIsTheTimeTakenOnBothLevels()
    {
        QCOMPARE(stage::StartingTime(1, 30), 0);
        QCOMPARE(stage::StartingTime(2, 30), 30);
        QCOMPARE(stage::Score(1, 30, 42), 42);
        // Hard level: more seconds left means a smaller (better) score.
        QVERIFY(stage::Score(2, 30, 25) < stage::Score(2, 30, 5));
        QCOMPARE(stage::Score(2, 90, 60), 30);
    }

    void storedScoresAreStrictDecimalText()
    {
        for (const char* bad : {"", " 5", "5 ", "+5", "5.0", "0x10", "2147483648", "-", "１２"}) {
            std::int32_t v = 77;
            QVERIFY2(!ParseDecimal(QString::fromUtf8(bad), &v), bad);
            QCOMPARE(v, 77);
        }
        std::int32_t v = 0;
        QVERIFY(ParseDecimal(QStringLiteral("-2147483648"), &v));
        QCOMPARE(v, INT32_MIN);
        QVERIFY(ParseDecimal(QStringLiteral("0007"), &v));
        QCOMPARE(v, 7);
        QVERIFY(!ParseDecimal(QStringLiteral("99999999999999999999999"), &v));
    }
};

QTEST_MAIN(TestRules)
#include "tst_rules.moc"

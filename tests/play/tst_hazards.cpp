// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Stage 2's hazards: when touching them costs a life, and how they move.

#include "PlayFixture.h"
#include "game/AppFolder.h"
#include "support/Drive.h"
#include "widgets/Widgets.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <map>
#include <set>

using namespace game;
using namespace scores;
using drive::Centre;
using course::Harm;
using course::HazardKind;

namespace {
MapMark* FirstLane(PlayScreen* play, int i) { return hazards::Mark(play, HazardKind::Car, i, Harm::Click); }
MapMark* SecondLane(PlayScreen* play, int i) { return hazards::Mark(play, HazardKind::Car, i); }
MapMark* Rain(PlayScreen* play) { return hazards::Mark(play, HazardKind::Rain); }
MapMark* River(PlayScreen* play, int i) { return hazards::Mark(play, HazardKind::River, i); }
MapMark* Piece(PlayScreen* play, int p) { return hazards::Mark(play, HazardKind::Bridge, 0, Harm::Touch, p); }
int Bridge(PlayScreen* play) { return hazards::Index(play, HazardKind::Bridge); }
void TurnBridge(PlayScreen* play) { hazards::Step(play, HazardKind::Bridge); }
}  // namespace

namespace {
// Counts the paint events a set of widgets receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};
}  // namespace

class TestHazards : public QObject {
    Q_OBJECT
    PlayFixture fx;

    // Stage 2 after its opening story, hazards held still, optionally with a run begun.
    PlayScreen* stage2(bool run)
    {
        PlayScreen* play = fx.open(2, 2);
        if (!play)
            return nullptr;
        play->tellOpening();
        while (play->lineWaiting())
            drive::Space(play);
        play->session()->stopHazards();
        if (run)
            startRun(play, 1);
        fx.env.sound.started.clear();
        return play;
    }

    // A Start click, and the move of the pointer it puts on the start point.
    static void startRun(PlayScreen* play, int zone)
    {
        drive::ClickOnMap(*play, Centre(MarkOf(play, "startZones", static_cast<std::size_t>(zone))));
        QCoreApplication::processEvents();
    }

    // Walks along `via`, then touches a point; a miss is read through at once. Returns the lives left.
    int touch(PlayScreen* play, QPoint p, bool click = false, std::initializer_list<QPoint> via = {})
    {
        for (QPoint step : via)
            drive::MoveOnMap(*play, step);
        if (click)
            drive::ClickOnMap(*play, p);
        else
            drive::MoveOnMap(*play, p);
        if (play->lineWaiting())
            drive::Space(play);
        return Find<QLabel>(play, "lifeBox")->text().toInt();
    }

private Q_SLOTS:
    void cleanup() { fx.close(); }

    void theOpeningStoryBringsTheHazards()
    {
        PlayScreen* play = fx.open(1, 2);
        QVERIFY(FirstLane(play, 0)->isHidden());
        play->tellOpening();
        QVERIFY(play->lineWaiting());
        QVERIFY(Rain(play)->isVisible() && play->session()->hazardsMoving());  // they move through the story
        while (play->lineWaiting())
            drive::Space(play);
        QVERIFY(play->session()->hazardsMoving());
        QVERIFY(!play->session()->runUnderWay());
        QVERIFY(!play->session()->clockRunning());
        QCOMPARE(Find<QLabel>(play, "dialogueText")->text(), QStringLiteral("「スタート」を押してくれよな！"));
        for (MapMark* m : {MarkOf(play, "covers", 0), MarkOf(play, "covers", 1), SecondLane(play, 1), River(play, 1), Piece(play, 2)})
            QVERIFY(m->isVisible());
    }

    void contactRules()
    {
        PlayScreen* play = stage2(true);
        QVERIFY(play);
        // From the start point down onto the road across the lanes, and over
        // them in one move, while the second lane is clear: harmless.
        const QPoint acrossLanes(Centre(MarkOf(play, "startZones", 1)).x(), 185);
        const QPoint firstLane = Centre(FirstLane(play, 0));
        hazards::PutAt(play, HazardKind::Car, 0, 270);
        QCOMPARE(touch(play, firstLane, false, {acrossLanes}), 5);
        QVERIFY(play->session()->runUnderWay());
        // Up the road past the checkpoint marks and over the bridge's planks.
        const QPoint besideRiver(Centre(MarkOf(play, "checkpoints", 17)).x(), 80);
        QCOMPARE(touch(play, Centre(Piece(play, 1)), false,
                       {QPoint(71, 185), QPoint(71, 93), QPoint(besideRiver.x(), 93), besideRiver}),
                 5);
        QCOMPARE(touch(play, firstLane, true), 4);  // clicking a taxi is not
        QCOMPARE(fx.env.sound.started.last(), QStringLiteral("Out"));

        // The same move over the lanes with a second-lane taxi on the way.
        startRun(play, 1);
        hazards::PutAt(play, HazardKind::Car, 0, acrossLanes.y() - 10);
        QCOMPARE(touch(play, firstLane, false, {acrossLanes}), 3);
        startRun(play, 1);
        const QPoint eastRoad(208, 93);
        QCOMPARE(touch(play, Centre(River(play, 1)), false, {acrossLanes, QPoint(208, 185), eastRoad}), 2);
        QCOMPARE(Find<QLabel>(play, "dialogueText")->text(), QStringLiteral("「スタート」を押してくれよな！"));

        startRun(play, 1);
        fx.env.sound.started.clear();
        QCOMPARE(touch(play, QPoint(208, Centre(Rain(play)).y()), false, {acrossLanes, QPoint(208, 185)}), 1);
        QVERIFY(!fx.env.sound.started.contains(QStringLiteral("Out")));  // the rain soaks in silence
    }

    void openWaterCostsALife()
    {
        PlayScreen* play = stage2(true);
        TurnBridge(play);
        QVERIFY(play->session()->pieceOpen(Bridge(play), 1));  // the middle piece opens first
        QVERIFY(!play->session()->pieceOpen(Bridge(play), 0));
        const QPoint overRiver(Centre(MarkOf(play, "checkpoints", 16)).x(), 80);
        QCOMPARE(touch(play, Centre(Piece(play, 0)), false,
                       {QPoint(152, 185), QPoint(208, 185), QPoint(208, 93), overRiver}),
                 5);
        QCOMPARE(touch(play, Centre(Piece(play, 1))), 4);
    }

    void nothingHurtsOutsideARun()
    {
        PlayScreen* play = stage2(false);
        TurnBridge(play);
        for (const QWidget* w : {SecondLane(play, 0), Rain(play), River(play, 1), Piece(play, 1)})
            QCOMPARE(touch(play, Centre(w)), 5);
        QCOMPARE(touch(play, Centre(FirstLane(play, 1)), true), 5);
        QVERIFY(fx.env.sound.started.isEmpty());
    }

    void aTaxiUnderTheRoadWorksCannotBeTouched()
    {
        PlayScreen* play = stage2(true);
        hazards::PutAt(play, HazardKind::Car, 0, 145);  // mostly under the upper cover (top 142, 25 high)
        const QPoint underCover(Centre(SecondLane(play, 0)).x(), 150);
        QCOMPARE(drive::ReceiverAt(*play, underCover), static_cast<QWidget*>(MarkOf(play, "covers", 0)));
        startRun(play, 0);  // down to the cover from the road above it
        QCOMPARE(touch(play, underCover, false, {QPoint(underCover.x(), 93)}), 5);
        QCOMPARE(touch(play, QPoint(underCover.x(), 168)), 4);  // the part that sticks out
    }

    // Where each hazard lies is the scene's (tst_play_layout checks the screen
    // shows it); a bridge's piece shows open water while the session has it open.
    void theBridgeShowsOpenWaterWhereTheSessionHasIt()
    {
        PlayScreen* play = stage2(false);
        const int bridge = Bridge(play);
        // One picture for every open piece, another for every closed one.
        std::map<bool, std::set<qint64>> looks;
        for (int beat = 0; beat < 12; ++beat) {
            TurnBridge(play);
            for (int p = 0; MarkOf(play, "hazards", bridge, p) && p < 16; ++p)
                looks[play->session()->pieceOpen(bridge, p)].insert(MarkOf(play, "hazards", bridge, p)->picture().cacheKey());
        }
        QCOMPARE(looks[true].size(), std::size_t(1));
        QCOMPARE(looks[false].size(), std::size_t(1));
        QVERIFY(*looks[true].begin() != *looks[false].begin());
    }

    void aMissDoesNotResetTheHazards()
    {
        PlayScreen* play = stage2(true);
        for (int i = 0; i < 7; ++i)
            hazards::StepAll(play);
        const int car = FirstLane(play, 0)->y();
        const int rain = Rain(play)->y();
        auto open = [play] {
            return QList<bool>{play->session()->pieceOpen(Bridge(play), 0), play->session()->pieceOpen(Bridge(play), 1),
                               play->session()->pieceOpen(Bridge(play), 2)};
        };
        const QList<bool> before = open();
        QCOMPARE(touch(play, PlayFixture::kOffRoad), 4);
        QCOMPARE(FirstLane(play, 0)->y(), car);
        QCOMPARE(Rain(play)->y(), rain);
        QCOMPARE(open(), before);
        QVERIFY(FirstLane(play, 0)->isVisible());
    }

    void aHazardStepRepaintsOnlyWhatMoves()
    {
        PlayScreen* play = stage2(false);
        QVERIFY(QTest::qWaitForWindowExposed(play));
        QTest::qWait(50);
        PaintCounter still;
        PaintCounter moving;
        for (QWidget* w : {static_cast<QWidget*>(Find<QLabel>(play, "dialogueText")), static_cast<QWidget*>(Find<QLabel>(play, "timeBox")),
                           static_cast<QWidget*>(Find<PictureBox>(play, "faceBox")), static_cast<QWidget*>(Find<QPushButton>(play, "backToTitleButton"))})
            w->installEventFilter(&still);
        FirstLane(play, 0)->installEventFilter(&moving);
        hazards::StepAll(play);
        QTest::qWait(50);
        QVERIFY(moving.paints > 0);
        QCOMPARE(still.paints, 0);
    }
};

QTEST_MAIN(TestHazards)
#include "tst_hazards.moc"

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

using namespace game;
using namespace scores;
using drive::Centre;

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
        drive::Schedule({[=] { drive::Space(play); }, [=] { drive::Space(play); }, [=] { drive::Space(play); },
                         [=] { drive::Space(play); }});
        play->tellOpening();
        play->session()->stopHazards();
        if (run)
            startRun(play, 1);
        fx.env.sound.started.clear();
        return play;
    }

    // A Start click, and the move of the pointer it puts on the start point.
    static void startRun(PlayScreen* play, int zone)
    {
        drive::ClickOnMap(*play, Centre(play->startZones[static_cast<std::size_t>(zone)]));
        QCoreApplication::processEvents();
    }

    // Walks along `via`, then touches a point; a miss is read through at once. Returns the lives left.
    int touch(PlayScreen* play, QPoint p, bool click = false, std::initializer_list<QPoint> via = {})
    {
        drive::Schedule({[=] {
            if (play->lineWaiting())
                drive::Space(play);
        }});
        for (QPoint step : via)
            drive::MoveOnMap(*play, step);
        if (click)
            drive::ClickOnMap(*play, p);
        else
            drive::MoveOnMap(*play, p);
        QTest::qWait(20);
        return play->lifeBox->text().toInt();
    }

private Q_SLOTS:
    void cleanup() { fx.close(); }

    void theOpeningStoryBringsTheHazards()
    {
        PlayScreen* play = fx.open(1, 2);
        QVERIFY(play->leftLaneTaxis[0]->isHidden());
        bool movingDuringStory = false;
        drive::Schedule({[&] {
                             movingDuringStory = play->rain->isVisible() && play->session()->hazardsMoving();
                             drive::Space(play);
                         },
                         [=] { drive::Space(play); }, [=] { drive::Space(play); }, [=] { drive::Space(play); }});
        QVERIFY(play->tellOpening());
        QVERIFY(movingDuringStory);
        QVERIFY(play->session()->hazardsMoving());
        QVERIFY(!play->session()->runUnderWay());
        QVERIFY(!play->session()->clockRunning());
        QCOMPARE(play->dialogueText->text(), QStringLiteral("「スタート」を押してくれよな！"));
        for (MapMark* m : {play->roadWorks[0], play->roadWorks[1], play->rightLaneTaxis[1], play->riverStrips[1], play->bridgePieces[2]})
            QVERIFY(m->isVisible());
    }

    void contactRules()
    {
        PlayScreen* play = stage2(true);
        QVERIFY(play);
        // From the start point down onto the road across the lanes, and over
        // them in one move, while the second lane is clear: harmless.
        const QPoint acrossLanes(Centre(play->startZones[1]).x(), 185);
        const QPoint firstLane = Centre(play->leftLaneTaxis[0]);
        play->rightLaneTaxis[0]->setTop(270);
        QCOMPARE(touch(play, firstLane, false, {acrossLanes}), 5);
        QVERIFY(play->session()->runUnderWay());
        // Up the road past the checkpoint marks and over the bridge's planks.
        const QPoint besideRiver(Centre(play->checkpoints[17]).x(), 80);
        QCOMPARE(touch(play, Centre(play->bridgePieces[1]), false,
                       {QPoint(71, 185), QPoint(71, 93), QPoint(besideRiver.x(), 93), besideRiver}),
                 5);
        QCOMPARE(touch(play, firstLane, true), 4);  // clicking a taxi is not
        QCOMPARE(fx.env.sound.started.last(), QStringLiteral("Out"));

        // The same move over the lanes with a second-lane taxi on the way.
        startRun(play, 1);
        play->rightLaneTaxis[0]->setTop(acrossLanes.y() - 10);
        QCOMPARE(touch(play, firstLane, false, {acrossLanes}), 3);
        startRun(play, 1);
        const QPoint eastRoad(208, 93);
        QCOMPARE(touch(play, Centre(play->riverStrips[1]), false, {acrossLanes, QPoint(208, 185), eastRoad}), 2);
        QCOMPARE(play->dialogueText->text(), QStringLiteral("「スタート」を押してくれよな！"));

        startRun(play, 1);
        fx.env.sound.started.clear();
        QCOMPARE(touch(play, QPoint(208, Centre(play->rain).y()), false, {acrossLanes, QPoint(208, 185)}), 1);
        QVERIFY(!fx.env.sound.started.contains(QStringLiteral("Out")));  // the rain soaks in silence
    }

    void openWaterCostsALife()
    {
        PlayScreen* play = stage2(true);
        play->session()->turnBridge();  // row 0: the middle piece opens
        QVERIFY(play->session()->bridgeOpen(1));
        QVERIFY(!play->session()->bridgeOpen(0) && !play->session()->bridgeOpen(2));
        const QPoint overRiver(Centre(play->checkpoints[16]).x(), 80);
        QCOMPARE(touch(play, Centre(play->bridgePieces[0]), false,
                       {QPoint(152, 185), QPoint(208, 185), QPoint(208, 93), overRiver}),
                 5);
        QCOMPARE(touch(play, Centre(play->bridgePieces[1])), 4);
    }

    void nothingHurtsOutsideARun()
    {
        PlayScreen* play = stage2(false);
        play->session()->turnBridge();
        for (const QWidget* w : {static_cast<const QWidget*>(play->rightLaneTaxis[0]), static_cast<const QWidget*>(play->rain),
                                 static_cast<const QWidget*>(play->riverStrips[1]), static_cast<const QWidget*>(play->bridgePieces[1])})
            QCOMPARE(touch(play, Centre(w)), 5);
        QCOMPARE(touch(play, Centre(play->leftLaneTaxis[1]), true), 5);
        QVERIFY(fx.env.sound.started.isEmpty());
    }

    void aTaxiUnderTheRoadWorksCannotBeTouched()
    {
        PlayScreen* play = stage2(true);
        play->rightLaneTaxis[0]->setTop(145);  // mostly under the upper cover (top 142, 25 high)
        const QPoint underCover(Centre(play->rightLaneTaxis[0]).x(), 150);
        QCOMPARE(drive::ReceiverAt(*play, underCover), static_cast<QWidget*>(play->roadWorks[0]));
        startRun(play, 0);  // down to the cover from the road above it
        QCOMPARE(touch(play, underCover, false, {QPoint(underCover.x(), 93)}), 5);
        QCOMPARE(touch(play, QPoint(underCover.x(), 168)), 4);  // the part that sticks out
    }

    void theHazardsShowWhereTheSessionHasThem()
    {
        PlayScreen* play = stage2(false);
        GameSession* session = play->session();
        const int x = play->leftLaneTaxis[0]->x();
        session->turnBridge();
        session->turnBridge();  // row 1: only the left piece (index 2) is open
        QVERIFY(!session->bridgeOpen(0) && !session->bridgeOpen(1) && session->bridgeOpen(2));
        for (int beat = 0; beat < 70; ++beat) {  // long enough for every taxi to come round again
            session->moveTaxis();
            session->swayRain();
            session->turnBridge();
            for (int i = 0; i < 3; ++i)
                QCOMPARE(play->leftLaneTaxis[i]->y(), session->leftLaneTaxiTop(i));
            for (int i = 0; i < 2; ++i)
                QCOMPARE(play->rightLaneTaxis[i]->y(), session->rightLaneTaxiTop(i));
            QCOMPARE(play->rain->y(), session->rainTop());
            for (int i = 0; i < 3; ++i)
                QCOMPARE(play->bridgePieces[i]->picture().cacheKey(),
                         (session->bridgeOpen(i) ? play->openWaterPicture() : play->plankPicture()).cacheKey());
        }
        QCOMPARE(play->leftLaneTaxis[0]->x(), x);  // only tops change
    }

    void aMissDoesNotResetTheHazards()
    {
        PlayScreen* play = stage2(true);
        for (int i = 0; i < 7; ++i) {
            play->session()->moveTaxis();
            play->session()->swayRain();
            play->session()->turnBridge();
        }
        const int car = play->leftLaneTaxis[0]->y();
        const int rain = play->rain->y();
        const QList<bool> open{play->session()->bridgeOpen(0), play->session()->bridgeOpen(1), play->session()->bridgeOpen(2)};
        QCOMPARE(touch(play, PlayFixture::kOffRoad), 4);
        QCOMPARE(play->leftLaneTaxis[0]->y(), car);
        QCOMPARE(play->rain->y(), rain);
        QCOMPARE((QList<bool>{play->session()->bridgeOpen(0), play->session()->bridgeOpen(1), play->session()->bridgeOpen(2)}), open);
        QVERIFY(play->leftLaneTaxis[0]->isVisible());
    }

    void aHazardStepRepaintsOnlyWhatMoves()
    {
        PlayScreen* play = stage2(false);
        QVERIFY(QTest::qWaitForWindowExposed(play));
        QTest::qWait(50);
        PaintCounter still;
        PaintCounter moving;
        for (QWidget* w : {static_cast<QWidget*>(play->dialogueText), static_cast<QWidget*>(play->timeBox),
                           static_cast<QWidget*>(play->faceBox), static_cast<QWidget*>(play->backToTitleButton)})
            w->installEventFilter(&still);
        play->leftLaneTaxis[0]->installEventFilter(&moving);
        play->session()->moveTaxis();
        play->session()->swayRain();
        play->session()->turnBridge();
        QTest::qWait(50);
        QVERIFY(moving.paints > 0);
        QCOMPARE(still.paints, 0);
    }
};

QTEST_MAIN(TestHazards)
#include "tst_hazards.moc"

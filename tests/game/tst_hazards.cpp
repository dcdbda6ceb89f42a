// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Stage 2's hazards: when touching them costs a life, and how they move.

#include "PlayFixture.h"
#include "game/Module1.h"
#include "screens/Widgets.h"
#include "support/Drive.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace Module1;

namespace {
QPoint Centre(const QWidget* w)
{
    return w->geometry().center();
}

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
    form_Main* stage2(bool run)
    {
        form_Main* play = fx.open(2, 2);
        if (!play)
            return nullptr;
        drive::Schedule({[=] { drive::Space(play); }, [=] { drive::Space(play); }, [=] { drive::Space(play); },
                         [=] { drive::Space(play); }});
        play->StartGame();
        for (QTimer* t : {play->timer_Obj1, play->timer_Obj2, play->timer_Obj3})
            t->stop();
        if (run)
            startRun(play, 1);
        fx.env.sound.started.clear();
        return play;
    }

    // A Start click, and the move of the pointer it puts on the start point.
    static void startRun(form_Main* play, int zone)
    {
        drive::ClickOnMap(*play, Centre(play->img_Start[static_cast<std::size_t>(zone)]));
        QCoreApplication::processEvents();
    }

    // Walks along `via`, then touches a point; a miss is read through at once. Returns the lives left.
    int touch(form_Main* play, QPoint p, bool click = false, std::initializer_list<QPoint> via = {})
    {
        drive::Schedule({[=] {
            if (g_WaitFlag)
                drive::Space(play);
        }});
        for (QPoint step : via)
            drive::MoveOnMap(*play, step);
        if (click)
            drive::ClickOnMap(*play, p);
        else
            drive::MoveOnMap(*play, p);
        QTest::qWait(20);
        return ReadCounter(play->lbl_Life);
    }

private Q_SLOTS:
    void cleanup() { fx.close(); }

    void theOpeningStoryBringsTheHazards()
    {
        form_Main* play = fx.open(1, 2);
        QVERIFY(play->img_Car1[0]->isHidden());
        bool movingDuringStory = false;
        drive::Schedule({[&] {
                             movingDuringStory = play->img_Rain->isVisible() && play->timer_Obj1->isActive() &&
                                                 play->timer_Obj2->isActive() && play->timer_Obj3->isActive();
                             drive::Space(play);
                         },
                         [=] { drive::Space(play); }, [=] { drive::Space(play); }, [=] { drive::Space(play); }});
        QVERIFY(play->StartGame());
        QVERIFY(movingDuringStory);
        QVERIFY(play->timer_Obj1->isActive());
        QCOMPARE(g_PlayState, std::int16_t{0});
        QVERIFY(!play->timer_Main->isActive());
        QCOMPARE(play->lbl_Msg->text(), QStringLiteral("「スタート」を押してくれよな！"));
        for (MapMark* m : {play->img_Road[0], play->img_Road[1], play->img_Car2[1], play->img_River[1], play->img_Bridge[2]})
            QVERIFY(m->isVisible());
    }

    void contactRules()
    {
        form_Main* play = stage2(true);
        QVERIFY(play);
        // From the start point down onto the road across the lanes, and over
        // them in one move, while the second lane is clear: harmless.
        const QPoint acrossLanes(Centre(play->img_Start[1]).x(), 185);
        const QPoint firstLane = Centre(play->img_Car1[0]);
        play->img_Car2[0]->setTop(270);
        QCOMPARE(touch(play, firstLane, false, {acrossLanes}), 5);
        QCOMPARE(g_PlayState, std::int16_t{1});
        // Up the road past the checkpoint marks and over the bridge's planks.
        const QPoint besideRiver(Centre(play->img_Msg[17]).x(), 80);
        QCOMPARE(touch(play, Centre(play->img_Bridge[1]), false,
                       {QPoint(71, 185), QPoint(71, 93), QPoint(besideRiver.x(), 93), besideRiver}),
                 5);
        QCOMPARE(touch(play, firstLane, true), 4);  // clicking a taxi is not
        QCOMPARE(fx.env.sound.started.last(), QStringLiteral("Out"));

        // The same move over the lanes with a second-lane taxi on the way.
        startRun(play, 1);
        play->img_Car2[0]->setTop(acrossLanes.y() - 10);
        QCOMPARE(touch(play, firstLane, false, {acrossLanes}), 3);
        startRun(play, 1);
        const QPoint eastRoad(208, 93);
        QCOMPARE(touch(play, Centre(play->img_River[1]), false, {acrossLanes, QPoint(208, 185), eastRoad}), 2);
        QCOMPARE(play->lbl_Msg->text(), QStringLiteral("「スタート」を押してくれよな！"));

        startRun(play, 1);
        fx.env.sound.started.clear();
        QCOMPARE(touch(play, QPoint(208, Centre(play->img_Rain).y()), false, {acrossLanes, QPoint(208, 185)}), 1);
        QVERIFY(!fx.env.sound.started.contains(QStringLiteral("Out")));  // the rain soaks in silence
    }

    void openWaterCostsALife()
    {
        form_Main* play = stage2(true);
        play->timer_Obj3_Timer();  // row 0: the middle piece opens
        QVERIFY(play->BridgeOpen(1));
        QVERIFY(!play->BridgeOpen(0) && !play->BridgeOpen(2));
        const QPoint overRiver(Centre(play->img_Msg[16]).x(), 80);
        QCOMPARE(touch(play, Centre(play->img_Bridge[0]), false,
                       {QPoint(152, 185), QPoint(208, 185), QPoint(208, 93), overRiver}),
                 5);
        QCOMPARE(touch(play, Centre(play->img_Bridge[1])), 4);
    }

    void nothingHurtsOutsideARun()
    {
        form_Main* play = stage2(false);
        play->timer_Obj3_Timer();
        for (const QWidget* w : {static_cast<const QWidget*>(play->img_Car2[0]), static_cast<const QWidget*>(play->img_Rain),
                                 static_cast<const QWidget*>(play->img_River[1]), static_cast<const QWidget*>(play->img_Bridge[1])})
            QCOMPARE(touch(play, Centre(w)), 5);
        QCOMPARE(touch(play, Centre(play->img_Car1[1]), true), 5);
        QVERIFY(fx.env.sound.started.isEmpty());
    }

    void aTaxiUnderTheRoadWorksCannotBeTouched()
    {
        form_Main* play = stage2(true);
        play->img_Car2[0]->setTop(145);  // mostly under the upper cover (top 142, 25 high)
        const QPoint underCover(Centre(play->img_Car2[0]).x(), 150);
        QCOMPARE(drive::ReceiverAt(*play, underCover), static_cast<QWidget*>(play->img_Road[0]));
        startRun(play, 0);  // down to the cover from the road above it
        QCOMPARE(touch(play, underCover, false, {QPoint(underCover.x(), 93)}), 5);
        QCOMPARE(touch(play, QPoint(underCover.x(), 168)), 4);  // the part that sticks out
    }

    void hazardsStepAndWrap()
    {
        form_Main* play = stage2(false);
        QCOMPARE(play->m_RainDir, std::int16_t{0});
        QCOMPARE(play->m_BridgePhase, std::int16_t{0});
        play->img_Car1[0]->setTop(268);
        play->img_Car2[0]->setTop(144);
        play->timer_Obj1_Timer();
        QCOMPARE(play->img_Car1[0]->y(), 142);
        QCOMPARE(play->img_Car2[0]->y(), 270);
        QCOMPARE(play->img_Car1[1]->y(), 218);
        QCOMPARE(play->img_Car2[1]->y(), 237);
        QCOMPARE(play->img_Car1[0]->x(), 44);  // only tops change

        play->timer_Obj3_Timer();
        play->timer_Obj3_Timer();  // row 1: only the left piece (index 2) is open
        QVERIFY(!play->BridgeOpen(0) && !play->BridgeOpen(1) && play->BridgeOpen(2));
        QCOMPARE(play->m_BridgePhase, std::int16_t{2});

        for (int i = 0; i < 5; ++i)
            play->timer_Obj2_Timer();
        QCOMPARE(play->img_Rain->y(), 250);
        QCOMPARE(play->m_RainDir, std::int16_t{1});
        play->timer_Obj2_Timer();
        QCOMPARE(play->img_Rain->y(), 248);
    }

    void aMissDoesNotResetTheHazards()
    {
        form_Main* play = stage2(true);
        for (int i = 0; i < 7; ++i) {
            play->timer_Obj1_Timer();
            play->timer_Obj2_Timer();
            play->timer_Obj3_Timer();
        }
        const int car = play->img_Car1[0]->y();
        const int rain = play->img_Rain->y();
        const auto phase = play->m_BridgePhase;
        QCOMPARE(touch(play, PlayFixture::kOffRoad), 4);
        QCOMPARE(play->img_Car1[0]->y(), car);
        QCOMPARE(play->img_Rain->y(), rain);
        QCOMPARE(play->m_BridgePhase, phase);
        QVERIFY(play->img_Car1[0]->isVisible());
    }

    void aHazardStepRepaintsOnlyWhatMoves()
    {
        form_Main* play = stage2(false);
        QVERIFY(QTest::qWaitForWindowExposed(play));
        QTest::qWait(50);
        PaintCounter still;
        PaintCounter moving;
        for (QWidget* w : {static_cast<QWidget*>(play->lbl_Msg), static_cast<QWidget*>(play->lbl_Time),
                           static_cast<QWidget*>(play->pic_Chara[0]), static_cast<QWidget*>(play->Command1)})
            w->installEventFilter(&still);
        play->img_Car1[0]->installEventFilter(&moving);
        play->timer_Obj1_Timer();
        play->timer_Obj2_Timer();
        play->timer_Obj3_Timer();
        QTest::qWait(50);
        QVERIFY(moving.paints > 0);
        QCOMPARE(still.paints, 0);
    }
};

QTEST_MAIN(TestHazards)
#include "tst_hazards.moc"

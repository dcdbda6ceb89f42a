// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Stage 2's hazards: when touching them costs a life, and how they move.

#include "PlayFixture.h"
#include "game/GameState.h"
#include "widgets/Widgets.h"
#include "support/Drive.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace game;

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
    PlayScreen* stage2(bool run)
    {
        PlayScreen* play = fx.open(2, 2);
        if (!play)
            return nullptr;
        drive::Schedule({[=] { drive::Space(play); }, [=] { drive::Space(play); }, [=] { drive::Space(play); },
                         [=] { drive::Space(play); }});
        play->tellOpening();
        for (QTimer* t : {play->taxiTimer, play->rainTimer, play->bridgeTimer})
            t->stop();
        if (run)
            drive::ClickOnMap(*play, Centre(play->startZones[1]));
        fx.env.sound.started.clear();
        return play;
    }

    // Touches a point; a miss is read through at once. Returns the lives left.
    int touch(PlayScreen* play, QPoint p, bool click = false)
    {
        drive::Schedule({[=] {
            if (shared.lineWaiting)
                drive::Space(play);
        }});
        if (click)
            drive::ClickOnMap(*play, p);
        else
            drive::MoveOnMap(*play, p);
        QTest::qWait(20);
        return ReadCounter(play->lifeBox);
    }

private Q_SLOTS:
    void cleanup() { fx.close(); }

    void theOpeningStoryBringsTheHazards()
    {
        PlayScreen* play = fx.open(1, 2);
        QVERIFY(play->leftLaneTaxis[0]->isHidden());
        bool movingDuringStory = false;
        drive::Schedule({[&] {
                             movingDuringStory = play->rain->isVisible() && play->taxiTimer->isActive() &&
                                                 play->rainTimer->isActive() && play->bridgeTimer->isActive();
                             drive::Space(play);
                         },
                         [=] { drive::Space(play); }, [=] { drive::Space(play); }, [=] { drive::Space(play); }});
        QVERIFY(play->tellOpening());
        QVERIFY(movingDuringStory);
        QVERIFY(play->taxiTimer->isActive());
        QCOMPARE(shared.runState, std::int16_t{0});
        QVERIFY(!play->clock->isActive());
        QCOMPARE(play->dialogueText->text(), QStringLiteral("「スタート」を押してくれよな！"));
        for (MapMark* m : {play->roadWorks[0], play->roadWorks[1], play->rightLaneTaxis[1], play->riverStrips[1], play->bridgePieces[2]})
            QVERIFY(m->isVisible());
    }

    void contactRules()
    {
        PlayScreen* play = stage2(true);
        QVERIFY(play);
        QCOMPARE(touch(play, Centre(play->leftLaneTaxis[0])), 5);  // moving over the first lane is harmless
        QCOMPARE(shared.runState, std::int16_t{1});
        QCOMPARE(touch(play, Centre(play->bridgePieces[1])), 5);  // a plank holds
        QCOMPARE(touch(play, Centre(play->leftLaneTaxis[0]), true), 4);  // clicking a taxi is not
        QCOMPARE(fx.env.sound.started.last(), QStringLiteral("Out"));

        drive::ClickOnMap(*play, Centre(play->startZones[1]));
        QCOMPARE(touch(play, Centre(play->rightLaneTaxis[0])), 3);
        drive::ClickOnMap(*play, Centre(play->startZones[1]));
        QCOMPARE(touch(play, Centre(play->riverStrips[0])), 2);
        QCOMPARE(play->dialogueText->text(), QStringLiteral("「スタート」を押してくれよな！"));

        drive::ClickOnMap(*play, Centre(play->startZones[1]));
        fx.env.sound.started.clear();
        QCOMPARE(touch(play, Centre(play->rain)), 1);
        QVERIFY(!fx.env.sound.started.contains(QStringLiteral("Out")));  // the rain soaks in silence
    }

    void openWaterCostsALife()
    {
        PlayScreen* play = stage2(true);
        play->turnBridge();  // row 0: the middle piece opens
        QVERIFY(play->bridgeOpen(1));
        QVERIFY(!play->bridgeOpen(0) && !play->bridgeOpen(2));
        QCOMPARE(touch(play, Centre(play->bridgePieces[0])), 5);
        QCOMPARE(touch(play, Centre(play->bridgePieces[1])), 4);
    }

    void nothingHurtsOutsideARun()
    {
        PlayScreen* play = stage2(false);
        play->turnBridge();
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
        QCOMPARE(touch(play, underCover), 5);
        QCOMPARE(touch(play, QPoint(underCover.x(), 168)), 4);  // the part that sticks out
    }

    void hazardsStepAndWrap()
    {
        PlayScreen* play = stage2(false);
        QCOMPARE(play->m_rainDirection, std::int16_t{0});
        QCOMPARE(play->m_bridgePhase, std::int16_t{0});
        play->leftLaneTaxis[0]->setTop(268);
        play->rightLaneTaxis[0]->setTop(144);
        play->moveTaxis();
        QCOMPARE(play->leftLaneTaxis[0]->y(), 142);
        QCOMPARE(play->rightLaneTaxis[0]->y(), 270);
        QCOMPARE(play->leftLaneTaxis[1]->y(), 218);
        QCOMPARE(play->rightLaneTaxis[1]->y(), 237);
        QCOMPARE(play->leftLaneTaxis[0]->x(), 44);  // only tops change

        play->turnBridge();
        play->turnBridge();  // row 1: only the left piece (index 2) is open
        QVERIFY(!play->bridgeOpen(0) && !play->bridgeOpen(1) && play->bridgeOpen(2));
        QCOMPARE(play->m_bridgePhase, std::int16_t{2});

        for (int i = 0; i < 5; ++i)
            play->swayRain();
        QCOMPARE(play->rain->y(), 250);
        QCOMPARE(play->m_rainDirection, std::int16_t{1});
        play->swayRain();
        QCOMPARE(play->rain->y(), 248);
    }

    void aMissDoesNotResetTheHazards()
    {
        PlayScreen* play = stage2(true);
        for (int i = 0; i < 7; ++i) {
            play->moveTaxis();
            play->swayRain();
            play->turnBridge();
        }
        const int car = play->leftLaneTaxis[0]->y();
        const int rain = play->rain->y();
        const auto phase = play->m_bridgePhase;
        QCOMPARE(touch(play, PlayFixture::kOffRoad), 4);
        QCOMPARE(play->leftLaneTaxis[0]->y(), car);
        QCOMPARE(play->rain->y(), rain);
        QCOMPARE(play->m_bridgePhase, phase);
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
        play->moveTaxis();
        play->swayRain();
        play->turnBridge();
        QTest::qWait(50);
        QVERIFY(moving.paints > 0);
        QCOMPARE(still.paints, 0);
    }
};

QTEST_MAIN(TestHazards)
#include "tst_hazards.moc"

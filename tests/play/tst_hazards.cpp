// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Stage 2's hazards: when touching them costs a life, and how they move.

#include "PlayFixture.h"
#include "game/AppFolder.h"
#include "widgets/Widgets.h"
#include "support/Drive.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace game;
using namespace scores;

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
        play->session()->stopHazards();
        if (run)
            drive::ClickOnMap(*play, Centre(play->startZones[1]));
        fx.env.sound.started.clear();
        return play;
    }

    // Touches a point; a miss is read through at once. Returns the lives left.
    int touch(PlayScreen* play, QPoint p, bool click = false)
    {
        drive::Schedule({[=] {
            if (play->lineWaiting())
                drive::Space(play);
        }});
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
        QCOMPARE(touch(play, Centre(play->leftLaneTaxis[0])), 5);  // moving over the first lane is harmless
        QVERIFY(play->session()->runUnderWay());
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
        play->session()->turnBridge();  // row 0: the middle piece opens
        QVERIFY(play->session()->bridgeOpen(1));
        QVERIFY(!play->session()->bridgeOpen(0) && !play->session()->bridgeOpen(2));
        QCOMPARE(touch(play, Centre(play->bridgePieces[0])), 5);
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
        QCOMPARE(touch(play, underCover), 5);
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

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The dialogue presenter: what advances a line, nested waits, and closing the
// play screen while a line waits.

#include "game/AppFolder.h"
#include "play/PlayScreen.h"
#include "support/Drive.h"
#include "support/TestEnv.h"
#include "title/TitleScreen.h"
#include "widgets/Widgets.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace game;
using namespace scores;

class TestDialogue : public QObject {
    Q_OBJECT
    TestEnv env;
    QPointer<PlayScreen> play;

private Q_SLOTS:
    void init()
    {
        env.sound.started.clear();
        play = new PlayScreen(Table(), 1);
        connect(play, &PlayScreen::unloaded, [] { TitleScreen::open(Shelf()); });  // as a game from the title
        play->show();
    }

    void cleanup()
    {
        if (play)
            delete play.data();
        drive::CloseScreens();
    }

    void onlySpaceOrTheHintAdvance()
    {
        QList<bool> flagsWhileWaiting;
        bool hintShown = false;
        drive::Schedule({
            [&] { hintShown = play->nextHint->isVisible(); flagsWhileWaiting << play->lineWaiting(); },
            [&] { drive::PressKey(play, Qt::Key_Return); },
            [&] { drive::PressKey(play, Qt::Key_A); },
            [&] { QTest::mouseClick(play->dialogueText, Qt::LeftButton); },
            [&] { QTest::mouseClick(play->faceBox, Qt::LeftButton); },
            [&] { flagsWhileWaiting << play->lineWaiting(); drive::Space(play); },
        });
        QVERIFY(play->showLine(4, QStringLiteral("line")));
        QVERIFY(hintShown);
        QCOMPARE(flagsWhileWaiting, (QList<bool>{true, true}));
        QVERIFY(!play->lineWaiting());
        QVERIFY(!play->nextHint->isVisible());

        drive::Schedule({[&] { QTest::mouseClick(play->nextHint, Qt::LeftButton); }});
        QVERIFY(play->showLine(0, QStringLiteral("second")));
        QCOMPARE(play->dialogueText->text(), QStringLiteral("second"));
    }

    void aDoubleClickOnTheHintReadsOneLine()
    {
        // The second press of a quick double click comes when the next line is up.
        bool secondStillWaiting = false;
        drive::Schedule({[&] { QTest::mouseClick(play->nextHint, Qt::LeftButton); },
                         [&] { drive::DoubleClickEnd(play->nextHint, QPoint(2, 2)); },
                         [&] { secondStillWaiting = play->lineWaiting() && play->dialogueText->text() == "second"; },
                         [&] { drive::Space(play); }});
        QVERIFY(play->showLine(1, QStringLiteral("first")));
        QVERIFY(play->showLine(0, QStringLiteral("second")));
        QVERIFY(secondStillWaiting);
    }

    void anEarlyPressDoesNotSkipTheNextLine()
    {
        drive::Space(play);
        play->askForNextLine();
        bool stillWaiting = false;
        drive::Schedule({[&] { stillWaiting = play->lineWaiting(); }, [&] { drive::Space(play); }});
        QVERIFY(play->waitForNext());
        QVERIFY(stillWaiting);
    }

    void aHeldSpaceAdvancesOneLinePerKeyDown()
    {
        int lines = 0;
        // Three repeated key-downs while the story has four lines: the fourth still waits.
        drive::Schedule({[&] { drive::PressKey(play, Qt::Key_Space, true); },
                         [&] { drive::PressKey(play, Qt::Key_Space, true); },
                         [&] { drive::PressKey(play, Qt::Key_Space, true); },
                         [&] { QCOMPARE(lines, 3); drive::Space(play); }});
        for (int i = 0; i < 4; ++i) {
            QVERIFY(play->showLine(1, QString::number(i)));
            ++lines;
        }
        QCOMPARE(lines, 4);
    }

    void faceAndLineAreIndependent()
    {
        play->showFace(2);
        const qint64 face2 = play->face(2).cacheKey();
        QCOMPARE(play->faceBox->picture().cacheKey(), face2);
        drive::Schedule({[&] { drive::Space(play); }});
        QVERIFY(play->showLine(0, QStringLiteral("no new face")));
        QCOMPARE(play->faceBox->picture().cacheKey(), face2);
        play->dialogueText->setText(QStringLiteral("kept"));
        play->showFace(5);
        QCOMPARE(play->dialogueText->text(), QStringLiteral("kept"));
        play->clearFace();
        QVERIFY(play->faceBox->picture().isNull());
    }

    void nestedWaitsNeedOneActionEach()
    {
        bool innerReturned = false;
        bool outerWaitingAfterInner = false;
        drive::Schedule({
            [&] {
                // A handler that itself waits, while the outer line waits.
                drive::Schedule({[&] { drive::Space(play); }});
                innerReturned = play->waitForNext();
                outerWaitingAfterInner = true;
            },
            [&] { outerWaitingAfterInner = outerWaitingAfterInner && play->lineWaiting(); drive::Space(play); },
        });
        QVERIFY(play->waitForNext());
        QVERIFY(innerReturned);
        QVERIFY(outerWaitingAfterInner);
    }

    void closingDuringAWaitEndsTheSceneAndBringsTheTitleOnce_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("title button") << QStringLiteral("button");
        QTest::newRow("close box") << QStringLiteral("closebox");
        QTest::newRow("during a nested wait") << QStringLiteral("nested");
    }

    void closingDuringAWaitEndsTheSceneAndBringsTheTitleOnce()
    {
        QFETCH(QString, how);
        bool innerResult = false;
        drive::Schedule({[&] {
            if (how == QLatin1String("button")) {
                QTest::mouseClick(play->backToTitleButton, Qt::LeftButton);
            } else if (how == QLatin1String("closebox")) {
                play->close();
            } else {
                drive::Schedule({[&] { play->close(); }});
                innerResult = play->waitForNext();
            }
        }});
        // A whole scene: every line after the closing must be skipped.
        int linesShown = 0;
        auto scene = [&] {
            for (int i = 0; i < 3; ++i) {
                if (!play->showLine(1, QStringLiteral("line")))
                    return false;
                ++linesShown;
            }
            return true;
        };
        QVERIFY(!scene());
        QCOMPARE(linesShown, 0);
        QVERIFY(!innerResult);  // a wait nested inside ends too
        QVERIFY(!play || !play->lineWaiting());
        drive::Settle();
        QVERIFY(play.isNull());  // the closed screen is gone, and nothing touched it after
        QCOMPARE(drive::VisibleTitles(), 1);
        QCOMPARE(env.sound.started.count(QStringLiteral("Click")), how == QLatin1String("button") ? 1 : 0);
    }
};

QTEST_MAIN(TestDialogue)
#include "tst_dialogue.moc"

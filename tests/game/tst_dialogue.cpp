// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The dialogue presenter: what advances a line, nested waits, and closing the
// play screen while a line waits.

#include "game/Module1.h"
#include "screens/Widgets.h"
#include "screens/form_Main.h"
#include "screens/form_Title.h"
#include "support/Drive.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace Module1;

class TestDialogue : public QObject {
    Q_OBJECT
    TestEnv env;
    QPointer<form_Main> play;

private Q_SLOTS:
    void init()
    {
        ResetState();
        env.sound.started.clear();
        play = new form_Main;
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
        QList<int> flagsWhileWaiting;
        bool hintShown = false;
        drive::Schedule({
            [&] { hintShown = play->Nextbox->isVisible(); flagsWhileWaiting << g_WaitFlag; },
            [&] { drive::PressKey(play, Qt::Key_Return); },
            [&] { drive::PressKey(play, Qt::Key_A); },
            [&] { QTest::mouseClick(play->lbl_Msg, Qt::LeftButton); },
            [&] { QTest::mouseClick(play->pic_Chara[0], Qt::LeftButton); },
            [&] { flagsWhileWaiting << g_WaitFlag; drive::Space(play); },
        });
        QVERIFY(play->ShowLine(4, QStringLiteral("line")));
        QVERIFY(hintShown);
        QCOMPARE(flagsWhileWaiting, (QList<int>{1, 1}));
        QCOMPARE(g_WaitFlag, 0);
        QCOMPARE(g_NextFlag, 0);
        QVERIFY(!play->Nextbox->isVisible());

        drive::Schedule({[&] { QTest::mouseClick(play->Nextbox, Qt::LeftButton); }});
        QVERIFY(play->ShowLine(0, QStringLiteral("second")));
        QCOMPARE(play->lbl_Msg->text(), QStringLiteral("second"));
    }

    void aDoubleClickOnTheHintReadsOneLine()
    {
        // The second press of a quick double click comes when the next line is up.
        bool secondStillWaiting = false;
        drive::Schedule({[&] { QTest::mouseClick(play->Nextbox, Qt::LeftButton); },
                         [&] { drive::DoubleClickEnd(play->Nextbox, QPoint(2, 2)); },
                         [&] { secondStillWaiting = g_WaitFlag == 1 && play->lbl_Msg->text() == "second"; },
                         [&] { drive::Space(play); }});
        QVERIFY(play->ShowLine(1, QStringLiteral("first")));
        QVERIFY(play->ShowLine(0, QStringLiteral("second")));
        QVERIFY(secondStillWaiting);
    }

    void anEarlyPressDoesNotSkipTheNextLine()
    {
        drive::Space(play);
        play->Nextbox_Click();
        QCOMPARE(g_NextFlag, -1);
        bool stillWaiting = false;
        drive::Schedule({[&] { stillWaiting = g_WaitFlag == 1; }, [&] { drive::Space(play); }});
        QVERIFY(play->Waitfun());
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
            QVERIFY(play->ShowLine(1, QString::number(i)));
            ++lines;
        }
        QCOMPARE(lines, 4);
    }

    void faceAndLineAreIndependent()
    {
        play->SetFace(2);
        const qint64 face2 = play->pic_Chara[2]->picture().cacheKey();
        QCOMPARE(play->pic_Chara[0]->picture().cacheKey(), face2);
        drive::Schedule({[&] { drive::Space(play); }});
        QVERIFY(play->ShowLine(0, QStringLiteral("no new face")));
        QCOMPARE(play->pic_Chara[0]->picture().cacheKey(), face2);
        play->lbl_Msg->setText(QStringLiteral("kept"));
        play->SetFace(5);
        QCOMPARE(play->lbl_Msg->text(), QStringLiteral("kept"));
        play->ClearFace();
        QVERIFY(play->pic_Chara[0]->picture().isNull());
    }

    void nestedWaitsNeedOneActionEach()
    {
        bool innerReturned = false;
        bool outerWaitingAfterInner = false;
        drive::Schedule({
            [&] {
                // A handler that itself waits, while the outer line waits.
                drive::Schedule({[&] { drive::Space(play); }});
                innerReturned = play->Waitfun();
                outerWaitingAfterInner = true;
            },
            [&] { outerWaitingAfterInner = outerWaitingAfterInner && g_WaitFlag == 1; drive::Space(play); },
        });
        QVERIFY(play->Waitfun());
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
                QTest::mouseClick(play->Command1, Qt::LeftButton);
            } else if (how == QLatin1String("closebox")) {
                play->close();
            } else {
                drive::Schedule({[&] { play->close(); }});
                innerResult = play->Waitfun();
            }
        }});
        // A whole scene: every line after the closing must be skipped.
        int linesShown = 0;
        auto scene = [&] {
            for (int i = 0; i < 3; ++i) {
                if (!play->ShowLine(1, QStringLiteral("line")))
                    return false;
                ++linesShown;
            }
            return true;
        };
        QVERIFY(!scene());
        QCOMPARE(linesShown, 0);
        QVERIFY(!innerResult);  // a wait nested inside ends too
        QCOMPARE(g_WaitFlag, 0);
        drive::Settle();
        QVERIFY(play.isNull());  // the closed screen is gone, and nothing touched it after
        QCOMPARE(drive::VisibleTitles(), 1);
        QCOMPARE(env.sound.started.count(QStringLiteral("Click")), how == QLatin1String("button") ? 1 : 0);
    }
};

QTEST_MAIN(TestDialogue)
#include "tst_dialogue.moc"

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The flow's steps: what advances a line, and leaving the game at every step.

#include "app/Navigator.h"
#include "game/GameSession.h"
#include "play/PlayScreen.h"
#include "ranking/RankingScreen.h"
#include "support/Drive.h"
#include "support/TestEnv.h"
#include "widgets/Widgets.h"

#include <QApplication>
#include <QSettings>
#include <QtTest>

class TestDialogue : public QObject {
    Q_OBJECT
    TestEnv env;
    QPointer<PlayScreen> play;

    QString line() const { return Find<QLabel>(play, "dialogueText")->text(); }

private Q_SLOTS:
    void init()
    {
        env.sound = FakeSound();
        play = new PlayScreen(Table(), 1);
        Nav().follow(play);  // as a game from the title
        QVERIFY(play->setUpStage());
        play->show();
    }

    void cleanup()
    {
        delete play.data();
        drive::CloseScreens();
    }

    void onlySpaceOrTheHintAdvance()
    {
        play->tellOpening();
        const QString first = line();
        QVERIFY(play->lineWaiting());
        QVERIFY(Find<ClickLabel>(play, "nextHint")->isVisible());
        drive::PressKey(play, Qt::Key_Return);
        drive::PressKey(play, Qt::Key_A);
        QTest::mouseClick(Find<QLabel>(play, "dialogueText"), Qt::LeftButton);
        QTest::mouseClick(Find<PictureBox>(play, "faceBox"), Qt::LeftButton);
        QCOMPARE(line(), first);
        drive::Space(play);
        const QString second = line();
        QVERIFY(second != first);
        QTest::mouseClick(Find<ClickLabel>(play, "nextHint"), Qt::LeftButton);
        QVERIFY(line() != second);

        // A double click on the hint reads one line: its second press finds the next one up.
        const QString third = line();
        drive::DoubleClickEnd(Find<ClickLabel>(play, "nextHint"), QPoint(2, 2));
        QCOMPARE(line(), third);
        while (play->lineWaiting())
            drive::Space(play);
        QVERIFY(Find<ClickLabel>(play, "nextHint")->isHidden());
        const QString prompt = line();
        drive::Space(play);  // a "next" with no line waiting does nothing
        play->askForNextLine();
        QCOMPARE(line(), prompt);
        QVERIFY(!play->lineWaiting());
    }

    void aHeldSpaceAdvancesOneLinePerKeyDown()
    {
        const std::size_t lines = play->session()->stageCourse().opening.size();
        QVERIFY(lines >= 3);
        play->tellOpening();
        for (std::size_t i = 1; i < lines; ++i)
            drive::PressKey(play, Qt::Key_Space, true);
        QVERIFY(play->lineWaiting());  // the last still waits
        QCOMPARE(line(), play->session()->stageCourse().opening.back().text.shown());
    }

    // "タイトルへ" or the window's close button at any step of the flow ends
    // the game there: one title, no screen or box left behind, nothing stored.
    void leavingAtEveryStep_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<bool>("button");  // "タイトルへ"; else the close button
        for (const char* step : {"story line", "miss line", "clear scene", "click sound", "name entry"})
            for (bool button : {true, false})
                if (!button || qstrcmp(step, "name entry") != 0)  // the ranking holds the play screen's buttons
                    QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(QLatin1String(step), button ? "button" : "close")))
                        << QString::fromLatin1(step) << button;
    }

    void leavingAtEveryStep()
    {
        QFETCH(QString, step);
        QFETCH(bool, button);
        const QString stored = QSettings().value(QStringLiteral("Setting/HScore_Val_1_1_0")).toString();
        QPushButton* back = Find<QPushButton>(play, "backToTitleButton");
        if (step == QLatin1String("story line")) {
            play->tellOpening();
        } else if (step == QLatin1String("miss line")) {
            play->session()->clickStart(0);
            drive::MoveOnMap(*play, QPoint(1, 1));
        } else if (step == QLatin1String("clear scene")) {
            play->session()->clickStart(0);
            play->session()->reachGoal(0);
            while (play->lineWaiting() && !Find<PictureBox>(play, "clearPicture")->isVisible())
                play->askForNextLine();
        } else if (step == QLatin1String("click sound")) {
            env.sound.waitMs = 50;
            QTest::mouseClick(back, Qt::LeftButton);  // its own sound plays
        } else {
            drive::ClearStage(*play, 3);
            QVERIFY(qobject_cast<RankingScreen*>(QApplication::activeModalWidget()));
        }
        QVERIFY(step == QLatin1String("click sound") || play->lineWaiting() || QApplication::activeModalWidget());
        if (button)
            QTest::mouseClick(back, Qt::LeftButton);
        else
            play->close();
        QTRY_VERIFY(play.isNull());
        QTest::qWait(80);  // past any sound that was playing
        drive::Settle();
        QCOMPARE(drive::VisibleTitles(), 1);
        QVERIFY(!QApplication::activeModalWidget());
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!qobject_cast<PlayScreen*>(w) && !qobject_cast<RankingScreen*>(w), w->metaObject()->className());
        QCOMPARE(QSettings().value(QStringLiteral("Setting/HScore_Val_1_1_0")).toString(), stored);
        // A press of "タイトルへ" held behind its own click finds no window left to press.
        QCOMPARE(env.sound.started.count(QStringLiteral("Click")), step == QLatin1String("click sound") || button ? 1 : 0);
    }
};

QTEST_MAIN(TestDialogue)
#include "tst_dialogue.moc"

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The game as a whole, through its real widgets: title, both stages on the
// real courses, the ranking entry, the ending, and every way of leaving.

#include "CourseChecker.h"
#include "CourseScene.h"
#include "Player.h"
#include "RoutePath.h"
#include "game/Module1.h"
#include "screens/Widgets.h"
#include "screens/form_Main.h"
#include "screens/form_Rank.h"
#include "screens/form_Title.h"
#include "support/Drive.h"
#include "support/TestEnv.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTimer>
#include <QtTest>

using namespace Module1;

namespace {

form_Title* CurrentTitle()
{
    form_Title* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* t = qobject_cast<form_Title*>(w); t && t->isVisible())
            found = t;
    return found;
}

// The way through a stage's real course, with the hazards where they start.
std::vector<QPoint> Route(int stage)
{
    const QImage map(AppFolder() + QStringLiteral("/dat/map%1.dat").arg(stage));
    const auto field = coursecheck::Paint(coursecheck::RoadOk(map, 1), coursecheck::StageScene(stage, stage == 2 ? 0 : -1));
    return coursecheck::ShortestRoute(field.safe, coursecheck::StartPoint(stage), coursecheck::GoalZone(stage - 1), 2);
}

void Walk(const form_Main* play, const std::vector<QPoint>& route)
{
    const QPointer<const form_Main> alive(play);
    for (QPoint p : route) {
        if (!alive || alive->isClosed() || g_PlayState != 1)
            return;
        drive::MoveOnMap(*play, p);
    }
}

QString Stored(const QString& key)
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("Setting"));
    return settings.value(key).toString();
}

}  // namespace

class TestGameFlow : public QObject {
    Q_OBJECT
    TestEnv env;

private Q_SLOTS:
    void init()
    {
        ResetState();
        env.sound.started.clear();
        QSettings().clear();  // every case starts from a fresh installation
        ShowTitle();
    }

    void cleanup()
    {
        drive::CloseScreens();
    }

    void aWholeGame()
    {
        Player player(QStringLiteral("ぽくりも 1"));
        player.freezeHazards = true;
        CurrentTitle()->Command1->click();  // たこレベル: returns once the opening story is read
        form_Main* play = CurrentPlay();
        QVERIFY(play);
        QCOMPARE(drive::VisibleTitles(), 0);
        QCOMPARE(env.sound.started.first(), QStringLiteral("Click"));
        QCOMPARE(player.linesSeen.first(), QStringLiteral("ある日、ヌッピがカモナ家に遊びに来ていた"));
        QCOMPARE(play->lbl_Msg->text(), QStringLiteral("「スタート」を押してくれよな！"));
        QCOMPARE(play->lbl_Life->text(), QStringLiteral("5"));

        // One slip on stage 1 costs a life that stage 2 does not give back.
        drive::ClickOnMap(*play, play->img_Start[0]->geometry().center());
        drive::MoveOnMap(*play, QPoint(1, 1));  // the background in the corner
        QCOMPARE(play->lbl_Life->text(), QStringLiteral("4"));

        const auto route1 = Route(1);
        QVERIFY(!route1.empty());
        drive::ClickOnMap(*play, play->img_Start[0]->geometry().center());
        Walk(play, route1);  // the goal scene, the record and the stage 2 story happen in here
        QVERIFY2(g_Stage == 2, qPrintable(play->lbl_Msg->text()));
        QCOMPARE(player.recordsEntered, 1);
        QVERIFY(player.linesSeen.contains(QStringLiteral("Stage1 Clear!!")));
        QVERIFY(player.linesSeen.contains(QStringLiteral("休日にピポは、ヌッピのところに遊びに来ていた")));
        QVERIFY(play->pic_Clear->isHidden());
        QCOMPARE(play->lbl_Life->text(), QStringLiteral("4"));
        QCOMPARE(play->lbl_Stage->text(), QStringLiteral("STAGE２・アメリカ"));
        QVERIFY(play->img_Car1[0]->isVisible());
        QVERIFY(env.sound.started.contains(QStringLiteral("Clear")));
        QVERIFY(env.sound.started.contains(QStringLiteral("Claps")));

        const QString stage1Score = Stored(QStringLiteral("HScore_Val_1_1_0"));
        QCOMPARE(Stored(QStringLiteral("HScore_Nm_1_1_0")), QStringLiteral("ぽくりも 1"));
        QCOMPARE(Stored(QStringLiteral("HScore_Nm_1_1_1")), QStringLiteral("ぴぽ"));

        const auto route2 = Route(2);
        QVERIFY(!route2.empty());
        drive::ClickOnMap(*play, play->img_Start[1]->geometry().center());
        Walk(play, route2);  // the ending, the record, and back to the title
        drive::Settle();
        QVERIFY(CurrentPlay() == nullptr);
        QCOMPARE(drive::VisibleTitles(), 1);
        QCOMPARE(player.recordsEntered, 2);
        QVERIFY(player.linesSeen.contains(QStringLiteral("Thank you for your playing!")));
        QCOMPARE(player.linesSeen.last(), QStringLiteral("Thank you for your playing!"));
        QCOMPARE(Stored(QStringLiteral("HScore_Nm_1_2_0")), QStringLiteral("ぽくりも 1"));
        QCOMPARE(Stored(QStringLiteral("HScore_Val_1_1_0")), stage1Score);
        // The title that came back has read the table again.
        QCOMPARE(g_HScoreName[1][2][0], QStringLiteral("ぽくりも 1"));
    }

    void aNewGameBeginsAfresh()
    {
        Player player(QStringLiteral("x"));
        const QString before = Stored(QStringLiteral("HScore_Val_2_1_0"));
        CurrentTitle()->Command2->click();  // さるレベル
        form_Main* play = CurrentPlay();
        QVERIFY(play);
        QCOMPARE(g_Level, std::int16_t{2});
        QCOMPARE(play->lbl_Time->text(), QStringLiteral("30"));
        QCOMPARE(play->lbl_Level->text(), QStringLiteral("さる"));
        drive::ClickOnMap(*play, play->img_Start[0]->geometry().center());
        QCOMPARE(g_PlayState, std::int16_t{1});
        // Leave during the run: no run survives, nothing is stored, the title is back once.
        play->Command1->click();
        drive::Settle();
        QCOMPARE(g_PlayState, std::int16_t{0});
        QCOMPARE(drive::VisibleTitles(), 1);
        QCOMPARE(Stored(QStringLiteral("HScore_Val_2_1_0")), before);

        CurrentTitle()->Command1->click();
        play = CurrentPlay();
        QVERIFY(play);
        QCOMPARE(g_Level, std::int16_t{1});
        QCOMPARE(g_Stage, std::int16_t{1});
        QCOMPARE(play->lbl_Life->text(), QStringLiteral("5"));
        QCOMPARE(g_PlayState, std::int16_t{0});
        play->close();  // the window's close box: no click sound
        drive::Settle();
        QCOMPARE(drive::VisibleTitles(), 1);
    }

    void leavingDuringAScene_data()
    {
        QTest::addColumn<int>("afterLines");
        QTest::newRow("stage 1 story") << 1;
        QTest::newRow("goal scene") << 100;
    }

    void leavingDuringAScene()
    {
        QFETCH(int, afterLines);
        // A player who presses "タイトルへ" once a given number of lines has been read.
        int read = 0;
        QTimer leaver;
        connect(&leaver, &QTimer::timeout, [&] {
            form_Main* play = CurrentPlay();
            if (!play || g_WaitFlag != 1)
                return;
            if (read == afterLines || play->lbl_Msg->text() == QLatin1String("Stage1 Clear!!")) {
                play->Command1->click();
                return;
            }
            ++read;
            drive::Space(play);
        });
        leaver.start(2);
        const QString before = Stored(QStringLiteral("HScore_Val_1_1_0"));
        const std::int32_t best = g_HScoreVal[1][1][0];
        CurrentTitle()->Command1->click();
        drive::Settle();
        if (afterLines < 4) {
            QVERIFY(CurrentPlay() == nullptr);
            QCOMPARE(drive::VisibleTitles(), 1);
            return;
        }
        form_Main* play = CurrentPlay();
        QVERIFY(play);
        drive::ClickOnMap(*play, play->img_Start[0]->geometry().center());
        Walk(play, Route(1));
        drive::Settle();
        QVERIFY(CurrentPlay() == nullptr);
        QCOMPARE(drive::VisibleTitles(), 1);
        QCOMPARE(Stored(QStringLiteral("HScore_Val_1_1_0")), before);  // a game left mid-scene records nothing
        QCOMPARE(g_HScoreVal[1][1][0], best);
    }

    void versionMessage()
    {
        QCOMPARE(form_Main::VersionText(), QStringLiteral("Pokurimo Ver.1.00"));
        Player player(QStringLiteral("x"));
        CurrentTitle()->Command1->click();
        form_Main* play = CurrentPlay();
        play->timer_Obj1->start();
        QString title, text;
        bool timersRan = false;
        QTimer::singleShot(50, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            title = box->windowTitle();
            text = box->text();
            timersRan = play->timer_Obj1->isActive();
            box->accept();
        });
        play->Command2->click();
        QCOMPARE(title, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
        QCOMPARE(text, QStringLiteral("Pokurimo Ver.1.00"));
        QVERIFY(timersRan);
        QVERIFY(CurrentPlay() == play);
    }

    void theClockRunsOutBehindTheVersionBox()
    {
        // A player who reads every line, and closes the version box only once
        // the clock has run out behind it. The box opens under the pointer,
        // which has not left the map for it: the clock ends the run, not a miss.
        QStringList lines;
        QTimer reader;
        connect(&reader, &QTimer::timeout, [&] {
            if (g_WaitFlag == 1 && CurrentPlay() && !lines.contains(CurrentPlay()->lbl_Msg->text()))
                lines << CurrentPlay()->lbl_Msg->text();
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box && g_WaitFlag == 1)
                box->accept();
            else if (g_WaitFlag == 1 && CurrentPlay())
                drive::Space(CurrentPlay());
        });
        reader.start(5);
        CurrentTitle()->Command2->click();  // さるレベル
        form_Main* play = CurrentPlay();
        QVERIFY(play);
        drive::ClickOnMap(*play, play->img_Start[0]->geometry().center());
        WriteCounter(play->lbl_Life, 1);
        play->lbl_Time->setText(QStringLiteral("1"));
        const QPointer<form_Main> alive(play);
        play->Command2->click();
        drive::Settle();
        QVERIFY(alive.isNull());
        QCOMPARE(drive::VisibleTitles(), 1);
        QVERIFY2(lines.contains(QStringLiteral("うわーん！まにあわなかったー！！")), qPrintable(lines.join(u'|')));
        QVERIFY2(!lines.contains(QStringLiteral("うわーん！")), "opening the box over the map counted as leaving it");
    }

    void rankingFromTheTitle()
    {
        g_RankLevel = 2;
        g_RankStage = 2;
        int shownLevel = 0, shownStage = 0;
        bool level1Checked = false;
        QTimer::singleShot(50, [&] {
            auto* rank = qobject_cast<form_Rank*>(QApplication::activeModalWidget());
            if (!rank)
                return;
            shownLevel = g_RankLevel;
            shownStage = g_RankStage;
            level1Checked = rank->Option1[0]->isChecked();
            rank->cmd_Close->click();
        });
        form_Title* title = CurrentTitle();
        title->Command4->click();
        QCOMPARE(shownLevel, 1);
        QCOMPARE(shownStage, 1);
        QVERIFY(level1Checked);
        QCOMPARE(CurrentTitle(), title);  // still there, unchanged
    }

    void hardLevelRanksTheQuickerRunFirst()
    {
        Player player(QStringLiteral("fast"));
        g_Level = 2;
        g_Stage = 1;
        for (auto& row : g_HScoreVal[2])
            std::fill(std::begin(row), std::end(row), 500);
        const auto easyBest = g_HScoreVal[1][1][0];
        auto* play = new form_Main;
        QVERIFY(play->InitGame());
        play->lbl_Time->setText(QStringLiteral("5"));  // 25 seconds used
        play->CheckRank();
        play->lbl_Time->setText(QStringLiteral("25"));  // 5 seconds used: quicker
        play->CheckRank();
        QCOMPARE(g_HScoreVal[2][1][0], 5);
        QCOMPARE(g_HScoreVal[2][1][1], 25);
        QCOMPARE(g_HScoreVal[2][1][2], 500);
        play->lbl_Time->setText(QStringLiteral("0"));  // 30 seconds used
        play->CheckRank();
        QCOMPARE(g_HScoreVal[2][1][2], 30);
        QCOMPARE(player.recordsEntered, 3);
        QCOMPARE(Stored(QStringLiteral("HScore_Val_2_1_0")), QStringLiteral("5"));
        QCOMPARE(g_HScoreVal[1][1][0], easyBest);  // the other tables are untouched
        delete play;
    }

    void quitting()
    {
        QPointer<form_Title> title = CurrentTitle();
        title->Command3->click();
        drive::Settle();
        QVERIFY(title.isNull());
        QCOMPARE(env.sound.started, QStringList{QStringLiteral("Click")});
    }
};

QTEST_MAIN(TestGameFlow)
#include "tst_game_flow.moc"

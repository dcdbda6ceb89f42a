// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The play screen's layout: where things are, who takes the pointer where
// marks overlap, and that a shown mark never lets a pointer event through.

#include "game/AppFolder.h"
#include "play/PlayScreen.h"
#include "support/TestEnv.h"
#include "title/TitleScreen.h"
#include "widgets/Widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {
QWidget* TopAt(const PlayScreen& play, QPoint mapPoint)
{
    QWidget* w = play.courseMap->surface()->childAt(mapPoint);
    return w ? w : play.courseMap->surface();
}

void ShowStage2Hazards(PlayScreen& play)
{
    for (MapMark* m : play.stage2Hazards())
        m->show();
}

// A point inside both rectangles.
QPoint InBoth(const QWidget* a, const QWidget* b)
{
    const QRect r = a->geometry() & b->geometry();
    return r.isEmpty() ? QPoint(-1, -1) : r.center();
}
}  // namespace

class TestPlayLayout : public QObject {
    Q_OBJECT
    TestEnv env;
    PlayScreen* play = nullptr;

private Q_SLOTS:
    void init()
    {
        play = new PlayScreen(Table(), 1);
        play->setAttribute(Qt::WA_DeleteOnClose, false);
        play->show();
    }
    void cleanup() { delete play; }

    void windowAndStatusColumn()
    {
        QCOMPARE(play->size(), QSize(439, 439));
        QCOMPARE(play->minimumSize(), play->maximumSize());
        QCOMPARE(play->windowTitle(), QStringLiteral("Pokurimo"));
        QVERIFY(!(play->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(play->courseMap->surface()->geometry(), QRect(2, 2, 300, 300));
        QCOMPARE(play->clearPicture->geometry(), QRect(56, 48, 204, 204));
        QVERIFY(play->dialogueText->wordWrap());
        QVERIFY(play->dialogueText->alignment() & Qt::AlignTop);
        QVERIFY(play->timeBox->alignment() & Qt::AlignRight);
        QVERIFY(play->stageBox->text().isEmpty());
        // The longer stage name fits its box on one line.
        QVERIFY(QFontMetrics(play->stageBox->font()).horizontalAdvance(QStringLiteral("STAGE２・アメリカ")) <=
                play->stageBox->contentsRect().width());
        QVERIFY(play->nextHint->isVisible());
        QVERIFY(play->clearPicture->isHidden());
        QVERIFY(play->dialogueText->font().bold());
    }

    void storesLieOutsideTheWindow()
    {
        const QRect client = play->rect();
        QVERIFY(!client.intersects(play->focusKeeper->geometry()));
        QVERIFY(!play->focusKeeper->testAttribute(Qt::WA_InputMethodEnabled));
        QCOMPARE(play->heroIcon().size(), QSize(32, 32));
        // The planks carry the very picture that marks a plank.
        for (int i = 0; i < 3; ++i)
            QCOMPARE(play->bridgePieces[static_cast<std::size_t>(i)]->picture().cacheKey(),
                     play->plankPicture().cacheKey());
    }

    void marksLieWhereTheCourseHasThem()
    {
        for (int i = 0; i < marks::kCheckpointCount; ++i)
            QCOMPARE(play->checkpoints[static_cast<std::size_t>(i)]->geometry(), marks::kCheckpointAreas[i].px());
        for (MapMark* m : play->leftLaneTaxis)
            QCOMPARE(m->size(), m->picture().size());
    }

    void timersStartSwitchedOff()
    {
        QVERIFY(!play->session()->clockRunning());
        QVERIFY(!play->session()->hazardsMoving());
    }

    void stackingDecidesWhoTakesThePointer_data()
    {
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("lower");
        const QList<QPair<const char*, const char*>> overlaps = {
            {"roadWorks(1)", "leftLaneTaxis(2)"},   {"roadWorks(1)", "checkpoints(10)"},   {"roadWorks(0)", "checkpoints(9)"},
            {"roadWorks(0)", "checkpoints(5)"},    {"rightLaneTaxis(0)", "checkpoints(6)"},    {"checkpoints(17)", "riverStrips(1)"},
            {"checkpoints(17)", "riverStrips(0)"},  {"checkpoints(17)", "checkpoints(1)"},    {"checkpoints(17)", "checkpoints(0)"},
            {"checkpoints(16)", "bridgePieces(0)"}, {"checkpoints(16)", "riverStrips(1)"},  {"checkpoints(16)", "riverStrips(0)"},
            {"bridgePieces(2)", "riverStrips(0)"}, {"bridgePieces(1)", "riverStrips(0)"}, {"bridgePieces(0)", "riverStrips(0)"},
            {"bridgePieces(2)", "checkpoints(1)"},  {"bridgePieces(0)", "checkpoints(4)"},  {"riverStrips(1)", "checkpoints(4)"},
            {"riverStrips(1)", "checkpoints(2)"},   {"riverStrips(1)", "checkpoints(0)"},   {"riverStrips(0)", "checkpoints(4)"},
            {"riverStrips(0)", "checkpoints(1)"},   {"checkpoints(12)", "rain"},      {"rain", "checkpoints(11)"},
            {"rain", "checkpoints(8)"},       {"rain", "checkpoints(7)"},       {"checkpoints(2)", "checkpoints(0)"},
        };
        for (const auto& [upper, lower] : overlaps)
            QTest::addRow("%s over %s", upper, lower) << QString::fromLatin1(upper) << QString::fromLatin1(lower);
    }

    void stackingDecidesWhoTakesThePointer()
    {
        QFETCH(QString, upper);
        QFETCH(QString, lower);
        const bool marksOnly = upper.startsWith(QLatin1String("checkpoints")) && lower.startsWith(QLatin1String("checkpoints"));
        if (!marksOnly)
            ShowStage2Hazards(*play);
        auto* up = play->courseMap->surface()->findChild<MapMark*>(upper);
        auto* low = play->courseMap->surface()->findChild<MapMark*>(lower);
        QVERIFY(up && low);
        const QPoint p = InBoth(up, low);
        QVERIFY2(p.x() >= 0, "the two marks do not overlap");
        QCOMPARE(TopAt(*play, p), up);
        up->hide();  // a hidden mark lets the one below take the pointer
        QWidget* now = TopAt(*play, p);
        QVERIFY(now != up);
        if (now != low)  // something else may lie between: it must be lower than `up` anyway
            QVERIFY(qobject_cast<MapMark*>(now));
    }

    void aShownMarkSwallowsEveryPointerEvent()
    {
        // The bare map reports moves in map pixels, as floats (before the Start click below begins a run).
        QSignalSpy mapMoves(play->courseMap, &MapBox::moved);
        QMouseEvent bare(QEvent::MouseMove, QPointF(150.5, 20.25), QPointF(), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(play->courseMap->surface(), &bare);
        QCOMPARE(mapMoves.count(), 1);
        QCOMPARE(mapMoves[0][2].toFloat(), 150.5f);
        QCOMPARE(mapMoves[0][3].toFloat(), 20.25f);

        MapMark* road = play->roadWorks[0];  // a mark without any handler
        road->show();
        QSignalSpy clicks(play->startZones[0], &MapMark::clicked);
        for (QWidget* target : {static_cast<QWidget*>(road), static_cast<QWidget*>(play->startZones[0]),
                                static_cast<QWidget*>(play->checkpoints[3])}) {
            for (QEvent::Type type : {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                      QEvent::MouseButtonDblClick}) {
                const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
                QMouseEvent e(type, QPointF(3, 3), target->mapToGlobal(QPointF(3, 3)), button,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
                QApplication::sendEvent(target, &e);
            }
        }
        QCOMPARE(mapMoves.count(), 1);  // only the bare map's
        QCOMPARE(clicks.count(), 1);    // press then release on the start zone is a click
    }

    void aDragIsJudgedWhereThePointerIs()
    {
        // The widget under the press keeps the pointer while the button is held;
        // the moves must still reach whatever lies under the pointer.
        QSignalSpy mapMoves(play->courseMap, &MapBox::moved);
        QSignalSpy markMoves(play->checkpoints[3], &MapMark::moved);
        MapMark* start = play->startZones[0];
        auto drag = [](QWidget* grabber, QPoint local) {
            QMouseEvent e(QEvent::MouseMove, QPointF(local), grabber->mapToGlobal(QPointF(local)), Qt::NoButton,
                          Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(grabber, &e);
        };
        drag(start, QPoint(5, 5));  // still inside the start zone: nobody else hears of it
        QCOMPARE(mapMoves.count(), 0);
        drag(start, start->mapFrom(play->courseMap->surface(), QPoint(150, 150)));  // over the bare map
        QCOMPARE(mapMoves.count(), 1);
        QCOMPARE(mapMoves[0][2].toFloat(), 150.0f);
        drag(start, start->mapFrom(play->courseMap->surface(), QPoint(-20, 150)));  // beyond the map's edge
        QCOMPARE(mapMoves.count(), 2);
        QCOMPARE(mapMoves[1][2].toFloat(), -20.0f);
        drag(play->courseMap->surface(), play->checkpoints[3]->geometry().center());  // from the map onto a mark
        QCOMPARE(markMoves.count(), 1);
        QCOMPARE(mapMoves.count(), 2);
    }

    void hiddenHazardsLeaveTheMapBare()
    {
        // Stage 1: where the taxis run in stage 2 there is only the map.
        QCOMPARE(TopAt(*play, QPoint(50, 200)), play->courseMap->surface());
        QCOMPARE(TopAt(*play, QPoint(150, 250)), play->checkpoints[8]->geometry().contains(150, 250)
                                                     ? static_cast<QWidget*>(play->checkpoints[8])
                                                     : play->courseMap->surface());
        QCOMPARE(TopAt(*play, QPoint(120, 60)), play->courseMap->surface());  // under the hidden river
    }

    void titleScreenLayout()
    {
        TitleScreen title(Table());
        title.setAttribute(Qt::WA_DeleteOnClose, false);
        QCOMPARE(title.heroPicture->toolTip(), QStringLiteral("オレはピポだよ、よろしくなっ！"));
        QCOMPARE(title.hardButton->toolTip(), QStringLiteral("時間制限がつくし、当たり判定も厳しくなるぜ"));
        QCOMPARE(title.quitButton->text(), QStringLiteral("おしまい"));
        QVERIFY(title.windowTitle().isEmpty());
        title.show();
        QVERIFY(QTest::qWaitForWindowActive(&title));
        QCOMPARE(QApplication::focusWidget(), title.easyButton);
        QTest::keyClick(title.easyButton, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), title.hardButton);
    }
};

QTEST_MAIN(TestPlayLayout)
#include "tst_play_layout.moc"

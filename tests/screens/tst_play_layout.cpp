// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The play screen's layout: where things are, who takes the pointer where
// marks overlap, and that a shown mark never lets a pointer event through.

#include "game/Module1.h"
#include "screens/Widgets.h"
#include "screens/form_Main.h"
#include "screens/form_Title.h"
#include "support/TestEnv.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {
QWidget* TopAt(const form_Main& play, QPoint mapPoint)
{
    QWidget* w = play.pic_Map->surface()->childAt(mapPoint);
    return w ? w : play.pic_Map->surface();
}

void ShowStage2Hazards(form_Main& play)
{
    for (MapMark* m : play.Stage2Hazards())
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
    form_Main* play = nullptr;

private Q_SLOTS:
    void init()
    {
        Module1::ResetState();  // no run: the map's moves change nothing here
        play = new form_Main;
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
        QCOMPARE(play->pic_Map->geometry(), QRect(0, 0, 304, 304));
        QCOMPARE(play->pic_Map->surface()->geometry(), QRect(2, 2, 300, 300));
        QCOMPARE(play->pic_Clear->geometry(), QRect(56, 48, 204, 204));
        QCOMPARE(play->pic_Chara[0]->geometry(), QRect(304, 304, 134, 134));
        QCOMPARE(play->pic_Chara[0]->contentsRect().size(), QSize(130, 130));
        QCOMPARE(play->lbl_Msg->geometry(), QRect(0, 304, 303, 134));
        QCOMPARE(play->Nextbox->geometry(), QRect(120, 416, 175, 13));
        QCOMPARE(play->lbl_Time->geometry(), QRect(312, 128, 121, 25));
        QCOMPARE(play->Command1->text(), QStringLiteral("タイトルへ"));
        QCOMPARE(play->Command2->text(), QStringLiteral("バージョン"));
        QCOMPARE(play->Command1->geometry(), QRect(312, 264, 121, 33));
        QVERIFY(play->lbl_Msg->wordWrap());
        QVERIFY(play->lbl_Msg->alignment() & Qt::AlignTop);
        QVERIFY(play->lbl_Time->alignment() & Qt::AlignRight);
        QVERIFY(play->lbl_Stage->text().isEmpty());
        // The longer stage name fits its box on one line.
        QVERIFY(QFontMetrics(play->lbl_Stage->font()).horizontalAdvance(QStringLiteral("STAGE２・アメリカ")) <=
                play->lbl_Stage->contentsRect().width());
        QVERIFY(play->Nextbox->isVisible());
        QVERIFY(play->pic_Clear->isHidden());
        QCOMPARE(play->Nextbox->font().pixelSize(), 13);
        QCOMPARE(play->lbl_Msg->font().pixelSize(), 16);
        QVERIFY(play->lbl_Msg->font().bold());
    }

    void storesLieOutsideTheWindow()
    {
        const QRect client = play->rect();
        for (int i = 1; i <= 6; ++i)
            QVERIFY(!client.intersects(play->pic_Chara[static_cast<std::size_t>(i)]->geometry()));
        QVERIFY(!client.intersects(play->img_Pipo->geometry()));
        QVERIFY(!client.intersects(play->Text1->geometry()));
        QVERIFY(play->img_Bridge[3]->isHidden() && play->img_Bridge[4]->isHidden());
        QVERIFY(!play->Text1->testAttribute(Qt::WA_InputMethodEnabled));
        QCOMPARE(play->img_Pipo->pixmap().size(), QSize(32, 32));
        // The planks carry the very picture the store holds.
        for (int i = 0; i < 3; ++i)
            QCOMPARE(play->img_Bridge[static_cast<std::size_t>(i)]->picture().cacheKey(),
                     play->img_Bridge[3]->picture().cacheKey());
    }

    void marksSitAtTheNearestWholePixel()
    {
        QCOMPARE(play->img_Goal[1]->geometry(), QRect(59, 72, 9, 17));
        QCOMPARE(play->img_Road[0]->geometry(), QRect(43, 142, 46, 25));
        QCOMPARE(play->img_Car2[0]->geometry(), QRect(67, 176, 20, 25));
        QCOMPARE(play->img_Msg[10]->geometry(), QRect(88, 259, 9, 17));
        QCOMPARE(play->img_Msg[13]->geometry(), QRect(243, 224, 17, 9));
        QCOMPARE(play->img_Start[1]->geometry(), QRect(128, 112, 41, 25));
        QCOMPARE(play->img_Rain->geometry(), QRect(112, 240, 99, 20));
        for (MapMark* m : play->img_Car1)
            QCOMPARE(m->size(), m->picture().size());
    }

    void timersStartSwitchedOff()
    {
        QCOMPARE(play->timer_Main->interval(), 1000);
        QCOMPARE(play->timer_Obj1->interval(), 300);
        QCOMPARE(play->timer_Obj2->interval(), 800);
        QCOMPARE(play->timer_Obj3->interval(), 1000);
        for (QTimer* t : {play->timer_Main, play->timer_Obj1, play->timer_Obj2, play->timer_Obj3})
            QVERIFY(!t->isActive());
    }

    void stackingDecidesWhoTakesThePointer_data()
    {
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("lower");
        const QList<QPair<const char*, const char*>> overlaps = {
            {"img_Road(1)", "img_Car1(2)"},   {"img_Road(1)", "img_Msg(10)"},   {"img_Road(0)", "img_Msg(9)"},
            {"img_Road(0)", "img_Msg(5)"},    {"img_Car2(0)", "img_Msg(6)"},    {"img_Msg(17)", "img_River(1)"},
            {"img_Msg(17)", "img_River(0)"},  {"img_Msg(17)", "img_Msg(1)"},    {"img_Msg(17)", "img_Msg(0)"},
            {"img_Msg(16)", "img_Bridge(0)"}, {"img_Msg(16)", "img_River(1)"},  {"img_Msg(16)", "img_River(0)"},
            {"img_Bridge(2)", "img_River(0)"}, {"img_Bridge(1)", "img_River(0)"}, {"img_Bridge(0)", "img_River(0)"},
            {"img_Bridge(2)", "img_Msg(1)"},  {"img_Bridge(0)", "img_Msg(4)"},  {"img_River(1)", "img_Msg(4)"},
            {"img_River(1)", "img_Msg(2)"},   {"img_River(1)", "img_Msg(0)"},   {"img_River(0)", "img_Msg(4)"},
            {"img_River(0)", "img_Msg(1)"},   {"img_Msg(12)", "img_Rain"},      {"img_Rain", "img_Msg(11)"},
            {"img_Rain", "img_Msg(8)"},       {"img_Rain", "img_Msg(7)"},       {"img_Msg(2)", "img_Msg(0)"},
        };
        for (const auto& [upper, lower] : overlaps)
            QTest::addRow("%s over %s", upper, lower) << QString::fromLatin1(upper) << QString::fromLatin1(lower);
    }

    void stackingDecidesWhoTakesThePointer()
    {
        QFETCH(QString, upper);
        QFETCH(QString, lower);
        const bool marksOnly = upper.startsWith(QLatin1String("img_Msg")) && lower.startsWith(QLatin1String("img_Msg"));
        if (!marksOnly)
            ShowStage2Hazards(*play);
        auto* up = play->pic_Map->surface()->findChild<MapMark*>(upper);
        auto* low = play->pic_Map->surface()->findChild<MapMark*>(lower);
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
        QSignalSpy mapMoves(play->pic_Map, &MapBox::moved);
        QMouseEvent bare(QEvent::MouseMove, QPointF(150.5, 20.25), QPointF(), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(play->pic_Map->surface(), &bare);
        QCOMPARE(mapMoves.count(), 1);
        QCOMPARE(mapMoves[0][2].toFloat(), 150.5f);
        QCOMPARE(mapMoves[0][3].toFloat(), 20.25f);

        MapMark* road = play->img_Road[0];  // a mark without any handler
        road->show();
        QSignalSpy clicks(play->img_Start[0], &MapMark::clicked);
        for (QWidget* target : {static_cast<QWidget*>(road), static_cast<QWidget*>(play->img_Start[0]),
                                static_cast<QWidget*>(play->img_Msg[3])}) {
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
        QSignalSpy mapMoves(play->pic_Map, &MapBox::moved);
        QSignalSpy markMoves(play->img_Msg[3], &MapMark::moved);
        MapMark* start = play->img_Start[0];
        auto drag = [](QWidget* grabber, QPoint local) {
            QMouseEvent e(QEvent::MouseMove, QPointF(local), grabber->mapToGlobal(QPointF(local)), Qt::NoButton,
                          Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(grabber, &e);
        };
        drag(start, QPoint(5, 5));  // still inside the start zone: nobody else hears of it
        QCOMPARE(mapMoves.count(), 0);
        drag(start, start->mapFrom(play->pic_Map->surface(), QPoint(150, 150)));  // over the bare map
        QCOMPARE(mapMoves.count(), 1);
        QCOMPARE(mapMoves[0][2].toFloat(), 150.0f);
        drag(start, start->mapFrom(play->pic_Map->surface(), QPoint(-20, 150)));  // beyond the map's edge
        QCOMPARE(mapMoves.count(), 2);
        QCOMPARE(mapMoves[1][2].toFloat(), -20.0f);
        drag(play->pic_Map->surface(), play->img_Msg[3]->geometry().center());  // from the map onto a mark
        QCOMPARE(markMoves.count(), 1);
        QCOMPARE(mapMoves.count(), 2);
    }

    void hiddenHazardsLeaveTheMapBare()
    {
        // Stage 1: where the taxis run in stage 2 there is only the map.
        QCOMPARE(TopAt(*play, QPoint(50, 200)), play->pic_Map->surface());
        QCOMPARE(TopAt(*play, QPoint(150, 250)), play->img_Msg[8]->geometry().contains(150, 250)
                                                     ? static_cast<QWidget*>(play->img_Msg[8])
                                                     : play->pic_Map->surface());
        QCOMPARE(TopAt(*play, QPoint(120, 60)), play->pic_Map->surface());  // under the hidden river
    }

    void titleScreenLayout()
    {
        form_Title title;
        title.setAttribute(Qt::WA_DeleteOnClose, false);
        QCOMPARE(title.size(), QSize(357, 190));
        QCOMPARE(title.Command1->geometry(), QRect(8, 96, 89, 41));
        QCOMPARE(title.Command4->geometry(), QRect(8, 152, 89, 33));
        QCOMPARE(title.Command4->font().pixelSize(), 15);
        QCOMPARE(title.Image1->geometry(), QRect(184, 0, 180, 190));
        QCOMPARE(title.Image1->toolTip(), QStringLiteral("オレはピポだよ、よろしくなっ！"));
        QCOMPARE(title.Command2->toolTip(), QStringLiteral("時間制限がつくし、当たり判定も厳しくなるぜ"));
        QCOMPARE(title.Command3->text(), QStringLiteral("おしまい"));
        QVERIFY(title.windowTitle().isEmpty());
        title.show();
        QVERIFY(QTest::qWaitForWindowActive(&title));
        QCOMPARE(QApplication::focusWidget(), title.Command1);
        QTest::keyClick(title.Command1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), title.Command2);
    }
};

QTEST_MAIN(TestPlayLayout)
#include "tst_play_layout.moc"

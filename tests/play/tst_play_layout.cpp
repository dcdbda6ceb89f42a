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

// A described element as the screen should show it.
struct Described {
    QRect rect;
    MapMark* shown;
    QString picture;  // empty: a bare mark
};

// The stage's elements, the bottom of its stacking first, beside the marks the screen built for them.
QList<Described> Elements(const PlayScreen& play, const course::Stage& d)
{
    QList<Described> all;
    for (const course::Stacked& e : d.stacking) {
        const auto i = static_cast<std::size_t>(e.index);
        switch (e.layer) {
        case course::Layer::Start: all.append({d.starts[i].rect, play.startZones[i], {}}); break;
        case course::Layer::Goal: all.append({d.goals[i].rect, play.goalMarks[i], {}}); break;
        case course::Layer::Checkpoint: all.append({d.checkpoints[i].rect, play.checkpoints[i], {}}); break;
        case course::Layer::Cover: all.append({d.covers[i].rect, play.covers[i], d.covers[i].picture}); break;
        case course::Layer::Hazard: {
            const course::Hazard& h = d.hazards[i];
            const std::vector<QRect> pieces = h.pieces.empty() ? std::vector<QRect>{h.rect} : h.pieces;
            for (std::size_t p = 0; p < pieces.size(); ++p)
                all.append({pieces[p], play.hazards[i].marks.at(p), h.picture});
            break;
        }
        }
    }
    return all;
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
    }

    void eachStageShowsWhatItsDescriptionLists_data()
    {
        QTest::addColumn<int>("stage");
        for (int stage = 1; stage <= course::BuiltIn().stageCount(); ++stage)
            QTest::addRow("stage %d", stage) << stage;
    }

    // Every element where the description puts it, with its picture, and
    // wherever two overlap the one higher in its stacking takes the pointer.
    void eachStageShowsWhatItsDescriptionLists()
    {
        QFETCH(int, stage);
        PlayScreen screen(Table(), 1, stage);
        screen.setAttribute(Qt::WA_DeleteOnClose, false);
        screen.show();
        for (MapMark* m : screen.coversAndHazards())
            m->show();
        const QList<Described> elements = Elements(screen, course::BuiltIn().stage(stage));
        QCOMPARE(screen.courseMap->surface()->findChildren<MapMark*>().size(), elements.size());
        for (const Described& e : elements) {
            QVERIFY(e.shown);
            QCOMPARE(e.shown->geometry(), e.rect);
            if (!e.picture.isEmpty())
                QCOMPARE(e.shown->picture().toImage(), QPixmap(e.picture).toImage());
        }
        int overlaps = 0;
        for (const Described& a : elements)
            for (const Described& b : elements) {
                const QRect both = a.rect & b.rect;
                if (&a == &b || both.isEmpty())
                    continue;
                const QPoint p = both.center();
                const auto topmost = std::find_if(elements.crbegin(), elements.crend(), [p](const Described& e) { return e.rect.contains(p); });
                QCOMPARE(TopAt(screen, p), static_cast<QWidget*>(topmost->shown));
                ++overlaps;
            }
        QVERIFY(overlaps > 0);
    }

    void timersStartSwitchedOff()
    {
        QVERIFY(!play->session()->clockRunning());
        QVERIFY(!play->session()->hazardsMoving());
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

        MapMark* road = play->goalMarks[1];  // the other stage's goal: it does nothing with the pointer
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

    void stage1HasNoHazards()
    {
        // Where the taxis run in stage 2 there is only the map.
        QCOMPARE(TopAt(*play, QPoint(50, 200)), play->courseMap->surface());
        QCOMPARE(TopAt(*play, QPoint(150, 250)), play->checkpoints[8]->geometry().contains(150, 250)
                                                     ? static_cast<QWidget*>(play->checkpoints[8])
                                                     : play->courseMap->surface());
        QCOMPARE(TopAt(*play, QPoint(120, 60)), play->courseMap->surface());  // where stage 2's river runs
    }

    void titleScreenLayout()
    {
        TitleScreen title(Shelf());
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

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// A stage being played: the Start click, misses, the clock, checkpoints,
// hazards, and course pictures that cannot be read.

#include "app/Navigator.h"
#include "PlayFixture.h"
#include "game/AppFolder.h"
#include "sound/SoundBackend.h"
#include "support/Drive.h"
#include "widgets/Widgets.h"

#include "game/GhostStore.h"
#include "play/DrawnHero.h"
#include "play/GhostRace.h"
#include "play/GhostView.h"
#include "play/Splits.h"
#include "rules/CourseRules.h"
#include "rules/MapPicture.h"
#include "rules/Practice.h"

#include <QBuffer>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace game;
using namespace scores;
using drive::Centre;

namespace {
const QString kPrompt = QStringLiteral("「スタート」を押してくれよな！");

qint64 Face(const PlayScreen* play)
{
    return Find<PictureBox>(play, "faceBox")->picture().cacheKey();
}

qint64 FaceNo(const PlayScreen* play, int i)
{
    return play->face(static_cast<std::size_t>(i)).cacheKey();
}

// A map point in the play window's pixels.
QPoint OnWindow(const PlayScreen* play, QPoint mapPoint)
{
    return Find<MapBox>(play, "courseMap")->surface()->mapTo(play, mapPoint);
}

// Moves from point to point, one move each, as a hand that follows the road.
void Walk(const PlayScreen& play, std::initializer_list<QPoint> points)
{
    for (QPoint p : points)
        drive::MoveOnMap(play, p);
}

// The drawn hero's hot spot (the icon's centre), in the play window's pixels.
QPoint HeroAt(const PlayScreen* play)
{
    const QRect r = Find<DrawnHero>(play, "drawnHero")->geometry();
    return r.topLeft() + QPoint(r.width() / 2, r.height() / 2);
}

// What a run leaves behind: the ordinary pointer and no icon following it.
bool PointerIsOrdinary(const PlayScreen* play)
{
    return play->cursor().shape() == Qt::ArrowCursor && !Find<DrawnHero>(play, "drawnHero")->running() && Find<DrawnHero>(play, "drawnHero")->isHidden();
}

const QPoint kStart{64, 93};  // where the Start click of stage 1 puts the hand, on the test course's road
constexpr int kRecordScore = 7;

// The first place of the hard stage 1 on the test's course, and its run,
// kept where the game keeps a record run: eastwards along the road.
ghost::GhostRecord KeepRecordRun(std::uint32_t endMs, std::vector<ghost::MarkPassed> marks)
{
    Table().scores(2, 1)[0] = kRecordScore;
    marks.push_back({ghost::kGoalMark, endMs});
    const auto x = static_cast<std::int16_t>(kStart.x()), y = static_cast<std::int16_t>(kStart.y());
    ghost::GhostRecord record{2, 1, kRecordScore, ghost::CourseHash(course::BuiltIn().stage(1)), {{{0, x, y}, {endMs, std::int16_t(x + 100), y}}, marks}, std::nullopt};
    ghost::SaveGhost(Table().group(), record);
    return record;
}

// A split's figure in seconds: "−1.2" is -1.2.
double Seconds(const QString& split)
{
    QString text = split;
    return text.replace(QChar(0x2212), QLatin1Char('-')).remove(QChar(0xB1)).toDouble();
}

// Collects the rectangles a widget repaints.
class PaintLog : public QObject {
public:
    explicit PaintLog(QWidget* w) { w->installEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};
}  // namespace

class TestPlay : public QObject {
    Q_OBJECT
    PlayFixture fx;

    PlayScreen* started(int level, int stage, int lives = 5)
    {
        PlayScreen* play = fx.open(level, stage, lives);
        if (play) {
            drive::ClickOnMap(*play, Centre(MarkOf(play, "startZones", 0)));
            QCoreApplication::processEvents();  // the move of the pointer put on the start point
        }
        return play;
    }

private Q_SLOTS:
    void cleanup()
    {
        fx.env.sound.waitMs = 0;
        fx.close();
    }

    void startClickBeginsARun()
    {
        PlayScreen* play = fx.open(1, 1);
        QVERIFY(play);
        QVERIFY(!play->session()->runUnderWay());
        drive::DoubleClickOnMap(*play, Centre(MarkOf(play, "startZones", 0)));  // a double click is one Start click
        QVERIFY(play->session()->runUnderWay());
        QVERIFY(play->session()->clockRunning());
        QCOMPARE(fx.env.sound.started, QStringList{QStringLiteral("Start")});
        QCOMPARE(Face(play), FaceNo(play, 1));
        QVERIFY(Find<QLabel>(play, "dialogueText")->text().isEmpty());
        // The system pointer is blank and ピポ is drawn on the start point instead.
        QCOMPARE(play->cursor().shape(), Qt::BlankCursor);
        QVERIFY(Find<DrawnHero>(play, "drawnHero")->isVisible());
        QCOMPARE(HeroAt(play), OnWindow(play, play->startPoint(0)));
        QCOMPARE(Find<DrawnHero>(play, "drawnHero")->icon().cacheKey(), play->heroIcon().cacheKey());
        QVERIFY(play->session()->offRoad(0, 0));  // the grid was built
        QVERIFY(!play->session()->offRoad(kOn().x(), kOn().y()));
        // The other stage's zone starts a run too, and a second click keeps the clock's beat.
        drive::ClickOnMap(*play, Centre(MarkOf(play, "startZones", 1)));
        QVERIFY(play->session()->runUnderWay());
        QCOMPARE(play->startPoint(1), QPoint(152, 163));
    }

    void nothingIsTestedBeforeStart()
    {
        PlayScreen* play = fx.open(2, 1);
        drive::MoveOnMap(*play, PlayFixture::kOffRoad);
        drive::MoveOnMap(*play, Centre(MarkOf(play, "checkpoints", 0)));
        drive::MoveOnMap(*play, Centre(MarkOf(play, "goalMarks", 0)));
        QCOMPARE(Find<QLabel>(play, "lifeBox")->text().toInt(), 5);
        QVERIFY(!play->session()->checkpointPassed(0));
        QVERIFY(fx.env.sound.started.isEmpty());
    }

    void aMissCostsALifeAndSendsThePlayerBack()
    {
        PlayScreen* play = started(2, 1, 2);
        QVERIFY(play);
        drive::MoveOnMap(*play, PlayFixture::kOnRoad);
        QVERIFY(play->session()->runUnderWay());
        QTest::qWait(1100);  // one tick of the clock
        QCOMPARE(Find<QLabel>(play, "timeBox")->text(), QStringLiteral("29"));

        drive::MoveOnMap(*play, PlayFixture::kOffRoad);
        QCOMPARE(Find<QLabel>(play, "dialogueText")->text(), QStringLiteral("うわーん！"));
        QCOMPARE(Find<QLabel>(play, "lifeBox")->text(), QStringLiteral("2"));  // not before the line is read
        drive::ClickOnMap(*play, Centre(MarkOf(play, "startZones", 0)));  // ignored while the line waits
        QVERIFY(!play->session()->runUnderWay() && !play->session()->clockRunning());
        drive::Space(play);
        QCOMPARE(fx.env.sound.started.last(), QStringLiteral("Out"));
        QCOMPARE(Find<QLabel>(play, "lifeBox")->text(), QStringLiteral("1"));
        QCOMPARE(Find<QLabel>(play, "timeBox")->text(), QStringLiteral("30"));
        QCOMPARE(Find<QLabel>(play, "dialogueText")->text(), kPrompt);
        QCOMPARE(Face(play), FaceNo(play, 1));
        QVERIFY(PointerIsOrdinary(play));
        QCOMPARE(play->cursor().shape(), Qt::ArrowCursor);

        // The last life: the play screen closes and the title comes back, once.
        drive::ClickOnMap(*play, Centre(MarkOf(play, "startZones", 0)));
        drive::MoveOnMap(*play, QPoint(-4, 93), true);  // dragged out of the map
        drive::Space(play);
        drive::Settle();
        QVERIFY(fx.play.isNull());  // and its run with it
        QCOMPARE(drive::VisibleTitles(), 1);
    }

    void theHeroIsDrawnAtThePointerAboveEverything()
    {
        PlayScreen* play = started(1, 1);
        QVERIFY(play);
        QApplication::processEvents();
        const DrawnHero* hero = Find<DrawnHero>(play, "drawnHero");
        const QImage icon = hero->icon().toImage().convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!icon.isNull());

        // Over the bare map and over a mark alike, only the old and new icon rectangles are repainted.
        for (QPoint to : {PlayFixture::kOnRoad, Centre(MarkOf(play, "checkpoints", 0))}) {
            const QRect before = hero->geometry();
            PaintLog log(Find<MapBox>(play, "courseMap"));
            drive::MoveOnMap(*play, to);
            QCOMPARE(HeroAt(play), OnWindow(play, to));
            QApplication::processEvents();
            const QRegion allowed = QRegion(before.translated(-Find<MapBox>(play, "courseMap")->pos())) +
                                    QRegion(hero->geometry().translated(-Find<MapBox>(play, "courseMap")->pos()));
            QVERIFY(!log.painted.isEmpty());
            QVERIFY2((log.painted - allowed).isEmpty(), "a pointer move repainted more of the map than the icon");
        }

        // On screen the icon's opaque pixels cover whatever lies below.
        const QImage shot = play->grab(hero->geometry()).toImage().convertToFormat(QImage::Format_ARGB32);
        int opaque = 0;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x)
                if (qAlpha(icon.pixel(x, y)) == 255) {
                    ++opaque;
                    QCOMPARE(shot.pixel(x, y), icon.pixel(x, y));
                }
        QVERIFY(opaque > icon.width() * icon.height() / 4);

        // Leaving the window takes the icon away; coming back in (as when
        // a box over the map closes) or moving in brings it back.
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(play, &leave);
        QVERIFY(hero->isHidden());
        const QPoint back = OnWindow(play, Centre(MarkOf(play, "startZones", 0)));
        QEnterEvent enter(back, back, play->mapToGlobal(back));
        QApplication::sendEvent(play, &enter);
        QVERIFY(hero->isVisible());
        QCOMPARE(HeroAt(play), back);
        QApplication::sendEvent(play, &leave);
        drive::MoveOnMap(*play, PlayFixture::kOnRoad);
        QVERIFY(hero->isVisible());
        // A drag carried beyond the window leaves no icon at its edge (and misses).
        drive::MoveOnMap(*play, QPoint(150, 500), true);
        QVERIFY(PointerIsOrdinary(play));
        drive::Space(play);
        QCOMPARE(Find<QLabel>(play, "lifeBox")->text(), QStringLiteral("4"));
    }

    void leavingTheMapIsAMiss()
    {
        PlayScreen* play = started(1, 1);
        QVERIFY(play);
        QApplication::processEvents();
        // The pointer as the window system moves it: onto the road, over a
        // mark (still on the map), then over the status column in one jump.
        QCursor::setPos(play->mapToGlobal(OnWindow(play, PlayFixture::kOnRoad)));
        QApplication::processEvents();
        QCursor::setPos(play->mapToGlobal(OnWindow(play, Centre(MarkOf(play, "checkpoints", 0)))));
        QApplication::processEvents();
        QVERIFY(play->session()->runUnderWay());
        QCursor::setPos(play->mapToGlobal(Find<QLabel>(play, "lifeBox")->geometry().center()));
        QTRY_VERIFY(play->lineWaiting());
        QCOMPARE(Find<QLabel>(play, "dialogueText")->text(), QStringLiteral("うわーん！"));
        drive::Space(play);
        QCOMPARE(Find<QLabel>(play, "lifeBox")->text(), QStringLiteral("4"));
        QVERIFY(PointerIsOrdinary(play));

        // The version box, opened from the keyboard, comes up under the
        // pointer: the hand is still on the map and the run goes on. A hand
        // that left the map while the box was open has left the road.
        const auto versionBoxWhile = [&](QPoint cursorAtClose) {
            QTimer hand;
            connect(&hand, &QTimer::timeout, [&] {
                if (play->lineWaiting()) {
                    drive::Space(play);  // reads a miss
                } else if (auto* box = play->findChild<QMessageBox*>()) {
                    QCursor::setPos(cursorAtClose);
                    box->accept();
                }
            });
            hand.start(5);
            play->showVersion();
            QTRY_VERIFY(!play->findChild<QMessageBox*>());
            QTRY_VERIFY(!play->lineWaiting());
            drive::Settle();
        };
        drive::ClickOnMap(*play, Centre(MarkOf(play, "startZones", 0)));
        QApplication::processEvents();
        QVERIFY(play->session()->runUnderWay());
        versionBoxWhile(QCursor::pos());
        QVERIFY(play->session()->runUnderWay());
        QCOMPARE(Find<QLabel>(play, "lifeBox")->text(), QStringLiteral("4"));
        versionBoxWhile(play->mapToGlobal(Find<QLabel>(play, "lifeBox")->geometry().center()));
        QCOMPARE(Find<QLabel>(play, "lifeBox")->text(), QStringLiteral("3"));

        // Outside a run leaving the map is nothing.
        QCursor::setPos(play->mapToGlobal(OnWindow(play, PlayFixture::kOnRoad)));
        QApplication::processEvents();
        QCursor::setPos(play->mapToGlobal(Find<QLabel>(play, "lifeBox")->geometry().center()));
        QApplication::processEvents();
        QCOMPARE(Find<QLabel>(play, "lifeBox")->text(), QStringLiteral("3"));
        QVERIFY(!play->lineWaiting());
    }

    void everyEndOfARunBringsThePointerBack_data()
    {
        QTest::addColumn<QString>("way");
        for (const char* way : {"miss", "time-up", "goal", "タイトルへ", "close box", "closed behind the version box"})
            QTest::newRow(way) << QString::fromUtf8(way);
    }

    void everyEndOfARunBringsThePointerBack()
    {
        QFETCH(QString, way);
        PlayScreen* play = started(2, 1);
        QVERIFY(play);
        QVERIFY(!PointerIsOrdinary(play));
        // Checked where the run has just ended, before the screen goes.
        if (way == "miss") {
            drive::MoveOnMap(*play, PlayFixture::kOffRoad);
        } else if (way == "time-up") {
            while (play->session()->time() > 0)
                play->session()->tick();
        } else if (way == "goal") {
            Walk(*play, {QPoint(208, 93), QPoint(208, 248), Centre(MarkOf(play, "goalMarks", 0))});
            QVERIFY(play->lineWaiting());  // the meeting
        } else if (way == "タイトルへ") {
            play->backToTitle();
        } else if (way == "close box") {
            play->close();
        } else {
            play->showVersion();
            QVERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
            play->close();
        }
        QVERIFY(PointerIsOrdinary(play));
        if (play->lineWaiting())
            drive::Space(play);
        QVERIFY(!play->session()->runUnderWay());
        if (!fx.play || play->isClosed())
            return;
        // The icon no longer follows the pointer.
        drive::MoveOnMap(*play, PlayFixture::kOnRoad);
        QVERIFY(PointerIsOrdinary(play));
    }

    void marksAreNotTestedAgainstTheRoad()
    {
        PlayScreen* play = started(2, 1);
        // Mark 17 reaches above the road, over background: crossing it up to its top is safe.
        const QRect mark = MarkOf(play, "checkpoints", 17)->geometry();
        const QPoint onTop(mark.center().x(), mark.top() + 1);
        QVERIFY(course::IsOffRoad(play->session()->offRoadGrid(), onTop.x(), onTop.y(), 3));
        Walk(*play, {QPoint(onTop.x(), PlayFixture::kOnRoad.y()), onTop});
        QVERIFY(play->session()->runUnderWay());
        QCOMPARE(Find<QLabel>(play, "lifeBox")->text(), QStringLiteral("5"));
    }

    void aFlickAcrossTheGrassIntoTheGoalIsAMiss()
    {
        PlayScreen* play = started(1, 1);
        QVERIFY(play);
        drive::MoveOnMap(*play, Centre(MarkOf(play, "goalMarks", 0)));  // one move, straight from the start point
        QVERIFY(!fx.env.sound.started.contains(QStringLiteral("Clear")));
        QCOMPARE(Face(play), FaceNo(play, 6));
        drive::Space(play);
        QCOMPARE(Find<QLabel>(play, "lifeBox")->text(), QStringLiteral("4"));
        QCOMPARE(Find<QLabel>(play, "dialogueText")->text(), kPrompt);
        QCOMPARE(play->session()->stage(), 1);
        QVERIFY(PointerIsOrdinary(play));
    }

    void easyClockCountsUpWithoutLimit()
    {
        PlayScreen* play = started(1, 2);
        QCOMPARE(Find<QLabel>(play, "timeBox")->text(), QStringLiteral("0"));
        for (int i = 0; i < 120; ++i)
            play->session()->tick();
        QCOMPARE(Find<QLabel>(play, "timeBox")->text(), QStringLiteral("120"));
        QVERIFY(play->session()->runUnderWay());
    }

    void hardClockRunsOutAtZero()
    {
        PlayScreen* play = started(2, 2);
        QCOMPARE(Find<QLabel>(play, "timeBox")->text(), QStringLiteral("90"));
        while (play->session()->time() > 2)
            play->session()->tick();
        play->session()->tick();
        QCOMPARE(Find<QLabel>(play, "timeBox")->text(), QStringLiteral("1"));
        play->session()->tick();
        QCOMPARE(Find<QLabel>(play, "dialogueText")->text(), QStringLiteral("うわーん！まにあわなかったー！！"));
        QCOMPARE(Find<QLabel>(play, "timeBox")->text(), QStringLiteral("0"));
        drive::Space(play);
        QCOMPARE(Find<QLabel>(play, "timeBox")->text(), QStringLiteral("90"));
        QCOMPARE(Find<QLabel>(play, "lifeBox")->text(), QStringLiteral("4"));
        QVERIFY(!play->session()->clockRunning());
    }

    void aButtonsSoundHoldsTheGameAndItsInput()
    {
        // Nothing of the game runs while a button's click sounds: the button's
        // action comes first, then a tick that fell due, then the player's input, in order.
        PlayScreen* play = started(2, 1);
        play->session()->setTickInterval(5);
        fx.env.sound.waitMs = 60;
        QLabel* time = Find<QLabel>(play, "timeBox");
        const QString before = time->text();
        QStringList seen;
        sound::PlayWave(QStringLiteral("Click"), play, [&] { seen << time->text(); });
        QTest::qWait(30);
        QCOMPARE(time->text(), before);
        QVERIFY(seen.isEmpty());
        QTRY_COMPARE(seen, QStringList{before});
        QTRY_VERIFY(time->text() != before);

        drive::MoveOnMap(*play, PlayFixture::kOffRoad);
        QVERIFY(play->lineWaiting());  // the miss line
        bool lineWaitedForTheSound = false;
        sound::PlayWave(QStringLiteral("Click"), play, [&] { lineWaitedForTheSound = play->lineWaiting(); });
        QTest::keyClick(play->windowHandle(), Qt::Key_Space);
        QTest::mouseClick(play->windowHandle(), Qt::LeftButton, {}, OnWindow(play, Centre(MarkOf(play, "startZones", 0))));
        QVERIFY(play->lineWaiting());
        // The line read, then the Start click on the stage begun again: in that order, or no run.
        QTRY_VERIFY(play->session()->runUnderWay());
        QVERIFY(lineWaitedForTheSound);
        QCOMPARE(Find<QLabel>(play, "lifeBox")->text(), QStringLiteral("4"));

        // One second left: "タイトルへ" leaves, and the clock does not run out behind its click.
        while (play->session()->time() > 1)
            play->session()->tick();
        QSignalSpy lives(play->session(), &GameSession::livesChanged);
        const qsizetype outs = fx.env.sound.started.count(QStringLiteral("Out"));
        const QPointer<PlayScreen> guard(play);
        QTest::mouseClick(Find<QPushButton>(play, "backToTitleButton"), Qt::LeftButton);
        QTRY_VERIFY(!guard || guard->isClosed());
        QTest::qWait(20);
        QCOMPARE(lives.count(), 0);
        QCOMPARE(fx.env.sound.started.count(QStringLiteral("Out")), outs);
    }

    void theSweetShopPausesTheClock()
    {
        PlayScreen* play = started(2, 1);
        drive::MoveOnMap(*play, Centre(MarkOf(play, "checkpoints", 5)));
        QVERIFY(!play->session()->clockRunning());
        QCOMPARE(fx.env.sound.started.last(), QStringLiteral("Okasiya"));
        QCOMPARE(Find<QLabel>(play, "dialogueText")->text(), QStringLiteral("お菓子屋だ！ちょっと一休みしてこーっと"));
        QCOMPARE(Face(play), FaceNo(play, 3));
        drive::MoveOnMap(*play, Centre(MarkOf(play, "checkpoints", 6)));
        QVERIFY(play->session()->clockRunning());
        QCOMPARE(Find<QLabel>(play, "dialogueText")->text(), QStringLiteral("あともう一息だな"));
    }

    void checkpointsSpeakOncePerAttempt()
    {
        PlayScreen* play = started(1, 1);
        drive::MoveOnMap(*play, Centre(MarkOf(play, "checkpoints", 0)));
        QCOMPARE(Find<QLabel>(play, "dialogueText")->text(), QStringLiteral("山道と近道と、どっちに行こうかなぁ"));
        Find<QLabel>(play, "dialogueText")->setText(QStringLiteral("x"));
        drive::MoveOnMap(*play, Centre(MarkOf(play, "checkpoints", 0)));
        QCOMPARE(Find<QLabel>(play, "dialogueText")->text(), QStringLiteral("x"));  // spent

        // The mountain mark calls "Yama" again at every step and never speaks.
        const int before = static_cast<int>(fx.env.sound.started.count(QStringLiteral("Yama")));
        for (int i = 0; i < 3; ++i)
            drive::MoveOnMap(*play, Centre(MarkOf(play, "checkpoints", 1)) + QPoint(i, 0));
        QCOMPARE(static_cast<int>(fx.env.sound.started.count(QStringLiteral("Yama"))), before + 3);
        QVERIFY(!play->session()->checkpointPassed(1));

        // A clearing mark: face 1, empty line.
        drive::MoveOnMap(*play, Centre(MarkOf(play, "checkpoints", 2)));
        QVERIFY(Find<QLabel>(play, "dialogueText")->text().isEmpty());
        QCOMPARE(Face(play), FaceNo(play, 1));

        // After a miss every mark speaks again.
        drive::MoveOnMap(*play, PlayFixture::kOffRoad);
        drive::Space(play);
        QVERIFY(!play->session()->checkpointPassed(0));
        drive::ClickOnMap(*play, Centre(MarkOf(play, "startZones", 0)));
        drive::MoveOnMap(*play, Centre(MarkOf(play, "checkpoints", 0)));
        QCOMPARE(Find<QLabel>(play, "dialogueText")->text(), QStringLiteral("山道と近道と、どっちに行こうかなぁ"));
    }

    void stageTwoMarksSpeakOnStageTwoOnly()
    {
        PlayScreen* play = started(1, 2);
        drive::MoveOnMap(*play, Centre(MarkOf(play, "checkpoints", 0)));
        QVERIFY(Find<QLabel>(play, "dialogueText")->text().isEmpty());
        Walk(*play, {QPoint(208, 93), QPoint(208, 228), Centre(MarkOf(play, "checkpoints", 13))});
        QCOMPARE(Find<QLabel>(play, "dialogueText")->text(), QStringLiteral("何だよこのむちゃくちゃ高い山はー！"));
        QCOMPARE(fx.env.sound.started.last(), QStringLiteral("Yama"));
        QCOMPARE(Face(play), FaceNo(play, 2));
    }

    void unreadableCoursePicturesAreReported_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("remove");
        QTest::newRow("missing") << QByteArray() << true;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("not a picture") << QByteArray("this is not a course") << false;
        QFile good(QStringLiteral(POKURIMO_APP_FOLDER "/dat/map1.dat"));
        good.open(QIODevice::ReadOnly);
        QTest::newRow("truncated") << good.read(good.size() / 3) << false;
        QImage wrongSize(200, 300, QImage::Format_RGB32);
        wrongSize.fill(Qt::green);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        wrongSize.save(&buffer, "BMP");
        QTest::newRow("200 x 300") << bytes << false;
    }

    void unreadableCoursePicturesAreReported()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, remove);
        QFile file(fx.mapFile(1));
        if (remove) {
            QVERIFY(file.remove());
        } else {
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(content);
            file.close();
        }
        QVERIFY(fx.open(1, 1) == nullptr);
        QVERIFY(fx.notices.isEmpty());  // told over the title, once it is back
        Nav().showTitle();
        QCOMPARE(fx.notices.size(), 1);
        QVERIFY2(fx.notices[0].contains(QStringLiteral("map1.dat")), qPrintable(fx.notices[0]));
        PlayFixture::WriteCourse(fx.mapFile(1));
    }

    void aCoursePictureIsReadByContentNotName()
    {
        QImage img(QStringLiteral(POKURIMO_APP_FOLDER "/dat/map2.dat"));
        QVERIFY(img.save(fx.mapFile(2), "PNG"));
        PlayScreen* play = fx.open(1, 2);
        QVERIFY(play);
        drive::ClickOnMap(*play, Centre(MarkOf(play, "startZones", 1)));
        course::MapGrid expected{};
        QVERIFY(course::BuildGridPerPixel(img, expected));
        QVERIFY(play->session()->offRoadGrid() == expected);
    }

    // --- The ghost of the record run and the splits ---

    void theGhostFollowsTheRecordRunAndTouchesNothing()
    {
        KeepRecordRun(1000, {});
        PlayScreen* play = started(2, 1);
        const GhostRace* race = play->ghostRace();
        QVERIFY(race->record());
        QVERIFY(Find<GhostView>(play, "ghost")->isVisible());
        QVERIFY(Find<GhostView>(play, "ghost")->hotSpot().x() - kStart.x() < 20);  // just off the sign
        play->ghostRace()->showAt(500);
        QCOMPARE(Find<GhostView>(play, "ghost")->hotSpot(), kStart + QPoint(50, 0));  // halfway along the record's way
        // The hand passes through the ghost: it is the road's, not the ghost's.
        QVERIFY(drive::ReceiverAt(*play, Find<GhostView>(play, "ghost")->hotSpot()) != Find<GhostView>(play, "ghost"));
        drive::MoveOnMap(*play, kStart + QPoint(50, 0));
        QVERIFY(play->session()->runUnderWay());
        play->ghostRace()->showAt(1001);
        QVERIFY(Find<GhostView>(play, "ghost")->isHidden());  // the record run is home

        // Turned off, it stays off on the next screen, and on again when asked.
        Find<QCheckBox>(play, "ghostToggle")->click();
        QVERIFY(Find<GhostView>(play, "ghost")->isHidden());
        fx.close();
        play = started(2, 1);
        QVERIFY(!Find<QCheckBox>(play, "ghostToggle")->isChecked());
        QVERIFY(!play->ghostRace()->record());
        Find<QCheckBox>(play, "ghostToggle")->click();
        drive::ClickOnMap(*play, Centre(MarkOf(play, "startZones", 0)));
        QVERIFY(Find<GhostView>(play, "ghost")->isVisible());
    }

    // Practising from a checkpoint, the record's time there is the ghost's zero.
    void theGhostSetsOffFromWherePracticeBegins()
    {
        const std::vector<int> offered = course::PracticeCheckpoints(course::BuiltIn().stage(1), course::ReadMap(fx.mapFile(1)), 2);
        QVERIFY(!offered.empty());
        KeepRecordRun(1000, {{offered.front(), 400}});
        fx.play = new PlayScreen(Table(), course::BuiltIn(), 2, 1, 5, game::RunMode::Practice, nullptr);
        QVERIFY(fx.play->practiseFrom(offered.front()) && fx.play->setUpStage());
        fx.play->show();
        fx.play->session()->clickStart(0);
        QVERIFY(Find<GhostView>(fx.play, "ghost")->hotSpot().x() - (kStart.x() + 40) < 5);  // where the record was at 0.4 s
        fx.play->ghostRace()->showAt(100);
        QCOMPARE(Find<GhostView>(fx.play, "ghost")->hotSpot(), kStart + QPoint(50, 0));
    }

    void splitsShowTimeGainedAndLost()
    {
        KeepRecordRun(9000, {{0, 5000}, {2, 0}});
        PlayScreen* play = started(2, 1);
        const SplitLabel* split = Find<SplitLabel>(play, "split");
        QVERIFY(split->isHidden());
        drive::MoveOnMap(*play, Centre(MarkOf(play, "checkpoints", 0)));  // five seconds before the record
        QVERIFY(split->isVisible());
        QVERIFY(split->gained());
        QVERIFY2(Seconds(split->text()) >= -5.0 && Seconds(split->text()) <= -4.5, qPrintable(split->text()));
        QTest::qWait(400);
        drive::MoveOnMap(*play, Centre(MarkOf(play, "checkpoints", 2)));  // the record was here at once
        QVERIFY(!split->gained());
        QVERIFY2(split->text().startsWith(QLatin1Char('+')) && Seconds(split->text()) >= 0.4, qPrintable(split->text()));
        QCOMPARE(SplitText(-1249), QString(QChar(0x2212)) + QStringLiteral("1.2"));
        QCOMPARE(SplitText(750), QStringLiteral("+0.8"));
    }

    void damagedOrStaleGhostsAreIgnored_data()
    {
        QTest::addColumn<int>("damage");
        QTest::newRow("cut short") << 0;
        QTest::newRow("one byte changed") << 1;
        QTest::newRow("another first place") << 2;
        QTest::newRow("another course") << 3;
    }

    void damagedOrStaleGhostsAreIgnored()
    {
        QFETCH(int, damage);
        ghost::GhostRecord record = KeepRecordRun(1000, {});
        QByteArray bytes = ghost::Encode(record);
        if (damage == 0)
            bytes.chop(7);
        else if (damage == 1)
            bytes[40] = static_cast<char>(bytes[40] ^ 1);
        else if (damage == 2)
            Table().scores(2, 1)[0] = kRecordScore - 1;
        record.courseHash = ghost::CourseHash(course::BuiltIn().stage(2));
        if (damage == 3)
            bytes = ghost::Encode(record);
        QFile file(ghost::GhostFile(Table().group(), 2, 1));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^ghost ignored, .*level2_stage1\\.ghost: ")));
        PlayScreen* play = started(2, 1);
        QVERIFY(play->session()->runUnderWay());
        QVERIFY(!play->ghostRace()->record());
        QVERIFY(Find<GhostView>(play, "ghost")->isHidden());
        drive::MoveOnMap(*play, Centre(MarkOf(play, "checkpoints", 0)));
        QVERIFY(Find<SplitLabel>(play, "split")->isHidden());
    }

private:
    static QPoint kOn() { return PlayFixture::kOnRoad; }
};

QTEST_MAIN(TestPlay)
#include "tst_play.moc"

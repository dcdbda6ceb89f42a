// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The play screen's layout: where things are, that it shows the scene the
// session judges by, and that a shown mark never lets a pointer event through.

#include "game/AppFolder.h"
#include "play/PlayScreen.h"
#include "rules/CoursePack.h"
#include "support/Drive.h"
#include "support/TestEnv.h"
#include "title/TitleScreen.h"
#include "widgets/Widgets.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {
QWidget* TopAt(const PlayScreen& play, QPoint mapPoint)
{
    QWidget* w = Find<MapBox>(&play, "courseMap")->surface()->childAt(mapPoint);
    return w ? w : Find<MapBox>(&play, "courseMap")->surface();
}

// The picture the screen shows for an element of the scene.
MapMark* PictureOf(const PlayScreen& play, const course::SceneElement& e)
{
    const auto i = static_cast<std::size_t>(e.index);
    switch (e.layer) {
    case course::Layer::Start: return MarkOf(&play, "startZones", i);
    case course::Layer::Goal: return MarkOf(&play, "goalMarks", i);
    case course::Layer::Checkpoint: return MarkOf(&play, "checkpoints", i);
    case course::Layer::Cover: return MarkOf(&play, "covers", i);
    case course::Layer::Hazard: return MarkOf(&play, "hazards", i, std::max(e.piece, 0));
    }
    return nullptr;
}

// The first map pixel where the screen shows another element on top than the scene has there.
QString WhereTheyDiffer(const PlayScreen& play)
{
    for (int y = 0; y < course::kMapSize; ++y)
        for (int x = 0; x < course::kMapSize; ++x) {
            const auto e = play.session()->scene().topmostAt({x, y});
            QWidget* shown = TopAt(play, QPoint(x, y));
            QWidget* scene = e ? static_cast<QWidget*>(PictureOf(play, *e)) : Find<MapBox>(&play, "courseMap")->surface();
            if (shown != scene)
                return QStringLiteral("(%1, %2): %3, not %4").arg(x).arg(y).arg(shown->objectName(), scene->objectName());
        }
    return {};
}
}  // namespace

class TestPlayLayout : public QObject {
    Q_OBJECT
    TestEnv env;
    PlayScreen* play = nullptr;
    QTemporaryDir m_starter;  // the pack `pokurimo --new-course` writes: its map shows no signs

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
        QCOMPARE(Find<MapBox>(play, "courseMap")->surface()->geometry(), QRect(2, 2, 300, 300));
        QCOMPARE(Find<PictureBox>(play, "clearPicture")->geometry(), QRect(56, 48, 204, 204));
        QVERIFY(Find<QLabel>(play, "dialogueText")->wordWrap());
        QVERIFY(Find<QLabel>(play, "dialogueText")->alignment() & Qt::AlignTop);
        QVERIFY(Find<QLabel>(play, "timeBox")->alignment() & Qt::AlignRight);
        QVERIFY(Find<QLabel>(play, "stageBox")->text().isEmpty());
        // The longer stage name fits its box on one line.
        QVERIFY(QFontMetrics(Find<QLabel>(play, "stageBox")->font()).horizontalAdvance(QStringLiteral("STAGE２・アメリカ")) <=
                Find<QLabel>(play, "stageBox")->contentsRect().width());
        QVERIFY(Find<ClickLabel>(play, "nextHint")->isVisible());
        QVERIFY(Find<PictureBox>(play, "clearPicture")->isHidden());
        QVERIFY(Find<QLabel>(play, "dialogueText")->font().bold());
    }

    void storesLieOutsideTheWindow()
    {
        const QRect client = play->rect();
        QVERIFY(!client.intersects(Find<QLineEdit>(play, "focusKeeper")->geometry()));
        QVERIFY(!Find<QLineEdit>(play, "focusKeeper")->testAttribute(Qt::WA_InputMethodEnabled));
        QCOMPARE(play->heroIcon().size(), QSize(32, 32));
    }

    void theScreenShowsTheScene_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("stage");
        QCOMPARE(QProcess::execute(QStringLiteral(POKURIMO_APP_FOLDER "/pokurimo"), {QStringLiteral("--new-course"), m_starter.path()}), 0);
        QStringList folders{game::AppFolder(), m_starter.path()};
        for (const QFileInfo& pack : QDir(game::AppFolder() + QStringLiteral("/courses")).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
            folders << pack.filePath();
        for (const QString& folder : folders)
            for (int stage = 1; stage <= course::LoadPack(folder).course.stageCount(); ++stage)
                QTest::addRow("%s stage %d", qPrintable(QFileInfo(folder).fileName()), stage) << folder << stage;
    }

    // Wherever the pointer lies, the screen shows on top the element the scene
    // has there: before the opening, and as the hazards move. Each picture is
    // its element's; a stage whose map shows no signs has START over its own
    // starts and the goal sign over its live goal, drawn to their size.
    void theScreenShowsTheScene()
    {
        QFETCH(QString, folder);
        QFETCH(int, stage);
        const course::Pack pack = course::LoadPack(folder);
        QVERIFY(pack.ok());
        PlayScreen screen(Table(), pack.course, 2, stage);
        screen.setAttribute(Qt::WA_DeleteOnClose, false);
        screen.show();
        QCOMPARE(WhereTheyDiffer(screen), QString());
        screen.session()->startHazards();
        const course::Stage& described = pack.course.stage(stage);
        int signs = 0;
        for (const course::SceneElement& e : screen.session()->scene().elements()) {
            const auto i = static_cast<std::size_t>(e.index);
            const QString picture = e.layer == course::Layer::Cover    ? described.covers.at(i).picture
                                    : e.layer == course::Layer::Hazard ? described.hazards.at(i).picture
                                                                       : QString();
            const bool sign = described.signs == course::Signs::Drawn &&
                              ((e.layer == course::Layer::Start && described.starts.at(i).own) ||
                               (e.layer == course::Layer::Goal && &described.goals.at(i) == described.liveGoal()));
            const MapMark* mark = PictureOf(screen, e);
            if (sign)
                QCOMPARE(mark->picture().size(), mark->size());
            else
                QCOMPARE(mark->picture().toImage(), picture.isEmpty() ? QImage() : QPixmap(picture).toImage());
            signs += sign;
        }
        QCOMPARE(signs > 0, folder == m_starter.path());
        for (int beat = 0; beat < 8; ++beat) {  // long enough for every taxi to come round again
            QCOMPARE(WhereTheyDiffer(screen), QString());
            for (int i = 0; i < 9; ++i)
                for (int period : course::HazardPeriods(described))
                    screen.session()->stepHazards(period);
        }
    }

    void timersStartSwitchedOff()
    {
        QVERIFY(!play->session()->clockRunning());
        QVERIFY(!play->session()->hazardsMoving());
    }


    void aShownMarkSwallowsEveryPointerEvent()
    {
        // The bare map reports moves in map pixels, as floats (before the Start click below begins a run).
        QSignalSpy mapMoves(Find<MapBox>(play, "courseMap"), &MapBox::moved);
        QMouseEvent bare(QEvent::MouseMove, QPointF(150.5, 20.25), QPointF(), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(Find<MapBox>(play, "courseMap")->surface(), &bare);
        QCOMPARE(mapMoves.count(), 1);
        QCOMPARE(mapMoves[0][2].toFloat(), 150.5f);
        QCOMPARE(mapMoves[0][3].toFloat(), 20.25f);

        MapMark* road = MarkOf(play, "goalMarks", 1);  // the other stage's goal: it does nothing with the pointer
        QSignalSpy clicks(MarkOf(play, "startZones", 0), &MapMark::clicked);
        for (QWidget* target : {static_cast<QWidget*>(road), static_cast<QWidget*>(MarkOf(play, "startZones", 0)),
                                static_cast<QWidget*>(MarkOf(play, "checkpoints", 3))}) {
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
        QSignalSpy mapMoves(Find<MapBox>(play, "courseMap"), &MapBox::moved);
        QSignalSpy markMoves(MarkOf(play, "checkpoints", 3), &MapMark::moved);
        MapMark* start = MarkOf(play, "startZones", 0);
        auto drag = [](QWidget* grabber, QPoint local) {
            QMouseEvent e(QEvent::MouseMove, QPointF(local), grabber->mapToGlobal(QPointF(local)), Qt::NoButton,
                          Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(grabber, &e);
        };
        drag(start, QPoint(5, 5));  // still inside the start zone: nobody else hears of it
        QCOMPARE(mapMoves.count(), 0);
        drag(start, start->mapFrom(Find<MapBox>(play, "courseMap")->surface(), QPoint(150, 150)));  // over the bare map
        QCOMPARE(mapMoves.count(), 1);
        QCOMPARE(mapMoves[0][2].toFloat(), 150.0f);
        drag(start, start->mapFrom(Find<MapBox>(play, "courseMap")->surface(), QPoint(-20, 150)));  // beyond the map's edge
        QCOMPARE(mapMoves.count(), 2);
        QCOMPARE(mapMoves[1][2].toFloat(), -20.0f);
        drag(Find<MapBox>(play, "courseMap")->surface(), MarkOf(play, "checkpoints", 3)->geometry().center());  // from the map onto a mark
        QCOMPARE(markMoves.count(), 1);
        QCOMPARE(mapMoves.count(), 2);
    }

    void titleScreenLayout()
    {
        TitleScreen title(Shelf());
        title.setAttribute(Qt::WA_DeleteOnClose, false);
        QCOMPARE(Find<QLabel>(&title, "heroPicture")->toolTip(), QStringLiteral("オレはピポだよ、よろしくなっ！"));
        QCOMPARE(Find<QPushButton>(&title, "hardButton")->toolTip(), QStringLiteral("時間制限がつくし、当たり判定も厳しくなるぜ"));
        QCOMPARE(Find<QPushButton>(&title, "quitButton")->text(), QStringLiteral("おしまい"));
        QVERIFY(title.windowTitle().isEmpty());
        title.show();
        QVERIFY(QTest::qWaitForWindowActive(&title));
        QCOMPARE(QApplication::focusWidget(), Find<QPushButton>(&title, "easyButton"));
        QTest::keyClick(Find<QPushButton>(&title, "easyButton"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Find<QPushButton>(&title, "hardButton"));
    }
};

QTEST_MAIN(TestPlayLayout)
#include "tst_play_layout.moc"

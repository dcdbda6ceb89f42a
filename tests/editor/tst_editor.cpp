// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The course editor, driven as a maker drives it: tools chosen by their
// actions, strokes and drags on the map, fields typed into, then saved and
// read back by the pack loader and the course checker.

#include "app/Navigator.h"
#include "checker/CheckRun.h"
#include "editor/EditorScreen.h"
#include "editor/LiveCheck.h"
#include "editor/PackDraft.h"
#include "game/AppFolder.h"
#include "game/BuiltInCourse.h"
#include "game/CourseShelf.h"
#include "play/PlayScreen.h"
#include "rules/Practice.h"
#include "support/Drive.h"
#include "rules/CoursePack.h"
#include "rules/MapPicture.h"
#include "support/TestEnv.h"

#include <QAction>
#include <QComboBox>
#include <QApplication>
#include <QDirIterator>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using editor::EditorScreen;
using editor::MapCanvas;

namespace {

using Files = std::map<QString, QByteArray>;

// Every file of a saved pack by its relative name.
Files FilesIn(const QString& folder)
{
    Files files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[QDir(folder).relativeFilePath(path)] = FileBytes(path);
    }
    return files;
}

EditorScreen* OpenEditor(const QString& folder)
{
    Nav().edit(folder);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* screen = qobject_cast<EditorScreen*>(w); screen && screen->isVisible())
            return screen;
    return nullptr;
}

// The canvas's own point for a map pixel, at its zoom.
QPointF OnCanvas(MapCanvas* canvas, QPoint pixel)
{
    return QPointF(pixel) * canvas->zoom() + QPointF(0.5, 0.5);
}

void Mouse(MapCanvas* canvas, QEvent::Type type, QPoint pixel, Qt::KeyboardModifiers modifiers = {})
{
    const QPointF at = OnCanvas(canvas, pixel);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, canvas->mapToGlobal(at), button, type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      modifiers);
    QCoreApplication::sendEvent(canvas, &event);
}

// A drag with the tool `tool` from one map pixel to another, by way of the middle.
void Drag(EditorScreen* screen, const char* tool, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {})
{
    screen->findChild<QAction*>(QLatin1String(tool))->trigger();
    auto* canvas = screen->findChild<MapCanvas*>(QStringLiteral("canvas"));
    Mouse(canvas, QEvent::MouseButtonPress, from, modifiers);
    Mouse(canvas, QEvent::MouseMove, (from + to) / 2, modifiers);
    Mouse(canvas, QEvent::MouseMove, to, modifiers);
    Mouse(canvas, QEvent::MouseButtonRelease, to, modifiers);
}

void Click(EditorScreen* screen, const char* tool, QPoint at)
{
    Drag(screen, tool, at, at);
}

template <typename T>
T* Field(EditorScreen* screen, const char* name)
{
    T* field = screen->findChild<T*>(QLatin1String(name));
    if (!field)
        qWarning("no field %s", name);
    return field;
}

void Type(EditorScreen* screen, const char* name, const QString& text)
{
    auto* edit = Field<QLineEdit>(screen, name);
    edit->setFocus();
    edit->selectAll();
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, text, Qt::NoModifier);  // as an input method gives it
}

// The live check's next answer on the screen.
class CheckAnswers : public QObject {
public:
    explicit CheckAnswers(EditorScreen* screen) : m_check(screen->findChild<editor::LiveCheck*>())
    {
        connect(m_check, &editor::LiveCheck::checked, this, [this](const editor::CheckResult& r) { m_answers.push_back(r); });
    }
    editor::LiveCheck* check() const { return m_check; }
    const std::vector<editor::CheckResult>& all() const { return m_answers; }
    // The next answer, however long the check takes; the test fails on none.
    editor::CheckResult next()
    {
        const std::size_t had = m_answers.size();
        if (!QTest::qWaitFor([&] { return m_answers.size() > had; }, 30000))
            qWarning("the live check gave no answer");
        return m_answers.size() > had ? m_answers.back() : editor::CheckResult{};
    }

private:
    editor::LiveCheck* m_check;
    std::vector<editor::CheckResult> m_answers;
};

PlayScreen* ShownTest()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* play = qobject_cast<PlayScreen*>(w); play && play->isVisible() && !play->isClosed())
            return play;
    return nullptr;
}

// Walks a try from its START sign (at `from`) along `route` to the goal, as a hand moves.
void Walk(PlayScreen* play, QPoint from, const std::vector<QPoint>& route)
{
    drive::ClickOnMap(*play, from);
    for (const QPoint& p : route)
        drive::MoveOnMap(*play, p);
}

// Escape on the try's window, focused as a desktop focuses the window on top.
void Escape(PlayScreen* play)
{
    QApplication::setActiveWindow(play);  // what the window manager does on a desktop
    drive::PressKey(play, Qt::Key_Escape);
    drive::Settle();
}

const course::Stage& FirstStage(const course::Pack& pack)
{
    return pack.course.stages.at(0);
}

}  // namespace

class TestEditor : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnv> m_env;
    QString m_folder;

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<TestEnv>();
        m_folder = CourseShelf::PlayerFolder() + QStringLiteral("/mine");
    }
    void cleanup()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* screen = qobject_cast<EditorScreen*>(w))
                delete screen;
        m_env.reset();
    }

    // The starter pack grows a car and a line by hand, and what is saved is a
    // pack the loader reads whole and the checker proves playable.
    void aPackMadeByHandPlays()
    {
        EditorScreen* screen = OpenEditor(m_folder);
        QVERIFY(screen);
        Drag(screen, "placeCarTool", {250, 60}, {262, 75});
        Click(screen, "placeCheckpointTool", {250, 200});
        Type(screen, "line", QStringLiteral("もうすぐゴール"));
        Type(screen, "lineEnglish", QStringLiteral("Nearly there"));
        // A straight line with Shift from where the last stroke ended.
        Click(screen, "roadWideTool", {100, 150});
        Click(screen, "selectTool", {5, 5});
        screen->findChild<QAction*>(QStringLiteral("roadWideTool"))->trigger();
        auto* canvas = screen->findChild<MapCanvas*>(QStringLiteral("canvas"));
        Mouse(canvas, QEvent::MouseButtonPress, {100, 250}, Qt::ShiftModifier);
        Mouse(canvas, QEvent::MouseButtonRelease, {100, 250}, Qt::ShiftModifier);
        QVERIFY(screen->save());

        const course::Pack pack = course::LoadPack(m_folder);
        QVERIFY2(pack.ok(), qPrintable(pack.problems.join(QLatin1Char('\n'))));
        const course::Stage& stage = FirstStage(pack);
        QCOMPARE(stage.hazards.size(), 1u);
        QCOMPARE(stage.hazards[0].rect, QRect(QPoint(250, 60), QPoint(262, 75)));
        QCOMPARE(stage.checkpoints.back().line.japanese, QStringLiteral("もうすぐゴール"));
        QCOMPARE(stage.checkpoints.back().line.english, QStringLiteral("Nearly there"));
        QCOMPARE(stage.stacking.size(), stage.starts.size() + stage.goals.size() + stage.checkpoints.size() + stage.hazards.size());
        const QImage map = course::ReadMap(stage.map);
        const QRgb grass = map.pixel(0, 0);
        QVERIFY(map.pixel(100, 200) != grass);  // on the line, far from both its ends
        QVERIFY(map.pixel(130, 200) == grass);
        QString said;
        QTextStream out(&said);
        QCOMPARE(coursecheck::RunChecks(map, stage, 1, out, std::chrono::steady_clock::now() + std::chrono::seconds(20)),
                 coursecheck::Verdict::Passes);
    }

    // Each kind of change, saved, then undone and saved again, gives back the
    // pack's files as they were before it, byte for byte.
    void undoingGivesBackTheFiles_data()
    {
        QTest::addColumn<int>("change");
        const char* names[] = {"brush stroke", "bucket fill", "stamp", "new mark", "mark moved", "mark resized", "mark removed",
                               "text typed", "face picked", "story line added", "stage added", "stage duplicated",
                               "stages reordered", "stage removed", "stacking reordered", "hazard kind"};
        for (int i = 0; i < static_cast<int>(std::size(names)); ++i)
            QTest::newRow(names[i]) << i;
    }
    void undoingGivesBackTheFiles()
    {
        QFETCH(int, change);
        EditorScreen* screen = OpenEditor(m_folder);
        Click(screen, "placeCarTool", {150, 100});
        Field<QPushButton>(screen, "addStage")->click();
        screen->findChild<QListWidget*>(QStringLiteral("stageList"))->setCurrentRow(0);
        QVERIFY(screen->save());
        const Files before = FilesIn(m_folder);
        const std::function<void()> changes[] = {
            [&] { Drag(screen, "roadThinTool", {100, 100}, {140, 120}); },
            [&] { Click(screen, "fillTool", {100, 100}); },
            [&] { Click(screen, "stampTool", {100, 100}); },
            [&] { Drag(screen, "placeGoalTool", {100, 100}, {110, 120}); },
            [&] { Drag(screen, "selectTool", {30, 40}, {60, 70}); },
            [&] { Click(screen, "selectTool", {245, 145}); Drag(screen, "selectTool", {239, 139}, {229, 129}); },
            [&] { Click(screen, "selectTool", {245, 145}); screen->findChild<QAction*>(QStringLiteral("removeAction"))->trigger(); },
            [&] { Click(screen, "selectTool", {245, 145}); Type(screen, "line", QStringLiteral("よし")); },
            [&] { Click(screen, "selectTool", {245, 145}); Field<QAbstractButton>(screen, "face4")->click(); },
            [&] { screen->findChild<QTabWidget*>()->setCurrentIndex(2); Field<QPushButton>(screen, "addLine")->click(); },
            [&] { Field<QPushButton>(screen, "addStage")->click(); },
            [&] { Field<QPushButton>(screen, "duplicateStage")->click(); },
            [&] { Field<QPushButton>(screen, "stageDown")->click(); },
            [&] { Field<QPushButton>(screen, "removeStage")->click(); },
            [&] {
                auto* list = Field<QListWidget>(screen, "stacking");
                list->model()->moveRow(QModelIndex(), 0, QModelIndex(), list->count());
                // The move is read once the list has settled.
                QTRY_VERIFY(Field<QAction>(screen, "undoAction")->text().contains(QStringLiteral("重なり")));
            },
            [&] { Click(screen, "selectTool", {152, 102}); Field<QComboBox>(screen, "kind")->setCurrentIndex(1); },
        };
        changes[change]();
        QVERIFY(screen->save());
        QVERIFY2(FilesIn(m_folder) != before, "the change changed nothing saved");
        screen->findChild<QAction*>(QStringLiteral("undoAction"))->trigger();
        QVERIFY(screen->save());
        QVERIFY(FilesIn(m_folder) == before);
        screen->findChild<QAction*>(QStringLiteral("redoAction"))->trigger();
        QVERIFY(screen->save());
        QVERIFY(FilesIn(m_folder) != before);
    }

    // The game's own course is edited as a copy in the player's folder: its
    // maps copied as they are, so the copy plays as the original does.
    void theGamesCourseIsEditedAsACopy()
    {
        EditorScreen* screen = OpenEditor(game::AppFolder());
        QVERIFY(screen);
        QVERIFY(screen->save());
        const QString copy = CourseShelf::PlayerFolder() + QStringLiteral("/pokurimo-copy");
        const course::Pack pack = course::LoadPack(copy);
        QVERIFY2(pack.ok(), qPrintable(pack.problems.join(QLatin1Char('\n'))));
        QCOMPARE(pack.playHash, game::BuiltInPack().playHash);
        QCOMPARE(FileBytes(copy + QStringLiteral("/dat/map2.dat")), FileBytes(game::AppFolder() + QStringLiteral("/dat/map2.dat")));
        QVERIFY(CourseShelf::Folders().contains(copy));
        QVERIFY(FileBytes(game::AppFolder() + QStringLiteral("/course.json")).size() > 0);  // the original untouched
    }

    // A stage without its goal is work in progress: saved, listed with its
    // problem, and opened again in the editor.
    void workInProgressIsSavedAndReopened()
    {
        EditorScreen* screen = OpenEditor(m_folder);
        Click(screen, "selectTool", {30, 250});
        screen->findChild<QAction*>(QStringLiteral("removeAction"))->trigger();
        QVERIFY(screen->save());
        const course::Pack pack = course::LoadPack(m_folder);
        QVERIFY(!pack.ok());
        QVERIFY(pack.readWhole);
        QVERIFY(pack.problems.first().contains(QStringLiteral("goals")));
        QVERIFY(editor::OpenPack(m_folder, m_folder).problem.isEmpty());
    }

    // The live check proves the stage as it is edited: a route on each level
    // while the road holds, none and the problem said once it is cut; a
    // finding about a mark selects the mark.
    void theLiveCheckFollowsTheRoad()
    {
        EditorScreen* screen = OpenEditor(m_folder);
        CheckAnswers answers(screen);
        editor::CheckResult result = answers.next();
        QVERIFY(result.playable);
        const course::Stage starter = editor::OpenPack(m_folder, m_folder).draft.course.stages[0];
        for (const std::vector<QPoint>& route : result.routes) {
            QVERIFY(!route.empty());
            QCOMPARE(route.front(), starter.ownStart()->point);
            QVERIFY(starter.liveGoal()->rect.contains(route.back()));
        }
        QCOMPARE(Field<QLabel>(screen, "checkStatus")->palette().color(QPalette::Window), EditorScreen::kPlayable);

        Drag(screen, "offRoadTool", {235, 100}, {275, 100});  // across the road's right leg
        result = answers.next();
        QVERIFY(!result.playable);
        QVERIFY(result.routes[0].empty() && result.routes[1].empty());
        QVERIFY(!result.findings.empty());
        QCOMPARE(Field<QListWidget>(screen, "problems")->count(), static_cast<int>(result.findings.size()));
        QCOMPARE(Field<QLabel>(screen, "checkStatus")->palette().color(QPalette::Window), EditorScreen::kNotPlayable);

        Field<QAction>(screen, "undoAction")->trigger();
        QVERIFY(answers.next().playable);
        Drag(screen, "selectTool", {245, 145}, {150, 40});  // the checkpoint every way passes, off the road
        result = answers.next();
        const auto aboutIt = std::ranges::find_if(result.findings, [](const editor::Finding& f) { return f.element.has_value(); });
        QVERIFY(aboutIt != result.findings.end());
        screen->findChild<MapCanvas*>()->select(std::nullopt);
        Field<QListWidget>(screen, "problems")->setCurrentRow(static_cast<int>(aboutIt - result.findings.begin()));
        QVERIFY(screen->findChild<MapCanvas*>()->selected()->layer == course::Layer::Checkpoint);
    }

    // A change made while a check runs: that check's answer is dropped, and
    // the one answer given is the change's.
    void aChangeWhileCheckingDropsTheCheck()
    {
        EditorScreen* screen = OpenEditor(m_folder);
        CheckAnswers answers(screen);
        answers.next();
        bool changed = false;
        connect(answers.check(), &editor::LiveCheck::started, screen, [&] {
            if (!std::exchange(changed, true))
                Click(screen, "placeRiverTool", {100, 100});  // the check has just begun on the draft before it
        });
        Click(screen, "placeCarTool", {150, 100});
        const editor::CheckResult result = answers.next();
        QVERIFY(changed);
        QVERIFY(QTest::qWaitFor([&] { return !answers.check()->running(); }, 30000));
        QCOMPARE(answers.all().size(), 2u);  // the first check's, then the river's alone
        QCOMPARE(result.generation, answers.check()->latest());
    }

    // "Test" plays the stage as it stands, unsaved, from its START and from the
    // checkpoint selected, and the hand clears it along the check's own route;
    // Escape brings the editor back as it was, its history with it.
    void testingPlaysTheUnsavedStage()
    {
        EditorScreen* screen = OpenEditor(m_folder);
        CheckAnswers answers(screen);
        Drag(screen, "roadThinTool", {100, 200}, {120, 220});  // painted, not saved
        const editor::CheckResult checked = answers.next();
        const std::vector<QPoint>& route = checked.routes[0];
        QVERIFY(!route.empty());
        const course::Stage stage = editor::OpenPack(m_folder, m_folder).draft.course.stages[0];

        QVERIFY(screen->test());
        PlayScreen* play = ShownTest();
        QVERIFY(play);
        QCOMPARE(play->session()->mode(), game::RunMode::Test);
        QVERIFY(course::ReadMap(play->courseFile()).pixel(110, 210) != course::ReadMap(play->courseFile()).pixel(0, 0));
        Walk(play, stage.ownStart()->rect.center(), route);
        QVERIFY(play->lineWaiting());  // the goal's line
        QCOMPARE(play->session()->lives(), 5);
        Escape(play);
        QVERIFY(!ShownTest());

        Click(screen, "selectTool", {245, 145});
        QVERIFY(screen->test());
        play = ShownTest();
        QVERIFY(play);
        const QPoint from = *course::PracticePoint(stage, course::ReadMap(play->courseFile()), 1, 0);
        const auto onward = std::ranges::min_element(route, {}, [from](QPoint p) { return (p - from).manhattanLength(); });
        Walk(play, from, std::vector<QPoint>(onward, route.end()));
        QVERIFY(play->lineWaiting());
        Escape(play);
        QVERIFY(!ShownTest());
        QVERIFY(screen->isVisible());
        QCOMPARE(screen->findChild<MapCanvas*>()->selected()->layer, course::Layer::Checkpoint);
        QVERIFY(Field<QAction>(screen, "selectTool")->isChecked());
        Field<QAction>(screen, "undoAction")->trigger();  // the stroke, still in the history
        QVERIFY(!Field<QAction>(screen, "undoAction")->isEnabled());
    }

    // Closing with changes not saved asks; "Discard" writes nothing.
    void closingWithChangesAsks()
    {
        QPointer<EditorScreen> screen = OpenEditor(m_folder);
        Click(screen, "placeRainTool", {150, 150});
        screen->close();
        QVERIFY(screen);
        auto* question = screen->findChild<QMessageBox*>(QStringLiteral("unsavedQuestion"));
        QVERIFY(question && question->isVisible());
        question->button(QMessageBox::Discard)->click();
        QTRY_VERIFY(!screen);
        QVERIFY(!QFileInfo::exists(m_folder));
    }
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"

// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The course editor, driven as a maker drives it: tools chosen by their
// actions, strokes and drags on the map, fields typed into, then saved and
// read back by the pack loader and the course checker.

#include "app/Navigator.h"
#include "checker/CheckRun.h"
#include "editor/EditorScreen.h"
#include "editor/PackDraft.h"
#include "game/AppFolder.h"
#include "game/BuiltInCourse.h"
#include "game/CourseShelf.h"
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

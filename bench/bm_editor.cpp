// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The course editor: one brush stroke across the game's own stage 2 map, as
// the hand makes it (a press, forty moves, the release that makes it a step
// of the history), with the road view on, the hazards moving and every
// repaint done. A stroke should never cost a frame.

#include "checker/CheckRun.h"
#include "editor/EditorScreen.h"
#include "editor/LiveCheck.h"
#include "editor/PackDraft.h"
#include "game/AppFolder.h"
#include "rules/CoursePack.h"
#include "rules/MapPicture.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QWindow>
#include <benchmark/benchmark.h>

namespace {

void Send(QWidget* canvas, QEvent::Type type, QPointF at)
{
    QMouseEvent event(type, at, canvas->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &event);
}

void BM_EditorBrushStroke(benchmark::State& state)
{
    const QTemporaryDir scratch;
    qputenv("XDG_DATA_HOME", scratch.path().toLocal8Bit());
    editor::EditorScreen screen(editor::OpenPack(game::AppFolder(), scratch.filePath(QStringLiteral("copy"))));
    screen.setAttribute(Qt::WA_DeleteOnClose, false);
    screen.resize(1270, 760);  // the whole map in view, as on a desktop's screen
    screen.show();
    while (!screen.windowHandle() || !screen.windowHandle()->isExposed())  // painted only once exposed
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    screen.findChild<QListWidget*>(QStringLiteral("stageList"))->setCurrentRow(1);
    screen.findChild<QAction*>(QStringLiteral("roadViewAction"))->setChecked(true);
    screen.findChild<QAction*>(QStringLiteral("roadWideTool"))->trigger();
    auto* canvas = screen.findChild<QWidget*>(QStringLiteral("canvas"));
    const int zoom = canvas->width() / 300;
    for (auto _ : state) {
        Send(canvas, QEvent::MouseButtonPress, QPointF(40, 40) * zoom);
        for (int step = 1; step <= 40; ++step) {
            Send(canvas, QEvent::MouseMove, QPointF(40 + 5 * step, 40 + 4 * step) * zoom);
            canvas->repaint();  // each move shown before the next, as a display at 60 Hz would
        }
        Send(canvas, QEvent::MouseButtonRelease, QPointF(240, 200) * zoom);
        canvas->repaint();
    }
    if (!screen.findChild<QAction*>(QStringLiteral("undoAction"))->isEnabled())
        state.SkipWithError("the strokes left no step to undo: they did not paint");
}
BENCHMARK(BM_EditorBrushStroke)->Unit(benchmark::kMillisecond)->Iterations(20);

// The live check's re-check of the game's own stage 2, moving hazards and all,
// after one stroke of road on its map: what the editor's worker runs.
void BM_EditorRecheck(benchmark::State& state)
{
    const QTemporaryDir scratch;
    const editor::Opened opened = editor::OpenPack(game::AppFolder(), scratch.filePath(QStringLiteral("copy")));
    editor::Draft draft = opened.draft;
    for (auto _ : state) {
        state.PauseTiming();
        {
            QPainter p(&draft.maps[1].pixels);  // a stroke of road, away from the route
            p.setPen(QPen(editor::kRoadColour, 5));
            p.drawLine(5, 5, 25, 15);
        }
        state.ResumeTiming();
        const editor::CheckResult result = editor::CheckDraftStage(draft, opened.place, 1, std::chrono::steady_clock::time_point::max());
        if (!result.playable)
            state.SkipWithError("the game's own stage 2 is not playable after the stroke");
    }
}
BENCHMARK(BM_EditorRecheck)->Unit(benchmark::kMillisecond);

// Beside it, what --check-course does for the same stage: the pack read from
// its files, then the stage proven on both levels and through the hazards.
void BM_CheckCourseStage2(benchmark::State& state)
{
    for (auto _ : state) {
        const course::Pack pack = course::LoadPack(game::AppFolder());
        QString said;
        QTextStream out(&said);
        const course::Stage& stage = pack.course.stage(2);
        if (coursecheck::RunChecks(course::ReadMap(stage.map), stage, 2, out, std::chrono::steady_clock::time_point::max()) !=
            coursecheck::Verdict::Passes)
            state.SkipWithError("the game's own stage 2 does not pass");
    }
}
BENCHMARK(BM_CheckCourseStage2)->Unit(benchmark::kMillisecond);

}  // namespace

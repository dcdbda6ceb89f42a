// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The course editor: one brush stroke across the game's own stage 2 map, as
// the hand makes it (a press, forty moves, the release that makes it a step
// of the history), with the road view on, the hazards moving and every
// repaint done. A stroke should never cost a frame.

#include "editor/EditorScreen.h"
#include "editor/PackDraft.h"
#include "game/AppFolder.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
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

}  // namespace

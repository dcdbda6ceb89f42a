// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "BenchSupport.h"

#include "game/GameSession.h"
#include "play/PlayScreen.h"

#include <QApplication>
#include <QImageReader>
#include <benchmark/benchmark.h>

namespace bench {

QImage LoadCourse(int stage)
{
    QImageReader reader(QStringLiteral(POKURIMO_APP_FOLDER "/dat/map%1.dat").arg(stage));
    reader.setDecideFormatFromContent(true);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

std::unique_ptr<PlayScreen> RunningStage1(benchmark::State& state, HighScoreTable& table, int level)
{
    auto form = std::make_unique<PlayScreen>(table, level, 1, 5);
    if (!form->setUpStage()) {
        state.SkipWithError("the stage 1 course could not be read");
        return nullptr;
    }
    form->show();
    QApplication::processEvents();
    form->session()->clickStart(0);
    QApplication::processEvents();
    return form;
}

}  // namespace bench

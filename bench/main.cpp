// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The micro-benchmarks' entry point: one offscreen application around all of
// them (the widget benchmarks need it), torn down before the process exits.
// Defining main here keeps benchmark_main's own from being linked in.

#include "game/AppFolder.h"
#include "widgets/Look.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    look::RegisterFontSubstitutes();
    game::SetAppFolder(QStringLiteral(POKURIMO_APP_FOLDER));

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

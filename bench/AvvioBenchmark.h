#pragma once

// The main of the benchmarks that drive windows: an offscreen application with the program's
// resources, constants, titles and windows, as at start, then every benchmark of the program.

#include "app/Programma.h"
#include "core/Avvio.h"
#include "core/Modulo.h"

#include <QApplication>

#include <benchmark/benchmark.h>

inline int eseguiBenchmarkFinestre(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CaricaRisorse();
    ImpostaCostanti();
    ImpostaMessaggi();
    RegistraFinestre();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

#pragma once

// The main of the benchmarks that use the program's windows or documents: an offscreen application
// with the program's resources, constants, titles and windows, as at start, documents not opened.

#include "app/Programma.h"
#include "core/Avvio.h"
#include "core/Modulo.h"
#include "platform/word/Word.h"

#include <QApplication>

#include <benchmark/benchmark.h>

inline int eseguiBenchmarkFinestre(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    WordApplication::setOpenAfterSave(false);
    CaricaRisorse();
    ImpostaCostanti();
    ImpostaMessaggi();
    RegistraFinestre();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

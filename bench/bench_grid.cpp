#include "AvvioBenchmark.h"
#include "core/Dati.h"
#include "core/Modulo.h"
#include "core/WindowRegistry.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace {

// A keystroke in the years box of a complete row: the change handler stores the text, recounts,
// sets the hint, computes the row and refreshes the ten grid lines.
void BM_KeystrokeRecomputesTheRow(benchmark::State &state)
{
    auto *dati = WindowRegistry::get<Dati>(QStringLiteral("dati"));
    const QStringList riga = {"200000", "100000", "2", "500", "5"};
    const char *const nomi[] = {"valoremercat_1", "costitotal_1", "ann_1", "superfic_1", "sagg_1"};
    for (int c = 0; c < 5; ++c)
        dati->findChild<QLineEdit *>(QString::fromLatin1(nomi[c]))->setText(riga[c]);
    QLineEdit *anni = dati->findChild<QLineEdit *>(QStringLiteral("ann_1"));
    bool alterna = false;
    for (auto _ : state) {
        anni->setText(alterna ? QStringLiteral("2") : QStringLiteral("2,5"));
        alterna = !alterna;
    }
    benchmark::DoNotOptimize(gValoreArea[1].rawNumber());
}
BENCHMARK(BM_KeystrokeRecomputesTheRow)->Unit(benchmark::kMicrosecond);

// Creating and loading the main data window, as the first click on the splash does.
void BM_LoadTheMainWindow(benchmark::State &state)
{
    for (auto _ : state) {
        WindowRegistry::instance(QStringLiteral("dati"));
        state.PauseTiming();
        WindowRegistry::unload(QStringLiteral("dati"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadTheMainWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return eseguiBenchmarkFinestre(argc, argv);
}

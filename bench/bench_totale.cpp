#include "AvvioBenchmark.h"
#include "core/Dati.h"
#include "core/Modulo.h"
#include "core/WindowRegistry.h"
#include "platform/CommonDialog.h"
#include "platform/MsgBox.h"
#include "report/ArchivioTotale.h"
#include "runtime/ArchiveRecord.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QStringList finestre = {"valore", "costare", QString::fromUtf8("redditività"), "superficie", "capitali",
                              "frontespizio"};

// A whole appraisal of 100 rows with every window filled, saved as a combined archive.
QString preparaArchivio(const QTemporaryDir &cartella)
{
    ArchivioTotale a;
    a.rigaScelta = QStringLiteral("7");
    for (int i = 1; i <= 100; ++i)
        a.righe.append({QString::number(200000 + i * 1000), QStringLiteral("100000"), QStringLiteral("2,5"),
                        QStringLiteral("500"), QStringLiteral("5")});
    a.valore.barre = {0, 7, 8, 6, 9, 5};
    for (int k = 1; k <= 10; ++k) {
        a.valore.tipol[k] = QStringLiteral("ambiente %1").arg(k);
        a.valore.sup[k] = QString::number(10 * k);
        a.valore.ragg[k] = QStringLiteral("100");
    }
    a.valore.costmq = QStringLiteral("1500");
    a.costi.testi = QStringList{"10000", "8000", "200000", "15000"};
    a.costi.tipo = 3;
    a.tempi.testi = QStringList{"75", "140", "624", "62", "29"};
    a.tempi.tipo = 2;
    for (int i = 1; i <= 16; ++i)
        a.costi.cursori[i] = a.tempi.cursori[i] = 625;
    for (int k = 1; k <= 33; ++k)
        a.urbanistica[k] = QString::number(k + 2);
    a.saggi = {500, 1000, 5, QStringLiteral("3")};   // 100 rates
    a.numeroSaggi = 100;
    for (QString &t : a.frontespizio.testi)
        t = QStringLiteral("testo");
    ArchiveWriter writer;
    scriviArchivioTotale(writer, a);
    const QString percorso = cartella.filePath(QStringLiteral("Vantegra-totale-bench"));
    writer.save(percorso, nullptr);
    return percorso;
}

// "...tutti i dati" in the main window: the file read and checked, every analysis window created
// hidden and filled, every derived figure worked out again (100 rates in the rate table).
void BM_ReadTheCombinedArchiveIntoNewWindows(benchmark::State &state)
{
    QTemporaryDir cartella;
    const QString percorso = preparaArchivio(cartella);
    CommonDialog::setHandler([percorso](const CommonDialog::Request &) { return CommonDialog::Reply{true, percorso, 0}; });
    setMessageHandler([](const MessageRecord &) { return int(vb::OK); });
    auto *dati = WindowRegistry::get<Dati>(QStringLiteral("dati"));
    for (auto _ : state) {
        state.PauseTiming();
        for (const QString &nome : finestre)
            WindowRegistry::unload(nome);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
        dati->apritutto_Click();
    }
    benchmark::DoNotOptimize(gValoreArea[100].rawNumber());
}
BENCHMARK(BM_ReadTheCombinedArchiveIntoNewWindows)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return eseguiBenchmarkFinestre(argc, argv);
}

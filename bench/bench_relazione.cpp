#include "AvvioBenchmark.h"
#include "core/Modulo.h"
#include "core/WordExport.h"
#include "report/RelazioneStima.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const char *const opereNomi[] = {" Fondazioni", " Opere in cemento armato fuori terra", " Tombagni e tramezzi",
                                 " Impermeabilizzazioni", " Intonaci e stucchi interni ed esterni",
                                 " Pavimenti e rivestimenti", " Opere in legno", " Opere in ferro",
                                 " Tinteggiature e verniciature", " Impianto idraulico, sanitario e gas",
                                 " Impianto di riscaldamento", " Impianto di condizionamento d'aria",
                                 " Impianto elettrico", " Ascensori", " Impianti vari (antenna, citofono...)",
                                 " Imprevisti e manutenzioni"};

QuadroOpere opere(const QStringList &label2, const QList<bool> &categorie, bool giorni)
{
    QuadroOpere q;
    for (int i = 1; i <= 16; ++i) {
        q.label1[size_t(i)] = QString::fromUtf8(opereNomi[i - 1]);
        q.ris[size_t(i)] = QString::number(giorni ? 10 + i : 12500 * i);
        q.correz[size_t(i)] = QStringLiteral("6,25");
    }
    q.correz[17] = QStringLiteral("100");
    q.tipo = QStringLiteral("medie");
    q.base = giorni ? QStringLiteral("400") : QStringLiteral("200000");
    q.label2 = label2;
    q.categorie = categorie;
    for (int r = 0; r < label2.size(); ++r)
        q.righe << QString::number(giorni ? 30 + r : 1000 * (r + 1));
    q.totale = giorni ? QStringLiteral("730") : QStringLiteral("230000");
    return q;
}

// A full appraisal: ten rooms, the lot's 33 fields, both works tables and a hundred rates.
relazione::DatiRelazione stimaCompleta()
{
    relazione::DatiRelazione d;
    const QStringList testi = {"Ancona (AN)", "Pinocchio", "via dei Mille 12", "Rossi Mario", "Banca Marche",
                               "Ancona", "giovedì, 7 dic 2023", "planimetria, foto"};
    for (int i = 0; i < 8; ++i)
        d.frontespizio.testi[size_t(i)] = testi[i];
    d.studio = QStringLiteral("Studio tecnico geom. Bianchi");
    d.indirizzoStudio = QStringLiteral("corso Garibaldi 1, Ancona");

    const QStringList caratt = {"posizione rispetto all'abitato ", "posizione igienica e ambientale", "statica",
                                "requisiti tecnologici", "distribuzione interna"};
    for (int i = 1; i <= 5; ++i) {
        d.valore.caratt[size_t(i)] = caratt[i - 1];
        d.valore.coeff[size_t(i)] = QStringLiteral("0,8");
    }
    for (int k = 1; k <= 10; ++k) {
        d.valore.tipol[size_t(k)] = QStringLiteral("vano %1").arg(k);
        d.valore.sup[size_t(k)] = QStringLiteral("%1,5").arg(60 + k);
        d.valore.ragg[size_t(k)] = QStringLiteral("100");
        d.valore.suptot[size_t(k)] = QStringLiteral("%1,5").arg(60 + k);
    }
    d.valore.coeffic = QStringLiteral("0,8");
    d.valore.supt = d.valore.superf = QStringLiteral("660");
    d.valore.costmq = QStringLiteral("1500");
    d.volume = QStringLiteral("1500");
    d.superficieLorda = QStringLiteral("500");
    for (int k = 1; k <= 33; ++k)
        d.urban[size_t(k)] = QStringLiteral("dato %1").arg(k);
    for (int i = 1; i <= 19; ++i)
        d.descrive[size_t(i)] = QStringLiteral("campo urbanistico %1").arg(i);
    for (int i = 1; i <= 14; ++i)
        d.dezona[size_t(i)] = QStringLiteral("caratteristica della zona %1").arg(i);

    QStringList costi, tempi;
    QList<bool> classiCosti, classiTempi;
    for (int r = 1; r <= 18; ++r) {
        costi << QStringLiteral("%1) voce di costo").arg(r);
        classiCosti << (r == 1 || r == 8 || r == 12 || r == 18);
    }
    for (int r = 1; r <= 16; ++r) {
        tempi << QStringLiteral("%1) voce di tempo").arg(r);
        classiTempi << (r == 1 || r == 5 || r == 9 || r == 10 || r == 14);
    }
    d.costi = opere(costi, classiCosti, false);
    d.tempi = opere(tempi, classiTempi, true);

    d.minimo = QStringLiteral("1");
    d.massimo = QStringLiteral("25,75");
    d.incremento = QStringLiteral("0,25");
    d.rigaSaggio = QStringLiteral("25");
    for (int i = 1; i <= 100; ++i)
        d.saggi.push_back({990000.0, 230000.0, 2.0, 1000.0, 0.75 + 0.25 * i, 700000.0 - 1000 * i, 700.0 - i});
    d.stima = {990000.0, QStringLiteral("230000"), 2.0, 1000.0, 7.0, 663815.0, 663.82};
    return d;
}

// The whole report: written, its pages counted into the page-count field, saved. Run first once
// on its own (the first report of a run: nothing of it laid out before), then repeated.
void BM_Relazione(benchmark::State &state)
{
    QTemporaryDir cartella;
    WordExport::setCartella(cartella.path());
    const relazione::DatiRelazione dati = stimaCompleta();
    for (auto _ : state) {
        if (!relazione::scrivi(dati))
            state.SkipWithError("save failed");
    }
    WordExport::setCartella(QString());
}
BENCHMARK(BM_Relazione)->Name("BM_RelazionePrimaStampa")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Relazione)->Name("BM_RelazioneCompleta")->Unit(benchmark::kMillisecond);

}   // namespace

int main(int argc, char **argv)
{
    return eseguiBenchmarkFinestre(argc, argv);
}

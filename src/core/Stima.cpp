#include "core/Stima.h"

#include "core/Modulo.h"
#include "runtime/ArchiveRecord.h"

#include <algorithm>
#include <cmath>

namespace {

RowArray *const colonne[] = {&gValoreMercato, &gCostiTotali, &gAnni, &gSuperficie,
                             &gSaggio, &gValoreArea, &gValoreMq};

bool rigaOccupata(int riga)
{
    for (RowArray *c : colonne)
        if ((*c)[riga].present())
            return true;
    return false;
}

} // namespace

ValoreArea calcolaValoreArea(const Variant &vm, const Variant &k, const Variant &a,
                             const Variant &s, const Variant &r)
{
    ValoreArea out;
    const auto ferma = [&out](EsitoCalcolo esito, int termine) {
        out.esito = esito;
        out.termine = termine;
        return out;
    };
    if (a.leading() > LimiteAnni)
        return ferma(EsitoCalcolo::AnniOltreLimite, TermineAnni);
    const std::pair<Termine, const Variant *> guardati[] = {
        {TermineVm, &vm}, {TermineK, &k}, {TermineSaggio, &r}, {TermineSuperficie, &s}};
    for (const auto &[termine, valore] : guardati)
        if (valore->leading() == 0)
            return ferma(EsitoCalcolo::Incompleta, termine);
    const auto nVm = vm.numeric(), nK = k.numeric(), nA = a.numeric(), nS = s.numeric(),
               nR = r.numeric();
    const std::pair<Termine, const std::optional<double> *> letti[] = {
        {TermineVm, &nVm}, {TermineK, &nK}, {TermineAnni, &nA}, {TermineSuperficie, &nS}, {TermineSaggio, &nR}};
    for (const auto &[termine, numero] : letti)
        if (!*numero)
            return ferma(EsitoCalcolo::NonCalcolabile, termine);
    const double potenza = std::pow(1 + *nR / 100, *nA);
    if (potenza == 0 || std::isnan(potenza))   // a rate of -100 % or below
        return ferma(EsitoCalcolo::NonCalcolabile, TermineSaggio);
    if (*nS == 0)
        return ferma(EsitoCalcolo::NonCalcolabile, TermineSuperficie);
    const double va = Int((*nVm - *nK) / potenza);
    const double vaMq = Int(va / *nS * 100 + 0.5) / 100;
    if (!std::isfinite(va))
        return out;
    if (!std::isfinite(vaMq))
        return ferma(EsitoCalcolo::NonCalcolabile, TermineSuperficie);
    out.esito = EsitoCalcolo::Calcolato;
    out.va = va;
    out.vaMq = vaMq;
    return out;
}

EsitoCalcolo ricalcolaRiga(int riga)
{
    if (!RowArray::isRow(riga))
        return EsitoCalcolo::NonCalcolabile;
    const ValoreArea v = calcolaValoreArea(gValoreMercato[riga], gCostiTotali[riga], gAnni[riga],
                                           gSuperficie[riga], gSaggio[riga]);
    if (v.esito == EsitoCalcolo::Calcolato) {
        gValoreArea.set(riga, v.va);
        gValoreMq.set(riga, v.vaMq);
    } else {
        gValoreArea.set(riga, Variant());
        gValoreMq.set(riga, Variant());
    }
    return v.esito;
}

int contaStime()
{
    int n = 0;
    for (int riga = RowArray::FirstRow; riga <= RowArray::LastRow; ++riga)
        if (gValoreMercato[riga].leading() > 0)
            ++n;
    return n;
}

int ultimaRigaUsata()
{
    int ultima = 0;
    for (int riga = RowArray::FirstRow; riga <= RowArray::LastRow; ++riga)
        for (int t = 0; t < 5; ++t)
            if ((*colonne[t])[riga].present())
                ultima = riga;
    return std::max(ultima, contaStime());
}

std::array<Variant, 5> terminiRiga(int riga)
{
    std::array<Variant, 5> termini;
    for (int t = 0; t < 5; ++t)
        termini[t] = (*colonne[t])[riga];
    return termini;
}

bool copiaRiga(int riga)
{
    if (riga <= RowArray::FirstRow || riga >= RowArray::LastRow)
        return false;
    for (RowArray *c : colonne)
        c->set(riga, (*c)[riga - 1]);
    gNumeroStime = contaStime();
    return true;
}

void eliminaRiga(int riga)
{
    if (!RowArray::isRow(riga))
        return;
    const int scelta = rigaSceltaValida();
    if (scelta == riga)
        gRigaScelta = QString();

    int ultima = RowArray::LastRow;
    while (ultima > riga && !rigaOccupata(ultima))
        --ultima;
    for (int k = riga; k < ultima; ++k)
        for (RowArray *c : colonne)
            c->set(k, (*c)[k + 1]);
    for (RowArray *c : colonne)
        c->set(ultima, QString());

    if (scelta > riga && scelta <= ultima)
        gRigaScelta = QString::number(scelta - 1);
    gNumeroStime = contaStime();
}

int rigaSceltaValida()
{
    if (!gRigaScelta.present())
        return 0;
    const auto n = gRigaScelta.numeric();
    // Checked before it becomes a whole number: a file may hold any number here.
    if (!n || *n != std::floor(*n) || *n < RowArray::FirstRow || *n > RowArray::LastRow)
        return 0;
    return static_cast<int>(*n);
}

QString primoDatoMancante()
{
    const double n = gNumeroStime.leading();
    if (!gNumeroStime.present() || n <= 0)
        return QStringLiteral("Digitare almeno i valori di una riga.");
    const int ultima = ultimaRigaUsata();
    for (int i = 1; i <= ultima; ++i)
        for (int t = 0; t < 5; ++t)
            if (!(*colonne[t])[i].present())
                return QStringLiteral("Digitare ") + nomeTermine(t) + " nella riga n." + Str(i) + ".";
    return QString();
}

QString nomeTermine(int termine)
{
    static const char *const nomi[] = {
        "il valore di mercato del fabbricato",
        "i costi totali per la realizzazione del fabbricato",
        "il numero di anni per la redditività del fabbricato",
        "la superficie del terreno",
        "il saggio di rendimento per i capitali industriali",
    };
    return termine >= 0 && termine < 5 ? QString::fromUtf8(nomi[termine]) : QString();
}

void scriviArchivioDati(ArchiveWriter &writer)
{
    const int n = ultimaRigaUsata();
    writer.addNumber(n);
    writer.endRecord();
    for (int i = 1; i <= n; ++i) {
        for (const Variant &termine : terminiRiga(i))
            writer.add(termine);
        writer.add(gRigaScelta);
        writer.endRecord();
    }
}

bool leggiArchivioDati(const ArchiveReader &reader, ArchivioDati &out, QString *motivo)
{
    auto rifiuta = [&](const QString &perche) {
        if (motivo)
            *motivo = perche;
        return false;
    };
    QList<QList<Variant>> righe = reader.records();
    // Blank lines at the end of a file are harmless.
    while (!righe.isEmpty() && righe.last().size() == 1 && righe.last().first().isEmpty())
        righe.removeLast();
    if (righe.isEmpty() || righe.first().size() != 1)
        return rifiuta(QStringLiteral("la prima riga non contiene il numero delle stime"));

    const auto n = righe.first().first().numeric();
    if (righe.first().first().isEmpty() || !n || *n != std::floor(*n) || *n < 0
        || *n > RowArray::LastRow)
        return rifiuta(QStringLiteral("il numero delle stime deve essere un numero intero da 0 a 100"));
    const int numero = static_cast<int>(*n);
    if (righe.size() < numero + 1)
        return rifiuta(QStringLiteral("il file finisce prima delle %1 righe di stima annunciate").arg(numero));
    if (righe.size() > numero + 1)
        return rifiuta(QStringLiteral("il file contiene più righe delle %1 stime annunciate").arg(numero));

    out = ArchivioDati();
    out.numeroStime = numero;
    for (int i = 1; i <= numero; ++i) {
        const QList<Variant> &campi = righe.at(i);
        if (campi.size() != 6)
            return rifiuta(QStringLiteral("la riga %1 non ha i sei campi di una stima").arg(i + 1));
        // Any text is a term (typed, or sent by a detail window, such as a negative total): the
        // reader has already refused what is neither a text nor a number.
        std::array<Variant, 5> termini;
        std::copy_n(campi.cbegin(), 5, termini.begin());
        out.righe.append(termini);
        out.rigaScelta = campi.at(5);
    }
    return true;
}

void applicaArchivioDati(const ArchivioDati &archivio)
{
    for (int riga = RowArray::FirstRow; riga <= RowArray::LastRow; ++riga) {
        if (riga <= archivio.numeroStime) {
            const auto &termini = archivio.righe.at(riga - 1);
            for (int t = 0; t < 5; ++t)
                colonne[t]->set(riga, termini[t]);
            ricalcolaRiga(riga);
        } else {
            for (RowArray *c : colonne)
                c->set(riga, Variant());
        }
    }
    gNumeroStime = contaStime();
    // An empty archive chooses no row: the window shows exactly what the file holds.
    gRigaScelta = archivio.numeroStime > 0 ? archivio.rigaScelta : Variant(QString());
}

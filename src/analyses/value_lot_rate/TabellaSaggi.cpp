#include "analyses/value_lot_rate/TabellaSaggi.h"

#include "core/Stima.h"
#include "runtime/ArchiveRecord.h"

#include <array>
#include <cmath>
#include <optional>

RowArray gSaggiFabbricato;
RowArray gSaggiCosti;
RowArray gSaggiAnni;
RowArray gSaggiSuperficie;
RowArray gSaggiRendimento;
RowArray gSaggiValoreArea;
RowArray gSaggiValoreMq;
Variant gNumeroSaggi;
Variant gRigaSaggio;

namespace {

RowArray *const colonne[] = {&gSaggiFabbricato, &gSaggiCosti, &gSaggiAnni, &gSaggiSuperficie,
                             &gSaggiRendimento, &gSaggiValoreArea, &gSaggiValoreMq};

std::optional<double> finito(const std::optional<double> &valore)
{
    if (valore && std::isfinite(*valore))
        return valore;
    return std::nullopt;
}

struct RigaCalcolata
{
    double saggio = 0;
    double valoreArea = 0;
    double valoreMq = 0;
};

// What the table was last worked out for: the chosen row (0 for none), the terms Vm, K, a, S that
// row held, and the range.
struct Provenienza
{
    bool nota = false;
    int riga = 0;
    std::array<Variant, 4> termini;
    QString minimo, massimo, incremento;
    bool operator==(const Provenienza &) const = default;
};

Provenienza provenienzaTabella;

Provenienza provenienzaAttuale(const QString &minimo, const QString &massimo, const QString &incremento)
{
    Provenienza p;
    p.nota = true;
    p.riga = rigaSceltaValida();
    if (p.riga != 0)
        p.termini = {gValoreMercato[p.riga], gCostiTotali[p.riga], gAnni[p.riga], gSuperficie[p.riga]};
    p.minimo = minimo;
    p.massimo = massimo;
    p.incremento = incremento;
    return p;
}

} // namespace

QString testoPercentuale(int centesimi)
{
    return Variant::single(static_cast<float>(centesimi) / 100.0f).text();
}

int contaSaggi()
{
    int n = 0;
    for (int riga = RowArray::FirstRow; riga <= RowArray::LastRow; ++riga)
        if (gSaggiRendimento[riga].present())
            ++n;
    return n;
}

EsitoSaggi calcolaTabellaSaggi(const QString &minimo, const QString &massimo, const QString &incremento)
{
    if (incremento.isEmpty() || massimo.isEmpty() || minimo.isEmpty())
        return EsitoSaggi::Fermato;
    const int scelta = rigaSceltaValida();
    if (scelta == 0)
        return EsitoSaggi::Fermato;

    const Variant vm = gValoreMercato[scelta];
    const Variant k = gCostiTotali[scelta];
    const Variant a = gAnni[scelta];
    const Variant s = gSuperficie[scelta];
    const auto nVm = finito(vm.numeric());
    const auto nK = finito(k.numeric());
    const auto nA = finito(a.numeric());
    const auto nS = finito(s.numeric());
    const auto rMin = finito(Variant(minimo).numeric());
    const auto rMax = finito(Variant(massimo).numeric());
    const auto rPasso = finito(Variant(incremento).numeric());
    if (!nVm || !nK || !nA || !nS || !rMin || !rMax || !rPasso || *nS == 0)
        return EsitoSaggi::Fermato;

    // Worked out apart first, so that a result that cannot be computed leaves the table whole.
    // The loop always ends: at the latest the hundred-and-first rate cuts it off.
    std::array<RigaCalcolata, MassimoSaggi> righe;
    int n = 0;
    bool troncato = false;
    // Added up, the increments can land a hair above a maximum that a whole number of them
    // reaches (3,18 + 4 x 0,10 gives 3,5800000000000005): such a rate is the maximum and keeps
    // its line. The margin, a millionth of an increment, is far above that rounding and far below
    // any rate the range does not reach.
    const double margine = std::abs(*rPasso) * 1e-6;
    for (double r = *rMin; r <= *rMax + margine; r += *rPasso) {
        if (n == MassimoSaggi) {
            troncato = true;
            break;
        }
        RigaCalcolata &riga = righe[size_t(n)];
        riga.saggio = roundHalfUp2(r);
        riga.valoreArea = Int((*nVm - *nK) / std::pow(1 + riga.saggio / 100, *nA));
        riga.valoreMq = roundHalfUp2(riga.valoreArea / *nS);
        if (!std::isfinite(riga.valoreArea) || !std::isfinite(riga.valoreMq))
            return EsitoSaggi::Fermato;
        ++n;
    }

    for (int i = 1; i <= n; ++i) {
        const RigaCalcolata &riga = righe[size_t(i - 1)];
        gSaggiFabbricato.set(i, vm);
        gSaggiCosti.set(i, k);
        gSaggiAnni.set(i, a);
        gSaggiSuperficie.set(i, s);
        gSaggiRendimento.set(i, riga.saggio);
        gSaggiValoreArea.set(i, riga.valoreArea);
        gSaggiValoreMq.set(i, riga.valoreMq);
    }

    if (!troncato) {
        // The table ends at the first row a term of which has a leading number of 0, that row
        // included; the years are not looked at.
        int ultima = n;
        const bool terminiNulli = vm.leading() == 0 || k.leading() == 0 || s.leading() == 0;
        for (int i = 1; i <= n; ++i) {
            if (terminiNulli || gSaggiRendimento[i].leading() == 0) {
                ultima = i;
                break;
            }
        }
        const Variant vuoto{QString()};
        for (int i = ultima + 1; i <= MassimoSaggi; ++i)
            for (RowArray *c : colonne)
                c->set(i, vuoto);
    }

    gNumeroSaggi = contaSaggi();
    provenienzaTabella = provenienzaAttuale(minimo, massimo, incremento);
    return troncato ? EsitoSaggi::Troncato : EsitoSaggi::Calcolato;
}

bool tabellaDellaRigaScelta(const QString &minimo, const QString &massimo, const QString &incremento)
{
    return provenienzaTabella == provenienzaAttuale(minimo, massimo, incremento)
           && gNumeroSaggi.leading() == contaSaggi();
}

void svuotaTabellaSaggi(const QString &minimo, const QString &massimo, const QString &incremento)
{
    // Values never set stay so: only what the table holds is emptied.
    const Variant vuoto{QString()};
    for (int i = 1; i <= MassimoSaggi; ++i)
        for (RowArray *c : colonne)
            if ((*c)[i].present())
                c->set(i, vuoto);
    if (gNumeroSaggi.present())
        gNumeroSaggi = contaSaggi();
    provenienzaTabella = provenienzaAttuale(minimo, massimo, incremento);
}

void azzeraTabellaSaggi()
{
    for (RowArray *c : colonne)
        c->clear();
    gNumeroSaggi = Variant();
    gRigaSaggio = Variant();
    provenienzaTabella = Provenienza();
}

// --- archive ----------------------------------------------------------------------------------

void scriviArchivioSaggi(ArchiveWriter &writer, const ArchivioSaggi &archivio)
{
    writer.addNumber(archivio.minimo);
    writer.addNumber(archivio.massimo);
    writer.addNumber(archivio.incremento);
    writer.add(archivio.rigaSaggio);
    writer.endRecord();
}

namespace {

bool valoreBarra(const Variant &campo, const BarraSaggio &barra, int &out)
{
    if (!campo.isNumber() || !std::isfinite(campo.rawNumber()))
        return false;
    const double arrotondato = std::nearbyint(campo.rawNumber());   // halves to even
    if (arrotondato < barra.minimo || arrotondato > barra.massimo)
        return false;
    out = static_cast<int>(arrotondato);
    return true;
}

bool rigaTabella(const Variant &campo)
{
    if (campo.isEmpty() || (campo.isText() && campo.rawText().isEmpty()))
        return true;
    const auto n = campo.isText() ? Variant(campo.rawText().trimmed()).numeric() : campo.numeric();
    // Compared as read: a number from a file may lie beyond any whole number.
    return n && *n == std::floor(*n) && *n >= RowArray::FirstRow && *n <= RowArray::LastRow;
}

} // namespace

bool leggiArchivioSaggi(const ArchiveReader &reader, ArchivioSaggi &out, QString *motivo)
{
    const auto rifiuta = [motivo](const char *perche) {
        if (motivo)
            *motivo = QString::fromUtf8(perche);
        return false;
    };
    const auto &righe = reader.records();
    if (righe.isEmpty() || righe.first().size() != 4)
        return rifiuta("non contiene una riga di quattro valori");
    // Only empty lines may follow (an editor may leave one at the end).
    for (qsizetype r = 1; r < righe.size(); ++r)
        for (const Variant &campo : righe[r])
            if (campo.present())
                return rifiuta("contiene più di una riga");

    const QList<Variant> &campi = righe.first();
    ArchivioSaggi letto;
    if (!valoreBarra(campi[0], BarraMinimo, letto.minimo))
        return rifiuta("il saggio minimo non è un numero da 100 a 10000");
    if (!valoreBarra(campi[1], BarraMassimo, letto.massimo))
        return rifiuta("il saggio massimo non è un numero da 100 a 10000");
    if (!valoreBarra(campi[2], BarraIncremento, letto.incremento))
        return rifiuta("l'incremento non è un numero da 1 a 100");
    if (!rigaTabella(campi[3]))
        return rifiuta("la riga scelta non è un numero da 1 a 100");
    letto.rigaSaggio = campi[3];
    out = letto;
    return true;
}

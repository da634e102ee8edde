#include "analyses/value_lot_rate/CalcoloValore.h"

#include "core/Controlli.h"
#include "core/Modulo.h"
#include "runtime/ArchiveRecord.h"

#include <cmath>

std::array<Variant, 6> gCoefficienti;
std::array<Variant, 11> gNomiAmbienti;
Variant gNumeroAmbienti;
std::array<Variant, 11> gSuperficiRagguagliate;

namespace valore {

namespace {

// A text that is no number counts as no term at all; nothing (never set) counts 0.
std::optional<double> lettura(const Variant &v)
{
    const std::optional<double> n = v.numeric();
    if (n && !std::isfinite(*n))
        return std::nullopt;
    return n;
}

// Adds to a running total held as text, the way the boxes keep their totals; a total that would
// overflow stays as it was.
void aggiungi(QString &totale, double termine)
{
    const double somma = parseItalian(totale).value_or(0) + termine;
    if (std::isfinite(somma))
        totale = numberText(somma);
}

QString riga(int n)
{
    return QString::number(n + 1);
}

} // namespace

void azzeraDatiModulo()
{
    gCoefficienti.fill(Variant());
    gNomiAmbienti.fill(Variant());
    gNumeroAmbienti = Variant();
    gSuperficiRagguagliate.fill(Variant());
}

QString testoCoefficiente(int posizione)
{
    const float coefficiente = float(posizione) / 10.0f;
    return numberText(double(coefficiente), 7);
}

QString mediaCoefficienti(const std::array<Variant, 6> &coefficienti)
{
    QString somma = QStringLiteral("0");
    for (int k = 1; k <= Caratteristiche; ++k) {
        const std::optional<double> c = lettura(coefficienti[k]);
        if (!c)
            continue;
        // Half-up rounding to hundredths, taken through the text of 100c + 0.5.
        const double termine = leadingNumber(numberText(100 * *c + 0.5)) / 100;
        aggiungi(somma, termine);
    }
    return numberText(parseItalian(somma).value_or(0) / 5);
}

bool rigaCompleta(const QString &sup, const QString &ragg)
{
    return leadingNumber(ragg) != 0 && leadingNumber(sup) != 0;
}

bool contaNeiTotali(const QString &sup, const QString &ragg)
{
    if (!rigaCompleta(sup, ragg))
        return false;
    // What the entry rule lets through but is no number ("1,,5") counts as nothing; a refused
    // character keeps the row's last accepted values, as the box keeps what was typed.
    return !((RegolaNumerica(sup, false) && !parseItalian(sup))
             || (RegolaNumerica(ragg, true) && !parseItalian(ragg)));
}

QList<int> righeAmbienti(const std::array<QString, 11> &tipol, const std::array<QString, 11> &sup,
                         const std::array<QString, 11> &ragg)
{
    QList<int> righe;
    for (int k = 1; k <= Righe; ++k) {
        if (!tipol[k].isEmpty() || contaNeiTotali(sup[k], ragg[k]))
            righe << k;
    }
    return righe;
}

std::optional<QString> superficieRagguagliata(const QString &sup, const QString &ragg)
{
    const std::optional<double> s = lettura(Variant(sup));
    const std::optional<double> p = lettura(Variant(ragg));
    if (!s || !p)
        return std::nullopt;
    const double ragguagliata = Int(*s * *p + 0.5) / 100;
    if (!std::isfinite(ragguagliata))
        return std::nullopt;
    return numberText(ragguagliata);
}

Totali totali(const std::array<QString, 11> &sup, const std::array<QString, 11> &ragg,
              const std::array<Variant, 11> &superficiDigitate,
              const std::array<Variant, 11> &ragguagliate)
{
    Totali t{QStringLiteral("0"), QStringLiteral("0")};
    for (int k = 1; k <= Righe; ++k) {
        if (!contaNeiTotali(sup[k], ragg[k]))
            continue;
        if (const std::optional<double> s = lettura(superficiDigitate[k]))
            aggiungi(t.supt, *s);
        // Truncated to the hundredth through its 15-digit text, which keeps 0,29 as 0,29.
        if (const std::optional<double> r = lettura(ragguagliate[k]))
            aggiungi(t.superf, leadingNumber(numberText(100 * *r)) / 100);
    }
    return t;
}

std::optional<Stima> stima(const QString &superf, const QString &coeffic, const QString &costmq)
{
    if (superf.isEmpty() || coeffic.isEmpty() || costmq.isEmpty())
        return std::nullopt;
    const std::optional<double> s = lettura(Variant(superf));
    const std::optional<double> c = lettura(Variant(coeffic));
    const std::optional<double> u = lettura(Variant(costmq));
    if (!s || !c || !u)
        return std::nullopt;
    const double v = (*s * *c) * *u;
    if (!std::isfinite(v))
        return std::nullopt;

    Stima out;
    out.stimatotal = numberText(v);
    const QString intero = numberText(Int(v));
    gNumeroDaFormattare = intero;
    FormattaNumero();
    out.valor = QStringLiteral("euro ") + gNumeroFormattato;
    gTestoLettere = QString();
    gNumeroDaScrivere = intero;
    NumeroInLettere();
    out.valoreuro = QStringLiteral("(euro ") + gTestoLettere.text() + QStringLiteral(")");
    return out;
}

QString formatoDueDecimali(const QString &testo)
{
    if (testo.isEmpty())
        return testo;
    const std::optional<double> n = parseItalian(testo);
    if (!n)
        return testo;
    // Under a thousand there is no grouping to take out; beyond, the points go.
    return formatTwoDecimals(*n).remove(QLatin1Char('.'));
}

// ---------------------------------------------------------------------------------------------
// Archive

void scriviArchivio(ArchiveWriter &writer, const Archivio &archivio)
{
    for (int k = 1; k <= Caratteristiche; ++k) {
        writer.addNumber(archivio.barre[k]);
        writer.endRecord();
    }
    for (int k = 1; k <= Righe; ++k) {
        writer.addText(archivio.tipol[k]);
        writer.addText(archivio.sup[k]);
        writer.addText(archivio.ragg[k]);
        writer.endRecord();
    }
    writer.addText(archivio.costmq);
    writer.endRecord();
}

bool leggiArchivio(const QList<QList<Variant>> &records, qsizetype primo, Archivio &out, QString *motivo)
{
    const auto fallisce = [motivo](const QString &perche) {
        if (motivo)
            *motivo = perche;
        return false;
    };
    if (primo < 0 || records.size() - primo < RigheArchivio)
        return fallisce(QStringLiteral("il file finisce prima delle %1 righe del valore del fabbricato").arg(RigheArchivio));

    Archivio letto;
    qsizetype r = primo;
    for (int k = 1; k <= Caratteristiche; ++k, ++r) {
        const QList<Variant> &campi = records[r];
        if (campi.size() != 1 || !campi[0].isNumber())
            return fallisce(QStringLiteral("la riga %1 non contiene la posizione di una barra").arg(riga(int(r))));
        const double posizione = std::nearbyint(campi[0].rawNumber());
        if (!(posizione >= BarraMinima && posizione <= BarraMassima))
            return fallisce(QStringLiteral("la posizione della barra alla riga %1 non è tra 0 e 10").arg(riga(int(r))));
        letto.barre[k] = int(posizione);
    }
    for (int k = 1; k <= Righe; ++k, ++r) {
        const QList<Variant> &campi = records[r];
        if (campi.size() != 3)
            return fallisce(QStringLiteral("la riga %1 non contiene tipologia, superficie e ragguaglio").arg(riga(int(r))));
        // A quoted text as it is, a bare number in its text form, an empty field as "".
        letto.tipol[k] = campi[0].text();
        letto.sup[k] = campi[1].text();
        letto.ragg[k] = campi[2].text();
    }
    const QList<Variant> &prezzo = records[r];
    if (prezzo.size() != 1)
        return fallisce(QStringLiteral("la riga %1 non contiene il costo unitario al mq.").arg(riga(int(r))));
    letto.costmq = prezzo[0].text();

    out = letto;
    return true;
}

bool leggiFileArchivio(const QList<QList<Variant>> &records, Archivio &out, QString *motivo)
{
    qsizetype righe = records.size();
    // Blank lines at the end (an editor's last line end, say) are no data.
    while (righe > RigheArchivio && records[righe - 1].size() == 1 && records[righe - 1][0].isEmpty())
        --righe;
    if (righe != RigheArchivio) {
        if (motivo)
            *motivo = QStringLiteral("ha %1 righe invece di %2").arg(righe).arg(RigheArchivio);
        return false;
    }
    return leggiArchivio(records, 0, out, motivo);
}

}   // namespace valore

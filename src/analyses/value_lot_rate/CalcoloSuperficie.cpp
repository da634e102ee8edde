#include "analyses/value_lot_rate/CalcoloSuperficie.h"

#include "core/Controlli.h"
#include "runtime/ArchiveRecord.h"
#include "runtime/Variant.h"

#include <cmath>

namespace {

// The numeric reading of a box's text; nothing for an empty text or one that is no number.
std::optional<double> numero(const QString &testo)
{
    const std::optional<double> valore = Variant(testo).numeric();
    if (valore && !std::isfinite(*valore))
        return std::nullopt;
    return valore;
}

// The same, where an empty box counts as 0.
std::optional<double> numeroOZero(const QString &testo)
{
    return testo.isEmpty() ? std::optional<double>(0.0) : numero(testo);
}

std::optional<double> prodotto(std::optional<double> a, std::optional<double> b)
{
    if (!a || !b)
        return std::nullopt;
    const double p = *a * *b;
    if (!std::isfinite(p))
        return std::nullopt;
    return p;
}

} // namespace

bool campoNumerico(int campo)
{
    return campo >= 2 && campo <= 16;
}

std::optional<QString> superficieLotto(const QString &lunghezza, const QString &larghezza)
{
    const std::optional<double> s = prodotto(numero(lunghezza), numero(larghezza));
    if (!s)
        return std::nullopt;
    return numberText(*s);
}

Edificabilita stimaEdificabilita(const DatiEdificabilita &d, Edificabilita stima)
{
    const std::optional<double> superficie = numero(d.superficie);

    // 1. Volume by the building index, capped by the maximum volume. Both sides of the cap are
    //    read as numbers, so that a maximum with decimals never raises the volume.
    {
        const std::optional<double> massimo = numero(d.volumeMassimo);
        const std::optional<double> volume = prodotto(numero(d.indice), superficie);
        if (volume && massimo) {
            stima.volume = numberText(*volume);
            if (*massimo < *volume)
                stima.volume = d.volumeMassimo;
        }
    }

    // 2. Cap by coverage and height: only lowers a volume that is there.
    {
        const std::optional<double> coperta = prodotto(numero(d.copertura), superficie);
        const std::optional<double> limite = prodotto(numero(d.altezza), coperta);
        const std::optional<double> volume = numero(stima.volume);
        if (limite && volume && *volume > *limite)
            stima.volume = numberText(*limite);
    }

    // 3. Gross surface at 3 m per floor; 4. nothing buildable below the minimum lot.
    if (leadingNumber(stima.volume) != 0) {
        // A volume that is no number skips only the gross surface, not the minimum-lot rule.
        const std::optional<double> volume = numero(stima.volume);
        const double lorda = volume ? roundHalfUp2(*volume / 3) : 0.0;
        if (volume && std::isfinite(lorda))
            stima.superficieLorda = numberText(lorda);

        const std::optional<double> lotto = numeroOZero(d.superficie);
        const std::optional<double> minimo = numeroOZero(d.lottoMinimo);
        if (lotto && minimo && *lotto < *minimo) {
            stima.volume = QStringLiteral("nessuno");
            stima.superficieLorda = QStringLiteral("nessuna");
        }
    }
    return stima;
}

EsitoControlloUrbanistico controllaCampiUrbanistici(const CampiUrbanistici &campi)
{
    bool qualcuno = false;
    bool tutti = true;
    for (int k = 1; k <= NumeroCampiUrbanistici; ++k) {
        if (campi[k].isEmpty())
            tutti = false;
        else
            qualcuno = true;
    }
    if (!qualcuno)
        return EsitoControlloUrbanistico::NessunDato;
    return tutti ? EsitoControlloUrbanistico::Completo : EsitoControlloUrbanistico::CampoVuoto;
}

QString superficieDaiCampi(const CampiUrbanistici &campi)
{
    const QString &lunghezza = campi[CampoLunghezza];
    const QString &larghezza = campi[CampoLarghezza];
    if (lunghezza.isEmpty() || larghezza.isEmpty() || !RegolaNumerica(larghezza))
        return QString();
    return superficieLotto(lunghezza, larghezza).value_or(QString());
}

std::optional<QString> superficieDaConservare(const CampiUrbanistici &campi, const QString &suplot)
{
    if (suplot == superficieDaiCampi(campi))
        return std::nullopt;
    return suplot;
}

void scriviSuperficieLotto(ArchiveWriter &writer, const std::optional<QString> &superficie)
{
    if (!superficie)
        return;
    writer.addText(*superficie);
    writer.endRecord();
}

void scriviArchivioUrbanistica(ArchiveWriter &writer, const CampiUrbanistici &campi,
                               const std::optional<QString> &superficie)
{
    for (int k = 1; k <= NumeroCampiUrbanistici; ++k) {
        writer.addText(campi[k]);
        writer.endRecord();
    }
    scriviSuperficieLotto(writer, superficie);
}

bool leggiArchivioUrbanistica(const ArchiveReader &reader, CampiUrbanistici &campi, QString *motivo,
                              std::optional<QString> *superficie)
{
    const auto &righe = reader.records();
    qsizetype n = righe.size();
    while (n > NumeroCampiUrbanistici && righe[n - 1].size() == 1 && righe[n - 1][0].isEmpty())
        --n;   // blank lines after the last field
    const auto rifiuta = [motivo](const QString &perche) {
        if (motivo)
            *motivo = perche;
        return false;
    };
    if (n == 0)
        return rifiuta(QStringLiteral("è vuoto"));
    if (n == 1)
        return rifiuta(QStringLiteral("contiene una sola riga invece di %1").arg(NumeroCampiUrbanistici));
    const bool conSuperficie = superficie && n == NumeroCampiUrbanistici + 1;
    if (n != NumeroCampiUrbanistici && !conSuperficie)
        return rifiuta(QStringLiteral("contiene %1 righe invece di %2").arg(n).arg(NumeroCampiUrbanistici));

    CampiUrbanistici letti;
    for (int k = 1; k <= n; ++k) {
        const QList<Variant> &riga = righe[k - 1];
        // A line left blank reads as an empty field; a bare number is never written here.
        if (riga.size() != 1 || riga[0].isNumber())
            return rifiuta(QStringLiteral("la riga %1 non contiene un solo testo tra virgolette").arg(k));
        if (k <= NumeroCampiUrbanistici)
            letti[k] = riga[0].rawText();
    }
    campi = letti;
    if (superficie)
        *superficie = conSuperficie ? std::optional<QString>(righe[n - 1][0].rawText()) : std::nullopt;
    return true;
}

#include "analyses/costs_times/ArchivioOpere.h"

#include "runtime/ArchiveRecord.h"

#include <cmath>

void scriviArchivioOpere(ArchiveWriter &writer, const ArchivioOpere &archivio)
{
    for (const QString &testo : archivio.testi)
        writer.addText(testo);
    writer.add(archivio.tipo);
    writer.endRecord();
    for (int i = 1; i <= opere::NumeroOpere; ++i) {
        writer.addNumber(archivio.cursori[i]);
        writer.endRecord();
    }
}

bool leggiArchivioOpere(QList<QList<Variant>> righe, int numeroTesti, ArchivioOpere &out, QString *motivo)
{
    const auto rifiuta = [motivo](const QString &perche) {
        if (motivo)
            *motivo = perche;
        return false;
    };
    while (righe.size() > RigheArchivioOpere && righe.last().size() == 1 && righe.last().first().isEmpty())
        righe.removeLast();
    if (righe.size() < RigheArchivioOpere)
        return rifiuta(QStringLiteral("il file finisce prima delle %1 righe previste").arg(RigheArchivioOpere));
    if (righe.size() > RigheArchivioOpere)
        return rifiuta(QStringLiteral("il file contiene più delle %1 righe previste").arg(RigheArchivioOpere));

    const QList<Variant> &prima = righe.first();
    if (prima.size() != numeroTesti + 1)
        return rifiuta(QStringLiteral("la prima riga non ha i %1 campi previsti").arg(numeroTesti + 1));
    ArchivioOpere letto;
    for (int t = 0; t < numeroTesti; ++t)
        letto.testi << prima.at(t).text();
    const int tipo = opere::tipoValido(prima.at(numeroTesti));
    if (tipo == 0)
        return rifiuta(QStringLiteral("il tipo di edificio deve essere 1, 2 o 3"));
    letto.tipo = tipo;

    for (int i = 1; i <= opere::NumeroOpere; ++i) {
        const QList<Variant> &riga = righe.at(i);
        const auto valore = riga.size() == 1 && riga.first().present() ? riga.first().numeric() : std::nullopt;
        if (!valore || *valore != std::floor(*valore) || *valore < 0 || *valore > opere::Intero)
            return rifiuta(QStringLiteral("la riga %1 deve contenere la percentuale dell'opera %2 in centesimi, "
                                          "un numero intero da 0 a %3")
                               .arg(i + 1)
                               .arg(i)
                               .arg(opere::Intero));
        letto.cursori[i] = static_cast<int>(*valore);
    }
    out = letto;
    return true;
}

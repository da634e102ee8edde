#include "report/ArchivioFrontespizio.h"

#include "runtime/ArchiveRecord.h"

#include <QLocale>

const std::array<QString, DatiFrontespizio::NumeroTesti> &DatiFrontespizio::nomi()
{
    static const std::array<QString, NumeroTesti> n = {
        QStringLiteral("comune"), QStringLiteral("località"), QStringLiteral("indirizzoimm"),
        QStringLiteral("proprietà"), QStringLiteral("committente"), QStringLiteral("luogo"),
        QStringLiteral("data"), QStringLiteral("allegati")};
    return n;
}

void scriviRecordFrontespizio(ArchiveWriter &writer, const DatiFrontespizio &dati)
{
    for (int i = 0; i < DatiFrontespizio::NumeroTesti; ++i) {
        writer.addText(dati.testi[size_t(i)]);
        if (i == 3 || i == 7)
            writer.endRecord();
    }
}

bool leggiArchivioFrontespizio(const ArchiveReader &reader, DatiFrontespizio &dati, QString *motivo)
{
    const auto fallisce = [motivo](const QString &perche) {
        if (motivo)
            *motivo = perche;
        return false;
    };

    DatiFrontespizio letti;
    int n = 0;
    for (const QList<Variant> &riga : reader.records()) {
        // A line with nothing on it (a blank line at the end, say) holds no field.
        if (riga.size() == 1 && riga.front().isEmpty())
            continue;
        for (const Variant &campo : riga) {
            if (!campo.isText())
                return fallisce(QStringLiteral("contiene dati che non sono testi tra virgolette"));
            if (n < DatiFrontespizio::NumeroTesti)
                letti.testi[size_t(n)] = campo.rawText();
            ++n;
        }
    }
    if (n != DatiFrontespizio::NumeroTesti)
        return fallisce(QStringLiteral("contiene %1 dati invece degli otto testi del frontespizio").arg(n));
    dati = letti;
    return true;
}

QString dataFrontespizio(const QDate &giorno)
{
    // Qt's "MMM" is the abbreviated month ("mm" would be minutes).
    return QLocale(QLocale::Italian, QLocale::Italy).toString(giorno, QStringLiteral("dddd, d MMM yyyy"));
}

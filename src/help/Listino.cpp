#include "help/Listino.h"

#include "runtime/ArchiveRecord.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <optional>

QString Listino::avviso() const
{
    switch (esito) {
    case Esito::Completo:
        return QString();
    case Esito::FileMancante:
        return QStringLiteral("Il listino non si può leggere: il file listino.txt manca o non si può aprire.");
    case Esito::FileDanneggiato:
        return QStringLiteral("Il listino non si può leggere: il file listino.txt è danneggiato.");
    case Esito::ConteggioErrato:
        return QStringLiteral("Listino non letto per intero: in listino.txt il numero dei prodotti non è valido.");
    case Esito::Incompleto:
        return QStringLiteral("Listino non letto per intero: listino.txt annuncia %1 prodotti, ma solo %2 "
                              "sono completi.").arg(dichiarati).arg(conteggio);
    case Esito::TroppiProdotti:
        return QStringLiteral("Listino non letto per intero: listino.txt elenca %1 prodotti, qui si vedono "
                              "i primi %2.").arg(dichiarati).arg(conteggio);
    }
    return QString();
}

Listino LeggiListinoDa(const QByteArray &bytes)
{
    Listino listino;
    ArchiveReader reader;
    // The price list comes with the program, not from a save of it: a last line without its line
    // end is read as it stands, and a list cut short shows the products it still holds whole.
    if (!reader.parse(bytes, nullptr, ArchiveReader::LastLine::MayBeOpen)) {
        listino.esito = Listino::Esito::FileDanneggiato;
        return listino;
    }

    reader.next(listino.anno);
    Variant conteggio;
    // An empty count is no count (an empty field would otherwise read as 0 products).
    const std::optional<double> n =
        reader.next(conteggio) && conteggio.present() ? conteggio.numeric() : std::nullopt;
    if (!n || *n < 0 || *n != std::floor(*n) || *n > 1e9) {
        listino.esito = Listino::Esito::ConteggioErrato;
        return listino;
    }
    listino.dichiarati = int(*n);

    // A product counts only when all four of its fields are there.
    const int daLeggere = std::min(listino.dichiarati, Listino::MassimoProdotti);
    while (listino.conteggio < daLeggere && reader.remaining() >= Listino::Campi) {
        const int i = ++listino.conteggio;
        reader.next(listino.nomi[size_t(i)]);
        reader.next(listino.argomenti[size_t(i)]);
        reader.next(listino.prezzi[size_t(i)]);
        reader.next(listino.offerte[size_t(i)]);
    }

    if (listino.conteggio < daLeggere)
        listino.esito = Listino::Esito::Incompleto;
    else if (listino.dichiarati > Listino::MassimoProdotti)
        listino.esito = Listino::Esito::TroppiProdotti;
    else
        listino.esito = Listino::Esito::Completo;
    return listino;
}

Listino LeggiListino(const QString &path)
{
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return Listino();
    const QByteArray bytes = file.read(ArchiveReader::MaxSize + 1);
    if (file.error() != QFileDevice::NoError)
        return Listino();
    return LeggiListinoDa(bytes);
}

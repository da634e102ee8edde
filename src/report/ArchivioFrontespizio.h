#pragma once

#include <QDate>
#include <QString>
#include <array>

class ArchiveReader;
class ArchiveWriter;

// The cover page's eight texts, in the order of its table, of its archive and of the combined
// archive's last two records: comune, località, indirizzoimm, proprietà (first line),
// committente, luogo, data, allegati (second line).
struct DatiFrontespizio
{
    static constexpr int NumeroTesti = 8;
    std::array<QString, NumeroTesti> testi;

    // The object names of the eight text boxes, in the same order.
    static const std::array<QString, NumeroTesti> &nomi();
    bool operator==(const DatiFrontespizio &) const = default;
};

// Writes the two records: four quoted texts on each line.
void scriviRecordFrontespizio(ArchiveWriter &writer, const DatiFrontespizio &dati);

// Reads a cover archive read whole: eight texts in double quotes, however the lines break
// between them (blank lines are passed over). Anything else (a number, a value never set, fewer
// or more fields) is not a cover archive: false, with the reason in `motivo`, and `dati` as it was.
bool leggiArchivioFrontespizio(const ArchiveReader &reader, DatiFrontespizio &dati, QString *motivo);

// The date the cover page proposes: "dddd, d mmm yyyy" as an Italian reads it
// ("giovedì, 7 dic 2023"), whatever the machine's language.
QString dataFrontespizio(const QDate &giorno);

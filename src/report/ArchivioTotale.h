#pragma once

// The combined archive ("Vantegra-totale-" files): the whole appraisal in one file, written by
// the cover page and read back by the main data window. Thirteen records, N + 87 lines for N
// appraisal rows:
//    1  1 line    the number of rows N, bare; the chosen row as held
//    2  N lines   Vm, K, a, S, r of rows 1 to N, each as held
//    3  5 lines   building value: the five coefficient bars
//    4  10 lines  building value: room type, surface, weighting of each room row
//    5  1 line    building value: unit price
//    6  1 line    costs: technical expenses, urbanisation charges, construction, profit; type
//    7  16 lines  costs: the share slider of each kind of work
//    8  1 line    times: design, permits, construction, land registry, habitability; type
//    9  16 lines  times: the share slider of each kind of work
//   10  33 lines  lot: the 33 fields
//   11  1 line    rate: minimum, maximum, increment bars; number of rates; chosen rate row
//   12  1 line    cover page: municipality, locality, address, owner
//   13  1 line    cover page: client, place, date, annexes
//   14  1 line    lot: the lot surface, only when it is not the one the fields give (typed by
//                 hand); a file without it reads as the lot fields give their surface
// Records 3 to 13 are, field for field, the windows' own archives (the rate record carries the
// number of rates besides), and record 14 is the lot archive's last line. One struct and one pair
// of functions hold the layout, so that the writer and the reader cannot drift apart.

#include "analyses/costs_times/ArchivioOpere.h"
#include "analyses/value_lot_rate/CalcoloSuperficie.h"
#include "analyses/value_lot_rate/CalcoloValore.h"
#include "analyses/value_lot_rate/TabellaSaggi.h"
#include "report/ArchivioFrontespizio.h"
#include "runtime/Variant.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

class ArchiveWriter;
class Dati;
class Frontespizio;

struct ArchivioTotale
{
    static constexpr int RigheFisse = 87;   // every line but the appraisal rows and the lot surface

    Variant rigaScelta;                          // as held: a text, or nothing
    QList<std::array<Variant, 5>> righe;         // rows 1 to N: Vm, K, a, S, r
    valore::Archivio valore;
    ArchivioOpere costi;
    ArchivioOpere tempi;
    CampiUrbanistici urbanistica;                // 1 to 33
    std::optional<QString> superficieLotto;      // the lot surface, when the fields do not give it
    ArchivioSaggi saggi;
    Variant numeroSaggi;                         // as counted when saved
    DatiFrontespizio frontespizio;
};

void scriviArchivioTotale(ArchiveWriter &writer, const ArchivioTotale &archivio);

// Checks the whole file before anything of it is used: false with the reason (a short Italian
// phrase) when it is not a combined archive. Refused: a count that is not a whole number from 0
// to 100, a file shorter or longer than its count gives (blank lines at the end are harmless), a
// line with the wrong number of fields, a bar or slider value that is no number or outside its
// bar, a building type that is not 1, 2 or 3. A bare number where a text belongs reads as its
// text; so does the one field of the lot surface's line.
bool leggiArchivioTotale(const QList<QList<Variant>> &records, ArchivioTotale &out, QString *motivo);

// The appraisal as the windows hold it now; a window not yet open is created hidden (the rate
// window then with its default range).
ArchivioTotale raccogliArchivioTotale();

// Puts an archive already checked back, in file order: the appraisal rows (rows after the file's
// emptied, the appraisals counted again) and the main grid refreshed; then each analysis window,
// created hidden when needed, put back as just loaded and written through its controls, so that
// its own handlers work out again everything they show, as in a freshly started program. No
// window is shown.
void applicaArchivioTotale(const ArchivioTotale &archivio);

// The commands: the cover page's "...&tutti i dati" under "Salva con &nome..." and the main
// window's "...tutti i dati" under "&Apri...".
void salvaArchivioTotale(Frontespizio &frontespizio);
void apriArchivioTotale(Dati &dati);

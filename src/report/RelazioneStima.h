#pragma once

#include "analyses/costs_times/FinestraOpere.h"
#include "analyses/value_lot_rate/CalcoloSuperficie.h"
#include "analyses/value_lot_rate/Valore.h"
#include "report/ArchivioFrontespizio.h"
#include "runtime/Variant.h"

#include <QString>
#include <array>
#include <vector>

class Frontespizio;

// The appraisal report: the title page, "RELAZIONE DI STIMA" on a new page, sections A to Q with
// their eleven tables and the closing with the plot value in figures and in words, the page count,
// the annexes, place and date and the signature; saved as "-RelazioneVantegra-" + owner + ".doc".
namespace relazione {

// The seven terms of an appraisal row: Vm, K, a, S, r, Va, Va per square metre.
using Termini = std::array<Variant, 7>;

// Everything the report prints, as the windows show it and as the run-long data hold it.
struct DatiRelazione
{
    DatiFrontespizio frontespizio;
    QString studio, indirizzoStudio;

    QuadroValore valore;
    QString volume, superficieLorda;                        // the lot window's estimate
    std::array<QString, NumeroCampiUrbanistici + 1> urban;  // 1..33
    std::array<QString, 20> descrive;                       // 1..19
    std::array<QString, 15> dezona;                         // 1..14

    QuadroOpere costi, tempi;

    QString minimo, massimo, incremento;   // the rate range, in percent
    Variant rigaSaggio;                    // the chosen rate-table row
    std::vector<Termini> saggi;            // the rate table, row 1 first

    Termini stima;                         // the chosen appraisal row
};

// Reads what the report prints: the cover page's texts and the studio, the building-value, lot,
// costs and times windows, the rate window (brought up to date for the chosen row first) and the
// chosen appraisal row. A window that does not exist yet is created hidden.
DatiRelazione leggiDati(const Frontespizio &frontespizio);

// Writes the report into a new Word document (gWord, gDocumento; gTabella the last table), states
// its page count as a page-count field whose stored result is the finished document's count, and
// saves it in the documents' folder, replacing an earlier one; a saved report is opened on the
// desktop. False when it could not be saved (the user has been told why).
bool scrivi(const DatiRelazione &dati);

// The file name: "-RelazioneVantegra-", the owner made fit for a file name (cut to fit), ".doc".
QString nomeFile(const QString &proprietario);

}   // namespace relazione

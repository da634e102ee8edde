#pragma once

// The appraisal rows' own arithmetic: the plot value of a row, the count of appraisals, copying
// and deleting rows, the data check and the main data archive. No window is involved here; the
// main data window wires these to its grid.

#include "runtime/Variant.h"

#include <QList>
#include <QString>
#include <array>

class ArchiveReader;
class ArchiveWriter;

// Years beyond this are refused by the row calculation.
constexpr int LimiteAnni = 100;

enum class EsitoCalcolo {
    Calcolato,        // Va and Va per square metre stored
    AnniOltreLimite,  // a above the limit: results emptied, the caller shows the message
    Incompleta,       // Vm, K, r or S with leading number 0: results emptied
    NonCalcolabile    // a term that is no number, or a result that is not finite: results emptied
};

// The five terms of a row, in the order the grid and the archives hold them.
enum Termine { TermineVm, TermineK, TermineAnni, TermineSuperficie, TermineSaggio };

struct ValoreArea
{
    EsitoCalcolo esito = EsitoCalcolo::NonCalcolabile;
    double va = 0;     // whole euro, rounded down
    double vaMq = 0;   // two decimals, halves up
    int termine = -1;  // when not computed, the term that stopped it (-1: no single term)
};

// What a term is, as the messages name it ("la superficie del terreno").
QString nomeTermine(int termine);

// Va = Int((Vm - K) / (1 + r/100) ^ a) and Va / S rounded half up to two decimals. The guards read
// leading numbers, the formula numeric readings (a value never set counts as 0).
ValoreArea calcolaValoreArea(const Variant &vm, const Variant &k, const Variant &a,
                             const Variant &s, const Variant &r);

// Recomputes one row and stores its two results; a row that cannot be computed has them emptied,
// so a result never outlives the terms it came from. Rows outside 1..100 are left alone.
EsitoCalcolo ricalcolaRiga(int riga);

// Number of rows 1..100 whose market value has a leading number above 0.
int contaStime();

// The last row holding any of the five terms (0 when none does). A row worth nothing (Vm 0) still
// holds what was typed in it, so the archives, the export, the clearing and the check go as far
// as this row, never stopping short of the rows counted.
int ultimaRigaUsata();

// The five terms of a row as held: Vm, K, a, S, r.
std::array<Variant, 5> terminiRiga(int riga);

// Copies row riga - 1 into row riga (all seven columns). Rows 1 and 100 are not copied into.
bool copiaRiga(int riga);

// Deletes row riga: the rows below move up as far as the last row holding anything, the last one
// is emptied, the count is taken again, and the chosen row follows its appraisal (the deleted one
// leaves no row chosen, one below moves up by one).
void eliminaRiga(int riga);

// The chosen row as a row number, or 0 when none is chosen (nothing, an empty text, a text that is
// no whole number in 1..100).
int rigaSceltaValida();

// First problem of the main data window's check, or an empty text when every row is complete.
QString primoDatoMancante();

// The main data archive: the number of rows in use, then one line per row with Vm, K, a, S, r and
// the chosen row.
void scriviArchivioDati(ArchiveWriter &writer);

struct ArchivioDati
{
    int numeroStime = 0;   // rows in the file
    QList<std::array<Variant, 5>> righe;
    Variant rigaScelta;
};
// Checks a whole file before anything of it is applied; false with the reason when it is not a
// main data archive.
bool leggiArchivioDati(const ArchiveReader &reader, ArchivioDati &out, QString *motivo);
// Replaces the appraisal with the archive's: rows after its own are emptied, and the appraisals
// are counted again.
void applicaArchivioDati(const ArchivioDati &archivio);

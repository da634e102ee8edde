#pragma once

// The rate table: for every rate of a range, the chosen appraisal row's terms and the plot value
// and value per square metre they give at that rate. Rows 1 to 100. It lives for the whole run,
// also while the rate window is closed: its archive, its export, the combined archive and the
// report read it.

#include "core/Modulo.h"
#include "runtime/Variant.h"

#include <QString>

class ArchiveReader;
class ArchiveWriter;

extern RowArray gSaggiFabbricato;   // Vm, as the appraisal row holds it
extern RowArray gSaggiCosti;        // K
extern RowArray gSaggiAnni;         // a
extern RowArray gSaggiSuperficie;   // S
extern RowArray gSaggiRendimento;   // r of the table row, two decimals
extern RowArray gSaggiValoreArea;   // Va, whole euro (rounded down)
extern RowArray gSaggiValoreMq;     // Va per square metre, two decimals
extern Variant gNumeroSaggi;        // table rows holding a rate, as last counted
extern Variant gRigaSaggio;         // the chosen table row: the clicked line number's text

inline constexpr int MassimoSaggi = 100;

// The text a range box shows for a bar value in hundredths of a percent, worked out in single
// precision as the boxes always showed it: 700 "7", 725 "7,25", 25 "0,25", 10 "0,1".
QString testoPercentuale(int centesimi);

enum class EsitoSaggi {
    Fermato,     // nothing to compute from: the table, its count and the grid stay as they were
    Calcolato,   // the table holds the range's rates; the rows after the last one are emptied
    Troncato     // more than 100 rates: rows 1 to 100 hold the first hundred
};

// Rebuilds the table for the chosen appraisal row over the range typed in the three boxes (their
// texts, read with the decimal comma). The rate runs from the minimum while it does not exceed
// the maximum, adding the increment each time in double precision; a rate that the added-up
// increments bring only a rounding error above the maximum is the maximum, so that 7 to 10 by
// 0,1 ends at 10 and 3,18 to 3,58 by 0,1 at 3,58; each row holds
//     r  = Int(100 x rate + 0.5) / 100
//     Va = Int((Vm - K) / (1 + r/100) ^ a)
//     Va per square metre = Int(Va / S x 100 + 0.5) / 100.
// The first row whose Vm, K, r or S has a leading number of 0 ends the table (a term missing
// from the row keeps one row only). Stops, changing nothing, when a box is empty, no valid row is
// chosen, a term or a box is no number, S is 0 or a result is not finite. Every run that stores
// rows also counts them again into gNumeroSaggi and remembers the row, terms and range it used.
EsitoSaggi calcolaTabellaSaggi(const QString &minimo, const QString &massimo, const QString &incremento);

// Rows 1 to 100 whose rate is neither nothing nor an empty text (all of them, not only up to
// the first empty one).
int contaSaggi();

// Whether the table is the one the chosen appraisal row gives now over this range: it was last
// worked out (or emptied) for that row, as the row holds its Vm, K, a and S now, and its count
// agrees with its rows.
bool tabellaDellaRigaScelta(const QString &minimo, const QString &massimo, const QString &incremento);

// The table of a chosen row that gives none (no valid row chosen, a term that is no number, S 0):
// every row and the count emptied, so that no other row's figures are left to show, export or
// choose from. The table then belongs to that row as it stands.
void svuotaTabellaSaggi(const QString &minimo, const QString &massimo, const QString &incremento);

// The table, its count and chosen line as at the program's start, worked out for nothing.
void azzeraTabellaSaggi();

// The range bars, in hundredths of a percent.
struct BarraSaggio
{
    int minimo;
    int massimo;
    int iniziale;   // where the window's load sets it
};
inline constexpr BarraSaggio BarraMinimo{100, 10000, 700};
inline constexpr BarraSaggio BarraMassimo{100, 10000, 1000};
inline constexpr BarraSaggio BarraIncremento{1, 100, 25};

// The rate archive ("Vantegra-rendimento-"): one line of the three bar values, bare, and the
// chosen table row as it is held (a quoted text; nothing when no rate was ever chosen). The table
// itself is not stored: it is computed again from the range.
struct ArchivioSaggi
{
    int minimo = BarraMinimo.iniziale;
    int massimo = BarraMassimo.iniziale;
    int incremento = BarraIncremento.iniziale;
    Variant rigaSaggio;
};
void scriviArchivioSaggi(ArchiveWriter &writer, const ArchivioSaggi &archivio);
// Checks the whole file: one line of four values, the three bar values numbers that, rounded to
// whole numbers (halves to even), lie within their bars, the fourth a table row from 1 to 100 or
// nothing. False with the reason (a short Italian phrase) otherwise.
bool leggiArchivioSaggi(const ArchiveReader &reader, ArchivioSaggi &out, QString *motivo);

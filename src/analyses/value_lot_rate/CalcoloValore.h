#pragma once

// The building value's arithmetic and archive layout, without any window: the coefficient of a
// characteristic and their mean, the weighted surface of a room row, the totals, the value Vm in
// figures and in words, the entry rule of its number boxes and the sixteen lines of its archive.
// The window `valore` wires these to its controls; the combined archive reuses the layout.

#include "runtime/Variant.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

class ArchiveWriter;

// --- data of the building-value window that live for the whole run (element 0 is never used)
extern std::array<Variant, 6> gCoefficienti;           // each characteristic's coefficient, as shown
extern std::array<Variant, 11> gNomiAmbienti;          // each room row's type
extern Variant gNumeroAmbienti;                         // how many room types are not empty
extern std::array<Variant, 11> gSuperficiRagguagliate; // each row's weighted surface, as last shown

namespace valore {

inline constexpr int Caratteristiche = 5;
inline constexpr int Righe = 10;
inline constexpr int BarraMinima = 0;
inline constexpr int BarraMassima = 10;

// Puts the run-long data above back as they are when the program starts.
void azzeraDatiModulo();

// The coefficient of a bar position: position / 10 in single precision, as its 7-digit text
// ("0", "0,1", ..., "0,9", "1").
QString testoCoefficiente(int posizione);

// The mean coefficient of the five kept coefficients, as `coeffic` shows it. Each term is rounded
// half up to hundredths; the sum always divides by 5, an empty coefficient counting 0.
QString mediaCoefficienti(const std::array<Variant, 6> &coefficienti);

// Whether a room row counts: its surface and its weighting both have a leading number other than 0.
bool rigaCompleta(const QString &sup, const QString &ragg);

// Whether the totals count a room row: complete, and its surface and weighting read as numbers.
bool contaNeiTotali(const QString &sup, const QString &ragg);

// The room rows a document lists, in window order: those that name a room type and those the
// totals count, so that a listed table always adds up to its totals row.
QList<int> righeAmbienti(const std::array<QString, 11> &tipol, const std::array<QString, 11> &sup,
                         const std::array<QString, 11> &ragg);

// The row's weighted surface, surface x weighting % rounded half up to hundredths, as text;
// nothing when either is not a number or the result is not finite.
std::optional<QString> superficieRagguagliata(const QString &sup, const QString &ragg);

struct Totali
{
    QString supt;     // the surfaces as typed
    QString superf;   // the weighted surfaces, each taken to the hundredth
};
// Totals over the rows 1..10 that count (rigaCompleta on their boxes): each adds the surface last
// accepted in it and the weighted surface last computed for it.
Totali totali(const std::array<QString, 11> &sup, const std::array<QString, 11> &ragg,
              const std::array<Variant, 11> &superficiDigitate,
              const std::array<Variant, 11> &ragguagliate);

struct Stima
{
    QString stimatotal;   // the raw value
    QString valor;        // "euro " and the whole part grouped by three
    QString valoreuro;    // "(euro ", the whole part in words, ")"
};
// V = (superf x coeffic) x costmq. Nothing when a text is empty or not a number, or V is not finite.
std::optional<Stima> stima(const QString &superf, const QString &coeffic, const QString &costmq);

// "0.00": two decimals, no grouping; an empty text stays empty, a text that is no number unchanged.
QString formatoDueDecimali(const QString &testo);

// --- the archive: five bar positions, ten rows of type/surface/weighting, the unit price

inline constexpr int RigheArchivio = 16;

struct Archivio
{
    std::array<int, 6> barre{};                // 1..5
    std::array<QString, 11> tipol, sup, ragg;  // 1..10
    QString costmq;
};

void scriviArchivio(ArchiveWriter &writer, const Archivio &archivio);

// Reads the sixteen records starting at `primo` (0-based) and checks them all: false with a short
// Italian reason when they are not this layout. A bar position is rounded to a whole number
// (halves to even) and must lie in 0..10; a bare number given for a text becomes its text form.
bool leggiArchivio(const QList<QList<Variant>> &records, qsizetype primo, Archivio &out, QString *motivo);

// The window's own file: exactly the sixteen records (blank lines after them are tolerated).
bool leggiFileArchivio(const QList<QList<Variant>> &records, Archivio &out, QString *motivo);

}   // namespace valore

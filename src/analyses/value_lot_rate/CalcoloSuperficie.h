#pragma once

// The lot window's arithmetic and its archive layout, apart from any widget: the lot surface from
// the mean length and width, the buildable volume and gross building surface from the planning
// indices, the data check and the 33-line lot archive. The window wires these to its boxes.

#include <QString>
#include <array>
#include <optional>

class ArchiveReader;
class ArchiveWriter;

// The 33 lot fields by their index, 1 to 33; element 0 is not used.
inline constexpr int NumeroCampiUrbanistici = 33;
using CampiUrbanistici = std::array<QString, NumeroCampiUrbanistici + 1>;
// The mean length and width of the lot, whose product is the lot surface.
inline constexpr int CampoLunghezza = 15;
inline constexpr int CampoLarghezza = 16;

// Fields 2 to 16 are meant for numbers: digits and the decimal comma only.
bool campoNumerico(int campo);

// Length × width as the lot surface box shows it (decimal comma, unrounded); nothing when either
// is empty or no number, or when the product has no finite value.
std::optional<QString> superficieLotto(const QString &lunghezza, const QString &larghezza);

// The texts the estimate reads: fields 4 to 8 and the lot surface box.
struct DatiEdificabilita
{
    QString indice;          // field 4, building index, m³ per m² of lot
    QString lottoMinimo;     // field 5, minimum lot surface, m²
    QString copertura;       // field 6, coverage index, a fraction of the lot
    QString altezza;         // field 7, maximum height, m
    QString volumeMassimo;   // field 8, maximum volume, m³
    QString superficie;      // the lot surface box, m²
};

// What the volume and gross-surface boxes hold.
struct Edificabilita
{
    QString volume;           // a number, or "nessuno" below the minimum lot
    QString superficieLorda;  // a number, or "nessuna" below the minimum lot
    bool operator==(const Edificabilita &) const = default;
};

// The buildable estimate, step by step from what the boxes hold now:
//  1. volume by the building index, capped by the maximum volume (then shown as typed);
//  2. capped again by coverage × height;
//  3. gross surface = volume / 3 m per floor, half up to two decimals, when the volume's leading
//     number is not 0;
//  4. "nessuno" / "nessuna" when that lot is below the minimum lot surface.
// A step with an input that is empty or no number, or whose result has no finite value, is passed
// over and leaves the boxes as they were; so is every step of a cap whose volume is no number.
Edificabilita stimaEdificabilita(const DatiEdificabilita &dati, Edificabilita attuale);

// The data check looks only at whether the fields are filled.
enum class EsitoControlloUrbanistico {
    NessunDato,   // all 33 empty
    CampoVuoto,   // some filled, at least one empty
    Completo
};
EsitoControlloUrbanistico controllaCampiUrbanistici(const CampiUrbanistici &campi);

// The lot surface the fields give when they are written in order into the window as just loaded:
// length × width, once the width is written with the length already there and passes the number
// rule; otherwise the box stays empty.
QString superficieDaiCampi(const CampiUrbanistici &campi);
// The lot surface box when it holds something else than the fields give (a surface typed by hand,
// or one the fields no longer give): what the archives keep besides the fields; nothing otherwise.
std::optional<QString> superficieDaConservare(const CampiUrbanistici &campi, const QString &suplot);
// That surface as the archives keep it: one line of one quoted text, after all the other lines.
void scriviSuperficieLotto(ArchiveWriter &writer, const std::optional<QString> &superficie);

// The lot archive: 33 lines, line k the text of field k in double quotes, and the kept lot surface
// as a 34th line when there is one.
void scriviArchivioUrbanistica(ArchiveWriter &writer, const CampiUrbanistici &campi,
                               const std::optional<QString> &superficie = std::nullopt);
// Checks a whole file before anything of it is used: 33 lines of one quoted text each, and, where
// `superficie` is given, a 34th such line for the lot surface (blank lines at the end are allowed).
// False with the reason, in a short Italian phrase, when it is not a lot archive.
bool leggiArchivioUrbanistica(const ArchiveReader &reader, CampiUrbanistici &campi, QString *motivo,
                              std::optional<QString> *superficie = nullptr);

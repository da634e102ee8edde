#pragma once

#include "runtime/Variant.h"

#include <QString>
#include <optional>

class Frontespizio;

// The checks the cover page runs before the appraisal report is written (each window's own data
// check, then whether the windows agree with each other and with the chosen row) and, the first
// of them, before the whole appraisal is saved.
namespace stampa {

// What the agreement checks compare, as the windows show it and as the chosen row holds it.
struct ValoriControlli
{
    QString percentualiCosti;     // costs window, total of the 16 shares
    QString totaleCosti;          // costs window, total
    Variant costiRiga;            // K of the chosen row
    QString percentualiTempi;     // times window, total of the 16 shares
    QString giorniTotali;         // times window, total days
    Variant anniRiga;             // a of the chosen row
    QString superficieLorda;      // lot window, gross buildable surface
    QString superficieAmbienti;   // building-value window, gross surface of the rooms

    QString valoreFabbricato;     // building-value window, Vm as it stands now
    Variant valoreRiga;           // Vm of the chosen row
    QString superficieLotto;      // lot window, the lot's surface as it stands now
    Variant superficieRiga;       // S of the chosen row
    Variant rigaSaggio;           // the rate-table line the report names (nothing when none is chosen)
    Variant saggioTabella;        // the rate that line shows (nothing when the table has no such line)
    Variant saggioRiga;           // r of the chosen row
    Variant valoreArea;           // Va of the chosen row
    Variant valoreMq;             // Va per square metre of the chosen row
};

// Why the print stops: the message, its icon and the window that holds what is to be put right.
struct Fermata
{
    QString messaggio;
    int icona = 0;
    QString finestra;
};

// The first disagreement, in the order the user puts them right, or nothing when all agree. Every
// figure the report prints twice, or from two windows, must agree, and the chosen row must have
// a plot value.
std::optional<Fermata> controllaCoerenza(const ValoriControlli &valori);

// What the checks compare, read from the windows (each created hidden when it does not exist yet)
// and from the chosen row (none when it is no row number from 1 to 100).
ValoriControlli leggiValoriControlli();

// Each window's own data check, in order: the main data, building-value, costs, times and lot
// windows (the first that fails has shown its message and comes forward, the later ones are not
// checked), then the cover page's own. True when every window's data are complete. The report
// and the combined archive run them before anything is written.
bool controlliDelleFinestre(Frontespizio &frontespizio);

// Every check, in order: the main data, building-value, costs, times and lot windows' own checks
// (a failing window has shown its message and comes forward), the cover page's own check, then
// the agreement checks, each with its message. True when the report may be written.
bool controlliPrimaDellaStampa(Frontespizio &frontespizio);

}   // namespace stampa

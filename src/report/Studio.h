#pragma once

#include <QString>

// The appraiser's studio: its name and address, shown on the cover page, printed at the foot of
// the report's title page and, the name, under the signature. They are kept in the user's
// settings so that they hold from one run to the next; empty until the user enters them.
extern QString gStudio;
extern QString gIndirizzoStudio;

// Reads both from the user's settings (empty texts when never entered).
void CaricaStudio();
// Sets both and keeps them in the user's settings. They hold for this run in any case; false
// when the settings could not be written, so they will not be there at the next start.
bool SalvaStudio(const QString &studio, const QString &indirizzo);

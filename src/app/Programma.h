#pragma once

// The program as a whole: the one place that knows every window. It makes them known to the
// window registry and joins the commands that span several windows, so that the windows
// themselves need not know the ones above them.

class QString;
class QTranslator;

// The program's start: Qt's own texts in Italian, shared constants and titles, the windows, the
// fonts, the splash.
void Avvio();

// Qt's own dialogs (the file dialogs and the question before a file is replaced) in Italian,
// from Qt's Italian translations in `cartella`: the translator installed in the application, or
// nullptr when they are not there, and Qt's dialogs stay as Qt writes them.
QTranslator *CaricaTraduzioniQt(const QString &cartella);

// Makes every window known to the window registry, under its object name, and wires the
// commands that work across windows (the combined archive).
void RegistraFinestre();

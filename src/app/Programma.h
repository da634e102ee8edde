#pragma once

// The program as a whole: the one place that knows every window. It makes them known to the
// window registry and joins the commands that span several windows, so that the windows
// themselves need not know the ones above them.

// The program's start: shared constants and titles, the windows, the fonts, the splash.
void Avvio();

// Makes every window known to the window registry, under its object name, and wires the
// commands that work across windows (the combined archive).
void RegistraFinestre();

#pragma once

#include <functional>

// The program's start: shared constants and titles, the windows it knows, the fonts, the splash.
void Avvio();

// Makes every window known to the window registry, under its object name.
void RegistraFinestre();

// Makes the program's own images and texts reachable under ":/" (they live in a static library,
// whose resources are not registered by themselves). Harmless when called again.
void CaricaRisorse();

// Ends the program when no window is visible any more (the splash's key on the opening or the
// closing screen). Tests replace what "end" does; an empty handler restores the real quit.
void FineSeNessunaFinestra();
void setFineProgrammaHandler(std::function<void()> handler);

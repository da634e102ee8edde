#pragma once

#include <functional>

// Makes the program's own images and texts reachable under ":/" (they live in a static library,
// whose resources are not registered by themselves). Harmless when called again.
void CaricaRisorse();

// Ends the program when no window is visible any more (the splash's key on the opening or the
// closing screen). Tests replace what "end" does; an empty handler restores the real quit.
void FineSeNessunaFinestra();
void setFineProgrammaHandler(std::function<void()> handler);

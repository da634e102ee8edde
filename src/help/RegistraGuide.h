#pragma once

// Makes the help contents `sommario` and the eleven guide windows known to the window registry.
// The guides unload when closed; the help contents unloads from its close box and only hides
// from its own "&Chiudi".
void RegistraFinestreGuida();

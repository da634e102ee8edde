#pragma once

// Makes the building-value window `valore` known to the window registry.
void RegistraFinestraValore();

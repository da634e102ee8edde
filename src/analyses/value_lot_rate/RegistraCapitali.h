#pragma once

// Makes the rate window `capitali` known to the window registry.
void RegistraFinestraCapitali();

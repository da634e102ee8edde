#pragma once

// Makes the lot window known to the program by its name, "superficie".
void RegistraFinestraSuperficie();

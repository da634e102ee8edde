#pragma once

// Makes the cover page `frontespizio` known to the window registry and reads the studio's name
// and address kept by an earlier run. The program's start calls it once, before any window opens.
void RegistraFinestraFrontespizio();

#pragma once

// Makes the tips, about, support and product-list windows known to the window registry under
// their object names ("frmTip", "informa", "supportoclienti", "prodotti"). Each is created on its
// first showing and only hidden when closed, keeping its state for the run.
void RegistraFinestreInformazioni();

#pragma once

// Makes the costs window "costare" and the times window "redditività" known to the window
// registry. Each is created on first use and unloaded by its close box; the data they compute
// from live on in the module.
void RegistraFinestreCostiTempi();

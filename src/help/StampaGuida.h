#pragma once

#include <QString>

// The guide prints. Each starts a new Word application and document (the shared gWord and
// gDocumento follow it), writes in Century Gothic the product name at 20 points, the report
// title at 16, then for each guide "Guida: " and its heading at 16 and its text at 12, justifies
// the whole document and saves it in the program's folder, whence it is opened for the user.
// A document that cannot be saved is reported to the user and false comes back; the program
// goes on.

// One guide, saved as <product name><heading>.doc.
bool StampaGuida(const QString &titolo, const QString &testo);
// The eleven guides in the order of the help contents, each after the first on a new page,
// saved as <product name>-guida.doc. They are read from the guide windows: one not loaded yet is
// loaded for this, hidden, and stays loaded.
bool StampaGuidaIntera();

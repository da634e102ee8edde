#pragma once

#include "WordModel.h"

#include <QByteArray>
#include <QString>

namespace word {

// The WordprocessingML package (the bytes of a .docx file) of a document: A4 pages with 2.5 cm
// margins, every paragraph with an exact line spacing, tables with their look and column widths.
// Returns an empty array and sets `error` when the package cannot be built.
QByteArray writePackage(const DocumentModel &document, QString *error = nullptr);

// The main part alone (word/document.xml).
QByteArray writeDocumentXml(const DocumentModel &document);

}   // namespace word

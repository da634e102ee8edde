#pragma once

#include "WordModel.h"

namespace word {

// Number of pages of the document as it stands, laid out with Qt's text layout on the same A4
// pages, margins, line spacings and column widths as the written package. Needs a
// QGuiApplication (fonts).
int countPages(const DocumentModel &document);

}   // namespace word

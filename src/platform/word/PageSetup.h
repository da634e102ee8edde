#pragma once

#include "WordModel.h"

#include <vector>

// Page geometry and the measurements that the package writer and the page counter share: both
// must lay the document out alike, or the page count stated in a report drifts from the pages
// a word processor shows. Lengths are in twips (1/20 of a point), as the package writes them.
namespace word {

constexpr int kPageWidth = 11906;       // A4
constexpr int kPageHeight = 16838;
constexpr int kMargin = 1417;           // 2.5 cm on every side
constexpr int kTextWidth = kPageWidth - 2 * kMargin;
constexpr int kCellMargin = 108;        // left and right padding inside a table cell
constexpr int kNarrowCellMargin = 57;   // the same for tables that are short of room
constexpr int kWideWidth = kPageWidth - 2 * 720;   // a wide table may reach 1.27 cm from the edge
constexpr int kBorder = 4;              // table border width in eighths of a point

// Exact line spacing of a paragraph whose largest text is `size` points. Written into every
// paragraph, so that a word processor and the page counter give lines the same height.
int lineSpacing(double size);

// Where a table's columns stand on the page.
struct TableGeometry
{
    std::vector<int> widths;
    int indent = 0;                 // from the left margin; negative reaches into it
    int cellMargin = kCellMargin;   // left and right padding of every cell
    int width() const;
};

// An automatically formatted table fits its columns to their contents: within the text width
// where the longest words allow, with narrower cell padding or reaching into the side margins
// (centred) where they do not. A plain table shares the text width out evenly.
TableGeometry tableGeometry(const Table &table);

// Whether paragraph `block` stays on the page where what follows it begins ("keep with next"), as
// the file marks it and the pages are counted: a paragraph set so, and an empty paragraph right
// before a table, the blank line that opens it, so that a table that no longer fits at the foot
// of a page takes its blank line along to the next. Nothing follows the last block.
bool keptWithNext(const DocumentModel &document, size_t block);

// Fonts the documents name that a Linux desktop lacks, mapped to ones of like metrics.
void installFontSubstitutions();

}   // namespace word

#pragma once

#include <QString>
#include <variant>
#include <vector>

// The content of a document as the Word layer keeps it: a list of blocks, each a paragraph or a
// table, always ending with a paragraph (the one text typed next goes into). The package writer
// and the page counter both work from this model, so that what is counted is what is written.
namespace word {

// Paragraph alignments, with Word's numbers; Unset leaves the paragraph at the default (left).
enum Alignment : int { Unset = -1, Left = 0, Center = 1, Right = 2, Justify = 3 };

struct CharFormat
{
    QString name = QStringLiteral("Times New Roman");
    double size = 12.0;   // points
    bool bold = false;

    bool operator==(const CharFormat &) const = default;
};

// A field whose result a word processor works out as it lays the pages out.
enum class Field { None, NumPages };

struct Run
{
    QString text;       // may hold '\t' (tab) and '\v' (line break inside the paragraph); a
                        // field's run holds the field's stored result
    CharFormat format;
    Field field = Field::None;
};

struct Paragraph
{
    std::vector<Run> runs;
    CharFormat mark;    // format of the paragraph mark: an empty paragraph is as high as it
    int alignment = Unset;
    bool pageBreakBefore = false;
    bool keepWithNext = false;   // stays on the page where the next paragraph or table begins

    bool isEmpty() const { return runs.empty(); }
    // The largest font on the line, which sets its height; `mark` is the paragraph's mark.
    double largestSize(const CharFormat &mark) const;
};

struct Table
{
    int rows = 1;
    int cols = 1;
    std::vector<QString> cells;      // row by row; '\r' separates the paragraphs of a cell
    QString fontName;
    double fontSize = 12.0;
    bool bold = false;
    int autoFormat = 0;              // Word's table format number; 0 = plain grid
    bool rowsBreakAcrossPages = true;   // false: a row that does not fit goes whole to the next page
    std::vector<int> columnAlignment;
    quint64 stamp = 0;               // new with every change, never the same for two tables

    QString &cell(int row, int col) { return cells[size_t(row * cols + col)]; }        // from 0
    const QString &cell(int row, int col) const { return cells[size_t(row * cols + col)]; }
    bool hasHeaderRow() const { return autoFormat != 0; }
    // A heading row never ends a page: it stays with the row under it.
    bool headerKeptWithNext() const { return hasHeaderRow() && rows > 1; }
    bool cellBold(int row) const { return bold || (hasHeaderRow() && row == 0); }
};

using Block = std::variant<Paragraph, Table>;

// The document's content with the editing operations the automation layer needs. Text only ever
// goes to the end: that is where the program types, appends and adds tables.
class DocumentModel
{
public:
    DocumentModel();

    const std::vector<Block> &blocks() const { return m_blocks; }
    // Format of the text typed next; also the font that a table added next takes.
    const CharFormat &format() const { return m_format; }
    CharFormat &editFormat() { ++m_revision; return m_format; }
    // The paragraph mark of block i (the last paragraph's mark follows the current format).
    const CharFormat &markOf(size_t i) const;

    // Appends text at the end: '\r' (or "\r\n", or a lone '\n') ends a paragraph, '\f' starts
    // a new page with the next paragraph, '\t' and '\v' are kept, other control characters
    // and characters XML cannot carry are dropped.
    void appendText(const QString &text);
    // Makes sure the document ends with an empty paragraph (a new paragraph at the end).
    void openParagraphAtEnd();

    // Appends a field at the end, in the current format, holding `result` as its stored result;
    // returns its number (from 1, in document order).
    int appendField(Field field, const QString &result);
    int fieldCount() const { return int(m_fields.size()); }
    // Field k (from 1); nullptr when there is no such field.
    const Run *field(int k) const;
    // Replaces the stored result of field k; a result equal to the one held changes nothing.
    bool setFieldResult(int k, const QString &result);

    int tableCount() const { return int(m_tableBlocks.size()); }
    // Table k counted from 1 in document order; nullptr when there is no such table.
    const Table *table(int k) const;
    Table *editTable(int k);
    // Adds a table at the end, in the current font; returns its number (from 1).
    int addTable(int rows, int cols);
    // Cell text of table k, row and column from 1; '\r' (or "\r\n") separates paragraphs.
    bool setCellText(int k, int row, int col, const QString &text);

    // The whole document: every paragraph and every table cell, and what is typed next.
    void setAlignmentAll(int alignment);
    void setColumnAlignment(int k, int col, int alignment);   // col from 1
    void setEndAlignment(int alignment);
    // Keep with next for the paragraph at the end, and so for the paragraphs its text goes on to.
    void setEndKeepWithNext(bool keep);

    // Plain text of the whole document: paragraphs end with '\r', cells with '\a'.
    QString text() const;

    // Grows with every change, so that a cached page count knows when to recount.
    quint64 revision() const { return m_revision; }

private:
    Paragraph &last();
    void closeParagraph();
    void appendRunText(const QString &text);

    std::vector<Block> m_blocks;
    std::vector<size_t> m_tableBlocks;
    std::vector<std::pair<size_t, size_t>> m_fields;   // block and run of each field
    CharFormat m_format;
    quint64 m_revision = 0;
};

// Removes what a document cannot hold: characters XML 1.0 forbids (lone surrogates, U+FFFE,
// U+FFFF, control characters other than the ones the model keeps).
QString cleanText(const QString &text, bool keepParagraphControls);

}   // namespace word

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// Reads back a written document the way a word processor would find it: unzips the package and
// parses word/document.xml. Also notes every property element standing out of the schema's
// order, which Word refuses.
namespace docx {

struct Run
{
    QString text;       // tabs as '\t', line breaks as '\v'
    QString font;
    double size = 0;    // points; 0 when not written
    bool bold = false;
    QString colour;
    QString field;      // a field's instruction (" NUMPAGES "); the run holds its stored result
};

struct Paragraph
{
    std::vector<Run> runs;
    QString jc;             // empty when not written
    bool pageBreakBefore = false;
    bool keepNext = false;
    int line = 0;           // line spacing in twips
    QString lineRule;
    double markSize = 0;
    QString text() const;
};

struct Cell
{
    std::vector<Paragraph> paragraphs;
    QString fill;
    int width = 0;
    QString text() const;   // paragraphs joined by '\r'
};

struct Table
{
    std::vector<std::vector<Cell>> rows;
    std::vector<int> grid;
    QStringList borders;    // the tblBorders sides written
    int indent = 0;         // tblInd, from the left margin
    int rowCount() const { return int(rows.size()); }
    int columnCount() const { return rows.empty() ? 0 : int(rows.front().size()); }
    const Cell &cell(int row, int column) const { return rows.at(size_t(row - 1)).at(size_t(column - 1)); }
};

struct Block
{
    bool isTable = false;
    Paragraph paragraph;
    Table table;
};

struct Document
{
    QString error;                 // empty when the package was read
    QStringList parts;             // names inside the zip
    QStringList problems;          // malformed parts, properties out of schema order
    std::vector<Block> blocks;
    int pageWidth = 0;
    int pageHeight = 0;
    QList<int> margins;            // top, right, bottom, left

    std::vector<const Paragraph *> paragraphs() const;   // outside tables, in order
    std::vector<const Table *> tables() const;
    QStringList texts() const;                           // paragraph texts, in order
    int indexOfText(const QString &text) const;          // block index of a paragraph; -1
};

Document read(const QString &path);
QByteArray readPart(const QString &path, const QString &part);

}   // namespace docx

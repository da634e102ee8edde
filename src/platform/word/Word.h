#pragma once

#include <QString>

#include <memory>
#include <vector>

// The program writes its documents through Word's automation object model: a new application
// per output, a new document, the selection for the headings, text appended at the end, tables,
// alignment passes, a page count and a save. This layer offers those same operations, named as
// in Word's model, and writes the document as WordprocessingML (the content of a .docx file)
// under whatever name it is given: a name ending in ".doc" included, since word processors
// recognise a document by its content.
//
// Ownership: a WordApplication owns its documents; WordDocument references stay valid as long
// as the application. Ranges, tables, cells, fonts and the like are small handles passed by
// value; they refer to their document and must not outlive it.
//
// Text typed or set goes to the end of the document. In every text, Chr(13) ends a paragraph and
// Chr(12) starts a new page (the next paragraph begins on it).

namespace word { class DocumentModel; }

class WordApplication;
class WordDocument;
class WordParagraphFormat;
class WordParagraphs;
class WordRange;

// Word's constants, with Word's names and values, for the values the program passes.
enum WdParagraphAlignment : int {
    wdAlignParagraphLeft = 0,
    wdAlignParagraphCenter = 1,
    wdAlignParagraphRight = 2,
    wdAlignParagraphJustify = 3,
};
enum WdStatistic : int { wdStatisticPages = 2 };
enum WdFieldType : int { wdFieldNumPages = 26 };
enum WdTableFormat : int { wdTableFormatNone = 0, wdTableFormatColorful2 = 9 };
enum WdConstants : int { wdToggle = 9999998 };
enum WdBoolean : int { wdTrue = -1, wdFalse = 0 };

// The program's folder (the executable's), where the documents go.
QString programFolder();

// The font of the text typed next (from the selection or the paragraph at the end), or of every
// cell of a table (from the table's range).
class WordFont
{
public:
    QString Name() const;
    void setName(const QString &name);
    double Size() const;
    void setSize(double points);
    int Bold() const;                 // wdTrue or wdFalse
    void setBold(int value);          // wdToggle switches bold; 0 turns it off, any other on

private:
    friend class WordRange;
    friend class WordSelection;
    WordFont(WordDocument *document, int table) : m_document(document), m_table(table) {}

    WordDocument *m_document;
    int m_table;                      // 0: the text typed next
};

// A stretch of the document: the whole content, the empty range at its end, the paragraph at
// its end, a table, or a table cell.
class WordRange
{
public:
    // The cell's text, a field's stored result, or the whole document's text (paragraphs end
    // with Chr(13)); empty for the end of the document.
    QString Text() const;
    // A cell: replaces its text. The end or the paragraph at the end: appends the text there.
    void setText(const QString &text);
    WordFont Font() const;
    WordParagraphs Paragraphs() const;
    // The end or the paragraph at the end: the format of that paragraph, which the paragraphs
    // its text goes on to take along.
    WordParagraphFormat ParagraphFormat() const;

private:
    friend class WordDocument;
    friend class WordParagraph;
    friend class WordBookmark;
    friend class WordTable;
    friend class WordCell;
    friend class WordTables;
    friend class WordParagraphs;
    friend class WordField;
    friend class WordFields;
    enum class Kind { Content, End, Paragraph, Table, Cell, Field };
    WordRange(WordDocument *document, Kind kind, int table = 0, int row = 0, int column = 0)
        : m_document(document), m_kind(kind), m_table(table), m_row(row), m_column(column) {}

    WordDocument *m_document;
    Kind m_kind;
    int m_table;
    int m_row;
    int m_column;
};

class WordParagraph
{
public:
    // The paragraph's range: its text and font size set here land at the end of the document.
    WordRange Range() const { return WordRange(m_document, WordRange::Kind::Paragraph); }

private:
    friend class WordParagraphs;
    explicit WordParagraph(WordDocument *document) : m_document(document) {}
    WordDocument *m_document;
};

class WordParagraphs
{
public:
    // A new, empty paragraph at the end of the document (the only place the program adds one).
    WordParagraph Add(const WordRange &at);

private:
    friend class WordRange;
    explicit WordParagraphs(WordDocument *document) : m_document(document) {}
    WordDocument *m_document;
};

class WordBookmark
{
public:
    WordRange Range() const { return WordRange(m_document, WordRange::Kind::End); }

private:
    friend class WordBookmarks;
    explicit WordBookmark(WordDocument *document) : m_document(document) {}
    WordDocument *m_document;
};

class WordBookmarks
{
public:
    // Word's predefined bookmark "\endofdoc": the empty range at the end of the document.
    WordBookmark Item(const QString &name) const;

private:
    friend class WordDocument;
    explicit WordBookmarks(WordDocument *document) : m_document(document) {}
    WordDocument *m_document;
};

class WordCell
{
public:
    WordRange Range() const
    {
        return WordRange(m_document, WordRange::Kind::Cell, m_table, m_row, m_column);
    }

private:
    friend class WordTable;
    WordCell(WordDocument *document, int table, int row, int column)
        : m_document(document), m_table(table), m_row(row), m_column(column) {}
    WordDocument *m_document;
    int m_table;
    int m_row;
    int m_column;
};

class WordColumn
{
public:
    // The column becomes the application's selection.
    void Select();

private:
    friend class WordColumns;
    WordColumn(WordDocument *document, int table, int column)
        : m_document(document), m_table(table), m_column(column) {}
    WordDocument *m_document;
    int m_table;
    int m_column;
};

class WordColumns
{
public:
    WordColumn Item(int column) const { return WordColumn(m_document, m_table, column); }
    int Count() const;

private:
    friend class WordTable;
    WordColumns(WordDocument *document, int table) : m_document(document), m_table(table) {}
    WordDocument *m_document;
    int m_table;
};

class WordRows
{
public:
    int Count() const;
    // wdFalse: a row that does not fit at the foot of a page goes whole to the next one; any
    // other value lets rows break across pages, as in a new table.
    int AllowBreakAcrossPages() const;
    void setAllowBreakAcrossPages(int value);

private:
    friend class WordTable;
    WordRows(WordDocument *document, int table) : m_document(document), m_table(table) {}
    WordDocument *m_document;
    int m_table;
};

class WordTable
{
public:
    // Rows and columns count from 1.
    WordCell Cell(int row, int column) const { return WordCell(m_document, m_index, row, column); }
    WordRange Range() const { return WordRange(m_document, WordRange::Kind::Table, m_index); }
    WordColumns Columns() const { return WordColumns(m_document, m_index); }
    WordRows Rows() const { return WordRows(m_document, m_index); }
    // wdTableFormatColorful2 (9): shaded bold header row, banded rows, borders, columns fitted
    // to their contents (the one look this layer draws for any format number); the header row
    // never ends a page.
    // wdTableFormatNone (0): a plain grid, as a new table has.
    void AutoFormat(int format);
    // The table's number in the document, from 1.
    int Index() const { return m_index; }

private:
    friend class WordTables;
    WordTable(WordDocument *document, int index) : m_document(document), m_index(index) {}
    WordDocument *m_document;
    int m_index;
};

class WordTables
{
public:
    // A new table at the end of the document (the range must be the end: "\endofdoc"), in the
    // font of the text typed next.
    WordTable Add(const WordRange &at, int rows, int columns);
    // Tables are numbered from 1 in document order.
    WordTable Item(int index) const { return WordTable(m_document, index); }
    int Count() const;

private:
    friend class WordDocument;
    explicit WordTables(WordDocument *document) : m_document(document) {}
    WordDocument *m_document;
};

// A field of the document: wdFieldNumPages (26), the number of pages, is the one the program
// inserts. Its stored result is what a reader that does not update fields shows.
class WordField
{
public:
    int Type() const;
    // The stored result.
    WordRange Result() const { return WordRange(m_document, WordRange::Kind::Field, m_index); }
    // Works the result out for the document as it now stands: the page count, counted again
    // until it includes the result itself (a longer number may push a line onto a new page).
    // False when the field cannot be updated.
    bool Update();

private:
    friend class WordFields;
    WordField(WordDocument *document, int index) : m_document(document), m_index(index) {}
    WordDocument *m_document;
    int m_index;
};

class WordFields
{
public:
    // A new field at the end of the document (the range must be the end or the paragraph at
    // the end), in the font of the text typed next. A page count's result is worked out when the
    // pages are laid out: by Update, and before the document is saved or shown.
    WordField Add(const WordRange &at, int type);
    // Fields are numbered from 1 in document order.
    WordField Item(int index) const { return WordField(m_document, index); }
    int Count() const;
    // Updates every field; 0 when all were updated, otherwise the number of the first that
    // was not.
    int Update();

private:
    friend class WordDocument;
    explicit WordFields(WordDocument *document) : m_document(document) {}
    WordDocument *m_document;
};

// The paragraph format of what the selection held when it was fetched.
class WordParagraphFormat
{
public:
    // wdAlignParagraphRight (2), wdAlignParagraphJustify (3), ...
    void setAlignment(int alignment);
    // Any value but wdFalse keeps the paragraph on the page where what follows it begins (the
    // first line of the next paragraph, or the first row of a table). Paragraphs at the end only.
    void setKeepWithNext(int value);

private:
    friend class WordSelection;
    friend class WordRange;
    enum class Scope { End, Document, Column };
    WordParagraphFormat(WordDocument *document, Scope scope, int table, int column)
        : m_document(document), m_scope(scope), m_table(table), m_column(column) {}
    WordDocument *m_document;
    Scope m_scope;
    int m_table;
    int m_column;
};

// The application's selection: an insertion point at the end of the active document, the whole
// document (after Document()->Select()) or a table column (after Columns().Item(c).Select()).
class WordSelection
{
public:
    // The font of the text typed next.
    WordFont Font() const;
    // Types at the end of the document; a selection collapses to the insertion point there.
    void TypeText(const QString &text);
    WordParagraphFormat ParagraphFormat() const;
    WordDocument *Document() const;   // nullptr while the application has no document

private:
    friend class WordApplication;
    friend class WordDocument;
    friend class WordColumn;
    friend class WordDocuments;
    enum class Kind { InsertionPoint, WholeDocument, Column };
    explicit WordSelection(WordApplication *application) : m_application(application) {}
    void select(WordDocument *document, Kind kind, int table = 0, int column = 0);

    WordApplication *m_application;
    WordDocument *m_document = nullptr;
    Kind m_kind = Kind::InsertionPoint;
    int m_table = 0;
    int m_column = 0;
};

class WordDocument
{
public:
    ~WordDocument();
    WordDocument(const WordDocument &) = delete;
    WordDocument &operator=(const WordDocument &) = delete;

    WordRange Content() { return WordRange(this, WordRange::Kind::Content); }
    WordBookmarks Bookmarks() { return WordBookmarks(this); }
    WordTables Tables() { return WordTables(this); }
    WordFields Fields() { return WordFields(this); }
    // The whole document becomes the application's selection.
    void Select();
    // wdStatisticPages (2): the number of pages the document has now, on A4.
    int ComputeStatistics(int statistic);
    // Writes the document under that name, replacing a file of that name; never a half-written
    // file. A folder that cannot be written is replaced by the user's documents folder, and the
    // user is told. On failure the user is told why and false comes back. After a save the
    // document is opened on the desktop while the application is visible (see
    // WordApplication::setOpenAfterSave).
    bool SaveAs(const QString &fileName);
    // The path the document was last saved to; empty before.
    QString FullName() const { return m_fullName; }
    // For a document the program leaves open without saving it: a copy goes to a temporary
    // file, which is opened on the desktop. Returns false when it could not be written.
    bool Show();

    WordApplication &Application() const { return *m_application; }
    // The content behind the object model, for the handles and the writers.
    word::DocumentModel &model() { return *m_model; }
    const word::DocumentModel &model() const { return *m_model; }

private:
    friend class WordDocuments;
    explicit WordDocument(WordApplication *application);

    WordApplication *m_application;
    std::unique_ptr<word::DocumentModel> m_model;
    QString m_fullName;
    quint64 m_countedRevision = ~quint64(0);
    int m_countedPages = 0;
};

class WordDocuments
{
public:
    // A new empty document, the last of the collection, which becomes the active one.
    WordDocument &Add();
    int Count() const { return int(m_documents.size()); }
    WordDocument *Item(int index) const;   // from 1; nullptr when there is no such document

private:
    friend class WordApplication;
    explicit WordDocuments(WordApplication *application) : m_application(application) {}
    WordApplication *m_application;
    std::vector<std::unique_ptr<WordDocument>> m_documents;
};

// A new one for every output, as the program starts a new Word each time.
class WordApplication
{
public:
    WordApplication();
    ~WordApplication();
    WordApplication(const WordApplication &) = delete;
    WordApplication &operator=(const WordApplication &) = delete;

    // A visible application shows each document it saves (opens it on the desktop).
    bool Visible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }
    WordDocuments &Documents() { return m_documents; }
    WordSelection &Selection() { return m_selection; }
    WordDocument *ActiveDocument() const;   // the last document added; nullptr before

    // Whether saved documents are opened on the desktop at all (tests switch it off).
    static void setOpenAfterSave(bool open);
    static bool openAfterSave();
    // Where the last successful save of any document went; empty after a failed one.
    static QString lastSavedPath();

private:
    friend class WordDocuments;
    friend class WordDocument;

    bool m_visible = false;
    WordDocuments m_documents;
    WordSelection m_selection;
};

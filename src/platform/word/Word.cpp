#include "Word.h"

#include "DocxWriter.h"
#include "PageCounter.h"
#include "PageSetup.h"
#include "WordModel.h"
#include "platform/MsgBox.h"
#include "platform/Shell.h"
#include "runtime/SaveFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QtDebug>

namespace {

const QString kTitle = QStringLiteral("Vantegra: stampa");

bool s_openAfterSave = true;
QString s_lastSavedPath;

bool validAlignment(int alignment)
{
    return alignment >= wdAlignParagraphLeft && alignment <= wdAlignParagraphJustify;
}

enum class WriteResult { Saved, FolderRefused, Failed };

// Writes the bytes through a temporary file renamed over the target, so that a failure leaves
// any earlier file of that name as it was. `reason` says why it failed, for the user.
WriteResult writeFile(const QString &path, const QByteArray &bytes, QString *reason)
{
    const QFileInfo target(path);
    const QString folder = QDir::toNativeSeparators(target.absolutePath());
    if (target.isDir()) {
        *reason = QStringLiteral("Esiste già una cartella con questo nome.");
        return WriteResult::Failed;
    }
    const QFileInfo parent(target.absolutePath());
    if (!parent.exists()) {
        *reason = QStringLiteral("La cartella %1 non esiste.").arg(folder);
        return WriteResult::Failed;
    }
    if (!parent.isDir()) {
        *reason = QStringLiteral("%1 non è una cartella.").arg(folder);
        return WriteResult::Failed;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *reason = QStringLiteral("Non è possibile scrivere nella cartella %1 (%2).")
                          .arg(folder, file.errorString());
        return WriteResult::FolderRefused;
    }
    if (!writeAndCommit(file, bytes)) {
        *reason = QStringLiteral("Errore di scrittura: %1.").arg(file.errorString());
        return WriteResult::Failed;
    }
    return WriteResult::Saved;
}

void reportFailure(const QString &path, const QString &reason)
{
    MsgBox(QStringLiteral("Non è stato possibile salvare il documento\n%1\n\n%2")
                   .arg(QDir::toNativeSeparators(path), reason),
           vb::Critical, kTitle);
}

}   // namespace

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

// ---------------------------------------------------------------------------------------------
// Fonts, ranges, paragraphs

QString WordFont::Name() const
{
    if (!m_document)
        return QString();
    const word::DocumentModel &m = m_document->model();
    if (m_table == 0)
        return m.format().name;
    const word::Table *t = m.table(m_table);
    return t ? t->fontName : QString();
}

void WordFont::setName(const QString &name)
{
    if (!m_document)
        return;
    word::DocumentModel &m = m_document->model();
    if (m_table == 0)
        m.editFormat().name = name;
    else if (word::Table *t = m.editTable(m_table))
        t->fontName = name;
}

double WordFont::Size() const
{
    if (!m_document)
        return 0.0;
    const word::DocumentModel &m = m_document->model();
    if (m_table == 0)
        return m.format().size;
    const word::Table *t = m.table(m_table);
    return t ? t->fontSize : 0.0;
}

void WordFont::setSize(double points)
{
    if (!m_document)
        return;
    if (points < 1.0 || points > 1638.0) {
        qWarning("WordFont::setSize: %g points is not a font size", points);
        return;
    }
    word::DocumentModel &m = m_document->model();
    if (m_table == 0)
        m.editFormat().size = points;
    else if (word::Table *t = m.editTable(m_table))
        t->fontSize = points;
}

int WordFont::Bold() const
{
    if (!m_document)
        return wdFalse;
    const word::DocumentModel &m = m_document->model();
    bool bold = false;
    if (m_table == 0)
        bold = m.format().bold;
    else if (const word::Table *t = m.table(m_table))
        bold = t->bold;
    return bold ? wdTrue : wdFalse;
}

void WordFont::setBold(int value)
{
    if (!m_document)
        return;
    word::DocumentModel &m = m_document->model();
    bool *bold = nullptr;
    if (m_table == 0)
        bold = &m.editFormat().bold;
    else if (word::Table *t = m.editTable(m_table))
        bold = &t->bold;
    if (bold)
        *bold = value == wdToggle ? !*bold : value != 0;
}

QString WordRange::Text() const
{
    const word::DocumentModel &m = m_document->model();
    switch (m_kind) {
    case Kind::Content:
        return m.text();
    case Kind::Cell:
        if (const word::Table *t = m.table(m_table)) {
            if (m_row >= 1 && m_row <= t->rows && m_column >= 1 && m_column <= t->cols)
                return t->cell(m_row - 1, m_column - 1);
        }
        return QString();
    case Kind::Field:
        if (const word::Run *field = m.field(m_table))
            return field->text;
        return QString();
    default:
        return QString();
    }
}

void WordRange::setText(const QString &text)
{
    word::DocumentModel &m = m_document->model();
    switch (m_kind) {
    case Kind::End:
    case Kind::Paragraph:
        m.appendText(text);
        break;
    case Kind::Cell:
        if (!m.setCellText(m_table, m_row, m_column, text))
            qWarning("WordRange::setText: table %d has no cell (%d, %d)", m_table, m_row, m_column);
        break;
    default:
        // Replacing the whole document or a whole table is nothing the program does.
        qWarning("WordRange::setText: only cells and the end of the document take text");
        break;
    }
}

WordFont WordRange::Font() const
{
    if (m_kind == Kind::Table)
        return WordFont(m_document, m_table);
    if (m_kind != Kind::End && m_kind != Kind::Paragraph)
        qWarning("WordRange::Font: only a table or the end of the document carry a font here");
    return WordFont(m_document, 0);
}

WordParagraphs WordRange::Paragraphs() const
{
    return WordParagraphs(m_document);
}

WordParagraphFormat WordRange::ParagraphFormat() const
{
    if (m_kind != Kind::End && m_kind != Kind::Paragraph)
        qWarning("WordRange::ParagraphFormat: only the paragraph at the end is formatted here");
    return WordParagraphFormat(m_document, WordParagraphFormat::Scope::End, 0, 0);
}

WordParagraph WordParagraphs::Add(const WordRange &at)
{
    if (at.m_kind != WordRange::Kind::End)
        qWarning("WordParagraphs::Add: paragraphs are added at the end of the document");
    m_document->model().openParagraphAtEnd();
    return WordParagraph(m_document);
}

WordBookmark WordBookmarks::Item(const QString &name) const
{
    if (name.compare(QLatin1String("\\endofdoc"), Qt::CaseInsensitive) != 0)
        qWarning("WordBookmarks::Item: no bookmark %s; the end of the document is used",
                 qPrintable(name));
    return WordBookmark(m_document);
}

// ---------------------------------------------------------------------------------------------
// Fields

int WordField::Type() const
{
    const word::Run *field = m_document->model().field(m_index);
    return field && field->field == word::Field::NumPages ? wdFieldNumPages : 0;
}

bool WordField::Update()
{
    word::DocumentModel &m = m_document->model();
    if (!m.field(m_index))
        return false;
    // Each pass lays the document out with the result the pass before wrote; the count settles
    // at once unless the new number itself moves a line onto another page.
    for (int pass = 0; pass < 4; ++pass) {
        const int pages = m_document->ComputeStatistics(wdStatisticPages);
        if (m.field(m_index)->text == QString::number(pages))
            return true;
        m.setFieldResult(m_index, QString::number(pages));
    }
    return m.field(m_index)->text == QString::number(m_document->ComputeStatistics(wdStatisticPages));
}

WordField WordFields::Add(const WordRange &at, int type)
{
    if (at.m_kind != WordRange::Kind::End && at.m_kind != WordRange::Kind::Paragraph)
        qWarning("WordFields::Add: fields are added at the end of the document");
    if (type != wdFieldNumPages)
        qWarning("WordFields::Add: field type %d is not known here; a page count is added", type);
    // The result is worked out when the pages are laid out (Update, and every save), as Word
    // keeps a page count current while it paginates.
    return WordField(m_document, m_document->model().appendField(word::Field::NumPages, QString()));
}

int WordFields::Count() const
{
    return m_document->model().fieldCount();
}

int WordFields::Update()
{
    for (int k = 1; k <= Count(); ++k) {
        if (!Item(k).Update())
            return k;
    }
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Tables

WordTable WordTables::Add(const WordRange &at, int rows, int columns)
{
    if (at.m_kind != WordRange::Kind::End)
        qWarning("WordTables::Add: tables are added at the end of the document");
    if (rows < 1 || columns < 1)
        qWarning("WordTables::Add: a table of %d x %d cells gets at least one of each", rows, columns);
    return WordTable(m_document, m_document->model().addTable(rows, columns));
}

int WordTables::Count() const
{
    return m_document->model().tableCount();
}

void WordTable::AutoFormat(int format)
{
    if (word::Table *t = m_document->model().editTable(m_index))
        t->autoFormat = format;
    else
        qWarning("WordTable::AutoFormat: there is no table %d", m_index);
}

int WordColumns::Count() const
{
    const word::Table *t = m_document->model().table(m_table);
    return t ? t->cols : 0;
}

int WordRows::Count() const
{
    const word::Table *t = m_document->model().table(m_table);
    return t ? t->rows : 0;
}

int WordRows::AllowBreakAcrossPages() const
{
    const word::Table *t = m_document->model().table(m_table);
    return !t || t->rowsBreakAcrossPages ? wdTrue : wdFalse;
}

void WordRows::setAllowBreakAcrossPages(int value)
{
    word::Table *t = m_document->model().editTable(m_table);
    if (!t) {
        qWarning("WordRows::setAllowBreakAcrossPages: there is no table %d", m_table);
        return;
    }
    t->rowsBreakAcrossPages = value != wdFalse;
}

void WordColumn::Select()
{
    const word::Table *t = m_document->model().table(m_table);
    if (!t || m_column < 1 || m_column > t->cols) {
        qWarning("WordColumn::Select: table %d has no column %d", m_table, m_column);
        return;
    }
    m_document->Application().Selection().select(m_document, WordSelection::Kind::Column,
                                                   m_table, m_column);
}

// ---------------------------------------------------------------------------------------------
// Selection

void WordSelection::select(WordDocument *document, Kind kind, int table, int column)
{
    m_document = document;
    m_kind = kind;
    m_table = table;
    m_column = column;
}

WordDocument *WordSelection::Document() const
{
    return m_document ? m_document : m_application->ActiveDocument();
}

WordFont WordSelection::Font() const
{
    WordDocument *document = Document();
    if (!document)
        qWarning("WordSelection::Font: no document");
    return WordFont(document, 0);
}

void WordSelection::TypeText(const QString &text)
{
    WordDocument *document = Document();
    if (!document) {
        qWarning("WordSelection::TypeText: no document");
        return;
    }
    select(document, Kind::InsertionPoint);
    document->model().appendText(text);
}

WordParagraphFormat WordSelection::ParagraphFormat() const
{
    using Scope = WordParagraphFormat::Scope;
    const Scope scope = m_kind == Kind::WholeDocument ? Scope::Document
            : m_kind == Kind::Column                  ? Scope::Column
                                                      : Scope::End;
    return WordParagraphFormat(Document(), scope, m_table, m_column);
}

void WordParagraphFormat::setAlignment(int alignment)
{
    if (!m_document || !validAlignment(alignment)) {
        qWarning("WordParagraphFormat::setAlignment: alignment %d not applied", alignment);
        return;
    }
    word::DocumentModel &m = m_document->model();
    switch (m_scope) {
    case Scope::End: m.setEndAlignment(alignment); break;
    case Scope::Document: m.setAlignmentAll(alignment); break;
    case Scope::Column: m.setColumnAlignment(m_table, m_column, alignment); break;
    }
}

void WordParagraphFormat::setKeepWithNext(int value)
{
    if (!m_document || m_scope != Scope::End) {
        qWarning("WordParagraphFormat::setKeepWithNext: only the paragraph at the end is kept with the next");
        return;
    }
    m_document->model().setEndKeepWithNext(value != wdFalse);
}

// ---------------------------------------------------------------------------------------------
// Documents and the application

WordDocument::WordDocument(WordApplication *application)
    : m_application(application), m_model(std::make_unique<word::DocumentModel>())
{
}

WordDocument::~WordDocument() = default;

void WordDocument::Select()
{
    m_application->Selection().select(this, WordSelection::Kind::WholeDocument);
}

int WordDocument::ComputeStatistics(int statistic)
{
    if (statistic != wdStatisticPages) {
        qWarning("WordDocument::ComputeStatistics: only pages (%d) are counted", wdStatisticPages);
        return 0;
    }
    if (m_countedRevision != m_model->revision()) {
        m_countedPages = word::countPages(*m_model);
        m_countedRevision = m_model->revision();
    }
    return m_countedPages;
}

bool WordDocument::SaveAs(const QString &fileName)
{
    s_lastSavedPath.clear();
    QString path = QFileInfo(fileName).absoluteFilePath();
    QString problem;
    Fields().Update();
    const QByteArray bytes = word::writePackage(*m_model, &problem);
    if (bytes.isEmpty()) {
        reportFailure(path, QStringLiteral("Il documento non si è potuto comporre: %1.").arg(problem));
        return false;
    }

    QString reason;
    const WriteResult result = writeFile(path, bytes, &reason);
    if (result == WriteResult::Failed) {
        reportFailure(path, reason);
        return false;
    }
    if (result == WriteResult::FolderRefused) {
        // The program's folder may be read-only (installed for all users): the user's
        // documents folder takes the document instead.
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString fallback = QDir(documents).filePath(QFileInfo(path).fileName());
        QString ignored;
        if (documents.isEmpty() || !QDir().mkpath(documents)
            || QFileInfo(fallback).absolutePath() == QFileInfo(path).absolutePath()
            || writeFile(fallback, bytes, &ignored) != WriteResult::Saved) {
            reportFailure(path, reason);
            return false;
        }
        MsgBox(QStringLiteral("Non è possibile scrivere nella cartella %1.\n"
                              "Il documento è stato salvato in:\n%2")
                       .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()),
                            QDir::toNativeSeparators(fallback)),
               vb::Information, kTitle);
        path = fallback;
    }

    m_fullName = path;
    s_lastSavedPath = path;
    if (m_application->Visible() && s_openAfterSave)
        ShellOpen(path);
    return true;
}

bool WordDocument::Show()
{
    QString problem;
    Fields().Update();
    const QByteArray bytes = word::writePackage(*m_model, &problem);
    QTemporaryFile file(QDir::temp().filePath(QStringLiteral("Vantegra-XXXXXX.docx")));
    file.setAutoRemove(false);
    if (bytes.isEmpty() || !file.open() || file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = bytes.isEmpty() ? problem : file.errorString();
        file.remove();
        MsgBox(QStringLiteral("Non è stato possibile mostrare il documento.\n\n%1").arg(reason),
               vb::Critical, kTitle);
        return false;
    }
    file.close();
    if (s_openAfterSave)
        ShellOpen(file.fileName());
    return true;
}

WordDocument &WordDocuments::Add()
{
    m_documents.push_back(std::unique_ptr<WordDocument>(new WordDocument(m_application)));
    WordDocument *document = m_documents.back().get();
    m_application->Selection().select(document, WordSelection::Kind::InsertionPoint);
    return *document;
}

WordDocument *WordDocuments::Item(int index) const
{
    if (index < 1 || index > Count())
        return nullptr;
    return m_documents[size_t(index - 1)].get();
}

WordApplication::WordApplication() : m_documents(this), m_selection(this)
{
    word::installFontSubstitutions();
}

WordApplication::~WordApplication() = default;

WordDocument *WordApplication::ActiveDocument() const
{
    return m_documents.m_documents.empty() ? nullptr : m_documents.m_documents.back().get();
}

void WordApplication::setOpenAfterSave(bool open)
{
    s_openAfterSave = open;
}

bool WordApplication::openAfterSave()
{
    return s_openAfterSave;
}

QString WordApplication::lastSavedPath()
{
    return s_lastSavedPath;
}

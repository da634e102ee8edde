#pragma once

#include "platform/word/Word.h"
#include "runtime/Variant.h"

#include <QList>
#include <QString>
#include <optional>

// What every analysis window's Word export ("S&tampa dati finestra") has in common: the guard on
// the owner typed in the cover page, a new Word application and document, the heading, tables
// added at the end of the document and filled cell by cell, Word's table format 9, right-aligned
// columns, and the document saved in the program's folder under a name made of the window's part,
// the owner and ".doc". The shared objects gWord, gDocumento and gTabella follow the last export.
//
//     auto ex = WordExport::inizia(QStringLiteral("Finestra dati"));
//     if (!ex)
//         return;                                  // no owner: the user was told
//     auto t = ex->tabella(righe, 8);
//     t.cella(1, 1, QStringLiteral("numero"));
//     t.numero(3, 2, gValoreMercato[1]);           // "##,##0.00"
//     ex->formatta(t);
//     ex->allineaDestra(1, 2, 8);                  // after every table is done
//     ex->salva(QStringLiteral("-DatiVantegra-"));
class WordExport
{
public:
    // Sizes and paragraph ends of the heading, as each window's export states them.
    struct Intestazione
    {
        double corpoIntestazione = 20;   // "STIMA DI UN'AREA FABBRICABILE"
        int capiIntestazione = 3;        // paragraph ends after it
        double corpoTitolo = 14;         // the window's title, followed by two paragraph ends
        double corpoTesto = 10;          // what follows; 0 leaves the title's size
    };
    // The main data and rate windows: 20 points, three ends, title at 14, the rest at 10.
    static Intestazione principale() { return {20, 3, 14, 10}; }

    // A table of the document, filled by row and column from 1.
    class Tabella
    {
    public:
        void cella(int riga, int colonna, const QString &testo) const;
        // A value in "##,##0.00": a number, or a text that reads as one, formatted; another text
        // as it is; nothing and the empty text an empty cell.
        void numero(int riga, int colonna, const Variant &valore) const;
        int indice() const { return m_tabella.Index(); }
        const WordTable &word() const { return m_tabella; }

    private:
        friend class WordExport;
        explicit Tabella(const WordTable &tabella) : m_tabella(tabella) {}
        WordTable m_tabella;
    };

    // The owner guard, then a new Word and document with the heading and the window's title.
    // With no owner typed (exactly empty: blanks count as a name) the user is told, the cover page
    // is shown and nothing comes back.
    static std::optional<WordExport> inizia(const QString &titolo, const Intestazione &stile = principale());

    // A new table at the end of the document; it becomes gTabella.
    Tabella tabella(int righe, int colonne);
    // Word's table format 9, once the table is filled.
    void formatta(const Tabella &tabella);
    // A new empty paragraph at the end of the document, so that the next table stands apart.
    void nuovoParagrafo();
    // Types text at the end of the document ('\r' ends a paragraph) in the current size.
    void scrivi(const QString &testo);
    void corpo(double punti);
    // Right-aligns columns of table k (from 1, in the order the tables were added).
    void allineaDestra(int tabella, const QList<int> &colonne);
    void allineaDestra(int tabella, int primaColonna, int ultimaColonna);
    // Saves the last document of the application as folder/<parte><owner>.doc (nomeDocumento),
    // replacing a file of that name. A document that cannot be written is reported to the user; false then.
    bool salva(const QString &parteNome);

    WordDocument &documento() const { return *m_documento; }
    const QString &proprietario() const { return m_proprietario; }

    // The owner typed in the cover page (creating the cover page hidden when needed); empty while
    // the program has no cover page.
    static QString testoProprietario();
    // A text made fit for a file name: the characters a file name cannot hold (path separators,
    // : * ? " < > | and control characters) become "_". Nothing else changes.
    static QString perNomeFile(const QString &testo);
    // A document's file name: <parte>, the owner made fit for a file name, ".doc"; the owner's
    // part is cut, at the end of a whole character, so that the name fits the file system, also
    // as the temporary file that a save writes before it replaces the document.
    static QString nomeDocumento(const QString &parte, const QString &proprietario);
    // Where documents go: the program's folder, unless a test chose another.
    static QString cartella();
    static void setCartella(const QString &cartella);   // empty: the program's folder again

private:
    WordExport(WordApplication *word, WordDocument *documento, const QString &proprietario)
        : m_word(word), m_documento(documento), m_proprietario(proprietario) {}

    WordApplication *m_word;
    WordDocument *m_documento;
    QString m_proprietario;
};

#include "core/WordExport.h"

#include "core/Modulo.h"
#include "core/WindowRegistry.h"
#include "platform/MsgBox.h"

#include <QFile>
#include <QLineEdit>
#include <QTextBoundaryFinder>
#include <QWidget>

namespace {

const QString fineDocumento = QStringLiteral("\\endofdoc");

QString &cartellaScelta()
{
    static QString cartella;
    return cartella;
}

} // namespace

void WordExport::Tabella::cella(int riga, int colonna, const QString &testo) const
{
    m_tabella.Cell(riga, colonna).Range().setText(testo);
}

void WordExport::Tabella::numero(int riga, int colonna, const Variant &valore) const
{
    cella(riga, colonna, formatCell(valore));
}

QString WordExport::testoProprietario()
{
    QWidget *frontespizio = WindowRegistry::instance(QStringLiteral("frontespizio"));
    if (!frontespizio)
        return QString();
    const auto *box = frontespizio->findChild<QLineEdit *>(QStringLiteral("proprietà"));
    return box ? box->text() : QString();
}

QString WordExport::perNomeFile(const QString &testo)
{
    static const QString vietati = QStringLiteral("/\\:*?\"<>|");
    QString nome = testo;
    for (QChar &c : nome) {
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F) || vietati.contains(c))
            c = QLatin1Char('_');
    }
    return nome;
}

QString WordExport::nomeDocumento(const QString &parte, const QString &proprietario)
{
    // A file name holds at most 255 bytes, and the safe save first writes the document under its
    // name followed by a dot and six characters, then renames it over the document of that name:
    // that temporary name must fit too, or only the first print of a document could be written.
    // The owner gives up its last characters, whole ones.
    constexpr qsizetype suffissoTemporaneo = 7;
    constexpr qsizetype limite = 255 - suffissoTemporaneo;
    const QString fine = QStringLiteral(".doc");
    const QString nome = perNomeFile(proprietario);
    qsizetype byte = QFile::encodeName(parte + fine).size();
    qsizetype taglio = 0;
    QTextBoundaryFinder caratteri(QTextBoundaryFinder::Grapheme, nome);
    for (qsizetype p = caratteri.toNextBoundary(); p > 0; p = caratteri.toNextBoundary()) {
        byte += QFile::encodeName(nome.mid(taglio, p - taglio)).size();
        if (byte > limite)
            break;
        taglio = p;
    }
    return parte + nome.left(taglio) + fine;
}

QString WordExport::cartella()
{
    return cartellaScelta().isEmpty() ? programFolder() : cartellaScelta();
}

void WordExport::setCartella(const QString &cartella)
{
    cartellaScelta() = cartella;
}

std::optional<WordExport> WordExport::inizia(const QString &titolo, const Intestazione &stile)
{
    const QString proprietario = testoProprietario();
    if (proprietario.isEmpty()) {
        MsgBox(QStringLiteral("Digitare il nome del proprietario dell'area fabbricabile."), vb::Exclamation,
               gTitoloControllo);
        WindowRegistry::show(QStringLiteral("frontespizio"));
        return std::nullopt;
    }

    WordSelection &selezione = NuovoDocumentoWord();
    selezione.Font().setName(QStringLiteral("Century Gothic"));
    selezione.Font().setSize(stile.corpoIntestazione);
    selezione.TypeText(QStringLiteral("STIMA DI UN'AREA FABBRICABILE") + QString(stile.capiIntestazione, QLatin1Char('\r')));
    selezione.Font().setSize(stile.corpoTitolo);
    selezione.TypeText(titolo + QStringLiteral("\r\r"));
    if (stile.corpoTesto > 0)
        selezione.Font().setSize(stile.corpoTesto);
    return WordExport(gWord.get(), gDocumento, proprietario);
}

WordExport::Tabella WordExport::tabella(int righe, int colonne)
{
    const WordRange fine = m_documento->Bookmarks().Item(fineDocumento).Range();
    const WordTable t = m_documento->Tables().Add(fine, righe, colonne);
    gTabella = t;
    return Tabella(t);
}

void WordExport::formatta(const Tabella &tabella)
{
    WordTable t = tabella.word();
    t.AutoFormat(wdTableFormatColorful2);
}

void WordExport::nuovoParagrafo()
{
    const WordRange fine = m_documento->Bookmarks().Item(fineDocumento).Range();
    fine.Paragraphs().Add(fine);
}

void WordExport::scrivi(const QString &testo)
{
    m_word->Selection().TypeText(testo);
}

void WordExport::corpo(double punti)
{
    m_word->Selection().Font().setSize(punti);
}

void WordExport::allineaDestra(int tabella, const QList<int> &colonne)
{
    for (int c : colonne) {
        m_documento->Tables().Item(tabella).Columns().Item(c).Select();
        m_word->Selection().ParagraphFormat().setAlignment(wdAlignParagraphRight);
    }
}

void WordExport::allineaDestra(int tabella, int primaColonna, int ultimaColonna)
{
    QList<int> colonne;
    for (int c = primaColonna; c <= ultimaColonna; ++c)
        colonne << c;
    allineaDestra(tabella, colonne);
}

bool WordExport::salva(const QString &parteNome)
{
    WordDocuments &documenti = m_word->Documents();
    WordDocument *ultimo = documenti.Item(documenti.Count());
    if (!ultimo)
        return false;
    return ultimo->SaveAs(cartella() + QLatin1Char('/') + nomeDocumento(parteNome, m_proprietario));
}

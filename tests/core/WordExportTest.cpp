#include "support/DocxReader.h"
#include "support/WindowTest.h"

#include "core/AnalysisWindow.h"
#include "core/Modulo.h"
#include "core/WordExport.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

// --- what a word processor finds in the written file: body paragraphs and the first paragraph
//     of every table cell

struct Paragrafo
{
    QString testo;
    QString font;
    double corpo = 0;        // size of the first run, points
    QString allineamento;    // w:jc, empty when not written
};

struct Tabella
{
    QList<QList<Paragrafo>> righe;   // the first paragraph of each cell
    const Paragrafo &cella(int r, int c) const { return righe.at(r - 1).at(c - 1); }
};

struct Documento
{
    QList<Paragrafo> paragrafi;   // outside tables
    QList<Tabella> tabelle;
    QString errore;
};

Paragrafo paragrafo(const docx::Paragraph &p)
{
    Paragrafo out;
    out.testo = p.text();
    out.allineamento = p.jc;
    if (!p.runs.empty()) {
        out.font = p.runs.front().font;
        out.corpo = p.runs.front().size;
    }
    return out;
}

Documento leggi(const QString &file)
{
    const docx::Document doc = docx::read(file);
    Documento d;
    d.errore = doc.error;
    for (const docx::Paragraph *p : doc.paragraphs())
        d.paragrafi << paragrafo(*p);
    for (const docx::Table *t : doc.tables()) {
        Tabella tabella;
        for (const auto &riga : t->rows) {
            QList<Paragrafo> celle;
            for (const docx::Cell &cella : riga)
                celle << (cella.paragraphs.empty() ? Paragrafo() : paragrafo(cella.paragraphs.front()));
            tabella.righe << celle;
        }
        d.tabelle << tabella;
    }
    return d;
}

// --- the windows

class Copertina : public QWidget
{
public:
    Copertina()
    {
        auto *box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("proprietà"));
    }
};

// Exports two small tables, the second after a new paragraph; the right alignment comes after both.
class Finestra : public AnalysisWindow
{
public:
    static inline WordExport::Intestazione stile = WordExport::principale();

    Finestra()
    {
        setCentralWidget(new QWidget(this));
        setupCommandFamily();
    }
    int numeroFinestra() const override { return 2; }

    void solodati_Click() override
    {
        auto ex = WordExport::inizia(QStringLiteral("Finestra prova"), stile);
        if (!ex)
            return;
        auto t = ex->tabella(3, 3);
        t.cella(1, 1, QStringLiteral("voce"));
        t.cella(1, 2, QStringLiteral("euro"));
        t.cella(1, 3, QStringLiteral("mq."));
        t.cella(2, 1, QStringLiteral(" 1"));
        t.numero(2, 2, Variant("1500,5"));
        t.numero(2, 3, Variant(2.5));
        t.cella(3, 1, QStringLiteral(" 2"));
        t.numero(3, 2, Variant());
        t.numero(3, 3, Variant("nessuno"));
        ex->formatta(t);
        ex->nuovoParagrafo();
        auto t2 = ex->tabella(2, 2);
        t2.cella(1, 1, QStringLiteral("totale"));
        t2.numero(1, 2, Variant(123456.0));
        ex->formatta(t2);
        ex->allineaDestra(1, 2, 3);
        ex->allineaDestra(2, {2});
        salvato = ex->salva(QStringLiteral("-ProvaVantegra-"));
    }

    bool salvato = false;
};

class WordExportTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        WordExport::setCartella(dir.path());
        Finestra::stile = WordExport::principale();
        WindowRegistry::registerWindow(QStringLiteral("valore"), [] { return new Finestra; });
        WindowRegistry::registerWindow(QStringLiteral("frontespizio"), [] { return new Copertina; });
    }
    void TearDown() override
    {
        WordExport::setCartella(QString());
        WindowTest::TearDown();
    }

    void proprietario(const QString &testo)
    {
        find<QLineEdit>(window<QWidget>(QStringLiteral("frontespizio")), QStringLiteral("proprietà"))->setText(testo);
    }
    Finestra *esporta()
    {
        auto *w = show<Finestra>(QStringLiteral("valore"));
        trigger(w, QStringLiteral("solodati"));
        return w;
    }
    QStringList documenti() const { return QDir(dir.path()).entryList(QDir::Files); }

    QTemporaryDir dir;
};

const QString avviso = QStringLiteral("Digitare il nome del proprietario dell'area fabbricabile.");

} // namespace

TEST_F(WordExportTest, WithoutACoverPageTheOwnerCountsAsEmpty)
{
    // The program has no cover page to read the owner from.
    WindowRegistry::registerWindow(QStringLiteral("frontespizio"), [] { return nullptr; });
    esporta();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, avviso);
    EXPECT_EQ(messages[0].icon(), vb::Exclamation);
    EXPECT_EQ(messages[0].title, gTitoloControllo);
    EXPECT_EQ(gWord, nullptr);
    EXPECT_TRUE(documenti().isEmpty());
}

TEST_F(WordExportTest, EmptyOwnerShowsTheCoverPageAndStartsNoWord)
{
    Finestra *w = esporta();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, avviso);
    EXPECT_TRUE(isShown("frontespizio"));
    EXPECT_EQ(gWord, nullptr);
    EXPECT_FALSE(w->salvato);
    EXPECT_TRUE(documenti().isEmpty());

    // Blanks are a name.
    proprietario(QStringLiteral("  "));
    esporta();
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(documenti(), QStringList({QStringLiteral("-ProvaVantegra-  .doc")}));
}

TEST_F(WordExportTest, OwnerBecomesAFileNameOnlyOnceMadeSafe)
{
    EXPECT_EQ(WordExport::perNomeFile(QStringLiteral("a/b\\c:d*e?f\"g<h>i|j\tk\nl")),
              QStringLiteral("a_b_c_d_e_f_g_h_i_j_k_l"));
    EXPECT_EQ(WordExport::perNomeFile(QStringLiteral(" Rossi & Bianchi s.r.l. (è) ")),
              QStringLiteral(" Rossi & Bianchi s.r.l. (è) "));

    proprietario(QStringLiteral("../../Rossi/Bianchi"));
    Finestra *w = esporta();
    EXPECT_TRUE(w->salvato);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(documenti(), QStringList({QStringLiteral("-ProvaVantegra-.._.._Rossi_Bianchi.doc")}));
    EXPECT_EQ(WordApplication::lastSavedPath(), dir.filePath(QStringLiteral("-ProvaVantegra-.._.._Rossi_Bianchi.doc")));
}

// An owner of any length gives a document, written as often as the user exports: its part of the
// name is cut, at the end of a whole character (accents and emoji included), so that the name fits
// the file system's 255 bytes together with the suffix of the temporary file that a safe save
// writes before it replaces the document of that name.
TEST_F(WordExportTest, ALongOwnerIsCutToFitAFileNameNeverInsideACharacter)
{
    const QString parte = QStringLiteral("-ProvaVantegra-");
    const struct
    {
        const char *nome;
        QString proprietario;
        QString atteso;   // the owner's part of the file name
    } casi[] = {
        {"240 letters", QString(240, QLatin1Char('r')), QString(229, QLatin1Char('r'))},
        {"229 letters fit exactly", QString(229, QLatin1Char('r')), QString(229, QLatin1Char('r'))},
        {"120 accented letters", QString(120, QChar(0xE8)), QString(114, QChar(0xE8))},
        {"emoji", QString::fromUtf8("\xF0\x9F\x8F\xA0").repeated(70), QString::fromUtf8("\xF0\x9F\x8F\xA0").repeated(57)},
        {"letters and combining accents", QStringLiteral("e\u0301").repeated(80), QStringLiteral("e\u0301").repeated(76)},
        {"short, C1 controls", QStringLiteral("Rossi\u0085Mario\u009F"), QStringLiteral("Rossi_Mario_")},
    };
    for (const auto &c : casi) {
        SCOPED_TRACE(c.nome);
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        proprietario(c.proprietario);
        for (const char *volta : {"first export", "second export, over the first"}) {
            SCOPED_TRACE(volta);
            Finestra *w = esporta();
            EXPECT_TRUE(w->salvato);
            EXPECT_TRUE(messages.isEmpty()) << messages.value(0).text.toStdString();
            const QStringList scritti = documenti();
            ASSERT_EQ(scritti.size(), 1);
            EXPECT_EQ(scritti[0], parte + c.atteso + QStringLiteral(".doc"));
            messages.clear();
        }
    }
}

TEST_F(WordExportTest, DocumentReadBackHeadingTablesAndAlignment)
{
    proprietario(QStringLiteral("Rossi"));
    Finestra *w = esporta();
    ASSERT_TRUE(w->salvato);
    const QString file = dir.filePath(QStringLiteral("-ProvaVantegra-Rossi.doc"));
    ASSERT_TRUE(QFile::exists(file));

    // The shared objects follow this export: its application, its document, its last table.
    ASSERT_NE(gWord, nullptr);
    EXPECT_TRUE(gWord->Visible());
    EXPECT_EQ(gDocumento, gWord->Documents().Item(1));
    ASSERT_TRUE(gTabella.has_value());
    EXPECT_EQ(gTabella->Index(), 2);

    const Documento d = leggi(file);
    ASSERT_EQ(d.errore, QString());
    ASSERT_GE(d.paragrafi.size(), 5);
    EXPECT_EQ(d.paragrafi[0].testo, "STIMA DI UN'AREA FABBRICABILE");
    EXPECT_EQ(d.paragrafi[0].font, "Century Gothic");
    EXPECT_EQ(d.paragrafi[0].corpo, 20);
    // Three paragraph ends after the heading: two empty paragraphs before the title.
    EXPECT_EQ(d.paragrafi[1].testo, "");
    EXPECT_EQ(d.paragrafi[2].testo, "");
    EXPECT_EQ(d.paragrafi[3].testo, "Finestra prova");
    EXPECT_EQ(d.paragrafi[3].corpo, 14);
    EXPECT_EQ(d.paragrafi[3].font, "Century Gothic");
    EXPECT_EQ(d.paragrafi[4].testo, "");

    ASSERT_EQ(d.tabelle.size(), 2);
    const Tabella &t = d.tabelle[0];
    ASSERT_EQ(t.righe.size(), 3);
    const QStringList attese = {"voce", "euro", "mq.", " 1", "1.500,50", "2,50", " 2", "", "nessuno"};
    for (int r = 1; r <= 3; ++r) {
        ASSERT_EQ(t.righe[r - 1].size(), 3);
        for (int c = 1; c <= 3; ++c) {
            SCOPED_TRACE(QStringLiteral("cell %1,%2").arg(r).arg(c).toStdString());
            EXPECT_EQ(t.cella(r, c).testo, attese[(r - 1) * 3 + c - 1]);
            EXPECT_EQ(t.cella(r, c).allineamento, c == 1 ? QString() : QStringLiteral("right"));
        }
    }
    EXPECT_EQ(t.cella(2, 2).corpo, 10) << "the rest of the document in the body size";
    EXPECT_EQ(t.cella(2, 2).font, "Century Gothic");

    const Tabella &t2 = d.tabelle[1];
    EXPECT_EQ(t2.cella(1, 1).testo, "totale");
    EXPECT_EQ(t2.cella(1, 2).testo, "123.456,00");
    EXPECT_EQ(t2.cella(1, 1).allineamento, QString());
    EXPECT_EQ(t2.cella(1, 2).allineamento, "right");
}

TEST_F(WordExportTest, ADetailWindowStatesItsOwnSizesAndASecondExportReplacesTheFirst)
{
    proprietario(QStringLiteral("Verdi"));
    Finestra::stile = {20, 2, 12, 12};
    esporta();
    WordApplication *primo = gWord.get();
    const Documento d = leggi(dir.filePath(QStringLiteral("-ProvaVantegra-Verdi.doc")));
    ASSERT_EQ(d.errore, QString());
    ASSERT_GE(d.paragrafi.size(), 3);
    EXPECT_EQ(d.paragrafi[0].corpo, 20);
    EXPECT_EQ(d.paragrafi[1].testo, "");
    EXPECT_EQ(d.paragrafi[2].testo, "Finestra prova");
    EXPECT_EQ(d.paragrafi[2].corpo, 12);
    ASSERT_EQ(d.tabelle.size(), 2);
    EXPECT_EQ(d.tabelle[0].cella(1, 1).corpo, 12);

    // Each export starts a Word of its own and writes over a document of the same name.
    Finestra::stile = WordExport::principale();
    esporta();
    EXPECT_NE(gWord.get(), primo);
    EXPECT_EQ(documenti(), QStringList({QStringLiteral("-ProvaVantegra-Verdi.doc")}));
    EXPECT_EQ(leggi(dir.filePath(QStringLiteral("-ProvaVantegra-Verdi.doc"))).paragrafi.value(3).testo, "Finestra prova");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(WordExportTest, ADocumentThatCannotBeWrittenIsReportedNotFatal)
{
    proprietario(QStringLiteral("Neri"));
    WordExport::setCartella(dir.filePath(QStringLiteral("non-esiste")));
    Finestra *w = esporta();
    EXPECT_FALSE(w->salvato);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].icon(), vb::Critical);
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("-ProvaVantegra-Neri.doc")));
    EXPECT_TRUE(documenti().isEmpty());
}

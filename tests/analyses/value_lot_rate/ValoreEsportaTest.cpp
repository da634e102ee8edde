#include "ValoreTest.h"

#include "support/DocxReader.h"

#include <QDir>
#include <QFile>

namespace {

// The cover page as the export needs it: the owner's box.
class Copertina : public QWidget
{
public:
    Copertina() { (new QLineEdit(this))->setObjectName(QStringLiteral("proprietà")); }
};

QStringList colonna(const docx::Table &t, int c)
{
    QStringList out;
    for (int r = 1; r <= t.rowCount(); ++r)
        out << t.cell(r, c).text();
    return out;
}

QStringList riga(const docx::Table &t, int r)
{
    QStringList out;
    for (int c = 1; c <= t.columnCount(); ++c)
        out << t.cell(r, c).text();
    return out;
}

} // namespace

class ValoreEsportaTest : public ValoreTest
{
protected:
    void SetUp() override
    {
        ValoreTest::SetUp();
        WindowRegistry::registerWindow(QStringLiteral("frontespizio"), [] { return new Copertina; });
    }

    void proprietario(const QString &nome)
    {
        find<QLineEdit>(window<QWidget>(QStringLiteral("frontespizio")), QStringLiteral("proprietà"))->setText(nome);
    }
    QString documento(const QString &nome) const
    {
        return cartella.filePath(QStringLiteral("-FabbricatoVantegra-") + nome + QStringLiteral(".doc"));
    }
    docx::Document esporta(const QString &nome)
    {
        proprietario(nome);
        trigger(v, QStringLiteral("solodati"));
        EXPECT_TRUE(messages.isEmpty());
        docx::Document d = docx::read(documento(WordExport::perNomeFile(nome)));
        EXPECT_TRUE(d.error.isEmpty()) << d.error.toStdString();
        EXPECT_TRUE(d.problems.isEmpty()) << d.problems.join('\n').toStdString();
        return d;
    }
};

TEST_F(ValoreEsportaTest, senzaProprietarioNienteDocumento)
{
    trigger(v, QStringLiteral("solodati"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Digitare il nome del proprietario dell'area fabbricabile.");
    EXPECT_EQ(messages[0].icon(), vb::Exclamation);
    EXPECT_EQ(messages[0].title, gTitoloControllo);
    EXPECT_TRUE(isShown(QStringLiteral("frontespizio")));
    EXPECT_FALSE(gWord);
    EXPECT_TRUE(QDir(cartella.path()).isEmpty());
}

TEST_F(ValoreEsportaTest, documentoCompleto)
{
    coefficienti({8, 8, 8, 8, 8});
    barra(5)->setValue(10);
    stanza(1, "abitazione", "120", "100");
    stanza(2, "cantina", "35,5", " 50");
    stanza(4, "terrazzo", "10,333", "25");   // after an empty row: listed as the third room
    digita(box("costmq"), "1500,5");
    ASSERT_EQ(testo("coeffic"), "0,84");

    const docx::Document d = esporta("Rossi/Bianchi");   // a separator goes out of the name
    ASSERT_EQ(d.tables().size(), 3u);
    const QStringList testi = d.texts();
    ASSERT_GE(testi.size(), 6);
    EXPECT_EQ(testi[0], "STIMA DI UN'AREA FABBRICABILE");
    EXPECT_EQ(d.paragraphs()[0]->runs.at(0).size, 20);
    EXPECT_EQ(d.paragraphs()[0]->runs.at(0).font, "Century Gothic");
    const int titolo = int(testi.indexOf("Finestra valore del fabbricato"));
    ASSERT_EQ(titolo, 3);   // after three paragraph ends
    EXPECT_EQ(d.paragraphs()[size_t(titolo)]->runs.at(0).size, 14);

    const docx::Table &t1 = *d.tables()[0];
    ASSERT_EQ(t1.rowCount(), 6);
    EXPECT_EQ(riga(t1, 1), QStringList({"numero", "caratteristiche considerate", "coefficienti"}));
    EXPECT_EQ(riga(t1, 2), QStringList({" 1", "posizione rispetto all'abitato ", "0,8"}));
    EXPECT_EQ(riga(t1, 6), QStringList({" 5", "distribuzione interna", "1"}));
    EXPECT_EQ(t1.cell(2, 2).paragraphs.at(0).runs.at(0).size, 12);

    const docx::Table &t2 = *d.tables()[1];
    ASSERT_EQ(t2.rowCount(), 5);
    EXPECT_EQ(riga(t2, 1), QStringList({"n.", "tipo di ambiente", "superficie mq.", "ragguaglio %", "sup.ragguagliata mq."}));
    EXPECT_EQ(riga(t2, 3), QStringList({" 2", "cantina", "35,50", "50,00", "17,75"}));
    EXPECT_EQ(riga(t2, 4), QStringList({" 3", "terrazzo", "10,33", "25,00", "2,58"}));
    EXPECT_EQ(riga(t2, 5), QStringList({"", "TOTALI mq.", "165,83", "", "140,33"}));
    for (int c = 1; c <= 5; ++c)
        EXPECT_EQ(t2.cell(3, c).paragraphs.at(0).jc, c >= 3 ? "right" : "") << c;

    const docx::Table &t3 = *d.tables()[2];
    EXPECT_EQ(colonna(t3, 1), QStringList({"tipologia di stima", "coefficiente medio", "superficie mq.",
                                           "costo unitario al mq.", "TOTALE STIMA"}));
    // 140,33 x 0,84 x 1500,5 = 176874,7386
    EXPECT_EQ(colonna(t3, 2), QStringList({"valore", "0,84", "140,33", "1.500,50", "176.874,74"}));
    EXPECT_EQ(t3.cell(5, 2).paragraphs.at(0).jc, "right");
    EXPECT_EQ(t1.cell(2, 3).paragraphs.at(0).jc, "");

    // The document ends with an empty line, the results' caption and the window's own two texts.
    const int risultati = int(testi.indexOf("Risultati della stima del fabbricato"));
    ASSERT_GT(risultati, titolo);
    int ultimaTabella = 0;
    for (size_t b = 0; b < d.blocks.size(); ++b) {
        if (d.blocks[b].isTable)
            ultimaTabella = int(b);
    }
    EXPECT_GT(d.indexOfText(testi[risultati]), ultimaTabella + 1);
    EXPECT_EQ(testi[risultati - 1], "");
    EXPECT_EQ(testi.mid(risultati + 1, 2),
              QStringList({"euro 176.874", "(euro centosettantaseimilaottocentosettantaquattro)"}));
    for (const QString &t : testi.mid(risultati + 3))
        EXPECT_EQ(t, "");
}

TEST_F(ValoreEsportaTest, rigaSenzaTipoContataEdElencataEFormatiDelleCelle)
{
    coefficienti({8, 8, 8, 8, 8});
    digita(box("sup", 1), "100");
    digitaRagguaglio(1, "100");
    digita(box("costmq"), "123,135");
    box("stimatotal")->setText("9850,5");   // typed by hand
    const docx::Document d = esporta("Verdi");
    ASSERT_EQ(d.tables().size(), 3u);
    const docx::Table &t2 = *d.tables()[1];
    // The row names no room, yet the totals count it: it is listed, so the table adds up.
    ASSERT_EQ(t2.rowCount(), 3);
    EXPECT_EQ(riga(t2, 2), QStringList({" 1", "", "100,00", "100,00", "100,00"}));
    EXPECT_EQ(riga(t2, 3), QStringList({"", "TOTALI mq.", "100,00", "", "100,00"}));
    const docx::Table &t3 = *d.tables()[2];
    EXPECT_EQ(colonna(t3, 2), QStringList({"valore", "0,80", "100,00", "123,14", "9.850,50"}));
    // The closing lines repeat the window's own texts, not the hand-typed value.
    EXPECT_TRUE(d.texts().contains("euro 9.850"));
    EXPECT_TRUE(d.texts().contains("(euro novemilaottocentocinquanta)"));
    EXPECT_FALSE(d.texts().contains("euro 9.850,50"));
}

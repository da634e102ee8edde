#include "CostiTempiTest.h"

#include "core/WordExport.h"
#include "support/DocxReader.h"

#include <QTemporaryDir>

namespace {

class EsportazioniCostiTempiTest : public CostiTempiTest
{
protected:
    void SetUp() override
    {
        CostiTempiTest::SetUp();
        WordExport::setCartella(m_dir.path());
    }
    void TearDown() override
    {
        WordExport::setCartella(QString());
        CostiTempiTest::TearDown();
    }

    docx::Document export_(QWidget *w, const QString &file)
    {
        trigger(w, "solodati");
        return docx::read(m_dir.filePath(file));
    }
    static QStringList row(const docx::Table &t, int r)
    {
        QStringList out;
        for (int c = 1; c <= t.columnCount(); ++c)
            out << t.cell(r, c).text();
        return out;
    }
    static QString jc(const docx::Table &t, int r, int c) { return t.cell(r, c).paragraphs.at(0).jc; }

    QTemporaryDir m_dir;
};

TEST_F(EsportazioniCostiTempiTest, CostsDocumentHoldsBothTablesFormatted)
{
    coverPage(QStringLiteral("Rossi"));
    QWidget *w = fullCosts();
    const docx::Document doc = export_(w, "-CostiVantegra-Rossi.doc");
    ASSERT_TRUE(doc.error.isEmpty()) << doc.error.toStdString();
    EXPECT_TRUE(doc.problems.isEmpty()) << doc.problems.join("; ").toStdString();
    EXPECT_TRUE(messages.isEmpty());

    const int titolo = doc.indexOfText("STIMA DI UN'AREA FABBRICABILE");
    const int sottotitolo =
        doc.indexOfText("Finestra costi di realizzazione per un fabbricato con caratteristiche medie");
    ASSERT_GE(titolo, 0);
    ASSERT_EQ(sottotitolo, titolo + 3);
    EXPECT_EQ(doc.blocks[size_t(sottotitolo)].paragraph.runs.at(0).size, 12);

    ASSERT_EQ(doc.tables().size(), 2u);
    const docx::Table &opere = *doc.tables()[0];
    ASSERT_EQ(opere.rowCount(), 18);
    ASSERT_EQ(opere.columnCount(), 3);
    EXPECT_EQ(row(opere, 1), QStringList({"tipo di opere", "costo in euro", "percentuale sul totale"}));
    EXPECT_EQ(row(opere, 2), QStringList({" Fondazioni", "8.000,00", "4,00"}));
    EXPECT_EQ(row(opere, 18), QStringList({"Totali costi", "200.000,00", "100,00"}));
    EXPECT_EQ(opere.cell(2, 2).paragraphs.at(0).runs.at(0).size, 12);

    const docx::Table &categorie = *doc.tables()[1];
    ASSERT_EQ(categorie.rowCount(), 20);
    ASSERT_EQ(categorie.columnCount(), 4);
    EXPECT_EQ(row(categorie, 1), QStringList({"classe di tipologia", "tipologia di costo", "euro", "totale euro"}));
    EXPECT_EQ(row(categorie, 2), QStringList({"a) Spese tecniche:", "", "", "10.000,00"}));
    EXPECT_EQ(row(categorie, 10), QStringList({"", "1) urbanizzazione primaria", "2.335,00", ""}));
    EXPECT_EQ(row(categorie, 13), QStringList({"c) Costruzione:", "", "", "200.000,00"}));
    EXPECT_EQ(row(categorie, 19), QStringList({"d) Profitto imprenditore:", "", "", "15.000,00"}));
    EXPECT_EQ(row(categorie, 20), QStringList({"Totale costi", "", "", "230.000,00"}));

    for (int c : {2, 3})
        EXPECT_EQ(jc(opere, 5, c), "right") << c;
    for (int c : {3, 4})
        EXPECT_EQ(jc(categorie, 5, c), "right") << c;
    EXPECT_NE(jc(opere, 5, 1), "right");
    EXPECT_NE(jc(categorie, 5, 2), "right");
}

TEST_F(EsportazioniCostiTempiTest, TimesDocumentWritesDaysAsShown)
{
    coverPage(QStringLiteral("Bianchi"));
    QWidget *w = fullTimes();
    set(w, "tempoabit", "1500");
    const docx::Document doc = export_(w, "-TempiVantegra-Bianchi.doc");
    ASSERT_TRUE(doc.error.isEmpty()) << doc.error.toStdString();
    EXPECT_GE(doc.indexOfText("Finestra tempi di realizzazione per un fabbricato con caratteristiche medie"), 0);
    ASSERT_EQ(doc.tables().size(), 2u);
    const docx::Table &opere = *doc.tables()[0];
    EXPECT_EQ(row(opere, 1), QStringList({"tipo di opere", "tempi in giorni", "percentuale sul totale"}));
    EXPECT_EQ(row(opere, 2), QStringList({" Fondazioni", "16", "4,00"}));
    EXPECT_EQ(row(opere, 18), QStringList({"Totale tempi", "400", "100,00"}));

    const docx::Table &categorie = *doc.tables()[1];
    ASSERT_EQ(categorie.rowCount(), 18);
    EXPECT_EQ(row(categorie, 1), QStringList({"classe di tipologia", "tipologia di tempi", "giorni", "totale giorni"}));
    EXPECT_EQ(row(categorie, 7), QStringList({"", "1) permesso di costruire", "90", ""}));
    EXPECT_EQ(row(categorie, 10), QStringList({"c) Costruzione:", "", "", "400"}));
    EXPECT_EQ(row(categorie, 11), QStringList({"d) Accatastamento:", "", "", "90"}));
    EXPECT_EQ(row(categorie, 15), QStringList({"e) Abitabilità:", "", "", "1500"}));
    EXPECT_EQ(row(categorie, 17), QStringList({"", "2) certificato di agibilità", "750", ""}));
    EXPECT_EQ(row(categorie, 18), QStringList({"Totale giorni", "", "", "2170"}));
}

TEST_F(EsportazioniCostiTempiTest, EmptyWindowGivesEmptyCellsAndTheFixedTotal)
{
    coverPage(QStringLiteral("Verdi"));
    QWidget *w = costi();
    const docx::Document doc = export_(w, "-CostiVantegra-Verdi.doc");
    ASSERT_TRUE(doc.error.isEmpty()) << doc.error.toStdString();
    // No type chosen yet: the subtitle ends with its blank.
    EXPECT_GE(doc.indexOfText("Finestra costi di realizzazione per un fabbricato con caratteristiche "), 0);
    const docx::Table &opere = *doc.tables()[0];
    EXPECT_EQ(row(opere, 2), QStringList({" Fondazioni", "", ""}));
    EXPECT_EQ(row(opere, 18), QStringList({"Totali costi", "", "100,00"}));
    EXPECT_EQ(row(*doc.tables()[1], 20), QStringList({"Totale costi", "", "", ""}));

    // Shares that do not make 100 still close with "100,00"; the type is the one last chosen.
    chooseType(w, 3);
    slider(w, 1)->setValue(1234);
    const docx::Document doc3 = export_(w, "-CostiVantegra-Verdi.doc");
    EXPECT_GE(doc3.indexOfText("Finestra costi di realizzazione per un fabbricato con caratteristiche evolute"), 0);
    EXPECT_EQ(row(*doc3.tables()[0], 2), QStringList({" Fondazioni", "0,00", "12,34"}));
    EXPECT_EQ(row(*doc3.tables()[0], 18), QStringList({"Totali costi", "", "100,00"}));
}

TEST_F(EsportazioniCostiTempiTest, WithoutOwnerNothingIsWritten)
{
    coverPage(QString());
    QWidget *w = fullTimes();
    trigger(w, "solodati");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Digitare il nome del proprietario dell'area fabbricabile.");
    EXPECT_EQ(messages[0].icon(), vb::Exclamation);
    EXPECT_TRUE(isShown("frontespizio"));
    EXPECT_TRUE(QDir(m_dir.path()).entryList(QDir::Files).isEmpty());
}

} // namespace

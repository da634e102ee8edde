#include "support/DocxReader.h"
#include "support/WindowTest.h"

#include "core/Modulo.h"
#include "core/WordExport.h"
#include "help/Guida.h"
#include "help/RegistraGuide.h"
#include "help/Sommario.h"
#include "help/StampaGuida.h"
#include "help/TestiGuida.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

namespace {

class StampaGuidaTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        RegistraFinestreGuida();
        ASSERT_TRUE(cartella.isValid());
        WordExport::setCartella(cartella.path());
    }
    void TearDown() override
    {
        WordExport::setCartella(QString());
        WindowTest::TearDown();
    }

    QString percorso(const QString &nome) const { return QDir(cartella.path()).filePath(nome); }

    // Sizes of the paragraphs outside tables: the runs' size, or the paragraph mark's when empty.
    static QList<double> corpi(const docx::Document &d)
    {
        QList<double> sizes;
        for (const docx::Paragraph *p : d.paragraphs())
            sizes << (p->runs.empty() ? p->markSize : p->runs.front().size);
        return sizes;
    }

    static void tuttoGiustificatoInCenturyGothic(const docx::Document &d)
    {
        for (const docx::Paragraph *p : d.paragraphs()) {
            EXPECT_EQ(p->jc, "both") << p->text().toStdString();
            for (const docx::Run &r : p->runs) {
                EXPECT_EQ(r.font, "Century Gothic") << r.text.toStdString();
                EXPECT_FALSE(r.bold) << r.text.toStdString();
            }
        }
    }

    QTemporaryDir cartella;
};

} // namespace

TEST_F(StampaGuidaTest, OneGuidePrintsItsHeadingAndTextUnderTheProductName)
{
    Guida *g = show<Guida>("guidastampa");
    click(find<QPushButton>(g, "cmdStampa"));
    EXPECT_TRUE(messages.isEmpty());

    const docx::Document d = docx::read(percorso("VantegraSTAMPA.doc"));
    ASSERT_TRUE(d.error.isEmpty()) << d.error.toStdString();
    EXPECT_TRUE(d.problems.isEmpty()) << d.problems.join('\n').toStdString();
    const QStringList attesi = {"Vantegra", "relazione di stima di aree fabbricabili", "", "", "Guida: STAMPA", "",
                                testoGuida("guidastampa")->testo, ""};
    EXPECT_EQ(d.texts(), attesi);
    EXPECT_EQ(corpi(d), (QList<double>{20, 16, 16, 16, 16, 16, 12, 12}));
    tuttoGiustificatoInCenturyGothic(d);

    // Word is left with this one document, which the shared objects point at.
    ASSERT_TRUE(gWord);
    EXPECT_TRUE(gWord->Visible());
    EXPECT_EQ(gWord->Documents().Count(), 1);
    EXPECT_EQ(gDocumento, gWord->Documents().Item(1));
    EXPECT_EQ(gDocumento->FullName(), percorso("VantegraSTAMPA.doc"));
}

TEST_F(StampaGuidaTest, FileNameJoinsProductAndHeadingBlanksAndApostrophesIncluded)
{
    for (const char *nome : {"guidaredditività", "manuale"}) {
        Guida *g = show<Guida>(QString::fromUtf8(nome));
        click(find<QPushButton>(g, "cmdStampa"));
    }
    EXPECT_TRUE(QFile::exists(percorso("VantegraFinestra TEMPI PER REDDITIVITA'.doc")));
    EXPECT_TRUE(QFile::exists(percorso("VantegraMANUALE D'USO RAPIDO.doc")));
    // Each print started a Word of its own: the last one holds only its own document.
    EXPECT_EQ(gWord->Documents().Count(), 1);
    EXPECT_EQ(gDocumento->FullName(), percorso("VantegraMANUALE D'USO RAPIDO.doc"));
}

TEST_F(StampaGuidaTest, WholeGuideHoldsTheElevenOnTheirOwnPagesAndLoadsGuidesHidden)
{
    ASSERT_TRUE(WindowRegistry::loadedWindows().isEmpty());
    Sommario *s = show<Sommario>("sommario");
    click(find<QPushButton>(s, "cmdStampa"));
    EXPECT_TRUE(messages.isEmpty());

    const docx::Document d = docx::read(percorso("Vantegra-guida.doc"));
    ASSERT_TRUE(d.error.isEmpty()) << d.error.toStdString();
    EXPECT_TRUE(d.problems.isEmpty()) << d.problems.join('\n').toStdString();
    tuttoGiustificatoInCenturyGothic(d);

    const std::vector<const docx::Paragraph *> paragrafi = d.paragraphs();
    ASSERT_GE(paragrafi.size(), 4u);
    EXPECT_EQ(paragrafi[0]->text(), "Vantegra");
    EXPECT_EQ(paragrafi[1]->text(), "relazione di stima di aree fabbricabili");
    QStringList titoli;
    int interruzioni = 0;
    for (size_t i = 0; i < paragrafi.size(); ++i) {
        const docx::Paragraph *p = paragrafi[i];
        if (p->pageBreakBefore) {
            ++interruzioni;
            EXPECT_TRUE(p->text().startsWith("Guida: ")) << p->text().toStdString();
        }
        if (!p->text().startsWith("Guida: "))
            continue;
        titoli << p->text().mid(7);
        EXPECT_EQ(p->runs.front().size, 16);
        // The heading, an empty line, then the guide's text at 12 points.
        ASSERT_LT(i + 2, paragrafi.size());
        EXPECT_TRUE(paragrafi[i + 1]->text().isEmpty());
        EXPECT_EQ(paragrafi[i + 2]->text(), testoGuida(TestiGuida()[titoli.size() - 1].finestra)->testo);
        EXPECT_EQ(paragrafi[i + 2]->runs.front().size, 12);
    }
    QStringList attesi;
    for (const TestoGuida &t : TestiGuida())
        attesi << t.titolo;
    EXPECT_EQ(titoli, attesi);
    // The manual follows the title on the first page; no page break after the last guide.
    EXPECT_EQ(interruzioni, 10);
    EXPECT_FALSE(paragrafi[4]->pageBreakBefore);

    // The guides were loaded to be read, not shown; showing one now reuses it.
    for (const TestoGuida &t : TestiGuida()) {
        QWidget *g = WindowRegistry::existing(t.finestra);
        ASSERT_NE(g, nullptr) << t.finestra.toStdString();
        EXPECT_FALSE(g->isVisible()) << t.finestra.toStdString();
    }
    QWidget *capitali = WindowRegistry::existing("guidacapitali");
    click(find<QPushButton>(s, "puls_10"));
    EXPECT_EQ(WindowRegistry::existing("guidacapitali"), capitali);
    EXPECT_TRUE(capitali->isVisible());
}

TEST_F(StampaGuidaTest, PrintThatCannotBeWrittenIsReportedAndTheProgramGoesOn)
{
    // A folder already standing where the document should go.
    ASSERT_TRUE(QDir(cartella.path()).mkdir("VantegraARCHIVIO DATI.doc"));
    Guida *g = show<Guida>("guidaarchivio");
    click(find<QPushButton>(g, "cmdStampa"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].icon(), vb::Critical);
    EXPECT_TRUE(messages[0].text.contains("VantegraARCHIVIO DATI.doc")) << messages[0].text.toStdString();

    // A folder that does not exist: the whole guide fails the same way, and the windows stay.
    WordExport::setCartella(percorso("manca"));
    Sommario *s = show<Sommario>("sommario");
    click(find<QPushButton>(s, "cmdStampa"));
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[1].icon(), vb::Critical);
    EXPECT_FALSE(QFile::exists(percorso("manca/Vantegra-guida.doc")));
    EXPECT_TRUE(g->isVisible());
    EXPECT_TRUE(s->isVisible());

    // Once the folder is there, the same button prints.
    WordExport::setCartella(cartella.path());
    EXPECT_TRUE(StampaGuidaIntera());
    EXPECT_TRUE(QFile::exists(percorso("Vantegra-guida.doc")));
}

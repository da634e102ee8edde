#include "WordTestBase.h"

namespace {

const QChar CR(13);
const QChar FF(12);

WordRange fine(WordDocument &doc)
{
    return doc.Bookmarks().Item(QStringLiteral("\\endofdoc")).Range();
}

}   // namespace

TEST_F(WordTest, APageCountFieldStoresTheCountOfTheDocumentAsSaved)
{
    WordApplication app;
    WordDocument &doc = app.Documents().Add();
    app.Selection().Font().setName(QStringLiteral("Century Gothic"));
    app.Selection().TypeText(QStringLiteral("prima pagina") + CR + FF + QStringLiteral("seconda") + CR);
    WordParagraph paragrafo = doc.Content().Paragraphs().Add(fine(doc));
    paragrafo.Range().setText(QStringLiteral("La presente relazione di stima è composta di n. "));
    WordField pagine = doc.Fields().Add(paragrafo.Range(), wdFieldNumPages);
    paragrafo.Range().setText(QStringLiteral(" pagine.") + CR);
    EXPECT_EQ(pagine.Type(), int(wdFieldNumPages));
    EXPECT_EQ(doc.Fields().Count(), 1);

    ASSERT_TRUE(pagine.Update());
    EXPECT_EQ(pagine.Result().Text(), "2");
    // A page added after the update: the save brings the count up to date, as pagination would.
    app.Selection().TypeText(FF + QStringLiteral("terza") + CR);
    const docx::Document letto = saveAndRead(doc);
    EXPECT_EQ(pagine.Result().Text(), "3");

    const int riga = letto.indexOfText(QStringLiteral("La presente relazione di stima è composta di n. 3 pagine."));
    ASSERT_GE(riga, 0);
    const auto &runs = letto.blocks[size_t(riga)].paragraph.runs;
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[1].field, " NUMPAGES ");
    EXPECT_EQ(runs[1].text, "3");
    EXPECT_EQ(runs[1].font, "Century Gothic");
    EXPECT_TRUE(runs[0].field.isEmpty());
    EXPECT_TRUE(runs[2].field.isEmpty());
}

// A table that no longer fits at the foot of a page takes its opening blank line along: the
// package keeps that line with the table, and the count lays it out on the table's page.
TEST_F(WordTest, TheBlankLineOpeningATableGoesToTheTablesPage)
{
    WordApplication app;
    WordDocument &doc = app.Documents().Add();
    // Blank lines elsewhere are not kept with anything.
    for (int i = 1; i <= 47; ++i)
        app.Selection().TypeText((i % 10 == 0 ? QString() : QStringLiteral("riga %1").arg(i)) + CR);
    app.Selection().TypeText(CR);
    // 54 rows at 10 points fill a page with a line to spare: not with the 12-point blank line
    // above them as well.
    app.Selection().Font().setSize(10);
    WordTable t = doc.Tables().Add(fine(doc), 54, 2);
    for (int r = 1; r <= 54; ++r)
        t.Cell(r, 1).Range().setText(QString::number(r));
    EXPECT_EQ(doc.ComputeStatistics(wdStatisticPages), 3);

    const docx::Document letto = saveAndRead(doc);
    int tenute = 0;
    for (size_t i = 0; i + 1 < letto.blocks.size(); ++i) {
        const docx::Block &b = letto.blocks[i];
        if (!b.isTable && b.paragraph.keepNext) {
            ++tenute;
            EXPECT_TRUE(b.paragraph.runs.empty());
            EXPECT_TRUE(letto.blocks[i + 1].isTable);
        }
    }
    EXPECT_EQ(tenute, 1);
}

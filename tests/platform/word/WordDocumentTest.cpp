#include "WordTestBase.h"

#include <algorithm>

namespace {

const QChar CR(13);
const QChar FF(12);
const QString kGothic = QStringLiteral("Century Gothic");

QString repeat(QChar c, int n)
{
    return QString(n, c);
}

// The opening of every export: heading and window title through the selection.
WordDocument &startExport(WordApplication &app, const QString &title)
{
    app.setVisible(true);
    WordDocument &doc = app.Documents().Add();
    WordSelection &sel = app.Selection();
    sel.Font().setName(kGothic);
    sel.Font().setSize(20);
    sel.TypeText(QStringLiteral("STIMA DI UN'AREA FABBRICABILE") + repeat(CR, 3));
    sel.Font().setSize(14);
    sel.TypeText(title + repeat(CR, 2));
    sel.Font().setSize(10);
    return doc;
}

WordTable addFilledTable(WordDocument &doc, int rows, int cols, const QString &prefix)
{
    WordTable t = doc.Tables().Add(doc.Bookmarks().Item(QStringLiteral("\\endofdoc")).Range(), rows, cols);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c)
            t.Cell(r, c).Range().setText(QStringLiteral("%1 %2,%3").arg(prefix).arg(r).arg(c));
    return t;
}

}   // namespace

TEST_F(WordTest, TitlePageTypedThroughTheSelectionKeepsEachPiecesFont)
{
    WordApplication app;
    app.setVisible(true);
    WordDocument &doc = app.Documents().Add();
    WordSelection &sel = app.Selection();
    sel.Font().setName(kGothic);
    sel.Font().setBold(wdToggle);
    sel.Font().setSize(20);
    sel.TypeText(QStringLiteral("STIMA DI UN'AREA FABBRICABILE") + repeat(CR, 3));
    sel.Font().setBold(wdToggle);
    sel.Font().setSize(14);
    sel.TypeText(QStringLiteral("sita in.......: Città di Castello") + repeat(CR, 2));
    sel.TypeText(QStringLiteral("all'indirizzo: via Roma, 1"));
    for (int i = 0; i < 6; ++i)
        sel.TypeText(CR);
    sel.TypeText(QStringLiteral("proprietà del terreno.........: Rossi") + CR);
    sel.Font().setSize(16);
    for (int i = 0; i < 18; ++i)
        sel.TypeText(CR);
    sel.TypeText(QStringLiteral("Studio Bianchi") + CR);

    EXPECT_EQ(sel.Font().Bold(), wdFalse);
    EXPECT_EQ(sel.Font().Size(), 16);

    const docx::Document read = saveAndRead(doc);
    const auto paragraphs = read.paragraphs();
    const QStringList texts = read.texts();
    ASSERT_EQ(texts.size(), 3 + 2 + 6 + 1 + 18 + 1 + 1);
    EXPECT_EQ(texts[0], QStringLiteral("STIMA DI UN'AREA FABBRICABILE"));
    EXPECT_EQ(texts[1], QString());
    EXPECT_EQ(texts[2], QString());
    EXPECT_EQ(texts[3], QStringLiteral("sita in.......: Città di Castello"));
    EXPECT_EQ(texts[5], QStringLiteral("all'indirizzo: via Roma, 1"));
    EXPECT_EQ(texts[11], QStringLiteral("proprietà del terreno.........: Rossi"));
    EXPECT_EQ(texts[30], QStringLiteral("Studio Bianchi"));

    const docx::Run &title = paragraphs[0]->runs.at(0);
    EXPECT_EQ(title.font, kGothic);
    EXPECT_EQ(title.size, 20);
    EXPECT_TRUE(title.bold);
    const docx::Run &place = paragraphs[3]->runs.at(0);
    EXPECT_EQ(place.font, kGothic);
    EXPECT_EQ(place.size, 14);
    EXPECT_FALSE(place.bold);
    // The eighteen empty lines are as high as 16-point lines.
    for (int i = 12; i < 30; ++i)
        EXPECT_EQ(paragraphs[size_t(i)]->markSize, 16) << i;
    EXPECT_EQ(paragraphs[30]->runs.at(0).size, 16);
    // Every line has an exact height that grows with its font.
    for (const docx::Paragraph *p : paragraphs)
        EXPECT_EQ(p->lineRule, QStringLiteral("exact"));
    EXPECT_GT(paragraphs[0]->line, paragraphs[3]->line);
    EXPECT_GT(paragraphs[12]->line, paragraphs[3]->line);
}

TEST_F(WordTest, PiecesAndTablesReadInTheOrderTheyWereWritten)
{
    WordApplication app;
    WordDocument &doc = startExport(app, QStringLiteral("Finestra dati"));
    const auto endOfDoc = [&doc] { return doc.Bookmarks().Item(QStringLiteral("\\endofdoc")).Range(); };

    WordParagraph body = doc.Content().Paragraphs().Add(endOfDoc());
    body.Range().Font().setSize(18);
    body.Range().setText(FF + QStringLiteral("RELAZIONE DI STIMA") + repeat(CR, 4));
    body.Range().Font().setSize(12);
    body.Range().setText(QStringLiteral("Prima della tabella E") + CR);
    WordTable e = addFilledTable(doc, 3, 2, QStringLiteral("E"));
    body = doc.Content().Paragraphs().Add(endOfDoc());
    body.Range().setText(QStringLiteral("Dopo la tabella E, senza a capo"));
    WordTable g = addFilledTable(doc, 2, 2, QStringLiteral("G"));
    // No new body paragraph here: the text must still come after the table of G.
    body.Range().Font().setSize(16);
    body.Range().setText(QStringLiteral("H) VALORE DEL FABBRICATO") + CR);
    body.Range().Font().setSize(10);   // a size-only step: the next table takes it
    WordTable m = addFilledTable(doc, 2, 8, QStringLiteral("M"));
    m.Cell(2, 1).Range().setText(QStringLiteral("valore") + CR);
    body.Range().Font().setSize(12);
    body.Range().setText(QStringLiteral("(firma)"));

    EXPECT_EQ(doc.Tables().Count(), 3);
    EXPECT_EQ(doc.Tables().Item(2).Cell(1, 2).Range().Text(), QStringLiteral("G 1,2"));
    EXPECT_EQ(e.Index(), 1);
    EXPECT_EQ(g.Index(), 2);
    EXPECT_EQ(m.Columns().Count(), 8);
    EXPECT_EQ(m.Rows().Count(), 2);

    const docx::Document read = saveAndRead(doc);
    const int heading = read.indexOfText(QStringLiteral("RELAZIONE DI STIMA"));
    const int beforeE = read.indexOfText(QStringLiteral("Prima della tabella E"));
    const int afterE = read.indexOfText(QStringLiteral("Dopo la tabella E, senza a capo"));
    const int h = read.indexOfText(QStringLiteral("H) VALORE DEL FABBRICATO"));
    const int signature = read.indexOfText(QStringLiteral("(firma)"));
    ASSERT_GE(heading, 0);
    ASSERT_GE(afterE, 0);
    ASSERT_GE(h, 0);
    EXPECT_LT(heading, beforeE);
    EXPECT_TRUE(read.blocks[size_t(beforeE + 1)].isTable);        // table E right after its lead-in
    EXPECT_TRUE(read.blocks[size_t(afterE + 1)].isTable);         // table G
    EXPECT_TRUE(read.blocks[size_t(h - 1)].isTable);              // H's text after table G
    EXPECT_TRUE(read.blocks[size_t(h + 1)].isTable);              // table M after H's text
    EXPECT_EQ(signature, int(read.blocks.size()) - 1);            // the last text is last

    const auto tables = read.tables();
    ASSERT_EQ(tables.size(), 3u);
    EXPECT_EQ(tables[0]->cell(3, 2).text(), QStringLiteral("E 3,2"));
    EXPECT_EQ(tables[1]->rowCount(), 2);
    EXPECT_EQ(tables[2]->columnCount(), 8);
    // A cell text ending in Chr(13) leaves an empty paragraph in the cell.
    ASSERT_EQ(tables[2]->cell(2, 1).paragraphs.size(), 2u);
    EXPECT_EQ(tables[2]->cell(2, 1).text(), QStringLiteral("valore\r"));

    // Each table takes the font of the text typed before it was added.
    EXPECT_EQ(tables[0]->cell(1, 1).paragraphs[0].runs.at(0).size, 12);
    EXPECT_EQ(tables[0]->cell(1, 1).paragraphs[0].runs.at(0).font, kGothic);
    EXPECT_EQ(tables[2]->cell(1, 1).paragraphs[0].runs.at(0).size, 10);
    // Each piece keeps its own size.
    EXPECT_EQ(read.blocks[size_t(heading)].paragraph.runs.at(0).size, 18);
    EXPECT_EQ(read.blocks[size_t(h)].paragraph.runs.at(0).size, 16);
    EXPECT_EQ(read.blocks[size_t(signature)].paragraph.runs.at(0).size, 12);
}

TEST_F(WordTest, FormFeedStartsTheNextParagraphOnANewPage)
{
    WordApplication app;
    WordDocument &doc = app.Documents().Add();
    WordSelection &sel = app.Selection();
    sel.TypeText(QStringLiteral("Guida: uno") + CR + QStringLiteral("testo") + CR + FF);
    sel.TypeText(QStringLiteral("Guida: due") + CR);
    sel.TypeText(QStringLiteral("fine pagina") + FF + QStringLiteral("stesso paragrafo") + CR);

    const docx::Document read = saveAndRead(doc);
    const auto paragraphs = read.paragraphs();
    QStringList withBreak;
    for (const docx::Paragraph *p : paragraphs) {
        if (p->pageBreakBefore)
            withBreak << p->text();
        // No paragraph exists only to hold a break: every break sits on a paragraph with text.
    }
    EXPECT_EQ(withBreak, QStringList({QStringLiteral("Guida: due"), QStringLiteral("stesso paragrafo")}));
    EXPECT_EQ(read.texts(), QStringList({QStringLiteral("Guida: uno"), QStringLiteral("testo"),
                                         QStringLiteral("Guida: due"), QStringLiteral("fine pagina"),
                                         QStringLiteral("stesso paragrafo"), QString()}));
}

TEST_F(WordTest, JustifiedDocumentWithRightAlignedColumns)
{
    WordApplication app;
    WordDocument &doc = startExport(app, QStringLiteral("Finestra dati"));
    WordSelection &selection = app.Selection();
    addFilledTable(doc, 4, 3, QStringLiteral("a")).AutoFormat(9);
    doc.Content().Paragraphs().Add(doc.Bookmarks().Item(QStringLiteral("\\endofdoc")).Range())
            .Range().setText(QStringLiteral("testo fra le tabelle") + CR);
    addFilledTable(doc, 3, 4, QStringLiteral("b")).AutoFormat(9);

    selection.Document()->Select();
    app.Selection().ParagraphFormat().setAlignment(wdAlignParagraphJustify);
    for (int c : {2, 3}) {
        doc.Tables().Item(2).Columns().Item(c).Select();
        app.Selection().ParagraphFormat().setAlignment(wdAlignParagraphRight);
    }
    doc.Tables().Item(1).Columns().Item(1).Select();
    app.Selection().ParagraphFormat().setAlignment(wdAlignParagraphRight);

    const docx::Document read = saveAndRead(doc);
    for (const docx::Paragraph *p : read.paragraphs())
        EXPECT_EQ(p->jc, QStringLiteral("both")) << p->text();
    const auto tables = read.tables();
    ASSERT_EQ(tables.size(), 2u);
    const auto expectColumn = [](const docx::Table &t, int col, const QString &jc) {
        for (int r = 1; r <= t.rowCount(); ++r)
            for (const docx::Paragraph &p : t.cell(r, col).paragraphs)
                EXPECT_EQ(p.jc, jc) << "row " << r << " column " << col;
    };
    expectColumn(*tables[0], 1, QStringLiteral("right"));
    expectColumn(*tables[0], 2, QStringLiteral("both"));
    expectColumn(*tables[0], 3, QStringLiteral("both"));
    expectColumn(*tables[1], 1, QStringLiteral("both"));
    expectColumn(*tables[1], 2, QStringLiteral("right"));
    expectColumn(*tables[1], 3, QStringLiteral("right"));
    expectColumn(*tables[1], 4, QStringLiteral("both"));
}

TEST_F(WordTest, ColumnSelectionIsTheSelectionAndTypingReturnsToTheEnd)
{
    WordApplication app;
    WordDocument &doc = app.Documents().Add();
    app.Selection().TypeText(QStringLiteral("prima") + CR);
    addFilledTable(doc, 2, 2, QStringLiteral("t"));
    doc.Tables().Item(1).Columns().Item(2).Select();
    app.Selection().ParagraphFormat().setAlignment(wdAlignParagraphRight);
    // Typing replaces no cell: it collapses the selection to the end of the document.
    app.Selection().TypeText(QStringLiteral("dopo"));
    app.Selection().ParagraphFormat().setAlignment(wdAlignParagraphRight);

    const docx::Document read = saveAndRead(doc);
    const docx::Table &t = *read.tables().at(0);
    EXPECT_EQ(t.cell(1, 2).paragraphs[0].jc, QStringLiteral("right"));
    EXPECT_EQ(t.cell(1, 1).paragraphs[0].jc, QString());
    EXPECT_EQ(t.cell(1, 2).text(), QStringLiteral("t 1,2"));
    EXPECT_EQ(read.texts(), QStringList({QStringLiteral("prima"), QStringLiteral("dopo")}));
    EXPECT_EQ(read.paragraphs().back()->jc, QStringLiteral("right"));
    EXPECT_EQ(read.paragraphs().front()->jc, QString());
}

TEST_F(WordTest, AutoFormatGivesAShadedBoldHeaderBandsBordersAndFittedColumns)
{
    WordApplication app;
    WordDocument &doc = startExport(app, QStringLiteral("Finestra dati"));
    WordTable t = doc.Tables().Add(doc.Bookmarks().Item(QStringLiteral("\\endofdoc")).Range(), 5, 3);
    const QStringList header = {QStringLiteral("numero"), QStringLiteral("descrizione"), QStringLiteral("valore")};
    for (int c = 1; c <= 3; ++c)
        t.Cell(1, c).Range().setText(header[c - 1]);
    for (int r = 2; r <= 5; ++r) {
        t.Cell(r, 1).Range().setText(QStringLiteral(" %1").arg(r - 1));
        t.Cell(r, 2).Range().setText(QStringLiteral("una descrizione piuttosto lunga del lavoro numero %1").arg(r));
        t.Cell(r, 3).Range().setText(QStringLiteral("1.234,50"));
    }
    t.AutoFormat(wdTableFormatColorful2);
    // A plain table next to it, with long texts in every cell.
    WordTable plain = doc.Tables().Add(doc.Bookmarks().Item(QStringLiteral("\\endofdoc")).Range(), 2, 2);
    plain.Cell(1, 1).Range().setText(QStringLiteral("x"));

    const docx::Document read = saveAndRead(doc);
    const docx::Table &table = *read.tables().at(0);
    const QString headerFill = table.cell(1, 1).fill;
    EXPECT_FALSE(headerFill.isEmpty());
    for (int c = 1; c <= 3; ++c) {
        const docx::Run &run = table.cell(1, c).paragraphs[0].runs.at(0);
        EXPECT_TRUE(run.bold) << c;
        EXPECT_EQ(table.cell(1, c).fill, headerFill);
        EXPECT_NE(run.colour, QString());
    }
    for (int r = 2; r <= 5; ++r)
        for (int c = 1; c <= 3; ++c)
            EXPECT_FALSE(table.cell(r, c).paragraphs[0].runs.at(0).bold) << r << "," << c;
    // Bands: rows 2 and 4 shaded alike, rows 3 and 5 not, and none like the header.
    EXPECT_FALSE(table.cell(2, 1).fill.isEmpty());
    EXPECT_NE(table.cell(2, 1).fill, headerFill);
    EXPECT_EQ(table.cell(4, 2).fill, table.cell(2, 1).fill);
    EXPECT_NE(table.cell(3, 1).fill, table.cell(2, 1).fill);
    EXPECT_EQ(table.borders.size(), 6);

    // Widths follow the contents and the table fits between the margins.
    ASSERT_EQ(table.grid.size(), 3u);
    const int textWidth = read.pageWidth - read.margins.value(1) - read.margins.value(3);
    int total = 0;
    for (int w : table.grid)
        total += w;
    EXPECT_LE(total, textWidth);
    EXPECT_GT(table.grid[1], table.grid[0]);
    EXPECT_GT(table.grid[1], table.grid[2]);
    EXPECT_EQ(table.cell(3, 2).width, table.grid[1]);

    const docx::Table &grid = *read.tables().at(1);
    EXPECT_FALSE(grid.cell(1, 1).paragraphs[0].runs.at(0).bold);
    EXPECT_TRUE(grid.cell(1, 1).fill.isEmpty());
    EXPECT_EQ(grid.borders.size(), 6);
}

TEST_F(WordTest, ManyColumnsOfLongTextsStillFitThePage)
{
    WordApplication app;
    WordDocument &doc = startExport(app, QStringLiteral("Finestra"));
    WordTable t = doc.Tables().Add(doc.Bookmarks().Item(QStringLiteral("\\endofdoc")).Range(), 3, 8);
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 8; ++c)
            t.Cell(r, c).Range().setText(QStringLiteral("valore dell'area per metro quadrato %1").arg(c));
    t.AutoFormat(9);
    // The main data export: eight columns of long numbers that words cannot wrap.
    app.Selection().Font().setSize(12);
    WordTable numbers = doc.Tables().Add(doc.Bookmarks().Item(QStringLiteral("\\endofdoc")).Range(), 3, 8);
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 8; ++c)
            numbers.Cell(r, c).Range().setText(r == 1 ? QStringLiteral("redditività") : QStringLiteral("1.250.000,00"));
    numbers.AutoFormat(9);

    const docx::Document read = saveAndRead(doc);
    for (const docx::Table *table : read.tables()) {
        int total = 0;
        for (int w : table->grid) {
            EXPECT_GT(w, 0);
            total += w;
        }
        // A table may reach into the side margins, centred, but keeps a centimetre from the edge.
        const int left = read.margins.value(3) + table->indent;
        const int right = read.pageWidth - left - total;
        EXPECT_GE(left, 567);
        EXPECT_GE(right, 567);
        if (table->indent < 0) {
            EXPECT_NEAR(left, right, 2);
        }
    }
    EXPECT_LT(read.tables().at(1)->indent, 0);
}

TEST_F(WordTest, PackageIsCompleteOnA4AndCarriesAnyText)
{
    WordApplication app;
    WordDocument &doc = app.Documents().Add();
    WordSelection &sel = app.Selection();
    sel.Font().setName(kGothic);
    const QString special = QStringLiteral("àèéìòù € \"virgolette\" <tag> & 'apice' ²");
    sel.TypeText(special + CR);
    sel.TypeText(QStringLiteral("a") + QChar(1) + QStringLiteral("b") + QChar(0xFFFF) + QChar(0xD800)
                 + QStringLiteral("c\td") + QChar(11) + QStringLiteral("e") + CR);
    sel.TypeText(QStringLiteral("riga uno\r\nriga due\nriga tre"));
    addFilledTable(doc, 1, 1, QStringLiteral("<&>"));

    const docx::Document read = saveAndRead(doc);
    for (const char *part : {"[Content_Types].xml", "_rels/.rels", "word/document.xml",
                             "word/_rels/document.xml.rels", "word/styles.xml", "docProps/core.xml"})
        EXPECT_TRUE(read.parts.contains(QLatin1String(part))) << part;
    const QByteArray types = docx::readPart(path(QStringLiteral("doc.docx")), QStringLiteral("[Content_Types].xml"));
    for (const QString &part : read.parts) {
        if (part.endsWith(QLatin1String(".xml")) && part != QLatin1String("[Content_Types].xml")) {
            EXPECT_TRUE(types.contains(QByteArray("PartName=\"/") + part.toUtf8() + '"')) << part;
        }
    }
    EXPECT_EQ(read.pageWidth, 11906);     // A4: 210 x 297 mm in twips
    EXPECT_EQ(read.pageHeight, 16838);
    for (int margin : read.margins)
        EXPECT_NEAR(margin, 2.5 / 2.54 * 1440, 1);

    EXPECT_EQ(read.texts(), QStringList({special, QStringLiteral("abc\td\ve"), QStringLiteral("riga uno"),
                                         QStringLiteral("riga due"), QStringLiteral("riga tre"), QString()}));
    EXPECT_EQ(read.tables().at(0)->cell(1, 1).text(), QStringLiteral("<&> 1,1"));
}

TEST_F(WordTest, EachApplicationAndDocumentIsSeparate)
{
    WordApplication first;
    WordDocument &a = first.Documents().Add();
    first.Selection().TypeText(QStringLiteral("primo"));
    WordDocument &b = first.Documents().Add();
    EXPECT_EQ(first.Documents().Count(), 2);
    EXPECT_EQ(first.Documents().Item(2), &b);
    EXPECT_EQ(first.ActiveDocument(), &b);
    EXPECT_EQ(first.Documents().Item(3), nullptr);
    first.Selection().TypeText(QStringLiteral("secondo"));

    WordApplication second;
    EXPECT_EQ(second.ActiveDocument(), nullptr);
    EXPECT_EQ(second.Selection().Document(), nullptr);
    second.Selection().TypeText(QStringLiteral("nessun documento"));   // ignored, no crash
    WordDocument &c = second.Documents().Add();
    second.Selection().TypeText(QStringLiteral("terzo"));

    EXPECT_EQ(a.Content().Text(), QStringLiteral("primo\r"));
    EXPECT_EQ(b.Content().Text(), QStringLiteral("secondo\r"));
    EXPECT_EQ(c.Content().Text(), QStringLiteral("terzo\r"));
}

TEST_F(WordTest, WrongTableOrCellNumbersChangeNothing)
{
    WordApplication app;
    WordDocument &doc = app.Documents().Add();
    WordTable t = addFilledTable(doc, 2, 2, QStringLiteral("x"));
    t.Cell(3, 1).Range().setText(QStringLiteral("fuori"));
    t.Cell(1, 0).Range().setText(QStringLiteral("fuori"));
    doc.Tables().Item(2).Cell(1, 1).Range().setText(QStringLiteral("fuori"));
    doc.Tables().Item(2).AutoFormat(9);
    doc.Tables().Item(1).Columns().Item(5).Select();
    app.Selection().ParagraphFormat().setAlignment(wdAlignParagraphRight);   // still the end
    app.Selection().ParagraphFormat().setAlignment(42);                      // no such alignment

    const docx::Document read = saveAndRead(doc);
    ASSERT_EQ(read.tables().size(), 1u);
    const docx::Table &table = *read.tables()[0];
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 2; ++c) {
            EXPECT_EQ(table.cell(r, c).text(), QStringLiteral("x %1,%2").arg(r).arg(c));
            EXPECT_EQ(table.cell(r, c).paragraphs[0].jc, QString());
        }
    EXPECT_EQ(read.paragraphs().back()->jc, QStringLiteral("right"));
}

// What a word processor must keep together is written for it: the paragraphs marked keep with
// next (and only they), every paragraph of a heading row, the rows of a table that may not break.
TEST_F(WordTest, ParagraphsKeptWithTheNextHeadingRowsAndUnbreakableRowsAreWrittenSo)
{
    WordApplication app;
    WordDocument &doc = app.Documents().Add();
    WordRange end = doc.Content().Paragraphs().Add(doc.Bookmarks().Item(QStringLiteral("\\endofdoc")).Range()).Range();
    end.setText(QStringLiteral("prima") + QChar(13));
    end.ParagraphFormat().setKeepWithNext(wdTrue);
    end.setText(QStringLiteral("TITOLO") + QChar(13) + QChar(13));
    end.ParagraphFormat().setKeepWithNext(wdFalse);
    end.setText(QStringLiteral("testo") + QChar(13));
    WordTable formatted = doc.Tables().Add(doc.Bookmarks().Item(QStringLiteral("\\endofdoc")).Range(), 3, 2);
    formatted.Cell(1, 1).Range().setText(QStringLiteral("intestazione") + QChar(13) + QStringLiteral("su due righe"));
    formatted.AutoFormat(wdTableFormatColorful2);
    formatted.Rows().setAllowBreakAcrossPages(wdFalse);
    doc.Tables().Add(doc.Bookmarks().Item(QStringLiteral("\\endofdoc")).Range(), 2, 1);

    const docx::Document read = saveAndRead(doc);
    QStringList kept;
    for (const docx::Paragraph *p : read.paragraphs())
        if (p->keepNext)
            kept << p->text();
    // The heading, the blank line after it, and the blank line between the tables, which opens
    // the second.
    EXPECT_EQ(kept, QStringList({"TITOLO", "", ""}));
    const docx::Table &t = *read.tables().at(0);
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 2; ++c)
            for (const docx::Paragraph &p : t.cell(r, c).paragraphs)
                EXPECT_EQ(p.keepNext, r == 1) << r << "," << c;
    for (const docx::Paragraph &p : read.tables().at(1)->cell(1, 1).paragraphs)
        EXPECT_FALSE(p.keepNext);
    // Only the three rows of the first table are marked unbreakable.
    const QString xml = QString::fromUtf8(docx::readPart(path(QStringLiteral("doc.docx")), QStringLiteral("word/document.xml")));
    EXPECT_EQ(xml.count(QStringLiteral("<w:cantSplit/>")), 3);
    EXPECT_EQ(xml.count(QStringLiteral("<w:tr><w:trPr><w:cantSplit/></w:trPr>")), 3);
}

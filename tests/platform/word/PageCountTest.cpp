#include "WordTestBase.h"

#include <functional>

namespace {

const QChar CR(13);
const QChar FF(12);

// Lines of `size` points with single spacing (1.2 times the size) that fit the text height of
// an A4 page with 2.5 cm margins.
int linesPerPage(double size)
{
    const double textHeight = (297.0 - 2 * 25.0) / 25.4 * 72.0;
    return int(textHeight / (size * 1.2));
}

class PageCountTest : public WordTest
{
protected:
    WordDocument &start(double size = 12)
    {
        WordDocument &doc = app.Documents().Add();
        app.Selection().Font().setName(QStringLiteral("Century Gothic"));
        app.Selection().Font().setSize(size);
        return doc;
    }
    void lines(int n)
    {
        for (int i = 0; i < n; ++i)
            app.Selection().TypeText(QStringLiteral("riga %1").arg(i) + CR);
    }
    int pages() { return app.ActiveDocument()->ComputeStatistics(wdStatisticPages); }

    WordApplication app;
};

}   // namespace

TEST_F(PageCountTest, AnEmptyOrShortDocumentHasOnePage)
{
    start();
    EXPECT_EQ(pages(), 1);
    app.Selection().TypeText(QStringLiteral("STIMA DI UN'AREA FABBRICABILE") + CR + CR);
    EXPECT_EQ(pages(), 1);
}

TEST_F(PageCountTest, APageHoldsTheLinesThatA4FitsAtTheWrittenSpacing)
{
    for (double size : {10.0, 12.0, 16.0}) {
        WordApplication fresh;
        WordDocument &doc = fresh.Documents().Add();
        fresh.Selection().Font().setSize(size);
        const int perPage = linesPerPage(size);
        // The closing empty paragraph is a line of its own.
        for (int i = 0; i < perPage - 1; ++i)
            fresh.Selection().TypeText(QStringLiteral("riga") + CR);
        EXPECT_EQ(doc.ComputeStatistics(wdStatisticPages), 1) << size;
        fresh.Selection().TypeText(QStringLiteral("riga") + CR);
        EXPECT_EQ(doc.ComputeStatistics(wdStatisticPages), 2) << size;
        const docx::Document read = saveAndRead(doc, QStringLiteral("righe.docx"));
        EXPECT_EQ(read.paragraphs().front()->line, qRound(size * 1.2 * 20)) << size;
    }
}

TEST_F(PageCountTest, GrowsWithTheContentAndEachPageBreak)
{
    start();
    lines(10);
    EXPECT_EQ(pages(), 1);
    app.Selection().TypeText(FF + QStringLiteral("RELAZIONE DI STIMA") + CR);
    EXPECT_EQ(pages(), 2);

    lines(3 * linesPerPage(12));
    const int afterMany = pages();
    EXPECT_GE(afterMany, 4);
    EXPECT_LE(afterMany, 6);

    app.Selection().TypeText(FF + QStringLiteral("ultima") + CR);
    EXPECT_EQ(pages(), afterMany + 1);

    // Long paragraphs wrap into several lines each.
    const QString sentence = QStringLiteral("Il valore di mercato dell'area è stimato per comparazione. ");
    for (int i = 0; i < 20; ++i)
        app.Selection().TypeText(sentence.repeated(12) + CR);
    EXPECT_GT(pages(), afterMany + 2);
}

TEST_F(PageCountTest, ALongTableRunsOverSeveralPages)
{
    WordDocument &doc = start();
    app.Selection().TypeText(QStringLiteral("tabella") + CR);
    WordTable t = doc.Tables().Add(doc.Bookmarks().Item(QStringLiteral("\\endofdoc")).Range(), 100, 8);
    for (int r = 1; r <= 100; ++r)
        for (int c = 1; c <= 8; ++c)
            t.Cell(r, c).Range().setText(QStringLiteral("%1,50").arg(r * c));
    t.AutoFormat(9);
    const int withTable = pages();
    // 100 rows of one 12-point line each need at least two full pages.
    EXPECT_GE(withTable, 100 / linesPerPage(12) + 1);
    EXPECT_LE(withTable, 4);

    t.Range().Font().setSize(8);
    EXPECT_LT(pages(), withTable);
    app.Selection().TypeText(FF + QStringLiteral("dopo la tabella"));
    EXPECT_EQ(pages(), doc.ComputeStatistics(wdStatisticPages));
    EXPECT_GT(pages(), 1);
}

// A page holding part of a table closes that part with a border: 10-point rows at 250 twips would
// fill 56 to a page to within 4 twips, but only 55 leave room for the border under them.
TEST_F(PageCountTest, EachPagesPartOfATableKeepsRoomForItsClosingBorder)
{
    for (const auto &[rows, expected] : {std::pair{110, 2}, std::pair{111, 3}}) {
        WordApplication fresh;
        WordDocument &doc = fresh.Documents().Add();
        fresh.Selection().Font().setName(QStringLiteral("Century Gothic"));
        fresh.Selection().Font().setSize(10);
        WordTable t = doc.Tables().Add(doc.Bookmarks().Item(QStringLiteral("\\endofdoc")).Range(), rows, 3);
        for (int r = 1; r <= rows; ++r)
            t.Cell(r, 1).Range().setText(QString::number(r));
        EXPECT_EQ(doc.ComputeStatistics(wdStatisticPages), expected) << rows;
    }
}

// What must stand together goes to the next page whole: a row that may not break, a paragraph
// kept with the next and the first line under it, a heading row and the row under it. Each case
// fills page 1 so that only the first part fits at its foot, then fills page 2 so that it holds
// what follows only when that part stayed behind (12-point lines of 288 twips, 48 to a page).
TEST_F(PageCountTest, WhatMustStandTogetherGoesWholeToTheNextPage)
{
    const auto endRange = [](WordDocument &doc) { return doc.Bookmarks().Item(QStringLiteral("\\endofdoc")).Range(); };
    struct Case
    {
        const char *name;
        std::function<void(WordApplication &, WordDocument &, bool together)> write;
    };
    const Case cases[] = {
        {"a two-line row", [&](WordApplication &a, WordDocument &doc, bool together) {
             WordTable t = doc.Tables().Add(endRange(doc), 1, 1);
             t.Cell(1, 1).Range().setText(QStringLiteral("prima") + CR + QStringLiteral("seconda"));
             if (together)
                 t.Rows().setAllowBreakAcrossPages(wdFalse);
             EXPECT_EQ(t.Rows().AllowBreakAcrossPages(), together ? wdFalse : wdTrue);
             for (int i = 0; i < 46; ++i)
                 a.Selection().TypeText(QStringLiteral("dopo") + CR);
         }},
        {"a heading and the first line under it", [&](WordApplication &a, WordDocument &doc, bool together) {
             WordRange end = doc.Content().Paragraphs().Add(endRange(doc)).Range();
             end.ParagraphFormat().setKeepWithNext(together ? wdTrue : wdFalse);
             end.setText(QStringLiteral("TITOLO") + CR);
             end.ParagraphFormat().setKeepWithNext(wdFalse);
             for (int i = 0; i < 47; ++i)
                 a.Selection().TypeText(QStringLiteral("testo") + CR);
         }},
        {"a heading row and the row under it", [&](WordApplication &a, WordDocument &doc, bool together) {
             WordTable t = doc.Tables().Add(endRange(doc), 2, 1);
             t.Cell(1, 1).Range().setText(QStringLiteral("intestazione"));
             t.Cell(2, 1).Range().setText(QStringLiteral("riga"));
             if (together)
                 t.AutoFormat(wdTableFormatColorful2);
             for (int i = 0; i < 46; ++i)
                 a.Selection().TypeText(QStringLiteral("dopo") + CR);
         }},
    };
    for (const Case &c : cases) {
        for (const bool together : {false, true}) {
            WordApplication fresh;
            WordDocument &doc = fresh.Documents().Add();
            fresh.Selection().Font().setName(QStringLiteral("Century Gothic"));
            fresh.Selection().Font().setSize(12);
            for (int i = 0; i < 47; ++i)
                fresh.Selection().TypeText(QStringLiteral("riga") + CR);
            c.write(fresh, doc, together);
            EXPECT_EQ(doc.ComputeStatistics(wdStatisticPages), together ? 3 : 2) << c.name << (together ? ", together" : "");
        }
    }
}

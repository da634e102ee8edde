#include "report/ArchivioFrontespizio.h"
#include "runtime/ArchiveRecord.h"

#include <gtest/gtest.h>

namespace {

DatiFrontespizio esempio()
{
    DatiFrontespizio d;
    d.testi = {QStringLiteral("Roma (RM)"), QStringLiteral("Centro, zona nord"), QStringLiteral("via Po 1"),
               QStringLiteral("Rossi"), QStringLiteral("Villa \"La Quiete\""), QString(),
               QStringLiteral("giovedì, 7 dic 2023"), QStringLiteral("planimetrie, foto")};
    return d;
}

bool leggi(const QByteArray &bytes, DatiFrontespizio &d, QString *motivo = nullptr)
{
    ArchiveReader r;
    if (!r.parse(bytes, motivo))
        return false;
    return leggiArchivioFrontespizio(r, d, motivo);
}

TEST(ArchivioFrontespizio, WritesTwoLinesOfFourQuotedTexts)
{
    ArchiveWriter w;
    scriviRecordFrontespizio(w, esempio());
    // Windows-1252: the accented letter is one byte; an inner quote is doubled; nothing is an
    // empty pair of quotes.
    EXPECT_EQ(w.bytes(), QByteArray("\"Roma (RM)\",\"Centro, zona nord\",\"via Po 1\",\"Rossi\"\r\n"
                                    "\"Villa \"\"La Quiete\"\"\",\"\",\"gioved\xEC, 7 dic 2023\",\"planimetrie, foto\"\r\n"));
}

TEST(ArchivioFrontespizio, RoundTripKeepsCommasQuotesAndAccents)
{
    DatiFrontespizio scritto = esempio();
    scritto.testi[5] = QStringLiteral("Città di Castello – sede €");   // beyond Windows-1252: UTF-8
    ArchiveWriter w;
    scriviRecordFrontespizio(w, scritto);
    DatiFrontespizio letto;
    ASSERT_TRUE(leggi(w.bytes(), letto));
    EXPECT_EQ(letto, scritto);
}

TEST(ArchivioFrontespizio, ReadsEightTextsWhateverTheLineBreaks)
{
    DatiFrontespizio d;
    ASSERT_TRUE(leggi("\"a\",\"b\"\r\n\"c\",\"d\",\"e\"\r\n\"f\",\"g\",\"h\"\r\n\r\n", d));
    EXPECT_EQ(d.testi[0], "a");
    EXPECT_EQ(d.testi[7], "h");
    ASSERT_TRUE(leggi("\"1\",\"2\",\"3\",\"4\"\n\"5\",\"6\",\"7\",\"8\"\n", d));
    EXPECT_EQ(d.testi[7], "8");
}

TEST(ArchivioFrontespizio, RefusesWhatIsNotACoverArchiveAndKeepsTheData)
{
    const QByteArray rifiutati[] = {
        "\"1\",\"2\",\"3\",\"4\"\r\n\"5\",\"6\",\"7\"\r\n",                 // seven texts
        "\"1\",\"2\",\"3\",\"4\"\r\n\"5\",\"6\",\"7\",\"8\"\r\n\"9\"\r\n",  // nine
        "1,\"1\"\r\n200000,\"100000\",2,500,5\r\n",                          // a combined archive
        "\"1\",\"2\",,\"4\"\r\n\"5\",\"6\",\"7\",\"8\"\r\n",                 // a value never set
        "\"1\",\"2\",\"3\",\"4\"\r\n\"5\",\"6\",\"7\",\"8\"",                 // cut before the last line end
        "",
    };
    for (const QByteArray &bytes : rifiutati) {
        DatiFrontespizio d = esempio();
        QString motivo;
        EXPECT_FALSE(leggi(bytes, d, &motivo)) << bytes.constData();
        EXPECT_FALSE(motivo.isEmpty()) << bytes.constData();
        EXPECT_EQ(d, esempio()) << bytes.constData();
    }
}

TEST(ArchivioFrontespizio, DateReadsInItalianWhateverTheMachine)
{
    EXPECT_EQ(dataFrontespizio(QDate(2023, 12, 7)), "giovedì, 7 dic 2023");
    EXPECT_EQ(dataFrontespizio(QDate(2024, 1, 1)), "lunedì, 1 gen 2024");
    EXPECT_EQ(dataFrontespizio(QDate(2025, 8, 24)), "domenica, 24 ago 2025");
}

} // namespace

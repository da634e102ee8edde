#include "analyses/value_lot_rate/CalcoloSuperficie.h"
#include "runtime/ArchiveRecord.h"

#include <gtest/gtest.h>

// How a failed comparison shows the two boxes.
void PrintTo(const Edificabilita &e, std::ostream *os)
{
    *os << '{' << e.volume.toStdString() << ", " << e.superficieLorda.toStdString() << '}';
}

namespace {

// A lot of 1000 m² with the planning indices of the usual example: building index 1,5, maximum
// volume 2000, coverage 0,3, height 7, minimum lot 500.
DatiEdificabilita lotto()
{
    DatiEdificabilita d;
    d.indice = QStringLiteral("1,5");
    d.lottoMinimo = QStringLiteral("500");
    d.copertura = QStringLiteral("0,3");
    d.altezza = QStringLiteral("7");
    d.volumeMassimo = QStringLiteral("2000");
    d.superficie = QStringLiteral("1000");
    return d;
}

Edificabilita stima(const DatiEdificabilita &d, Edificabilita prima = {})
{
    return stimaEdificabilita(d, prima);
}

Edificabilita risultato(const char *volume, const char *lorda)
{
    return {QString::fromUtf8(volume), QString::fromUtf8(lorda)};
}

CampiUrbanistici tuttiPieni()
{
    CampiUrbanistici c;
    for (int k = 1; k <= NumeroCampiUrbanistici; ++k)
        c[k] = QStringLiteral("campo %1").arg(k);
    return c;
}

ArchiveReader leggi(const QByteArray &bytes)
{
    ArchiveReader reader;
    QString errore;
    EXPECT_TRUE(reader.parse(bytes, &errore)) << errore.toStdString();
    return reader;
}

QByteArray righe(int n, const QByteArray &riga = "\"x\"")
{
    QByteArray out;
    for (int i = 0; i < n; ++i)
        out += riga + "\r\n";
    return out;
}

} // namespace

TEST(SuperficieCalcolo, LotSurfaceIsLengthTimesWidthUnrounded)
{
    EXPECT_EQ(superficieLotto("40", "25"), "1000");
    EXPECT_EQ(superficieLotto("12,5", "8,3"), "103,75");
    EXPECT_EQ(superficieLotto("0,1", "3"), "0,3");
    // No number, no surface: the box keeps what it holds.
    EXPECT_FALSE(superficieLotto("", "25"));
    EXPECT_FALSE(superficieLotto(",", "25"));
    EXPECT_FALSE(superficieLotto("40", "1,,5"));
    const QString enorme(200, QLatin1Char('9'));
    EXPECT_FALSE(superficieLotto(enorme, enorme)) << "a product without a finite value";
}

TEST(SuperficieCalcolo, VolumeByIndexAndItsTwoCaps)
{
    EXPECT_EQ(stima(lotto()), risultato("1500", "500"));

    // The maximum volume caps an index of 3, and shows as typed.
    DatiEdificabilita d = lotto();
    d.indice = QStringLiteral("3");
    d.volumeMassimo = QStringLiteral("2500,5");
    d.copertura.clear();
    EXPECT_EQ(stima(d), risultato("2500,5", "833,5"));

    // Coverage 0,2 and height 6 allow 1200 m³ on 1000 m².
    d = lotto();
    d.copertura = QStringLiteral("0,2");
    d.altezza = QStringLiteral("6");
    EXPECT_EQ(stima(d), risultato("1200", "400"));

    // The gross surface is rounded half up to two decimals.
    d = lotto();
    d.copertura.clear();
    d.indice = QStringLiteral("1");
    EXPECT_EQ(stima(d), risultato("1000", "333,33"));
    d.indice = QStringLiteral("1,001");
    EXPECT_EQ(stima(d), risultato("1001", "333,67"));
}

TEST(SuperficieCalcolo, CapsCompareWholeNumbersWithDecimalsNeverRaisingTheVolume)
{
    // 2,5003 × 1000 = 2500,3 is below a maximum of 2500,5: the volume is not raised to the maximum.
    DatiEdificabilita d = lotto();
    d.copertura.clear();
    d.indice = QStringLiteral("2,5003");
    d.volumeMassimo = QStringLiteral("2500,5");
    EXPECT_EQ(stima(d).volume, "2500,3");

    // 1200,5 above a coverage cap of 1200,2 is lowered to it.
    d = lotto();
    d.indice = QStringLiteral("1,2005");
    d.copertura = QStringLiteral("0,2");
    d.altezza = QStringLiteral("6,001");
    EXPECT_EQ(stima(d).volume, "1200,2");
}

TEST(SuperficieCalcolo, LotBelowTheMinimumBuildsNothing)
{
    DatiEdificabilita d = lotto();
    d.lottoMinimo = QStringLiteral("1200");
    EXPECT_EQ(stima(d), risultato("nessuno", "nessuna"));
    d.lottoMinimo = QStringLiteral("1000");
    EXPECT_EQ(stima(d), risultato("1500", "500")) << "1000 is not below 1000";

    // With no lot surface the volume shown stays, yet any positive minimum is not reached.
    d.superficie.clear();
    d.lottoMinimo = QStringLiteral("100");
    EXPECT_EQ(stima(d, risultato("1500", "")), risultato("nessuno", "nessuna"));
    d.lottoMinimo.clear();
    EXPECT_EQ(stima(d, risultato("1500", "")), risultato("1500", "500"));

    // "nessuno" and a volume below 1 m³ have no gross surface: what is shown stays.
    EXPECT_EQ(stima(d, risultato("nessuno", "nessuna")), risultato("nessuno", "nessuna"));
    EXPECT_EQ(stima(d, risultato("0,5", "7")), risultato("0,5", "7"));

    // A volume typed as text keeps its gross surface, but the lot is still below the minimum.
    d = lotto();
    d.indice.clear();
    d.lottoMinimo = QStringLiteral("1200");
    EXPECT_EQ(stima(d, risultato("1500 mc", "7")), risultato("nessuno", "nessuna"));
}

TEST(SuperficieCalcolo, MissingOrUnreadableInputsLeaveTheBoxesAsTheyWere)
{
    const Edificabilita prima = risultato("999", "333");

    DatiEdificabilita d = lotto();
    d.volumeMassimo.clear();   // the index alone gives no volume
    d.copertura.clear();
    EXPECT_EQ(stima(d, prima), risultato("999", "333"));

    // Coverage and height only lower a volume; an empty one stays empty.
    d = lotto();
    d.indice.clear();
    EXPECT_EQ(stima(d), risultato("", ""));

    // A lone comma, two commas or a typed text are no numbers: their steps are passed over.
    d = lotto();
    d.indice = QStringLiteral(",");
    d.copertura.clear();
    EXPECT_EQ(stima(d, prima), risultato("999", "333"));
    d = lotto();
    d.volumeMassimo = QStringLiteral("2,,0");
    d.copertura.clear();
    EXPECT_EQ(stima(d, prima), risultato("999", "333"));
    d = lotto();
    d.superficie = QStringLiteral("circa mille");
    EXPECT_EQ(stima(d, prima), risultato("999", "333"));

    // A volume beyond any finite value is never shown.
    d = lotto();
    d.indice = QString(200, QLatin1Char('9'));
    d.superficie = QString(200, QLatin1Char('9'));
    EXPECT_EQ(stima(d, prima), risultato("999", "333"));
}

TEST(SuperficieCalcolo, ArchiveIsThirtyThreeQuotedLinesAndReadsBack)
{
    CampiUrbanistici c = tuttiPieni();
    c[1] = QStringLiteral("B2 \"centro\"");
    c[4] = QStringLiteral("1,5");
    c[20] = QStringLiteral("città, collina");
    c[33].clear();
    ArchiveWriter writer;
    scriviArchivioUrbanistica(writer, c);
    const QByteArray bytes = writer.bytes();
    const QList<QByteArray> linee = bytes.split('\n');
    ASSERT_EQ(linee.size(), 34);   // 33 lines ended by CR LF
    EXPECT_EQ(linee[0], "\"B2 \"\"centro\"\"\"\r");
    EXPECT_EQ(linee[3], "\"1,5\"\r");
    EXPECT_EQ(linee[19], "\"citt\xE0, collina\"\r");
    EXPECT_EQ(linee[32], "\"\"\r");

    CampiUrbanistici letti;
    ASSERT_TRUE(leggiArchivioUrbanistica(leggi(bytes), letti, nullptr));
    EXPECT_EQ(letti, c);

    // Blank lines after the last field are no harm.
    ASSERT_TRUE(leggiArchivioUrbanistica(leggi(bytes + "\r\n\r\n"), letti, nullptr));
    EXPECT_EQ(letti, c);
}

TEST(SuperficieCalcolo, OtherFilesAreRefusedAndLeaveTheFieldsAlone)
{
    const CampiUrbanistici prima = tuttiPieni();
    const struct
    {
        const char *nome;
        QByteArray bytes;
        const char *motivo;
    } casi[] = {
        {"32 lines", righe(32), "contiene 32 righe invece di 33"},
        {"34 lines", righe(34), "contiene 34 righe invece di 33"},
        {"an empty file", "", "è vuoto"},
        {"a rate archive", "700,1000,25,\r\n", "contiene una sola riga invece di 33"},
        {"a main data archive", "32\r\n" + righe(32, "\"1\",\"2\",\"3\",\"4\",\"5\",\"3\""),
         "la riga 1 non contiene un solo testo tra virgolette"},
        {"a bare number", righe(5) + "12\r\n" + righe(27), "la riga 6 non contiene un solo testo tra virgolette"},
        {"two texts on a line", righe(32) + "\"a\",\"b\"\r\n", "la riga 33 non contiene un solo testo tra virgolette"},
    };
    for (const auto &caso : casi) {
        CampiUrbanistici campi = prima;
        QString motivo;
        EXPECT_FALSE(leggiArchivioUrbanistica(leggi(caso.bytes), campi, &motivo)) << caso.nome;
        EXPECT_EQ(motivo, QString::fromUtf8(caso.motivo)) << caso.nome;
        EXPECT_EQ(campi, prima) << caso.nome;
    }
}

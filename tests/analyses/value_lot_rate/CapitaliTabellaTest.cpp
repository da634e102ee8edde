#include "analyses/value_lot_rate/TabellaSaggi.h"
#include "core/Modulo.h"
#include "runtime/ArchiveRecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

RowArray *const tabella[] = {&gSaggiFabbricato, &gSaggiCosti, &gSaggiAnni, &gSaggiSuperficie,
                             &gSaggiRendimento, &gSaggiValoreArea, &gSaggiValoreMq};

void azzeraTutto()
{
    azzeraTabellaSaggi();
    for (RowArray *c : {&gValoreMercato, &gCostiTotali, &gAnni, &gSuperficie, &gSaggio, &gValoreArea, &gValoreMq})
        c->clear();
    gRigaScelta = Variant();
}

// The terms of one appraisal row, typed as in the main grid, and that row chosen.
void rigaScelta(int riga, const Variant &vm, const Variant &k, const Variant &a, const Variant &s)
{
    gValoreMercato.set(riga, vm);
    gCostiTotali.set(riga, k);
    gAnni.set(riga, a);
    gSuperficie.set(riga, s);
    gRigaScelta = QString::number(riga);
}

// The number of filled rows, seen from the table itself rather than from its count.
int righePiene()
{
    int n = 0;
    for (int i = 1; i <= 100; ++i)
        if (gSaggiRendimento[i].present())
            ++n;
    return n;
}

class CapitaliTabella : public ::testing::Test
{
protected:
    void SetUp() override { azzeraTutto(); }
    void TearDown() override { azzeraTutto(); }
};

TEST(CapitaliPercentuale, BarValuesShowAsPercentWithTheDecimalComma)
{
    EXPECT_EQ(testoPercentuale(700), "7");
    EXPECT_EQ(testoPercentuale(725), "7,25");
    EXPECT_EQ(testoPercentuale(25), "0,25");
    EXPECT_EQ(testoPercentuale(733), "7,33");
    EXPECT_EQ(testoPercentuale(10), "0,1");   // not the single's 0,100000001490116
    EXPECT_EQ(testoPercentuale(1), "0,01");
    EXPECT_EQ(testoPercentuale(10000), "100");
}

TEST_F(CapitaliTabella, ValuesOfAKnownRowOverSevenToTenByAQuarter)
{
    rigaScelta(3, "1000000", "600000", "2", "1000");
    ASSERT_EQ(calcolaTabellaSaggi("7", "10", "0,25"), EsitoSaggi::Calcolato);

    EXPECT_EQ(gNumeroSaggi.leading(), 13);
    EXPECT_EQ(righePiene(), 13);
    // Rate 7: 400000 / 1,07^2 = 349375,49...; per square metre 349,375 rounds up.
    EXPECT_EQ(gSaggiRendimento[1], Variant(7.0));
    EXPECT_EQ(gSaggiValoreArea[1], Variant(349375.0));
    EXPECT_EQ(gSaggiValoreMq[1], Variant(349.38));
    EXPECT_EQ(gSaggiRendimento[2], Variant(7.25));
    EXPECT_EQ(gSaggiValoreArea[2], Variant(347748.0));
    EXPECT_EQ(gSaggiValoreMq[2], Variant(347.75));
    EXPECT_EQ(gSaggiRendimento[13], Variant(10.0));
    EXPECT_EQ(gSaggiValoreArea[13], Variant(330578.0));
    EXPECT_EQ(gSaggiValoreMq[13], Variant(330.58));
    // The terms are copied as the row holds them: texts stay texts.
    for (int i = 1; i <= 13; ++i) {
        EXPECT_EQ(gSaggiFabbricato[i], Variant("1000000"));
        EXPECT_EQ(gSaggiCosti[i], Variant("600000"));
        EXPECT_EQ(gSaggiAnni[i], Variant("2"));
        EXPECT_EQ(gSaggiSuperficie[i], Variant("1000"));
    }
    for (RowArray *c : tabella) {
        EXPECT_EQ((*c)[14], Variant(QString()));
        EXPECT_EQ((*c)[100], Variant(QString()));
    }
}

TEST_F(CapitaliTabella, FractionalYearsAndNegativePlotValuesRoundDown)
{
    rigaScelta(1, "1000000", "600000", "2,5", "1000");
    ASSERT_EQ(calcolaTabellaSaggi("8", "8", "0,25"), EsitoSaggi::Calcolato);
    EXPECT_EQ(gNumeroSaggi.leading(), 1);
    EXPECT_EQ(gSaggiValoreArea[1], Variant(329989.0));
    EXPECT_EQ(gSaggiValoreMq[1], Variant(329.99));

    // K above Vm: the plot value is negative and goes down to the next whole euro.
    rigaScelta(1, "250000", "300000", "3", "800");
    ASSERT_EQ(calcolaTabellaSaggi("5", "6", "0,5"), EsitoSaggi::Calcolato);
    EXPECT_EQ(gNumeroSaggi.leading(), 3);
    EXPECT_EQ(gSaggiValoreArea[1], Variant(-43192.0));
    EXPECT_EQ(gSaggiValoreMq[1], Variant(-53.99));
    EXPECT_EQ(gSaggiValoreArea[2], Variant(-42581.0));
    EXPECT_EQ(gSaggiValoreMq[2], Variant(-53.23));
    EXPECT_EQ(gSaggiValoreArea[3], Variant(-41981.0));
    EXPECT_EQ(gSaggiValoreMq[3], Variant(-52.48));
    EXPECT_EQ(gSaggiRendimento[4], Variant(QString()));
}

TEST_F(CapitaliTabella, RangeArithmeticReadsTheBoxTexts)
{
    rigaScelta(1, "1000000", "600000", "2", "1000");
    // Added up in double precision 7 + 30 x 0,1 stays just below 10, and the rounding makes it 10.
    ASSERT_EQ(calcolaTabellaSaggi("7", "10", "0,1"), EsitoSaggi::Calcolato);
    EXPECT_EQ(gNumeroSaggi.leading(), 31);
    EXPECT_EQ(gSaggiRendimento[2], Variant(7.1));
    EXPECT_EQ(gSaggiRendimento[31], Variant(10.0));
    EXPECT_EQ(gSaggiValoreArea[31], Variant(330578.0));
    EXPECT_FALSE(gSaggiRendimento[32].present());

    ASSERT_EQ(calcolaTabellaSaggi("8,5", "8,5", "0,25"), EsitoSaggi::Calcolato);
    EXPECT_EQ(gNumeroSaggi.leading(), 1);
    EXPECT_EQ(gSaggiRendimento[1], Variant(8.5));
    EXPECT_FALSE(gSaggiRendimento[2].present());

    // Minimum above maximum: no rate, every row emptied.
    ASSERT_EQ(calcolaTabellaSaggi("11", "10", "0,25"), EsitoSaggi::Calcolato);
    EXPECT_EQ(gNumeroSaggi.leading(), 0);
    for (RowArray *c : tabella)
        EXPECT_EQ((*c)[1], Variant(QString()));
}

// The bars set the range in hundredths of a percent: a maximum that a whole number of increments
// reaches from the minimum is the table's last rate, however the added-up increments round
// (3,18 + 4 x 0,10 comes out a hair above 3,58); a maximum between two rates ends the table at
// the rate below it.
TEST_F(CapitaliTabella, EveryRateUpToTheMaximumHasItsLine)
{
    rigaScelta(1, "1000000", "600000", "2", "1000");
    QStringList sbagliati;
    for (int passo : {1, 2, 3, 7, 10, 13, 25, 33, 50, 99, 100}) {
        for (int minimo : {100, 318, 701, 999, 9000}) {
            for (int k = 0; k < MassimoSaggi; ++k) {
                for (int oltre = 0; oltre < passo; oltre += std::max(1, passo / 2)) {
                    const int massimo = minimo + k * passo + oltre;
                    if (massimo > BarraMassimo.massimo)
                        continue;
                    const EsitoSaggi esito = calcolaTabellaSaggi(testoPercentuale(minimo), testoPercentuale(massimo),
                                                                 testoPercentuale(passo));
                    const double ultimo = double(minimo + k * passo) / 100;
                    if (esito != EsitoSaggi::Calcolato || gNumeroSaggi.leading() != k + 1
                        || gSaggiRendimento[k + 1] != Variant(ultimo))
                        sbagliati << QStringLiteral("%1-%2 by %3: %4 rates, the last %5")
                                             .arg(minimo).arg(massimo).arg(passo).arg(gNumeroSaggi.leading())
                                             .arg(gSaggiRendimento[int(gNumeroSaggi.leading())].text());
                }
            }
        }
    }
    EXPECT_TRUE(sbagliati.isEmpty()) << sbagliati.size() << " ranges, such as " << sbagliati.value(0).toStdString();
}

TEST_F(CapitaliTabella, MoreThanAHundredRatesFillTheTableAndAreCounted)
{
    rigaScelta(1, "1000000", "600000", "2", "1000");
    ASSERT_EQ(calcolaTabellaSaggi("7", "10", "0,25"), EsitoSaggi::Calcolato);
    ASSERT_EQ(calcolaTabellaSaggi("1", "100", "0,01"), EsitoSaggi::Troncato);
    EXPECT_EQ(gNumeroSaggi.leading(), 100);
    EXPECT_EQ(righePiene(), 100);
    EXPECT_EQ(gSaggiRendimento[1], Variant(1.0));
    EXPECT_EQ(gSaggiRendimento[14], Variant(1.13));   // a row the previous table had emptied
    EXPECT_EQ(gSaggiRendimento[100], Variant(1.99));

    // An increment that does not move the rate still ends at a hundred rows.
    ASSERT_EQ(calcolaTabellaSaggi("7", "10", "0"), EsitoSaggi::Troncato);
    EXPECT_EQ(gSaggiRendimento[100], Variant(7.0));
    ASSERT_EQ(calcolaTabellaSaggi("7", "10", "-1"), EsitoSaggi::Troncato);
}

TEST_F(CapitaliTabella, ARowWithATermOfLeadingNumberZeroKeepsOneRow)
{
    rigaScelta(2, "500000", "0", "1", "400");
    ASSERT_EQ(calcolaTabellaSaggi("7", "10", "0,25"), EsitoSaggi::Calcolato);
    EXPECT_EQ(gNumeroSaggi.leading(), 1);
    EXPECT_EQ(gSaggiValoreArea[1], Variant(467289.0));
    EXPECT_EQ(gSaggiValoreMq[1], Variant(1168.22));
    for (RowArray *c : tabella)
        EXPECT_EQ((*c)[2], Variant(QString()));

    // A surface below one square metre reads 0 before its comma, but still divides.
    rigaScelta(2, "500000", "100000", "1", "0,5");
    ASSERT_EQ(calcolaTabellaSaggi("7", "10", "0,25"), EsitoSaggi::Calcolato);
    EXPECT_EQ(gNumeroSaggi.leading(), 1);
    EXPECT_EQ(gSaggiValoreMq[1], Variant(747662.0));   // 373831 / 0,5
}

TEST_F(CapitaliTabella, NothingToComputeFromLeavesTheTableAsItWas)
{
    rigaScelta(5, "1000000", "600000", "2", "1000");
    ASSERT_EQ(calcolaTabellaSaggi("7", "10", "0,25"), EsitoSaggi::Calcolato);
    const Variant prima = gSaggiValoreArea[13];
    gNumeroSaggi = Variant("stale");   // shows whether a run counted again

    const auto fermato = [&](const QString &min, const QString &max, const QString &inc) {
        return calcolaTabellaSaggi(min, max, inc) == EsitoSaggi::Fermato;
    };
    EXPECT_TRUE(fermato("", "10", "0,25"));
    EXPECT_TRUE(fermato("7", "", "0,25"));
    EXPECT_TRUE(fermato("7", "10", ""));
    EXPECT_TRUE(fermato("sette", "10", "0,25"));

    for (const Variant &nessuna : {Variant(), Variant(QString()), Variant("0"), Variant("101"), Variant("2,5"), Variant("x")}) {
        gRigaScelta = nessuna;
        EXPECT_TRUE(fermato("7", "10", "0,25")) << nessuna.text().toStdString();
    }
    gRigaScelta = "5";

    // Terms the formula cannot use: no number, no surface, a result that is not finite.
    gValoreMercato.set(5, QString());
    EXPECT_TRUE(fermato("7", "10", "0,25"));
    gValoreMercato.set(5, "un milione");
    EXPECT_TRUE(fermato("7", "10", "0,25"));
    gValoreMercato.set(5, "1000000");
    gSuperficie.set(5, "0");
    EXPECT_TRUE(fermato("7", "10", "0,25"));
    gSuperficie.set(5, "1000");
    EXPECT_TRUE(fermato("-100", "10", "0,25"));   // (1 + r/100) is 0 at the first rate
    gAnni.set(5, "-10000");
    EXPECT_TRUE(fermato("7", "10", "0,25"));

    EXPECT_EQ(gSaggiValoreArea[13], prima);
    EXPECT_EQ(gNumeroSaggi, Variant("stale"));
}

// The table knows the row, the terms and the range it was worked out for: when any of them
// changes it no longer belongs to the chosen row; with no row chosen it is emptied.
TEST_F(CapitaliTabella, TheTableBelongsToTheRowAndTermsItWasWorkedOutFor)
{
    rigaScelta(2, "900000", "300000", "4", "1500");
    rigaScelta(1, "250000", "100000", "2", "500");
    const auto appartiene = [] { return tabellaDellaRigaScelta("7", "10", "0,25"); };
    const auto calcola = [] { return calcolaTabellaSaggi("7", "10", "0,25"); };
    EXPECT_FALSE(appartiene());   // never worked out
    ASSERT_EQ(calcola(), EsitoSaggi::Calcolato);
    EXPECT_EQ(gSaggiValoreArea[1], Variant(131015.0));
    EXPECT_TRUE(appartiene());
    EXPECT_FALSE(tabellaDellaRigaScelta("7", "10", "0,5"));

    const std::function<void()> cambi[] = {
        [] { gRigaScelta = "2"; },
        [] { gValoreMercato.set(2, "1000000"); },
        [] { gAnni.set(2, 4.0); },   // the same years, now the number the times window sends
        [] { gNumeroSaggi = 5; },    // a count that no longer matches the rows
    };
    for (const auto &cambio : cambi) {
        cambio();
        EXPECT_FALSE(appartiene());
        ASSERT_EQ(calcola(), EsitoSaggi::Calcolato);
        EXPECT_TRUE(appartiene());
    }
    EXPECT_EQ(gSaggiValoreArea[1], Variant(534026.0));
    gSaggio.set(2, "6");   // the row's own rate is no term of its table
    EXPECT_TRUE(appartiene());

    gRigaScelta = QString();
    EXPECT_FALSE(appartiene());
    ASSERT_EQ(calcola(), EsitoSaggi::Fermato);
    svuotaTabellaSaggi("7", "10", "0,25");
    EXPECT_TRUE(appartiene());
    EXPECT_EQ(righePiene(), 0);
    EXPECT_EQ(gNumeroSaggi.leading(), 0);
    for (RowArray *c : tabella)
        EXPECT_FALSE((*c)[1].present());
}

TEST_F(CapitaliTabella, CountingLooksAtEveryRowOfTheTable)
{
    EXPECT_EQ(contaSaggi(), 0);
    gSaggiRendimento.set(1, 7.0);
    gSaggiRendimento.set(2, QString());
    gSaggiRendimento.set(50, "8");
    gSaggiRendimento.set(100, 9.0);
    EXPECT_EQ(contaSaggi(), 3);
}

// --- archive layout ------------------------------------------------------------------------------

ArchiveReader letto(const QByteArray &contenuto)
{
    ArchiveReader r;
    QString errore;
    EXPECT_TRUE(r.parse(contenuto, &errore)) << errore.toStdString();
    return r;
}

TEST(CapitaliArchivio, OneLineOfTheThreeBarsAndTheChosenRow)
{
    ArchivioSaggi a;
    ArchiveWriter w;
    scriviArchivioSaggi(w, a);
    EXPECT_EQ(w.bytes(), QByteArray("700,1000,25,\r\n"));

    a.minimo = 725;
    a.massimo = 900;
    a.incremento = 10;
    a.rigaSaggio = "3";
    ArchiveWriter w2;
    scriviArchivioSaggi(w2, a);
    EXPECT_EQ(w2.bytes(), QByteArray("725,900,10,\"3\"\r\n"));

    ArchivioSaggi indietro;
    QString motivo;
    ASSERT_TRUE(leggiArchivioSaggi(letto(w2.bytes()), indietro, &motivo)) << motivo.toStdString();
    EXPECT_EQ(indietro.minimo, 725);
    EXPECT_EQ(indietro.massimo, 900);
    EXPECT_EQ(indietro.incremento, 10);
    EXPECT_EQ(indietro.rigaSaggio, Variant("3"));

    ASSERT_TRUE(leggiArchivioSaggi(letto("700,1000,25,\r\n"), indietro, &motivo));
    EXPECT_TRUE(indietro.rigaSaggio.isEmpty());
    // Fractional bar values are rounded, halves to the even neighbour; a blank line may follow.
    ASSERT_TRUE(leggiArchivioSaggi(letto("700.5,1000.4,24.5,\"\"\r\n\r\n"), indietro, &motivo));
    EXPECT_EQ(indietro.minimo, 700);
    EXPECT_EQ(indietro.massimo, 1000);
    EXPECT_EQ(indietro.incremento, 24);
}

TEST(CapitaliArchivio, FilesOfAnotherShapeAreRefusedWithAReason)
{
    const QByteArray rifiutati[] = {
        "",                                   // empty file
        "700,1000,25\r\n",                    // three fields
        "700,1000,25,\"3\",5\r\n",            // five
        "700,1000,25,\"3\"\r\n800\r\n",       // a second line
        "\"700\",1000,25,\r\n",               // a text where a bar value stands
        "99,1000,25,\r\n",                    // below the minimum bar
        "700,10001,25,\r\n",                  // above the maximum bar
        "700,1000,0,\r\n",                    // increment below 1
        "700,1000,101,\r\n",                  // increment above 1 %
        "700,1000,25,\"tre\"\r\n",            // no row number
        "700,1000,25,\"101\"\r\n",            // beyond the table
        "700,1000,25,1E300\r\n",              // beyond any whole number, bare
        "700,1000,25,-1E300\r\n",
        "700,1000,25,\"1E10\"\r\n",           // and as a text
        "700,1000,25,99999999999\r\n",
        "\"via Roma\"\r\n\"1000\"\r\n\"1,5\"\r\n\"2000\"\r\n",   // a lot archive
    };
    for (const QByteArray &file : rifiutati) {
        ArchivioSaggi out;
        out.minimo = 1234;
        QString motivo;
        EXPECT_FALSE(leggiArchivioSaggi(letto(file), out, &motivo)) << file.toStdString();
        EXPECT_FALSE(motivo.isEmpty()) << file.toStdString();
        EXPECT_EQ(out.minimo, 1234) << "a refused file changes nothing";
    }
}

} // namespace

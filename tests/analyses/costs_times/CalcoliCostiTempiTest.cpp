#include "analyses/costs_times/ArchivioOpere.h"
#include "analyses/costs_times/CalcoliCostiTempi.h"
#include "runtime/ArchiveRecord.h"

#include <gtest/gtest.h>

using namespace opere;

// The worked examples of whole windows are in the window tests; here the arithmetic's edges.

TEST(CalcoliOpere, PresetsMakeTheWholeCategoryAndSharesReadBack)
{
    for (int tipo = 1; tipo <= NumeroTipi; ++tipo) {
        int somma = 0;
        for (int i = 1; i <= NumeroOpere; ++i)
            somma += preset(tipo, i);
        EXPECT_EQ(somma, Intero) << "type " << tipo;
    }
    EXPECT_EQ(testoCursore(1025), "10,25");
    EXPECT_EQ(testoCursore(1), "0,01");
    EXPECT_EQ(testoCursore(10000), "100");
    EXPECT_EQ(testoQuota(9999), "99,99");
    // Every slider position gives a text that stands for that position again.
    for (int c = 0; c <= Intero; ++c)
        ASSERT_EQ(centesimiDi(testoCursore(c)), c) << c;
    EXPECT_EQ(centesimiDi("abc"), 0);
}

TEST(CalcoliOpere, AmountsAreExactBeforeTheyAreCutOrRounded)
{
    EXPECT_EQ(importoTroncato(730, 200000), 14600);
    EXPECT_EQ(importoTroncato(730, 100000), 7300);
    EXPECT_EQ(importoTroncato(1025, 150000), 15375);
    EXPECT_EQ(importoTroncato(157, 1000000), 15700);
    EXPECT_EQ(importoTroncato(1025, 150000.75), 15375);
    EXPECT_EQ(importoTroncato(1025, -1), -1);   // a negative base is cut downwards
    EXPECT_EQ(importoArrotondato(150.0 / 9550 * Intero, 1000000), 15707);
    EXPECT_EQ(importoArrotondato(5000, 3), 2);
    EXPECT_EQ(importoArrotondato(5000, -3), -1);
    EXPECT_DOUBLE_EQ(importoTroncato(Intero, 1e30), 1e30);   // beyond any appraisal, still a result

    EXPECT_EQ(arrotondaPari(2.5), 2);
    EXPECT_EQ(arrotondaPari(3.5), 4);
    EXPECT_EQ(arrotondaPari(1386.6), 1387);
}

TEST(CalcoliCategorie, SpreadsSumsAndYears)
{
    using categorie::Arrotondamento;
    using categorie::ripartisci;
    EXPECT_EQ(ripartisci(1001, {0.30, 0.20, 0.04}, Arrotondamento::Nessuno).join(' '), "300,3 200,2 40,04");
    // Exact halves round up: 233,5, 8,5 and 16,5, 4,5.
    EXPECT_EQ(ripartisci(500, {0.467, 0.304, 0.229}, Arrotondamento::MezzoInSu).join(' '), "234 152 115");
    EXPECT_EQ(ripartisci(50, {0.17, 0.33, 0.5}, Arrotondamento::MezzoInSu).join(' '), "9 17 25");
    EXPECT_EQ(ripartisci(30, {0.75, 0.15, 0.1}, Arrotondamento::MezzoInSu).join(' '), "23 5 3");
    EXPECT_EQ(ripartisci(2, {0.467, 0.304, 0.229}, Arrotondamento::MezzoInSu).join(' '), "1 1 0");

    // The running sum keeps only its whole part; a point reads as a decimal point.
    EXPECT_EQ(categorie::sommaVoci({"1.5", "1.5"}), 2.5);
    EXPECT_EQ(categorie::sommaVoci({"abc", "-5"}), -5);

    const struct
    {
        double giorni, anni;
    } casi[] = {{365, 1},   {400, 1.1}, {183, 0.5},     {548, 1.5},    {1000, 2.7}, {730, 2},
                {913, 2.5}, {894, 2.4}, {36682, 100.5}, {18.25, 0.1}, {-365, -1}};
    for (const auto &c : casi)
        EXPECT_EQ(categorie::anniDaGiorni(c.giorni), c.anni) << c.giorni;
}

TEST(ArchivioOpere, RefusesWhatIsNotOneOfItsFiles)
{
    const QByteArray sedici = "400\r\n2530\r\n960\r\n110\r\n680\r\n1135\r\n1000\r\n185\r\n630\r\n1150\r\n550\r\n0\r\n"
                              "140\r\n300\r\n60\r\n";
    const QByteArray testa = "\"60\",\"120\",\"400\",\"90\",\"60\",";
    ArchiveReader r;
    ArchivioOpere letto;
    ASSERT_TRUE(r.parse(testa + "2\r\n" + sedici + "170\r\n\r\n", nullptr));
    ASSERT_TRUE(leggiArchivioOpere(r.records(), 5, letto, nullptr));   // blank lines after it are harmless
    EXPECT_EQ(letto.cursori[16], 170);

    const QByteArray cattive[] = {
        testa + "7\r\n" + sedici + "170\r\n",   testa + "\r\n" + sedici + "170\r\n",
        testa + "2.5\r\n" + sedici + "170\r\n", testa + "2\r\n" + sedici + "10001\r\n",
        testa + "2\r\n" + sedici + "-1\r\n",    testa + "2\r\n" + sedici + "17.5\r\n",
        testa + "2\r\n" + sedici + "\r\n",      testa + "2\r\n" + sedici,
        testa + "2\r\n" + sedici + "170\r\n5\r\n",
        testa + "2\r\n" + sedici + "170,1\r\n",
        "\"60\",\"120\",\"400\",\"90\",2\r\n" + sedici + "170\r\n",
    };
    for (const QByteArray &c : cattive) {
        QString motivo;
        ASSERT_TRUE(r.parse(c, nullptr)) << c.toStdString();
        letto.tipo = 9;
        EXPECT_FALSE(leggiArchivioOpere(r.records(), 5, letto, &motivo)) << c.toStdString();
        EXPECT_FALSE(motivo.isEmpty());
        EXPECT_EQ(letto.tipo.leading(), 9) << "nothing taken from a refused file";
    }
}

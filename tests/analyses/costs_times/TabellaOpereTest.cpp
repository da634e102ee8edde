#include "CostiTempiTest.h"

namespace {

const QString totaleLavori = QStringLiteral("Totale dei lavori e delle percentuali");
const QString avviso = QStringLiteral("La percentuale deve essere = 100");

class TabellaOpereTest : public CostiTempiTest
{
protected:
    // The costs window over a construction cost of 1000000 with building type k.
    QWidget *costsOfType(int k)
    {
        QWidget *w = costi();
        typeInto(w, "costruz", "1000000");
        chooseType(w, k);
        return w;
    }
};

TEST_F(TabellaOpereTest, TypeChoiceFillsSharesSlidersAndAmounts)
{
    QWidget *w = costsOfType(1);
    EXPECT_EQ(text(w, "correz_1"), "4,5");
    EXPECT_EQ(slider(w, 1)->value(), 450);
    EXPECT_EQ(amounts(w), QStringList({"45000", "272000", "102500", "12000", "53000", "98000", "75000", "12500",
                                       "64000", "132500", "63000", "0", "14000", "33500", "8000", "15000"}));
    EXPECT_EQ(total(w), "100");
    EXPECT_EQ(label(w, "labello"), totaleLavori);
    EXPECT_EQ(gTipoCosti.leading(), 1);

    // Type 3 and back to 1: the air conditioning share comes and goes, its slider included.
    chooseType(w, 3);
    EXPECT_EQ(text(w, "correz_12"), "5");
    EXPECT_EQ(text(w, "ris_12"), "50000");
    chooseType(w, 1);
    EXPECT_EQ(text(w, "correz_12"), "0");
    EXPECT_EQ(slider(w, 12)->value(), 0);
    EXPECT_EQ(text(w, "ris_12"), "0");
    EXPECT_EQ(total(w), "100");
    // The same type again moves no slider, and the total still reads 100.
    chooseType(w, 1);
    EXPECT_EQ(total(w), "100");
    EXPECT_EQ(label(w, "labello"), totaleLavori);
}

TEST_F(TabellaOpereTest, AmountsOfASevenPointThreeShareAreExact)
{
    QWidget *w = costi();
    typeInto(w, "costruz", "200000");
    chooseType(w, 3);
    EXPECT_EQ(text(w, "ris_3"), "14600");
    double somma = 0;
    for (const QString &a : amounts(w))
        somma += a.toDouble();
    EXPECT_EQ(somma, 200000);
}

TEST_F(TabellaOpereTest, SliderMovesTheShareTheTotalAndTheAmounts)
{
    QWidget *w = costsOfType(1);
    slider(w, 2)->setValue(3000);
    EXPECT_EQ(text(w, "correz_2"), "30");
    EXPECT_EQ(total(w), "102,8");
    EXPECT_EQ(label(w, "labello"), avviso);
    EXPECT_EQ(text(w, "ris_2"), "300000");
    // An arrow click moves one hundredth, the track 25.
    slider(w, 1)->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(text(w, "correz_1"), "4,49");
    slider(w, 1)->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(text(w, "correz_1"), "4,74");
    EXPECT_EQ(text(w, "ris_1"), "47400");
    EXPECT_EQ(total(w), "103,04");
}

TEST_F(TabellaOpereTest, SliderMovedBeforeAnyTypeEndsWithTypeTwo)
{
    QWidget *w = costi();
    ASSERT_FALSE(anyType(w));
    slider(w, 3)->setValue(2);
    EXPECT_TRUE(tipo(w, 2)->isChecked());
    EXPECT_EQ(slider(w, 3)->value(), 960);
    EXPECT_EQ(text(w, "correz_3"), "9,6");
    EXPECT_EQ(total(w), "100");
}

TEST_F(TabellaOpereTest, CancelRedistributesTheTableShares)
{
    QWidget *w = costsOfType(1);
    cancelWork(w, 1);
    EXPECT_EQ(sliders(w), QList<int>({0, 2848, 1073, 126, 555, 1026, 785, 131, 670, 1387, 660, 0, 147, 351, 84, 157}));
    EXPECT_EQ(total(w), "100");
    EXPECT_EQ(amounts(w), QStringList({"0", "284800", "107300", "12600", "55500", "102600", "78500", "13100",
                                       "67000", "138700", "66000", "0", "14700", "35100", "8400", "15700"}));

    // A zero share moves no slider: the amounts written by the cancel stay.
    cancelWork(w, 12);
    EXPECT_EQ(amounts(w), QStringList({"0", "284817", "107330", "12565", "55497", "102618", "78534", "13089",
                                       "67016", "138743", "65969", "0", "14660", "35079", "8377", "15707"}));

    // Work 2 instead: the rounded shares make 99,99.
    chooseType(w, 1);
    cancelWork(w, 2);
    EXPECT_EQ(sliders(w), QList<int>({618, 0, 1408, 165, 728, 1346, 1030, 172, 879, 1820, 865, 0, 192, 460, 110, 206}));
    EXPECT_EQ(total(w), "99,99");
    EXPECT_EQ(label(w, "labello"), avviso);
}

TEST_F(TabellaOpereTest, CancelStartsFromTheTableNotFromTheSliders)
{
    QWidget *w = costsOfType(1);
    slider(w, 2)->setValue(3000);
    slider(w, 5)->setValue(0);
    EXPECT_EQ(total(w), "97,5");
    cancelWork(w, 1);
    EXPECT_EQ(slider(w, 2)->value(), 2848);
    EXPECT_EQ(slider(w, 5)->value(), 0);
    EXPECT_EQ(total(w), "94,45");
    EXPECT_EQ(label(w, "labello"), avviso);
}

TEST_F(TabellaOpereTest, TheTwoWindowsShareOneTable)
{
    QWidget *c = costi();
    chooseType(c, 1);
    QWidget *t = tempi();
    chooseType(t, 3);
    cancelWork(c, 1);
    EXPECT_EQ(sliders(c), QList<int>({0, 2093, 756, 83, 777, 1192, 1295, 207, 694, 1140, 518, 0, 135, 280, 104, 207}));
    EXPECT_EQ(total(c), "94,81");
    EXPECT_EQ(gTipoCosti.leading(), 1);
}

TEST_F(TabellaOpereTest, CancellingEveryWorkButOneGivesItTheWhole)
{
    QWidget *w = costsOfType(1);
    for (int i = 1; i <= 16; ++i) {
        if (i != 2)
            cancelWork(w, i);
    }
    EXPECT_EQ(slider(w, 2)->value(), 10000);
    EXPECT_EQ(total(w), "100");
    EXPECT_EQ(text(w, "ris_2"), "1000000");

    cancelWork(w, 2);
    EXPECT_EQ(sliders(w), QList<int>(16, 0));
    EXPECT_EQ(total(w), "0");
    EXPECT_EQ(label(w, "labello"), avviso);
    EXPECT_EQ(amounts(w), QStringList(16, "0"));
}

TEST_F(TabellaOpereTest, CancelBeforeAnyTypeStartsFromTypeTwo)
{
    QWidget *w = costi();
    cancelWork(w, 16);
    EXPECT_TRUE(tipo(w, 2)->isChecked());
    EXPECT_EQ(sliders(w), QList<int>({407, 2574, 977, 112, 692, 1155, 1017, 188, 641, 1170, 560, 0, 142, 305, 61, 0}));
    EXPECT_EQ(total(w), "100,01");

    // Work 1 likewise ends cancelled, not back at its preset.
    QWidget *t = tempi();
    cancelWork(t, 1);
    EXPECT_EQ(slider(t, 1)->value(), 0);
    EXPECT_EQ(text(t, "correz_1"), "0");
}

TEST_F(TabellaOpereTest, TimesWindowWorksInDays)
{
    QWidget *w = tempi();
    typeInto(w, "tempocostr", "365");
    chooseType(w, 1);
    EXPECT_EQ(amounts(w), QStringList({"16", "99", "37", "4", "19", "35", "27", "4", "23", "48", "22", "0", "5",
                                       "12", "2", "5"}));
    cancelWork(w, 1);
    EXPECT_EQ(amounts(w), QStringList({"0", "103", "39", "4", "20", "37", "28", "4", "24", "50", "24", "0", "5",
                                       "12", "3", "5"}));
    EXPECT_EQ(label(w, "labello"), "Totale dei tempi e delle percentuali");
}

TEST_F(TabellaOpereTest, ConstructionBoxCountsWithItsLeadingNumber)
{
    // Typed key by key, the decimals leave the stored base alone and the box as typed.
    QWidget *w = costi();
    typeInto(w, "costruz", "150000,75");
    EXPECT_EQ(text(w, "costruz"), "150000,75");
    EXPECT_EQ(text(w, "ris_0"), "150000,75");
    EXPECT_EQ(text(w, "ris_2"), "37950");   // 25,3 % of 150000
    // Set at once over another base, the box is rewritten with the base it stands for.
    set(w, "costruz", "2000,5");
    EXPECT_EQ(text(w, "costruz"), "2000");
    EXPECT_EQ(text(w, "ris_0"), "2000");
    EXPECT_EQ(text(w, "ris_2"), "506");
}

TEST_F(TabellaOpereTest, ReopenedWindowShowsNoTypeButKeepsTheTable)
{
    QWidget *w = costsOfType(3);
    closeWindow(w);
    w = costi();
    EXPECT_FALSE(anyType(w));
    EXPECT_EQ(text(w, "correz_1"), "");
    EXPECT_EQ(sliders(w), QList<int>(16, 1));
    EXPECT_EQ(label(w, "labello"), " Totale dei lavori e delle percentuali ");
    EXPECT_EQ(gPercentualiOpere[12].leading(), 500);
    // The next construction handler chooses type 2.
    typeInto(w, "costruz", "1000");
    EXPECT_TRUE(tipo(w, 2)->isChecked());
    EXPECT_EQ(gTipoCosti.leading(), 2);
}

} // namespace

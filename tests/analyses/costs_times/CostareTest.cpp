#include "CostiTempiTest.h"

#include "core/Dati.h"
#include "core/Modulo.h"

namespace {

const QString finale = QStringLiteral("cliccare sul tasto TOTALE COSTI per immettere il dato nella finestra "
                                      "principale di calcolo o archiviare i dati");

class CostareTest : public CostiTempiTest
{
protected:
    QStringList subItems(QWidget *w)
    {
        return texts(w, "costo", {2, 3, 4, 5, 6, 7, 9, 10, 11, 13, 14, 15, 16, 17, 18});
    }
    QString hint(QWidget *w) { return label(w, "passo"); }
};

TEST_F(CostareTest, CategoriesSpreadOverTheirSubItems)
{
    QWidget *w = costi();
    EXPECT_EQ(hint(w), "digitare un valore per le spese tecniche o immettere dati nei successivi campi relativi");
    typeInto(w, "tecnich", "1000");
    EXPECT_EQ(texts(w, "costo", {2, 3, 4, 5, 6, 7}), QStringList({"300", "200", "40", "300", "80", "80"}));
    EXPECT_EQ(text(w, "tecnich"), "1000");
    EXPECT_EQ(text(w, "total"), "1000");
    EXPECT_EQ(hint(w), "digitare un valore per gli oneri urbanisticio immettere dati nei successivi campi relativi");
    EXPECT_FALSE(anyType(w));

    typeInto(w, "oner", "12345");
    EXPECT_EQ(texts(w, "costo", {9, 10, 11}), QStringList({"5765", "3753", "2827"}));
    EXPECT_EQ(text(w, "total"), "13345");

    typeInto(w, "costruz", "1000000");
    EXPECT_EQ(texts(w, "costo", {13, 14, 15, 16, 17}), QStringList({"300000", "400000", "100000", "50000", "150000"}));
    EXPECT_TRUE(tipo(w, 2)->isChecked());
    EXPECT_EQ(amounts(w), QStringList({"40000", "253000", "96000", "11000", "68000", "113500", "100000", "18500",
                                       "63000", "115000", "55000", "0", "14000", "30000", "6000", "17000"}));
    EXPECT_EQ(text(w, "ris_0"), "1000000");
    EXPECT_EQ(text(w, "total"), "1013345");
    EXPECT_EQ(hint(w), "digitare un valore per il profitto dell'imprenditore");
}

TEST_F(CostareTest, SubItemChangeAddsTheCategoriesBackUp)
{
    QWidget *w = costi();
    set(w, "tecnich", "1001");
    EXPECT_EQ(texts(w, "costo", {2, 3, 4, 5, 6, 7}),
              QStringList({"300,3", "200,2", "40,04", "300,3", "80,08", "80,08"}));
    EXPECT_EQ(text(w, "total"), "1001");

    // Each sub-item counts with its leading number.
    set(w, "costo_3", "200,20");
    EXPECT_EQ(text(w, "tecnich"), "1000");
    EXPECT_EQ(text(w, "total"), "1000");
    EXPECT_EQ(text(w, "oner"), "0");
    EXPECT_EQ(text(w, "costruz"), "0");
    EXPECT_TRUE(tipo(w, 2)->isChecked());
    EXPECT_EQ(total(w), "100");
    EXPECT_EQ(amounts(w), QStringList(16, "0"));
    EXPECT_EQ(hint(w), "digitare un valore per il profitto dell'imprenditore");
}

// The items round half up; the category keeps what was typed until one of its items changes,
// typing the profit (no item of any category) included.
TEST_F(CostareTest, UrbanisationChargesRoundHalfUpAndSnapWhenAnItemChanges)
{
    QWidget *w = costi();
    set(w, "oner", "1");
    EXPECT_EQ(texts(w, "costo", {9, 10, 11}), QStringList({"0", "0", "0"}));
    EXPECT_EQ(text(w, "oner"), "1");
    set(w, "oner", "50");
    EXPECT_EQ(texts(w, "costo", {9, 10, 11}), QStringList({"23", "15", "11"}));
    typeInto(w, "costo_18", "7");
    EXPECT_EQ(text(w, "oner"), "50");
    EXPECT_EQ(text(w, "total"), "57");
    set(w, "costo_9", "22");
    EXPECT_EQ(text(w, "oner"), "48");
    EXPECT_EQ(text(w, "total"), "55");
}

TEST_F(CostareTest, SameLeadingNumberSpreadsNothing)
{
    QWidget *w = costi();
    set(w, "tecnich", "1001");
    set(w, "costo_3", "200");   // the sum of the sub-items brings the category to 1000
    ASSERT_EQ(text(w, "tecnich"), "1000");
    set(w, "tecnich", "1000,5");
    EXPECT_EQ(text(w, "costo_2"), "300,3");
    EXPECT_EQ(text(w, "total"), "1000");
    set(w, "tecnich", "2000");
    EXPECT_EQ(text(w, "costo_2"), "600");
}

TEST_F(CostareTest, HintNamesTheFinalStepOnceTheProfitIsTyped)
{
    QWidget *w = costi();
    typeInto(w, "tecnich", "1000");
    typeInto(w, "oner", "1000");
    typeInto(w, "costo_18", "500");
    EXPECT_EQ(text(w, "costruz"), "");   // the profit leaves the categories as typed
    EXPECT_EQ(text(w, "total"), "2500");
    EXPECT_NE(hint(w), finale);
    typeInto(w, "costruz", "1000000");
    EXPECT_TRUE(tipo(w, 2)->isChecked());
    EXPECT_EQ(text(w, "total"), "1002500");
    EXPECT_EQ(hint(w), finale);
}

TEST_F(CostareTest, WorkedExampleOfAWholeWindow)
{
    QWidget *w = fullCosts();
    EXPECT_EQ(subItems(w), QStringList({"3000", "2000", "400", "3000", "800", "800", "2335", "1520", "1145", "60000",
                                        "80000", "20000", "10000", "30000", "15000"}));
    EXPECT_EQ(text(w, "total"), "230000");
    EXPECT_EQ(gTotaleCosti.leading(), 230000);
    EXPECT_EQ(amounts(w), QStringList({"8000", "50600", "19200", "2200", "13600", "22700", "20000", "3700", "12600",
                                       "23000", "11000", "0", "2800", "6000", "1200", "3400"}));

    trigger(w, "cancelladati");
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(subItems(w), QStringList(15, ""));
    for (const char *b : {"tecnich", "oner", "costruz", "total"})
        EXPECT_EQ(text(w, b), "0") << b;
    EXPECT_EQ(amounts(w), QStringList(16, "0"));
    EXPECT_TRUE(tipo(w, 2)->isChecked());
}

TEST_F(CostareTest, TransferWritesTheTotalTextIntoTheChosenRow)
{
    QWidget *w = fullCosts();
    gValoreMercato.set(3, QStringLiteral("500000"));
    gAnni.set(3, 2.0);
    gSuperficie.set(3, QStringLiteral("1000"));
    gSaggio.set(3, QStringLiteral("5"));
    gRigaScelta = QStringLiteral("3");
    click(find<QPushButton>(w, "cmdcosti"));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(gCostiTotali[3].isText());
    EXPECT_EQ(gCostiTotali[3].text(), "230000");
    EXPECT_EQ(gValoreArea[3].rawNumber(), 244897);   // Int(270000 / 1,05^2): recomputed at once
    EXPECT_TRUE(isShown("dati"));
    EXPECT_EQ(find<QLineEdit>(window<Dati>("dati"), "costitotal_3")->text(), "230000");
}

TEST_F(CostareTest, TransferWithoutAValidRowWritesNothing)
{
    QWidget *w = costi();
    typeInto(w, "tecnich", "1000");
    for (const Variant &riga : {Variant(), Variant(QString()), Variant("tre"), Variant("0"), Variant("101")}) {
        gRigaScelta = riga;
        messages.clear();
        click(find<QPushButton>(w, "cmdcosti"));
        ASSERT_EQ(messages.size(), 1) << riga.text().toStdString();
        EXPECT_TRUE(messages[0].text.startsWith("Cliccare sul numero di riga"));
    }
    for (int r = 0; r <= 100; ++r)
        EXPECT_FALSE(gCostiTotali[r].present()) << r;
    // The transfer still chose the building type the total stands on.
    EXPECT_TRUE(tipo(w, 2)->isChecked());
}

TEST_F(CostareTest, ExplanationsAndHelp)
{
    QWidget *w = costi();
    click(find<QPushButton>(w, "inform_12"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].text.startsWith("Le spese per la costruzione del fabbricato sono le più delicate"));
    EXPECT_EQ(messages[0].icon(), vb::Information);
    EXPECT_EQ(messages[0].title, gTitoloAiuto.text());

    click(find<QPushButton>(w, "aiuto"));
    ASSERT_EQ(messages.size(), 2);
    const QStringList righe = messages[1].text.split('\r');
    ASSERT_EQ(righe.size(), 6);
    for (const QString &r : righe)
        EXPECT_TRUE(r.startsWith("- ")) << r.toStdString();
    EXPECT_EQ(righe[2], "- modificare, se necessaio, i valori delle caselle bianche;");
}

TEST_F(CostareTest, LoadStateAndReopening)
{
    QWidget *w = costi();
    EXPECT_EQ(w->objectName(), "costare");
    EXPECT_EQ(w->windowTitle(), "Vantegra: analisi dei costi dell'edificio");
    EXPECT_FALSE(anyType(w));
    EXPECT_EQ(sliders(w), QList<int>(16, 1));
    EXPECT_EQ(find<QLabel>(w, "Label1_8")->toolTip(), "");
    EXPECT_EQ(find<QPushButton>(w, "annulla_3")->toolTip(),
              "cliccare sulla X per annullare i costi relativi e ridistribuirli tra le restanti categorie");

    typeInto(w, "tecnich", "1000");
    closeWindow(w);
    w = costi();
    EXPECT_EQ(text(w, "tecnich"), "");
    EXPECT_EQ(text(w, "costo_2"), "");
    EXPECT_EQ(hint(w), "digitare un valore per le spese tecniche o immettere dati nei successivi campi relativi");
    // The same value typed again spreads like any other.
    typeInto(w, "tecnich", "1000");
    EXPECT_EQ(text(w, "costo_2"), "300");
    EXPECT_EQ(text(w, "total"), "1000");
}

TEST_F(CostareTest, MainWindowColumnHeadAndWindowMenuOpenIt)
{
    Dati *dati = show<Dati>(QStringLiteral("dati"));
    gRigaScelta = QStringLiteral("1");
    click(find<QPushButton>(dati, "specific_2"));
    EXPECT_TRUE(isShown("costare"));
    click(find<QPushButton>(dati, "specific_3"));
    EXPECT_TRUE(isShown("redditività"));
    trigger(window<Costare>("costare"), "fin4");
    EXPECT_TRUE(messages.isEmpty());

    // Their menus carry no access keys; the times window has one more separator in "&Modifica".
    EXPECT_EQ(find<QAction>(window<Costare>("costare"), "solodati")->text(), "Stampa dati finestra");
    EXPECT_FALSE(find<QMenu>(window<Costare>("costare"), "modif")->actions().last()->isSeparator());
    EXPECT_TRUE(find<QMenu>(window<Redditivita>("redditività"), "modif")->actions().last()->isSeparator());
}

} // namespace

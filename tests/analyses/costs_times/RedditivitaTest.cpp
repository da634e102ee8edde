#include "CostiTempiTest.h"

#include "core/Dati.h"
#include "core/Modulo.h"

namespace {

class RedditivitaTest : public CostiTempiTest
{
protected:
    QStringList subItems(QWidget *w) { return texts(w, "giorni", {2, 3, 4, 5, 6, 7, 10, 11, 12, 14, 15}); }
    QStringList categories(QWidget *w)
    {
        QStringList out;
        for (const char *b : {"tempoprog", "tempoperm", "tempocostr", "tempocatast", "tempoabit"})
            out << text(w, b);
        return out;
    }
    QString hint(QWidget *w) { return label(w, "passo"); }
};

TEST_F(RedditivitaTest, CategoriesSpreadHalfUpAndTheHintFollows)
{
    const struct
    {
        const char *casella;
        std::initializer_list<int> voci;
        QStringList attese;
        const char *suggerimento;   // the first empty category after this one is typed
    } casi[] = {
        {"tempoprog", {2, 3, 4}, {"50", "30", "20"}, "digitare i giorni necessari per ottenere i permessi"},
        {"tempoperm", {5, 6, 7}, {"75", "15", "10"}, "digitare i giorni necessari alla progettazione"},
        {"tempocatast", {10, 11, 12}, {"17", "33", "50"}, "digitare i giorni necessari alla progettazione"},
        {"tempoabit", {14, 15}, {"50", "50"}, "digitare i giorni necessari alla progettazione"},
    };
    for (const auto &c : casi) {
        QWidget *w = tempi();
        typeInto(w, c.casella, "100");
        EXPECT_EQ(texts(w, "giorni", c.voci), c.attese) << c.casella;
        EXPECT_EQ(text(w, "tempototal"), "100") << c.casella;
        EXPECT_TRUE(hint(w).startsWith(c.suggerimento)) << hint(w).toStdString();
        closeWindow(w);
    }
}

TEST_F(RedditivitaTest, SubItemEditAddsEveryCategoryBackUp)
{
    QWidget *w = tempi();
    typeInto(w, "tempoprog", "45");
    EXPECT_EQ(texts(w, "giorni", {2, 3, 4}), QStringList({"23", "14", "9"}));
    EXPECT_EQ(text(w, "tempoprog"), "45");
    EXPECT_EQ(text(w, "tempototal"), "45");

    set(w, "giorni_5", "7");
    EXPECT_EQ(categories(w), QStringList({"46", "7", "", "0", "0"}));
    EXPECT_EQ(text(w, "tempototal"), "53");
}

TEST_F(RedditivitaTest, ConstructionDaysLeaveTheHintAlone)
{
    QWidget *w = tempi();
    typeInto(w, "tempoprog", "120");
    EXPECT_EQ(texts(w, "giorni", {2, 3, 4}), QStringList({"60", "36", "24"}));
    EXPECT_EQ(categories(w), QStringList({"120", "", "", "", ""}));
    const QString prima = hint(w);
    typeInto(w, "tempocostr", "150,75");
    EXPECT_EQ(text(w, "tempocostr"), "150,75");
    EXPECT_EQ(text(w, "ris_0"), "150,75");
    EXPECT_EQ(text(w, "tempototal"), "270");
    EXPECT_EQ(hint(w), prima);
    EXPECT_TRUE(tipo(w, 2)->isChecked());

    set(w, "tempocostr", "200,75");
    EXPECT_EQ(text(w, "tempocostr"), "200");
    EXPECT_EQ(text(w, "ris_0"), "200");
    EXPECT_EQ(text(w, "tempototal"), "320");
}

TEST_F(RedditivitaTest, WorkedExampleAndItsTransfer)
{
    QWidget *w = fullTimes();
    EXPECT_EQ(subItems(w), QStringList({"30", "18", "12", "90", "18", "12", "15", "30", "45", "30", "30"}));
    EXPECT_EQ(text(w, "tempototal"), "730");
    EXPECT_TRUE(tipo(w, 2)->isChecked());
    EXPECT_EQ(amounts(w), QStringList({"16", "101", "38", "4", "27", "45", "40", "7", "25", "46", "22", "0", "5", "12",
                                       "2", "6"}));
    EXPECT_EQ(text(w, "ris_0"), "400");
    EXPECT_EQ(hint(w), "cliccare sul tasto TOTALE TEMPI per immettere il dato nella finestra principale di calcolo o "
                       "archiviare i dati");

    gRigaScelta = QStringLiteral("3");
    click(find<QPushButton>(w, "cmdtempi"));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(gAnni[3].numeric(), 2);
    EXPECT_TRUE(isShown("dati"));
    EXPECT_EQ(find<QLineEdit>(window<Dati>("dati"), "ann_3")->text(), "2");
}

TEST_F(RedditivitaTest, TransferTurnsDaysIntoYearsWithOneDecimal)
{
    QWidget *w = tempi();
    gRigaScelta = QStringLiteral("1");
    for (const auto &[giorni, anni] : {std::pair{"913", 2.5}, {"894", 2.4}, {"1000", 2.7}}) {
        set(w, "tempoprog", QString::fromLatin1(giorni));
        click(find<QPushButton>(w, "cmdtempi"));
        EXPECT_EQ(gAnni[1].numeric(), anni) << giorni;
    }
    EXPECT_EQ(find<QLineEdit>(window<Dati>("dati"), "ann_1")->text(), "2,7");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(RedditivitaTest, TransferNeedsATotalAndARow)
{
    QWidget *w = tempi();
    gRigaScelta = QStringLiteral("2");
    gAnni.set(2, 7.0);
    click(find<QPushButton>(w, "cmdtempi"));
    // The window just opened has no total: the row keeps its years.
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Digita valori riconoscibili nelle caselle dei singoli tempi.");
    EXPECT_EQ(messages[0].icon(), vb::Critical);
    EXPECT_EQ(messages[0].title, gTitoloControllo);
    EXPECT_EQ(gAnni[2].numeric(), 7);
    EXPECT_TRUE(tipo(w, 2)->isChecked());

    typeInto(w, "tempoprog", "365");
    gRigaScelta = QString();   // its row was deleted
    messages.clear();
    click(find<QPushButton>(w, "cmdtempi"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].text.startsWith("Cliccare sul numero di riga"));
    EXPECT_FALSE(gAnni[0].present());
    EXPECT_EQ(gAnni[2].numeric(), 7);
}

TEST_F(RedditivitaTest, ClearingEmptiesTheCategories)
{
    QWidget *w = tempi();
    typeInto(w, "tempoprog", "120");
    chooseType(w, 3);
    slider(w, 4)->setValue(100);
    trigger(w, "cancelladati");
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(categories(w), QStringList({"0", "", "", "", ""}));
    EXPECT_EQ(texts(w, "giorni", {2, 3, 4}), QStringList({"0", "0", "0"}));
    EXPECT_EQ(text(w, "tempototal"), "0");
    EXPECT_TRUE(tipo(w, 3)->isChecked());
    EXPECT_EQ(slider(w, 4)->value(), 100);
    // A category never set and typed 0 stays as it is.
    typeInto(w, "tempoperm", "0");
    EXPECT_EQ(texts(w, "giorni", {5, 6, 7}), QStringList({"", "", ""}));
}

TEST_F(RedditivitaTest, LoadStateTooltipsAndHelp)
{
    QWidget *w = tempi();
    EXPECT_EQ(w->objectName(), "redditività");
    EXPECT_EQ(w->windowTitle(), "Vantegra: analisi dei tempi per la redditività del fabbricato");
    EXPECT_FALSE(anyType(w));
    EXPECT_EQ(hint(w), "digitare i giorni necessari alla progettazione o immettere dati nei successivi campi relativi");
    EXPECT_EQ(find<QLabel>(w, "Label1_8")->toolTip(),
              "tempo necessario per le opere in ferro come ringhiere, cancelli, grate e simili  (non si comprende il "
              "tempo sovrapponibile con quello di opere contemporanee)");

    click(find<QPushButton>(w, "inform_6"));
    click(find<QPushButton>(w, "aiuto"));
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].text.startsWith("Il tempo richiesto per ottenere il permesso di costruire comunale"));
    EXPECT_EQ(messages[0].title, gTitoloAiuto.text());
    const QStringList righe = messages[1].text.split('\r');
    EXPECT_EQ(righe.size(), 6);
    EXPECT_TRUE(righe.last().contains("TOTALE TEMPI"));
    EXPECT_EQ(messages[1].icon(), vb::Information);
}

} // namespace

#include "ValoreTest.h"

#include "core/Dati.h"

#include <QTest>

namespace {

const QString messaggioImmissione = QStringLiteral("Inserire solo dati numerici e la virgola per i decimali.");

QColor sfondo(QLabel *l)
{
    return l->palette().color(QPalette::Window);
}

} // namespace

TEST_F(ValoreTest, alCaricamentoTuttoVuotoEBarreAUno)
{
    EXPECT_EQ(v->windowTitle(), "Vantegra: analisi del valore del fabbricato");
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(barra(i)->value(), 1);
        EXPECT_EQ(coeff(i), "");
        EXPECT_EQ(sfondo(etichetta(QStringLiteral("caratt_%1").arg(i))), QColor(255, 255, 0));
        EXPECT_EQ(sfondo(etichetta(QStringLiteral("coeff_%1").arg(i))), QColor(0, 255, 255));
    }
    EXPECT_EQ(etichetta("caratt_1")->text(), "posizione rispetto all'abitato ");
    // The weighting lists are filled, yet no weighting is chosen.
    for (int k = 1; k <= 10; ++k) {
        ASSERT_EQ(ragg(k)->count(), 3);
        EXPECT_EQ(ragg(k)->itemText(1), " 50");
        EXPECT_EQ(ragg(k)->currentText(), "");
    }
    EXPECT_EQ(etichetta("passo")->text(),
              "aprire un file archiviato o iniziare ad immettere i coefficienti per le caratteristiche");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ValoreTest, coefficientiEMedia)
{
    barra(1)->setValue(7);
    EXPECT_EQ(coeff(1), "0,7");
    EXPECT_EQ(testo("coeffic"), "0,14");
    EXPECT_EQ(coeff(2), "");

    coefficienti({10, 10, 10, 10, 10});
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(coeff(i), "1");
    EXPECT_EQ(testo("coeffic"), "1");

    barra(3)->setValue(0);
    EXPECT_EQ(coeff(3), "0");
    EXPECT_EQ(testo("coeffic"), "0,8");
}

TEST_F(ValoreTest, laMediaRicordaICoefficientiDopoLaChiusura)
{
    coefficienti({7, 5, 6, 8, 9});
    WindowRegistry::unload(QStringLiteral("valore"));
    processEvents();
    v = show<Valore>(QStringLiteral("valore"));
    EXPECT_EQ(coeff(2), "");
    EXPECT_EQ(barra(2)->value(), 1);

    barra(1)->setValue(2);
    EXPECT_EQ(testo("coeffic"), "0,6");   // (0,2 + 0,5 + 0,6 + 0,8 + 0,9) / 5
}

TEST_F(ValoreTest, superficiRagguagliateETotali)
{
    stanza(1, "abitazione", "120", "100");
    EXPECT_EQ(box("suptot", 1)->text(), "120");
    EXPECT_EQ(testo("superf"), "120");
    EXPECT_EQ(testo("supt"), "120");
    EXPECT_EQ(box("suptot", 11)->text(), "120");

    stanza(2, "cantina", "35,5", "50");
    stanza(4, "terrazzo", "10,333", "25");   // rooms need not be contiguous
    EXPECT_EQ(gNumeroAmbienti.text(), "3");
    EXPECT_EQ(gNomiAmbienti[4].text(), "terrazzo");
    EXPECT_EQ(box("suptot", 4)->text(), "2,58");
    EXPECT_EQ(testo("superf"), "140,33");
    EXPECT_EQ(testo("supt"), "165,833");
    // No coefficient yet: no value, though rows and price are there.
    digita(box("costmq"), "1500");
    EXPECT_EQ(testo("stimatotal"), "");

    coefficienti({7, 5, 6, 8, 9});
    EXPECT_EQ(testo("stimatotal"), "147346,5");
    EXPECT_EQ(testo("valor"), "euro 147.346");
    EXPECT_EQ(testo("valoreuro"), "(euro centoquarantasettemilatrecentoquarantasei)");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ValoreTest, soloLaRigaToccataSiRicalcola)
{
    stanza(1, "abitazione", "120", "100");
    stanza(2, "cantina", "40", "50");

    // A surface below 1 leaves its row out; the totals stand.
    digita(box("sup", 3), "0,8");
    digitaRagguaglio(3, "100");
    EXPECT_EQ(box("suptot", 3)->text(), "");
    EXPECT_EQ(testo("superf"), "140");

    // Emptying a surface leaves its row out at once.
    box("sup", 2)->clear();
    EXPECT_EQ(testo("superf"), "120");
    EXPECT_EQ(box("suptot", 2)->text(), "");
    digita(box("sup", 1), "100");
    EXPECT_EQ(testo("superf"), "100");
    EXPECT_EQ(testo("supt"), "100");
}

TEST_F(ValoreTest, ragguaglioDallaListaOScritto)
{
    digita(box("sup", 1), "100");
    QComboBox *c = ragg(1);
    c->setFocus();
    pressKey(c, Qt::Key_Down);   // "100"
    pressKey(c, Qt::Key_Down);   // " 50"
    EXPECT_EQ(c->currentText(), " 50");
    EXPECT_EQ(box("suptot", 1)->text(), "50");

    // Emptied and picked again, the same item comes back.
    c->setEditText(QString());
    pressKey(c, Qt::Key_Up);
    pressKey(c, Qt::Key_Down);
    EXPECT_EQ(c->currentText(), " 50");
    EXPECT_EQ(box("suptot", 1)->text(), "50");

    digitaRagguaglio(1, " 25");
    EXPECT_EQ(box("suptot", 1)->text(), "25");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ValoreTest, regolaDiImmissione)
{
    stanza(1, "abitazione", "120", "100");
    digita(box("costmq"), "1000");
    coefficienti({5, 5, 5, 5, 5});
    ASSERT_EQ(testo("stimatotal"), "60000");

    accoda(box("sup", 1), "a");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, messaggioImmissione);
    EXPECT_EQ(messages[0].icon(), vb::Critical);
    EXPECT_EQ(messages[0].title, gTitoloControllo);
    EXPECT_EQ(box("sup", 1)->text(), "120a");
    EXPECT_EQ(v->focusWidget(), box("sup", 1));
    EXPECT_EQ(testo("stimatotal"), "60000");
    // The message comes back at every change until the character goes.
    accoda(box("sup", 1), "0");
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(testo("supt"), "120");

    digita(box("sup", 1), "150");
    messages.clear();
    accoda(box("costmq"), ".");
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(testo("stimatotal"), "75000");
    EXPECT_EQ(v->focusWidget(), box("costmq"));
    box("costmq")->backspace();

    messages.clear();
    accoda(ragg(1)->lineEdit(), "x");
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(box("suptot", 1)->text(), "150");
    EXPECT_EQ(v->focusWidget(), ragg(1));
    accoda(box("sup", 1), " ");   // a blank is a weighting's, not a surface's
    EXPECT_EQ(messages.size(), 2);

    // Digits and commas that make no number (pasted) are kept and count for nothing, as after a read.
    messages.clear();
    digitaRagguaglio(1, "100");
    box("sup", 1)->setText("1,,5");
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(box("sup", 1)->text(), "1,,5");
    EXPECT_EQ(box("suptot", 1)->text(), "");
    EXPECT_EQ(testo("superf"), "0");
    EXPECT_EQ(testo("stimatotal"), "0");
}

TEST_F(ValoreTest, spiegazioniEPaginaDeiPrezzi)
{
    v->caratt_Click(3);
    click(etichetta("caratt_2"));
    EXPECT_EQ(sfondo(etichetta("caratt_2")), QColor(255, 0, 255));
    EXPECT_EQ(sfondo(etichetta("caratt_3")), QColor(255, 255, 0));
    EXPECT_TRUE(etichetta("appunti")->text().startsWith("Il mercato valuta anche l'ambiente circostante"));

    for (int i = 1; i <= 4; ++i)
        click(find<QPushButton>(v, QStringLiteral("inform_%1").arg(i)));
    ASSERT_EQ(messages.size(), 4);
    for (const MessageRecord &m : messages)
        EXPECT_EQ(m.style, vb::Information);
    EXPECT_EQ(messages[0].title, gTitoloControllo);
    EXPECT_EQ(messages[2].title, gTitoloControllo);
    EXPECT_EQ(messages[3].title, gTitoloAiuto.text());
    EXPECT_TRUE(messages[1].text.startsWith("La superficie totale ragguagliata"));

    click(find<QPushButton>(v, "internet"));
    ASSERT_EQ(desktop.urls.size(), 1);
    EXPECT_EQ(desktop.urls[0], QUrl(Valore::paginaPrezzi()));
    EXPECT_GT(Valore::Link(Valore::paginaPrezzi()), 32);
}

TEST_F(ValoreTest, totaleStimaNellaRigaScelta)
{
    gCostiTotali.set(3, "30000");
    gAnni.set(3, "2");
    gSuperficie.set(3, "400");
    gSaggio.set(3, "7");
    auto *dati = window<Dati>(QStringLiteral("dati"));
    dati->num_click(3);
    ASSERT_EQ(gRigaScelta.text(), "3");

    stanza(1, "abitazione", "120", "100");
    digita(box("costmq"), "1000");
    coefficienti({5, 5, 5, 5, 5});
    click(find<QPushButton>(v, "cmdstima"));
    EXPECT_EQ(gValoreMercato[3], Variant("60000"));
    EXPECT_FALSE(gValoreMercato[2].present());
    EXPECT_TRUE(gValoreArea[3].present());   // the row recomputed at once
    EXPECT_TRUE(isShown(QStringLiteral("dati")));
    EXPECT_EQ(find<QLineEdit>(dati, "valoremercat_3")->text(), "60000");

    // A value typed by hand is what goes; valor does not follow it.
    digita(box("stimatotal"), "75000");
    v->cmdstima_Click();
    EXPECT_EQ(gValoreMercato[3], Variant("75000"));
    EXPECT_EQ(testo("valor"), "euro 60.000");
    box("stimatotal")->clear();
    v->cmdstima_Click();
    EXPECT_EQ(gValoreMercato[3], Variant(""));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ValoreTest, totaleStimaSenzaRigaScelta)
{
    stanza(1, "abitazione", "120", "100");
    digita(box("costmq"), "1000");
    coefficienti({5, 5, 5, 5, 5});
    for (const Variant &scelta : {Variant(), Variant(""), Variant("x"), Variant("0"), Variant("101")}) {
        gRigaScelta = scelta;
        messages.clear();
        v->cmdstima_Click();
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].text.startsWith("Cliccare sul numero di riga della stima a cui riferire"));
        EXPECT_EQ(messages[0].icon(), vb::Critical);
        EXPECT_EQ(messages[0].title, gTitoloControllo);
    }
    for (int r = 0; r <= 101; ++r)
        EXPECT_FALSE(gValoreMercato[r].present()) << r;
    EXPECT_TRUE(isShown(QStringLiteral("dati")));   // where a row is chosen
}

TEST_F(ValoreTest, laTestataDellaColonnaUnoApreLaFinestra)
{
    WindowRegistry::unload(QStringLiteral("valore"));
    processEvents();
    auto *dati = show<Dati>(QStringLiteral("dati"));
    dati->num_click(2);
    click(find<QPushButton>(dati, "specific_1"));
    EXPECT_TRUE(isShown(QStringLiteral("valore")));
    // The family's window menu and toolbar reach it as well.
    WindowRegistry::unload(QStringLiteral("valore"));
    processEvents();
    trigger(dati, QStringLiteral("fin2"));
    EXPECT_TRUE(isShown(QStringLiteral("valore")));
}

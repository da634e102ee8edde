#include "ValoreTest.h"

#include <QDir>
#include <QFile>

class ValoreArchivioTest : public ValoreTest
{
protected:
    QString percorso(const char *nome) const { return cartella.filePath(QString::fromLatin1(nome)); }

    // Complete data with a bar left at 1 (moved away and back) and rows after an empty one.
    void datiCompleti()
    {
        coefficienti({7, 0, 6, 8, 2});
        barra(2)->setValue(1);
        stanza(1, "abitazione", "120", "100");
        stanza(2, "cantina", "35,5", " 50");
        stanza(4, "terrazzo \"nord\"", "10,333", "25");
        digita(box("costmq"), "1500");
    }

    void salvaConNome(const QString &file)
    {
        answerDialog(file);
        trigger(v, QStringLiteral("salvanome"));
    }
    void apri(const QString &file)
    {
        answerDialog(file);
        trigger(v, QStringLiteral("apri"));
    }
};

TEST_F(ValoreArchivioTest, salvataggioERilettura)
{
    datiCompleti();
    const QString stima = testo("stimatotal");
    ASSERT_FALSE(stima.isEmpty());
    const QString file = percorso("Vantegra-valore-prova");
    salvaConNome(file);
    EXPECT_TRUE(messages.isEmpty());
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_EQ(dialogs[0].title, "Salva file con nome");
    EXPECT_EQ(dialogs[0].filter, "File Vantegra-valore- | Vantegra-valore-*");
    const QByteArray scritto = contenuto(file);
    EXPECT_EQ(scritto.count("\r\n"), 16);
    EXPECT_TRUE(scritto.startsWith("7\r\n1\r\n6\r\n8\r\n2\r\n\"abitazione\",\"120\",\"100\"\r\n"));
    EXPECT_TRUE(scritto.contains("\"terrazzo \"\"nord\"\"\",\"10,333\",\"25\"\r\n"));

    // Into a freshly loaded window, where every bar stands at 1 and the module data are blank.
    WindowRegistry::unload(QStringLiteral("valore"));
    processEvents();
    valore::azzeraDatiModulo();
    v = show<Valore>(QStringLiteral("valore"));
    apri(file);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(dialogs.last().title, "Apri file");
    EXPECT_EQ(dialogs.last().filter, "Tutti i file (*.*)|*.*|File Vantegra-valore- | Vantegra-valore-*");
    EXPECT_EQ(dialogs.last().filterIndex, 2);
    EXPECT_EQ(coeff(2), "0,1");   // a bar saved at 1 gives its coefficient back
    EXPECT_EQ(testo("coeffic"), "0,48");
    EXPECT_EQ(box("tipol", 4)->text(), "terrazzo \"nord\"");
    EXPECT_EQ(ragg(2)->currentText(), " 50");
    EXPECT_EQ(testo("superf"), "140,33");
    EXPECT_EQ(testo("supt"), "165,833");
    EXPECT_EQ(testo("stimatotal"), stima);
    EXPECT_EQ(gNumeroAmbienti.text(), "3");

    // A plain save now writes there without asking, the same sixteen lines.
    const int prima = int(dialogs.size());
    trigger(v, QStringLiteral("salva"));
    EXPECT_EQ(dialogs.size(), prima);
    EXPECT_EQ(contenuto(file), scritto);
}

TEST_F(ValoreArchivioTest, unaLetturaSvuotaLeRigheInPiuEDaTotaliNuovi)
{
    const QString file = percorso("Vantegra-valore-una");
    ASSERT_TRUE(scrivi(file, "5\r\n5\r\n5\r\n5\r\n5\r\n\"casa\",\"100\",\"100\"\r\n"
                     + QByteArray("\"\",\"\",\"\"\r\n").repeated(9) + "\"1000\"\r\n"));
    coefficienti({5, 5, 5, 5, 5});
    stanza(1, "abitazione", "120", "100");
    stanza(2, "cantina", "40", "50");
    stanza(3, "garage", "30", "50");
    digita(box("costmq"), "900");
    apri(file);
    EXPECT_EQ(box("sup", 3)->text(), "");
    EXPECT_EQ(testo("superf"), "100");
    EXPECT_EQ(testo("supt"), "100");
    EXPECT_EQ(testo("stimatotal"), "50000");
}

TEST_F(ValoreArchivioTest, fileNonDelValoreRifiutati)
{
    datiCompleti();
    const QString buono = percorso("Vantegra-valore-buono");
    salvaConNome(buono);
    const QString stima = testo("stimatotal");

    // A main data archive, a bar position out of range after good lines, a damaged file.
    const QByteArray righe = QByteArray("\"\",\"\",\"\"\r\n").repeated(10) + "\"1\"\r\n";
    const struct
    {
        const char *nome;
        QByteArray contenuto;
    } casi[] = {
        {"dati", "1\r\n\"1000\",\"500\",\"2\",\"300\",\"7\",\"1\"\r\n"},
        {"fuori", "1\r\n1\r\n1\r\n11\r\n1\r\n" + righe},
        {"rotto", "1\r\n1\r\n\"aperto\r\n"},
    };
    for (const auto &c : casi) {
        const QString file = percorso(c.nome);
        ASSERT_TRUE(scrivi(file, c.contenuto));
        messages.clear();
        apri(file);
        ASSERT_EQ(messages.size(), 1) << c.nome;
        EXPECT_EQ(messages[0].icon(), vb::Critical);
        EXPECT_TRUE(messages[0].text.contains("non è un archivio")) << messages[0].text.toStdString();
        EXPECT_EQ(coeff(1), "0,7") << c.nome;
        EXPECT_EQ(testo("stimatotal"), stima) << c.nome;
        EXPECT_EQ(v->NomeFile(), buono) << c.nome;
    }
    EXPECT_TRUE(messages[0].text.contains("del valore del fabbricato"));
}

TEST_F(ValoreArchivioTest, controlloDeiDati)
{
    // Rows 2 to 10 do not stand for row 1.
    coefficienti({5, 5, 5, 5, 5});
    stanza(2, "abitazione", "120", "100");
    trigger(v, QStringLiteral("controlla"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, QString("\r- digitare la tipologia di almeno una superficie;\r- digitare almeno una "
                                        "superficie;\r- scegliere almeno un ragguaglio;"));
    EXPECT_EQ(messages[0].icon(), vb::Critical);
    EXPECT_EQ(messages[0].title, gTitoloControllo);

    // Only the surface of row 1 missing: the save shows the check and writes nothing.
    digita(box("tipol", 1), "cantina");
    digitaRagguaglio(1, "50");
    const QString file = percorso("Vantegra-valore-no");
    messages.clear();
    salvaConNome(file);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, QString("\r\r- digitare almeno una superficie;\r"));
    EXPECT_TRUE(dialogs.isEmpty());
    EXPECT_FALSE(QFile::exists(file));

    // Complete: the check before a save is silent, and from the menu it says so.
    digita(box("sup", 1), "40");
    messages.clear();
    salvaConNome(file);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(QFile::exists(file));
    trigger(v, QStringLiteral("controlla"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "I dati sono stati immessi correttamente.");
    EXPECT_EQ(messages[0].icon(), vb::Information);
}

TEST_F(ValoreArchivioTest, cancellazioneDeiDati)
{
    datiCompleti();
    barra(2)->setValue(0);
    trigger(v, QStringLiteral("cancelladati"));
    EXPECT_TRUE(messages.isEmpty());
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(barra(i)->value(), 0);
    EXPECT_EQ(coeff(1), "0");
    EXPECT_EQ(coeff(2), "");   // already at 0: no handler, the label stays empty
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(box("tipol", k)->text(), "");
        EXPECT_EQ(ragg(k)->currentText(), "");
        EXPECT_EQ(box("suptot", k)->text(), "");
    }
    for (const char *nome : {"coeffic", "costmq", "stimatotal", "valor", "valoreuro"})
        EXPECT_EQ(testo(QString::fromLatin1(nome)), "") << nome;
    // Every room emptied has left the totals as it went: none of the cleared rooms counts.
    EXPECT_EQ(testo("superf"), "0");
    EXPECT_EQ(testo("supt"), "0");
    EXPECT_EQ(box("suptot", 11)->text(), "0");
    EXPECT_EQ(gNumeroAmbienti.text(), "0");

    barra(2)->setValue(3);
    trigger(v, QStringLiteral("controlla"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].text.startsWith("\r- digitare la tipologia"));
}

TEST_F(ValoreArchivioTest, aiutoESuggerimenti)
{
    QPushButton *aiuto = find<QPushButton>(v, "aiuto");
    click(aiuto);
    EXPECT_EQ(messages.last().text, "Immettere un coefficiente per ogni caratteristica del fabbricato.");
    EXPECT_EQ(messages.last().title, gTitoloAiuto.text());

    barra(1)->setValue(5);
    barra(2)->setValue(5);
    digita(box("costmq"), "1");
    EXPECT_EQ(etichetta("passo")->text(), "immettere il coefficiente per la caratteristica n. 3 del fabbricato");
    coefficienti({5, 5, 5, 5, 5});
    stanza(1, "abitazione", "120", "100");
    stanza(2, "cantina", "40", "50");
    digita(box("tipol", 5), "soffitta");
    digita(box("costmq"), "2");
    EXPECT_EQ(etichetta("passo")->text(), "digitare la superficie della tipologia n. 5 del fabbricato");
    click(aiuto);
    EXPECT_EQ(messages.last().text, "Digitare la superficie della tipologia n. 5 del fabbricato.");
    EXPECT_EQ(messages.last().icon(), vb::Critical);

    digita(box("sup", 5), "20");
    digita(box("costmq"), "3");
    EXPECT_EQ(etichetta("passo")->text(), "scegliere il ragguaglio della superficie n. 5  del fabbricato");
    click(aiuto);
    EXPECT_EQ(messages.last().text, "Stabilire il ragguaglio della superficie n. 5 del fabbricato.");

    digitaRagguaglio(5, "25");
    messages.clear();
    box("costmq")->clear();   // everything else complete: the hint asks for the price out loud
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Digitare il costo unitario al mq.");
    EXPECT_EQ(messages[0].title, gTitoloAiuto.text());
    EXPECT_EQ(etichetta("passo")->text(), "scegliere il ragguaglio della superficie n. 5  del fabbricato");
    click(aiuto);
    EXPECT_EQ(messages.last().text, "Digitare il costo unitario al mq.");

    digita(box("costmq"), "1000");
    EXPECT_EQ(etichetta("passo")->text(),
              "correggere, archiviare i dati o andare oltre nell'elaborazione cliccando sul tasto TOTALE STIMA");
    click(aiuto);
    EXPECT_EQ(messages.last().icon(), vb::Information);
    EXPECT_TRUE(messages.last().text.startsWith("Correggere i dati, archiviarli"));
}

// A surface that is no number counts as nothing, typed or read, and a read leaves nothing of the
// rows the file does not fill: the same file gives the same value in any window.
TEST_F(ValoreArchivioTest, unaSuperficieCheNonENumeroNonContaEUnaLetturaNonLasciaResidui)
{
    coefficienti({5, 5, 5, 5, 5});
    stanza(1, "abitazione", "120", "100");
    stanza(2, "cantina", "40", "50");
    stanza(3, "garage", "30", "50");
    digita(box("costmq"), "1000");
    box("sup", 2)->setText("1,,5");
    box("sup", 3)->clear();
    box("sup", 1)->setText("100");
    EXPECT_EQ(testo("superf"), "100");
    EXPECT_EQ(testo("supt"), "100");
    EXPECT_EQ(testo("stimatotal"), "50000");

    const QString file = percorso("Vantegra-valore-residui");
    salvaConNome(file);
    box("sup", 1)->setText("120");
    box("sup", 2)->setText("40");
    box("sup", 3)->setText("30");
    ASSERT_EQ(box("suptot", 3)->text(), "15");
    apri(file);
    EXPECT_EQ(box("sup", 2)->text(), "1,,5");
    EXPECT_EQ(box("suptot", 2)->text(), "");
    EXPECT_EQ(box("suptot", 3)->text(), "");
    EXPECT_EQ(testo("superf"), "100");
    EXPECT_EQ(testo("supt"), "100");
    EXPECT_EQ(testo("stimatotal"), "50000");
}

// A room emptied, or whose weighting changes, leaves the totals and the value at once; the value
// follows the coefficients whatever row was touched last; and the window saved and read again
// gives back the same figures.
TEST_F(ValoreArchivioTest, unaStanzaSvuotataEsceSubitoDaiTotaliComeDopoUnaLettura)
{
    gRigaScelta = QStringLiteral("1");
    coefficienti({7, 7, 7, 7, 7});
    stanza(1, "casa", "120", "100");
    stanza(2, "garage", "80", "100");
    digita(box("costmq"), "1000");
    ASSERT_EQ(testo("stimatotal"), "140000");

    box("sup", 2)->clear();
    box("tipol", 2)->clear();
    EXPECT_EQ(box("suptot", 2)->text(), "");
    EXPECT_EQ(testo("supt"), "120");
    EXPECT_EQ(testo("superf"), "120");
    EXPECT_EQ(box("suptot", 11)->text(), "120");
    EXPECT_EQ(testo("stimatotal"), "84000");
    EXPECT_EQ(testo("valor"), "euro 84.000");
    v->cmdstima_Click();
    EXPECT_EQ(gValoreMercato[1].text(), "84000");

    // The last row touched is the emptied one: a coefficient moved still reaches the value.
    barra(1)->setValue(8);
    EXPECT_EQ(testo("coeffic"), "0,72");
    EXPECT_EQ(testo("stimatotal"), "86400");
    digitaRagguaglio(1, "50");
    EXPECT_EQ(testo("superf"), "60");
    EXPECT_EQ(testo("stimatotal"), "43200");

    const QuadroValore prima = v->quadro();
    const QString file = percorso("Vantegra-valore-garage");
    salvaConNome(file);
    WindowRegistry::unload(QStringLiteral("valore"));
    processEvents();
    valore::azzeraDatiModulo();
    v = show<Valore>(QStringLiteral("valore"));
    apri(file);
    const QuadroValore dopo = v->quadro();
    EXPECT_EQ(dopo.suptot, prima.suptot);
    EXPECT_EQ(dopo.supt, prima.supt);
    EXPECT_EQ(dopo.superf, prima.superf);
    EXPECT_EQ(dopo.coeffic, prima.coeffic);
    EXPECT_EQ(dopo.stimatotal, "43200");
    EXPECT_EQ(dopo.valoreuro, prima.valoreuro);
    v->cmdstima_Click();
    EXPECT_EQ(gValoreMercato[1].text(), "43200");
    EXPECT_TRUE(messages.isEmpty());
}

#include "support/DocxReader.h"
#include "support/WindowTest.h"

#include "analyses/value_lot_rate/RegistraSuperficie.h"
#include "analyses/value_lot_rate/Superficie.h"
#include "core/Dati.h"
#include "core/Modulo.h"
#include "core/WordExport.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

const QColor giallo(255, 255, 0);
const QColor magenta(255, 0, 255);

class SuperficieTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        RegistraFinestraSuperficie();
        gDatiUrbanistici = {};
        w = show<Superficie>(QStringLiteral("superficie"));
    }

    void TearDown() override
    {
        WordExport::setCartella(QString());
        WindowTest::TearDown();
    }

    QLineEdit *campo(int k) { return find<QLineEdit>(w, QStringLiteral("urban_%1").arg(k)); }
    QLineEdit *box(const char *nome) { return find<QLineEdit>(w, QString::fromLatin1(nome)); }
    QLabel *etichetta(const char *gruppo, int j)
    {
        return find<QLabel>(w, QStringLiteral("%1_%2").arg(QLatin1String(gruppo)).arg(j));
    }
    QString passo() { return find<QLabel>(w, QStringLiteral("passo"))->text(); }
    bool colore(QLabel *l, const QColor &c) { return l->palette().color(QPalette::Window) == c; }

    // The planning data of the usual example, typed field by field: a lot of 40 × 25 m.
    void esempio()
    {
        const QPair<int, const char *> dati[] = {{4, "1,5"}, {8, "2000"}, {6, "0,3"}, {7, "7"},
                                                 {5, "500"}, {15, "40"}, {16, "25"}};
        for (const auto &[k, testo] : dati)
            type(campo(k), QString::fromUtf8(testo));
    }
    void riempiTutto()
    {
        for (int k = 1; k <= NumeroCampiUrbanistici; ++k)
            campo(k)->setText(QString::number(k));
    }
    QString path(const char *nome) const { return dir.filePath(QString::fromLatin1(nome)); }

    QTemporaryDir dir;
    Superficie *w = nullptr;
};

} // namespace

TEST_F(SuperficieTest, TypingTheExampleGivesSurfaceVolumeAndGrossSurface)
{
    EXPECT_EQ(w->windowTitle(), "Vantegra: dati urbanistici");
    EXPECT_EQ(passo(), "prelevare i dati dall'archivio oppure digitarli direttamente nei campi bianchi");

    esempio();
    EXPECT_EQ(box("suplot")->text(), "1000");
    EXPECT_EQ(box("vol")->text(), "1500");
    EXPECT_EQ(box("suplord")->text(), "500");
    EXPECT_TRUE(messages.isEmpty());

    // The minimum lot above the lot: nothing buildable; back below it, the numbers return.
    campo(5)->setText("1200");
    EXPECT_EQ(box("vol")->text(), "nessuno");
    EXPECT_EQ(box("suplord")->text(), "nessuna");
    campo(5)->setText("500");
    EXPECT_EQ(box("vol")->text(), "1500");

    // The hint follows the zone once length and width are there.
    type(campo(1), "B");
    EXPECT_EQ(passo(), "digitare tutti i dati e confrontare la stima dell'edificabilità con i valori rilevabili "
                       "dai documenti tecnici");
}

TEST_F(SuperficieTest, ASurfaceTypedByTheUserStaysUntilLengthOrWidthChange)
{
    esempio();
    box("suplot")->setText("800");
    EXPECT_EQ(box("vol")->text(), "1200");
    EXPECT_EQ(box("suplord")->text(), "400");

    // Other fields recompute the estimate on the typed surface and leave it alone.
    type(campo(25), "scuole");
    campo(4)->setText("1");
    EXPECT_EQ(box("suplot")->text(), "800");
    EXPECT_EQ(box("vol")->text(), "800");

    campo(15)->setText("30");
    EXPECT_EQ(box("suplot")->text(), "750");
    EXPECT_EQ(box("vol")->text(), "750");
}

// A lot surface typed by the user, with no length and width: each change of the indices still
// gives the estimate those indices and that surface give.
TEST_F(SuperficieTest, WithoutLengthOrWidthTheIndicesStillRecomputeTheEstimate)
{
    type(campo(8), "5000");
    type(campo(4), "1");
    box("suplot")->setText("1000");
    ASSERT_EQ(box("vol")->text(), "1000");
    ASSERT_EQ(box("suplord")->text(), "333,33");

    const struct
    {
        int campo;
        const char *testo;
        const char *volume;
        const char *lorda;
    } passi[] = {
        {4, "2", "2000", "666,67"},
        {8, "1500", "1500", "500"},          // the maximum volume caps it
        {6, "0,2", "1500", "500"},           // coverage without a height: no cap yet
        {7, "5", "1000", "333,33"},          // 0,2 x 1000 m² covered, 5 m high
        {5, "1200", "nessuno", "nessuna"},   // the lot below the minimum
        {5, "500", "1000", "333,33"},
    };
    for (const auto &p : passi) {
        campo(p.campo)->selectAll();
        type(campo(p.campo), QString::fromUtf8(p.testo));
        EXPECT_EQ(box("vol")->text(), p.volume) << p.campo << " " << p.testo;
        EXPECT_EQ(box("suplord")->text(), p.lorda) << p.campo << " " << p.testo;
    }
    EXPECT_EQ(box("suplot")->text(), "1000");
    EXPECT_TRUE(messages.isEmpty());

    // A refused character changes nothing; the surface box itself still recomputes.
    campo(4)->end(false);
    type(campo(4), "x");
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(box("vol")->text(), "1000");
    campo(4)->backspace();
    box("suplot")->setText("1200");
    EXPECT_EQ(box("vol")->text(), "1200");
    EXPECT_EQ(box("suplord")->text(), "400");
}

TEST_F(SuperficieTest, NumberFieldsRefuseOtherCharactersAndTheMirrorKeepsWhatWasTyped)
{
    esempio();
    campo(4)->clear();
    type(campo(4), "12a");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Inserire solo dati numerici e la virgola per i decimali.");
    EXPECT_EQ(messages[0].icon(), vb::Critical);
    EXPECT_EQ(messages[0].title, gTitoloControllo);
    EXPECT_EQ(campo(4)->text(), "12a");
    EXPECT_EQ(gDatiUrbanistici[4], Variant("12a"));
    EXPECT_EQ(box("vol")->text(), "2000") << "12 gave 12000, capped; the refused text computes nothing";

    // Until the letter goes, every change repeats the message; the estimate skips the field.
    type(campo(4), "5");
    EXPECT_EQ(messages.size(), 2);
    type(campo(13), "0,2");
    EXPECT_EQ(box("vol")->text(), "2000");

    messages.clear();
    type(campo(1), "B2");
    type(campo(20), "12a");
    type(campo(17), "residenziale");
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(gDatiUrbanistici[20], Variant("12a"));
    EXPECT_FALSE(gDatiUrbanistici[0].present());

    // The mirror outlives the window; the fields come back empty.
    WindowRegistry::unload(QStringLiteral("superficie"));
    processEvents();
    w = window<Superficie>(QStringLiteral("superficie"));
    EXPECT_EQ(campo(20)->text(), "");
    EXPECT_EQ(gDatiUrbanistici[17], Variant("residenziale"));
}

TEST_F(SuperficieTest, LabelsExplainTheirFieldsAndEachGroupKeepsItsOwnMark)
{
    for (int j = 1; j <= 19; ++j)
        EXPECT_TRUE(colore(etichetta("descrive", j), giallo)) << j;
    EXPECT_EQ(etichetta("descrive", 9)->text(), "numero massimo dei piani ");

    click(etichetta("descrive", 4));
    click(etichetta("descrive", 7));
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].text.startsWith("L'indice di fabbricabilità è il numero dei metri cubi"));
    EXPECT_EQ(messages[1].text, "L'altezza massima consentita è stabilita dallo strumento urbanistico della zona.");
    EXPECT_EQ(messages[1].icon(), vb::Information);
    EXPECT_EQ(messages[1].title, gTitoloAiuto.text());
    EXPECT_TRUE(colore(etichetta("descrive", 4), giallo));
    EXPECT_TRUE(colore(etichetta("descrive", 7), magenta));

    click(etichetta("dezona", 14));
    EXPECT_TRUE(messages.last().text.startsWith("Le servitù passive, poichè vanno a beneficio di un altro fondo"));
    EXPECT_TRUE(colore(etichetta("dezona", 14), magenta));
    EXPECT_TRUE(colore(etichetta("descrive", 7), magenta));

    click(find<QPushButton>(w, "inform_3"));
    EXPECT_TRUE(messages.last().text.startsWith("La superficie lorda del fabbricato è una stima dedotta"));
    EXPECT_EQ(messages.last().icon(), vb::Information);
    EXPECT_TRUE(colore(etichetta("dezona", 14), magenta));

    click(find<QPushButton>(w, "aiuto"));
    EXPECT_EQ(messages.last().text,
              "- Immettere i dati digitandoli in ogni campo;\r"
              "- o aprire un file archiviato per prelevare i dati registrati (Vantegra-superfici-...);\r"
              "- controllare i risultati automatici della stima dell'edificabilità;\r"
              "- digitare il valore esatto della superficie del lotto;\r"
              "- cliccare sul tasto relativo per immettere il dato nella stima del terreno.");
    EXPECT_EQ(messages.last().title, gTitoloAiuto.text());
}

TEST_F(SuperficieTest, TransferWritesTheSurfaceIntoTheChosenRowOnly)
{
    esempio();
    QPushButton *cmdlotto = find<QPushButton>(w, "cmdlotto");

    click(cmdlotto);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].text.startsWith("Cliccare sul numero di riga della stima"));
    for (int riga = 0; riga <= 100; ++riga)
        ASSERT_FALSE(gSuperficie[riga].present()) << riga;

    gRigaScelta = QStringLiteral("0");
    click(cmdlotto);
    EXPECT_EQ(messages.size(), 2);
    EXPECT_FALSE(gSuperficie[0].present());

    // A complete row is recomputed with the new surface at once.
    gValoreMercato.set(3, QStringLiteral("200000"));
    gCostiTotali.set(3, QStringLiteral("100000"));
    gAnni.set(3, QStringLiteral("2"));
    gSaggio.set(3, QStringLiteral("5"));
    gRigaScelta = QStringLiteral("3");
    click(cmdlotto);
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(gSuperficie[3], Variant("1000"));
    EXPECT_EQ(gValoreArea[3].leading(), 90702);
    EXPECT_TRUE(isShown("dati"));
    EXPECT_EQ(find<QLineEdit>(window<Dati>("dati"), "superfic_3")->text(), "1000");

    // An empty surface goes as an empty text.
    box("suplot")->clear();
    click(cmdlotto);
    EXPECT_TRUE(gSuperficie[3].isText());
    EXPECT_EQ(gSuperficie[3].rawText(), "");
}

TEST_F(SuperficieTest, SaveChecksFirstThenWritesThirtyThreeQuotedLines)
{
    riempiTutto();
    campo(20)->clear();
    trigger(w, "salva");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Per una stampa esauriente è consigliabile inserire dati in ogni campo.");
    EXPECT_EQ(messages[0].icon(), vb::Information);
    EXPECT_TRUE(dialogs.isEmpty());

    campo(20)->setText("collina \"alta\"");
    const QString file = path("Vantegra-sup-rossi");
    answerDialog(file);
    trigger(w, "salva");
    EXPECT_EQ(messages.size(), 1) << "a passed silent check says nothing";
    EXPECT_EQ(gControlloSuperficie, Variant(0));
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_EQ(dialogs[0].fileName, "Vantegra-sup-");
    EXPECT_EQ(dialogs[0].filter, "File Vantegra-sup- | Vantegra-sup-*");
    EXPECT_EQ(dialogs[0].filterIndex, 1);

    QByteArray atteso;
    for (int k = 1; k <= NumeroCampiUrbanistici; ++k)
        atteso += k == 20 ? QByteArray("\"collina \"\"alta\"\"\"\r\n") : "\"" + QByteArray::number(k) + "\"\r\n";
    EXPECT_EQ(contenuto(file), atteso);

    // Clearing keeps the file: once filled again, a plain save writes there without a dialog.
    trigger(w, "cancelladati");
    riempiTutto();
    campo(1)->setText("C");
    trigger(w, "salva");
    EXPECT_EQ(dialogs.size(), 1);
    EXPECT_TRUE(contenuto(file).startsWith("\"C\"\r\n\"2\"\r\n"));
}

// A lot surface that differs from what the fields give is kept as one more line after the 33
// fields and read back after them in a program started again; a file of the surface the fields
// give keeps its 33 lines.
TEST_F(SuperficieTest, ALotSurfaceTypedByHandIsKeptByTheArchive)
{
    const struct
    {
        const char *nome;
        const char *larghezza;
        const char *superficie;   // typed into the lot surface box; nothing when left as computed
        QByteArray rigaInPiu;
    } casi[] = {
        {"computed", "25", nullptr, ""},
        {"950 typed over 1000", "25", "950", "\"950\"\r\n"},
        {"1000 typed, as computed", "25", "1000", ""},
        {"emptied", "25", "", "\"\"\r\n"},
        {"a width that is no number gives none", "2a", "950,5", "\"950,5\"\r\n"},
        {"and none is kept from before it", "2a", nullptr, "\"640\"\r\n"},
    };
    for (const auto &c : casi) {
        SCOPED_TRACE(c.nome);
        TearDown();
        SetUp();
        riempiTutto();
        const QPair<int, const char *> dati[] = {{4, "1,5"}, {8, "2000"}, {6, "0,3"}, {7, "7"}, {5, "500"},
                                                 {15, "40"}, {16, c.larghezza}};
        for (const auto &[k, testo] : dati)
            campo(k)->setText(QString::fromLatin1(testo));
        if (c.superficie)
            box("suplot")->setText(QString::fromUtf8(c.superficie));
        const QStringList stima = {box("suplot")->text(), box("vol")->text(), box("suplord")->text()};

        const QString file = path("Vantegra-sup-a-mano");
        QByteArray atteso;
        for (int k = 1; k <= NumeroCampiUrbanistici; ++k)
            atteso += "\"" + campo(k)->text().toUtf8() + "\"\r\n";
        answerDialog(file);
        trigger(w, "salvanome");
        EXPECT_EQ(QString::fromUtf8(contenuto(file)), QString::fromUtf8(atteso + c.rigaInPiu));

        TearDown();
        SetUp();
        answerDialog(file);
        trigger(w, "apri");
        EXPECT_EQ(campo(16)->text(), QString::fromLatin1(c.larghezza));
        EXPECT_EQ(QStringList({box("suplot")->text(), box("vol")->text(), box("suplord")->text()}), stima);
    }
}

TEST_F(SuperficieTest, OpenPutsTheFieldsBackAndRecomputes)
{
    const QString file = path("Vantegra-sup-letto");
    QByteArray bytes;
    for (int k = 1; k <= NumeroCampiUrbanistici; ++k) {
        static const QHash<int, QByteArray> dati = {{1, "B2"}, {4, "1,5"}, {5, "500"}, {6, "0,3"}, {7, "7"},
                                                    {8, "2000"}, {15, "40"}, {16, "25"}, {33, "nessuna"}};
        bytes += "\"" + dati.value(k) + "\"\r\n";
    }
    ASSERT_TRUE(scrivi(file, bytes));
    answerDialog(file);
    trigger(w, "apri");
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_EQ(dialogs[0].title, "Apri file");
    EXPECT_EQ(dialogs[0].filter, "Tutti i file (*.*)|*.*|File Vantegra-sup- | Vantegra-sup-*");
    EXPECT_EQ(dialogs[0].filterIndex, 2);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(campo(1)->text(), "B2");
    EXPECT_EQ(campo(33)->text(), "nessuna");
    EXPECT_EQ(gDatiUrbanistici[15], Variant("40"));
    EXPECT_EQ(box("suplot")->text(), "1000");
    EXPECT_EQ(box("vol")->text(), "1500");
    EXPECT_EQ(box("suplord")->text(), "500");
    EXPECT_TRUE(passo().startsWith("digitare tutti i dati"));
    EXPECT_EQ(w->NomeFile(), file);
}

TEST_F(SuperficieTest, FilesOfAnotherKindAreRefusedAndChangeNothing)
{
    esempio();
    const QString mio = path("Vantegra-sup-mio");
    riempiTutto();
    answerDialog(mio);
    trigger(w, "salva");
    ASSERT_EQ(w->NomeFile(), mio);
    const QByteArray salvato = contenuto(mio);

    const QString corto = path("Vantegra-sup-corto");
    ASSERT_TRUE(scrivi(corto, QByteArray("\"Z\"\r\n").repeated(12)));
    const QString dati = path("Vantegra-dati-1");
    QByteArray righeDati = "32\r\n";
    for (int riga = 1; riga <= 32; ++riga)
        righeDati += "\"200000\",\"100000\",\"2\",\"500\",\"5\",\"1\"\r\n";
    ASSERT_TRUE(scrivi(dati, righeDati));
    const QString lungo = path("Vantegra-sup-lungo");
    ASSERT_TRUE(scrivi(lungo, salvato + "\"950\"\r\n\"960\"\r\n"));
    const QString numero = path("Vantegra-sup-numero");
    ASSERT_TRUE(scrivi(numero, salvato + "950\r\n"));
    const QPair<QString, const char *> casi[] = {{corto, "contiene 12 righe invece di 33"},
                                                 {dati, "la riga 1 non contiene un solo testo tra virgolette"},
                                                 {lungo, "contiene 35 righe invece di 33"},
                                                 {numero, "la riga 34 non contiene un solo testo tra virgolette"}};
    for (const auto &[file, motivo] : casi) {
        messages.clear();
        answerDialog(file);
        trigger(w, "apri");
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].text.contains("non è un archivio dei dati urbanistici di Vantegra: "
                                              + QString::fromUtf8(motivo)))
            << messages[0].text.toStdString();
        EXPECT_EQ(messages[0].icon(), vb::Critical);
        EXPECT_EQ(campo(1)->text(), "1");
        EXPECT_EQ(w->NomeFile(), mio);
    }

    // A plain save still goes to the lot archive, whole.
    trigger(w, "salva");
    EXPECT_EQ(contenuto(mio), salvato);
    EXPECT_EQ(contenuto(dati), righeDati);
}

TEST_F(SuperficieTest, DataCheckFromTheMenuAndClearing)
{
    trigger(w, "controlla");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Non è stato immesso alcun dato urbanistico.");
    EXPECT_EQ(messages[0].icon(), vb::Question);
    EXPECT_EQ(messages[0].title, gTitoloControllo);

    riempiTutto();
    w->Toolbar1_ButtonClick(20);   // the check's toolbar button
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[1].text, "I dati sono stati immessi correttamente");
    EXPECT_EQ(messages[1].icon(), vb::Information);

    // Silent: the flag set by a caller is reset and nothing is shown.
    gControlloSuperficie = 1;
    w->controlla_click();
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(gControlloSuperficie, Variant(0));

    w->NomeFile() = path("Vantegra-sup-x");
    campo(15)->setText("40");
    campo(16)->setText("25");
    campo(4)->setText("1");
    campo(8)->setText("2000");
    campo(5)->setText("0");
    click(etichetta("descrive", 2));
    ASSERT_EQ(box("vol")->text(), "1000");
    trigger(w, "cancelladati");
    for (int k = 1; k <= NumeroCampiUrbanistici; ++k) {
        EXPECT_EQ(campo(k)->text(), "") << k;
        EXPECT_EQ(gDatiUrbanistici[k], Variant("")) << k;
    }
    EXPECT_EQ(box("suplot")->text(), "");
    EXPECT_EQ(box("vol")->text(), "");
    EXPECT_EQ(box("suplord")->text(), "");
    EXPECT_EQ(w->NomeFile(), path("Vantegra-sup-x"));
    EXPECT_TRUE(colore(etichetta("descrive", 2), magenta));
    EXPECT_EQ(messages.size(), 3);
}

TEST_F(SuperficieTest, ExportWritesTheThreeTablesUnderTheOwnersName)
{
    WindowRegistry::registerWindow(QStringLiteral("frontespizio"), [] {
        auto *copertina = new QWidget;
        (new QLineEdit(QStringLiteral("ABC/1"), copertina))->setObjectName(QStringLiteral("proprietà"));
        return copertina;
    });
    WordExport::setCartella(dir.path());
    esempio();
    campo(5)->setText("1200");
    box("suplot")->setText("1000,5");
    campo(20)->setText("pianeggiante");
    trigger(w, "solodati");
    EXPECT_TRUE(messages.isEmpty());

    const docx::Document doc = docx::read(dir.filePath("-UrbanisticaVantegra-ABC_1.doc"));
    ASSERT_TRUE(doc.error.isEmpty()) << doc.error.toStdString();
    const QStringList testi = doc.texts();
    ASSERT_GE(testi.size(), 3);
    EXPECT_EQ(testi[0], "STIMA DI UN'AREA FABBRICABILE");
    EXPECT_EQ(testi[1], "");
    EXPECT_EQ(testi[2], "Finestra dati tecnici e urbanistici");
    const auto paragrafi = doc.paragraphs();
    EXPECT_EQ(paragrafi[0]->runs.at(0).font, "Century Gothic");
    EXPECT_EQ(paragrafi[0]->runs.at(0).size, 20);
    EXPECT_EQ(paragrafi[2]->runs.at(0).size, 14);

    const auto tabelle = doc.tables();
    ASSERT_EQ(tabelle.size(), 3u);
    const docx::Table &dati = *tabelle[0];
    ASSERT_EQ(dati.rowCount(), 20);
    ASSERT_EQ(dati.columnCount(), 2);
    EXPECT_EQ(dati.cell(1, 1).text(), "tipologia");
    EXPECT_EQ(dati.cell(1, 2).text(), "valore");
    EXPECT_EQ(dati.cell(5, 1).text(), "indice di fabbricabilità mc/mq.");
    EXPECT_EQ(dati.cell(5, 2).text(), "1,5") << "fields print as typed";
    EXPECT_EQ(dati.cell(10, 1).text(), "numero massimo dei piani ");
    EXPECT_EQ(dati.cell(20, 1).text(), "vincoli presenti");
    EXPECT_EQ(dati.cell(20, 2).text(), "");
    EXPECT_EQ(dati.cell(5, 2).paragraphs.at(0).runs.at(0).size, 12);
    EXPECT_NE(dati.cell(5, 2).paragraphs.at(0).jc, "right");

    const docx::Table &zona = *tabelle[1];
    ASSERT_EQ(zona.rowCount(), 15);
    EXPECT_EQ(zona.cell(1, 1).text(), "caratteristica");
    EXPECT_EQ(zona.cell(1, 2).text(), "qualità");
    EXPECT_EQ(zona.cell(2, 1).text(), "pendenza dell'area");
    EXPECT_EQ(zona.cell(2, 2).text(), "pianeggiante");
    EXPECT_EQ(zona.cell(15, 1).text(), "servitù passive");

    const docx::Table &stima = *tabelle[2];
    ASSERT_EQ(stima.rowCount(), 4);
    EXPECT_EQ(stima.cell(1, 1).text(), "edificabilità");
    EXPECT_EQ(stima.cell(2, 1).text(), "SUPERFICIE DEL LOTTO MQ.");
    EXPECT_EQ(stima.cell(2, 2).text(), "1.000,50");
    EXPECT_EQ(stima.cell(3, 1).text(), "Volume massimo edificabile mc.");
    EXPECT_EQ(stima.cell(3, 2).text(), "nessuno");
    EXPECT_EQ(stima.cell(4, 1).text(), "Superficie lorda del fabbricato mq.");
    EXPECT_EQ(stima.cell(4, 2).text(), "nessuna");
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(stima.cell(r, 2).paragraphs.at(0).jc, "right") << r;
    EXPECT_NE(stima.cell(2, 1).paragraphs.at(0).jc, "right");

    EXPECT_EQ(box("suplot")->text(), "1000,5") << "the export changes nothing in the window";
}

TEST_F(SuperficieTest, TheMainWindowsFourthColumnHeadOpensTheLotWindow)
{
    WindowRegistry::unload(QStringLiteral("superficie"));
    processEvents();
    Dati *dati = show<Dati>(QStringLiteral("dati"));
    gRigaScelta = QStringLiteral("2");
    click(find<QPushButton>(dati, "specific_4"));
    EXPECT_TRUE(isShown("superficie"));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(find<QAction>(dati, "fin5")->isEnabled());
}

TEST_F(SuperficieTest, TheWindowsButtonsLeadToTheGuideTheMainWindowAndTheExit)
{
    click(find<QPushButton>(w, "cmddati"));
    EXPECT_TRUE(isShown("dati"));
    click(find<QPushButton>(w, "cmdguida"));
    EXPECT_TRUE(isShown("sommario"));
    answerNext(vb::No);
    click(find<QPushButton>(w, "cmdesci"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Vuoi uscire da Vantegra?");
    EXPECT_EQ(find<QPushButton>(w, "cmdesci")->toolTip(), "cliccare per uscire da Vantegra");
}

#include "support/DocxReader.h"
#include "support/WindowTest.h"

#include "analyses/value_lot_rate/Capitali.h"
#include "analyses/value_lot_rate/RegistraCapitali.h"
#include "core/Dati.h"
#include "core/Modulo.h"
#include "core/WordExport.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

namespace {

RowArray *const tabellaSaggi[] = {&gSaggiFabbricato, &gSaggiCosti, &gSaggiAnni, &gSaggiSuperficie,
                                  &gSaggiRendimento, &gSaggiValoreArea, &gSaggiValoreMq};

const QString nessunaRiga = QStringLiteral(
    "Cliccare sul numero di riga della stima a cui riferire i dati specifici della prossima "
    "finestra. Essi sono necessari anche per la stampa della relazione.");
const QString sceltaDaFare = QStringLiteral(
    "Scegli il tasso di rendimento (cliccando sul numero d'ordine corrispondente) che meglio risponde alla "
    "situazione della zona e del mercato. Esso andrà inserito automaticamente nei dati della valutazione del "
    "terreno.");
const QString sceltaFatta = QStringLiteral(
    "Puoi modificare il tasso minimo e massimo o l'incremento. Oppure puoi tornare alla finestra Dati.");
const QString suggerimentoVuoto = QStringLiteral(
    "tornare alla finestra Dati per immettere i valori necessari alla stima del terreno");
const QString suggerimentoPieno = QStringLiteral(
    "prelevare i dati dall'archivio o scegliere il tasso più congruo per la valutazione del terreno "
    "cliccando nell'apposita casella laterale");

// The cover page as far as an export needs it: the owner's box.
class Copertina : public QWidget
{
public:
    Copertina()
    {
        auto *box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("proprietà"));
    }
};

class CapitaliTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        RegistraFinestraCapitali();
        azzeraTabella();
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        azzeraTabella();
    }
    static void azzeraTabella() { azzeraTabellaSaggi(); }

    // Row 3 of the appraisal, typed as in the main grid, and chosen.
    static void rigaTre()
    {
        gValoreMercato.set(3, "1000000");
        gCostiTotali.set(3, "600000");
        gAnni.set(3, "2");
        gSuperficie.set(3, "1000");
        gRigaScelta = "3";
    }

    Capitali *capitali() { return show<Capitali>(QStringLiteral("capitali")); }
    QLineEdit *cella(QWidget *w, const char *colonna, int linea)
    {
        return find<QLineEdit>(w, QStringLiteral("%1_%2").arg(QString::fromLatin1(colonna)).arg(linea));
    }
    QLabel *numero(QWidget *w, int linea) { return find<QLabel>(w, QStringLiteral("num_%1").arg(linea)); }
    QScrollBar *barra(QWidget *w, const char *nome) { return find<QScrollBar>(w, QString::fromLatin1(nome)); }
    QString testo(QWidget *w, const char *box) { return find<QLineEdit>(w, QString::fromLatin1(box))->text(); }
    static QColor colore(const QLabel *l) { return l->palette().color(QPalette::Window); }
    // Lines of the grid whose arrow is shown.
    QList<int> frecce(QWidget *w)
    {
        QList<int> out;
        for (int k = 1; k <= 10; ++k)
            if (!find<QLabel>(w, QStringLiteral("freccia_%1").arg(k))->isHidden())
                out << k;
        return out;
    }
    // What the grid shows on one line, from Vm to Va per square metre.
    QStringList linea(QWidget *w, int k)
    {
        QStringList out;
        for (const char *c : {"valoremercat", "costitotal", "ann", "superfic", "sagg", "valtot", "valmq"})
            out << cella(w, c, k)->text();
        return out;
    }
    void clicNumero(QWidget *w, int linea) { click(numero(w, linea)); }
};

// --- table, grid and range -----------------------------------------------------------------------

TEST_F(CapitaliTest, LoadComputesSevenToTenByAQuarterForTheChosenRow)
{
    rigaTre();
    Capitali *w = capitali();
    EXPECT_EQ(w->windowTitle(), "Vantegra: valutazione del saggio di rendimento dei capitali industriali");
    EXPECT_EQ(barra(w, "HScroll1")->value(), 700);
    EXPECT_EQ(barra(w, "HScroll2")->value(), 1000);
    EXPECT_EQ(barra(w, "HScroll3")->value(), 25);
    EXPECT_EQ(testo(w, "min"), "7");
    EXPECT_EQ(testo(w, "max"), "10");
    EXPECT_EQ(testo(w, "increm"), "0,25");

    EXPECT_EQ(gNumeroSaggi.leading(), 13);
    EXPECT_EQ(linea(w, 1), QStringList({"1000000", "600000", "2", "1000", "7", "349375", "349,38"}));
    EXPECT_EQ(linea(w, 2), QStringList({"1000000", "600000", "2", "1000", "7,25", "347748", "347,75"}));
    EXPECT_EQ(numero(w, 10)->text(), "10");
    EXPECT_EQ(numero(w, 10)->toolTip(), "cliccare per inserire nella finestra Dati i valori della riga n. 10");
    EXPECT_EQ(colore(numero(w, 1)), QColor(255, 255, 0));
    EXPECT_TRUE(frecce(w).isEmpty());
    EXPECT_EQ(find<QLabel>(w, QStringLiteral("passo"))->text(), suggerimentoPieno);

    // Scrolling shows the rows after the tenth: the last rate, then the emptied rows.
    barra(w, "VScroll1")->setValue(5);
    EXPECT_EQ(numero(w, 1)->text(), "5");
    EXPECT_EQ(linea(w, 9), QStringList({"1000000", "600000", "2", "1000", "10", "330578", "330,58"}));
    EXPECT_EQ(linea(w, 10), QStringList({"", "", "", "", "", "", ""}));
    EXPECT_EQ(numero(w, 10)->toolTip(), "cliccare per inserire nella finestra Dati i valori della riga n. 14");
    EXPECT_EQ(gNumeroSaggi.leading(), 13);
    // The main grid keeps its own first and current rows.
    EXPECT_FALSE(gRigaCorrente.present());
    EXPECT_EQ(gPrimaRiga.leading(), 0);
}

TEST_F(CapitaliTest, WithNoRowChosenTheLoadLeavesAnEmptyGridAndSaysWhereToGo)
{
    Capitali *w = capitali();
    EXPECT_EQ(testo(w, "increm"), "0,25");
    EXPECT_EQ(linea(w, 1), QStringList({"", "", "", "", "", "", ""}));
    EXPECT_FALSE(gSaggiFabbricato[1].present());
    EXPECT_EQ(find<QLabel>(w, QStringLiteral("passo"))->text(), suggerimentoVuoto);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(CapitaliTest, BarsRecomputeTheTableFromTheBoxTexts)
{
    rigaTre();
    Capitali *w = capitali();

    barra(w, "HScroll3")->setValue(10);   // 0,1: 31 rates, the last one 10
    EXPECT_EQ(testo(w, "increm"), "0,1");
    EXPECT_EQ(gNumeroSaggi.leading(), 31);
    EXPECT_EQ(cella(w, "sagg", 2)->text(), "7,1");

    barra(w, "HScroll1")->setValue(1025);   // minimum above maximum: the grid empties
    EXPECT_EQ(testo(w, "min"), "10,25");
    EXPECT_EQ(gNumeroSaggi.leading(), 0);
    EXPECT_EQ(linea(w, 1), QStringList({"", "", "", "", "", "", ""}));
}

TEST_F(CapitaliTest, ARangeCutOffAtAHundredRatesIsShownAndCounted)
{
    rigaTre();
    Capitali *w = capitali();
    barra(w, "HScroll1")->setValue(100);
    barra(w, "HScroll2")->setValue(10000);
    barra(w, "HScroll3")->setValue(1);   // 1 % to 100 % by 0,01: ten thousand rates

    EXPECT_EQ(gNumeroSaggi.leading(), 100);
    EXPECT_EQ(gSaggiRendimento[100], Variant(1.99));
    // The grid shows the table that a click copies from.
    EXPECT_EQ(cella(w, "sagg", 2)->text(), "1,01");
    barra(w, "VScroll1")->setValue(91);
    EXPECT_EQ(cella(w, "sagg", 10)->text(), "1,99");
    clicNumero(w, 10);
    EXPECT_EQ(gSaggio[3].text(), "1,99");
}

TEST_F(CapitaliTest, ATypedCellComesBackWhileARowIsChosenAndStaysOtherwise)
{
    rigaTre();
    Capitali *w = capitali();
    type(cella(w, "valoremercat", 1), QStringLiteral("5"));
    EXPECT_EQ(cella(w, "valoremercat", 1)->text(), "1000000");
    EXPECT_EQ(gSaggiFabbricato[1], Variant("1000000"));
    EXPECT_EQ(gSaggiValoreArea[1], Variant(349375.0));

    // Without a chosen row nothing recomputes: what is typed is kept, and a rate typed in a row
    // beyond the table is counted.
    gRigaScelta = QString();
    barra(w, "VScroll1")->setValue(5);
    QLineEdit *r14 = cella(w, "sagg", 10);
    r14->selectAll();
    type(r14, QStringLiteral("8,5"));
    EXPECT_EQ(gSaggiRendimento[14], Variant("8,5"));
    EXPECT_EQ(gNumeroSaggi.leading(), 14);
    EXPECT_EQ(r14->text(), "8,5");
    EXPECT_FALSE(gRigaCorrente.present());
}

// --- the choice of a rate ------------------------------------------------------------------------

TEST_F(CapitaliTest, ClickingALineNumberWritesItsRateIntoTheChosenRow)
{
    rigaTre();
    Capitali *w = capitali();
    clicNumero(w, 2);

    EXPECT_EQ(gRigaSaggio, Variant("2"));
    EXPECT_EQ(gSaggio[3].text(), "7,25");
    // The row is recalculated at once with the rate it received.
    EXPECT_EQ(gValoreArea[3].text(), "347748");
    EXPECT_EQ(gValoreMq[3].text(), "347,75");
    EXPECT_TRUE(isShown("dati"));
    EXPECT_EQ(colore(numero(w, 2)), QColor(255, 0, 0));
    EXPECT_EQ(colore(numero(w, 1)), QColor(255, 255, 0));
    EXPECT_TRUE(messages.isEmpty());

    // The arrow waits for the grid's next refresh, and the check follows it.
    EXPECT_TRUE(frecce(w).isEmpty());
    trigger(w, QStringLiteral("controlla"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, sceltaDaFare);
    EXPECT_EQ(messages[0].icon(), vb::Information);
    EXPECT_EQ(messages[0].title, gTitoloControllo);

    barra(w, "HScroll2")->setValue(900);   // the chosen row number stays, its rate is another
    EXPECT_EQ(frecce(w), QList<int>{2});
    trigger(w, QStringLiteral("controlla"));
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[1].text, sceltaFatta);
    EXPECT_EQ(gSaggio[3].text(), "7,25");

    // A line beyond the table empties the row's rate, and its results with it.
    barra(w, "VScroll1")->setValue(5);
    clicNumero(w, 10);
    EXPECT_FALSE(gSaggio[3].present());
    EXPECT_FALSE(gValoreArea[3].present());
}

TEST_F(CapitaliTest, WithNoValidRowAClickWritesNothingAndSaysSo)
{
    rigaTre();
    Capitali *w = capitali();
    for (const Variant &riga : {Variant(QString()), Variant("0"), Variant("abc")}) {
        messages.clear();
        gRigaScelta = riga;
        clicNumero(w, 1);
        ASSERT_EQ(messages.size(), 1);
        EXPECT_EQ(messages[0].text, nessunaRiga);
        EXPECT_EQ(messages[0].icon(), vb::Critical);
        EXPECT_TRUE(gRigaSaggio.isEmpty());
        EXPECT_EQ(colore(numero(w, 1)), QColor(255, 255, 0));
        for (int r = 1; r <= 100; ++r)
            ASSERT_FALSE(gSaggio[r].present()) << r;
    }
}

TEST_F(CapitaliTest, ColumnHeadFiveOfTheMainWindowComputesForTheRowChosenNow)
{
    rigaTre();
    capitali();
    gValoreMercato.set(4, "1000000");
    gCostiTotali.set(4, "600000");
    gAnni.set(4, "1");
    gSuperficie.set(4, "500");

    Dati *dati = show<Dati>(QStringLiteral("dati"));
    dati->num_click(4);
    find<QPushButton>(dati, QStringLiteral("specific_5"))->click();

    Capitali *w = window<Capitali>(QStringLiteral("capitali"));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(linea(w, 1), QStringList({"1000000", "600000", "1", "500", "7", "373831", "747,66"}));
}

// The table shown is always the chosen row's, whatever command shows the window, and after the
// row's terms change; a row that cannot be computed, or no row at all, shows an empty table.
TEST_F(CapitaliTest, TheTableShownIsAlwaysTheChosenRows)
{
    Dati *dati = show<Dati>(QStringLiteral("dati"));
    const auto digita = [&](const char *colonna, int linea, const QString &testo) {
        QLineEdit *b = cella(dati, colonna, linea);
        b->selectAll();
        type(b, testo);
    };
    const char *const termini[] = {"valoremercat", "costitotal", "ann", "superfic", "sagg"};
    const QStringList righe[] = {{"250000", "100000", "2", "500", "5"}, {"900000", "300000", "4", "1500", "6"}};
    for (int r = 1; r <= 2; ++r)
        for (int c = 0; c < 5; ++c)
            digita(termini[c], r, righe[r - 1][c]);

    dati->num_click(1);
    click(find<QPushButton>(dati, QStringLiteral("specific_5")));
    Capitali *w = window<Capitali>(QStringLiteral("capitali"));
    ASSERT_TRUE(w->isVisible());
    EXPECT_EQ(linea(w, 1), QStringList({"250000", "100000", "2", "500", "7", "131015", "262,03"}));

    // Row 2 chosen; the window, still open, brought forward from the window menu.
    dati->num_click(2);
    trigger(dati, QStringLiteral("fin6"));
    EXPECT_EQ(linea(w, 1), QStringList({"900000", "300000", "4", "1500", "7", "457737", "305,16"}));
    clicNumero(w, 1);
    EXPECT_EQ(gSaggio[2].text(), "7");
    EXPECT_EQ(gValoreArea[2].text(), "457737");
    EXPECT_EQ(gSaggio[1].text(), "5");

    // A new Vm typed into row 2; the window shown again from the toolbar.
    digita("valoremercat", 2, QStringLiteral("1000000"));
    w->hide();
    dati->Toolbar1_ButtonClick(11);
    ASSERT_TRUE(w->isVisible());
    EXPECT_EQ(linea(w, 1), QStringList({"1000000", "300000", "4", "1500", "7", "534026", "356,02"}));
    EXPECT_EQ(gNumeroSaggi.leading(), 13);

    // Row 1 chosen while the window stays open: a click on a line takes row 1's table first.
    dati->num_click(1);
    clicNumero(w, 2);
    EXPECT_EQ(linea(w, 2), QStringList({"250000", "100000", "2", "500", "7,25", "130405", "260,81"}));
    EXPECT_EQ(gSaggio[1].text(), "7,25");
    dati->num_click(2);

    // A surface of 0: no table, rather than the one before.
    digita("superfic", 2, QStringLiteral("0"));
    click(find<QPushButton>(dati, QStringLiteral("specific_5")));
    EXPECT_EQ(linea(w, 1), QStringList(7, QString()));
    EXPECT_EQ(gNumeroSaggi.leading(), 0);

    // The chosen row deleted: no row is chosen, and no row's figures are shown.
    digita("superfic", 2, QStringLiteral("1500"));
    WindowRegistry::show(QStringLiteral("capitali"));
    ASSERT_EQ(cella(w, "valoremercat", 1)->text(), "1000000");
    click(find<QPushButton>(dati, QStringLiteral("delriga_2")));
    ASSERT_FALSE(gRigaScelta.present());
    trigger(dati, QStringLiteral("fin6"));
    EXPECT_EQ(linea(w, 1), QStringList(7, QString()));
    EXPECT_EQ(gNumeroSaggi.leading(), 0);
    for (RowArray *c : tabellaSaggi)
        EXPECT_FALSE((*c)[1].present());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(CapitaliTest, HeadsHelpAndTheCommandFamilysDifferences)
{
    Capitali *w = capitali();
    find<QPushButton>(w, QStringLiteral("specific_3"))->click();
    find<QPushButton>(w, QStringLiteral("aiuto"))->click();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0].text, "I dati specifici relativi possono essere introdotti partendo dalla finestra Dati.");
    EXPECT_EQ(messages[0].icon(), vb::Information);
    EXPECT_EQ(messages[0].title, gTitoloAiuto.text());
    EXPECT_EQ(messages[1].text,
              "- Scegli il tasso minimo e massimo di rendimento dei capitali industriali;\r"
              "- poi determina l'incremento che vuoi utilizzare per visualizzare le variazioni della valutazione del "
              "terreno;\r"
              "- quindi scegli il dato più congruo del tasso, da immettere per la stima, cliccando nell'apposita "
              "casella laterale alla riga.");
    EXPECT_EQ(messages[1].title, gTitoloAiuto.text());

    // No clearing command: the entry is greyed, positions 19 and 20 check, 21 asks to leave.
    QAction *cancella = find<QAction>(w, QStringLiteral("cancelladati"));
    EXPECT_FALSE(cancella->isEnabled());
    EXPECT_EQ(cancella->text(), "C&ancella dati immessi");
    messages.clear();
    w->Toolbar1_ButtonClick(20);
    w->Toolbar1_ButtonClick(19);
    answerNext(vb::No);
    w->Toolbar1_ButtonClick(21);
    ASSERT_EQ(messages.size(), 3);
    EXPECT_EQ(messages[0].text, sceltaDaFare);
    EXPECT_EQ(messages[1].text, sceltaDaFare);
    EXPECT_EQ(messages[2].buttons(), vb::YesNo);
    EXPECT_TRUE(messages[2].text.startsWith("Vuoi uscire da "));
    EXPECT_FALSE(quitRequested);

    // The main window's menu and toolbar reach this window.
    Dati *dati = show<Dati>(QStringLiteral("dati"));
    w->hide();
    trigger(dati, QStringLiteral("fin6"));
    EXPECT_TRUE(w->isVisible());
}

TEST_F(CapitaliTest, AReloadStartsAgainFromTheRangeAtLoadKeepingTheTable)
{
    rigaTre();
    Capitali *w = capitali();
    barra(w, "HScroll3")->setValue(10);
    clicNumero(w, 3);
    EXPECT_EQ(gNumeroSaggi.leading(), 31);

    w->close();
    processEvents();
    EXPECT_EQ(WindowRegistry::existing(QStringLiteral("capitali")), nullptr);
    EXPECT_EQ(gRigaSaggio, Variant("3"));   // the rate table and the choice outlive the window

    w = capitali();
    EXPECT_EQ(testo(w, "increm"), "0,25");
    EXPECT_EQ(gNumeroSaggi.leading(), 13);
    EXPECT_EQ(frecce(w), QList<int>{3});
    EXPECT_EQ(colore(numero(w, 3)), QColor(255, 0, 0));
}

// --- archive -------------------------------------------------------------------------------------

class CapitaliArchivioTest : public CapitaliTest
{
protected:
    QString percorso(const QString &nome) const { return dir.filePath(nome); }
    QString scrivi(const QString &nome, const QByteArray &contenuto) const
    {
        QFile f(percorso(nome));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contenuto);
        return percorso(nome);
    }
    static QByteArray leggi(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir dir;
};

TEST_F(CapitaliArchivioTest, SaveWritesTheRangeAndTheChosenRow)
{
    Capitali *w = capitali();
    const QString file = percorso(QStringLiteral("Vantegra-rendimento-prova"));
    answerDialog(file);
    trigger(w, QStringLiteral("salva"));
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_EQ(dialogs[0].fileName, "Vantegra-rendimento-");
    EXPECT_EQ(dialogs[0].filter, "File Vantegra-rendimento- | Vantegra-rendimento-*");
    EXPECT_EQ(dialogs[0].filterIndex, 1);
    EXPECT_EQ(leggi(file), QByteArray("700,1000,25,\r\n"));

    rigaTre();
    barra(w, "HScroll1")->setValue(725);
    clicNumero(w, 3);
    trigger(w, QStringLiteral("salva"));   // the same file, without a dialog
    EXPECT_EQ(dialogs.size(), 1);
    EXPECT_EQ(leggi(file), QByteArray("725,1000,25,\"3\"\r\n"));
}

TEST_F(CapitaliArchivioTest, OpenSetsTheRangeAndMarksTheChosenLine)
{
    rigaTre();
    Capitali *w = capitali();
    barra(w, "VScroll1")->setValue(4);
    answerDialog(scrivi(QStringLiteral("Vantegra-rendimento-a"), "725,900,10,\"3\"\r\n"));
    trigger(w, QStringLiteral("apri"));
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_EQ(dialogs[0].filter, "Tutti i file (*.*)|*.*|File Vantegra-rendimento- | Vantegra-rendimento-*");
    EXPECT_EQ(dialogs[0].filterIndex, 2);

    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(testo(w, "min"), "7,25");
    EXPECT_EQ(testo(w, "max"), "9");
    EXPECT_EQ(testo(w, "increm"), "0,1");
    EXPECT_EQ(barra(w, "VScroll1")->value(), 1);
    EXPECT_EQ(gNumeroSaggi.leading(), 18);   // 7,25 to 8,95
    EXPECT_EQ(cella(w, "sagg", 1)->text(), "7,25");
    EXPECT_EQ(frecce(w), QList<int>{3});
    EXPECT_EQ(colore(numero(w, 3)), QColor(255, 0, 0));
    EXPECT_EQ(w->NomeFile(), percorso(QStringLiteral("Vantegra-rendimento-a")));
}

TEST_F(CapitaliArchivioTest, OpenWithoutAnyTableSendsTheUserToTheMainWindow)
{
    Capitali *w = capitali();
    answerDialog(scrivi(QStringLiteral("Vantegra-rendimento-b"), "800,900,50,\r\n"));
    trigger(w, QStringLiteral("apri"));
    EXPECT_EQ(testo(w, "min"), "8");
    EXPECT_EQ(testo(w, "increm"), "0,5");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Non vi sono dati di stima, prelevarli tramite la finestra Dati.");
    EXPECT_EQ(messages[0].icon(), vb::Critical);
    EXPECT_EQ(messages[0].title, gTitoloControllo);
    EXPECT_TRUE(isShown("dati"));
}

TEST_F(CapitaliArchivioTest, AFileOfAnotherKindIsRefusedAndChangesNothing)
{
    rigaTre();
    Capitali *w = capitali();
    clicNumero(w, 2);
    const QString buono = percorso(QStringLiteral("Vantegra-rendimento-buono"));
    answerDialog(buono);
    trigger(w, QStringLiteral("salvanome"));
    messages.clear();

    const QByteArray estranei[] = {
        "\"via Roma\"\r\n\"1000\"\r\n\"1,5\"\r\n",   // a lot archive
        "50,1000,25,\"4\"\r\n",                        // a bar value outside its bar
        "700,1000,25,\"4\"\r\n900,1000,25,\r\n",
    };
    int n = 0;
    for (const QByteArray &contenuto : estranei) {
        answerDialog(scrivi(QStringLiteral("estraneo%1").arg(++n), contenuto));
        trigger(w, QStringLiteral("apri"));
        ASSERT_EQ(messages.size(), n);
        EXPECT_EQ(messages.last().icon(), vb::Critical);
        EXPECT_TRUE(messages.last().text.contains("non è un archivio del saggio di rendimento di Vantegra"))
            << messages.last().text.toStdString();
        EXPECT_EQ(gRigaSaggio, Variant("2"));
        EXPECT_EQ(barra(w, "HScroll1")->value(), 700);
        EXPECT_EQ(w->NomeFile(), buono);
    }
    EXPECT_EQ(leggi(buono), QByteArray("700,1000,25,\"2\"\r\n"));
}

// --- Word export ---------------------------------------------------------------------------------

class CapitaliStampaTest : public CapitaliTest
{
protected:
    void SetUp() override
    {
        CapitaliTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        WordExport::setCartella(dir.path());
        WindowRegistry::registerWindow(QStringLiteral("frontespizio"), [] { return new Copertina; });
    }
    void TearDown() override
    {
        WordExport::setCartella(QString());
        CapitaliTest::TearDown();
    }
    void proprietario(const QString &nome)
    {
        find<QLineEdit>(window<QWidget>(QStringLiteral("frontespizio")), QStringLiteral("proprietà"))->setText(nome);
    }
    QStringList rigaTabella(const docx::Table &t, int riga)
    {
        QStringList out;
        for (int c = 1; c <= t.columnCount(); ++c)
            out << t.cell(riga, c).text();
        return out;
    }
    QTemporaryDir dir;
};

TEST_F(CapitaliStampaTest, TheWholeTableGoesIntoOneWordTable)
{
    rigaTre();
    Capitali *w = capitali();
    proprietario(QStringLiteral("ABC"));
    trigger(w, QStringLiteral("solodati"));
    EXPECT_TRUE(messages.isEmpty());

    const QString file = dir.filePath(QStringLiteral("-SaggioVantegra-ABC.doc"));
    ASSERT_TRUE(QFile::exists(file)) << QDir(dir.path()).entryList(QDir::Files).join(' ').toStdString();
    const docx::Document d = docx::read(file);
    ASSERT_TRUE(d.error.isEmpty()) << d.error.toStdString();
    EXPECT_TRUE(d.texts().contains("Finestra saggio di rendimento"));
    ASSERT_EQ(d.tables().size(), 1u);
    const docx::Table &t = *d.tables()[0];
    ASSERT_EQ(t.rowCount(), 15);
    ASSERT_EQ(t.columnCount(), 8);
    EXPECT_EQ(rigaTabella(t, 1), QStringList({"numero", "fabbricato", "costi", "redditività", "superficie",
                                              "rendimento", "valore area", "valore"}));
    EXPECT_EQ(rigaTabella(t, 2), QStringList({"", "euro", "euro", "anni", "mq.", "%", "euro", "euro/mq."}));
    EXPECT_EQ(rigaTabella(t, 3), QStringList({" 1", "1.000.000,00", "600.000,00", "2,00", "1.000,00", "7,00",
                                              "349.375,00", "349,38"}));
    EXPECT_EQ(t.cell(4, 6).text(), "7,25");
    EXPECT_EQ(t.cell(4, 7).text(), "347.748,00");
    EXPECT_EQ(rigaTabella(t, 15), QStringList({" 13", "1.000.000,00", "600.000,00", "2,00", "1.000,00", "10,00",
                                               "330.578,00", "330,58"}));
    EXPECT_EQ(t.cell(3, 2).paragraphs.at(0).jc, "right");
    EXPECT_EQ(t.cell(3, 8).paragraphs.at(0).jc, "right");
    EXPECT_NE(t.cell(3, 1).paragraphs.at(0).jc, "right");

    // More rows than the grid shows are exported too.
    barra(w, "HScroll3")->setValue(10);
    trigger(w, QStringLiteral("solodati"));
    const docx::Document d31 = docx::read(file);
    ASSERT_EQ(d31.tables().size(), 1u);
    EXPECT_EQ(d31.tables()[0]->rowCount(), 33);
    EXPECT_EQ(d31.tables()[0]->cell(33, 6).text(), "10,00");
}

TEST_F(CapitaliStampaTest, TheExportTakesTheTableOfTheRowChosenNow)
{
    rigaTre();
    Capitali *w = capitali();
    proprietario(QStringLiteral("ABC"));
    gValoreMercato.set(4, "900000");
    gCostiTotali.set(4, "300000");
    gAnni.set(4, "4");
    gSuperficie.set(4, "1500");
    gRigaScelta = "4";
    trigger(w, QStringLiteral("solodati"));

    const docx::Document d = docx::read(dir.filePath(QStringLiteral("-SaggioVantegra-ABC.doc")));
    ASSERT_EQ(d.tables().size(), 1u);
    EXPECT_EQ(rigaTabella(*d.tables()[0], 3), QStringList({" 1", "900.000,00", "300.000,00", "4,00", "1.500,00",
                                                           "7,00", "457.737,00", "305,16"}));
    EXPECT_EQ(cella(w, "valoremercat", 1)->text(), "900000");
}

TEST_F(CapitaliStampaTest, AnEmptyTableGivesTheHeadsAloneAndNoOwnerGivesNoDocument)
{
    Capitali *w = capitali();
    trigger(w, QStringLiteral("solodati"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Digitare il nome del proprietario dell'area fabbricabile.");
    EXPECT_TRUE(isShown("frontespizio"));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());

    proprietario(QStringLiteral("Rossi/Bianchi"));
    trigger(w, QStringLiteral("solodati"));
    const QString file = dir.filePath(QStringLiteral("-SaggioVantegra-Rossi_Bianchi.doc"));
    ASSERT_TRUE(QFile::exists(file));
    const docx::Document d = docx::read(file);
    ASSERT_EQ(d.tables().size(), 1u);
    EXPECT_EQ(d.tables()[0]->rowCount(), 2);
}

} // namespace

#include "support/DocxReader.h"
#include "support/WindowTest.h"

#include "core/Dati.h"
#include "core/Modulo.h"
#include "core/WordExport.h"
#include "runtime/ArchiveRecord.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

namespace {

const char *const colonne[] = {"valoremercat", "costitotal", "ann", "superfic", "sagg", "valtot", "valmq"};

class DatiTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        dati = show<Dati>(QStringLiteral("dati"));
    }

    QLineEdit *box(int colonna, int linea)
    {
        return find<QLineEdit>(dati, QStringLiteral("%1_%2").arg(QLatin1String(colonne[colonna])).arg(linea));
    }
    QLabel *num(int linea) { return find<QLabel>(dati, QStringLiteral("num_%1").arg(linea)); }
    QLabel *freccia(int linea) { return find<QLabel>(dati, QStringLiteral("freccia_%1").arg(linea)); }
    QScrollBar *scroll() { return find<QScrollBar>(dati, QStringLiteral("VScroll1")); }
    QString passo() { return find<QLabel>(dati, QStringLiteral("passo"))->text(); }

    // Types the five terms into a grid line, as the user would.
    void riga(int linea, const QStringList &termini)
    {
        for (int c = 0; c < termini.size(); ++c)
            type(box(c, linea), termini[c]);
    }
    bool rosso(int linea) { return num(linea)->palette().color(QPalette::Window) == QColor(255, 0, 0); }

    // A cover page holding only its owner box, until the real one takes its place.
    void copertina(const QString &proprietario)
    {
        WindowRegistry::registerWindow(QStringLiteral("frontespizio"), [proprietario] {
            auto *w = new QWidget;
            auto *box = new QLineEdit(proprietario, w);
            box->setObjectName(QStringLiteral("proprietà"));
            return w;
        });
    }

    Dati *dati = nullptr;
};

TEST_F(DatiTest, WorkedExampleAndTheGuardsOfTheFormula)
{
    riga(1, {"200000", "100000", "2", "500", "5"});
    EXPECT_EQ(box(5, 1)->text(), "90702");
    EXPECT_EQ(box(6, 1)->text(), "181,4");
    EXPECT_EQ(gNumeroStime.leading(), 1);

    // Years 0 or never typed compute with a = 0; erased years cannot be read: no results.
    box(2, 1)->setText("0");
    EXPECT_EQ(box(5, 1)->text(), "100000");
    EXPECT_EQ(box(6, 1)->text(), "200");
    box(2, 1)->clear();
    EXPECT_EQ(box(5, 1)->text(), "");
    EXPECT_EQ(box(6, 1)->text(), "");

    // The limit of 100 years: 100 computes, 101 is refused with its message and leaves no result.
    box(2, 1)->setText("100");
    EXPECT_FALSE(box(5, 1)->text().isEmpty());
    EXPECT_TRUE(messages.isEmpty());
    box(2, 1)->setText("101");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "E' una esagerazione pensare a oltre 100 anni per la redditività!");
    EXPECT_EQ(messages[0].icon(), vb::Critical);
    EXPECT_EQ(messages[0].title, gTitoloControllo);
    EXPECT_EQ(box(5, 1)->text(), "");

    // A rate whose whole part is 0 stops the calculation; costs above the value go negative, down.
    box(2, 1)->setText("1");
    box(4, 1)->setText("0,5");
    EXPECT_EQ(box(5, 1)->text(), "");
    box(4, 1)->setText("10");
    box(1, 1)->setText("210000,5");
    EXPECT_EQ(box(5, 1)->text(), "-9092");   // -10000.5 / 1.1 = -9091.36..., rounded down
}

TEST_F(DatiTest, EntryRuleRejectsAnythingButDigitsAndTheComma)
{
    riga(1, {"200000", "100000", "2", "500", "5"});
    messages.clear();
    box(1, 1)->setFocus();
    type(box(1, 1), "a");   // K now reads 100000a
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Inserire solo dati numerici e la virgola per i decimali.");
    EXPECT_EQ(messages[0].icon(), vb::Critical);
    EXPECT_EQ(gCostiTotali[1].text(), "100000");
    EXPECT_EQ(box(5, 1)->text(), "90702");
    EXPECT_EQ(box(1, 1)->text(), "100000a");   // the box keeps what was typed

    messages.clear();
    type(box(0, 2), "1.500");
    EXPECT_EQ(messages.size(), 4);             // at the point, and again at every later change
    EXPECT_EQ(gValoreMercato[2].text(), "1");  // what was stored before the point
    box(0, 2)->setText("1500,75");
    EXPECT_EQ(gValoreMercato[2].text(), "1500,75");
    EXPECT_TRUE(gValoreMercato[2].isText());
}

TEST_F(DatiTest, RefreshShowsDetailValuesAsTextsAndMarksTheChosenRow)
{
    gAnni.set(3, 4.5);
    dati->VScroll1_Change();
    EXPECT_EQ(box(2, 3)->text(), "4,5");
    EXPECT_TRUE(gAnni[3].isText());            // stored back as the box's text
    EXPECT_EQ(gAnni[3].text(), "4,5");

    click(num(3));
    EXPECT_EQ(gRigaScelta.text(), "3");
    EXPECT_TRUE(rosso(3));
    EXPECT_FALSE(rosso(2));
    EXPECT_TRUE(freccia(3)->isVisibleTo(dati));
    EXPECT_FALSE(freccia(2)->isVisibleTo(dati));

    scroll()->setValue(91);
    EXPECT_EQ(num(1)->text(), "91");
    EXPECT_EQ(num(10)->text(), "100");
    EXPECT_FALSE(freccia(3)->isVisibleTo(dati));
    EXPECT_EQ(find<QPushButton>(dati, "copiariga_1")->toolTip(), "cliccare per copia la riga n. 90");
    scroll()->setValue(1);
    EXPECT_EQ(find<QPushButton>(dati, "copiariga_1")->toolTip(), "cliccare per copia la riga n. 0");
    EXPECT_EQ(num(4)->toolTip(), "cliccare per inserire i dati particolareggiati della stima n. 4");
    EXPECT_EQ(find<QPushButton>(dati, "delriga_4")->toolTip(), "cliccare per cancellare la riga n. 4");
}

// A row whose years were never typed computes with a = 0 wherever it is shown: scrolling writes its
// empty years into a line that showed another row's, and that must not count as erasing them.
TEST_F(DatiTest, ScrollingNeverChangesWhatARowHolds)
{
    riga(2, {"200000", "100000", "", "500", "5"});
    riga(1, {"250000", "100000", "3", "500", "5"});
    ASSERT_EQ(box(5, 2)->text(), "100000");
    const QString va1 = box(5, 1)->text();

    scroll()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    ASSERT_EQ(num(1)->text(), "2");
    EXPECT_EQ(box(2, 1)->text(), "");
    EXPECT_EQ(box(5, 1)->text(), "100000");
    scroll()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    ASSERT_EQ(num(1)->text(), "1");
    EXPECT_EQ(box(5, 2)->text(), "100000");
    EXPECT_EQ(gValoreArea[2].text(), "100000");
    EXPECT_TRUE(gAnni[2].isEmpty());
    EXPECT_EQ(box(5, 1)->text(), va1);
    EXPECT_EQ(gAnni[1].text(), "3");

    // Years the user erases are still erased: no results until they are typed again.
    box(2, 1)->clear();
    EXPECT_TRUE(gAnni[1].isText());
    EXPECT_EQ(box(5, 1)->text(), "");
    scroll()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    scroll()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(box(5, 1)->text(), "");
    EXPECT_EQ(box(5, 2)->text(), "100000");
}

TEST_F(DatiTest, HintLineNamesTheFirstMissingTermOfTheFirstShownRow)
{
    EXPECT_EQ(passo(), "informazioni su come immettere i dati");
    type(box(0, 1), "1");
    EXPECT_EQ(passo(), "digitare il dato dei costi totali");
    type(box(1, 1), "1");
    EXPECT_EQ(passo(), "digitare gli anni per la redditività");
    riga(1, {"", "", "1", "1", "1"});
    EXPECT_EQ(passo(), "leggere i risultati della stima, archiviarli, scegliere quale riga stampare nella "
                       "relazione, procedere cliccando su Relazione");
}

TEST_F(DatiTest, CopyTakesThePreviousRowAndRecounts)
{
    riga(1, {"200000", "100000", "2", "500", "5"});
    click(find<QPushButton>(dati, "copiariga_1"));   // row 1 has no previous row
    EXPECT_FALSE(gValoreMercato[2].present());

    click(find<QPushButton>(dati, "copiariga_2"));
    EXPECT_EQ(box(0, 2)->text(), "200000");
    EXPECT_EQ(box(5, 2)->text(), "90702");
    EXPECT_EQ(gNumeroStime.leading(), 2);
    click(find<QPushButton>(dati, "copiariga_2"));   // copying again does not count it twice
    EXPECT_EQ(gNumeroStime.leading(), 2);

    gValoreMercato.set(49, QStringLiteral("7"));
    scroll()->setValue(50);
    click(find<QPushButton>(dati, "copiariga_1"));
    EXPECT_EQ(gValoreMercato[50].text(), "7");
    scroll()->setValue(91);
    gValoreMercato.set(99, QStringLiteral("9"));
    click(find<QPushButton>(dati, "copiariga_10"));  // row 100 takes no copy
    EXPECT_FALSE(gValoreMercato[100].present());
}

TEST_F(DatiTest, DeleteMovesRowsUpAndKeepsTheChosenAppraisal)
{
    riga(1, {"100000", "50000", "1", "100", "5"});
    riga(2, {"200000", "50000", "1", "100", "5"});
    riga(4, {"400000", "50000", "1", "100", "5"});   // a gap at row 3
    click(num(4));
    click(find<QPushButton>(dati, "delriga_2"));
    EXPECT_EQ(box(0, 2)->text(), "");                // row 3 (empty) moved up
    EXPECT_EQ(box(0, 3)->text(), "400000");          // row 4 moved up
    EXPECT_EQ(box(0, 4)->text(), "");
    EXPECT_EQ(gRigaScelta.text(), "3");              // the chosen appraisal moved with it
    EXPECT_TRUE(rosso(3));
    EXPECT_EQ(gNumeroStime.leading(), 2);

    click(find<QPushButton>(dati, "delriga_3"));     // the chosen row itself: nothing chosen
    EXPECT_EQ(gRigaScelta.text(), "");
    for (int linea = 1; linea <= Dati::Righe; ++linea)
        EXPECT_FALSE(rosso(linea)) << linea;

    messages.clear();
    click(find<QPushButton>(dati, "delriga_4"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "I dati della stima n. 4 non sono ancora considerati in quanto manca il "
                                "valore del fabbricato.");
    EXPECT_EQ(messages[0].icon(), vb::Exclamation);
}

TEST_F(DatiTest, DeleteOfARowWorthZeroNeverReachesOutsideTheRows)
{
    riga(1, {"0,5", "1", "1", "1", "1"});   // not counted: the count stays 0
    riga(2, {"0,7", "2", "2", "2", "2"});
    EXPECT_EQ(gNumeroStime.leading(), 0);
    click(find<QPushButton>(dati, "delriga_1"));
    EXPECT_EQ(box(0, 1)->text(), "0,7");    // row 2 moved up although nothing was counted
    EXPECT_EQ(box(1, 1)->text(), "2");
    EXPECT_EQ(box(0, 2)->text(), "");
    EXPECT_EQ(gNumeroStime.leading(), 0);   // never below 0
}

TEST_F(DatiTest, CheckFollowsTheSilentProtocol)
{
    gControlloDati = 1;
    dati->controlla_click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Digitare almeno i valori di una riga.");
    EXPECT_EQ(gControlloDati.leading(), 1);

    riga(1, {"1", "1", "1", "1", "1"});
    riga(2, {"1", "1", "1", "", "1"});
    riga(3, {"", "1", "1", "1", "1"});
    messages.clear();
    dati->controlla_click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Digitare la superficie del terreno nella riga n. 2.");

    // Row 3 holds terms though it has no market value yet: the check reaches it too.
    box(3, 2)->setText("1");
    messages.clear();
    dati->controlla_click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Digitare il valore di mercato del fabbricato nella riga n. 3.");

    box(0, 3)->setText("1");
    messages.clear();
    dati->controlla_click();   // the flag is still 1 from the failed check: silent, reset
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(gControlloDati.leading(), 0);
    dati->controlla_click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "I dati sono stati immessi correttamente per n. 3 stime.");
    EXPECT_EQ(messages[0].icon(), vb::Information);
}

// A row worth nothing (Vm 0) is not an appraisal, yet what was typed in it and in the rows after
// it is saved, cleared and read back like any other row.
TEST_F(DatiTest, RowsAfterARowWorthNothingAreSavedClearedAndReadBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Vantegra-dati-zero");
    riga(1, {"0", "100000", "2", "500", "5"});
    riga(2, {"300000", "150000", "2", "1000", "6"});
    EXPECT_EQ(box(5, 2)->text(), "133499");
    EXPECT_EQ(gNumeroStime.leading(), 1);
    answerDialog(path);
    trigger(dati, "salva");
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(contenuto(path), QByteArray("2\r\n"
                                          "\"0\",\"100000\",\"2\",\"500\",\"5\",\r\n"
                                          "\"300000\",\"150000\",\"2\",\"1000\",\"6\",\r\n"));

    trigger(dati, "cancelladati");
    for (int linea : {1, 2})
        for (int c = 0; c < 7; ++c)
            EXPECT_EQ(box(c, linea)->text(), "") << "line " << linea << " column " << c;

    answerDialog(path);
    trigger(dati, "apri");
    EXPECT_EQ(box(0, 1)->text(), "0");
    EXPECT_EQ(box(0, 2)->text(), "300000");
    EXPECT_EQ(box(5, 2)->text(), "133499");
    EXPECT_EQ(gNumeroStime.leading(), 1);   // counted again: still one appraisal
}

TEST_F(DatiTest, ArchiveRoundTripKeepsKindsAndRefusesForeignFiles)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Vantegra-dati-prova");
    riga(1, {"1000,5", "500", "2", "100", "5"});
    riga(2, {"2000", "500", "2", "100", "5"});
    riga(3, {"3000", "500", "2", "100", "5"});
    click(num(2));
    gAnni.set(3, 2.5);   // a number written by a detail window into a row, not shown yet
    answerDialog(path);
    trigger(dati, "salva");
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_EQ(dialogs[0].fileName, "Vantegra-dati-");
    EXPECT_EQ(dialogs[0].filter, "File Vantegra-dati- | Vantegra-dati-*");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("3\r\n"
                                      "\"1000,5\",\"500\",\"2\",\"100\",\"5\",\"2\"\r\n"
                                      "\"2000\",\"500\",\"2\",\"100\",\"5\",\"2\"\r\n"
                                      "\"3000\",\"500\",2.5,\"100\",\"5\",\"2\"\r\n"));
    f.close();

    // Five rows in memory; the file of three replaces them all.
    for (int r = 4; r <= 5; ++r)
        riga(r, {"9", "1", "1", "1", "1"});
    gRigaScelta = QStringLiteral("5");
    answerDialog(path);
    trigger(dati, "apri");
    EXPECT_EQ(dialogs.last().fileName, "");
    EXPECT_EQ(dialogs.last().filterIndex, 2);
    EXPECT_EQ(gNumeroStime.leading(), 3);
    EXPECT_EQ(gAnni[3].text(), "2,5");
    EXPECT_EQ(box(2, 3)->text(), "2,5");
    EXPECT_EQ(box(0, 4)->text(), "");
    EXPECT_EQ(box(0, 5)->text(), "");
    EXPECT_EQ(gRigaScelta.text(), "2");
    EXPECT_TRUE(rosso(2));
    EXPECT_EQ(box(5, 1)->text(), "453");    // results worked out again: Int(500.5 / 1.1025)
    EXPECT_EQ(box(6, 1)->text(), "4,53");

    // A file of another kind changes nothing.
    const QString estraneo = dir.filePath("altro.txt");
    QFile g(estraneo);
    ASSERT_TRUE(g.open(QIODevice::WriteOnly));
    g.write("\"ROSSI\",\"Via Roma\"\r\n");
    g.close();
    messages.clear();
    answerDialog(estraneo);
    trigger(dati, "apri");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].text.contains("altro.txt")) << messages[0].text.toStdString();
    EXPECT_EQ(gNumeroStime.leading(), 3);
    EXPECT_EQ(box(0, 1)->text(), "1000,5");
    EXPECT_EQ(dati->NomeFile(), path);
}

TEST_F(DatiTest, EveryArchiveTheWindowSavesOpensAgain)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Vantegra-dati-detail");
    riga(1, {"200000", "", "2", "500", "5"});
    click(num(1));
    // A detail window may send texts the keyboard could not type: a negative total, say.
    Dati::RiceviTermine(gCostiTotali, QStringLiteral("-500"));
    Dati::RiceviTermine(gSuperficie, QStringLiteral("1E+24"));
    messages.clear();
    answerDialog(path);
    trigger(dati, "salvanome");
    ASSERT_TRUE(QFile::exists(path));

    trigger(dati, "cancelladati");
    answerDialog(path);
    trigger(dati, "apri");
    EXPECT_EQ(gCostiTotali[1].text(), "-500");
    EXPECT_EQ(gSuperficie[1].text(), "1E+24");
    EXPECT_EQ(gRigaScelta.text(), "1");
    for (const MessageRecord &m : messages)
        EXPECT_FALSE(m.text.contains("non è un archivio")) << m.text.toStdString();

    // An archive of no appraisals leaves no row chosen.
    QFile vuoto(dir.filePath("Vantegra-dati-vuoto"));
    ASSERT_TRUE(vuoto.open(QIODevice::WriteOnly));
    vuoto.write("0\r\n");
    vuoto.close();
    answerDialog(vuoto.fileName());
    trigger(dati, "apri");
    EXPECT_EQ(box(0, 1)->text(), "");
    EXPECT_FALSE(gRigaScelta.present());
    EXPECT_FALSE(rosso(1));
}

TEST_F(DatiTest, ArchiveWithTooManyRowsOrTooFewLinesIsRefused)
{
    QTemporaryDir dir;
    riga(1, {"7", "1", "1", "1", "1"});
    const QList<QByteArray> cattivi = {"101\r\n", "2\r\n\"1\",\"1\",\"1\",\"1\",\"1\",\"1\"\r\n",
                                       "-1\r\n", "1\r\n\"1\",\"1\",\"1\",\"1\",\"1\"\r\n",
                                       QByteArray("\x01\x02\x00\x7f", 4)};
    for (const QByteArray &contenuto : cattivi) {
        const QString path = dir.filePath("Vantegra-dati-cattivo");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(contenuto);
        f.close();
        messages.clear();
        answerDialog(path);
        trigger(dati, "apri");
        EXPECT_EQ(messages.size(), 1) << contenuto.toStdString();
        EXPECT_EQ(gValoreMercato[1].text(), "7");
    }
}

TEST_F(DatiTest, ExportWritesTheTableOfAllRows)
{
    QTemporaryDir dir;
    WordExport::setCartella(dir.path());
    copertina(QStringLiteral("Rossi"));
    riga(1, {"1000,5", "500", "2,5", "100", "5"});
    riga(2, {"250000", "100000", "2", "500", "5"});
    riga(3, {"0", "500", "2", "100", "5"});   // worth nothing, yet listed with what was typed
    trigger(dati, "solodati");
    WordExport::setCartella(QString());

    const docx::Document doc = docx::read(dir.filePath("-DatiVantegra-Rossi.doc"));
    ASSERT_TRUE(doc.error.isEmpty()) << doc.error.toStdString();
    EXPECT_GE(doc.indexOfText("STIMA DI UN'AREA FABBRICABILE"), 0);
    EXPECT_GE(doc.indexOfText("Finestra dati"), 0);
    ASSERT_EQ(doc.tables().size(), 1u);
    const docx::Table &t = *doc.tables()[0];
    ASSERT_EQ(t.rowCount(), 5);
    ASSERT_EQ(t.columnCount(), 8);
    EXPECT_EQ(t.cell(1, 4).text(), "redditività");
    EXPECT_EQ(t.cell(2, 8).text(), "euro/mq.");
    EXPECT_EQ(t.cell(4, 1).text(), " 2");
    EXPECT_EQ(t.cell(3, 2).text(), "1.000,50");
    EXPECT_EQ(t.cell(3, 4).text(), "2,50");
    EXPECT_EQ(t.cell(4, 2).text(), "250.000,00");
    EXPECT_EQ(t.cell(4, 7).text(), "136.054,00");   // Int(150000 / 1.1025)
    EXPECT_EQ(t.cell(5, 1).text(), " 3");
    EXPECT_EQ(t.cell(5, 2).text(), "0,00");
    for (int c = 2; c <= 8; ++c)
        EXPECT_EQ(t.cell(4, c).paragraphs.at(0).jc, "right") << c;
    EXPECT_NE(t.cell(4, 1).paragraphs.at(0).jc, "right");
}

TEST_F(DatiTest, ExportWithoutOwnerAsksForItAndWritesNothing)
{
    copertina(QString());
    trigger(dati, "solodati");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Digitare il nome del proprietario dell'area fabbricabile.");
    EXPECT_EQ(messages[0].icon(), vb::Exclamation);
    EXPECT_TRUE(isShown("frontespizio"));
}

TEST_F(DatiTest, ColumnHeadsNeedAChosenRowAndTheRateNeedsTheOtherTerms)
{
    click(find<QPushButton>(dati, "specific_2"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].text.startsWith("Cliccare sul numero di riga della stima"));

    standIn("costare");
    gRigaScelta = QStringLiteral("12");
    messages.clear();
    click(find<QPushButton>(dati, "specific_2"));   // a chosen row with no terms is enough
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(isShown("costare"));

    gValoreMercato.set(12, QStringLiteral("1"));
    gCostiTotali.set(12, QStringLiteral("1"));
    gSuperficie.set(12, QStringLiteral("1"));
    click(find<QPushButton>(dati, "specific_5"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Digita prima gli altri dati della riga n. 12");
}

TEST_F(DatiTest, TransferWritesTheChosenRowOrNothing)
{
    EXPECT_FALSE(Dati::RiceviTermine(gCostiTotali, 100000.0));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].text.startsWith("Cliccare sul numero di riga"));
    for (int r = 1; r <= 100; ++r)
        ASSERT_FALSE(gCostiTotali[r].present()) << r;

    // Row 40 is not shown, yet its results follow the new term at once.
    gValoreMercato.set(40, QStringLiteral("200000"));
    gAnni.set(40, QStringLiteral("2"));
    gSuperficie.set(40, QStringLiteral("500"));
    gSaggio.set(40, QStringLiteral("5"));
    gRigaScelta = QStringLiteral("40");
    EXPECT_TRUE(Dati::RiceviTermine(gCostiTotali, 100000.0));
    EXPECT_EQ(gValoreArea[40].rawNumber(), 90702);
    EXPECT_DOUBLE_EQ(gValoreMq[40].rawNumber(), 181.4);
}

TEST_F(DatiTest, ReportButtonChoosesTheOnlyAppraisal)
{
    standIn("frontespizio");
    riga(1, {"1", "1", "1", "1", "1"});
    click(find<QPushButton>(dati, "cmdrelazione"));
    EXPECT_EQ(gRigaScelta.leading(), 1);
    EXPECT_TRUE(isShown("frontespizio"));

    gRigaScelta = QString();
    riga(2, {"1", "1", "1", "1", "1"});
    click(find<QPushButton>(dati, "cmdrelazione"));
    EXPECT_FALSE(gRigaScelta.present());
}

TEST_F(DatiTest, OwnEntryAsksForTheGuide)
{
    answerNext(vb::No);
    trigger(dati, "fin1");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "E' questa la finestra 'Dati': si vuole la guida della finestra?");
    EXPECT_FALSE(isShown("guidadati"));
    answerNext(vb::Yes);
    dati->Toolbar1_ButtonClick(6);
    EXPECT_TRUE(isShown("guidadati"));
}

TEST_F(DatiTest, HelpTextFollowsTheFirstLine)
{
    click(find<QPushButton>(dati, "aiuto"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].text.startsWith("Preleva i dati dall'archivio"));
    EXPECT_EQ(messages[0].title, gTitoloAiuto.text());
    riga(1, {"1", "1"});
    click(find<QPushButton>(dati, "aiuto"));
    EXPECT_TRUE(messages.last().text.startsWith("Digita gli anni che passano"));
}

} // namespace

namespace {

TEST_F(DatiTest, WindowShortcutsWorkWhileTypingInTheGrid)
{
    dati->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dati));
    QLineEdit *k = box(1, 3);
    k->setFocus();
    answerNext(vb::No);
    QTest::keyClick(k, Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "E' questa la finestra 'Dati': si vuole la guida della finestra?");
    QTest::keyClick(k, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(isShown("costare"));
    QTest::keyClick(k, Qt::Key_V, Qt::ControlModifier);   // other keys stay the box's own
    EXPECT_EQ(messages.size(), 1);
}

} // namespace

#include "support/DocxReader.h"
#include "support/WindowTest.h"

#include "core/Dati.h"
#include "core/Modulo.h"
#include "core/WordExport.h"
#include "report/DatiStudio.h"
#include "report/Frontespizio.h"
#include "report/RegistraFrontespizio.h"
#include "report/Studio.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString avviso = QStringLiteral("per una stampa corretta non digitare dati lunghi più di 60 caratteri");
const QString indicazioni = QStringLiteral(
    "prelevare i dati dall'archivio o digitarli nei vari campi (massimo 60 caratteri per una stampa corretta)");
const QStringList nomiTesti = {"comune", "località", "indirizzoimm", "proprietà",
                               "committente", "luogo", "data", "allegati"};

class FrontespizioTest : public WindowTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(impostazioni.isValid());
        ASSERT_TRUE(cartella.isValid());
        WindowTest::SetUp();
        // The studio's data go to a settings folder of this test's own, read back from there.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, impostazioni.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, impostazioni.path());
        RegistraFinestraFrontespizio();
        WordExport::setCartella(cartella.path());
        f = show<Frontespizio>(QStringLiteral("frontespizio"));
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        WordExport::setCartella(QString());
    }

    QLineEdit *box(const QString &nome) { return find<QLineEdit>(f, nome); }
    QString passo() { return find<QLabel>(f, QStringLiteral("passo"))->text(); }
    QString etichetta(const QString &nome) { return find<QLabel>(f, nome)->text(); }

    // Closes the cover page as its close box does and opens it again.
    void riapri()
    {
        WindowRegistry::unload(QStringLiteral("frontespizio"));
        processEvents();
        f = show<Frontespizio>(QStringLiteral("frontespizio"));
    }
    void compila(const QStringList &testi)
    {
        for (int i = 0; i < nomiTesti.size(); ++i)
            box(nomiTesti[i])->setText(testi.value(i));
    }
    QStringList testi()
    {
        QStringList t;
        for (const QString &n : nomiTesti)
            t << box(n)->text();
        return t;
    }
    QString path(const QString &nome) const { return cartella.filePath(nome); }
    QStringList documenti() const { return QDir(cartella.path()).entryList({"*.doc"}, QDir::Files); }

    QTemporaryDir impostazioni;
    QTemporaryDir cartella;
    Frontespizio *f = nullptr;
};

const QStringList completi = {"Roma", "Prati", "via Po 1", "Rossi", "Bianchi", "Roma", "giovedì, 7 dic 2023",
                              "planimetrie"};

TEST_F(FrontespizioTest, LoadsWithTodaysItalianDateAndSevenEmptyTexts)
{
    EXPECT_EQ(f->windowTitle(), "Vantegra: dati per il frontespizio della relazione");
    const QDate oggi = QDate::currentDate();
    const QRegularExpression forma(QStringLiteral(
        "^(lunedì|martedì|mercoledì|giovedì|venerdì|sabato|domenica), (\\d{1,2}) "
        "(gen|feb|mar|apr|mag|giu|lug|ago|set|ott|nov|dic) (\\d{4})$"));
    const auto m = forma.match(box("data")->text());
    ASSERT_TRUE(m.hasMatch()) << box("data")->text().toStdString();
    EXPECT_EQ(m.captured(2).toInt(), oggi.day());
    EXPECT_EQ(m.captured(4).toInt(), oggi.year());
    for (const QString &n : nomiTesti) {
        if (n != "data") {
            EXPECT_TRUE(box(n)->text().isEmpty()) << n.toStdString();
        }
    }

    EXPECT_EQ(passo(), indicazioni);
    EXPECT_EQ(f->BackColor(), 0xC0C0C0u);
    EXPECT_EQ(f->CommonDialog1.FileName, "Vantegra-fro-");
    EXPECT_EQ(f->CommonDialog1.Color, 0u);
    // The report and the combined save are both available.
    EXPECT_TRUE(find<QPushButton>(f, "stampa")->isEnabled());
    EXPECT_TRUE(find<QAction>(f, "salvatutto")->isEnabled());
    EXPECT_TRUE(find<QAction>(f, "salvanome")->isEnabled());
}

TEST_F(FrontespizioTest, TabGoesThroughButtonsAndTextsInTableOrder)
{
    const QStringList atteso = QStringList{"aiuto", "guida"} + nomiTesti + QStringList{"stampa", "cmdesci"};
    QStringList visti;
    QWidget *w = find<QWidget>(f, "aiuto");
    for (int passi = 0; passi < 200 && visti.size() < atteso.size(); ++passi) {
        if (atteso.contains(w->objectName()) && !visti.contains(w->objectName()))
            visti << w->objectName();
        w = w->nextInFocusChain();
    }
    EXPECT_EQ(visti, atteso);
}

TEST_F(FrontespizioTest, LengthWarningFromSixtyOneCharactersAndItStays)
{
    type(box("comune"), QString(60, 'a'));
    EXPECT_EQ(passo(), indicazioni);
    type(box("comune"), "b");
    EXPECT_EQ(passo(), avviso);
    EXPECT_EQ(box("comune")->text().size(), 61);   // nothing cut
    EXPECT_TRUE(messages.isEmpty());
    pressKey(box("comune"), Qt::Key_Backspace);
    EXPECT_EQ(passo(), avviso);                    // until the status line is set again

    f->MostraPasso();
    EXPECT_EQ(passo(), indicazioni);
    type(box("luogo"), QString(80, 'x'));          // the place never warns
    EXPECT_EQ(passo(), indicazioni);

    // Every other text warns, also when the program writes it.
    for (const QString &n : nomiTesti) {
        if (n == "luogo")
            continue;
        f->MostraPasso();
        box(n)->setText(QString(61, QChar(u'è')));
        EXPECT_EQ(passo(), avviso) << n.toStdString();
    }
}

TEST_F(FrontespizioTest, StatusLineWhileTheReportStarts)
{
    f->setStampaInCorso(QStringLiteral("sì"));
    f->MostraPasso();
    EXPECT_EQ(passo(), "sto caricando Word per la stampa del file");
    f->setStampaInCorso(QString());
    f->MostraPasso();
    EXPECT_EQ(passo(), indicazioni);
}

TEST_F(FrontespizioTest, CheckOutcomesAndTheSilentProtocol)
{
    // Right after loading only the date is there.
    trigger(f, "controlla");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Non è stato immesso alcun dato per il frontespizio della relazione.");
    EXPECT_EQ(messages[0].style, vb::Question);
    EXPECT_EQ(messages[0].title, gTitoloControllo);

    // Cleared, then everything typed again but the date.
    trigger(f, "cancelladati");
    QStringList senzaData = completi;
    senzaData[6].clear();
    compila(senzaData);
    trigger(f, "Toolbar1_20");
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[1].text, "Inserire dati in ogni campo.");
    EXPECT_EQ(messages[1].style, vb::Information);

    // The place is optional; blanks count as filled. Asked from the menu, the check says so.
    QStringList senzaLuogo = completi;
    senzaLuogo[5].clear();
    senzaLuogo[0] = "   ";
    compila(senzaLuogo);
    trigger(f, "controlla");
    ASSERT_EQ(messages.size(), 3);
    EXPECT_EQ(messages[2].text, "I dati sono stati immessi correttamente.");
    EXPECT_EQ(messages[2].style, vb::Information);
    EXPECT_TRUE(f->ControlloFrontespizio().isEmpty());

    // A caller waiting with the flag at 1: complete data reset it and show nothing.
    f->setControlloFrontespizio(1);
    f->controlla_click();
    EXPECT_EQ(messages.size(), 3);
    EXPECT_EQ(f->ControlloFrontespizio(), Variant(0));

    // Incomplete data show their message and leave the flag at 1 for the caller to stop on.
    box("committente")->clear();
    f->setControlloFrontespizio(1);
    f->controlla_click();
    ASSERT_EQ(messages.size(), 4);
    EXPECT_EQ(messages[3].text, "Inserire dati in ogni campo.");
    EXPECT_EQ(f->ControlloFrontespizio(), Variant(1));
}

TEST_F(FrontespizioTest, ClearingEmptiesEveryTextDateIncludedAndNothingElse)
{
    SalvaStudio("Studio Verdi", "via Po 2");
    riapri();
    compila(completi);
    box("allegati")->setText(QString(70, 'z'));
    ASSERT_EQ(passo(), avviso);
    f->NomeFile() = path("Vantegra-fro-uno");

    trigger(f, "Toolbar1_21");
    for (const QString &t : testi())
        EXPECT_TRUE(t.isEmpty());
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(passo(), avviso);
    EXPECT_EQ(etichetta("Labelstudio"), "Studio Verdi");
    EXPECT_EQ(f->NomeFile(), path("Vantegra-fro-uno"));
}

TEST_F(FrontespizioTest, WindowDataOutliveTheWidgetTextsDoNot)
{
    compila(completi);
    f->setControlloFrontespizio(1);
    f->NomeFile() = path("Vantegra-fro-uno");
    f->CommonDialog1.FileName = path("altro");
    riapri();
    EXPECT_EQ(f->ControlloFrontespizio(), Variant(1));
    EXPECT_EQ(f->NomeFile(), path("Vantegra-fro-uno"));
    EXPECT_EQ(f->CommonDialog1.FileName, "Vantegra-fro-");
    EXPECT_TRUE(box("comune")->text().isEmpty());
    EXPECT_FALSE(box("data")->text().isEmpty());
}

TEST_F(FrontespizioTest, ArchiveRoundTripThroughTheCommands)
{
    const QStringList scritti = {"Città di Castello", "Lerchi, bassa", "via \"Roma\" 3", "Rossi",
                                 "Bianchi", "", "giovedì, 7 dic 2023", "foto"};
    compila(scritti);
    answerDialog(path("Vantegra-fro-uno"));
    trigger(f, "salva");
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_EQ(dialogs[0].kind, CommonDialog::Kind::Save);
    EXPECT_EQ(dialogs[0].title, "Salva file");
    EXPECT_EQ(dialogs[0].fileName, "Vantegra-fro-");
    EXPECT_EQ(dialogs[0].filter, "File Vantegra-fro- | Vantegra-fro-*");
    EXPECT_EQ(dialogs[0].filterIndex, 1);
    EXPECT_EQ(contenuto(path("Vantegra-fro-uno")),
              QByteArray("\"Citt\xE0 di Castello\",\"Lerchi, bassa\",\"via \"\"Roma\"\" 3\",\"Rossi\"\r\n"
                         "\"Bianchi\",\"\",\"gioved\xEC, 7 dic 2023\",\"foto\"\r\n"));
    EXPECT_EQ(f->NomeFile(), path("Vantegra-fro-uno"));

    // The second save goes to the same file without asking.
    box("allegati")->setText("foto, disegni");
    trigger(f, "Toolbar1_2");
    EXPECT_EQ(dialogs.size(), 1);
    EXPECT_TRUE(contenuto(path("Vantegra-fro-uno")).endsWith("\"foto, disegni\"\r\n"));

    trigger(f, "cancelladati");
    f->NomeFile().clear();
    answerDialog(path("Vantegra-fro-uno"));
    trigger(f, "apri");
    ASSERT_EQ(dialogs.size(), 2);
    EXPECT_EQ(dialogs[1].title, "Apri file");
    EXPECT_EQ(dialogs[1].fileName, "");
    EXPECT_EQ(dialogs[1].filter, "Tutti i file (*.*)|*.*|File Vantegra-fro- | Vantegra-fro-*");
    EXPECT_EQ(dialogs[1].filterIndex, 2);
    QStringList attesi = scritti;
    attesi[7] = "foto, disegni";
    EXPECT_EQ(testi(), attesi);
    EXPECT_EQ(f->NomeFile(), path("Vantegra-fro-uno"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(FrontespizioTest, AReadLongTextWarns)
{
    ASSERT_TRUE(scrivi(path("Vantegra-fro-lungo"), "\"" + QByteArray(61, 'a') + "\",\"b\",\"c\",\"d\"\r\n"
                                                   "\"e\",\"f\",\"g\",\"h\"\r\n"));
    answerDialog(path("Vantegra-fro-lungo"));
    trigger(f, "apri");
    EXPECT_EQ(box("comune")->text().size(), 61);
    EXPECT_EQ(passo(), avviso);
}

TEST_F(FrontespizioTest, AFileThatIsNotACoverArchiveIsRefusedAndChangesNothing)
{
    compila(completi);
    f->NomeFile() = path("Vantegra-fro-mio");
    const QStringList prima = testi();
    ASSERT_TRUE(scrivi(path("Vantegra-totale-uno"), "1,\"1\"\r\n200000,\"100000\",2,500,5\r\n3\r\n4\r\n"));
    ASSERT_TRUE(scrivi(path("Vantegra-fro-corto"), "\"a\",\"b\",\"c\",\"d\"\r\n\"e\"\r\n"));

    for (const QString nome : {"Vantegra-totale-uno", "Vantegra-fro-corto"}) {
        messages.clear();
        answerDialog(path(nome));
        trigger(f, "Toolbar1_1");
        ASSERT_EQ(messages.size(), 1) << nome.toStdString();
        EXPECT_EQ(messages[0].icon(), vb::Critical);
        EXPECT_TRUE(messages[0].text.contains(nome)) << messages[0].text.toStdString();
        EXPECT_TRUE(messages[0].text.contains("frontespizio")) << messages[0].text.toStdString();
        EXPECT_EQ(testi(), prima);
        EXPECT_EQ(f->NomeFile(), path("Vantegra-fro-mio"));
    }
    EXPECT_EQ(passo(), indicazioni);
}

TEST_F(FrontespizioTest, DeleteOffersBothArchiveKindsAndASaveRecreatesTheFile)
{
    compila(completi);
    ASSERT_TRUE(scrivi(path("Vantegra-fro-due"), "x"));
    answerDialog(path("Vantegra-fro-due"));
    trigger(f, "eliminare");
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_EQ(dialogs[0].title, gTitoloElimina.text());
    EXPECT_EQ(dialogs[0].filter, "Tutti i file (*.*)|*.*|File Vantegra-fro- | Vantegra-fro-* |File "
                                 "Vantegra-totale- | Vantegra-totale-*");
    EXPECT_EQ(dialogs[0].filterIndex, 2);
    EXPECT_FALSE(QFile::exists(path("Vantegra-fro-due")));

    trigger(f, "salva");
    EXPECT_EQ(dialogs.size(), 1);
    EXPECT_TRUE(contenuto(path("Vantegra-fro-due")).startsWith("\"Roma\",\"Prati\""));
}

// The cell paragraphs of a written table, as a word processor reads them.
QStringList paragrafi(const docx::Cell &c)
{
    QStringList p;
    for (const docx::Paragraph &par : c.paragraphs)
        p << par.text();
    return p;
}

TEST_F(FrontespizioTest, ExportWritesTheHeadingAndTheTwoColumnTable)
{
    SalvaStudio("Studio Tecnico Neri", "piazza Duomo 2, Siena");
    riapri();
    compila(completi);
    trigger(f, "solodati");
    EXPECT_TRUE(messages.isEmpty());
    ASSERT_EQ(documenti(), QStringList{"-FrontespizioVantegra-Rossi.doc"});

    const docx::Document doc = docx::read(path("-FrontespizioVantegra-Rossi.doc"));
    ASSERT_TRUE(doc.error.isEmpty()) << doc.error.toStdString();
    EXPECT_TRUE(doc.problems.isEmpty()) << doc.problems.join("; ").toStdString();
    const auto par = doc.paragraphs();
    ASSERT_GE(par.size(), 6u);
    EXPECT_EQ(par[0]->text(), "STIMA DI UN'AREA FABBRICABILE");
    EXPECT_EQ(par[0]->runs.at(0).font, "Century Gothic");
    EXPECT_EQ(par[0]->runs.at(0).size, 20);
    EXPECT_EQ(par[3]->text(), "Finestra frontespizio");
    EXPECT_EQ(par[3]->runs.at(0).size, 14);

    ASSERT_EQ(doc.tables().size(), 1u);
    const docx::Table &t = *doc.tables()[0];
    ASSERT_EQ(t.rowCount(), 11);
    ASSERT_EQ(t.columnCount(), 2);
    EXPECT_EQ(t.cell(1, 1).text(), "tipo");
    EXPECT_EQ(t.cell(1, 2).text(), "dati");
    EXPECT_EQ(t.cell(2, 1).text(), " sita nel Comune di....:");
    EXPECT_EQ(t.cell(9, 1).text(), " allegati alla relazione :");
    EXPECT_EQ(t.cell(11, 1).text(), " indirizzo.....................:");
    QStringList valori = completi;
    valori << "Studio Tecnico Neri" << "piazza Duomo 2, Siena";
    for (int r = 2; r <= 11; ++r) {
        // Each value closes with an empty paragraph; the labels have one paragraph only.
        EXPECT_EQ(paragrafi(t.cell(r, 2)), (QStringList{valori[r - 2], ""})) << r;
        EXPECT_EQ(t.cell(r, 1).paragraphs.size(), 1u) << r;
        EXPECT_EQ(t.cell(r, 1).paragraphs[0].runs.at(0).size, 12) << r;
    }
    for (int r = 1; r <= 11; ++r) {
        EXPECT_EQ(t.cell(r, 1).paragraphs[0].jc, "right") << r;
        EXPECT_NE(t.cell(r, 2).paragraphs[0].jc, "right") << r;
    }
}

TEST_F(FrontespizioTest, ExportNeedsAnOwnerAndKeepsItAsTyped)
{
    trigger(f, "Toolbar1_4");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Digitare il nome del proprietario dell'area fabbricabile.");
    EXPECT_EQ(messages[0].style, vb::Exclamation);
    EXPECT_EQ(messages[0].title, gTitoloControllo);
    EXPECT_TRUE(documenti().isEmpty());
    EXPECT_TRUE(isShown("frontespizio"));

    box("proprietà")->setText(" Rossi");   // a leading blank is part of the name
    trigger(f, "solodati");
    EXPECT_EQ(documenti(), QStringList{"-FrontespizioVantegra- Rossi.doc"});
}

TEST_F(FrontespizioTest, MainWindowExportFindsTheOwnerOnTheCoverPage)
{
    WindowRegistry::unload(QStringLiteral("frontespizio"));
    processEvents();
    Dati *dati = show<Dati>(QStringLiteral("dati"));

    // Without an owner: the guard's message first, then the cover page comes forward.
    QList<bool> copertinaVisibile;
    setMessageHandler([&](const MessageRecord &m) {
        messages << m;
        copertinaVisibile << isShown("frontespizio");
        return int(vb::OK);
    });
    trigger(dati, "solodati");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Digitare il nome del proprietario dell'area fabbricabile.");
    EXPECT_EQ(copertinaVisibile, QList<bool>{false});
    EXPECT_TRUE(isShown("frontespizio"));
    EXPECT_TRUE(documenti().isEmpty());

    // With the owner typed on the cover page the main window's document is written.
    f = window<Frontespizio>(QStringLiteral("frontespizio"));
    type(box("proprietà"), "Rossi");
    trigger(dati, "solodati");
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(documenti(), QStringList{"-DatiVantegra-Rossi.doc"});
}

TEST_F(FrontespizioTest, StudioEnteredInItsDialogSurvivesARestart)
{
    EXPECT_TRUE(etichetta("Labelstudio").isEmpty());
    QTest::mouseDClick(find<QLabel>(f, "Labelstudio"), Qt::LeftButton);
    DatiStudio *d = find<DatiStudio>(f, "DatiStudio");
    ASSERT_TRUE(d->isVisible());
    EXPECT_EQ(d->windowTitle(), "Dati dello studio");
    type(find<QLineEdit>(d, "nomestudio"), "Studio Tecnico Esposito");
    type(find<QLineEdit>(d, "indirizzostudio"), "via Verdi 4, Napoli");
    click(find<QPushButton>(d, "conferma"));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(etichetta("Labelstudio"), "Studio Tecnico Esposito");
    EXPECT_EQ(etichetta("labelindirizzo"), "via Verdi 4, Napoli");
    EXPECT_EQ(gStudio, "Studio Tecnico Esposito");
    EXPECT_TRUE(contenuto(impostazioni.filePath("Vantegra/Vantegra.conf")).contains("Studio Tecnico Esposito"));

    // A new run: nothing in memory, the start reads the settings, the cover page shows them.
    WindowRegistry::unload(QStringLiteral("frontespizio"));
    processEvents();
    gStudio.clear();
    gIndirizzoStudio.clear();
    RegistraFinestraFrontespizio();
    f = show<Frontespizio>(QStringLiteral("frontespizio"));
    EXPECT_EQ(etichetta("Labelstudio"), "Studio Tecnico Esposito");
    EXPECT_EQ(etichetta("labelindirizzo"), "via Verdi 4, Napoli");
}

TEST_F(FrontespizioTest, StudioDialogFromTheMenuAndCancelKeepsTheStudio)
{
    SalvaStudio("Studio Rossi", "via Roma 1");
    const QMenu *modif = find<QMenu>(f, "modif");
    ASSERT_FALSE(modif->actions().isEmpty());
    EXPECT_EQ(modif->actions().last()->objectName(), "datistudio");

    trigger(f, "datistudio");
    DatiStudio *d = find<DatiStudio>(f, "DatiStudio");
    EXPECT_EQ(find<QLineEdit>(d, "nomestudio")->text(), "Studio Rossi");
    find<QLineEdit>(d, "nomestudio")->setText("altro");
    click(find<QPushButton>(d, "annulla"));
    EXPECT_EQ(gStudio, "Studio Rossi");
    CaricaStudio();
    EXPECT_EQ(gStudio, "Studio Rossi");
    EXPECT_EQ(gIndirizzoStudio, "via Roma 1");
}

TEST_F(FrontespizioTest, StudioThatCannotBeKeptIsSaidSoAndHoldsForTheRun)
{
    // A settings folder that cannot be made: a file stands where it should be.
    ASSERT_TRUE(scrivi(impostazioni.filePath("bloccato"), "x"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, impostazioni.filePath("bloccato"));
    trigger(f, "datistudio");
    DatiStudio *d = find<DatiStudio>(f, "DatiStudio");
    find<QLineEdit>(d, "nomestudio")->setText("Studio Gialli");
    click(find<QPushButton>(d, "conferma"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].icon(), vb::Exclamation);
    EXPECT_EQ(etichetta("Labelstudio"), "Studio Gialli");
    EXPECT_EQ(gStudio, "Studio Gialli");
}

TEST_F(FrontespizioTest, HelpMessageHasFiveLinesAndTheRealPrefix)
{
    click(find<QPushButton>(f, "aiuto"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].style, vb::Information);
    EXPECT_EQ(messages[0].title, gTitoloAiuto.text());
    const QStringList righe = messages[0].text.split('\n');
    ASSERT_EQ(righe.size(), 5);
    EXPECT_EQ(righe[0], "- Digitare o correggere i dati spostandosi con il tasto TAB, o con il mouse, nei campi;");
    EXPECT_TRUE(righe[3].contains("(Vantegra-fro-...)"));
    EXPECT_EQ(righe[4], "- non digitare dati più lunghi di 60 caratteri.");
}

TEST_F(FrontespizioTest, OwnWindowEntryAsksBeforeTheGuide)
{
    answerNext(vb::No);
    trigger(f, "fin7");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "E' questa la finestra 'Frontespizio': si vuole la guida della finestra?");
    EXPECT_EQ(messages[0].style, vb::YesNo + vb::Question);
    EXPECT_EQ(messages[0].title, gTitoloAiuto.text());
    EXPECT_FALSE(isShown("guidafrontespizio"));
}

} // namespace

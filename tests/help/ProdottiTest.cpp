#include "support/DocxReader.h"
#include "support/WindowTest.h"

#include "core/Modulo.h"
#include "help/Listino.h"
#include "help/Prodotti.h"
#include "help/RegistraInformazioni.h"
#include "platform/word/WordModel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

namespace {

// Product i of the test lists: "Prodotto i", "argomento i", list price 100 * i + 0.5 and offer
// price 90 * i, as a line of the price list.
QByteArray product(int i)
{
    return QStringLiteral("\"Prodotto %1\",\"argomento %1\",%2.5,%3\r\n").arg(i).arg(100 * i).arg(90 * i).toLatin1();
}

// A price list of the year 2007 that says it lists n products and holds `groups` of them (n
// unless told).
QByteArray priceList(int n, int groups = -1)
{
    QByteArray out = "2007\r\n" + QByteArray::number(n) + "\r\n";
    for (int i = 1; i <= (groups < 0 ? n : groups); ++i)
        out += product(i);
    return out;
}

class ProdottiTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        RegistraFinestreInformazioni();
        ASSERT_TRUE(folder.isValid());
        m_previous = QDir::currentPath();
        QDir::setCurrent(folder.path());   // the price list is read from the current folder
        // The shown (unsaved) prints are written as temporary files: keep them in the test's folder.
        m_tmpdir = qgetenv("TMPDIR");
        qputenv("TMPDIR", folder.path().toLocal8Bit());
    }
    void TearDown() override
    {
        if (m_tmpdir.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", m_tmpdir);
        QDir::setCurrent(m_previous);
        WindowTest::TearDown();
    }

    void writeList(const QByteArray &bytes)
    {
        QFile f(folder.filePath("listino.txt"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    prodotti *list() { return show<prodotti>("prodotti"); }
    QString line(prodotti *w, const char *column, int i)
    {
        return find<QLabel>(w, QStringLiteral("%1_%2").arg(QLatin1String(column)).arg(i))->text();
    }
    QScrollBar *bar(prodotti *w) { return find<QScrollBar>(w, "VScroll1"); }

    QTemporaryDir folder;

private:
    QString m_previous;
    QByteArray m_tmpdir;
};

} // namespace

TEST(Listino, ReadsYearCountAndFourFieldsPerProduct)
{
    const Listino l = LeggiListinoDa("2007\r\n2\r\n\"Vantegra\",\"stima di aree\",1234.5,999\r\n"
                                     "\"Perimetro, con virgola\",\"superfici\",,12.25\r\n");
    EXPECT_TRUE(l.completo());
    EXPECT_TRUE(l.avviso().isEmpty());
    EXPECT_EQ(l.anno.text(), "2007");
    EXPECT_EQ(l.conteggio, 2);
    EXPECT_EQ(l.nomi[1].text(), "Vantegra");
    EXPECT_EQ(l.argomenti[1].text(), "stima di aree");
    EXPECT_EQ(l.prezzi[1], Variant(1234.5));
    EXPECT_EQ(l.offerte[1], Variant(999.0));
    EXPECT_EQ(l.nomi[2].text(), "Perimetro, con virgola");
    EXPECT_TRUE(l.prezzi[2].isEmpty());
    EXPECT_EQ(l.offerte[2], Variant(12.25));
    EXPECT_TRUE(l.nomi[3].isEmpty());
}

TEST(Listino, ShortFileKeepsTheCompleteProducts)
{
    QByteArray bytes = priceList(5, 3) + "\"Prodotto 4\",\"argomento 4\"\r\n";
    const Listino l = LeggiListinoDa(bytes);
    EXPECT_EQ(l.esito, Listino::Esito::Incompleto);
    EXPECT_EQ(l.conteggio, 3);
    EXPECT_EQ(l.dichiarati, 5);
    EXPECT_EQ(l.nomi[3].text(), "Prodotto 3");
    EXPECT_TRUE(l.nomi[4].isEmpty());
    EXPECT_TRUE(l.avviso().contains("letto per intero"));
}

TEST(Listino, MoreThanAHundredProductsKeepsTheFirstHundred)
{
    const Listino l = LeggiListinoDa(priceList(105));
    EXPECT_EQ(l.esito, Listino::Esito::TroppiProdotti);
    EXPECT_EQ(l.conteggio, 100);
    EXPECT_EQ(l.dichiarati, 105);
    EXPECT_EQ(l.nomi[100].text(), "Prodotto 100");
    EXPECT_EQ(l.offerte[100], Variant(9000.0));
    EXPECT_FALSE(l.avviso().isEmpty());

    // A count over 100 with fewer groups than 100 is short, not oversized.
    const Listino shortOne = LeggiListinoDa(priceList(150, 40));
    EXPECT_EQ(shortOne.esito, Listino::Esito::Incompleto);
    EXPECT_EQ(shortOne.conteggio, 40);
}

TEST(Listino, MissingDamagedOrMiscountedFilesGiveNoProducts)
{
    const Listino missing = LeggiListino(QDir::temp().filePath("non-esiste/listino.txt"));
    EXPECT_EQ(missing.esito, Listino::Esito::FileMancante);
    EXPECT_EQ(missing.conteggio, 0);
    EXPECT_FALSE(missing.avviso().isEmpty());

    EXPECT_EQ(LeggiListino(QDir::tempPath()).esito, Listino::Esito::FileMancante);   // a folder
    EXPECT_EQ(LeggiListinoDa("2007\r\n1\r\n\"aperto,\"x\",1,2\r\n").esito, Listino::Esito::FileDanneggiato);
    for (const char *bad : {"2007\r\n\"tre\"\r\n", "2007\r\n-3\r\n", "2007\r\n2.5\r\n", "2007\r\n", "",
                            "2007,\r\n\"A\",\"x\",1,2\r\n", "2007\r\n\r\n1\r\n\"A\",\"x\",1,2\r\n"}) {
        const Listino l = LeggiListinoDa(bad);
        EXPECT_EQ(l.esito, Listino::Esito::ConteggioErrato) << bad;
        EXPECT_EQ(l.conteggio, 0) << bad;
    }
    EXPECT_TRUE(LeggiListinoDa("2007\r\n0\r\n").completo());
}

TEST(Listino, ShippedSampleIsReadWhole)
{
    for (const char *relative : {"../../resources/listino.txt", "../../resources/program/listino.txt"}) {
        const QString path = QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QLatin1String(relative));
        const Listino l = LeggiListino(path);
        EXPECT_TRUE(l.completo()) << relative;
        EXPECT_GT(l.conteggio, 10) << relative;   // enough to scroll
        for (int i = 1; i <= l.conteggio; ++i) {
            EXPECT_TRUE(l.nomi[size_t(i)].isText() && l.argomenti[size_t(i)].isText()) << i;
            EXPECT_TRUE(l.prezzi[size_t(i)].isNumber() && l.offerte[size_t(i)].isNumber()) << i;
        }
    }
}

TEST_F(ProdottiTest, LoadsFromTheCurrentFolderAndScrollsTenAtATime)
{
    writeList(priceList(32));
    prodotti *w = list();
    EXPECT_EQ(w->windowTitle(), "prodotti software QUIRINDO");
    EXPECT_EQ(w->size(), QSize(640, 455));   // 9600 x 6825 twips
    EXPECT_EQ(find<QLabel>(w, "Label10")->text(), "2007");
    EXPECT_EQ(gAnnoListino.text(), "2007");
    EXPECT_TRUE(find<QLabel>(w, "lblAvviso")->text().isEmpty());
    EXPECT_EQ(bar(w)->minimum(), 1);
    EXPECT_EQ(bar(w)->maximum(), 23);
    EXPECT_EQ(bar(w)->pageStep(), 10);
    EXPECT_EQ(line(w, "num", 1), "1");
    EXPECT_EQ(line(w, "nom", 1), "Prodotto 1");
    EXPECT_EQ(line(w, "eur", 1), "100,5");     // regional text, decimal comma
    EXPECT_EQ(line(w, "off", 10), "900");

    bar(w)->setValue(23);
    EXPECT_EQ(w->ListinoPrimaRiga(), 23);
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(line(w, "num", i), QString::number(22 + i));
        EXPECT_EQ(line(w, "argom", i), QStringLiteral("argomento %1").arg(22 + i));
    }
    EXPECT_EQ(line(w, "eur", 10), "3200,5");
}

TEST_F(ProdottiTest, FewProductsDoNotScrollAndLeaveEmptyNumberedLines)
{
    writeList(priceList(10));
    prodotti *w = list();
    EXPECT_EQ(bar(w)->maximum(), 1);
    EXPECT_EQ(line(w, "nom", 10), "Prodotto 10");
    WindowRegistry::unload("prodotti");
    processEvents();

    writeList(priceList(5));
    w = list();
    EXPECT_EQ(bar(w)->minimum(), 1);
    EXPECT_EQ(bar(w)->maximum(), 1);
    EXPECT_EQ(line(w, "nom", 5), "Prodotto 5");
    for (int i = 6; i <= 10; ++i) {
        EXPECT_EQ(line(w, "num", i), QString::number(i));
        for (const char *column : {"nom", "argom", "eur", "off"})
            EXPECT_EQ(line(w, column, i), "") << column << i;
    }
}

TEST_F(ProdottiTest, ListThatCannotBeReadWholeIsSaidInTheWindow)
{
    prodotti *w = list();   // no listino.txt at all
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->ListinoConteggio(), 0);
    EXPECT_EQ(find<QLabel>(w, "Label10")->text(), "");
    EXPECT_FALSE(find<QLabel>(w, "lblAvviso")->text().isEmpty());
    EXPECT_EQ(line(w, "num", 1), "1");
    EXPECT_EQ(line(w, "nom", 1), "");
    EXPECT_TRUE(messages.isEmpty());   // no box over a window opening
    WindowRegistry::unload("prodotti");
    processEvents();

    writeList(priceList(120));
    w = list();
    EXPECT_EQ(w->ListinoConteggio(), 100);
    EXPECT_EQ(bar(w)->maximum(), 91);
    bar(w)->setValue(91);
    EXPECT_EQ(line(w, "nom", 10), "Prodotto 100");
    EXPECT_TRUE(find<QLabel>(w, "lblAvviso")->text().contains("100"));
}

TEST_F(ProdottiTest, ClosingHidesAndKeepsListAndPosition)
{
    writeList(priceList(32));
    prodotti *w = list();
    bar(w)->setValue(12);
    click(find<QPushButton>(w, "cmdChiudi"));
    EXPECT_FALSE(w->isVisible());

    writeList(priceList(3));   // not read again while the window exists
    EXPECT_EQ(list(), w);
    EXPECT_EQ(w->ListinoConteggio(), 32);
    EXPECT_EQ(bar(w)->value(), 12);
    EXPECT_EQ(line(w, "num", 1), "12");
}

TEST_F(ProdottiTest, ButtonsOpenTheCatalogueAndAMailToTheMaker)
{
    prodotti *w = list();
    click(find<QPushButton>(w, "Command1"));
    click(find<QPushButton>(w, "Command2"));
    ASSERT_EQ(desktop.urls.size(), 2);
    const QUrl site = desktop.urls[0];
    const QUrl mail = desktop.urls[1];
    EXPECT_EQ(site.scheme(), "https");
    EXPECT_TRUE(site.host().endsWith(".example"));
    EXPECT_EQ(find<QPushButton>(w, "Command1")->text(), "Sito: " + site.host());
    EXPECT_EQ(mail.scheme(), "mailto");
    EXPECT_EQ(find<QPushButton>(w, "Command2")->text(), "Email: " + mail.path());
    EXPECT_TRUE(mail.path().endsWith(".example"));

}

TEST_F(ProdottiTest, PrintWritesTheWholeListAsATableAndDoesNotSaveIt)
{
    QByteArray bytes = "2007\r\n12\r\n\"Vantegra\",\"stima\",1234.5,\"su richiesta\"\r\n";
    for (int i = 2; i <= 12; ++i)
        bytes += product(i);
    writeList(bytes);
    prodotti *w = list();
    click(find<QPushButton>(w, "cmdStampa"));

    ASSERT_TRUE(gWord && gDocumento && gTabella);
    EXPECT_TRUE(gWord->Visible());
    EXPECT_EQ(gWord->Documents().Count(), 1);
    EXPECT_TRUE(gDocumento->FullName().isEmpty());   // never saved
    EXPECT_TRUE(WordApplication::lastSavedPath().isEmpty());

    const word::DocumentModel &m = gDocumento->model();
    const auto &title = std::get<word::Paragraph>(m.blocks().at(0));
    EXPECT_EQ(title.runs.at(0).text, "prodotti software QUIRINDO");
    EXPECT_EQ(title.runs.at(0).format.name, "Century Gothic");
    EXPECT_EQ(title.runs.at(0).format.size, 20);
    const auto &page = std::get<word::Paragraph>(m.blocks().at(2));
    EXPECT_TRUE(page.runs.at(0).text.startsWith("acquistabili dalla pagina https://"));
    EXPECT_EQ(page.runs.at(0).format.size, 12);

    ASSERT_EQ(m.tableCount(), 1);
    const word::Table &t = *m.table(1);
    EXPECT_EQ(t.rows, 13);
    EXPECT_EQ(t.cols, 5);
    EXPECT_EQ(t.fontSize, 8);
    EXPECT_EQ(t.autoFormat, 9);
    const QStringList header = {"numero", "nome del software", "argomento trattato                    ",
                                "listino in euro", "in offerta ad euro"};
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(t.cell(0, c), header[c]);
    EXPECT_EQ(t.cell(1, 0), " 1");
    EXPECT_EQ(t.cell(1, 1), "Vantegra");
    EXPECT_EQ(t.cell(1, 3), "1.234,50");
    EXPECT_EQ(t.cell(1, 4), "su richiesta");   // a text that is no number stays as it is
    EXPECT_EQ(t.cell(12, 0), " 12");
    EXPECT_EQ(t.cell(12, 4), "1.080,00");
    ASSERT_EQ(t.columnAlignment.size(), 5u);
    EXPECT_EQ(t.columnAlignment[3], word::Right);
    EXPECT_EQ(t.columnAlignment[4], word::Right);

    // Every print is a Word of its own.
    const WordApplication *first = gWord.get();
    click(find<QPushButton>(w, "cmdStampa"));
    EXPECT_NE(gWord.get(), first);
    EXPECT_EQ(gWord->Documents().Count(), 1);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ProdottiTest, PrintedDocumentIsShownAndReadsBack)
{
    writeList(priceList(3));
    prodotti *w = list();
    WordApplication::setOpenAfterSave(true);   // the desktop is the test's recorder
    click(find<QPushButton>(w, "cmdStampa"));
    WordApplication::setOpenAfterSave(false);

    ASSERT_EQ(desktop.urls.size(), 1);
    const docx::Document d = docx::read(desktop.urls[0].toLocalFile());
    ASSERT_TRUE(d.error.isEmpty()) << d.error.toStdString();
    EXPECT_TRUE(d.problems.isEmpty()) << d.problems.join("; ").toStdString();
    EXPECT_GE(d.indexOfText("prodotti software QUIRINDO"), 0);
    ASSERT_EQ(d.tables().size(), 1u);
    const docx::Table &t = *d.tables().front();
    EXPECT_EQ(t.rowCount(), 4);   // the header and three products
    EXPECT_EQ(t.columnCount(), 5);
    EXPECT_EQ(t.cell(1, 2).text(), "nome del software");
    EXPECT_EQ(t.cell(4, 2).text(), "Prodotto 3");
    EXPECT_EQ(t.cell(4, 4).text(), "300,50");
    EXPECT_EQ(t.cell(4, 4).paragraphs.at(0).jc, "right");
    EXPECT_EQ(t.cell(4, 4).paragraphs.at(0).runs.at(0).size, 8);
}

TEST_F(ProdottiTest, PrintThatCannotBeWrittenIsReportedAndTheWindowGoesOn)
{
    writeList(priceList(3));
    prodotti *w = list();
    // A temporary folder that is a file: nothing can be written there, not even by the superuser.
    QFile notAFolder(folder.filePath("file"));
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    notAFolder.close();
    qputenv("TMPDIR", notAFolder.fileName().toLocal8Bit());
    click(find<QPushButton>(w, "cmdStampa"));

    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].icon(), vb::Critical);
    EXPECT_TRUE(desktop.urls.isEmpty());
    EXPECT_TRUE(w->isVisible());
    click(find<QPushButton>(w, "Command1"));   // still answers
    EXPECT_EQ(desktop.urls.size(), 1);
}

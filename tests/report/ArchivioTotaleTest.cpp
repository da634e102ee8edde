#include "report/TutteLeFinestre.h"

#include "analyses/costs_times/ModuloCostiTempi.h"
#include "analyses/value_lot_rate/TabellaSaggi.h"
#include "core/Dati.h"
#include "core/Modulo.h"
#include "core/Stima.h"
#include "report/Frontespizio.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>

namespace {

class ArchivioTotaleTest : public TutteLeFinestreTest
{
};

TEST_F(ArchivioTotaleTest, SaveWritesTheGoldenFileAndLeavesTheArchiveNamesAlone)
{
    show<Dati>("dati");
    compilaTutto();
    const QString percorso = cartella.filePath("Vantegra-totale-rossi");
    messages.clear();
    salvaTutto(percorso);
    EXPECT_TRUE(messages.isEmpty());
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_EQ(dialogs[0].title, "Salva file con nome");
    EXPECT_EQ(dialogs[0].fileName, "Vantegra-totale-");
    EXPECT_EQ(dialogs[0].filter, "File Vantegra-totale-| Vantegra-totale-*");
    EXPECT_EQ(dialogs[0].filterIndex, 1);

    const QByteArray scritto = contenuto(percorso);
    EXPECT_EQ(scritto.count("\r\n"), 3 + 87);
    EXPECT_EQ(scritto, contenuto(golden())) << scritto.toStdString();

    // Neither window's own archive name changes; the cover page's next dialog proposes the path.
    auto *frontespizio = static_cast<Frontespizio *>(w(6));
    EXPECT_EQ(frontespizio->NomeFile(), "");
    EXPECT_EQ(static_cast<Dati *>(w(0))->NomeFile(), "");
    EXPECT_EQ(frontespizio->CommonDialog1.FileName, percorso);
}

TEST_F(ArchivioTotaleTest, ReadAfterARestartGivesBackEveryBoxAndEveryFigure)
{
    show<Dati>("dati");
    compilaTutto();
    const QMap<QString, QString> prima = istantanea();
    EXPECT_EQ(prima.value("dati.valtot_2"), "475256");
    const QString percorso = cartella.filePath("Vantegra-totale-rossi");
    salvaTutto(percorso);

    riavvia();
    auto *dati = static_cast<Dati *>(w(0));
    dati->NomeFile() = cartella.filePath("Vantegra-dati-proprio");
    messages.clear();
    apriTutto(percorso);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(dialogs.last().title, "Apri file");
    EXPECT_EQ(dialogs.last().fileName, "");
    EXPECT_EQ(dialogs.last().filter, "File Vantegra-totale- | Vantegra-totale-*");
    EXPECT_EQ(dialogs.last().filterIndex, 1);
    EXPECT_EQ(dati->NomeFile(), cartella.filePath("Vantegra-dati-proprio"));
    for (int k = 1; k < 7; ++k)
        EXPECT_FALSE(isShown(nomi[k])) << nomi[k].toStdString();

    const QMap<QString, QString> dopo = istantanea();
    EXPECT_EQ(differenze(prima, dopo), QStringList());
    EXPECT_EQ(dopo.size(), prima.size());
}

TEST_F(ArchivioTotaleTest, AGoodFileReplacesTheAppraisalAndReadsBareNumbers)
{
    show<Dati>("dati");
    for (int r = 1; r <= 5; ++r)
        digita(0, QStringLiteral("valoremercat_%1").arg(r), "1000");
    QByteArray file = contenuto(golden());
    // Bare numbers without a leading digit, as another program may write them: the years of row 1
    // and the first coefficient bar (rounded to 0).
    file.replace("\"250000\",\"100000\",\"2\"", "\"250000\",\"100000\",.5");
    file.replace("\r\n7\r\n8\r\n", "\r\n-.5\r\n8\r\n");
    const QString percorso = cartella.filePath("Vantegra-totale-breve");
    ASSERT_TRUE(scrivi(percorso, file));
    apriTutto(percorso);
    EXPECT_TRUE(messages.isEmpty()) << (messages.isEmpty() ? "" : messages[0].text.toStdString());
    EXPECT_EQ(gAnni[1].text(), "0,5");
    EXPECT_EQ(find<QScrollBar>(w(1), "HScroll1_1")->value(), 0);
    EXPECT_EQ(gValoreMercato[4].text(), "");   // rows after the file's are emptied
    EXPECT_EQ(gNumeroStime.leading(), 3);
}

// A file that is not a combined archive is refused, naming the file, before anything changes.
TEST_F(ArchivioTotaleTest, RefusedFilesChangeNothing)
{
    show<Dati>("dati");
    compilaTutto();
    const QByteArray buono = contenuto(golden());
    const QList<QByteArray> righe = buono.split('\n');
    const auto conRiga = [&](int indice, const QByteArray &testo) {
        QList<QByteArray> r = righe;
        r[indice] = testo + "\r";
        return r.join('\n');
    };
    const int n = 3;
    const struct
    {
        const char *caso;
        QByteArray file;
    } casi[] = {
        {"count above the rows", conRiga(0, "4,\"2\"")},
        {"count below the rows", conRiga(0, "2,\"2\"")},
        {"count over 100", conRiga(0, "101,\"2\"")},
        {"count not whole", conRiga(0, "2.5,\"2\"")},
        {"count as a text", conRiga(0, "\"3\",\"2\"")},
        {"cut short", buono.left(buono.lastIndexOf("\r\n", buono.size() - 3) + 2)},
        {"a line too many", buono + "\"950\"\r\n\"altro\"\r\n"},
        {"lot surface line of two texts", buono + "\"950\",\"1000\"\r\n"},
        {"lot surface line with nothing", buono + ",\r\n"},
        {"row with four fields", conRiga(2, "\"900000\",\"300000\",\"4\",\"1500\"")},
        {"coefficient bar no number", conRiga(n + 1, "\"x\"")},
        {"coefficient bar out of range", conRiga(n + 1, "11")},
        {"costs type outside 1-3", conRiga(n + 17, "\"10000\",\"8000\",\"200000\",\"15000\",4")},
        {"costs type empty", conRiga(n + 17, "\"10000\",\"8000\",\"200000\",\"15000\",")},
        {"slider out of range", conRiga(n + 18, "10001")},
        {"times line short", conRiga(n + 34, "\"75\",\"140\",\"624\",\"62\",2")},
        {"rate bar out of range", conRiga(n + 84, "50,800,50,7,\"3\"")},
        {"rate count over 100", conRiga(n + 84, "500,800,50,101,\"3\"")},
        {"chosen rate row beyond any whole number", conRiga(n + 84, "500,800,50,7,1E300")},
        {"chosen rate row beyond as a text", conRiga(n + 84, "500,800,50,7,\"1E10\"")},
        {"cover line of three", conRiga(n + 85, "\"a\",\"b\",\"c\"")},
        {"binary data", QByteArray(buono).replace("casa", QByteArray("ca\0a", 4))},
    };
    const QMap<QString, QString> prima = istantanea();
    for (const auto &c : casi) {
        const QString percorso = cartella.filePath("Vantegra-totale-guasto");
        ASSERT_TRUE(scrivi(percorso, c.file));
        messages.clear();
        apriTutto(percorso);
        ASSERT_EQ(messages.size(), 1) << c.caso;
        EXPECT_EQ(messages[0].icon(), vb::Critical) << c.caso;
        EXPECT_TRUE(messages[0].text.contains("\"Vantegra-totale-guasto\"")) << c.caso << ": " << messages[0].text.toStdString();
        EXPECT_EQ(differenze(prima, istantanea()), QStringList()) << c.caso;
    }
}

// A chosen row far beyond any whole number, in the main window's archive or the combined one,
// is read as it stands and chooses no row: no line is marked and no table is worked out for it.
TEST_F(ArchivioTotaleTest, AChosenRowBeyondAnyWholeNumberChoosesNoRow)
{
    auto *dati = show<Dati>("dati");
    const QByteArray totale = contenuto(golden());
    const QString percorso = cartella.filePath("Vantegra-lontano");
    for (const QByteArray scelta : {"99999999999", "1E20", "-1E20", "\"99999999999\""})
        for (const bool tutto : {false, true}) {
            ASSERT_TRUE(scrivi(percorso, tutto ? "3," + scelta + totale.mid(totale.indexOf("\r\n"))
                                               : "1\r\n\"250000\",\"100000\",\"2\",\"500\",\"5\"," + scelta + "\r\n"));
            messages.clear();
            answerDialog(percorso);
            trigger(dati, tutto ? "apritutto" : "apri");
            EXPECT_TRUE(messages.isEmpty()) << scelta.toStdString();
            EXPECT_EQ(gValoreMercato[1].text(), "250000");
            EXPECT_EQ(rigaSceltaValida(), 0) << scelta.toStdString();
            for (int j = 1; j <= 10; ++j)
                EXPECT_FALSE(find<QLabel>(dati, QStringLiteral("freccia_%1").arg(j))->isVisibleTo(dati)) << scelta.toStdString();
        }
}

// A file cut anywhere, the combined archive as each window's own, is either refused, naming the
// file and changing nothing, or read exactly as the whole file: a cut never passes for a shorter
// appraisal.
TEST_F(ArchivioTotaleTest, EveryCutOfAnArchiveIsRefusedOrReadsAsTheWholeFile)
{
    show<Dati>("dati");
    compilaTutto();
    const QString intero = cartella.filePath("Vantegra-intero");
    const QString tronco = cartella.filePath("Vantegra-tronco");
    for (int k = -1; k < 7; ++k) {
        // k = -1 is the combined archive, read from the main window; 0 to 6 are the windows' own.
        const auto apri = [&](const QString &percorso) {
            answerDialog(percorso);
            trigger(w(std::max(k, 0)), k < 0 ? "apritutto" : "apri");
        };
        const std::string nome = k < 0 ? "tutti i dati" : nomi[k].toStdString();
        answerDialog(intero);
        trigger(w(k < 0 ? 6 : k), k < 0 ? "salvatutto" : "salvanome");
        const QByteArray file = contenuto(intero);
        ASSERT_TRUE(file.endsWith("\r\n")) << nome;
        messages.clear();
        apri(intero);
        ASSERT_TRUE(messages.isEmpty()) << nome;
        const QMap<QString, QString> letto = istantanea();

        int rifiutati = 0;
        for (qsizetype n = 0; n < file.size(); ++n) {
            ASSERT_TRUE(scrivi(tronco, file.left(n)));
            messages.clear();
            apri(tronco);
            // A cut inside a line is refused before any window is reached; the others are compared.
            if (messages.isEmpty() || file.left(n).endsWith('\n')) {
                ASSERT_EQ(differenze(letto, istantanea()), QStringList()) << nome << ", cut after " << n << " bytes";
            }
            if (messages.isEmpty())
                continue;
            ++rifiutati;
            ASSERT_EQ(messages.size(), 1) << nome << ", cut after " << n;
            ASSERT_EQ(messages[0].icon(), vb::Critical) << nome << ", cut after " << n;
            ASSERT_TRUE(messages[0].text.contains("\"Vantegra-tronco\"")) << messages[0].text.toStdString();
        }
        EXPECT_EQ(differenze(letto, istantanea()), QStringList()) << nome;
        EXPECT_GT(rifiutati, file.size() / 2) << nome;
    }
}

// Each window's check runs in order; the first that fails is shown and nothing is asked or
// written. A rate window never opened is created with its default range.
TEST_F(ArchivioTotaleTest, SaveStopsAtTheFirstIncompleteWindow)
{
    show<Dati>("dati");
    const QString percorso = cartella.filePath("Vantegra-totale-nuovo");
    const std::function<void()> compila[] = {[this] { compilaDati(); }, [this] { compilaValore(); },
                                             [this] { compilaCosti(); }, [this] { compilaTempi(); },
                                             [this] { compilaSuperficie(); }};
    for (int k = 0; k < 5; ++k) {
        for (int j = 0; j < 6; ++j)
            if (QWidget *f = WindowRegistry::existing(nomi[j]))
                f->hide();
        messages.clear();
        trigger(w(6), "salvatutto");
        EXPECT_EQ(messages.size(), 1) << nomi[k].toStdString();
        for (int j = 0; j < 5; ++j)
            EXPECT_EQ(isShown(nomi[j]), j == k) << "checking " << nomi[k].toStdString() << ", window " << nomi[j].toStdString();
        EXPECT_TRUE(dialogs.isEmpty());
        compila[k]();
    }
    // The cover page's own check: a message, no dialog.
    messages.clear();
    trigger(w(6), "salvatutto");
    EXPECT_EQ(messages.size(), 1);
    EXPECT_TRUE(dialogs.isEmpty());

    compilaFrontespizio();
    EXPECT_EQ(WindowRegistry::existing("capitali"), nullptr);
    cancelDialog();
    trigger(w(6), "salvatutto");
    EXPECT_EQ(dialogs.size(), 1);
    EXPECT_FALSE(QFile::exists(percorso));

    salvaTutto(percorso);
    const QList<QByteArray> righe = contenuto(percorso).split('\n');
    ASSERT_EQ(righe.size(), 3 + 87 + 1);
    EXPECT_TRUE(righe[3 + 84].startsWith("700,1000,25,")) << righe[3 + 84].toStdString();
}

} // namespace

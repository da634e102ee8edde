#include "report/TutteLeFinestre.h"

#include <QFile>
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
        {"a line too many", buono + "\"altro\"\r\n"},
        {"row with four fields", conRiga(2, "\"900000\",\"300000\",\"4\",\"1500\"")},
        {"coefficient bar no number", conRiga(n + 1, "\"x\"")},
        {"coefficient bar out of range", conRiga(n + 1, "11")},
        {"costs type outside 1-3", conRiga(n + 17, "\"10000\",\"8000\",\"200000\",\"15000\",4")},
        {"costs type empty", conRiga(n + 17, "\"10000\",\"8000\",\"200000\",\"15000\",")},
        {"slider out of range", conRiga(n + 18, "10001")},
        {"times line short", conRiga(n + 34, "\"75\",\"140\",\"624\",\"62\",2")},
        {"rate bar out of range", conRiga(n + 84, "50,800,50,7,\"3\"")},
        {"rate count over 100", conRiga(n + 84, "500,800,50,101,\"3\"")},
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

#include "support/WindowTest.h"

#include "core/AnalysisWindow.h"
#include "core/Modulo.h"
#include "runtime/ArchiveRecord.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QVBoxLayout>

namespace {

Variant gControlloProva;

// A window with two boxes and an archive of its own kind: one line holding "PROVA" and the two
// texts. With a check, a save first asks that the first box be filled.
class Finestra : public AnalysisWindow
{
public:
    static inline bool conControllo = false;

    Finestra()
    {
        auto *centrale = new QWidget(this);
        auto *layout = new QVBoxLayout(centrale);
        for (QLineEdit **box : {&primo, &secondo}) {
            *box = new QLineEdit(centrale);
            layout->addWidget(*box);
        }
        primo->setObjectName(QStringLiteral("primo"));
        secondo->setObjectName(QStringLiteral("secondo"));
        setCentralWidget(centrale);
        setupCommandFamily();
    }

    int numeroFinestra() const override { return 2; }

    void controlla_click() override
    {
        if (primo->text().isEmpty()) {
            MsgBox(QStringLiteral("Digitare il primo dato."), vb::Critical, gTitoloControllo);
            return;
        }
        if (gControlloProva.present() && gControlloProva.leading() == 1)
            gControlloProva = 0;
        else
            MsgBox(QStringLiteral("I dati sono stati immessi correttamente."), vb::Information, gTitoloControllo);
    }

    QLineEdit *primo = nullptr;
    QLineEdit *secondo = nullptr;
    int letture = 0;

protected:
    ArchiveKind archivio() const override
    {
        return {QStringLiteral("Vantegra-prova-"),
                QStringLiteral("Tutti i file (*.*)|*.*|File Vantegra-prova- | Vantegra-prova-*"),
                QStringLiteral("File Vantegra-prova- | Vantegra-prova-*"), QStringLiteral("di prova")};
    }
    bool haControllo() const override { return conControllo; }
    Variant &flagControllo() override { return gControlloProva; }

    void scriviArchivio(ArchiveWriter &writer) override
    {
        writer.addText(QStringLiteral("PROVA"));
        writer.addText(primo->text());
        writer.addText(secondo->text());
        writer.endRecord();
    }

    bool leggiArchivio(const ArchiveReader &reader, QString *motivo) override
    {
        const auto &righe = reader.records();
        if (righe.size() != 1 || righe[0].size() != 3 || righe[0][0] != Variant("PROVA")
            || !righe[0][1].isText() || !righe[0][2].isText()) {
            *motivo = QStringLiteral("manca la riga PROVA con i due testi");
            return false;
        }
        primo->setText(righe[0][1].rawText());
        secondo->setText(righe[0][2].rawText());
        return true;
    }

    void dopoLettura() override { ++letture; }
};

const QString filtroApri = QStringLiteral("Tutti i file (*.*)|*.*|File Vantegra-prova- | Vantegra-prova-*");
const QString filtroSalva = QStringLiteral("File Vantegra-prova- | Vantegra-prova-*");

class ArchiveCommandsTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        gControlloProva = Variant();
        Finestra::conControllo = false;
        WindowRegistry::registerWindow(QStringLiteral("valore"), [] { return new Finestra; });
        w = show<Finestra>(QStringLiteral("valore"));
        w->primo->setText(QStringLiteral("uno"));
        w->secondo->setText(QStringLiteral("due, \"tre\""));
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    Finestra *w = nullptr;
    const QByteArray salvato = "\"PROVA\",\"uno\",\"due, \"\"tre\"\"\"\r\n";
};

} // namespace

TEST_F(ArchiveCommandsTest, FirstSaveOffersThePrefixThenPlainSavesWriteWithoutADialog)
{
    const QString file = path("Vantegra-prova-uno");
    answerDialog(file);
    trigger(w, "salva");
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_EQ(dialogs[0].kind, CommonDialog::Kind::Save);
    EXPECT_EQ(dialogs[0].title, "Salva file");
    EXPECT_EQ(dialogs[0].fileName, "Vantegra-prova-");
    EXPECT_EQ(dialogs[0].filter, filtroSalva);
    EXPECT_EQ(dialogs[0].filterIndex, 1);
    EXPECT_EQ(contenuto(file), salvato);
    EXPECT_EQ(w->NomeFile(), file);

    w->primo->setText(QStringLiteral("nuovo"));
    w->Toolbar1_ButtonClick(2);
    EXPECT_EQ(dialogs.size(), 1);
    EXPECT_EQ(contenuto(file), QByteArray("\"PROVA\",\"nuovo\",\"due, \"\"tre\"\"\"\r\n"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ArchiveCommandsTest, SaveAsAsksAgainAndItsCancelKeepsTheCurrentFile)
{
    const QString primo = path("Vantegra-prova-1");
    const QString secondo = path("Vantegra-prova-2");
    answerDialog(primo);
    trigger(w, "salva");

    cancelDialog();
    trigger(w, "salvanome");
    ASSERT_EQ(dialogs.size(), 2);
    EXPECT_EQ(dialogs[1].title, "Salva file con nome");
    EXPECT_EQ(dialogs[1].fileName, primo) << "the dialog proposes the last path chosen";
    EXPECT_EQ(w->NomeFile(), primo);
    EXPECT_FALSE(QFile::exists(secondo));

    answerDialog(secondo);
    trigger(w, "salvanome");
    EXPECT_EQ(dialogs.size(), 3);
    EXPECT_EQ(contenuto(secondo), salvato);
    EXPECT_EQ(w->NomeFile(), secondo);

    w->secondo->clear();
    trigger(w, "salva");
    EXPECT_EQ(dialogs.size(), 3);
    EXPECT_EQ(contenuto(secondo), QByteArray("\"PROVA\",\"uno\",\"\"\r\n"));
    EXPECT_EQ(contenuto(primo), salvato);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ArchiveCommandsTest, OpenEmptiesTheNameReadsTheFileAndItsCancelChangesNothing)
{
    const QString file = path("Vantegra-prova-letto");
    ASSERT_TRUE(scrivi(file, "\"PROVA\",\"alfa\",\"beta\"\r\n"));

    cancelDialog();
    trigger(w, "apri");
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_EQ(dialogs[0].kind, CommonDialog::Kind::Open);
    EXPECT_EQ(dialogs[0].title, "Apri file");
    EXPECT_EQ(dialogs[0].fileName, "");
    EXPECT_EQ(dialogs[0].filter, filtroApri);
    EXPECT_EQ(dialogs[0].filterIndex, 2);
    EXPECT_EQ(w->primo->text(), "uno");
    EXPECT_EQ(w->NomeFile(), "");
    EXPECT_EQ(w->letture, 0);

    answerDialog(file);
    w->Toolbar1_ButtonClick(1);
    EXPECT_EQ(w->primo->text(), "alfa");
    EXPECT_EQ(w->secondo->text(), "beta");
    EXPECT_EQ(w->NomeFile(), file);
    EXPECT_EQ(w->letture, 1);
    EXPECT_TRUE(messages.isEmpty());

    // A plain save now writes back into the file that was read.
    w->primo->setText(QStringLiteral("gamma"));
    trigger(w, "salva");
    EXPECT_EQ(dialogs.size(), 2);
    EXPECT_EQ(contenuto(file), QByteArray("\"PROVA\",\"gamma\",\"beta\"\r\n"));
}

TEST_F(ArchiveCommandsTest, AFileOfAnotherKindIsRefusedAndChangesNothing)
{
    const QString proprio = path("Vantegra-prova-proprio");
    answerDialog(proprio);
    trigger(w, "salva");
    ASSERT_EQ(w->NomeFile(), proprio);

    struct Caso
    {
        const char *nome;
        QByteArray bytes;
        const char *motivo;
    };
    const Caso casi[] = {
        {"Vantegra-dati-altro", "2\r\n\"1500\",\"300\",\"2\",\"800\",\"7\",\"1\"\r\n", "manca la riga PROVA"},
        {"troncato", "\"PROVA\",\"alfa", "incompleto"},
        {"immagine.png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "dati binari"},
    };
    for (const Caso &c : casi) {
        SCOPED_TRACE(c.nome);
        const QString estraneo = path(QString::fromLatin1(c.nome));
        ASSERT_TRUE(scrivi(estraneo, c.bytes));
        messages.clear();
        answerDialog(estraneo);
        trigger(w, "apri");
        ASSERT_EQ(messages.size(), 1);
        EXPECT_EQ(messages[0].icon(), vb::Critical);
        EXPECT_EQ(messages[0].title, "Vantegra: controllo dati immessi nella finestra attiva");
        EXPECT_TRUE(messages[0].text.startsWith(QStringLiteral("Il file \"%1\" non è un archivio di prova di Vantegra: ")
                                                        .arg(QString::fromLatin1(c.nome))))
            << messages[0].text.toStdString();
        EXPECT_TRUE(messages[0].text.contains(QString::fromUtf8(c.motivo))) << messages[0].text.toStdString();
        EXPECT_TRUE(messages[0].text.endsWith(QStringLiteral(". I dati della finestra non sono stati modificati.")));
        EXPECT_EQ(w->primo->text(), "uno");
        EXPECT_EQ(w->NomeFile(), proprio);
        EXPECT_EQ(w->letture, 0);
        EXPECT_EQ(contenuto(estraneo), c.bytes);
    }

    // A file that cannot be read at all.
    messages.clear();
    answerDialog(path("sparito"));
    trigger(w, "apri");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Il file \"sparito\" non si può leggere. I dati della finestra non sono stati modificati.");
    EXPECT_EQ(w->NomeFile(), proprio);

    // So the next plain save goes where it went before, never over the foreign file.
    trigger(w, "salva");
    EXPECT_EQ(contenuto(proprio), salvato);
    EXPECT_EQ(contenuto(path("Vantegra-dati-altro")), casi[0].bytes);
}

TEST_F(ArchiveCommandsTest, DeleteAsksNothingAndALaterPlainSaveRecreatesTheFile)
{
    const QString file = path("Vantegra-prova-via");
    answerDialog(file);
    trigger(w, "salva");
    ASSERT_TRUE(QFile::exists(file));
    ASSERT_TRUE(w->NomeFile() == file);
    w->NomeFile().clear();

    cancelDialog();
    trigger(w, "eliminare");
    EXPECT_TRUE(QFile::exists(file));

    answerDialog(file);
    w->Toolbar1_ButtonClick(3);
    ASSERT_EQ(dialogs.size(), 3);
    for (const CommonDialog::Request &r : {dialogs[1], dialogs[2]}) {
        EXPECT_EQ(r.kind, CommonDialog::Kind::Open);
        EXPECT_EQ(r.title, "Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo");
        EXPECT_EQ(r.fileName, file) << "shown with the name the dialog holds";
        EXPECT_EQ(r.filter, filtroApri);
        EXPECT_EQ(r.filterIndex, 2);
    }
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(w->NomeFile(), file);

    trigger(w, "salva");
    EXPECT_EQ(dialogs.size(), 3);
    EXPECT_EQ(contenuto(file), salvato);
}

TEST_F(ArchiveCommandsTest, FailedSaveOrDeleteIsReportedAndKeepsTheOldFile)
{
    // A name one can create but not replace: the temporary file beside it would be too long.
    const QString lungo = path(QString(250, QLatin1Char('a')));
    ASSERT_TRUE(scrivi(lungo, "vecchio"));
    w->NomeFile() = lungo;
    trigger(w, "salva");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].icon(), vb::Critical);
    EXPECT_TRUE(messages[0].text.contains(QDir::toNativeSeparators(lungo)));
    EXPECT_TRUE(messages[0].text.startsWith("Non è stato possibile salvare il file"));
    EXPECT_EQ(contenuto(lungo), QByteArray("vecchio"));
    EXPECT_EQ(w->NomeFile(), lungo);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1) << "no temporary file left behind";

    // A save as into a folder that does not exist keeps the current name.
    answerDialog(path("manca/Vantegra-prova-x"));
    trigger(w, "salvanome");
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(w->NomeFile(), lungo);

    answerDialog(path("manca/Vantegra-prova-x"));
    trigger(w, "eliminare");
    ASSERT_EQ(messages.size(), 3);
    EXPECT_EQ(messages[2].text, QStringLiteral("Non è stato possibile eliminare il file \"%1\".")
                                        .arg(QDir::toNativeSeparators(path("manca/Vantegra-prova-x"))));
    EXPECT_EQ(w->NomeFile(), lungo);
}

TEST_F(ArchiveCommandsTest, SilentCheckStopsASaveOfIncompleteData)
{
    Finestra::conControllo = true;
    w->primo->clear();
    answerDialog(path("Vantegra-prova-c"));
    trigger(w, "salva");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Digitare il primo dato.");
    EXPECT_TRUE(dialogs.isEmpty());
    EXPECT_EQ(gControlloProva, Variant(1));

    w->primo->setText(QStringLiteral("uno"));
    trigger(w, "salva");
    EXPECT_EQ(messages.size(), 1) << "a passed silent check says nothing";
    EXPECT_EQ(gControlloProva, Variant(0));
    EXPECT_EQ(contenuto(path("Vantegra-prova-c")), salvato);
}

TEST_F(ArchiveCommandsTest, TheNameOutlivesTheWindowTheDialogStartsAgainFromThePrefix)
{
    const QString file = path("Vantegra-prova-resta");
    answerDialog(file);
    trigger(w, "salva");
    w->close();
    processEvents();

    w = show<Finestra>(QStringLiteral("valore"));
    w->primo->setText(QStringLiteral("dopo"));
    trigger(w, "salva");
    EXPECT_EQ(dialogs.size(), 1);
    EXPECT_EQ(contenuto(file), QByteArray("\"PROVA\",\"dopo\",\"\"\r\n"));

    cancelDialog();
    trigger(w, "salvanome");
    ASSERT_EQ(dialogs.size(), 2);
    EXPECT_EQ(dialogs[1].fileName, "Vantegra-prova-");
}

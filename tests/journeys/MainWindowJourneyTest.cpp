#include "support/DocxReader.h"
#include "support/WindowTest.h"

#include "core/Dati.h"
#include "core/Modulo.h"
#include "core/WordExport.h"
#include "core/frmSplash.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

// The appraiser's road through the main data window: from the splash to the saved archive and
// document, and out through the exit question.
class MainWindowJourney : public WindowTest
{
protected:
    QLineEdit *box(const char *colonna, int linea)
    {
        return find<QLineEdit>(dati, QStringLiteral("%1_%2").arg(QLatin1String(colonna)).arg(linea));
    }
    void riga(int linea, const QStringList &t)
    {
        const char *const nomi[] = {"valoremercat", "costitotal", "ann", "superfic", "sagg"};
        for (int c = 0; c < 5; ++c)
            type(box(nomi[c], linea), t[c]);
    }
    Dati *dati = nullptr;
};

TEST_F(MainWindowJourney, FromTheSplashToTheSavedAppraisalAndOut)
{
    QTemporaryDir dir;
    WordExport::setCartella(dir.path());

    auto *splash = show<frmSplash>(QStringLiteral("frmSplash"));
    click(splash);
    ASSERT_TRUE(isShown("dati"));
    dati = window<Dati>(QStringLiteral("dati"));

    riga(1, {"200000", "100000", "2", "500", "5"});
    riga(2, {"300000", "150000", "3", "600", "7"});
    click(find<QPushButton>(dati, "copiariga_3"));            // row 3 takes row 2
    click(find<QPushButton>(dati, "delriga_2"));              // and row 2 goes
    EXPECT_EQ(gNumeroStime.leading(), 2);
    EXPECT_EQ(box("valtot", 1)->text(), "90702");
    EXPECT_EQ(box("valoremercat", 2)->text(), "300000");
    EXPECT_EQ(box("valtot", 2)->text(), "122444");            // Int(150000 / 1.07^3) = Int(122444.6)
    click(find<QLabel>(dati, "num_2"));

    trigger(dati, "controlla");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "I dati sono stati immessi correttamente per n. 2 stime.");

    const QString archivio = dir.filePath("Vantegra-dati-Rossi");
    answerDialog(archivio);
    trigger(dati, "salva");
    ASSERT_TRUE(QFile::exists(archivio));

    trigger(dati, "cancelladati");
    EXPECT_EQ(box("valoremercat", 1)->text(), "");
    answerDialog(archivio);
    trigger(dati, "apri");
    EXPECT_EQ(box("valoremercat", 2)->text(), "300000");
    EXPECT_EQ(box("valtot", 2)->text(), "122444");
    EXPECT_EQ(gRigaScelta.text(), "2");

    // The export needs the owner from the cover page.
    WindowRegistry::registerWindow(QStringLiteral("frontespizio"), [] {
        auto *w = new QWidget;
        (new QLineEdit(QStringLiteral("Rossi"), w))->setObjectName(QStringLiteral("proprietà"));
        return w;
    });
    trigger(dati, "solodati");
    const docx::Document doc = docx::read(dir.filePath("-DatiVantegra-Rossi.doc"));
    ASSERT_TRUE(doc.error.isEmpty()) << doc.error.toStdString();
    ASSERT_EQ(doc.tables().size(), 1u);
    EXPECT_EQ(doc.tables()[0]->cell(4, 7).text(), "122.444,00");
    WordExport::setCartella(QString());

    // Out: the question, the closing screen, a key.
    messages.clear();
    answerNext(vb::Yes);
    trigger(dati, "esci");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].defaultButton(), vb::DefaultButton2);
    processEvents();
    EXPECT_EQ(WindowRegistry::existing("dati"), nullptr);
    splash = window<frmSplash>(QStringLiteral("frmSplash"));
    EXPECT_EQ(splash->caption(2), "       elaborazione eseguita con");
    EXPECT_EQ(splash->MMControl1.state(), MidiPlayer::State::Playing);

    // A click on the closing screen brings the rows back, from row 1.
    click(splash);
    dati = window<Dati>(QStringLiteral("dati"));
    EXPECT_EQ(box("valoremercat", 1)->text(), "200000");
    pressKey(WindowRegistry::existing("frmSplash"), Qt::Key_Q);
    EXPECT_FALSE(quitRequested);                               // the main window is still open
}

} // namespace

#include "support/WindowTest.h"

#include "core/Modulo.h"
#include "core/frmSplash.h"

#include <QLabel>
#include <QPointer>

namespace {

// Stands in for a window of the program; records the order in which windows are unloaded.
class Stand : public QWidget, public FormLifecycle
{
public:
    static inline QStringList unloaded;
    void Form_Unload() override { unloaded << objectName(); }
};

class SplashTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        Stand::unloaded.clear();
    }

    void registerStands(const QStringList &names)
    {
        for (const QString &name : names)
            WindowRegistry::registerWindow(name, [] { return new Stand; });
    }

    frmSplash *splash() { return show<frmSplash>("frmSplash"); }
    static MidiPlayer::State tune(frmSplash *s) { return s->MMControl1.state(); }
};

} // namespace

TEST_F(SplashTest, LoadPlaysTheTuneAndShowsProductCaptions)
{
    resetModuleData();
    gNomeProgramma = Variant();   // the splash sets the constants itself
    frmSplash *s = splash();
    EXPECT_EQ(s->MMControl1.FileName, "Internet.mid");
    EXPECT_EQ(tune(s), MidiPlayer::State::Playing);
    EXPECT_EQ(find<QLabel>(s, "label_1")->text(), "software QUIRINDO");
    EXPECT_EQ(find<QLabel>(s, "label_2")->text(), "                        presenta");
    EXPECT_EQ(find<QLabel>(s, "label_3")->text(), "Vantegra");
    EXPECT_EQ(find<QLabel>(s, "label_4")->text(), "relazione di stima di aree fabbricabili");
    EXPECT_EQ(find<QLabel>(s, "label_5")->text(), "EDIZIONE PROFESSIONALE - VERSIONE 3.04.05");
    EXPECT_EQ(find<QLabel>(s, "label_8")->text(),
              "(cliccare sulla finestra per iniziare; premere un tasto per uscire)");
    for (const char *empty : {"label_0", "label_9", "label_10", "label_11"})
        EXPECT_TRUE(find<QLabel>(s, empty)->text().isEmpty()) << empty;
    EXPECT_FALSE(find<QLabel>(s, "Image1")->pixmap().isNull());
    EXPECT_EQ(gTitoloControllo, "Vantegra: controllo dati immessi nella finestra attiva");
}

TEST_F(SplashTest, ClicksPauseTheTuneAndShowTheMainWindow)
{
    registerStands({"dati"});
    for (const char *target : {"frmSplash", "label_3", "label_0", "Image1"}) {
        frmSplash *s = splash();
        s->MMControl1.command("play");
        WindowRegistry::unload("dati");
        click(find<QWidget>(s, target));
        EXPECT_EQ(tune(s), MidiPlayer::State::Paused) << target;
        QWidget *dati = WindowRegistry::existing("dati");
        ASSERT_NE(dati, nullptr) << target;
        EXPECT_TRUE(dati->isVisible()) << target;
        EXPECT_TRUE(s->isVisible()) << target;   // the splash stays behind
    }
}

TEST_F(SplashTest, ClickWithoutMainWindowDoesNothingMore)
{
    frmSplash *s = splash();
    click(s);
    EXPECT_EQ(tune(s), MidiPlayer::State::Paused);
    EXPECT_TRUE(s->isVisible());
}

TEST_F(SplashTest, KeyClosesTuneSplashAndProductListThenEnds)
{
    registerStands({"prodotti"});
    WindowRegistry::instance("prodotti");
    QPointer<frmSplash> s = splash();
    pressKey(s, Qt::Key_A);
    ASSERT_FALSE(s.isNull());   // destroyed only after the handler returned
    EXPECT_EQ(tune(s), MidiPlayer::State::Closed);
    EXPECT_EQ(Stand::unloaded, QStringList{"prodotti"});
    EXPECT_EQ(WindowRegistry::existing("frmSplash"), nullptr);
    EXPECT_TRUE(quitRequested);
    processEvents();
    EXPECT_TRUE(s.isNull());
}

TEST_F(SplashTest, KeyLeavesTheProgramRunningWhileAWindowIsOpen)
{
    registerStands({"dati"});
    WindowRegistry::show("dati");
    pressKey(splash(), Qt::Key_Escape);
    EXPECT_EQ(WindowRegistry::existing("frmSplash"), nullptr);
    EXPECT_FALSE(quitRequested);
}

TEST_F(SplashTest, ShiftAloneIsNoKeyPress)
{
    frmSplash *s = splash();
    pressKey(s, Qt::Key_Shift);
    EXPECT_EQ(WindowRegistry::existing("frmSplash"), s);
    EXPECT_FALSE(quitRequested);
}

TEST_F(SplashTest, ExitAnsweredNoKeepsEverything)
{
    registerStands({"dati", "valore"});
    QWidget *dati = show<QWidget>("dati");
    QWidget *valore = show<QWidget>("valore");
    frmSplash *s = splash();
    s->Form_Click();
    gValoreMercato.set(3, "150000");

    answerNext(vb::No);
    ConfermaUscita();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Vuoi uscire da Vantegra?");
    EXPECT_EQ(messages[0].title, "Attenzione: i dati non archiviati andranno persi !");
    EXPECT_EQ(messages[0].style, vb::YesNo | vb::Question | vb::DefaultButton2);
    EXPECT_TRUE(dati->isVisible());
    EXPECT_TRUE(valore->isVisible());
    EXPECT_TRUE(Stand::unloaded.isEmpty());
    EXPECT_EQ(tune(s), MidiPlayer::State::Paused);
    EXPECT_EQ(s->caption(2), "                        presenta");
    EXPECT_EQ(gValoreMercato[3].text(), "150000");
}

TEST_F(SplashTest, ExitAnsweredYesUnloadsInOrderAndShowsTheClosingScreen)
{
    const QStringList order = {"dati", "costare", "redditività", "valore", "superficie", "capitali",
                               "frontespizio", "supportoclienti", "informa", "sommario", "manuale",
                               "guidafunzionamento", "guidaarchivio", "guidastampa", "guidadati",
                               "guidavalore", "guidacostare", "guidaredditività", "guidasuperficie",
                               "guidacapitali", "guidafrontespizio", "frmTip", "prodotti"};
    registerStands(order);
    // Opened in another order; some never opened at all.
    for (const char *name : {"prodotti", "sommario", "valore", "dati", "frmTip", "capitali"})
        WindowRegistry::show(name);
    splash()->Form_Click();
    gValoreMercato.set(1, "150000");
    WindowRegistry::state("dati").NomeFile = "/tmp/Vantegra-dati-prova";

    answerNext(vb::Yes);
    ConfermaUscita();
    EXPECT_EQ(Stand::unloaded, (QStringList{"dati", "valore", "capitali", "sommario", "frmTip", "prodotti"}));
    EXPECT_EQ(WindowRegistry::loadedWindows(), QStringList{"frmSplash"});
    frmSplash *s = WindowRegistry::getExisting<frmSplash>("frmSplash");
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(s->isVisible());
    EXPECT_EQ(tune(s), MidiPlayer::State::Playing);
    EXPECT_EQ(s->caption(2), "       elaborazione eseguita con");
    EXPECT_EQ(gValoreMercato[1].text(), "150000");
    EXPECT_EQ(WindowRegistry::state("dati").NomeFile, "/tmp/Vantegra-dati-prova");
}

TEST_F(SplashTest, ExitReloadsASplashThatWasClosed)
{
    registerStands({"dati"});
    splash()->Form_Click();
    pressKey(WindowRegistry::existing("frmSplash"), Qt::Key_Return);   // the splash goes, dati stays
    processEvents();
    ASSERT_EQ(WindowRegistry::existing("frmSplash"), nullptr);

    ConfermaUscita();   // answered Yes by default
    frmSplash *s = WindowRegistry::getExisting<frmSplash>("frmSplash");
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(s->isVisible());
    EXPECT_EQ(tune(s), MidiPlayer::State::Playing);
    EXPECT_EQ(s->caption(2), "       elaborazione eseguita con");
    EXPECT_EQ(s->caption(3), "Vantegra");

    // A key on the closing screen ends the program.
    pressKey(s, Qt::Key_X);
    EXPECT_TRUE(quitRequested);
}

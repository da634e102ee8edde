#include "support/WindowTest.h"

#include "core/Modulo.h"
#include "help/Informa.h"
#include "help/RegistraInformazioni.h"
#include "help/SupportoClienti.h"

#include <QLabel>
#include <QPushButton>
#include <QUrl>

namespace {

class InformaTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        RegistraFinestreInformazioni();
    }
    QString label(QWidget *w, const char *name) { return find<QLabel>(w, name)->text(); }
};

} // namespace

TEST(RigaVersione, ThreeBlanksBeforeTheYearAndNoneAfterIt)
{
    EXPECT_EQ(informa::RigaVersione("3.04.05", "30/12/2006", "281211"),
              "edizione professionale - versione 3.04.05   2006- 2011");
    EXPECT_EQ(informa::RigaVersione("4.0", "1/2/2010", "150312"),
              "edizione professionale - versione 4.0   2010- 2012");
}

TEST(RigaVersione, ShortBuildTagIsTakenWhole)
{
    EXPECT_EQ(informa::RigaVersione("3.04.05", "30/12/2006", "7"),
              "edizione professionale - versione 3.04.05   2006- 207");
    EXPECT_EQ(informa::RigaVersione("3.04.05", "30/12/2006", ""),
              "edizione professionale - versione 3.04.05   2006- 20");
    // A release date that is no date leaves out the year instead of stopping the window.
    EXPECT_EQ(informa::RigaVersione("1", "non una data", "010109"), "edizione professionale - versione 1  - 2009");
}

TEST_F(InformaTest, AboutBoxShowsProductAndVersionOnceLoaded)
{
    informa *w = show<informa>("informa");
    EXPECT_EQ(w->windowTitle(), "Informazioni su Vantegra");
    EXPECT_EQ(label(w, "Label1"), "Vantegra");
    EXPECT_EQ(label(w, "Label2"), "relazione di stima di aree fabbricabili");
    EXPECT_EQ(label(w, "Label3"), "software QUIRINDO");
    EXPECT_EQ(label(w, "Label5"), "per sistemi Windows a 32 bit ");
    EXPECT_EQ(label(w, "Label6"), "edizione professionale - versione 3.04.05   2006- 2011");
    EXPECT_EQ(w->size(), QSize(465, 268));   // 6975 x 4020 twips

    click(find<QPushButton>(w, "cmdOK"));
    EXPECT_FALSE(w->isVisible());

    // Shown again, it is the same window: its texts are not worked out again.
    gVersione = "9.99";
    gNomeProgramma = "Altro";
    EXPECT_EQ(show<informa>("informa"), w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(label(w, "Label6"), "edizione professionale - versione 3.04.05   2006- 2011");
    EXPECT_EQ(w->windowTitle(), "Informazioni su Vantegra");

    w->close();   // the close box only hides
    processEvents();
    EXPECT_EQ(WindowRegistry::existing("informa"), w);
}

TEST_F(InformaTest, SupportWindowShowsFictitiousContactsAndHides)
{
    supportoclienti *w = show<supportoclienti>("supportoclienti");
    EXPECT_EQ(w->windowTitle(), "Servizi di supporto ai clienti");
    EXPECT_EQ(label(w, "Label1"), "software QUIRINDO");
    EXPECT_EQ(label(w, "Label8"), "sito internet:");
    EXPECT_EQ(label(w, "Label6"), "dal 1982");
    EXPECT_TRUE(label(w, "Label4").startsWith("I clienti possono inviare fax o e-mail per avere delucidazioni"));
    EXPECT_TRUE(label(w, "Label5").startsWith(
        QString::fromUtf8("Si è a disposizione per adeguamenti particolari del programma a richiesta")));
    EXPECT_TRUE(label(w, "Label3").endsWith("e-mail:"));   // the address follows in Label9

    // Contacts on reserved names only: nobody real is written to or visited.
    const QString mail = label(w, "Label9");
    EXPECT_TRUE(mail.contains('@') && mail.endsWith(".example")) << mail.toStdString();
    const QUrl site(label(w, "Label10"));
    EXPECT_TRUE(site.isValid() && site.host().endsWith(".example")) << site.toString().toStdString();

    click(find<QPushButton>(w, "Command1"));
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(show<supportoclienti>("supportoclienti"), w);
}

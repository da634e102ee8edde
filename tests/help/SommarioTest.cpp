#include "support/WindowTest.h"

#include "core/Modulo.h"
#include "core/clsResize.h"
#include "help/Guida.h"
#include "help/RegistraGuide.h"
#include "help/Sommario.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

// Takes the place of a topic window that this build may not have.
class Sostituto : public QWidget, public FormLifecycle
{
};

class SommarioTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        RegistraFinestreGuida();
        for (const char *nome : {"frmTip", "prodotti"}) {
            if (!WindowRegistry::isRegistered(QString::fromLatin1(nome)))
                WindowRegistry::registerWindow(QString::fromLatin1(nome), [] { return new Sostituto; });
        }
        // 800 x 600 pixels: the help contents then spans 1500 to 5475 twips.
        clsResize::setScreenSizeTwipsForTest(QSize(12000, 9000));
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        clsResize::setScreenSizeTwipsForTest(QSize());
    }

    Sommario *sommario() { return show<Sommario>(QStringLiteral("sommario")); }
    QLabel *etichetta(Sommario *s, int n) { return find<QLabel>(s, QStringLiteral("lbl_%1").arg(n)); }
    QPushButton *freccia(Sommario *s, int n) { return find<QPushButton>(s, QStringLiteral("puls_%1").arg(n)); }

    QList<int> etichetteInGrassetto(Sommario *s)
    {
        QList<int> bold;
        for (int n = 1; n <= Sommario::kArgomenti; ++n) {
            if (etichetta(s, n)->font().bold())
                bold << n;
        }
        return bold;
    }

    // The pointer moves, with no button held, to the middle of a control (or to a point of the window).
    void muovi(QWidget *sopra) { QTest::mouseMove(sopra, sopra->rect().center()); }
    void muovi(Sommario *s, QPoint punto) { QTest::mouseMove(s, punto); }

    static bool visibile(const QString &nome)
    {
        QWidget *w = WindowRegistry::existing(nome);
        return w && w->isVisible();
    }
};

const char *const kGuide[] = {"manuale", "guidafunzionamento", "guidaarchivio", "guidastampa", "guidadati",
                              "guidavalore", "guidacostare", "guidaredditività", "guidasuperficie",
                              "guidacapitali", "guidafrontespizio"};

} // namespace

TEST_F(SommarioTest, TopicsKeepTheirBlanksAndTheLastOneIsYellow)
{
    Sommario *s = sommario();
    const QStringList voci = {"  Manuale d'uso rapido", "  Funzionamento del programma", "  Archivio dati",
                              " Come stampare", " Finestra Dati", " Finestra Valore del fabbricato",
                              " Finestra Costi di realizzazione", " Finestra Tempi per redditività",
                              " Finestra Dati urbanistici", " Finestra Saggio di rendimento",
                              " Finestra Frontespizio", "  Suggerimento del giorno",
                              "  altri prodotti Software Quirindo"};
    for (int n = 1; n <= Sommario::kArgomenti; ++n) {
        QLabel *l = etichetta(s, n);
        EXPECT_EQ(l->text(), voci[n - 1]) << n;
        EXPECT_EQ(l->frameShape(), QFrame::Box) << n;
        EXPECT_FALSE(l->font().bold()) << n;
        EXPECT_TRUE(l->autoFillBackground()) << n;
        const QColor atteso = n == 13 ? QColor(255, 255, 0) : QColor(0, 255, 255);
        EXPECT_EQ(l->palette().color(QPalette::Window), atteso) << n;
        EXPECT_EQ(freccia(s, n)->text(), "--->") << n;
    }
    EXPECT_EQ(s->palette().color(QPalette::Window), QColor(255, 255, 192));
    EXPECT_TRUE(find<QLabel>(s, "Label1")->font().bold());
}

TEST_F(SommarioTest, CaptionAndExitTooltipAreThoseOfItsLoad)
{
    QPointer<Sommario> s = sommario();
    EXPECT_EQ(s->windowTitle(), "Vantegra: guida in linea");
    EXPECT_EQ(find<QPushButton>(s, "esco")->toolTip(), "cliccare per uscire da Vantegra");

    gNomeProgramma = Variant(QStringLiteral("Altro"));
    click(find<QPushButton>(s, "cmdChiudi"));
    EXPECT_FALSE(s->isVisible());
    WindowRegistry::show("sommario");
    processEvents();
    ASSERT_TRUE(s);   // only hidden: the same window comes back, not loaded again
    EXPECT_EQ(WindowRegistry::existing("sommario"), s.data());
    EXPECT_TRUE(s->isVisible());
    EXPECT_EQ(s->windowTitle(), "Vantegra: guida in linea");

    // The close box unloads it: the next opening loads it afresh, with the name of that moment.
    s->close();
    processEvents();
    EXPECT_FALSE(s);
    EXPECT_EQ(WindowRegistry::existing("sommario"), nullptr);
    Sommario *nuovo = sommario();
    EXPECT_EQ(nuovo->windowTitle(), "Altro: guida in linea");
    EXPECT_EQ(find<QPushButton>(nuovo, "esco")->toolTip(), "cliccare per uscire da Altro");
}

TEST_F(SommarioTest, HiddenWindowComesBackAsItWasLeft)
{
    Sommario *s = sommario();
    muovi(etichetta(s, 4));
    s->move(s->x() + 40, s->y() + 30);
    const QRect dove = s->geometry();
    click(find<QPushButton>(s, "cmdChiudi"));
    WindowRegistry::show("guidadati");
    Guida *guida = window<Guida>("guidadati");
    click(find<QPushButton>(guida, "cmdSommario"));
    EXPECT_EQ(window<Sommario>("sommario"), s);
    EXPECT_TRUE(guida->isVisible());   // the guide stays open beside it
    EXPECT_TRUE(s->isVisible());
    EXPECT_EQ(s->geometry(), dove);
    EXPECT_EQ(etichetteInGrassetto(s), QList<int>{4});
}

TEST_F(SommarioTest, EveryRowOpensItsWindowOnceByArrowOrLabel)
{
    Sommario *s = sommario();
    for (int n = 1; n <= Sommario::kArgomenti; ++n) {
        const QString nome = n <= 11 ? QString::fromUtf8(kGuide[n - 1]) : n == 12 ? "frmTip" : "prodotti";
        click(freccia(s, n));
        ASSERT_TRUE(visibile(nome)) << n;
        QPointer<QWidget> aperta = WindowRegistry::existing(nome);
        // The label opens the same window again, with no second copy.
        QTest::mousePress(etichetta(s, n), Qt::LeftButton);
        QTest::mouseRelease(etichetta(s, n), Qt::LeftButton);
        processEvents();
        EXPECT_TRUE(aperta) << n;
        EXPECT_EQ(WindowRegistry::existing(nome), aperta.data()) << n;
        EXPECT_EQ(WindowRegistry::loadedWindows().count(nome), 1) << n;
    }
    // The contents stays where it was.
    EXPECT_TRUE(s->isVisible());
}

TEST_F(SommarioTest, PressOpensAtOnceWithAnyButtonAndReleaseRestoresTheBorder)
{
    Sommario *s = sommario();
    const struct
    {
        int riga;
        Qt::MouseButton tasto;
        const char *finestra;
    } casi[] = {{5, Qt::RightButton, "guidadati"}, {13, Qt::MiddleButton, "prodotti"}, {2, Qt::LeftButton, "guidafunzionamento"}};
    for (const auto &c : casi) {
        QLabel *l = etichetta(s, c.riga);
        QTest::mousePress(l, c.tasto, Qt::ShiftModifier, QPoint(3, 3));
        EXPECT_TRUE(visibile(QString::fromUtf8(c.finestra))) << c.riga;   // on the press, not the release
        EXPECT_EQ(l->frameShape(), QFrame::NoFrame) << c.riga;
        QTest::mouseRelease(l, c.tasto, Qt::ShiftModifier, QPoint(3, 3));
        EXPECT_EQ(l->frameShape(), QFrame::Box) << c.riga;
    }
}

TEST_F(SommarioTest, AtMostOneLabelIsBoldAndOnlyTheBackgroundClearsIt)
{
    Sommario *s = sommario();
    muovi(etichetta(s, 5));
    EXPECT_EQ(etichetteInGrassetto(s), QList<int>{5});
    muovi(etichetta(s, 7));
    EXPECT_EQ(etichetteInGrassetto(s), QList<int>{7});

    // Straight onto its arrow, the title or a button: the label stays bold.
    for (const char *controllo : {"puls_7", "Label1", "cmdStampa", "esco"}) {
        muovi(find<QWidget>(s, controllo));
        EXPECT_EQ(etichetteInGrassetto(s), QList<int>{7}) << controllo;
    }
    muovi(etichetta(s, 13));
    EXPECT_EQ(etichetteInGrassetto(s), QList<int>{13});

    // The strip between the arrows and the labels is background.
    QWidget *l = etichetta(s, 13);
    const QPoint sfondo(l->x() - 3, l->y() + l->height() / 2);
    ASSERT_EQ(s->childAt(sfondo), nullptr);
    muovi(s, sfondo);
    EXPECT_TRUE(etichetteInGrassetto(s).isEmpty());
}

TEST_F(SommarioTest, ExitAsksTheQuestionAndLeavesOnlyOnYes)
{
    Sommario *s = sommario();
    WindowRegistry::show("guidacapitali");
    answerNext(vb::No);
    click(find<QPushButton>(s, "esco"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Vuoi uscire da Vantegra?");
    EXPECT_EQ(messages[0].style, vb::YesNo + vb::Question + vb::DefaultButton2);
    EXPECT_EQ(messages[0].title, "Attenzione: i dati non archiviati andranno persi !");
    EXPECT_TRUE(s->isVisible());
    EXPECT_TRUE(visibile("guidacapitali"));

    answerNext(vb::Yes);
    click(find<QPushButton>(s, "esco"));
    processEvents();
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(WindowRegistry::existing("sommario"), nullptr);
    EXPECT_EQ(WindowRegistry::existing("guidacapitali"), nullptr);
}

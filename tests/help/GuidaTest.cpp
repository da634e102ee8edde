#include "support/WindowTest.h"

#include "core/clsResize.h"
#include "help/Guida.h"
#include "help/RegistraGuide.h"
#include "help/Sommario.h"
#include "help/TestiGuida.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace {

class GuidaTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        RegistraFinestreGuida();
        clsResize::setScreenSizeTwipsForTest(QSize(12000, 9000));   // 800 x 600 pixels
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        clsResize::setScreenSizeTwipsForTest(QSize());
    }

    Guida *guida(const QString &nome) { return show<Guida>(nome); }
};

// The guides in the order of the help contents, as the user sees them listed: heading, the
// words each text opens with, and about how long it is.
const struct
{
    const char *finestra;
    const char *titolo;
    const char *inizio;
    int lunghezza;
} kAttese[] = {
    {"manuale", "MANUALE D'USO RAPIDO", "Il software VANTEGRA valuta il più probabile valore di mercato", 2289},
    {"guidafunzionamento", "FUNZIONAMENTO DEL PROGRAMMA", "Il software funziona in maniera molto semplice", 1224},
    {"guidaarchivio", "ARCHIVIO DATI", "E' possibile memorizzare in appositi files i dati immessi", 1263},
    {"guidastampa", "STAMPA", "Si possono stampare liberamente tutte le finestre riguardanti la guida.", 1184},
    {"guidadati", "Finestra DATI", "La finestra principale di VANTEGRA è quella dedicata", 1251},
    {"guidavalore", "Finestra VALORE DEL FABBRICATO", "In questa finestra è possibile stimare il valore del fabbricato", 1281},
    {"guidacostare", "Finestra COSTI DI REALIZZAZIONE", "I costi di realizzazione del fabbricato possono essere ricavati", 1231},
    {"guidaredditività", "Finestra TEMPI PER REDDITIVITA'", "Questa finestra è costruita sulla falsariga di quella", 1262},
    {"guidasuperficie", "Finestra DATI URBANISTICI", "In questa finestra vanno introdotti i dati tecnici", 1201},
    {"guidacapitali", "Finestra SAGGIO DI RENDIMENTO", "Il saggio di rendimento dei capitali industriali è un valore", 1232},
    {"guidafrontespizio", "Finestra FRONTESPIZIO", "L'ultima finestra riguarda i dati destinati al frontespizio", 1262},
};

} // namespace

TEST_F(GuidaTest, ElevenGuidesWithTheirHeadingsOpeningsAndLengths)
{
    const QList<TestoGuida> &testi = TestiGuida();
    ASSERT_EQ(testi.size(), 11);
    for (int i = 0; i < 11; ++i) {
        const auto &a = kAttese[i];
        const TestoGuida &t = testi[i];
        EXPECT_EQ(t.finestra, QString::fromUtf8(a.finestra)) << i;
        EXPECT_EQ(t.titolo, QString::fromUtf8(a.titolo)) << a.finestra;
        EXPECT_TRUE(t.testo.startsWith(QString::fromUtf8(a.inizio))) << a.finestra;
        EXPECT_NEAR(double(t.testo.size()), a.lunghezza, a.lunghezza * 0.10) << a.finestra;
        // One paragraph of ordinary text: no line break, no doubled or stray blank.
        EXPECT_FALSE(t.testo.contains(QLatin1Char('\n')) || t.testo.contains(QLatin1Char('\r'))) << a.finestra;
        EXPECT_FALSE(t.testo.contains(QStringLiteral("  "))) << a.finestra;
        EXPECT_EQ(t.testo, t.testo.trimmed()) << a.finestra;
        EXPECT_EQ(testoGuida(t.finestra), &t);
    }
    EXPECT_EQ(testoGuida(QStringLiteral("sommario")), nullptr);
}

TEST_F(GuidaTest, EachWindowShowsItsTextWhole)
{
    for (const auto &a : kAttese) {
        Guida *g = window<Guida>(QString::fromUtf8(a.finestra));
        EXPECT_EQ(g->windowTitle(), "Guida in linea");
        EXPECT_EQ(g->titolo(), QString::fromUtf8(a.titolo));
        EXPECT_EQ(g->testo(), testoGuida(g->objectName())->testo);
        // Laid out for its loaded size, the text wraps inside its label and the heading fits.
        auto *testo = find<QLabel>(g, "Label2");
        auto *titolo = find<QLabel>(g, "Label1");
        EXPECT_LE(testo->heightForWidth(testo->width()), testo->height()) << a.finestra;
        EXPECT_LE(titolo->fontMetrics().horizontalAdvance(titolo->text()), titolo->contentsRect().width()) << a.finestra;
        EXPECT_TRUE(titolo->font().bold());
        EXPECT_EQ(titolo->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    }
}

TEST_F(GuidaTest, LoadPutsGuidesBesideTheContentsAndTheManualCentred)
{
    Guida *dati = guida("guidadati");
    EXPECT_EQ(dati->size(), QSize(376, 455));   // 5640 x 6825 twips
    EXPECT_EQ(dati->pos(), QPoint(364, 75));    // left 5467 twips; the centring's top
    Guida *manuale = guida("manuale");
    EXPECT_EQ(manuale->size(), QSize(640, 455));
    EXPECT_EQ(manuale->pos(), QPoint(100, 75));

    // The contents keeps the centring's left and top at its own size; a guide stands beside
    // it, overlapping its right edge by a few twips.
    Sommario *s = show<Sommario>("sommario");
    EXPECT_EQ(s->pos(), QPoint(100, 75));
    EXPECT_EQ(s->size(), QSize(265, 455));   // 3975 x 6825 twips
    EXPECT_GT(s->x() + s->width(), dati->x());
    EXPECT_LT(s->x(), dati->x());
}

TEST_F(GuidaTest, CloseUnloadsAndReopeningComesBackToItsPlace)
{
    for (const char *nome : {"guidasuperficie", "manuale"}) {
        QPointer<Guida> g = guida(nome);
        const QPoint caricata = g->pos();
        g->move(20, 10);
        click(find<QPushButton>(g, "cmdChiudi"));
        processEvents();
        EXPECT_FALSE(g) << nome;
        EXPECT_EQ(WindowRegistry::existing(nome), nullptr) << nome;
        Guida *di_nuovo = guida(nome);
        EXPECT_EQ(di_nuovo->pos(), caricata) << nome;
        // The title-bar close box unloads it the same way.
        QPointer<Guida> chiusa = di_nuovo;
        chiusa->close();
        processEvents();
        EXPECT_FALSE(chiusa) << nome;
    }
}

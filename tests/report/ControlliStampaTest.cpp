#include "report/ControlliStampa.h"

#include "analyses/value_lot_rate/TabellaSaggi.h"

#include "report/RelazioneTest.h"
#include "core/WindowRegistry.h"

#include "platform/MsgBox.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A consistent appraisal: every agreement check passes.
stampa::ValoriControlli coerenti()
{
    stampa::ValoriControlli v;
    v.percentualiCosti = QStringLiteral("100");
    v.totaleCosti = QStringLiteral("230000");
    v.costiRiga = QStringLiteral("230000");
    v.percentualiTempi = QStringLiteral("100");
    v.giorniTotali = QStringLiteral("913");
    v.anniRiga = 2.5;
    v.superficieLorda = QStringLiteral("500");
    v.superficieAmbienti = QStringLiteral("660");
    v.valoreFabbricato = QStringLiteral("870000,5");
    v.valoreRiga = QStringLiteral("870000,5");
    v.superficieLotto = QStringLiteral("1000");
    v.superficieRiga = QStringLiteral("1000");
    v.rigaSaggio = QStringLiteral("3");
    v.saggioTabella = 7.5;
    v.saggioRiga = 7.5;
    v.valoreArea = 488146.0;
    v.valoreMq = 488.15;
    return v;
}

struct Caso
{
    const char *nome;
    void (*cambia)(stampa::ValoriControlli &);
    char fermata;   // the check that stops the print; 0 when it goes on
    const char *termine = nullptr;   // for a row with no plot value, the term the message names
};

// The chosen row with no plot value, as the main window leaves it when a term stops the formula.
void senzaValore(stampa::ValoriControlli &v)
{
    v.valoreArea = Variant();
    v.valoreMq = Variant();
}

const Caso casi[] = {
    {"consistent", [](stampa::ValoriControlli &) {}, 0},
    {"cost shares 100,00", [](stampa::ValoriControlli &v) { v.percentualiCosti = QStringLiteral("100,00"); }, 'a'},
    {"cost shares 99", [](stampa::ValoriControlli &v) { v.percentualiCosti = QStringLiteral("99"); }, 'a'},
    {"cost total edited", [](stampa::ValoriControlli &v) { v.totaleCosti = QStringLiteral("230001"); }, 'b'},
    {"no row chosen", [](stampa::ValoriControlli &v) { v.costiRiga = Variant(); }, 'b'},
    {"same cost, other decimals", [](stampa::ValoriControlli &v) {
         v.totaleCosti = QStringLiteral("150000,5");
         v.costiRiga = QStringLiteral("150000,50");
     }, 0},
    {"same cost held as a number", [](stampa::ValoriControlli &v) {
         v.totaleCosti = QStringLiteral("150000,5");
         v.costiRiga = 150000.5;
     }, 0},
    {"costs that are no number, same text", [](stampa::ValoriControlli &v) {
         v.totaleCosti = QStringLiteral("n.d.");
         v.costiRiga = QStringLiteral("n.d.");
     }, 0},
    {"time shares 99,5", [](stampa::ValoriControlli &v) { v.percentualiTempi = QStringLiteral("99,5"); }, 'c'},
    {"894 days against 2,5 years", [](stampa::ValoriControlli &v) { v.giorniTotali = QStringLiteral("894"); }, 'd'},
    {"913 days against the text 2,5", [](stampa::ValoriControlli &v) { v.anniRiga = QStringLiteral("2,5"); }, 0},
    {"days that are no number", [](stampa::ValoriControlli &v) { v.giorniTotali = QStringLiteral("9l3"); }, 'd'},
    {"years that are no number", [](stampa::ValoriControlli &v) { v.anniRiga = QStringLiteral("due"); }, 'd'},
    {"no years, no days", [](stampa::ValoriControlli &v) {
         v.giorniTotali = QStringLiteral("0");
         v.anniRiga = Variant();
     }, 0},
    {"lot 1000 over rooms 999", [](stampa::ValoriControlli &v) {
         v.superficieLorda = QStringLiteral("1000");
         v.superficieAmbienti = QStringLiteral("999");
     }, 'e'},
    {"lot 999 under rooms 1000", [](stampa::ValoriControlli &v) {
         v.superficieLorda = QStringLiteral("999");
         v.superficieAmbienti = QStringLiteral("1000");
     }, 0},
    {"equal surfaces", [](stampa::ValoriControlli &v) { v.superficieLorda = QStringLiteral("660"); }, 0},
    {"nothing buildable", [](stampa::ValoriControlli &v) { v.superficieLorda = QStringLiteral("nessuna"); }, 0},
    // Earlier checks are reported first.
    {"shares and surfaces both wrong", [](stampa::ValoriControlli &v) {
         v.percentualiTempi = QStringLiteral("98");
         v.superficieLorda = QStringLiteral("5000");
     }, 'c'},

    // The chosen row has no plot value: the message names the term that stops the formula.
    {"surface 0", [](stampa::ValoriControlli &v) { senzaValore(v); v.superficieRiga = QStringLiteral("0"); },
     'v', "la superficie del terreno"},
    {"surface 0,001", [](stampa::ValoriControlli &v) { senzaValore(v); v.superficieRiga = QStringLiteral("0,001"); },
     'v', "la superficie del terreno"},
    {"surface 2000,5,5", [](stampa::ValoriControlli &v) { senzaValore(v); v.superficieRiga = QStringLiteral("2000,5,5"); },
     'v', "la superficie del terreno"},
    {"rate 0", [](stampa::ValoriControlli &v) { senzaValore(v); v.saggioRiga = QStringLiteral("0"); },
     'v', "il saggio di rendimento per i capitali industriali"},
    {"years over the limit", [](stampa::ValoriControlli &v) {
         senzaValore(v);
         v.giorniTotali = QStringLiteral("36865");
         v.anniRiga = 101.0;
     },
     'v', "il numero di anni per la redditività del fabbricato"},
    {"a value per square metre that is no number", [](stampa::ValoriControlli &v) { v.valoreMq = QStringLiteral("n.d."); },
     'v', "i valori della riga scelta"},
    {"a plot value of 0 is a value", [](stampa::ValoriControlli &v) { v.valoreArea = 0.0; v.valoreMq = 0.0; }, 0},

    // Figures printed from two windows agree.
    {"unit price changed after TOTALE STIMA", [](stampa::ValoriControlli &v) { v.valoreFabbricato = QStringLiteral("1160000,67"); }, 'f'},
    {"rate range moved after the choice", [](stampa::ValoriControlli &v) { v.saggioTabella = 5.5; }, 'g'},
    {"rate typed as 7,50", [](stampa::ValoriControlli &v) { v.saggioRiga = QStringLiteral("7,50"); }, 0},
    {"chosen line beyond the table", [](stampa::ValoriControlli &v) { v.saggioTabella = Variant(); }, 'g'},
    // Section M names the line of the rate table the appraiser chose: no line, no report.
    {"no line chosen, rate typed in the row", [](stampa::ValoriControlli &v) {
         v.rigaSaggio = Variant();
         v.saggioTabella = Variant();
         v.saggioRiga = 12.0;
     }, 'm'},
    {"the empty line a read gives back", [](stampa::ValoriControlli &v) { v.rigaSaggio = QString(); }, 'm'},
    {"no line chosen and the building value wrong", [](stampa::ValoriControlli &v) {
         v.rigaSaggio = Variant();
         v.valoreFabbricato = QStringLiteral("1");
     }, 'f'},
    {"no line chosen and the lot surface wrong", [](stampa::ValoriControlli &v) {
         v.rigaSaggio = Variant();
         v.superficieLotto = QStringLiteral("1");
     }, 'm'},
    {"lot length changed after sending its surface", [](stampa::ValoriControlli &v) { v.superficieLotto = QStringLiteral("750"); }, 'h'},
    {"building value and surface both wrong", [](stampa::ValoriControlli &v) {
         v.valoreFabbricato = QStringLiteral("1");
         v.superficieLotto = QStringLiteral("1");
     }, 'f'},
};

struct Atteso
{
    QString messaggio;
    int icona;
    QString finestra;
};

Atteso atteso(char controllo, const char *termine)
{
    switch (controllo) {
    case 'v':
        return {QStringLiteral("Il valore dell'area della riga scelta non si può calcolare: correggi ")
                    + QString::fromUtf8(termine) + QStringLiteral(" nella finestra Dati prima di stampare."),
                vb::Exclamation, QStringLiteral("dati")};
    case 'f':
        return {QStringLiteral("Il valore del fabbricato della finestra Valore fabbricato non corrisponde con il valore "
                               "relativo immesso nella finestra Dati: premi di nuovo TOTALE STIMA prima di stampare."),
                vb::Exclamation, QStringLiteral("valore")};
    case 'g':
        return {QStringLiteral("Il saggio di rendimento della riga n.3 della finestra Rendimento non corrisponde con il "
                               "valore relativo immesso nella finestra Dati: clicca di nuovo sul numero della riga "
                               "scelta prima di stampare."),
                vb::Exclamation, QStringLiteral("capitali")};
    case 'm':
        return {QStringLiteral("Scegli il tasso di rendimento (cliccando sul numero d'ordine corrispondente) che meglio "
                               "risponde alla situazione della zona e del mercato. Esso andrà inserito "
                               "automaticamente nei dati della valutazione del terreno."),
                vb::Exclamation, QStringLiteral("capitali")};
    case 'h':
        return {QStringLiteral("La superficie del lotto della finestra Superficie non corrisponde con il valore "
                               "relativo immesso nella finestra Dati: correggi, se serve, la superficie del lotto "
                               "nella finestra Superficie e premi di nuovo SUPERFICIE DEL LOTTO MQ. prima di "
                               "stampare."),
                vb::Exclamation, QStringLiteral("superficie")};
    case 'a':
        return {QStringLiteral("Il totale delle percentuali dei costi non è uguale a 100: sistemalo prima di stampare."),
                vb::Exclamation, QStringLiteral("costare")};
    case 'b':
        return {QStringLiteral("Il totale dei costi del fabbricato non corrisponde con il valore relativo immesso nella "
                               "finestra Dati."),
                vb::Exclamation, QStringLiteral("costare")};
    case 'c':
        return {QStringLiteral("Il totale delle percentuali dei tempi non è uguale a 100: sistemalo prima di stampare."),
                vb::Exclamation, QStringLiteral("redditività")};
    case 'd':
        return {QStringLiteral("Il totale dei tempi per la redditività non corrisponde al valore relativo immesso nella "
                               "finestra Dati."),
                vb::Exclamation, QStringLiteral("redditività")};
    default:
        return {QStringLiteral("Il valore della superficie lorda edificabile deve essere minore o uguale alla superficie "
                               "lorda stimata degli ambienti dell'edificio da realizzare."),
                vb::Critical, QStringLiteral("valore")};
    }
}

}   // namespace

TEST(ControlliStampa, EachDisagreementStopsWithItsMessageIconAndWindow)
{
    for (const Caso &c : casi) {
        stampa::ValoriControlli v = coerenti();
        c.cambia(v);
        const std::optional<stampa::Fermata> fermata = stampa::controllaCoerenza(v);
        if (c.fermata == 0) {
            EXPECT_FALSE(fermata) << c.nome << ": " << (fermata ? fermata->messaggio.toStdString() : "");
            continue;
        }
        ASSERT_TRUE(fermata) << c.nome;
        const Atteso a = atteso(c.fermata, c.termine);
        EXPECT_EQ(fermata->messaggio, a.messaggio) << c.nome;
        EXPECT_EQ(fermata->icona, a.icona) << c.nome;
        EXPECT_EQ(fermata->finestra, a.finestra) << c.nome;
    }
}

// The appraiser's steps that once printed a report with no plot value or with figures from two
// windows that disagree: each now stops the print with its message, brings forward the window
// to put right, and writes nothing.
TEST_F(RelazioneTest, AReportWithNoPlotValueOrWithDisagreeingFiguresIsNotWritten)
{
    const struct
    {
        const char *nome;
        std::function<void()> cambia;
        const char *finestra;
        const char *inizioMessaggio;
    } casi[] = {
        {"surface 0 in the chosen row",
         [this] { set(window<QWidget>(QStringLiteral("dati")), QStringLiteral("superfic_1"), QStringLiteral("0")); },
         "dati", "Il valore dell'area della riga scelta non si può calcolare: correggi la superficie del terreno"},
        {"unit price changed after TOTALE STIMA",
         [this] { set(window<QWidget>(QStringLiteral("valore")), QStringLiteral("costmq"), QStringLiteral("2000")); },
         "valore", "Il valore del fabbricato della finestra Valore fabbricato non corrisponde"},
        {"rate range moved after line 3 was chosen",
         [this] {
             QWidget *saggi = window<QWidget>(QStringLiteral("capitali"));
             click(find<QLabel>(saggi, QStringLiteral("num_3")));
             auto *minimo = find<QScrollBar>(saggi, QStringLiteral("HScroll1"));
             minimo->setValue(minimo->value() + 50);
         },
         "capitali", "Il saggio di rendimento della riga n.3 della finestra Rendimento non corrisponde"},
        {"lot length changed after sending its surface",
         [this] { set(window<QWidget>(QStringLiteral("superficie")), QStringLiteral("urban_15"), QStringLiteral("30")); },
         "superficie", "La superficie del lotto della finestra Superficie non corrisponde"},
        {"rate 12 typed in the row, no line ever chosen",
         [this] {
             gRigaSaggio = Variant();
             set(window<QWidget>(QStringLiteral("dati")), QStringLiteral("sagg_1"), QStringLiteral("12"));
         },
         "capitali", "Scegli il tasso di rendimento (cliccando sul numero d'ordine corrispondente)"},
    };
    for (const auto &c : casi) {
        SCOPED_TRACE(c.nome);
        stimaCompleta();   // everything typed and sent again, over the previous case's change
        c.cambia();
        for (const char *nome : {"dati", "valore", "costare", "redditività", "superficie", "capitali"})
            window<QWidget>(QString::fromUtf8(nome))->hide();
        messages.clear();
        premi(f, QStringLiteral("stampa"));
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].text.startsWith(QString::fromUtf8(c.inizioMessaggio))) << messages[0].text.toStdString();
        EXPECT_EQ(messages[0].icon(), vb::Exclamation);
        EXPECT_TRUE(isShown(QString::fromUtf8(c.finestra)));
        EXPECT_TRUE(QDir(cartella.path()).isEmpty());
    }
}

// The appraiser corrects the lot surface by hand and sends it into the row: the report prints,
// and prints again once the whole appraisal is saved and read back in a program started again.
TEST_F(RelazioneTest, ALotSurfaceTypedByHandIsSavedReadBackAndPrinted)
{
    stimaCompleta();
    QWidget *lotto = window<QWidget>(QStringLiteral("superficie"));
    ASSERT_EQ(box(lotto, QStringLiteral("suplot"))->text(), "1000");
    set(lotto, QStringLiteral("suplot"), QStringLiteral("950"));
    premi(lotto, QStringLiteral("cmdlotto"));
    const QStringList stima = {"950", "1425", "475"};   // 1,5 x 950 m3, at 3 m a floor
    const auto mostrata = [this] {
        QWidget *l = window<QWidget>(QStringLiteral("superficie"));
        return QStringList{box(l, QStringLiteral("suplot"))->text(), box(l, QStringLiteral("vol"))->text(),
                           box(l, QStringLiteral("suplord"))->text()};
    };
    ASSERT_EQ(mostrata(), stima);
    messages.clear();
    EXPECT_EQ(stampa().error, QString());
    EXPECT_TRUE(messages.isEmpty()) << messages.value(0).text.toStdString();

    const QString archivio = cartella.filePath(QStringLiteral("Vantegra-totale-lotto"));
    answerDialog(archivio);
    trigger(f, QStringLiteral("salvatutto"));
    const QByteArray scritto = contenuto(archivio);
    EXPECT_EQ(scritto.count("\r\n"), 1 + 87 + 1);
    EXPECT_TRUE(scritto.endsWith(",\"planimetria, foto\"\r\n\"950\"\r\n")) << scritto.right(80).toStdString();

    WindowTest::TearDown();
    WindowTest::SetUp();
    answerDialog(archivio);
    trigger(show<QWidget>(QStringLiteral("dati")), QStringLiteral("apritutto"));
    EXPECT_EQ(gSuperficie[1].text(), "950");
    EXPECT_EQ(mostrata(), stima);
    f = window<Frontespizio>(QStringLiteral("frontespizio"));
    QFile::remove(cartella.filePath(QStringLiteral("-RelazioneVantegra-Rossi Mario.doc")));
    messages.clear();
    EXPECT_EQ(stampa().error, QString());
    EXPECT_TRUE(messages.isEmpty()) << messages.value(0).text.toStdString();
}

TEST_F(RelazioneTest, AnOwnerTooLongForAFileNameStillGivesTheReportAsOftenAsItIsPrinted)
{
    stimaCompleta();
    set(f, QStringLiteral("proprietà"), QString(240, QLatin1Char('a')));
    for (int volta = 1; volta <= 2; ++volta) {   // the second print replaces the first
        premi(f, QStringLiteral("stampa"));
        EXPECT_TRUE(messages.isEmpty()) << volta << ": " << messages.value(0).text.toStdString();
        EXPECT_EQ(QDir(cartella.path()).entryList(QDir::Files),
                  QStringList{QStringLiteral("-RelazioneVantegra-") + QString(225, QLatin1Char('a')) + QStringLiteral(".doc")});
    }
}

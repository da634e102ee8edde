#include "support/WindowTest.h"

#include "core/AnalysisWindow.h"
#include "core/Modulo.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

namespace {

const char *const nomiFinestre[8] = {nullptr, "dati", "valore", "costare", "redditività",
                                     "superficie", "capitali", "frontespizio"};
const char *const finestreAiuto[] = {"sommario", "frmTip", "supportoclienti", "informa",
                                     "guidadati", "guidavalore", "guidacostare", "guidaredditività",
                                     "guidasuperficie", "guidacapitali", "guidafrontespizio"};

// An analysis window with nothing of its own but its number, its buttons and counters for the
// commands the family hands over to it.
class Finestra : public AnalysisWindow
{
public:
    explicit Finestra(int numero) : m_numero(numero)
    {
        auto *centrale = new QWidget(this);
        setCentralWidget(centrale);
        // Building value and lot name their buttons cmdesci and cmdguida, the others cmduscita and guida.
        const bool altriNomi = numero == 2 || numero == 5;
        pulsante(centrale, altriNomi ? "cmdesci" : "cmduscita");
        pulsante(centrale, altriNomi ? "cmdguida" : "guida");
        if (numero != 1)
            pulsante(centrale, "cmddati");
        setupCommandFamily();
    }

    int numeroFinestra() const override { return m_numero; }
    void controlla_click() override { ++controlli; }
    void cancelladati_Click() override { ++cancellazioni; }
    void solodati_Click() override { ++esportazioni; }
    void apritutto_Click() override { ++lettureTotali; }

    int controlli = 0;
    int cancellazioni = 0;
    int esportazioni = 0;
    int lettureTotali = 0;

protected:
    bool hasCombinedOpen() const override { return m_numero == 1; }

private:
    static void pulsante(QWidget *dentro, const char *nome)
    {
        auto *b = new QPushButton(QString::fromLatin1(nome), dentro);
        b->setObjectName(QString::fromLatin1(nome));
    }

    int m_numero;
};

QString nome(int k)
{
    return QString::fromUtf8(nomiFinestre[k]);
}

// A menu's entries as captions, "-" for a separator.
QStringList voci(const QMenu *menu)
{
    QStringList out;
    for (const QAction *a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

QString spazi(int n)
{
    return QString(n, QLatin1Char(' '));
}

class CommandFamilyTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        for (int k = 1; k <= 7; ++k)
            WindowRegistry::registerWindow(nome(k), [k] { return new Finestra(k); });
        for (const char *n : finestreAiuto)
            standIn(QString::fromUtf8(n));
    }

    Finestra *apri(int k) { return show<Finestra>(nome(k)); }

    QMenu *menu(QWidget *w, const QString &nome) { return find<QMenu>(w, nome); }

    // The menu bar: its menus, then the window-number title at its right end.
    QStringList barra(Finestra *w)
    {
        QStringList out;
        for (const QAction *a : w->menuBar()->actions())
            out << a->text();
        auto *angolo = qobject_cast<QToolButton *>(w->menuBar()->cornerWidget(Qt::TopRightCorner));
        if (angolo && angolo->defaultAction())
            out << angolo->defaultAction()->text();
        return out;
    }
};

} // namespace

TEST_F(CommandFamilyTest, MainDataWindowMenus)
{
    Finestra *w = apri(1);
    EXPECT_EQ(barra(w), QStringList({"&File", "&Modifica", "&Visualizza", "&?",
                                     spazi(126) + "Fi&nestra n.1 di 7"}));
    EXPECT_EQ(voci(menu(w, "file")),
              QStringList({"&Apri...", "-", "&Salva", "Salva con &nome...", "-", "E&limina", "-",
                           "S&tampa dati finestra", "-", "&Esci"}));
    EXPECT_EQ(voci(menu(w, "aprimenu")), QStringList({"...solo dati finestra", "...tutti i dati"}));
    EXPECT_EQ(voci(menu(w, "modif")), QStringList({"&Colore di sfondo", "-", "Controllo &dati immessi", "-",
                                                   "C&ancella dati finestra"}));
    EXPECT_EQ(voci(menu(w, "finestre")),
              QStringList({"Finestra \"Dati\"", "-", "Finestra \"Valore fabbricato\"",
                           "Finestra \"Costi di realizzazione\"", "Finestra \"Tempi per redditività\"",
                           "Finestra \"Superficie del lotto\"", "Finestra \"Saggio di rendimento\"", "-",
                           "Finestra \"Frontespizio\""}));
    EXPECT_EQ(voci(menu(w, "help")), QStringList({"&Guida in linea", "&Suggerimenti...", "-", "Supporto &prodotto",
                                                  "-", "&Informazioni su Vantegra"}));

    const char keys[] = "ABCDEFG";
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(find<QAction>(w, QStringLiteral("fin%1").arg(k))->shortcut(),
                  QKeySequence(QStringLiteral("Ctrl+") + QLatin1Char(keys[k - 1])));
    QAction *propria = find<QAction>(w, "fin1");
    EXPECT_TRUE(propria->isChecked());
    answerNext(vb::No);
    propria->trigger();
    EXPECT_TRUE(propria->isChecked()) << "choosing the own entry keeps its mark";
    EXPECT_FALSE(find<QAction>(w, "fin2")->isCheckable());

    // "...tutti i dati" is there for a window that reads the combined archive.
    trigger(w, "apritutto");
    EXPECT_EQ(w->lettureTotali, 1);
}

TEST_F(CommandFamilyTest, CostsWindowMenusCarryNoAccessKeys)
{
    Finestra *w = apri(3);
    EXPECT_EQ(barra(w), QStringList({"&File", "&Modifica", "&Visualizza", "&?",
                                     spazi(126) + "Fi&nestra n.3 di 7"}));
    EXPECT_EQ(voci(menu(w, "file")), QStringList({"Apri...", "-", "Salva", "Salva con nome...", "-", "Elimina",
                                                  "-", "Stampa dati finestra", "-", "Esci"}));
    EXPECT_EQ(voci(menu(w, "modif")),
              QStringList({"Colore di sfondo", "-", "Controllo dati immessi", "-", "Cancella dati finestra"}));
    EXPECT_EQ(voci(menu(w, "help")), QStringList({"Guida in linea", "Suggerimenti...", "-", "Supporto prodotto",
                                                  "-", "Informazioni su Vantegra"}));
    EXPECT_EQ(w->findChild<QMenu *>("aprimenu"), nullptr);
    EXPECT_EQ(w->findChild<QAction *>("apritutto"), nullptr);
    EXPECT_FALSE(find<QAction>(w, "fin3")->isChecked());

    // "Apri..." is itself the open command.
    trigger(w, "apri");
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_EQ(dialogs[0].title, "Apri file");
}

TEST_F(CommandFamilyTest, WhatTheOtherWindowsDoDifferently)
{
    Finestra *valore = apri(2);
    EXPECT_EQ(voci(menu(valore, "file")).at(5), "&Elimina...");
    EXPECT_EQ(find<QAction>(valore, "guida")->text(), "&Guida in linea");
    EXPECT_EQ(find<QAction>(valore, "suggerimenti")->text(), "&Suggerimenti...");
    EXPECT_TRUE(find<QAction>(valore, "fin2")->isChecked());
    // Its cover-page entry shows the cover page, as its toolbar button does.
    trigger(valore, "fin7");
    EXPECT_TRUE(isShown("frontespizio"));

    Finestra *tempi = apri(4);
    EXPECT_EQ(voci(menu(tempi, "modif")),
              QStringList({"Colore di sfondo", "-", "Controllo dati immessi", "-", "Cancella dati finestra", "-"}));
    EXPECT_FALSE(find<QAction>(tempi, "fin4")->isChecked());

    Finestra *lotto = apri(5);
    EXPECT_EQ(voci(menu(lotto, "help")), QStringList({"&Guida in linea", "&Suggerimenti", "-", "Supporto &prodotto",
                                                      "-", "&Informazioni Vantegra"}));
    EXPECT_EQ(voci(menu(lotto, "file")).at(5), "&Elimina...");
    EXPECT_EQ(barra(lotto).last(), spazi(125) + "Fi&nestra n.5 di 7");
    EXPECT_TRUE(find<QAction>(lotto, "fin5")->isChecked());

    Finestra *saggio = apri(6);
    QAction *cancella = find<QAction>(saggio, "cancelladati");
    EXPECT_EQ(cancella->text(), "C&ancella dati immessi");
    EXPECT_FALSE(cancella->isEnabled());
    cancella->trigger();
    EXPECT_EQ(saggio->cancellazioni, 0);
    EXPECT_EQ(find<QAction>(saggio, "fin7")->text(), "Finestra \"Frontespiizio\"");
    EXPECT_EQ(barra(saggio).last(), spazi(118) + "Fi&nestra n.6 di 7");
    EXPECT_EQ(voci(menu(saggio, "file")).first(), "&Apri...");

    Finestra *copertina = apri(7);
    EXPECT_EQ(barra(copertina), QStringList({"&File", "&Modifica", "Visuali&zza", "&?",
                                             spazi(126) + "Fi&nestra n.7 di 7"}));
    EXPECT_EQ(voci(menu(copertina, "file")),
              QStringList({"&Apri...", "-", "&Salva", "Salva con &nome...", "-", "&Elimina...", "-",
                           "S&tampa dati finestra", "-", "&Esci"}));
    EXPECT_EQ(voci(menu(copertina, "salvano")), QStringList({"...&solo dati finestra", "...&tutti i dati"}));
    EXPECT_FALSE(find<QAction>(copertina, "salvatutto")->isEnabled()) << "until the window offers it";
    EXPECT_EQ(find<QAction>(copertina, "suggerimenti")->text(), "&Suggerimenti");
}

TEST_F(CommandFamilyTest, ToolbarPositionsAndTooltips)
{
    Finestra *w = apri(1);
    const QList<QAction *> azioni = find<QToolBar>(w, "Toolbar1")->actions();
    ASSERT_EQ(azioni.size(), 22);
    const QStringList tooltips = {
        "apri file", "salva file", "elimina file", "stampa dati finestra", "",
        "visualizza finestra Dati", "visualizza finestra Valore fabbricato", "visualizza finestra Costi",
        "visualizza finestra Tempi", "visualizza finestra Superficie", "visualizza finestra Rendimento",
        "visualizza finestra Frontespizio", "", "colore di sfondo", "guida in linea", "suggerimenti",
        "supporto prodotto", "informazioni su Vantegra", "", "controllo dati immessi", "cancella dati finestra",
        "uscita da Vantegra"};
    for (int p = 1; p <= 22; ++p) {
        const QAction *a = azioni[p - 1];
        SCOPED_TRACE(p);
        EXPECT_EQ(a->objectName(), QStringLiteral("Toolbar1_%1").arg(p));
        const bool separatore = p == 5 || p == 13 || p == 19;
        EXPECT_EQ(a->isSeparator(), separatore);
        if (!separatore) {
            EXPECT_EQ(a->toolTip(), tooltips[p - 1]);
            EXPECT_FALSE(a->icon().isNull());
            EXPECT_TRUE(a->isEnabled());
        }
    }
}

TEST_F(CommandFamilyTest, ToolbarRunsTheCommandOfEachPosition)
{
    Finestra *w = apri(1);
    const auto ultimoDialogo = [this] { return dialogs.isEmpty() ? QString() : dialogs.last().title; };

    for (int p : {1, 0, 23, -4}) {
        w->Toolbar1_ButtonClick(p);
        EXPECT_EQ(ultimoDialogo(), "Apri file") << p;
        dialogs.clear();
    }
    w->Toolbar1_ButtonClick(2);
    EXPECT_EQ(ultimoDialogo(), "Salva file");
    w->Toolbar1_ButtonClick(3);
    EXPECT_EQ(ultimoDialogo(), gTitoloElimina.text());
    w->Toolbar1_ButtonClick(4);
    EXPECT_EQ(w->esportazioni, 1);

    // 5 acts as 6: the window's own number asks about its guide.
    for (int p : {5, 6}) {
        answerNext(vb::No);
        w->Toolbar1_ButtonClick(p);
        ASSERT_FALSE(messages.isEmpty());
        EXPECT_EQ(messages.last().text, "E' questa la finestra 'Dati': si vuole la guida della finestra?");
    }
    EXPECT_FALSE(isShown("guidadati"));
    for (int p = 7; p <= 12; ++p) {
        w->Toolbar1_ButtonClick(p);
        EXPECT_TRUE(isShown(nome(p - 5))) << p;
    }

    dialogs.clear();
    for (int p : {13, 14}) {
        w->Toolbar1_ButtonClick(p);
        ASSERT_EQ(dialogs.size(), 1) << p;
        EXPECT_EQ(dialogs.last().kind, CommonDialog::Kind::Color);
        dialogs.clear();
    }

    const char *aiuti[] = {"sommario", "frmTip", "supportoclienti", "informa"};
    for (int p = 15; p <= 18; ++p) {
        w->Toolbar1_ButtonClick(p);
        EXPECT_TRUE(isShown(QString::fromUtf8(aiuti[p - 15]))) << p;
    }

    w->Toolbar1_ButtonClick(19);
    w->Toolbar1_ButtonClick(20);
    EXPECT_EQ(w->controlli, 2);
    w->Toolbar1_ButtonClick(21);
    EXPECT_EQ(w->cancellazioni, 1);

    messages.clear();
    answerNext(vb::No);
    w->Toolbar1_ButtonClick(22);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Vuoi uscire da Vantegra?");
    EXPECT_TRUE(isShown("dati"));
}

TEST_F(CommandFamilyTest, RateWindowToolbarChecksOnBothAndLeavesOn21)
{
    Finestra *w = apri(6);
    w->Toolbar1_ButtonClick(19);
    w->Toolbar1_ButtonClick(20);
    EXPECT_EQ(w->controlli, 2);

    answerNext(vb::No);
    w->Toolbar1_ButtonClick(21);
    EXPECT_EQ(w->cancellazioni, 0);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Vuoi uscire da Vantegra?");

    // Its window buttons follow the same map: 12 is the cover page.
    w->Toolbar1_ButtonClick(12);
    EXPECT_TRUE(isShown("frontespizio"));
}

TEST_F(CommandFamilyTest, OwnEntryAsksForTheGuideOtherEntriesShowAtOnce)
{
    Finestra *costi = apri(3);
    answerNext(vb::No);
    trigger(costi, "fin3");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "E' questa la finestra 'Costi': si vuole la guida della finestra?");
    EXPECT_EQ(messages[0].buttons(), vb::YesNo);
    EXPECT_EQ(messages[0].icon(), vb::Question);
    EXPECT_EQ(messages[0].title, "Vantegra");
    EXPECT_FALSE(isShown("guidacostare"));

    answerNext(vb::Yes);
    trigger(costi, "Toolbar1_8");
    EXPECT_EQ(messages.size(), 2);
    EXPECT_TRUE(isShown("guidacostare"));

    messages.clear();
    trigger(costi, "fin1");
    EXPECT_TRUE(isShown("dati"));
    EXPECT_TRUE(messages.isEmpty());

    // The cover page titles its question as a help text.
    Finestra *copertina = apri(7);
    trigger(copertina, "fin7");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "E' questa la finestra 'Frontespizio': si vuole la guida della finestra?");
    EXPECT_EQ(messages[0].title, "Vantegra: aiuto in linea");
    EXPECT_TRUE(isShown("guidafrontespizio"));
}

TEST_F(CommandFamilyTest, WindowNumberTitleOpensTheOwnGuideWithoutAQuestion)
{
    Finestra *lotto = apri(5);
    trigger(lotto, "finestra");
    EXPECT_TRUE(isShown("guidasuperficie"));
    EXPECT_TRUE(messages.isEmpty());

    // What the user clicks is the button at the right end of the menu bar.
    WindowRegistry::unload("guidasuperficie");
    auto *numero = qobject_cast<QToolButton *>(lotto->menuBar()->cornerWidget(Qt::TopRightCorner));
    ASSERT_NE(numero, nullptr);
    EXPECT_EQ(numero->text(), "Fi&nestra n.5 di 7");
    numero->click();
    EXPECT_TRUE(isShown("guidasuperficie"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(CommandFamilyTest, ButtonsAreFoundByName)
{
    Finestra *valore = apri(2);
    click(find<QPushButton>(valore, "cmdguida"));
    EXPECT_TRUE(isShown("sommario"));
    click(find<QPushButton>(valore, "cmddati"));
    EXPECT_TRUE(isShown("dati"));
    answerNext(vb::No);
    click(find<QPushButton>(valore, "cmdesci"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Vuoi uscire da Vantegra?");

    Finestra *costi = apri(3);
    WindowRegistry::unload("sommario");
    click(find<QPushButton>(costi, "guida"));
    EXPECT_TRUE(isShown("sommario"));
    answerNext(vb::No);
    click(find<QPushButton>(costi, "cmduscita"));
    EXPECT_EQ(messages.size(), 2);
}

TEST_F(CommandFamilyTest, GreyWindowGoesStraightToTheColourDialog)
{
    Finestra *dati = apri(1);
    Finestra *lotto = apri(5);
    EXPECT_EQ(dati->BackColor(), 0xC0C0C0u);

    answerColor(0x0000FFu);   // red
    trigger(dati, "colorare");
    EXPECT_TRUE(messages.isEmpty());
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_EQ(dialogs[0].kind, CommonDialog::Kind::Color);
    EXPECT_EQ(dialogs[0].flags, 1);
    EXPECT_EQ(dialogs[0].color, 0u) << "a new dialog starts on black";
    EXPECT_EQ(dati->BackColor(), 0x0000FFu);
    EXPECT_EQ(gColoreSfondo, 0x0000FFu);
    EXPECT_EQ(lotto->BackColor(), 0xC0C0C0u) << "a picked colour colours this window only";

    // No longer grey: the grey question first; No goes on to the dialog, preset to the last pick.
    answerNext(vb::No);
    answerColor(0xFF0000u);
    trigger(dati, "colorare");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Colori uguali e riposanti (grigio) per tutte le finestre?");
    EXPECT_EQ(messages[0].buttons(), vb::YesNo);
    EXPECT_EQ(messages[0].icon(), 0);
    EXPECT_EQ(messages[0].title, "Vantegra: colore di sfondo");
    ASSERT_EQ(dialogs.size(), 2);
    EXPECT_EQ(dialogs[1].color, 0x0000FFu);
    EXPECT_EQ(dati->BackColor(), 0xFF0000u);

    // A cancelled dialog changes nothing.
    answerNext(vb::No);
    cancelDialog();
    trigger(dati, "colorare");
    EXPECT_EQ(dati->BackColor(), 0xFF0000u);
    EXPECT_EQ(gColoreSfondo, 0xFF0000u);
}

TEST_F(CommandFamilyTest, GreyAnswerGreysEveryWindowCreatingTheMissingOnesHidden)
{
    Finestra *dati = apri(1);
    Finestra *lotto = apri(5);
    answerColor(0x00FF00u);
    trigger(dati, "colorare");
    answerColor(0x123456u);
    trigger(lotto, "colorare");
    ASSERT_EQ(dati->BackColor(), 0x00FF00u);

    answerNext(vb::Yes);
    trigger(lotto, "colorare");
    EXPECT_EQ(dialogs.size(), 2) << "the grey answer ends the command";
    for (int k = 1; k <= 7; ++k) {
        auto *w = WindowRegistry::getExisting<Finestra>(nome(k));
        ASSERT_NE(w, nullptr) << k;
        EXPECT_EQ(w->BackColor(), 0xC0C0C0u) << k;
        EXPECT_EQ(w->isVisible(), k == 1 || k == 5) << k;
    }
    EXPECT_EQ(gColoreSfondo, 0x123456u);

    // A window closed with its close box and opened again is grey, whatever was picked before.
    answerColor(0x00FF00u);
    trigger(dati, "colorare");
    dati->close();
    processEvents();
    EXPECT_EQ(apri(1)->BackColor(), 0xC0C0C0u);
}

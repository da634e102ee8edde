#include "core/Dati.h"
#include "ui_Dati.h"

#include "core/Controlli.h"
#include "core/Modulo.h"
#include "core/Stima.h"
#include "core/WindowRegistry.h"
#include "core/WordExport.h"
#include "platform/MsgBox.h"
#include "runtime/ArchiveRecord.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

namespace {

RowArray *const colonneRighe[7] = {&gValoreMercato, &gCostiTotali, &gAnni, &gSuperficie,
                                   &gSaggio, &gValoreArea, &gValoreMq};
QIcon iconaCancella()
{
    QPixmap pm(12, 12);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(178, 34, 34), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2.5, 2.5), QPointF(9.5, 9.5));
    p.drawLine(QPointF(9.5, 2.5), QPointF(2.5, 9.5));
    return QIcon(pm);
}

std::function<void(Dati &)> &lettoreArchivioTotale()
{
    static std::function<void(Dati &)> lettore;
    return lettore;
}

const QString messaggioNessunaRiga = QStringLiteral(
    "Cliccare sul numero di riga della stima a cui riferire i dati specifici della prossima "
    "finestra. Essi sono necessari anche per la stampa della relazione.");

} // namespace

Dati::Dati(QWidget *parent)
    : AnalysisWindow(parent)
    , m_ui(new Ui::Dati)
{
    QWidget *centrale = impostaForm(*m_ui, QStringLiteral("dati"),
                                    QStringLiteral("Vantegra: dati generali per la stima di terreni edificabili"));

    griglia.trova(centrale);
    griglia.collega(this);
    const QIcon cancella = iconaCancella();
    for (int j = 1; j <= Righe; ++j) {
        const QString n = QString::number(j);
        copiariga[j] = centrale->findChild<QPushButton *>(QStringLiteral("copiariga_") + n);
        delriga[j] = centrale->findChild<QPushButton *>(QStringLiteral("delriga_") + n);
        delriga[j]->setIcon(cancella);
        connect(copiariga[j], &QPushButton::clicked, this, [this, j] { copiariga_Click(j); });
        connect(delriga[j], &QPushButton::clicked, this, [this, j] { delriga_Click(j); });
    }
    for (int i = 1; i <= 5; ++i) {
        auto *head = centrale->findChild<QPushButton *>(QStringLiteral("specific_%1").arg(i));
        connect(head, &QPushButton::clicked, this, [this, i] { specific_Click(i); });
    }
    connect(m_ui->VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    connect(m_ui->aiuto, &QPushButton::clicked, this, [this] { aiuto_Click(); });
    connect(m_ui->cmdrelazione, &QPushButton::clicked, this, [this] { cmdrelazione_Click(); });

    setupCommandFamily();
}

Dati::~Dati() = default;

void Dati::caricaControlli()
{
    gPrimaRiga = 1;
    ImpostaMessaggi();
    VScroll1_Change();
}

void Dati::azzeraDatiFinestra()
{
    for (RowArray *c : colonneRighe)
        c->clear();
    gNumeroStime = Variant();
    gRigaCorrente = Variant();
    gRigaScelta = Variant();
}

QList<const QWidget *> Dati::vistaUtente() const
{
    return {m_ui->VScroll1};
}

// --- the grid --------------------------------------------------------------------------------

int Dati::rigaDellaLinea(int index) const
{
    return griglia.num[index]->text().toInt();
}

void Dati::VScroll1_Change()
{
    gPrimaRiga = m_ui->VScroll1->value();
    // The chosen row as read from a file may lie beyond any whole number; beyond the rows it
    // marks no line.
    const double letta = gRigaScelta.leading();
    const int scelta = letta >= RowArray::FirstRow && letta < RowArray::LastRow + 1 ? static_cast<int>(letta) : 0;
    for (int j = 1; j <= Righe; ++j) {
        const int riga = static_cast<int>(gPrimaRiga.leading()) + j - 1;
        griglia.num[j]->setText(QString::number(riga));
        for (int c = 0; c < 7; ++c)
            scriviTesto(griglia.caselle[c][j], (*colonneRighe[c])[riga].text());

        griglia.segna(j, riga == scelta);

        griglia.num[j]->setToolTip(QStringLiteral("cliccare per inserire i dati particolareggiati della stima n.") + Str(riga));
        copiariga[j]->setToolTip(QStringLiteral("cliccare per copia la riga n.") + Str(riga - 1));
        delriga[j]->setToolTip(QStringLiteral("cliccare per cancellare la riga n.") + Str(riga));
    }
}

void Dati::num_click(int index)
{
    griglia.segnaClic(index);
    gRigaScelta = griglia.num[index]->text();
    VScroll1_Change();
}

void Dati::valoremercat_Change(int index) { colonna_Change(0, index); }
void Dati::costitotal_Change(int index) { colonna_Change(1, index); }
void Dati::ann_Change(int index) { colonna_Change(2, index); }
void Dati::superfic_Change(int index) { colonna_Change(3, index); }
void Dati::sagg_Change(int index) { colonna_Change(4, index); }

void Dati::colonna_Change(int colonna, int index)
{
    QLineEdit *box = griglia.caselle[colonna][index];
    const QString testo = box->text();
    if (!RegolaNumerica(testo)) {
        MessaggioRegolaNumerica();
        // K, a and S take the focus back; Vm and r leave it where it is.
        if (colonna >= 1 && colonna <= 3)
            box->setFocus();
        return;
    }
    gRigaCorrente = static_cast<int>(gPrimaRiga.leading()) + index - 1;
    const int riga = static_cast<int>(gRigaCorrente.leading());
    RowArray &termini = *colonneRighe[colonna];
    termini.set(riga, Griglia::valoreDaCasella(testo, termini[riga]));
    if (colonna == 0)
        ContaStime();
    SuggerimentoRiga();
    CalcolaRiga();
}

void Dati::CalcolaRiga()
{
    const int riga = static_cast<int>(gRigaCorrente.leading());
    if (ricalcolaRiga(riga) == EsitoCalcolo::AnniOltreLimite)
        MsgBox(QStringLiteral("E' una esagerazione pensare a oltre 100 anni per la redditività!"),
               vb::Critical, gTitoloControllo);
    // The results shown follow the terms, computed or emptied.
    VScroll1_Change();
}

void Dati::ContaStime()
{
    gNumeroStime = contaStime();
}

void Dati::SuggerimentoRiga()
{
    const int riga = rigaDellaLinea(1);
    QString hint;
    if (!gValoreMercato[riga].present())
        hint = QStringLiteral("digitare il valore di mercato del fabbricato");
    else if (!gCostiTotali[riga].present())
        hint = QStringLiteral("digitare il dato dei costi totali");
    else if (!gAnni[riga].present())
        hint = QStringLiteral("digitare gli anni per la redditività");
    else if (!gSuperficie[riga].present())
        hint = QStringLiteral("digitare la superficie del terreno");
    else if (!gSaggio[riga].present())
        hint = QStringLiteral("digitare il saggio di rendimento");
    else
        hint = QStringLiteral("leggere i risultati della stima, archiviarli, scegliere quale riga "
                              "stampare nella relazione, procedere cliccando su Relazione");
    m_ui->passo->setText(hint);
}

void Dati::copiariga_Click(int index)
{
    if (copiaRiga(rigaDellaLinea(index)))
        VScroll1_Change();
}

void Dati::delriga_Click(int index)
{
    const int riga = rigaDellaLinea(index);
    if (griglia.caselle[0][index]->text().isEmpty()) {
        MsgBox(QStringLiteral("I dati della stima n.") + Str(riga)
                   + QStringLiteral(" non sono ancora considerati in quanto manca il valore del fabbricato."),
               vb::Exclamation, gTitoloControllo);
        return;
    }
    griglia.freccia[index]->setVisible(false);
    eliminaRiga(riga);
    VScroll1_Change();
}

// --- leaving the grid ------------------------------------------------------------------------

void Dati::specific_Click(int index)
{
    static const char *const finestre[] = {"", "valore", "costare", "redditività", "superficie", "capitali"};
    const int riga = rigaSceltaValida();
    if (riga == 0) {
        MsgBox(messaggioNessunaRiga, vb::Critical, gTitoloControllo);
        return;
    }
    const QString nome = QString::fromUtf8(finestre[index]);
    if (index == 5) {
        if (!gValoreMercato[riga].present() || !gCostiTotali[riga].present() || !gAnni[riga].present()
            || !gSuperficie[riga].present()) {
            MsgBox(QStringLiteral("Digita prima gli altri dati della riga n.") + Str(riga), vb::Critical,
                   gTitoloControllo);
            return;
        }
        if (QWidget *capitali = WindowRegistry::instance(nome))
            QMetaObject::invokeMethod(capitali, "calcoloarea", Qt::DirectConnection);
    }
    WindowRegistry::show(nome);
}

bool Dati::RiceviTermine(RowArray &colonna, const Variant &valore)
{
    const int riga = rigaSceltaValida();
    if (riga == 0) {
        MsgBox(messaggioNessunaRiga, vb::Critical, gTitoloControllo);
    } else {
        colonna.set(riga, valore);
        if (&colonna == &gValoreMercato)
            gNumeroStime = contaStime();
        ricalcolaRiga(riga);
    }
    // The main window comes forward either way: it is where a row is chosen.
    if (auto *dati = WindowRegistry::get<Dati>(QStringLiteral("dati"))) {
        dati->VScroll1_Change();
        WindowRegistry::show(QStringLiteral("dati"));
    }
    return riga != 0;
}

// --- check, clearing, help, report -----------------------------------------------------------

Variant &Dati::flagControllo()
{
    return gControlloDati;
}

void Dati::controlla_click()
{
    const QString mancante = primoDatoMancante();
    if (!mancante.isEmpty()) {
        MsgBox(mancante, vb::Critical, gTitoloControllo);
        return;
    }
    if (gControlloDati.present() && gControlloDati.leading() == 1)
        gControlloDati = 0;
    else
        MsgBox(QStringLiteral("I dati sono stati immessi correttamente per n.") + Str(static_cast<long long>(gNumeroStime.leading()))
                   + QStringLiteral(" stime."),
               vb::Information, gTitoloControllo);
}

void Dati::cancelladati_Click()
{
    const int n = ultimaRigaUsata();
    for (int riga = 1; riga <= n; ++riga)
        for (RowArray *c : colonneRighe)
            c->set(riga, QString());
    VScroll1_Change();
}

void Dati::aiuto_Click()
{
    QString testo;
    const QString coda = QStringLiteral(" oppure clicca sul tasto all'inizio della colonna per affinare il calcolo del dato da inserire.");
    if (!gNumeroStime.present() || gNumeroStime.leading() == 0)
        testo = QStringLiteral("Preleva i dati dall'archivio oppure inizia a digitare il valore di mercato del "
                               "fabbricato che esiste o può essere costruito nel lotto da valutare. Clicca sul "
                               "tasto all'inizio della colonna per affinare il calcolo del dato da inserire.");
    else if (griglia.caselle[1][1]->text().isEmpty())
        testo = QStringLiteral("Digita i costi totali per la realizzazione del fabbricato nella seconda colonna") + coda;
    else if (griglia.caselle[2][1]->text().isEmpty())
        testo = QStringLiteral("Digita gli anni che passano tra la questa stima e l'inizio di redditività del fabbricato") + coda;
    else if (griglia.caselle[3][1]->text().isEmpty())
        testo = QStringLiteral("Digita la superficie del lotto da valutare") + coda;
    else if (griglia.caselle[4][1]->text().isEmpty())
        testo = QStringLiteral("Digita il saggio di rendimento dei capitali industriali") + coda;
    else
        testo = QStringLiteral("Esistono i dati di una stima: puoi inserirne altri nelle righe successive, "
                               "archiviare questa valutazione, procedere con la stampa della relazione.");
    MsgBox(testo, vb::Information, gTitoloAiuto.text());
}

void Dati::cmdrelazione_Click()
{
    if (!gRigaScelta.present() && gNumeroStime.present() && gNumeroStime.leading() == 1)
        gRigaScelta = 1;
    WindowRegistry::show(QStringLiteral("frontespizio"));
}

// --- archive ---------------------------------------------------------------------------------

AnalysisWindow::ArchiveKind Dati::archivio() const
{
    return {QStringLiteral("Vantegra-dati-"),
            QStringLiteral("Tutti i file (*.*)|*.*|File Vantegra-dati- | Vantegra-dati-*"),
            QStringLiteral("File Vantegra-dati- | Vantegra-dati-*"),
            QStringLiteral("dei dati generali")};
}

void Dati::scriviArchivio(ArchiveWriter &writer)
{
    scriviArchivioDati(writer);
}

bool Dati::leggiArchivio(const ArchiveReader &reader, QString *motivo)
{
    ArchivioDati archivio;
    if (!leggiArchivioDati(reader, archivio, motivo))
        return false;
    comeAppenaCaricata();
    applicaArchivioDati(archivio);
    return true;
}

void Dati::apritutto_Click()
{
    if (const auto &lettore = lettoreArchivioTotale())
        lettore(*this);
}

void Dati::setLettoreArchivioTotale(std::function<void(Dati &)> lettore)
{
    lettoreArchivioTotale() = std::move(lettore);
}

bool Dati::hasCombinedOpen() const
{
    return bool(lettoreArchivioTotale());
}

// --- Word export -----------------------------------------------------------------------------

void Dati::solodati_Click()
{
    auto ex = WordExport::inizia(QStringLiteral("Finestra dati"));
    if (!ex)
        return;
    const int n = ultimaRigaUsata();
    auto t = ex->tabella(n + 2, 8);
    static const char *const testata[] = {"numero", "fabbricato", "costi", "redditività",
                                          "superficie", "rendimento", "valore area", "valore"};
    static const char *const unita[] = {"", "euro", "euro", "anni", "mq.", "%", "euro", "euro/mq."};
    for (int c = 1; c <= 8; ++c) {
        t.cella(1, c, QString::fromUtf8(testata[c - 1]));
        t.cella(2, c, QString::fromUtf8(unita[c - 1]));
    }
    for (int i = 1; i <= n; ++i) {
        t.cella(2 + i, 1, Str(i));
        for (int c = 0; c < 7; ++c)
            t.numero(2 + i, c + 2, (*colonneRighe[c])[i]);
    }
    ex->formatta(t);
    ex->allineaDestra(1, 2, 8);
    ex->salva(QStringLiteral("-DatiVantegra-"));
}

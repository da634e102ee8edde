#include "analyses/value_lot_rate/Capitali.h"
#include "ui_Capitali.h"

#include "core/Controlli.h"
#include "core/Dati.h"
#include "core/Modulo.h"
#include "core/Stima.h"
#include "core/WordExport.h"
#include "platform/MsgBox.h"
#include "runtime/ArchiveRecord.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

namespace {

RowArray *const colonneTabella[7] = {&gSaggiFabbricato, &gSaggiCosti, &gSaggiAnni, &gSaggiSuperficie,
                                     &gSaggiRendimento, &gSaggiValoreArea, &gSaggiValoreMq};
constexpr int ColonnaSaggio = 4;

} // namespace

Capitali::Capitali(QWidget *parent)
    : AnalysisWindow(parent)
    , m_ui(new Ui::Capitali)
{
    QWidget *centrale = impostaForm(*m_ui, QStringLiteral("capitali"),
                                    QStringLiteral("Vantegra: valutazione del saggio di rendimento dei capitali industriali"));

    griglia.trova(centrale);
    griglia.collega(this);
    for (int i = 1; i <= 5; ++i) {
        auto *testa = centrale->findChild<QPushButton *>(QStringLiteral("specific_%1").arg(i));
        connect(testa, &QPushButton::clicked, this, [this, i] { specific_Click(i); });
    }

    const auto prepara = [](QScrollBar *barra, const BarraSaggio &b) {
        barra->setRange(b.minimo, b.massimo);
        barra->setSingleStep(1);
        barra->setPageStep(25);
    };
    prepara(m_ui->HScroll1, BarraMinimo);
    prepara(m_ui->HScroll2, BarraMassimo);
    prepara(m_ui->HScroll3, BarraIncremento);
    connect(m_ui->HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    connect(m_ui->HScroll2, &QScrollBar::valueChanged, this, [this] { HScroll2_Change(); });
    connect(m_ui->HScroll3, &QScrollBar::valueChanged, this, [this] { HScroll3_Change(); });
    connect(m_ui->VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    connect(m_ui->aiuto, &QPushButton::clicked, this, [this] { aiuto_Click(); });

    setupCommandFamily();
}

Capitali::~Capitali() = default;

void Capitali::caricaControlli()
{
    SaggiPrimaRiga = 1;
    ImpostaMessaggi();
    // A window loaded again shows the table as it was left, then goes back to 7 to 10 by 0,25.
    VScroll1_Change();
    m_ui->HScroll1->setValue(BarraMinimo.iniziale);
    m_ui->HScroll2->setValue(BarraMassimo.iniziale);
    m_ui->HScroll3->setValue(BarraIncremento.iniziale);
    HScroll1_Change();
    HScroll2_Change();
    HScroll3_Change();
}

void Capitali::azzeraDatiFinestra()
{
    azzeraTabellaSaggi();
    SaggiRigaCorrente = 0;
}

QList<const QWidget *> Capitali::vistaUtente() const
{
    return {m_ui->VScroll1};
}

// --- the range ------------------------------------------------------------------------------

void Capitali::HScroll1_Change() { barra_Change(m_ui->HScroll1, m_ui->min); }
void Capitali::HScroll2_Change() { barra_Change(m_ui->HScroll2, m_ui->max); }
void Capitali::HScroll3_Change() { barra_Change(m_ui->HScroll3, m_ui->increm); }

void Capitali::barra_Change(QScrollBar *barra, QLineEdit *box)
{
    scriviTesto(box, testoPercentuale(barra->value()));
    SuggerimentoRendimento();
    calcoloarea();
}

void Capitali::calcoloarea()
{
    if (calcolaTabellaSaggi(m_ui->min->text(), m_ui->max->text(), m_ui->increm->text()) == EsitoSaggi::Fermato)
        return;
    // A table cut off at a hundred rates is shown too, so that a line never offers a rate other
    // than the one the table holds.
    VScroll1_Change();
}

void Capitali::rinnovaTabella()
{
    const QString minimo = m_ui->min->text();
    const QString massimo = m_ui->max->text();
    const QString incremento = m_ui->increm->text();
    if (tabellaDellaRigaScelta(minimo, massimo, incremento))
        return;
    if (calcolaTabellaSaggi(minimo, massimo, incremento) == EsitoSaggi::Fermato)
        svuotaTabellaSaggi(minimo, massimo, incremento);
    VScroll1_Change();
}

void Capitali::Form_Activate()
{
    rinnovaTabella();
}

void Capitali::showEvent(QShowEvent *event)
{
    rinnovaTabella();
    AnalysisWindow::showEvent(event);
}

// --- the grid -------------------------------------------------------------------------------

void Capitali::VScroll1_Change()
{
    SaggiPrimaRiga = m_ui->VScroll1->value();
    for (int k = 1; k <= Righe; ++k) {
        const int riga = SaggiPrimaRiga + k - 1;
        const QString numero = QString::number(riga);
        if (griglia.num[k]->text() != numero)
            griglia.num[k]->setText(numero);
        // A cell whose text changes runs its handler, which computes the table again and
        // refreshes the grid from within; the cells after it are then already up to date.
        for (int c = 0; c < 7; ++c)
            scriviTesto(griglia.caselle[c][k], (*colonneTabella[c])[riga].text());

        griglia.segna(k, gRigaSaggio.leading() == riga);
        griglia.num[k]->setToolTip(QStringLiteral("cliccare per inserire nella finestra Dati i valori della riga n. ") + numero);
    }
}

void Capitali::valoremercat_Change(int index) { cella_Change(0, index); }
void Capitali::costitotal_Change(int index) { cella_Change(1, index); }
void Capitali::ann_Change(int index) { cella_Change(2, index); }
void Capitali::superfic_Change(int index) { cella_Change(3, index); }
void Capitali::sagg_Change(int index) { cella_Change(ColonnaSaggio, index); }

void Capitali::cella_Change(int colonna, int index)
{
    SaggiRigaCorrente = SaggiPrimaRiga + index - 1;
    RowArray &valori = *colonneTabella[colonna];
    valori.set(SaggiRigaCorrente, Griglia::valoreDaCasella(griglia.caselle[colonna][index]->text(),
                                                           valori[SaggiRigaCorrente]));
    if (colonna == ColonnaSaggio)
        ContaSaggi();
    SuggerimentoRendimento();
    calcoloarea();
}

void Capitali::ContaSaggi()
{
    gNumeroSaggi = contaSaggi();
}

void Capitali::num_click(int index)
{
    // The rate goes into the chosen row: it is taken from that row's table.
    rinnovaTabella();
    // A rate chosen while no appraisal row is chosen would reach no row: the main window's
    // message says so and the choice is not made.
    const QString riga = griglia.num[index]->text();
    const Variant saggio = gSaggiRendimento[riga.toInt()];
    if (rigaSceltaValida() == 0) {
        Dati::RiceviTermine(gSaggio, saggio);   // writes nothing and tells the user
        return;
    }
    griglia.segnaClic(index);
    // The arrow moves at the next refresh of this grid.
    gRigaSaggio = riga;
    // A line beyond the table gives the empty text: the row's rate is emptied.
    Dati::RiceviTermine(gSaggio, saggio);
}

void Capitali::specific_Click(int)
{
    MsgBox(QStringLiteral("I dati specifici relativi possono essere introdotti partendo dalla finestra Dati."),
           vb::Information, gTitoloAiuto.text());
}

// --- check, help, hint ----------------------------------------------------------------------

QString Capitali::avvisoSceltaSaggio()
{
    return QStringLiteral("Scegli il tasso di rendimento (cliccando sul numero d'ordine corrispondente) che meglio "
                          "risponde alla situazione della zona e del mercato. Esso andrà inserito automaticamente nei "
                          "dati della valutazione del terreno.");
}

void Capitali::controlla_click()
{
    const bool frecciaMostrata = std::any_of(griglia.freccia.begin() + 1, griglia.freccia.end(),
                                                     [](const QLabel *f) { return !f->isHidden(); });
    if (!frecciaMostrata)
        MsgBox(avvisoSceltaSaggio(), vb::Information, gTitoloControllo);
    else
        MsgBox(QStringLiteral("Puoi modificare il tasso minimo e massimo o l'incremento. Oppure puoi tornare alla "
                              "finestra Dati."),
               vb::Information, gTitoloControllo);
}

void Capitali::aiuto_Click()
{
    MsgBox(QStringLiteral("- Scegli il tasso minimo e massimo di rendimento dei capitali industriali;\r"
                          "- poi determina l'incremento che vuoi utilizzare per visualizzare le variazioni della "
                          "valutazione del terreno;\r"
                          "- quindi scegli il dato più congruo del tasso, da immettere per la stima, cliccando "
                          "nell'apposita casella laterale alla riga."),
           vb::Information, gTitoloAiuto.text());
}

void Capitali::SuggerimentoRendimento()
{
    // Reads the first line before the computation that follows rebuilds the table.
    if (griglia.caselle[0][1]->text().isEmpty())
        m_ui->passo->setText(QStringLiteral("tornare alla finestra Dati per immettere i valori necessari alla "
                                            "stima del terreno"));
    else
        m_ui->passo->setText(QStringLiteral("prelevare i dati dall'archivio o scegliere il tasso più congruo per "
                                            "la valutazione del terreno cliccando nell'apposita casella laterale"));
}

// --- archive --------------------------------------------------------------------------------

AnalysisWindow::ArchiveKind Capitali::archivio() const
{
    return {QStringLiteral("Vantegra-rendimento-"),
            QStringLiteral("Tutti i file (*.*)|*.*|File Vantegra-rendimento- | Vantegra-rendimento-*"),
            QStringLiteral("File Vantegra-rendimento- | Vantegra-rendimento-*"),
            QStringLiteral("del saggio di rendimento")};
}

ArchivioSaggi Capitali::archivioFinestra() const
{
    ArchivioSaggi archivio;
    archivio.minimo = m_ui->HScroll1->value();
    archivio.massimo = m_ui->HScroll2->value();
    archivio.incremento = m_ui->HScroll3->value();
    archivio.rigaSaggio = gRigaSaggio;
    return archivio;
}

void Capitali::applicaArchivio(const ArchivioSaggi &archivio)
{
    gRigaSaggio = archivio.rigaSaggio;
    m_ui->HScroll1->setValue(archivio.minimo);
    m_ui->HScroll2->setValue(archivio.massimo);
    m_ui->HScroll3->setValue(archivio.incremento);
    HScroll1_Change();
    HScroll2_Change();
    HScroll3_Change();
}

QString Capitali::min() const { return m_ui->min->text(); }
QString Capitali::max() const { return m_ui->max->text(); }
QString Capitali::increm() const { return m_ui->increm->text(); }

void Capitali::scriviArchivio(ArchiveWriter &writer)
{
    scriviArchivioSaggi(writer, archivioFinestra());
}

bool Capitali::leggiArchivio(const ArchiveReader &reader, QString *motivo)
{
    ArchivioSaggi archivio;
    if (!leggiArchivioSaggi(reader, archivio, motivo))
        return false;
    comeAppenaCaricata();
    applicaArchivio(archivio);
    return true;
}

void Capitali::dopoLettura()
{
    // The range read may leave the table of a row no longer chosen: it never stays to be shown.
    rinnovaTabella();
    m_ui->VScroll1->setValue(1);
    VScroll1_Change();
    if (!gSaggiFabbricato[1].present()) {
        MsgBox(QStringLiteral("Non vi sono dati di stima, prelevarli tramite la finestra Dati."), vb::Critical,
               gTitoloControllo);
        MostraDati();
    }
}

// --- Word export ----------------------------------------------------------------------------

void Capitali::solodati_Click()
{
    rinnovaTabella();
    auto ex = WordExport::inizia(QStringLiteral("Finestra saggio di rendimento"));
    if (!ex)
        return;
    const int n = std::clamp(static_cast<int>(gNumeroSaggi.leading()), 0, MassimoSaggi);
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
            t.numero(2 + i, c + 2, (*colonneTabella[c])[i]);
    }
    ex->formatta(t);
    ex->allineaDestra(1, 2, 8);
    ex->salva(QStringLiteral("-SaggioVantegra-"));
}

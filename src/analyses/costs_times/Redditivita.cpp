#include "analyses/costs_times/Redditivita.h"
#include "ui_Redditivita.h"

#include "analyses/costs_times/ModuloCostiTempi.h"
#include "core/Dati.h"
#include "core/Modulo.h"
#include "platform/MsgBox.h"

#include <QLineEdit>

namespace {

// The categories in the order their boxes are rewritten; construction has no sub-items.
enum { Progettazione, Permessi, Costruzione, Accatastamento, Abitabilita };

const QStringList spiegazioni = {
    QStringLiteral("Il tempo necessario per la fase di progettazione comprende tutto quanto occorre per avere i "
                   "documenti tecnici pronti per la successiva fase di richiesta delle autorizzazioni comunali. In "
                   "esso va considerato anche il tempo necessario per rilievi, colloqui, modifiche e quanto altro "
                   "interessi i professionisti per il completamento dell'incarico."),
    QStringLiteral("Il tempo necessario per la fase del progetto preliminare comprende i rilievi, i colloqui con il "
                   "cliente, gli schizzi fino alla definizione del progetto. E' individuato come percentuale del 50% "
                   "dei tempi per l'intera progettazione, ma è modificabile."),
    QStringLiteral("Il tempo necessario alla redazione del progetto definitivo, è calcolato in percentuale (30%) del "
                   "totale dei tempi per la progettazione, ma è modificabile."),
    QStringLiteral("Il tempo per la redazione del progetto esecutivo comprende anche quello per i calcoli "
                   "strutturali e quant'altro necessario alla cantierabilità del progetto. E' valutato nel 20% del "
                   "totale dei tempi per la progettazione. Può essere modificato qualora non rispecchi la realtà "
                   "locale."),
    QStringLiteral("I tempi normalmente necessari per ottenere i permessi presso gli enti per la costruzione "
                   "dell'edificio vanno dal momento della domanda all'approvazione definitiva. Possono indicarsi i "
                   "tempi disaggregati nelle caselle bianche successive e relative di cui questa è la somma "
                   "automatica."),
    QStringLiteral("Il tempo richiesto per ottenere il permesso di costruire comunale va dal momento della domanda "
                   "alla risposta conclusiva. Viene valutato come 75% del totale di tutte le autorizzazioni "
                   "richieste dall'intervento, ma il valore è modificabile."),
    QStringLiteral("Il tempo richiesto per effettuare la denuncia eventuale agli uffici sismici regionali parte dal "
                   "momento del deposito dei calcoli e dei disegni strutturali fino all'autorizzazione finale. Viene "
                   "valutato come il 15% del totale dei tempi per i permessi, ma è modificabile."),
    QStringLiteral("I tempi necessari per ottenere ulteriori autorizzazioni eventualmente richieste per la zona o il "
                   "tipo di intervento vanno indicati in questa casella. Vengono valutati come il 10% del totale dei "
                   "tempi per i permessi, ma sono modificabili."),
    QStringLiteral("Il tempo ritenuto necessario per il tipo di intervento va dal momento della consegna dei lavori "
                   "alla fine degli stessi. La valutazione può essere scissa nelle singole opere individuate nella "
                   "parte sinistra della finestra per meglio affinare la stima dei tempi totali."),
    QStringLiteral("I tempi necessari per tutte le operazioni di accatastamento dell'immobile vanno dal momento "
                   "dell'incarico, dopo la fine dei lavori, al certificato catastale. Essi possono essere indicati "
                   "nelle caselle successive inerenti di cui questa è la somma automatica."),
    QStringLiteral("Il tempo necessario alle operazioni di rilievo e misurazione per la stesura dei documenti "
                   "catastali è valutato, automaticamente, come percentuale (17%) del totale dei tempi per "
                   "l'accatastamento, ma è modificabile."),
    QStringLiteral("Il tempo necessario all'approntamento dei documenti tecnici da presentare in catasto è "
                   "valutato, automaticamente, come il 33% del totale dei tempi per l'accatastamento, ma è "
                   "modificabile."),
    QStringLiteral("Il tempo, spesso lungo, che richiedono gli uffici catastali per l'approvazione degli elaborati "
                   "tecnici presentati per accatastare l'edificio viene valutato, automaticamente, come il 50% del "
                   "totale dei tempi per l'accatastamento, ma è modificabile."),
    QStringLiteral("I tempi necessari per tutte le operazioni volte ad ottenere l'abitabilità dell'immobile "
                   "riguardano tutta la procedura richiesta dalla legge. Possono essere digitati i tempi suddivisi "
                   "nelle caselle successive inerenti di cui questa è la somma automatica."),
    QStringLiteral("Il tempo necessario per il collaudo comprende, in pratica, i giorni o i mesi che il collaudatore "
                   "generalmente richiede per esaminare i documenti, avvisare del sopralluogo, effetuarlo e stilare "
                   "l'atto di collaudo. Viene valutato come il 50% del tempo totale per l'abitabilità, ma è "
                   "modificabile."),
    QStringLiteral("Il tempo necessario per ottenere materialmente il certificato di abitabilità o agibilità dei "
                   "locali da parte del Comune o da chi è abilitato a rilasciarlo per legge va indicato in questa "
                   "casella. Viene valutato, automaticamente, come il 50% del totale dei tempi per l'abitabilità, ma "
                   "è modificabile."),
    QStringLiteral("Il totale di tempi non è altro che la stima di tutti i tempi necessarie per la realizzazione "
                   "dell'immobile che potrebbe sorgere, o che sia già stato edificato, sull'area oggetto di stima. "
                   "Per una migliore valutazione dei tempi di costruzione è possibile servirsi della tabella di "
                   "sinistra che elabora i valori indicati scindendoli in percentuali per le singole opere."),
};

const QString totaleIllegibile = QStringLiteral("Digita valori riconoscibili nelle caselle dei singoli tempi.");

} // namespace

FinestraOpere::Profilo Redditivita::profilo()
{
    Profilo p;
    p.numero = 4;
    p.nome = QStringLiteral("redditività");
    p.titolo = QStringLiteral("Vantegra: analisi dei tempi per la redditività del fabbricato");
    p.tipo = &gTipoTempi;
    p.base = &gTempoCostruzione;
    p.flag = &gControlloTempi;
    p.totale = &gTotaleTempi;
    p.captionTotale = QStringLiteral("Totale dei tempi e delle percentuali");
    p.captionTotaleIniziale = QStringLiteral(" Totale dei tempi e delle percentuali ");
    p.captionCaratt = QStringLiteral("Caratteristiche dell'edificio (controllo dei tempi)");
    p.tooltipCaratt = QStringLiteral("la distribuzione dei tempi è riferita ad un fabbricato con almeno 100 vani, "
                                     "alto 5 piani");
    p.tooltipAnnulla = QStringLiteral("cliccare sulla X per annullare i tempi relativi e ridistribuirli tra le "
                                      "restanti opere");
    p.tooltipOpere = true;
    p.spiegazioni = spiegazioni;
    p.aiuto = QStringList{
        QStringLiteral("- Indicare i tempi nelle caselle indicate con le lettere;"),
        QStringLiteral("- oppure aprire un file appropriato (Vantegra-tempi-...) per prelevarne;"),
        QStringLiteral("- modificare, se necessario, i valori delle caselle bianche;"),
        QStringLiteral("- scegliere la tipologia delle caratteristiche dell'edificio;"),
        QStringLiteral("- controllare i tempi di costruzione con le percentuali preimpostate;"),
        QStringLiteral("- inserire il dato finale nella stima cliccando sul tasto TOTALE TEMPI."),
    };
    p.conferma = QStringLiteral("Clicca su l tasto TOTALE TEMPI per inserire il valore automaticamente nei dati "
                                "della stima del terreno.");
    p.archivio = ArchiveKind(QStringLiteral("Vantegra-tempi-"),
                             QStringLiteral("Tutti i file (*.*)|*.*|File Vantegra-tempi- | Vantegra-tempi-*"),
                             QStringLiteral("File Vantegra-tempi- | Vantegra-tempi-*"),
                             QStringLiteral("dei tempi"));
    p.suggerimentoFinale = QStringLiteral("cliccare sul tasto TOTALE TEMPI per immettere il dato nella finestra "
                                          "principale di calcolo o archiviare i dati");
    p.sottotitolo = QStringLiteral("Finestra tempi di realizzazione per un fabbricato con caratteristiche ");
    p.intestazioneImporti = QStringLiteral("tempi in giorni");
    p.totaleOpere = QStringLiteral("Totale tempi");
    p.intestazioneCategorie = QStringList{QStringLiteral("classe di tipologia"), QStringLiteral("tipologia di tempi"),
                                          QStringLiteral("giorni"), QStringLiteral("totale giorni")};
    p.rigaTotale = QStringLiteral("Totale giorni");
    p.parteNome = QStringLiteral("-TempiVantegra-");
    return p;
}

Redditivita::Redditivita(QWidget *parent)
    : FinestraOpere(profilo(), parent)
    , m_ui(new Ui::Redditivita)
{
    auto *centrale = new QWidget(this);
    m_ui->setupUi(centrale);

    for (int i : {2, 3, 4, 5, 6, 7, 10, 11, 12, 14, 15})
        giorni[i] = centrale->findChild<QLineEdit *>(QStringLiteral("giorni_%1").arg(i));
    const auto voci = [this](std::initializer_list<int> indici) {
        QList<QLineEdit *> caselle;
        for (int i : indici)
            caselle << giorni[i];
        return caselle;
    };
    m_categorie = {
        {m_ui->tempoprog, &gTempoProgettazione, voci({2, 3, 4}), {0.50, 0.30, 0.20}},
        {m_ui->tempoperm, &gTempoPermessi, voci({5, 6, 7}), {0.75, 0.15, 0.10}},
        {m_ui->tempocostr, &gTempoCostruzione, {}, {}},
        {m_ui->tempocatast, &gTempoAccatastamento, voci({10, 11, 12}), {0.17, 0.33, 0.50}},
        {m_ui->tempoabit, &gTempoAbitabilita, voci({14, 15}), {0.50, 0.50}},
    };
    m_casellaTotale = m_ui->tempototal;
    m_suggerimenti = {
        {m_ui->tempoprog, QStringLiteral("digitare i giorni necessari alla progettazione o immettere dati nei "
                                         "successivi campi relativi")},
        {m_ui->tempoperm, QStringLiteral("digitare i giorni necessari per ottenere i permessi o immettere dati nei "
                                         "successivi campi relativi")},
        {m_ui->tempocostr, QStringLiteral("digitare i giorni necessari alla costruzione del fabbricato o immettere "
                                          "dati nei successivi campi relativi")},
        {m_ui->tempocatast, QStringLiteral("digitare i giorni necessari per le operazioni di accatastamento o "
                                           "immettere dati nei successivi campi relativi")},
        {m_ui->tempoabit, QStringLiteral("digitare i giorni necessari per ottenere l'abitabilità del fabbricato o "
                                         "immettere dati nei successivi campi relativi")},
    };

    connect(m_ui->tempoprog, &QLineEdit::textChanged, this, [this] { tempoprog_Change(); });
    connect(m_ui->tempoperm, &QLineEdit::textChanged, this, [this] { tempoperm_Change(); });
    connect(m_ui->tempocostr, &QLineEdit::textChanged, this, [this] { tempocostr_Change(); });
    connect(m_ui->tempocatast, &QLineEdit::textChanged, this, [this] { tempocatast_Change(); });
    connect(m_ui->tempoabit, &QLineEdit::textChanged, this, [this] { tempoabit_Change(); });
    for (int i = 2; i < int(giorni.size()); ++i) {
        if (giorni[i])
            connect(giorni[i], &QLineEdit::textChanged, this, [this, i] { giorni_Change(i); });
    }
    connect(m_ui->cmdtempi, &QPushButton::clicked, this, [this] { cmdtempi_Click(); });

    coloraCaselle({m_ui->tempoprog, m_ui->tempoperm, m_ui->tempocostr, m_ui->tempocatast, m_ui->tempoabit},
                  m_ui->tempototal);
    impostaFinestra(centrale);
}

Redditivita::~Redditivita() = default;

QLineEdit *Redditivita::casellaCostruzione() const
{
    return m_ui->tempocostr;
}

void Redditivita::tempoprog_Change()
{
    categoria_Change(Progettazione);
}

void Redditivita::tempoperm_Change()
{
    categoria_Change(Permessi);
}

void Redditivita::tempocatast_Change()
{
    categoria_Change(Accatastamento);
}

void Redditivita::tempoabit_Change()
{
    categoria_Change(Abitabilita);
}

void Redditivita::tempocostr_Change()
{
    const double giorniCostruzione = leadingNumber(m_ui->tempocostr->text());
    if (giorniCostruzione != gTempoCostruzione.numeric().value_or(0)) {
        gTempoCostruzione = giorniCostruzione;
        riscriviCategorie();
        totaleCategorie();
    }
    PassoTabella();
}

void Redditivita::giorni_Change(int)
{
    voce_Change();
}

void Redditivita::cmdtempi_Click()
{
    tipoSeNessuno();
    // No total (a window just opened) or one that is no number: nothing is written over the row.
    const auto totale = parseItalian(m_ui->tempototal->text());
    if (!totale) {
        MsgBox(totaleIllegibile, vb::Critical, gTitoloControllo);
        return;
    }
    Dati::RiceviTermine(gAnni, categorie::anniDaGiorni(*totale));
}

void Redditivita::cancelladati_Click()
{
    for (const Categoria &c : std::as_const(m_categorie))
        scrivi(c.casella, QString());
}

QList<FinestraOpere::Controllo> Redditivita::controlli() const
{
    return {
        {m_ui->tempoprog, QStringLiteral("Digita un valore per i tempi di progettazione o nei campi successivi "
                                         "relativi."),
         vb::Information},
        {m_ui->tempoperm, QStringLiteral("Digita un valore per i tempi necessari per i permessi e le autorizzazioni "
                                         "o nei campi successivi relativi."),
         vb::Information},
        {m_ui->tempocostr, QStringLiteral("Digita un valore per i tempi di costruzione."), vb::Information},
        {m_ui->tempocatast, QStringLiteral("Digita un valore per i tempi per l'accatastamento dell'edificio o nei "
                                           "campi successivi relativi."),
         vb::Information},
        {m_ui->tempoabit, QStringLiteral("Digita un valore per i tempi per l'abitabilità dell'edificio o nei campi "
                                         "successivi relativi."),
         vb::Information},
        {m_ui->tempototal, totaleIllegibile, vb::Critical},
    };
}

QList<QLineEdit *> Redditivita::caselleArchivio() const
{
    return {m_ui->tempoprog, m_ui->tempoperm, m_ui->tempocostr, m_ui->tempocatast, m_ui->tempoabit};
}

QList<QLineEdit *> Redditivita::caselleRighe() const
{
    // The sub-item boxes after the first category are numbered one lower than their row.
    return {m_ui->tempoprog, giorni[2],  giorni[3],  giorni[4],       m_ui->tempoperm, giorni[5],
            giorni[6],       giorni[7],  m_ui->tempocostr, m_ui->tempocatast, giorni[10],
            giorni[11],      giorni[12], m_ui->tempoabit,  giorni[14],        giorni[15]};
}

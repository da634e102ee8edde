#include "analyses/costs_times/Costare.h"
#include "ui_Costare.h"

#include "analyses/costs_times/ModuloCostiTempi.h"
#include "core/Dati.h"
#include "core/Modulo.h"
#include "platform/MsgBox.h"

#include <QLineEdit>

namespace {

// The sub-items of each category: their boxes `costo`(i) and their shares.
constexpr int vociTecniche[] = {2, 3, 4, 5, 6, 7};
constexpr int vociOneri[] = {9, 10, 11};
constexpr int vociCostruzione[] = {13, 14, 15, 16, 17};
constexpr int Profitto = 18;

const QStringList spiegazioni = {
    QStringLiteral("Le spese tecniche comprendono tutto quanto occorre per il compenso ai professionisti interessati "
                   "alla costruzione del fabbricato, fino alla sua agibilità ed al suo effettivo uso."),
    QStringLiteral("Le spese per la progettazione comprendono i rilievi, il progetto preliminare, definitivo ed "
                   "esecutivo. Sono individuate come percentuale del totale delle spese tecniche, secondo gli usi, "
                   "ma sono modificabili."),
    QStringLiteral("Le spese per i calcoli strutturali comprendono gli onorari per i tecnici incaricati della "
                   "progettazione delle strutture (verifica e disegni) e sono calcolate in percentuale (20%) del "
                   "totale delle spese tecniche. Sono modificabili."),
    QStringLiteral("Le spese per la relazione geologica comprendono tutto quanto necessario allo studio del terreno "
                   "di fondazione, compreso eventuali prove di carico e ispezioni geologiche anche strumentali. "
                   "Possono essere modificate qualora non rispecchino il mercato della zona. Sono valutate il 4% "
                   "del totale."),
    QStringLiteral("Le spese per la direzione dei lavori comprendono gli onorari per i tecnici incaricati: sono "
                   "indicate percentualmente come le spese per la progettazione (30% del totale) e, come le altre, "
                   "possono essere modificate."),
    QStringLiteral("Le spese destinate al collaudo comprendono onorari ed eventuali altre spese per le prove di "
                   "carico sui materiali e sulle strutture. Inoltre comprendono ogni altro tipo di collaudo, oltre "
                   "quello statico, qualora necessario. Sono valutate l'8% del totale."),
    QStringLiteral("Le spese per l'accatastamento del fabbricato comprendono onorari, tasse e quanto altro "
                   "necessario per accatastare l'opera, compreso l'eventuale redazione delle tabelle millesimali. "
                   "Sono valutate l'8% del totale delle spese tecniche."),
    QStringLiteral("Le spese per gli oneri urbanistici sono variabili secondo il Comune, la zona urbanistica, la "
                   "tipologia costruttiva. La distribuzione percentuale è valutata secondo un tipico esempio di "
                   "permesso di costruire."),
    QStringLiteral("Le spese per l'urbanizzazione primaria, da versare al Comune, sono quelle destinate a strade, "
                   "verde, parcheggi, reti di acqua, luce, fognatura, gas, telefono. La stima, come percentuale del "
                   "totale degli oneri urbanistici, è basata su un'ipotesi di costruzione di un edificio destinato "
                   "ad abitazione."),
    QStringLiteral("Le spese per l'urbanizzazione secondaria, da versare al Comune, sono quelle destinate ad "
                   "edifici pubblici a servizio del quartiere. La stima, come percentuale del totale degli oneri "
                   "urbanistici, è basata su un'ipotesi di costruzione di un edificio destinato ad abitazione."),
    QStringLiteral("Le spese per il costo di costruzione sono altri oneri da versare al Comune e dipendenti dalle "
                   "caratteristiche costruttive del fabbricato, oltre che dal Comune. La stima, come percentuale "
                   "del totale degli oneri urbanistici, è basata su un'ipotesi di costruzione di un edificio "
                   "destinato ad abitazione."),
    QStringLiteral("Le spese per la costruzione del fabbricato sono le più delicate da stimare per poter procedere "
                   "adeguatamente alla definizione del valore dell'area. Il programma effettua una ripartizione in "
                   "base alle singole voci in maniera percentuale (anch'essa è una stima, modificabile), ma è "
                   "possibile inserire valori ricavati dalla propria esperienza o dal mercato della zona."),
    QStringLiteral("Le spese per i materiali della costruzione comprendono tutto quanto necessario alla completa "
                   "realizzazione dell'immobile, fino alla sua abitabilità (escluso gli arredi mobili). Il dato, "
                   "impostato come percentuale (30%) del totale delle spese per la costruzione, è modificabile."),
    QStringLiteral("Le spese per la mano d'opera utilizzata nella costruzione comprendono tutte le somme necessarie "
                   "per le paghe degli operai, i contributi, le assicurazioni. Sono stimate nel 40% del totale."),
    QStringLiteral("Le spese per i mezzi meccanici riguardano i combustibili, l'energia elettrica, l'uso dei mezzi, "
                   "anche a nolo o come spese di ammortizzazione dei costi. Si comprende l'impalcatura, i camion, "
                   "gli escavatori, i gruppi elettrogeni, le gru e tutta l'attrezzatura di cantiere. Viene "
                   "considerata una percentuale del 10% del totale."),
    QStringLiteral("Le spese generali comprendono tutto quanto non riportato nelle voci precedenti. Si è stimata "
                   "una percentuale del 5% che può essere modificata secondo il mercato della zona ed il periodo "
                   "della stima dell'area."),
    QStringLiteral("Le spese per gli utili dell'impresa, ossia il guadagno riservato all'imprenditore che realizza "
                   "il fabbricato, sono stimate nel 15%, ma possono essere modificate per adeguarle al mercato del "
                   "momento. Non vanno compresi qui i profitti dovuti alla redditività del fabbricato: tale dato va "
                   "inserito a parte nella stima dell'area."),
    QStringLiteral("Il profitto dell'imprendito produttore, diverso dagli utili dell'impresa, è il guadagno di chi "
                   "anticipa le spese per la costruzione ed organizza la buona riuscita dell'iniziativa. In genere "
                   "varia tra il 10% ed il 30% del valore del fabbricato e cresce all'aumentare di quest'ultimo."),
    QStringLiteral("Il totale di costi non è altro che la stima delle spese necessarie per la realizzazione "
                   "dell'immobile che potrebbe sorgere, o che sia già stato edificato, sull'area oggetto di stima. "
                   "Per una migliore valutazione della costruzione è possibile servirsi della tabella di sinistra "
                   "che elabora i valori indicati scindendoli in percentuali di singole opere."),
};

} // namespace

FinestraOpere::Profilo Costare::profilo()
{
    Profilo p;
    p.numero = 3;
    p.nome = QStringLiteral("costare");
    p.titolo = QStringLiteral("Vantegra: analisi dei costi dell'edificio");
    p.tipo = &gTipoCosti;
    p.base = &gCostoCostruzione;
    p.flag = &gControlloCosti;
    p.totale = &gTotaleCosti;
    p.passoAzzeraAggiornamento = true;
    p.captionTotale = QStringLiteral("Totale dei lavori e delle percentuali");
    p.captionTotaleIniziale = QStringLiteral(" Totale dei lavori e delle percentuali ");
    p.captionCaratt = QStringLiteral("Caratteristiche dell'edificio (controllo dei costi)");
    p.tooltipCaratt = QStringLiteral("la distribuzione dei costi è riferita ad un fabbricato con almeno 100 vani, "
                                     "alto 5 piani");
    p.tooltipAnnulla = QStringLiteral("cliccare sulla X per annullare i costi relativi e ridistribuirli tra le "
                                      "restanti categorie");
    p.spiegazioni = spiegazioni;
    p.aiuto = QStringList{
        QStringLiteral("- Indicare i costi nelle caselle indicate con le lettere;"),
        QStringLiteral("- oppure aprire un file appropriato (Vantegra-costi-...) per prelevarne;"),
        QStringLiteral("- modificare, se necessaio, i valori delle caselle bianche;"),
        QStringLiteral("- scegliere la tipologia delle caratteristiche dell'edificio;"),
        QStringLiteral("- controllare i costi di costruzione con le percentuali preimpostate;"),
        QStringLiteral("- inserire il dato finale nella stima cliccando sul tasto TOTALE COSTI."),
    };
    p.conferma = QStringLiteral("Clicca su l tasto TOTALE COSTI per inserire il valore automaticamente nei dati "
                                "della stima del terreno.");
    p.archivio = ArchiveKind(QStringLiteral("Vantegra-costi-"),
                             QStringLiteral("Tutti i file (*.*)|*.*|File Vantegra-costi- | Vantegra-costi-*"),
                             QStringLiteral("File Vantegra-costi- | Vantegra-costi-*"),
                             QStringLiteral("dei costi"));
    p.suggerimentoFinale = QStringLiteral("cliccare sul tasto TOTALE COSTI per immettere il dato nella finestra "
                                          "principale di calcolo o archiviare i dati");
    p.sottotitolo = QStringLiteral("Finestra costi di realizzazione per un fabbricato con caratteristiche ");
    p.intestazioneImporti = QStringLiteral("costo in euro");
    p.totaleOpere = QStringLiteral("Totali costi");
    p.importiFormattati = true;
    p.intestazioneCategorie = QStringList{QStringLiteral("classe di tipologia"), QStringLiteral("tipologia di costo"),
                                          QStringLiteral("euro"), QStringLiteral("totale euro")};
    p.rigaTotale = QStringLiteral("Totale costi");
    p.parteNome = QStringLiteral("-CostiVantegra-");
    return p;
}

Costare::Costare(QWidget *parent)
    : FinestraOpere(profilo(), parent)
    , m_ui(new Ui::Costare)
{
    auto *centrale = new QWidget(this);
    m_ui->setupUi(centrale);

    const auto voci = [this, centrale](const auto &indici) {
        QList<QLineEdit *> caselle;
        for (int i : indici) {
            costo[i] = centrale->findChild<QLineEdit *>(QStringLiteral("costo_%1").arg(i));
            caselle << costo[i];
        }
        return caselle;
    };
    using categorie::Arrotondamento;
    m_categorie = {
        {m_ui->tecnich, &gSpeseTecniche, voci(vociTecniche), {0.30, 0.20, 0.04, 0.30, 0.08, 0.08}, Arrotondamento::Nessuno},
        {m_ui->oner, &gOneriUrbanistici, voci(vociOneri), {0.467, 0.304, 0.229}, Arrotondamento::MezzoInSu},
        {m_ui->costruz, &gCostoCostruzione, voci(vociCostruzione), {0.30, 0.40, 0.10, 0.05, 0.15}, Arrotondamento::Nessuno},
    };
    costo[Profitto] = m_ui->costo_18;
    m_profitto = costo[Profitto];
    m_casellaTotale = m_ui->total;
    m_suggerimenti = {
        {m_ui->tecnich, QStringLiteral("digitare un valore per le spese tecniche o immettere dati nei successivi "
                                       "campi relativi")},
        {m_ui->oner, QStringLiteral("digitare un valore per gli oneri urbanisticio immettere dati nei successivi "
                                    "campi relativi")},
        {m_ui->costruz, QStringLiteral("digitare un valore per le spese dovute alla costruzione del fabbricato o "
                                       "immettere dati nei successivi campi relativi")},
        {m_profitto, QStringLiteral("digitare un valore per il profitto dell'imprenditore")},
    };

    connect(m_ui->tecnich, &QLineEdit::textChanged, this, [this] { tecnich_Change(); });
    connect(m_ui->oner, &QLineEdit::textChanged, this, [this] { oner_Change(); });
    connect(m_ui->costruz, &QLineEdit::textChanged, this, [this] { costruz_Change(); });
    for (int i = 2; i <= Profitto; ++i) {
        if (costo[i])
            connect(costo[i], &QLineEdit::textChanged, this, [this, i] { costo_Change(i); });
    }
    connect(m_ui->cmdcosti, &QPushButton::clicked, this, [this] { cmdcosti_Click(); });

    coloraCaselle({m_ui->tecnich, m_ui->oner, m_ui->costruz}, m_ui->total);
    impostaFinestra(centrale);
}

Costare::~Costare() = default;

QLineEdit *Costare::casellaCostruzione() const
{
    return m_ui->costruz;
}

void Costare::tecnich_Change()
{
    categoria_Change(0);
}

void Costare::oner_Change()
{
    categoria_Change(1);
}

void Costare::costruz_Change()
{
    // The works-table step ends the spread (it puts InAggiornamento back to 0).
    if (ripartisciCategoria(m_categorie[2]))
        totaleCategorie();
    PassoTabella();
}

void Costare::costo_Change(int indice)
{
    // The profit is no item of any category: typing it adds to the total and leaves the
    // categories as typed (re-adding them from their rounded items would turn a typed 8001 into
    // 8000, and a reopened archive, which writes the profit last, would not give back its total).
    if (indice == Profitto) {
        totaleCategorie();
        Suggerimento();
        return;
    }
    voce_Change();
}

void Costare::cmdcosti_Click()
{
    tipoSeNessuno();
    // The total goes as the text the window shows, not rounded.
    Dati::RiceviTermine(gCostiTotali, m_ui->total->text());
}

void Costare::cancelladati_Click()
{
    for (int i = 2; i <= Profitto; ++i) {
        if (costo[i])
            scrivi(costo[i], QString());
    }
}

QList<FinestraOpere::Controllo> Costare::controlli() const
{
    return {
        {m_ui->tecnich, QStringLiteral("Digita un valore per le spese tecniche o nei campi successivi relativi."),
         vb::Information},
        {m_ui->oner, QStringLiteral("Digita un valore per gli oneri urbanistici o nei campi successivi relativi."),
         vb::Information},
        {m_ui->costruz, QStringLiteral("Digita un valore per i costi di costruzione o nei campi successivi relativi."),
         vb::Information},
        {m_ui->total, QStringLiteral("Digita valori riconoscibili nelle caselle dei singoli costi."), vb::Critical},
        {m_profitto, QStringLiteral("Digita valori riconoscibili per il profitto dell'imprenditore."), vb::Critical},
    };
}

QList<QLineEdit *> Costare::caselleArchivio() const
{
    return {m_ui->tecnich, m_ui->oner, m_ui->costruz, m_profitto};
}

QList<QLineEdit *> Costare::caselleRighe() const
{
    QList<QLineEdit *> caselle;
    for (int r = 1; r <= Profitto; ++r) {
        if (r == 1)
            caselle << m_ui->tecnich;
        else if (r == 8)
            caselle << m_ui->oner;
        else if (r == 12)
            caselle << m_ui->costruz;
        else
            caselle << costo[r];
    }
    return caselle;
}

#include "analyses/value_lot_rate/Superficie.h"
#include "ui_Superficie.h"

#include "core/Controlli.h"
#include "core/Dati.h"
#include "core/Modulo.h"
#include "core/WordExport.h"
#include "core/clsResize.h"
#include "platform/MsgBox.h"
#include "runtime/ArchiveRecord.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <functional>

std::array<Variant, NumeroCampiUrbanistici + 1> gDatiUrbanistici;

namespace {

const QColor giallo(255, 255, 0);     // a field's label
const QColor magenta(255, 0, 255);    // the label last clicked in its group

// What each field means, shown when its label is clicked: fields 1 to 19.
const char *const spiegazioniDati[19] = {
    "La zona va rilevata dallo strumento urbanistico (A, B, C, D, E).",
    "Il numero del foglio di mappa può essere verificato con una visura catastale.",
    "Il numero della particella del terreno può essere verificato con una visura catastale.",
    "L'indice di fabbricabilità è il numero dei metri cubi edificabili per ogni metro quadrato di superficie "
    "disponibile nel lotto. Varia da zona a zona (dipende dallo strumento urbanistico comunale) e da comune a comune.",
    "La superficie minima del lotto è l'area che lo strumento urbanistico può considerare come quella minima "
    "necessaria per poter costruire. Se il lotto ha un'area inferiore non è edificabile se non accorpandolo ad "
    "altri adiacenti.",
    "L'indice di copertura è la percentuale (da esprimere come numero frazionale) dell'area del lotto che può "
    "essere coperta da costruzioni.",
    "L'altezza massima consentita è stabilita dallo strumento urbanistico della zona.",
    "Il volume massimo consentito è stabilito dallo strumento urbanistico della zona. Non si può costruire "
    "oltre nella stessa sagoma ma, eventualmente, realizzando altri fabbricati a debita distanza dal primo.",
    "Il numero massimo dei piani, in genere riferito a quelli fuori terra, è stabilito dallo strumento "
    "urbanistico comunale per la data zona.",
    "La distanza dai confini va rilevata dallo strumento urbanistico per la data zona.",
    "La distanza dalla strada, oltre ad essere verificata nello strumento urbanistico comunale, deve essere "
    "valutata considerando le norme vigenti del Codice della Strada.",
    "La distanza dai fabbricati è in genere stabilita dallo strumento urbanistico del comune in base "
    "all'altezza degli edifici.",
    "La superficie del lotto da destinare a verde viene stabilita dallo strumento urbanistico in percentuale "
    "dell'area a disposizione (da esprimere come numero frazionale).",
    "La superficie da riservare a parcheggio è stabilità dalle leggi vigenti, in genere riportata come "
    "percentuale dell'area disponibile nello strumento urbanistico comunale (esprimere come numero frazionale).",
    "La lunghezza media del lotto serve per calcolare automaticamente il volume realizzabile.",
    "La larghezza media del lotto serve per calcolare automaticamente il volume realizzabile.",
    "La destinazione d'uso della zona è rilevabile dallo strumento urbanistico (serve per la relazione da "
    "stampare).",
    "L'indicazione della presenza o meno di zona sismica, e di quale categoria, serve per la relazione da "
    "stampare.",
    "La presenza di altri tipi di vincoli urbanistici (geologico, ambientale, paesistico, archeologico, ecc.) "
    "serve per la relazione da stampare.",
};

// Fields 20 to 33.
const char *const spiegazioniZona[14] = {
    "Indicare la pendenza media del lotto. Essa è strettamente correlata con la possibilità di poter camminare "
    "liberamenre a piedi, soprattutto nella stagione fredda ed in luoghi in cui si forma ghiaccio sulle strade. "
    "E' positiva una pendenza dolce anche perchè evita scavi e sbancamenti eccessivi.",
    "Un accesso comodo all'area, ed in particolare all'immobile da edificare, deve essere considerato "
    "specialmente nel caso che si tratti di locali ad uso commerciale o per uffici o comunque sia necessario "
    "avvicinarsi con automobili e altri mezzi meccanici.",
    "Anche la possibilità di parcheggiare comodamente e nei pressi dell'immobile è un motivo di valutazione "
    "positiva per la 'posizione igienica e ambientale' del lotto. Non bisogna però confondere il traffico "
    "veicolare con il parcheggio, meglio se privato o coperto.",
    "Per strutture amministrative bisogna intendere gli uffici aperti al pubblico del Comune, degli enti "
    "territoriali e di tutte le amministrazioni dello Stato che hanno rapporti diretti con il cittadino: una "
    "zona ben servita è naturalmente più appetibile ed il lotto (come pure il fabbricato) ha più valore.",
    "La vicinanza di un pronto soccorso, di un ambulatorio, di un servizio comunque sanitario utilizzabile con "
    "una certa frequenza dai cittadini deve essere valutata molto positivamente. Va però tenuto conto "
    "l'incidenza sul traffico e sull'inquinamento acustico.",
    "Un immobile vicino ad una scuola ha più valore sia se destinato ad abitazione, sia se usato per fini "
    "commerciali. Gli studenti poi sono sempre stati motivo di vitalità per tutta la zona da loro frequentata. "
    "I bar ed i ristoranti sono i primi a trarne beneficio.",
    "La presenza di strutture di tipo ricreativo sociale sono a vantaggio dell'immobile in quanto migliorano la "
    "qualità della vita urbana della zona: non vanno confuse con locali notturni e simili che arrecano "
    "probabilmente più disturbo che altro.",
    "Il verde pubblico, inteso non solo come strade alberate, ma specie come prati e giardini, è molto "
    "favorevolmente considerato da chi intende acquistare un immobile. La presenza nelle vicinanze di tali "
    "spazi è certamente la migliore delle situazioni urbane.",
    "L'ambiente umano, il quartiere inteso come persone che lo vivono, non deve essere sottovalutato "
    "specialmente se in zona avvengono episodi di malavita o di microcriminalità. Una realtà sociale tranquilla "
    "è l'obiettivo di ogni acquirente di un terreno edificabile.",
    "Dal punto di vista urbanistico va valutata l'esistenza in zona di piazze, luoghi d'incontro, paesaggi "
    "urbani e costruiti di pregio, edifici di qualità. Anche la cura e la manutenzione della parte di città in "
    "cui è sita l'area edificabile incide positivamente sulla valutazione.",
    "La vicinanza con centri commerciali, la presenza di negozi, di strutture economiche di qualunque genere "
    "interessanti la residenza, è motivo di valorizzazione dell'area da stimare, a maggior ragione se si sta "
    "valutando un lotto destinato ad attività commerciale.",
    "In questo caso bisogna intendere tutto ciò che non è stato già indicato in precedenza: servizi culturali "
    "(musei, biblioteche), servizi finanziari (banche, sportelli automatici), chiese, attrezzature sportive, ed "
    "altro utile comunque per l'appetibilità di un terreno edificabile.",
    "Le servitù attive fanno aumentare il valore del lotto in quanto appaiono come un'estensione della "
    "proprietà, come diritti esercitabili sulla proprietà di altri. Bisogna considerare perciò quanto esse sono "
    "indispensabili o meno per l'uso del fabbricato.",
    "Le servitù passive, poichè vanno a beneficio di un altro fondo, costituiscono sempre uno svantaggio per "
    "l'area da valutare. In questo caso bisogna considerare quanto incidono sulla libertà di uso della "
    "proprietà ed in qual misura sono sopportabili.",
};

// The three "?" buttons: lot surface, volume, gross surface.
const char *const spiegazioniStima[3] = {
    "La superficie del lotto è una stima in base ai dati urbanistici immessi. Essa è modificabile in base al "
    "dato reale. Può essere inserito nei dati della stima cliccando sul tasto SUPERFICIE DEL LOTTO.",
    "Il volume massimo edificabile è una stima ricavata automaticamente dai dati urbanistici, considerando i "
    "vari indici ed il volume massimo. Non tiene conto delle distanze dai confini e dai fabbricati che "
    "potrebbero ridurre il valore stimato.",
    "La superficie lorda del fabbricato è una stima dedotta dal volume massimo edificabile stimato diviso per "
    "un'altezza di m.3 dei piani. Potrebbe risultare un valore diverso considerando altri fattori specifici "
    "della zona e del lotto come le distanze dai confini e dai fabbricati e la forma dell'area.",
};

// Fields 4 to 8, the building index to the maximum volume: what the buildable estimate reads
// besides the lot surface.
bool campoDellaStima(int campo)
{
    return campo >= 4 && campo <= 8;
}

} // namespace

Superficie::Superficie(QWidget *parent)
    : AnalysisWindow(parent)
    , m_ui(new Ui::Superficie)
{
    QWidget *centrale = impostaForm(*m_ui, QStringLiteral("superficie"),
                                    QStringLiteral("Vantegra: dati urbanistici"));
    // The form is drawn for the analysis windows' own size (15 twips a pixel): the layout records
    // the controls at this size, so the load's final size shows them as drawn.
    clsResize::SetFormWidth(this, clsResize::kAnalysisWidth);
    clsResize::SetFormHeight(this, clsResize::kAnalysisHeight);

    for (int k = 1; k <= NumeroCampiUrbanistici; ++k) {
        m_urban[k] = centrale->findChild<QLineEdit *>(QStringLiteral("urban_%1").arg(k));
        connect(m_urban[k], &QLineEdit::textChanged, this, [this, k] { urban_Change(k); });
    }
    for (int j = 1; j <= 19; ++j) {
        m_descrive[j] = centrale->findChild<QLabel *>(QStringLiteral("descrive_%1").arg(j));
        alClic(m_descrive[j], [this, j] { descrive_Click(j); });
        m_descrive[j]->setCursor(Qt::PointingHandCursor);
    }
    for (int j = 1; j <= 14; ++j) {
        m_dezona[j] = centrale->findChild<QLabel *>(QStringLiteral("dezona_%1").arg(j));
        alClic(m_dezona[j], [this, j] { dezona_Click(j); });
        m_dezona[j]->setCursor(Qt::PointingHandCursor);
    }
    RipristinaColoriDati();
    RipristinaColoriZona();

    connect(m_ui->suplot, &QLineEdit::textChanged, this, [this] { suplot_Change(); });
    connect(m_ui->cmdlotto, &QPushButton::clicked, this, [this] { cmdlotto_Click(); });
    connect(m_ui->aiuto, &QPushButton::clicked, this, [this] { aiuto_Click(); });
    const QPushButton *inform[] = {m_ui->inform_1, m_ui->inform_2, m_ui->inform_3};
    for (int j = 1; j <= 3; ++j)
        connect(inform[j - 1], &QPushButton::clicked, this, [this, j] { inform_Click(j); });

    setupCommandFamily();
}

Superficie::~Superficie() = default;

void Superficie::caricaControlli()
{
    SuggerimentoSuperficie();
}

void Superficie::azzeraDatiFinestra()
{
    gDatiUrbanistici.fill(Variant());
}

// --- fields and estimate ---------------------------------------------------------------------

QString Superficie::urban(int campo) const
{
    return campo >= 1 && campo <= NumeroCampiUrbanistici ? m_urban[campo]->text() : QString();
}

void Superficie::setUrban(int campo, const QString &testo)
{
    if (campo >= 1 && campo <= NumeroCampiUrbanistici)
        scriviTesto(m_urban[campo], testo);
}

QString Superficie::suplot() const { return m_ui->suplot->text(); }

void Superficie::setSuplot(const QString &testo)
{
    scriviTesto(m_ui->suplot, testo);
}

QString Superficie::vol() const { return m_ui->vol->text(); }
QString Superficie::suplord() const { return m_ui->suplord->text(); }

QString Superficie::descrive(int indice) const
{
    return indice >= 1 && indice <= 19 ? m_descrive[indice]->text() : QString();
}

QString Superficie::dezona(int indice) const
{
    return indice >= 1 && indice <= 14 ? m_dezona[indice]->text() : QString();
}

CampiUrbanistici Superficie::campi() const
{
    CampiUrbanistici c;
    for (int k = 1; k <= NumeroCampiUrbanistici; ++k)
        c[k] = m_urban[k]->text();
    return c;
}

void Superficie::urban_Change(int index)
{
    const QString testo = m_urban[index]->text();
    gDatiUrbanistici[index] = testo;
    if (campoNumerico(index) && !RegolaNumerica(testo)) {
        MessaggioRegolaNumerica();
        return;
    }
    const QString lunghezza = m_urban[CampoLunghezza]->text();
    const QString larghezza = m_urban[CampoLarghezza]->text();
    if (lunghezza.isEmpty() || larghezza.isEmpty()) {
        // The lot surface may have been typed rather than worked out: the estimate follows its
        // indices all the same.
        if (campoDellaStima(index))
            StimaEdificabilita();
        return;
    }
    // Only the length and the width put their product into the lot surface: a surface the user
    // typed there stays while the other fields are edited.
    if (index == CampoLunghezza || index == CampoLarghezza) {
        if (const std::optional<QString> s = superficieLotto(lunghezza, larghezza))
            scriviTesto(m_ui->suplot, *s);
    }
    SuggerimentoSuperficie();
    StimaEdificabilita();
}

void Superficie::suplot_Change()
{
    StimaEdificabilita();
}

void Superficie::StimaEdificabilita()
{
    DatiEdificabilita dati;
    dati.indice = m_urban[4]->text();
    dati.lottoMinimo = m_urban[5]->text();
    dati.copertura = m_urban[6]->text();
    dati.altezza = m_urban[7]->text();
    dati.volumeMassimo = m_urban[8]->text();
    dati.superficie = m_ui->suplot->text();
    const Edificabilita stima = stimaEdificabilita(dati, {m_ui->vol->text(), m_ui->suplord->text()});
    scriviTesto(m_ui->vol, stima.volume);
    scriviTesto(m_ui->suplord, stima.superficieLorda);
}

void Superficie::SuggerimentoSuperficie()
{
    m_ui->passo->setText(m_urban[1]->text().isEmpty()
                             ? QStringLiteral("prelevare i dati dall'archivio oppure digitarli direttamente nei campi bianchi")
                             : QStringLiteral("digitare tutti i dati e confrontare la stima dell'edificabilità con i "
                                              "valori rilevabili dai documenti tecnici"));
}

// --- explanations ----------------------------------------------------------------------------

void Superficie::RipristinaColoriDati()
{
    for (int j = 1; j <= 19; ++j)
        coloraSfondo(m_descrive[j], giallo);
}

void Superficie::RipristinaColoriZona()
{
    for (int j = 1; j <= 14; ++j)
        coloraSfondo(m_dezona[j], giallo);
}

void Superficie::descrive_Click(int index)
{
    RipristinaColoriDati();
    coloraSfondo(m_descrive[index], magenta);
    MsgBox(QString::fromUtf8(spiegazioniDati[index - 1]), vb::Information, gTitoloAiuto.text());
}

void Superficie::dezona_Click(int index)
{
    RipristinaColoriZona();
    coloraSfondo(m_dezona[index], magenta);
    MsgBox(QString::fromUtf8(spiegazioniZona[index - 1]), vb::Information, gTitoloAiuto.text());
}

void Superficie::inform_Click(int index)
{
    MsgBox(QString::fromUtf8(spiegazioniStima[index - 1]), vb::Information, gTitoloAiuto.text());
}

void Superficie::aiuto_Click()
{
    const QString testo = QStringLiteral("- Immettere i dati digitandoli in ogni campo;\r"
                                         "- o aprire un file archiviato per prelevare i dati registrati (Vantegra-superfici-...);\r"
                                         "- controllare i risultati automatici della stima dell'edificabilità;\r"
                                         "- digitare il valore esatto della superficie del lotto;\r"
                                         "- cliccare sul tasto relativo per immettere il dato nella stima del terreno.");
    MsgBox(testo, vb::Information, gTitoloAiuto.text());
}

// --- transfer --------------------------------------------------------------------------------

void Superficie::cmdlotto_Click()
{
    // Sent as the text the box holds, an empty one included.
    Dati::RiceviTermine(gSuperficie, Variant(m_ui->suplot->text()));
}

// --- check and clearing ----------------------------------------------------------------------

Variant &Superficie::flagControllo()
{
    return gControlloSuperficie;
}

void Superficie::controlla_click()
{
    switch (controllaCampiUrbanistici(campi())) {
    case EsitoControlloUrbanistico::NessunDato:
        MsgBox(QStringLiteral("Non è stato immesso alcun dato urbanistico."), vb::Question, gTitoloControllo);
        return;
    case EsitoControlloUrbanistico::CampoVuoto:
        MsgBox(QStringLiteral("Per una stampa esauriente è consigliabile inserire dati in ogni campo."),
               vb::Information, gTitoloControllo);
        return;
    case EsitoControlloUrbanistico::Completo:
        break;
    }
    if (gControlloSuperficie.present() && gControlloSuperficie.leading() == 1)
        gControlloSuperficie = 0;
    else
        MsgBox(QStringLiteral("I dati sono stati immessi correttamente"), vb::Information, gTitoloControllo);
}

void Superficie::cancelladati_Click()
{
    for (int k = 1; k <= NumeroCampiUrbanistici; ++k)
        scriviTesto(m_urban[k], QString());
    scriviTesto(m_ui->suplot, QString());
    scriviTesto(m_ui->vol, QString());
    scriviTesto(m_ui->suplord, QString());
}

// --- archive ---------------------------------------------------------------------------------

AnalysisWindow::ArchiveKind Superficie::archivio() const
{
    return {QStringLiteral("Vantegra-sup-"),
            QStringLiteral("Tutti i file (*.*)|*.*|File Vantegra-sup- | Vantegra-sup-*"),
            QStringLiteral("File Vantegra-sup- | Vantegra-sup-*"),
            QStringLiteral("dei dati urbanistici")};
}

void Superficie::scriviArchivio(ArchiveWriter &writer)
{
    const CampiUrbanistici c = campi();
    scriviArchivioUrbanistica(writer, c, superficieDaConservare(c, suplot()));
}

bool Superficie::leggiArchivio(const ArchiveReader &reader, QString *motivo)
{
    CampiUrbanistici letti;
    std::optional<QString> superficie;
    if (!leggiArchivioUrbanistica(reader, letti, motivo, &superficie))
        return false;
    comeAppenaCaricata();
    // Each field's handler runs as it is written: the lot surface and the estimate follow the file.
    for (int k = 1; k <= NumeroCampiUrbanistici; ++k)
        setUrban(k, letti[k]);
    if (superficie)
        setSuplot(*superficie);
    return true;
}

// --- Word export -----------------------------------------------------------------------------

void Superficie::solodati_Click()
{
    WordExport::Intestazione stile;
    stile.corpoIntestazione = 20;
    stile.capiIntestazione = 2;
    stile.corpoTitolo = 14;
    stile.corpoTesto = 12;
    auto ex = WordExport::inizia(QStringLiteral("Finestra dati tecnici e urbanistici"), stile);
    if (!ex)
        return;

    auto dati = ex->tabella(20, 2);
    dati.cella(1, 1, QStringLiteral("tipologia"));
    dati.cella(1, 2, QStringLiteral("valore"));
    for (int i = 1; i <= 19; ++i) {
        dati.cella(i + 1, 1, descrive(i));
        dati.cella(i + 1, 2, urban(i));
    }
    ex->formatta(dati);
    ex->nuovoParagrafo();

    auto zona = ex->tabella(15, 2);
    zona.cella(1, 1, QStringLiteral("caratteristica"));
    zona.cella(1, 2, QStringLiteral("qualità"));
    for (int i = 1; i <= 14; ++i) {
        zona.cella(i + 1, 1, dezona(i));
        zona.cella(i + 1, 2, urban(19 + i));
    }
    ex->formatta(zona);
    ex->nuovoParagrafo();

    auto stima = ex->tabella(4, 2);
    stima.cella(1, 1, QStringLiteral("edificabilità"));
    stima.cella(1, 2, QStringLiteral("valore"));
    stima.cella(2, 1, m_ui->cmdlotto->text());
    stima.numero(2, 2, Variant(suplot()));
    stima.cella(3, 1, m_ui->Label2->text());
    stima.numero(3, 2, Variant(vol()));
    stima.cella(4, 1, m_ui->Label3->text());
    stima.numero(4, 2, Variant(suplord()));
    ex->formatta(stima);

    ex->allineaDestra(3, QList<int>{2});
    ex->salva(QStringLiteral("-UrbanisticaVantegra-"));
}

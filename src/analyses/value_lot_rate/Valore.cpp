#include "analyses/value_lot_rate/Valore.h"
#include "ui_Valore.h"

#include "core/Controlli.h"
#include "core/Dati.h"
#include "core/Modulo.h"
#include "core/WindowRegistry.h"
#include "core/WordExport.h"
#include "platform/MsgBox.h"
#include "platform/Shell.h"
#include "runtime/ArchiveRecord.h"

#include <QComboBox>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>

namespace {

const QString NomeFinestra = QStringLiteral("valore");

const QColor giallo(255, 255, 0);     // a characteristic
const QColor magenta(255, 0, 255);    // the characteristic last clicked
const QColor ciano(0, 255, 255);      // a coefficient

const char *const spiegazioni[6] = {
    "",
    "Si tratta della posizione che l'edificio ha rispetto al cuore della città, al 'centro' inteso come "
    "luogo dove si svolge la vita urbana più appetibile dai cittadini. All'aumentare della distanza da esso "
    "diminuisce il valore dell'immobile per questa caratteristica. Bisogna però valutare anche la distanza "
    "dalla estrema periferia e bilanciare il giudizio considerando gli estremi in positivo ed in negativo.",
    "Il mercato valuta anche l'ambiente circostante l'edificio sia in termini di igiene (soleggiamento, "
    "ventosità, vicinanza di fabbriche o luoghi inquinanti), sia in termini di decoro urbanistico (presenza "
    "di servizi sociali, di scuole, di locali pubblici) e architettonico come possono essere le strade con "
    "buona manutenzione, con verde, con ordine e tranquillità, oppure con presenza di edifici di valore "
    "artistico.",
    "La statica dell'immobile è importante soprattutto per le costruzioni di vecchia data e di difficile o "
    "costosa ristrutturazione. Va valutata la rispondenza alle norme antisimiche della zona, il grado di "
    "sicurezza, la presenza o meno di lesioni, la vicinanza a luoghi franosi o con pericoli di qualunque "
    "genere provenienti dal terreno di fondazione. L'invecchiamento di parti strutturali fa diminuire il "
    "valore.",
    "E' chiaro che un edificio ricco di impianti tecnologici (ad esempio l'ascensore in costruzioni a più "
    "piani) vale molto più di un altro che ne è privo. Ma bisogna valutare anche la possibilità che gli "
    "impianti mancanti possano essere inseriti con facilità: diversamente il giudizio deve diventare "
    "negativo. Gli impianti da considerare in primo luogo sono quelli essenziali all'uso a cui l'immobile è "
    "destinato.",
    "Non sempre viene considerata dagli acquirenti questa caratteristica, ma essa non va sottovalutata "
    "assegnandole un peso, in percentuale, minore delle altre in quanto una buona distribuzione degli spazi "
    "consente una vita più tranquilla e meno stressante all'interno dell'immobile, specie se si tratta di "
    "ambienti vissuti molto intensamente nella giornata. Riferirsi soprattutto alle scale.",
};

const QString messaggioCosto = QStringLiteral("Digitare il costo unitario al mq.");

// A small globe: the price page lives on the web.
QIcon iconaInternet()
{
    QPixmap pm(64, 64);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF globo(6, 6, 52, 52);
    p.setPen(QPen(QColor(20, 70, 140), 3));
    p.setBrush(QColor(120, 180, 235));
    p.drawEllipse(globo);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(20, 6, 24, 52));
    p.drawLine(QPointF(32, 6), QPointF(32, 58));
    p.drawLine(QPointF(6, 32), QPointF(58, 32));
    QPainterPath paralleli;
    paralleli.moveTo(11, 19);
    paralleli.quadTo(32, 25, 53, 19);
    paralleli.moveTo(11, 45);
    paralleli.quadTo(32, 39, 53, 45);
    p.drawPath(paralleli);
    return QIcon(pm);
}

WindowState &statoFinestra()
{
    return WindowRegistry::state(NomeFinestra);
}

} // namespace

Valore::Valore(QWidget *parent)
    : AnalysisWindow(parent)
    , m_ui(new Ui::Valore)
{
    QWidget *centrale = impostaForm(*m_ui, NomeFinestra,
                                    QStringLiteral("Vantegra: analisi del valore del fabbricato"));

    for (int i = 1; i <= Caratteristiche; ++i) {
        const QString n = QString::number(i);
        caratt[i] = centrale->findChild<QLabel *>(QStringLiteral("caratt_") + n);
        HScroll1[i] = centrale->findChild<QScrollBar *>(QStringLiteral("HScroll1_") + n);
        coeff[i] = centrale->findChild<QLabel *>(QStringLiteral("coeff_") + n);
        alClic(caratt[i], [this, i] { caratt_Click(i); });
        caratt[i]->setCursor(Qt::PointingHandCursor);
        coloraSfondo(caratt[i], giallo);
        coloraSfondo(coeff[i], ciano);
        connect(HScroll1[i], &QScrollBar::valueChanged, this, [this, i] { HScroll1_Change(i); });
    }
    for (int k = 1; k <= Righe; ++k) {
        const QString n = QString::number(k);
        tipol[k] = centrale->findChild<QLineEdit *>(QStringLiteral("tipol_") + n);
        sup[k] = centrale->findChild<QLineEdit *>(QStringLiteral("sup_") + n);
        ragg[k] = centrale->findChild<QComboBox *>(QStringLiteral("ragg_") + n);
        suptot[k] = centrale->findChild<QLineEdit *>(QStringLiteral("suptot_") + n);

        // The weighting list. Filled before the handlers are connected: a combo box selects its
        // first item as it gets it, which is no choice of the user's.
        QComboBox *combo = ragg[k];
        combo->setCompleter(nullptr);   // completing "1" to "100" would change what is typed
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->addItems({QStringLiteral("100"), QStringLiteral(" 50"), QStringLiteral(" 25")});
        combo->setCurrentIndex(-1);
        combo->setEditText(QString());

        connect(tipol[k], &QLineEdit::textChanged, this, [this, k] { tipol_Change(k); });
        connect(sup[k], &QLineEdit::textChanged, this, [this, k] { sup_Change(k); });
        connect(combo, &QComboBox::editTextChanged, this, [this, k] { ragg_Change(k); });
        connect(combo, &QComboBox::activated, this, [this, k] { ragg_Click(k); });
    }
    suptot[11] = centrale->findChild<QLineEdit *>(QStringLiteral("suptot_11"));
    for (int i = 1; i <= 4; ++i) {
        inform[i] = centrale->findChild<QPushButton *>(QStringLiteral("inform_%1").arg(i));
        connect(inform[i], &QPushButton::clicked, this, [this, i] { inform_Click(i); });
    }
    connect(m_ui->costmq, &QLineEdit::textChanged, this, [this] { costmq_Change(); });
    connect(m_ui->internet, &QPushButton::clicked, this, [this] { internet_Click(); });
    connect(m_ui->cmdstima, &QPushButton::clicked, this, [this] { cmdstima_Click(); });
    connect(m_ui->aiuto, &QPushButton::clicked, this, [this] { aiuto_Click(); });

    m_ui->internet->setIcon(iconaInternet());
    m_ui->cmdesci->setIcon(QIcon(QStringLiteral(":/toolbar/uscita.png")));

    setupCommandFamily();
}

Valore::~Valore() = default;

void Valore::caricaControlli()
{
    for (int k = 1; k <= Righe; ++k)
        tipol[k]->setToolTip(QStringLiteral("sommare tutte le superficie che hanno lo stesso ragguaglio ed inserirle una per riga"));
    SuggerimentoValore();
}

void Valore::azzeraDatiFinestra()
{
    valore::azzeraDatiModulo();
    statoFinestra().valori.remove(QStringLiteral("RigaAttiva"));
    statoFinestra().valori.remove(QStringLiteral("SuperficiDigitate"));
}

QList<const QWidget *> Valore::vistaUtente() const
{
    // The explanation of the characteristic last clicked stays, as its highlight does.
    return {m_ui->appunti};
}

// --- form data -------------------------------------------------------------------------------

int Valore::rigaAttiva() const
{
    return statoFinestra().valori.value(QStringLiteral("RigaAttiva")).toInt();
}

void Valore::setRigaAttiva(int riga)
{
    statoFinestra().valori.insert(QStringLiteral("RigaAttiva"), riga);
}

Variant Valore::superficieDigitata(int riga) const
{
    const QVariantList lista = statoFinestra().valori.value(QStringLiteral("SuperficiDigitate")).toList();
    if (riga < 0 || riga >= lista.size() || !lista.at(riga).isValid())
        return Variant();
    return Variant(lista.at(riga).toDouble());
}

void Valore::setSuperficieDigitata(int riga, const Variant &valore)
{
    QVariantList lista = statoFinestra().valori.value(QStringLiteral("SuperficiDigitate")).toList();
    while (lista.size() <= Righe)
        lista.append(QVariant());
    lista[riga] = valore.isNumber() ? QVariant(valore.rawNumber()) : QVariant();
    statoFinestra().valori.insert(QStringLiteral("SuperficiDigitate"), lista);
}

std::array<Variant, 11> Valore::superficiDigitate() const
{
    std::array<Variant, 11> out;
    for (int k = 1; k <= Righe; ++k)
        out[k] = superficieDigitata(k);
    return out;
}

// --- writing controls: the same text runs nothing, another one runs the control's handler --------

void Valore::scrivi(QLineEdit *box, const QString &testo)
{
    scriviTesto(box, testo);
}

void Valore::scrivi(QComboBox *box, const QString &testo)
{
    if (box->currentText() != testo)
        box->setEditText(testo);
}

void Valore::scrivi(QLabel *label, const QString &testo)
{
    if (label->text() != testo)
        label->setText(testo);
}

QString Valore::testo(const QComboBox *box)
{
    return box->currentText();
}

bool Valore::regolaImmissione(QWidget *box, const QString &testo, bool conSpazi)
{
    if (RegolaNumerica(testo, conSpazi))
        return true;
    MessaggioRegolaNumerica();
    box->setFocus();
    return false;
}

// --- coefficients ----------------------------------------------------------------------------

void Valore::HScroll1_Change(int index)
{
    const QString c = valore::testoCoefficiente(HScroll1[index]->value());
    scrivi(coeff[index], c);
    gCoefficienti[index] = c;
    scrivi(m_ui->coeffic, valore::mediaCoefficienti(gCoefficienti));
    CalcolaStima();
}

void Valore::RipristinaColori()
{
    for (int i = 1; i <= Caratteristiche; ++i)
        coloraSfondo(caratt[i], giallo);
}

void Valore::caratt_Click(int index)
{
    RipristinaColori();
    coloraSfondo(caratt[index], magenta);
    m_ui->appunti->setText(QString::fromUtf8(spiegazioni[index]));
}

// --- rooms -----------------------------------------------------------------------------------

void Valore::tipol_Change(int index)
{
    gNomiAmbienti[index] = tipol[index]->text();
    int n = 0;
    for (int k = 1; k <= Righe; ++k) {
        if (!tipol[k]->text().isEmpty())
            ++n;
    }
    gNumeroAmbienti = n;
    // The row counts as it stands, whichever of its boxes changed last.
    RicalcolaRiga(index);
    calcolaTotaliEValore();
}

void Valore::sup_Change(int index)
{
    setRigaAttiva(index);
    // An emptied surface takes its row out of the totals at once.
    if (!regolaImmissione(sup[index], sup[index]->text(), false))
        return;
    CalcolaStima();
}

void Valore::ragg_Change(int index)
{
    setRigaAttiva(index);
    if (!regolaImmissione(ragg[index], testo(ragg[index]), true))
        return;
    CalcolaStima();
}

void Valore::ragg_Click(int index)
{
    setRigaAttiva(index);
    CalcolaStima();
}

void Valore::costmq_Change()
{
    if (!regolaImmissione(m_ui->costmq, m_ui->costmq->text(), false))
        return;
    SuggerimentoValore();
    CalcolaStima();
}

// --- the computation -------------------------------------------------------------------------

void Valore::CalcolaStima()
{
    const int r = rigaAttiva();
    if (r < 1 || r > Righe)
        return;
    RicalcolaRiga(r);
    calcolaTotaliEValore();
}

void Valore::RicalcolaRiga(int k)
{
    const QString s = sup[k]->text();
    const QString p = testo(ragg[k]);
    if (!RegolaNumerica(s, false) || !RegolaNumerica(p, true))
        return;
    const std::optional<QString> ragguagliata =
        valore::rigaCompleta(s, p) ? valore::superficieRagguagliata(s, p) : std::nullopt;
    if (!ragguagliata) {
        setSuperficieDigitata(k, Variant());
        scrivi(suptot[k], QString());
        gSuperficiRagguagliate[k] = Variant();
        return;
    }
    setSuperficieDigitata(k, *Variant(s).numeric());
    scrivi(suptot[k], *ragguagliata);
    gSuperficiRagguagliate[k] = *ragguagliata;
}

void Valore::calcolaTotaliEValore()
{
    std::array<QString, 11> superfici, ragguagli;
    for (int k = 1; k <= Righe; ++k) {
        superfici[k] = sup[k]->text();
        ragguagli[k] = testo(ragg[k]);
    }
    const valore::Totali t = valore::totali(superfici, ragguagli, superficiDigitate(), gSuperficiRagguagliate);
    scrivi(m_ui->superf, t.superf);
    scrivi(m_ui->supt, t.supt);
    scrivi(suptot[11], t.superf);

    const std::optional<valore::Stima> v = valore::stima(m_ui->superf->text(), m_ui->coeffic->text(), m_ui->costmq->text());
    if (!v)
        return;
    scrivi(m_ui->stimatotal, v->stimatotal);
    scrivi(m_ui->valor, v->valor);
    scrivi(m_ui->valoreuro, v->valoreuro);
}

void Valore::RicalcolaTutto()
{
    // A row the file leaves incomplete keeps nothing of what the window showed before the read.
    for (int k = 1; k <= Righe; ++k)
        RicalcolaRiga(k);
    calcolaTotaliEValore();
}

// --- explanations, price page, transfer ------------------------------------------------------

void Valore::inform_Click(int index)
{
    switch (index) {
    case 1:
        MsgBox(QStringLiteral("Il coefficiente di stima è la media dei coefficienti espressi per ogni caratteristica. "
                              "Maggiore è il valore di tale coefficiente, più vicina sarà la stima al valore del "
                              "fabbricato di riferimento."),
               vb::Information, gTitoloControllo);
        break;
    case 2:
        MsgBox(QStringLiteral("La superficie totale ragguagliata è la somma delle singole tipologie di superfici "
                              "moltiplicate per il rispettivo ragguaglio."),
               vb::Information, gTitoloControllo);
        break;
    case 3:
        MsgBox(QStringLiteral("Il costo unitario al mq. è il prezzo a metro quadrato pagato di recente nella zona per "
                              "i migliori edifici simili. Lo si trova innanzitutto negli atti notarili di "
                              "compravendita, nelle pubblicazioni sul mercato immobiliare oppure su internet: il "
                              "pulsante accanto apre le quotazioni immobiliari pubblicate dall'Agenzia delle Entrate."),
               vb::Information, gTitoloControllo);
        break;
    case 4:
        MsgBox(QStringLiteral("La stima del fabbricato, oppure il valore di un edificio esistente, viene calcolato "
                              "dopo l'inserimento dei dati richiesti in questa finestra."),
               vb::Information, gTitoloAiuto.text());
        break;
    default:
        break;
    }
}

QString Valore::paginaPrezzi()
{
    return QStringLiteral("https://www.agenziaentrate.gov.it/portale/web/guest/schede/fabbricatiterreni/omi/"
                          "banche-dati/quotazioni-immobiliari");
}

int Valore::Link(const QString &indirizzo)
{
    // As the shell reports it: above 32 when the page was handed to a browser, 31 (no program
    // associated) otherwise.
    return ShellOpen(indirizzo) ? 42 : 31;
}

void Valore::internet_Click()
{
    Link(paginaPrezzi());
}

void Valore::cmdstima_Click()
{
    Dati::RiceviTermine(gValoreMercato, Variant(m_ui->stimatotal->text()));
}

// --- check, clearing, help, hint -------------------------------------------------------------

Variant &Valore::flagControllo()
{
    return gControlloValore;
}

void Valore::controlla_click()
{
    QString righe[4];
    for (int k = 1; k <= Caratteristiche; ++k) {
        if (coeff[k]->text().isEmpty())
            righe[0] = QStringLiteral("- assegnare un coefficiente ad ogni caratteristica;");
    }
    if (tipol[1]->text().isEmpty())
        righe[1] = QStringLiteral("- digitare la tipologia di almeno una superficie;");
    if (sup[1]->text().isEmpty())
        righe[2] = QStringLiteral("- digitare almeno una superficie;");
    if (testo(ragg[1]).isEmpty())
        righe[3] = QStringLiteral("- scegliere almeno un ragguaglio;");

    if (righe[0].isEmpty() && righe[1].isEmpty() && righe[2].isEmpty() && righe[3].isEmpty()) {
        if (gControlloValore.present() && gControlloValore.leading() == 1)
            gControlloValore = 0;
        else
            MsgBox(QStringLiteral("I dati sono stati immessi correttamente."), vb::Information, gTitoloControllo);
        return;
    }
    const QChar cr(13);
    MsgBox(righe[0] + cr + righe[1] + cr + righe[2] + cr + righe[3], vb::Critical, gTitoloControllo);
}

void Valore::cancelladati_Click()
{
    for (int k = 1; k <= Caratteristiche; ++k) {
        scrivi(coeff[k], QString());
        HScroll1[k]->setValue(0);
    }
    for (int k = 1; k <= Righe; ++k) {
        scrivi(tipol[k], QString());
        scrivi(sup[k], QString());
        scrivi(ragg[k], QString());
        scrivi(suptot[k], QString());
    }
    scrivi(m_ui->coeffic, QString());
    scrivi(m_ui->superf, QString());
    scrivi(m_ui->costmq, QString());
    scrivi(m_ui->stimatotal, QString());
    scrivi(m_ui->valor, QString());
    scrivi(m_ui->valoreuro, QString());
}

void Valore::aiuto_Click()
{
    const QString titolo = gTitoloAiuto.text();
    for (int k = 1; k <= Caratteristiche; ++k) {
        if (coeff[k]->text().isEmpty()) {
            MsgBox(QStringLiteral("Immettere un coefficiente per ogni caratteristica del fabbricato."), vb::Critical, titolo);
            return;
        }
    }
    if (tipol[1]->text().isEmpty()) {
        MsgBox(QStringLiteral("Indicare la tipologia di almeno una superficie del fabbricato."), vb::Critical, titolo);
        return;
    }
    for (int k = 1; k <= Righe; ++k) {
        if (tipol[k]->text().isEmpty())
            continue;
        if (sup[k]->text().isEmpty()) {
            MsgBox(QStringLiteral("Digitare la superficie della tipologia n.") + Str(k) + QStringLiteral(" del fabbricato."),
                   vb::Critical, titolo);
            return;
        }
        if (testo(ragg[k]).isEmpty()) {
            MsgBox(QStringLiteral("Stabilire il ragguaglio della superficie n.") + Str(k) + QStringLiteral(" del fabbricato."),
                   vb::Critical, titolo);
            return;
        }
    }
    if (m_ui->costmq->text().isEmpty()) {
        MsgBox(messaggioCosto, vb::Critical, titolo);
        return;
    }
    MsgBox(QStringLiteral("Correggere i dati, archiviarli o cliccare su TOTALE STIMA per immettere, automaticamente, "
                          "il dato nella valutazione dell'area fabbricabile."),
           vb::Information, titolo);
}

void Valore::SuggerimentoValore()
{
    QLabel *passo = m_ui->passo;
    if (coeff[1]->text().isEmpty()) {
        passo->setText(QStringLiteral("aprire un file archiviato o iniziare ad immettere i coefficienti per le caratteristiche"));
        return;
    }
    for (int k = 2; k <= Caratteristiche; ++k) {
        if (coeff[k]->text().isEmpty()) {
            passo->setText(QStringLiteral("immettere il coefficiente per la caratteristica n.") + Str(k)
                           + QStringLiteral(" del fabbricato"));
            return;
        }
    }
    if (tipol[1]->text().isEmpty()) {
        passo->setText(QStringLiteral("indicare la tipologia di almeno una superficie del fabbricato"));
        return;
    }
    for (int k = 1; k <= Righe; ++k) {
        if (tipol[k]->text().isEmpty())
            continue;
        if (sup[k]->text().isEmpty()) {
            passo->setText(QStringLiteral("digitare la superficie della tipologia n.") + Str(k)
                           + QStringLiteral(" del fabbricato"));
            return;
        }
        if (testo(ragg[k]).isEmpty()) {
            passo->setText(QStringLiteral("scegliere il ragguaglio della superficie n.") + Str(k)
                           + QStringLiteral("  del fabbricato"));
            return;
        }
    }
    if (m_ui->costmq->text().isEmpty()) {
        // The line keeps what it said; the missing price is asked for out loud.
        MsgBox(messaggioCosto, vb::Critical, gTitoloAiuto.text());
        return;
    }
    passo->setText(QStringLiteral("correggere, archiviare i dati o andare oltre nell'elaborazione cliccando sul tasto TOTALE STIMA"));
}

// --- archive ---------------------------------------------------------------------------------

AnalysisWindow::ArchiveKind Valore::archivio() const
{
    return {QStringLiteral("Vantegra-valore-"),
            QStringLiteral("Tutti i file (*.*)|*.*|File Vantegra-valore- | Vantegra-valore-*"),
            QStringLiteral("File Vantegra-valore- | Vantegra-valore-*"),
            QStringLiteral("del valore del fabbricato")};
}

valore::Archivio Valore::archivioFinestra() const
{
    valore::Archivio a;
    for (int k = 1; k <= Caratteristiche; ++k)
        a.barre[k] = HScroll1[k]->value();
    for (int k = 1; k <= Righe; ++k) {
        a.tipol[k] = tipol[k]->text();
        a.sup[k] = sup[k]->text();
        a.ragg[k] = testo(ragg[k]);
    }
    a.costmq = m_ui->costmq->text();
    return a;
}

void Valore::applicaArchivio(const valore::Archivio &archivio)
{
    for (int k = 1; k <= Caratteristiche; ++k) {
        // A bar already at the position read still takes its coefficient from it, so that a
        // saved coefficient always comes back, whatever the bar stood at before.
        if (HScroll1[k]->value() == archivio.barre[k])
            HScroll1_Change(k);
        else
            HScroll1[k]->setValue(archivio.barre[k]);
    }
    for (int k = 1; k <= Righe; ++k) {
        scrivi(tipol[k], archivio.tipol[k]);
        scrivi(sup[k], archivio.sup[k]);
        scrivi(ragg[k], archivio.ragg[k]);
    }
    scrivi(m_ui->costmq, archivio.costmq);
    // Rows emptied by the reading must stop counting in the totals.
    RicalcolaTutto();
}

void Valore::scriviArchivio(ArchiveWriter &writer)
{
    valore::scriviArchivio(writer, archivioFinestra());
}

bool Valore::leggiArchivio(const ArchiveReader &reader, QString *motivo)
{
    valore::Archivio a;
    if (!valore::leggiFileArchivio(reader.records(), a, motivo))
        return false;
    comeAppenaCaricata();
    applicaArchivio(a);
    return true;
}

// --- what the window shows, and its Word export ----------------------------------------------

QuadroValore Valore::quadro() const
{
    QuadroValore q;
    for (int i = 1; i <= Caratteristiche; ++i) {
        q.caratt[i] = caratt[i]->text();
        q.coeff[i] = coeff[i]->text();
    }
    for (int k = 1; k <= Righe; ++k) {
        q.tipol[k] = tipol[k]->text();
        q.sup[k] = sup[k]->text();
        q.ragg[k] = testo(ragg[k]);
    }
    for (int k = 1; k <= Righe + 1; ++k)
        q.suptot[k] = suptot[k]->text();
    q.coeffic = m_ui->coeffic->text();
    q.supt = m_ui->supt->text();
    q.superf = m_ui->superf->text();
    q.costmq = m_ui->costmq->text();
    q.stimatotal = m_ui->stimatotal->text();
    q.valor = m_ui->valor->text();
    q.valoreuro = m_ui->valoreuro->text();
    q.label2 = m_ui->Label2->text();
    q.label3 = m_ui->Label3->text();
    q.cmdstima = m_ui->cmdstima->text();
    q.label9 = m_ui->Label9->text();
    return q;
}

void Valore::solodati_Click()
{
    const QuadroValore q = quadro();
    WordExport::Intestazione stile = WordExport::principale();
    stile.corpoTesto = 12;
    auto ex = WordExport::inizia(QStringLiteral("Finestra valore del fabbricato"), stile);
    if (!ex)
        return;

    auto t1 = ex->tabella(Caratteristiche + 1, 3);
    t1.cella(1, 1, QStringLiteral("numero"));
    t1.cella(1, 2, QStringLiteral("caratteristiche considerate"));
    t1.cella(1, 3, QStringLiteral("coefficienti"));
    for (int i = 1; i <= Caratteristiche; ++i) {
        t1.cella(i + 1, 1, Str(i));
        t1.cella(i + 1, 2, q.caratt[i]);
        t1.cella(i + 1, 3, q.coeff[i]);
    }
    ex->formatta(t1);
    ex->nuovoParagrafo();

    // Numbered from 1 in window order: a room after an empty row is listed, and so is a row the
    // totals count although it names no room.
    const QList<int> ambienti = valore::righeAmbienti(q.tipol, q.sup, q.ragg);
    const int n = int(ambienti.size());
    auto t2 = ex->tabella(n + 2, 5);
    static const char *const testata[] = {"n.", "tipo di ambiente", "superficie mq.", "ragguaglio %",
                                          "sup.ragguagliata mq."};
    for (int c = 1; c <= 5; ++c)
        t2.cella(1, c, QString::fromUtf8(testata[c - 1]));
    for (int i = 1; i <= n; ++i) {
        const int k = ambienti[i - 1];
        t2.cella(i + 1, 1, Str(i));
        t2.cella(i + 1, 2, q.tipol[k]);
        t2.numero(i + 1, 3, Variant(q.sup[k]));
        t2.numero(i + 1, 4, Variant(q.ragg[k]));
        t2.numero(i + 1, 5, Variant(q.suptot[k]));
    }
    t2.cella(n + 2, 2, QStringLiteral("TOTALI mq."));
    t2.numero(n + 2, 3, Variant(q.supt));
    t2.numero(n + 2, 5, Variant(q.superf));
    ex->formatta(t2);
    ex->nuovoParagrafo();

    auto t3 = ex->tabella(5, 2);
    t3.cella(1, 1, QStringLiteral("tipologia di stima"));
    t3.cella(1, 2, QStringLiteral("valore"));
    t3.cella(2, 1, QStringLiteral("coefficiente medio"));
    t3.cella(2, 2, valore::formatoDueDecimali(q.coeffic));
    t3.cella(3, 1, q.label2);
    t3.numero(3, 2, Variant(q.superf));
    t3.cella(4, 1, q.label3);
    t3.numero(4, 2, Variant(q.costmq));
    t3.cella(5, 1, q.cmdstima);
    t3.numero(5, 2, Variant(q.stimatotal));
    ex->formatta(t3);

    ex->nuovoParagrafo();
    const QChar cr(13);
    ex->scrivi(cr + q.label9 + cr);
    ex->scrivi(q.valor + cr);
    ex->scrivi(q.valoreuro + cr);

    ex->allineaDestra(2, 3, 5);
    ex->allineaDestra(3, {2});
    ex->salva(QStringLiteral("-FabbricatoVantegra-"));
}

#include "report/Frontespizio.h"
#include "ui_Frontespizio.h"

#include "core/Controlli.h"
#include "core/Modulo.h"
#include "core/WordExport.h"
#include "platform/MsgBox.h"
#include "report/ArchivioTotale.h"
#include "report/ControlliStampa.h"
#include "report/DatiStudio.h"
#include "report/RelazioneStima.h"
#include "report/Studio.h"
#include "runtime/ArchiveRecord.h"

#include <QDate>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

const QColor giallo(255, 255, 0);
const QColor ciano(0, 255, 255);

// Index of `luogo` among the eight texts: the one text without a length warning.
constexpr int indiceLuogo = 5;

const QString chiaveControllo = QStringLiteral("ControlloFrontespizio");
const QString chiaveStampa = QStringLiteral("StampaInCorso");

} // namespace

Frontespizio::Frontespizio(QWidget *parent)
    : AnalysisWindow(parent)
    , m_ui(new Ui::Frontespizio)
{
    QWidget *centrale = impostaForm(*m_ui, QStringLiteral("frontespizio"),
                                    QStringLiteral("Vantegra: dati per il frontespizio della relazione"));

    for (int i = 0; i < DatiFrontespizio::NumeroTesti; ++i)
        m_testi[size_t(i)] = centrale->findChild<QLineEdit *>(DatiFrontespizio::nomi()[size_t(i)]);
    for (int i = 1; i <= 10; ++i) {
        Label2[size_t(i)] = centrale->findChild<QLabel *>(QStringLiteral("Label2_%1").arg(i));
        coloraSfondo(Label2[size_t(i)], giallo);
    }
    coloraSfondo(m_ui->Label1, giallo);
    coloraSfondo(m_ui->passo, giallo);
    for (QLabel *studio : {m_ui->Labelstudio, m_ui->labelindirizzo}) {
        coloraSfondo(studio, ciano);
        // Whatever the user typed as the studio's name is shown as it is, never as markup.
        studio->setTextFormat(Qt::PlainText);
        studio->setToolTip(QStringLiteral("doppio clic per modificare i dati dello studio"));
        studio->installEventFilter(this);
    }

    for (int i = 0; i < DatiFrontespizio::NumeroTesti; ++i) {
        if (i == indiceLuogo)
            continue;
        connect(m_testi[size_t(i)], &QLineEdit::textChanged, this, [this, i] { testo_Change(i); });
    }
    connect(m_ui->aiuto, &QPushButton::clicked, this, [this] { aiuto_Click(); });
    connect(m_ui->stampa, &QPushButton::clicked, this, [this] { stampa_Click(); });

    setupCommandFamily();

    if (QMenu *modif = menuBar()->findChild<QMenu *>(QStringLiteral("modif"))) {
        modif->addSeparator();
        QAction *studio = modif->addAction(QStringLiteral("Dati dello &studio..."));
        studio->setObjectName(QStringLiteral("datistudio"));
        connect(studio, &QAction::triggered, this, [this] { datistudio_Click(); });
    }
}

Frontespizio::~Frontespizio() = default;

void Frontespizio::caricaControlli()
{
    m_testi[6]->setText(dataFrontespizio(QDate::currentDate()));
    mostraStudio();
    MostraPasso();
}

// --- texts and status line -------------------------------------------------------------------

void Frontespizio::testo_Change(int indice)
{
    if (m_testi[size_t(indice)]->text().size() > LunghezzaMassima)
        AvvisoLunghezza();
}

void Frontespizio::AvvisoLunghezza()
{
    // The text is kept whole; the warning stays until the status line is set again.
    m_ui->passo->setText(QStringLiteral("per una stampa corretta non digitare dati lunghi più di 60 caratteri"));
}

void Frontespizio::MostraPasso()
{
    if (StampaInCorso() == QStringLiteral("sì"))
        m_ui->passo->setText(QStringLiteral("sto caricando Word per la stampa del file"));
    else
        m_ui->passo->setText(QStringLiteral("prelevare i dati dall'archivio o digitarli nei vari campi "
                                            "(massimo 60 caratteri per una stampa corretta)"));
}

DatiFrontespizio Frontespizio::testi() const
{
    DatiFrontespizio d;
    for (int i = 0; i < DatiFrontespizio::NumeroTesti; ++i)
        d.testi[size_t(i)] = m_testi[size_t(i)]->text();
    return d;
}

void Frontespizio::impostaTesti(const DatiFrontespizio &dati)
{
    for (int i = 0; i < DatiFrontespizio::NumeroTesti; ++i)
        scriviTesto(m_testi[size_t(i)], dati.testi[size_t(i)]);
}

// --- window data -----------------------------------------------------------------------------

Variant Frontespizio::ControlloFrontespizio() const
{
    const QVariant v = WindowRegistry::state(objectName()).valori.value(chiaveControllo);
    if (!v.isValid())
        return Variant();
    if (v.typeId() == QMetaType::QString)
        return Variant(v.toString());
    return Variant(v.toDouble());
}

void Frontespizio::setControlloFrontespizio(const Variant &valore)
{
    QVariantMap &valori = WindowRegistry::state(objectName()).valori;
    if (valore.isEmpty())
        valori.remove(chiaveControllo);
    else if (valore.isText())
        valori.insert(chiaveControllo, valore.rawText());
    else
        valori.insert(chiaveControllo, valore.rawNumber());
}

QString Frontespizio::StampaInCorso() const
{
    return WindowRegistry::state(objectName()).valori.value(chiaveStampa).toString();
}

void Frontespizio::setStampaInCorso(const QString &valore)
{
    WindowRegistry::state(objectName()).valori.insert(chiaveStampa, valore);
}

// --- commands --------------------------------------------------------------------------------

void Frontespizio::controlla_click()
{
    const auto vuoto = [this](int i) { return m_testi[size_t(i)]->text().isEmpty(); };
    // The place and the date are not asked for here: the date is filled in at load, and the
    // place of the appraisal is optional.
    if (vuoto(0) && vuoto(1) && vuoto(2) && vuoto(3) && vuoto(4) && vuoto(7)) {
        MsgBox(QStringLiteral("Non è stato immesso alcun dato per il frontespizio della relazione."), vb::Question,
               gTitoloControllo);
        return;
    }
    if (vuoto(0) || vuoto(1) || vuoto(2) || vuoto(3) || vuoto(4) || vuoto(6) || vuoto(7)) {
        MsgBox(QStringLiteral("Inserire dati in ogni campo."), vb::Information, gTitoloControllo);
        return;
    }
    const Variant flag = ControlloFrontespizio();
    if (flag.present() && flag.leading() == 1)
        setControlloFrontespizio(0);
    else
        MsgBox(QStringLiteral("I dati sono stati immessi correttamente."), vb::Information, gTitoloControllo);
}

void Frontespizio::cancelladati_Click()
{
    for (QLineEdit *box : m_testi)
        scriviTesto(box, QString());
}

void Frontespizio::aiuto_Click()
{
    const QStringList righe = {
        QStringLiteral("- Digitare o correggere i dati spostandosi con il tasto TAB, o con il mouse, nei campi;"),
        QStringLiteral("- la data viene impostata in automatico, ma è modificabile;"),
        QStringLiteral("- lo studio tecnico non si digita in questa finestra: per cambiarlo fare doppio clic "
                       "sul suo nome o scegliere Dati dello studio nel menu Modifica;"),
        QStringLiteral("- aprire un file archiviato per prelevare, eventualmente, i dati registrati (Vantegra-fro-...);"),
        QStringLiteral("- non digitare dati più lunghi di 60 caratteri."),
    };
    MsgBox(righe.join(QLatin1Char('\n')), vb::Information, gTitoloAiuto.text());
}

void Frontespizio::stampa_Click()
{
    if (!stampa::controlliPrimaDellaStampa(*this))
        return;
    // The status line keeps this text after the report: nothing sets it back.
    setStampaInCorso(QStringLiteral("sì"));
    MostraPasso();
    setStampaInCorso(QString());
    relazione::scrivi(relazione::leggiDati(*this));
}

void Frontespizio::datistudio_Click()
{
    if (m_datiStudio) {
        m_datiStudio->raise();
        m_datiStudio->activateWindow();
        return;
    }
    m_datiStudio = new DatiStudio(this);
    m_datiStudio->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_datiStudio, &QDialog::accepted, this, [this] { mostraStudio(); });
    m_datiStudio->open();
}

void Frontespizio::mostraStudio()
{
    m_ui->Labelstudio->setText(gStudio);
    m_ui->labelindirizzo->setText(gIndirizzoStudio);
}

bool Frontespizio::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick
        && (watched == m_ui->Labelstudio || watched == m_ui->labelindirizzo)) {
        datistudio_Click();
        return true;
    }
    return AnalysisWindow::eventFilter(watched, event);
}

// --- archive ---------------------------------------------------------------------------------

AnalysisWindow::ArchiveKind Frontespizio::archivio() const
{
    return {QStringLiteral("Vantegra-fro-"),
            QStringLiteral("Tutti i file (*.*)|*.*|File Vantegra-fro- | Vantegra-fro-*"),
            QStringLiteral("File Vantegra-fro- | Vantegra-fro-*"),
            QStringLiteral("del frontespizio"),
            QStringLiteral("Tutti i file (*.*)|*.*|File Vantegra-fro- | Vantegra-fro-* |File Vantegra-totale- | "
                           "Vantegra-totale-*")};
}

void Frontespizio::scriviArchivio(ArchiveWriter &writer)
{
    scriviRecordFrontespizio(writer, testi());
}

bool Frontespizio::leggiArchivio(const ArchiveReader &reader, QString *motivo)
{
    DatiFrontespizio dati;
    if (!leggiArchivioFrontespizio(reader, dati, motivo))
        return false;
    comeAppenaCaricata();
    impostaTesti(dati);
    return true;
}

// --- Word export -----------------------------------------------------------------------------

void Frontespizio::salvatutto_Click()
{
    salvaArchivioTotale(*this);
}

void Frontespizio::solodati_Click()
{
    WordExport::Intestazione stile = WordExport::principale();
    stile.corpoTesto = 12;
    auto ex = WordExport::inizia(QStringLiteral("Finestra frontespizio"), stile);
    if (!ex)
        return;
    auto t = ex->tabella(11, 2);
    t.cella(1, 1, QStringLiteral("tipo"));
    t.cella(1, 2, QStringLiteral("dati"));
    for (int i = 1; i <= 10; ++i)
        t.cella(i + 1, 1, Label2[size_t(i)]->text());
    // Each value is followed by a paragraph end: its cell closes with an empty paragraph.
    const QString fine = QStringLiteral("\r");
    for (int i = 0; i < DatiFrontespizio::NumeroTesti; ++i)
        t.cella(i + 2, 2, m_testi[size_t(i)]->text() + fine);
    t.cella(10, 2, m_ui->Labelstudio->text() + fine);
    t.cella(11, 2, m_ui->labelindirizzo->text() + fine);
    ex->formatta(t);
    ex->allineaDestra(1, {1});
    ex->salva(QStringLiteral("-FrontespizioVantegra-"));
}

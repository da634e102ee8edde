#include "core/AnalysisWindow.h"

#include "core/CommandFamily.h"
#include "core/Modulo.h"
#include "core/clsResize.h"
#include "platform/MsgBox.h"
#include "runtime/ArchiveRecord.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolBar>
#include <QToolButton>

namespace {

void erroreArchivio(const QString &testo)
{
    MsgBox(testo, vb::Critical, gTitoloControllo);
}

const QString invariati = QStringLiteral(" I dati della finestra non sono stati modificati.");

} // namespace

AnalysisWindow::AnalysisWindow(QWidget *parent)
    : QMainWindow(parent)
    , CommonDialog1(this)
{
}

AnalysisWindow::~AnalysisWindow() = default;

void AnalysisWindow::mettiCentrale(QWidget *centrale, const QString &nome, const QString &titolo)
{
    centrale->setObjectName(QStringLiteral("centralwidget"));
    setCentralWidget(centrale);
    setObjectName(nome);
    setWindowTitle(titolo);
}

void AnalysisWindow::Form_Load()
{
    ricordaValoriIniziali();
    // The layout class records the controls on the client area they were designed for: the
    // window at its design size, with its menu bar and toolbar already in place.
    resize(qRound(clsResize::kAnalysisWidth / clsResize::kTwipsPerPixel),
           qRound(clsResize::kAnalysisHeight / clsResize::kTwipsPerPixel));
    if (layout())
        layout()->activate();
    m_resize = std::make_unique<clsResize>();
    m_resize->SourceForm(this);
    const unsigned char percent = 75;
    m_resize->SizeFormToScreen(percent);
    clsResize::SetFormHeight(this, clsResize::kAnalysisHeight);
    clsResize::SetFormWidth(this, clsResize::kAnalysisWidth);
    caricaControlli();
}

void AnalysisWindow::ricordaValoriIniziali()
{
    m_valoriIniziali.clear();
    if (!centralWidget())
        return;
    const QList<const QWidget *> esclusi = vistaUtente();
    for (QWidget *c : centralWidget()->findChildren<QWidget *>()) {
        if (esclusi.contains(c))
            continue;
        if (auto *box = qobject_cast<QLineEdit *>(c)) {
            if (!qobject_cast<QComboBox *>(box->parentWidget()))   // the list's own box goes with it
                m_valoriIniziali.append({c, box->text()});
        } else if (auto *etichetta = qobject_cast<QLabel *>(c)) {
            m_valoriIniziali.append({c, etichetta->text()});
        } else if (auto *lista = qobject_cast<QComboBox *>(c)) {
            m_valoriIniziali.append({c, lista->currentText(), lista->currentIndex()});
        } else if (auto *barra = qobject_cast<QScrollBar *>(c)) {
            m_valoriIniziali.append({c, QString(), barra->value()});
        } else if (auto *opzione = qobject_cast<QAbstractButton *>(c); opzione && opzione->isCheckable()) {
            m_valoriIniziali.append({c, QString(), opzione->isChecked()});
        }
    }
}

void AnalysisWindow::ripristinaValoriIniziali()
{
    // As when the window was created, no handler runs: the load that follows starts from here,
    // and the file's values then run their handlers as they would in a window just created.
    for (const ValoreIniziale &v : std::as_const(m_valoriIniziali)) {
        const QSignalBlocker quieto(v.controllo);
        if (auto *box = qobject_cast<QLineEdit *>(v.controllo)) {
            box->setText(v.testo);
        } else if (auto *etichetta = qobject_cast<QLabel *>(v.controllo)) {
            etichetta->setText(v.testo);
        } else if (auto *lista = qobject_cast<QComboBox *>(v.controllo)) {
            lista->setCurrentIndex(v.numero);
            lista->setEditText(v.testo);
        } else if (auto *barra = qobject_cast<QScrollBar *>(v.controllo)) {
            barra->setValue(v.numero);
        } else if (auto *opzione = qobject_cast<QAbstractButton *>(v.controllo)) {
            // An option button of a group is cleared only with the group's exclusivity lifted.
            const bool esclusivo = opzione->autoExclusive();
            opzione->setAutoExclusive(false);
            opzione->setChecked(v.numero != 0);
            opzione->setAutoExclusive(esclusivo);
        }
    }
}

void AnalysisWindow::comeAppenaCaricata()
{
    ripristinaValoriIniziali();
    azzeraDatiFinestra();
    caricaControlli();
}

void AnalysisWindow::Form_Unload()
{
    m_resize.reset();
}

QString &AnalysisWindow::NomeFile()
{
    return WindowRegistry::state(objectName()).NomeFile;
}

void AnalysisWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (m_resize)
        m_resize->ResizeControls();
}

void AnalysisWindow::showEvent(QShowEvent *event)
{
    aggiornaComandi();
    QMainWindow::showEvent(event);
}

// ---------------------------------------------------------------------------------------------
// Menu bar, toolbar, buttons

void AnalysisWindow::setupCommandFamily()
{
    if (!famiglia::finestra(numeroFinestra())) {
        qWarning("AnalysisWindow::setupCommandFamily: window %s has no number from 1 to 7",
                 qPrintable(objectName()));
        return;
    }
    CommonDialog1.FileName = archivio().prefisso;
    setBackColor(famiglia::Grigio);
    creaMenu();
    creaToolbar();
    collegaPulsanti();
    aggiornaComandi();
    // Ctrl+A to Ctrl+G choose a window even while a text box has the focus.
    for (QLineEdit *box : findChildren<QLineEdit *>())
        box->installEventFilter(this);
}

bool AnalysisWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::ControlModifier && key->key() >= Qt::Key_A && key->key() <= Qt::Key_G)
            return true;   // left unaccepted: the window menu's shortcut runs, not the box's own
    }
    return QMainWindow::eventFilter(watched, event);
}

QAction *AnalysisWindow::voce(QMenu *menu, const QString &nome, const QString &caption,
                              void (AnalysisWindow::*comando)())
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(nome);
    if (comando)
        connect(a, &QAction::triggered, this, [this, comando] { (this->*comando)(); });
    return a;
}

void AnalysisWindow::creaMenu()
{
    const famiglia::Finestra &f = *famiglia::finestra(numeroFinestra());
    const auto c = [&f](const QString &conTasto) { return famiglia::caption(f, conTasto); };
    QMenuBar *barra = menuBar();
    const auto menu = [barra](QMenu *dentro, const QString &titolo, const char *nome) {
        QMenu *m = dentro ? dentro->addMenu(titolo) : barra->addMenu(titolo);
        m->setObjectName(QString::fromLatin1(nome));
        // A separator at the end of a menu shows, as the window's design has it.
        m->setSeparatorsCollapsible(false);
        return m;
    };

    QMenu *file = menu(nullptr, QStringLiteral("&File"), "file");
    if (f.sottomenuApri) {
        QMenu *apri = menu(file, c(QStringLiteral("&Apri...")), "aprimenu");
        voce(apri, QStringLiteral("apri"), QStringLiteral("...solo dati finestra"), &AnalysisWindow::apri_Click);
        voce(apri, QStringLiteral("apritutto"), QStringLiteral("...tutti i dati"), &AnalysisWindow::apritutto_Click);
    } else {
        voce(file, QStringLiteral("apri"), c(QStringLiteral("&Apri...")), &AnalysisWindow::apri_Click);
    }
    file->addSeparator();
    voce(file, QStringLiteral("salva"), c(QStringLiteral("&Salva")), &AnalysisWindow::salva_Click);
    if (f.sottomenuSalvaNome) {
        QMenu *salvano = menu(file, c(QStringLiteral("Salva con &nome...")), "salvano");
        voce(salvano, QStringLiteral("salvanome"), c(QStringLiteral("...&solo dati finestra")), &AnalysisWindow::salvanome_Click);
        voce(salvano, QStringLiteral("salvatutto"), c(QStringLiteral("...&tutti i dati")), &AnalysisWindow::salvatutto_Click);
    } else {
        voce(file, QStringLiteral("salvanome"), c(QStringLiteral("Salva con &nome...")), &AnalysisWindow::salvanome_Click);
    }
    file->addSeparator();
    voce(file, QStringLiteral("eliminare"), c(f.eliminaCaption), &AnalysisWindow::eliminare_Click);
    file->addSeparator();
    voce(file, QStringLiteral("solodati"), c(QStringLiteral("S&tampa dati finestra")), &AnalysisWindow::solodati_Click);
    file->addSeparator();
    voce(file, QStringLiteral("esci"), c(QStringLiteral("&Esci")), &AnalysisWindow::esci_Click);

    QMenu *modif = menu(nullptr, QStringLiteral("&Modifica"), "modif");
    voce(modif, QStringLiteral("colorare"), c(QStringLiteral("&Colore di sfondo")), &AnalysisWindow::colorare_Click);
    modif->addSeparator();
    voce(modif, QStringLiteral("controlla"), c(QStringLiteral("Controllo &dati immessi")), &AnalysisWindow::controlla_click);
    modif->addSeparator();
    QAction *cancella = voce(modif, QStringLiteral("cancelladati"), c(f.cancellaCaption),
                             f.cancellaAttiva ? &AnalysisWindow::cancelladati_Click : nullptr);
    cancella->setEnabled(f.cancellaAttiva);
    if (f.separatoreFinaleModifica)
        modif->addSeparator();

    QMenu *finestre = menu(nullptr, f.visualizzaCaption, "finestre");
    for (int k = 1; k <= famiglia::NumeroFinestre; ++k) {
        QAction *a = finestre->addAction(famiglia::voceFinestra(f, k));
        a->setObjectName(QStringLiteral("fin%1").arg(k));
        a->setShortcut(QKeySequence(QKeyCombination(Qt::ControlModifier, Qt::Key(Qt::Key_A + k - 1))));
        connect(a, &QAction::triggered, this, [this, k] { fin_Click(k); });
        if (k == f.numero && f.spuntaPropria) {
            // A mark that says where the user is: choosing the entry must not take it away.
            a->setCheckable(true);
            a->setChecked(true);
            connect(a, &QAction::toggled, a, [a](bool on) {
                if (!on)
                    a->setChecked(true);
            });
        }
        if (k == 1 || k == famiglia::NumeroFinestre - 1)
            finestre->addSeparator();
    }

    QMenu *help = menu(nullptr, QStringLiteral("&?"), "help");
    voce(help, f.guidaAzione, c(QStringLiteral("&Guida in linea")), &AnalysisWindow::guidainlinea_Click);
    voce(help, f.suggerimentiAzione, c(f.suggerimentiCaption), &AnalysisWindow::sugger_Click);
    help->addSeparator();
    voce(help, QStringLiteral("supporto"), c(QStringLiteral("Supporto &prodotto")), &AnalysisWindow::supporto_Click);
    help->addSeparator();
    voce(help, QStringLiteral("informazioni"), c(f.informazioniCaption), &AnalysisWindow::informazioni_Click);

    // The window-number title keeps its caption, blanks and all, on its action; the blanks only
    // pushed it to the right end of the bar, where it stands here as the bar's corner button,
    // whatever the window's width.
    auto *numero = new QAction(famiglia::titoloNumero(f), this);
    numero->setObjectName(QStringLiteral("finestra"));
    numero->setIconText(numero->text().trimmed());
    connect(numero, &QAction::triggered, this, [this] { finestra_Click(); });
    auto *pulsante = new QToolButton(barra);
    pulsante->setDefaultAction(numero);
    pulsante->setAutoRaise(true);
    pulsante->setFocusPolicy(Qt::NoFocus);
    barra->setCornerWidget(pulsante, Qt::TopRightCorner);
}

void AnalysisWindow::creaToolbar()
{
    m_toolbar = new QToolBar(QStringLiteral("Toolbar1"), this);
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setIconSize(QSize(20, 20));
    m_toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Qt::TopToolBarArea, m_toolbar);

    for (int p = 1; p <= famiglia::PosizioniToolbar; ++p) {
        QAction *a = nullptr;
        if (famiglia::separatoreToolbar(p)) {
            a = m_toolbar->addSeparator();
        } else {
            const QString tooltip = famiglia::tooltipToolbar(p);
            a = m_toolbar->addAction(QIcon(famiglia::iconaToolbar(p)), tooltip);
            a->setToolTip(tooltip);
        }
        a->setObjectName(QStringLiteral("Toolbar1_%1").arg(p));
        connect(a, &QAction::triggered, this, [this, p] { Toolbar1_ButtonClick(p); });
    }
}

void AnalysisWindow::collegaPulsanti()
{
    const struct
    {
        const char *nome;
        void (AnalysisWindow::*comando)();
    } pulsanti[] = {
        {"cmduscita", &AnalysisWindow::cmduscita_Click},
        {"cmdesci", &AnalysisWindow::cmdesci_Click},
        {"guida", &AnalysisWindow::guida_Click},
        {"cmdguida", &AnalysisWindow::cmdguida_Click},
        {"cmddati", &AnalysisWindow::cmddati_Click},
    };
    for (const auto &p : pulsanti) {
        if (auto *b = findChild<QAbstractButton *>(QString::fromLatin1(p.nome))) {
            const auto comando = p.comando;
            connect(b, &QAbstractButton::clicked, this, [this, comando] { (this->*comando)(); });
        }
    }
}

void AnalysisWindow::aggiornaComandi()
{
    const famiglia::Finestra *f = famiglia::finestra(numeroFinestra());
    if (!f)
        return;
    const auto abilita = [this](const QString &nome, bool si) {
        for (QAction *a : findChildren<QAction *>(nome))
            a->setEnabled(si);
        for (QAbstractButton *b : findChildren<QAbstractButton *>(nome))
            b->setEnabled(si);
    };
    const auto esiste = [](const QString &nome) { return WindowRegistry::isRegistered(nome); };

    for (int k = 1; k <= famiglia::NumeroFinestre; ++k) {
        const bool si = k == f->numero || esiste(famiglia::finestra(k)->nome);
        abilita(QStringLiteral("fin%1").arg(k), si);
        abilita(QStringLiteral("Toolbar1_%1").arg(5 + k), si);
    }
    abilita(QStringLiteral("finestra"), esiste(f->guida));
    const bool sommario = esiste(famiglia::Sommario);
    abilita(f->guidaAzione, sommario);
    abilita(QStringLiteral("guida"), sommario);
    abilita(QStringLiteral("cmdguida"), sommario);
    abilita(QStringLiteral("Toolbar1_15"), sommario);
    abilita(f->suggerimentiAzione, esiste(famiglia::Suggerimenti));
    abilita(QStringLiteral("Toolbar1_16"), esiste(famiglia::Suggerimenti));
    abilita(QStringLiteral("supporto"), esiste(famiglia::Supporto));
    abilita(QStringLiteral("Toolbar1_17"), esiste(famiglia::Supporto));
    abilita(QStringLiteral("informazioni"), esiste(famiglia::Informazioni));
    abilita(QStringLiteral("Toolbar1_18"), esiste(famiglia::Informazioni));
    abilita(QStringLiteral("cmddati"), esiste(famiglia::finestra(1)->nome));
    abilita(QStringLiteral("apritutto"), hasCombinedOpen());
    abilita(QStringLiteral("salvatutto"), hasCombinedSave());
}

// ---------------------------------------------------------------------------------------------
// Window switching, help, colour, exit

void AnalysisWindow::fin_Click(int k)
{
    const famiglia::Finestra *f = famiglia::finestra(k);
    if (!f)
        return;
    if (k == numeroFinestra())
        domandaPropria();
    else
        WindowRegistry::show(f->nome);
}

void AnalysisWindow::domandaPropria()
{
    const famiglia::Finestra *f = famiglia::finestra(numeroFinestra());
    if (!f)
        return;
    const QString titolo = f->domandaConTitoloAiuto ? gTitoloAiuto.text() : gNomeProgramma.text();
    if (MsgBox(f->domanda, vb::YesNo + vb::Question, titolo) != vb::No)
        WindowRegistry::show(f->guida);
}

void AnalysisWindow::finestra_Click()
{
    if (const famiglia::Finestra *f = famiglia::finestra(numeroFinestra()))
        WindowRegistry::show(f->guida);
}

void AnalysisWindow::guidainlinea_Click()
{
    WindowRegistry::show(famiglia::Sommario);
}

void AnalysisWindow::sugger_Click()
{
    WindowRegistry::show(famiglia::Suggerimenti);
}

void AnalysisWindow::supporto_Click()
{
    WindowRegistry::show(famiglia::Supporto);
}

void AnalysisWindow::informazioni_Click()
{
    WindowRegistry::show(famiglia::Informazioni);
}

void AnalysisWindow::cmddati_Click()
{
    WindowRegistry::show(famiglia::finestra(1)->nome);
}

void AnalysisWindow::esci_Click()
{
    ConfermaUscita();
}

QWidget *AnalysisWindow::sfondo() const
{
    return centralWidget() ? centralWidget() : const_cast<AnalysisWindow *>(this);
}

unsigned int AnalysisWindow::BackColor() const
{
    return CommonDialog::fromQColor(sfondo()->palette().color(QPalette::Window));
}

void AnalysisWindow::setBackColor(unsigned int colore)
{
    QWidget *w = sfondo();
    QPalette p = w->palette();
    p.setColor(QPalette::Window, CommonDialog::toQColor(colore));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void AnalysisWindow::colorare_Click()
{
    if (BackColor() != famiglia::Grigio) {
        const int risposta = MsgBox(QStringLiteral("Colori uguali e riposanti (grigio) per tutte le finestre?"),
                                    vb::YesNo, gNomeProgramma.text() + QStringLiteral(": colore di sfondo"));
        if (risposta != vb::No) {
            for (int k = 1; k <= famiglia::NumeroFinestre; ++k) {
                // A window not loaded yet is loaded, hidden, to take the grey.
                auto *w = dynamic_cast<AnalysisWindow *>(WindowRegistry::instance(famiglia::finestra(k)->nome));
                if (w)
                    w->setBackColor(famiglia::Grigio);
            }
            return;
        }
    }
    CommonDialog1.Flags = 1;
    if (!CommonDialog1.showColor())
        return;
    gColoreSfondo = CommonDialog1.Color;
    setBackColor(gColoreSfondo);
}

void AnalysisWindow::Toolbar1_ButtonClick(int posizione)
{
    using famiglia::Comando;
    const famiglia::Pulsante p = famiglia::comandoToolbar(numeroFinestra(), posizione);
    switch (p.comando) {
    case Comando::Apri: apri_Click(); break;
    case Comando::Salva: salva_Click(); break;
    case Comando::Elimina: eliminare_Click(); break;
    case Comando::Stampa: solodati_Click(); break;
    case Comando::Finestra: fin_Click(p.finestra); break;
    case Comando::Colore: colorare_Click(); break;
    case Comando::Sommario: guidainlinea_Click(); break;
    case Comando::Suggerimenti: sugger_Click(); break;
    case Comando::Supporto: supporto_Click(); break;
    case Comando::Informazioni: informazioni_Click(); break;
    case Comando::Controllo: controlla_click(); break;
    case Comando::Cancella: cancelladati_Click(); break;
    case Comando::Uscita: ConfermaUscita(); break;
    }
}

// ---------------------------------------------------------------------------------------------
// Archive commands

Variant &AnalysisWindow::flagControllo()
{
    static Variant nessuno;   // a window without a silent check
    return nessuno;
}

void AnalysisWindow::scriviArchivio(ArchiveWriter &)
{
}

bool AnalysisWindow::leggiArchivio(const ArchiveReader &, QString *motivo)
{
    if (motivo)
        *motivo = QStringLiteral("questa finestra non legge archivi");
    return false;
}

void AnalysisWindow::apri_Click()
{
    const ArchiveKind kind = archivio();
    CommonDialog1.DialogTitle = QStringLiteral("Apri file");
    CommonDialog1.FileName.clear();
    CommonDialog1.Filter = kind.filtroApri;
    CommonDialog1.FilterIndex = 2;
    if (!CommonDialog1.showOpen())
        return;
    const QString percorso = CommonDialog1.FileName;
    const QString nome = QFileInfo(percorso).fileName();

    // The whole file is read and checked before anything of it reaches the window, so that a
    // foreign or damaged file changes nothing, the current archive name included (a later plain
    // save would otherwise write over a file that is not this window's).
    const std::optional<QByteArray> contenuto = readArchiveFile(percorso);
    if (!contenuto) {
        erroreArchivio(QStringLiteral("Il file \"%1\" non si può leggere.").arg(nome) + invariati);
        return;
    }

    ArchiveReader reader;
    QString motivo;
    if (!reader.parse(*contenuto, &motivo) || !leggiArchivio(reader, &motivo)) {
        erroreArchivio(QStringLiteral("Il file \"%1\" non è un archivio %2 di %3: %4.")
                               .arg(nome, kind.descrizione, gNomeProgramma.text(), motivoDopoDuePunti(motivo))
                       + invariati);
        return;
    }
    NomeFile() = percorso;
    dopoLettura();
}

void AnalysisWindow::salva_Click()
{
    CommonDialog1.DialogTitle = QStringLiteral("Salva file");
    SalvaFile();
}

void AnalysisWindow::salvanome_Click()
{
    CommonDialog1.DialogTitle = QStringLiteral("Salva file con nome");
    // Emptied so that the dialog is shown; a save that does not happen keeps the current name.
    const QString prima = NomeFile();
    NomeFile().clear();
    if (!SalvaFile())
        NomeFile() = prima;
}

bool AnalysisWindow::SalvaFile()
{
    if (haControllo()) {
        flagControllo() = 1;
        controlla_click();
        const Variant &flag = flagControllo();
        if (flag.present() && flag.leading() == 1)
            return false;   // the check has shown what is missing
    }

    const QString prima = NomeFile();
    if (prima.isEmpty()) {
        CommonDialog1.Filter = archivio().filtroSalva;
        CommonDialog1.FilterIndex = 1;
        if (!CommonDialog1.showSave())
            return false;
        NomeFile() = CommonDialog1.FileName;
    }

    ArchiveWriter writer;
    scriviArchivio(writer);
    const QString percorso = NomeFile();
    QString errore;
    if (!writer.save(percorso, &errore)) {
        NomeFile() = prima;
        erroreArchivio(QStringLiteral("Non è stato possibile salvare il file \"%1\": i dati della finestra non "
                                      "sono stati archiviati. Un file già esistente con quel nome è rimasto "
                                      "com'era.")
                               .arg(QDir::toNativeSeparators(percorso)));
        return false;
    }
    return true;
}

void AnalysisWindow::eliminare_Click()
{
    const ArchiveKind kind = archivio();
    CommonDialog1.Filter = kind.filtroElimina.isEmpty() ? kind.filtroApri : kind.filtroElimina;
    CommonDialog1.FilterIndex = 2;
    CommonDialog1.DialogTitle = gTitoloElimina.text();
    if (!CommonDialog1.showOpen())
        return;
    const QString percorso = CommonDialog1.FileName;
    if (!QFile::remove(percorso)) {
        erroreArchivio(QStringLiteral("Non è stato possibile eliminare il file \"%1\".")
                               .arg(QDir::toNativeSeparators(percorso)));
        return;
    }
    // The deleted file stays the current name: a later plain save writes the window's data there.
    NomeFile() = percorso;
}

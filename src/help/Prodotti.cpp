#include "help/Prodotti.h"
#include "ui_Prodotti.h"

#include "core/Modulo.h"
#include "core/clsResize.h"
#include "platform/Shell.h"
#include "platform/word/Word.h"

#include <QLabel>
#include <QScrollBar>

Variant gAnnoListino;

namespace {
const QString fineDocumento = QStringLiteral("\\endofdoc");
}

prodotti::prodotti(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::prodotti)
{
    m_ui->setupUi(this);
    m_ui->Command1->setText(QStringLiteral("Sito: ") + SitoQuirindo);
    m_ui->Command2->setText(QStringLiteral("Email: ") + EmailQuirindo);
    m_ui->Label7->setToolTip(QStringLiteral("per domande e chiarimenti scrivere a ") + EmailQuirindo);

    const auto line = [this](const char *name, int i) {
        return findChild<QLabel *>(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
    };
    for (int i = 1; i <= Righe; ++i) {
        m_num[size_t(i)] = line("num", i);
        m_nom[size_t(i)] = line("nom", i);
        m_argom[size_t(i)] = line("argom", i);
        m_eur[size_t(i)] = line("eur", i);
        m_off[size_t(i)] = line("off", i);
    }

    connect(m_ui->VScroll1, &QScrollBar::valueChanged, this, &prodotti::VScroll1_Change);
    connect(m_ui->cmdStampa, &QPushButton::clicked, this, &prodotti::cmdStampa_Click);
    connect(m_ui->Command1, &QPushButton::clicked, this, &prodotti::Command1_Click);
    connect(m_ui->Command2, &QPushButton::clicked, this, &prodotti::Command2_Click);
    connect(m_ui->cmdSommario, &QPushButton::clicked, this, &prodotti::cmdSommario_Click);
    connect(m_ui->cmdChiudi, &QPushButton::clicked, this, &prodotti::cmdChiudi_Click);
}

prodotti::~prodotti() = default;

void prodotti::Form_Load()
{
    m_resize = std::make_unique<clsResize>();
    m_resize->SourceForm(this);
    const unsigned char percent = 75;
    m_resize->SizeFormToScreen(percent);
    clsResize::SetFormHeight(this, 6825);
    clsResize::SetFormWidth(this, 9600);

    // The list is read once, from the current folder, as the program always did.
    m_listino = LeggiListino(NomeListino);
    gAnnoListino = m_listino.anno;
    m_ui->Label10->setText(gAnnoListino.text());
    m_ui->lblAvviso->setText(m_listino.avviso());

    // A page is ten lines and the last page ends with the last product; with ten products or
    // fewer the list does not scroll.
    QScrollBar *bar = m_ui->VScroll1;
    bar->setMinimum(1);
    bar->setMaximum(std::max(1, m_listino.conteggio - (Righe - 1)));
    bar->setSingleStep(1);
    bar->setPageStep(Righe);
    bar->setValue(1);
    m_primaRiga = 1;
    VScroll1_Change();
}

void prodotti::Form_Unload()
{
    m_resize.reset();
}

void prodotti::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_resize)
        m_resize->ResizeControls();
}

void prodotti::VScroll1_Change()
{
    m_primaRiga = m_ui->VScroll1->value();
    // A line past the last product still shows its number, with empty fields.
    const auto text = [](const std::array<Variant, Listino::MassimoProdotti + 1> &values, int k) {
        return k >= 1 && k <= Listino::MassimoProdotti ? values[size_t(k)].text() : QString();
    };
    for (int i = 1; i <= Righe; ++i) {
        const int k = m_primaRiga + i - 1;
        m_num[size_t(i)]->setText(QString::number(k));
        m_nom[size_t(i)]->setText(text(m_listino.nomi, k));
        m_argom[size_t(i)]->setText(text(m_listino.argomenti, k));
        m_eur[size_t(i)]->setText(text(m_listino.prezzi, k));
        m_off[size_t(i)]->setText(text(m_listino.offerte, k));
    }
}

void prodotti::cmdStampa_Click()
{
    WordSelection &selezione = NuovoDocumentoWord();
    selezione.Font().setName(QStringLiteral("Century Gothic"));
    selezione.Font().setSize(20);
    selezione.TypeText(QStringLiteral("prodotti software QUIRINDO\r\r"));
    selezione.Font().setSize(12);
    selezione.TypeText(QStringLiteral("acquistabili dalla pagina ") + PaginaAcquisti + QStringLiteral("\r\r"));

    gDocumento->Content().Paragraphs().Add(gDocumento->Bookmarks().Item(fineDocumento).Range());
    const int n = m_listino.conteggio;
    gTabella = gDocumento->Tables().Add(gDocumento->Bookmarks().Item(fineDocumento).Range(), n + 1, 5);
    gTabella->Range().Font().setSize(8);

    const auto cella = [](int riga, int colonna, const QString &testo) {
        gTabella->Cell(riga, colonna).Range().setText(testo);
    };
    cella(1, 1, QStringLiteral("numero"));
    cella(1, 2, QStringLiteral("nome del software"));
    cella(1, 3, QStringLiteral("argomento trattato") + QString(20, QLatin1Char(' ')));
    cella(1, 4, QStringLiteral("listino in euro"));
    cella(1, 5, QStringLiteral("in offerta ad euro"));
    for (int i = 1; i <= n; ++i) {
        cella(i + 1, 1, Str(i));
        cella(i + 1, 2, m_listino.nomi[size_t(i)].text());
        cella(i + 1, 3, m_listino.argomenti[size_t(i)].text());
        cella(i + 1, 4, formatCell(m_listino.prezzi[size_t(i)]));
        cella(i + 1, 5, formatCell(m_listino.offerte[size_t(i)]));
    }
    gTabella->AutoFormat(wdTableFormatColorful2);

    for (int colonna : {4, 5}) {
        gDocumento->Tables().Item(1).Columns().Item(colonna).Select();
        gWord->Selection().ParagraphFormat().setAlignment(wdAlignParagraphRight);
    }

    // Word would stay open on the unsaved document: show it. A document that cannot be written
    // is reported to the user by the layer, and the window goes on.
    gDocumento->Show();
}

qint32 prodotti::Link(const QString &URL)
{
    return ShellOpen(URL) ? 33 : 0;
}

void prodotti::Command1_Click()
{
    Link(PaginaCatalogo);
}

void prodotti::Command2_Click()
{
    Link(QStringLiteral("mailto:") + EmailQuirindo);
}

void prodotti::cmdSommario_Click()
{
    WindowRegistry::show(QStringLiteral("sommario"));
}

void prodotti::cmdChiudi_Click()
{
    hide();
}

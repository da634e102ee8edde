#include "help/Sommario.h"
#include "ui_Sommario.h"

#include "core/Modulo.h"
#include "core/clsResize.h"
#include "help/Guida.h"
#include "help/StampaGuida.h"

#include <QMouseEvent>

namespace {

// Rows 1 to 11 are the guides in the order of the whole-guide print.
const char *const kFinestre[Sommario::kArgomenti] = {
    "manuale", "guidafunzionamento", "guidaarchivio", "guidastampa", "guidadati", "guidavalore",
    "guidacostare", "guidaredditività", "guidasuperficie", "guidacapitali", "guidafrontespizio",
    "frmTip", "prodotti"};

const QString kPrefissoEtichetta = QStringLiteral("lbl_");

} // namespace

Sommario::Sommario(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::Sommario)
{
    m_ui->setupUi(this);
    coloraSfondo(this, kGialloGuida);
    setFont(fontGuida(8.25));
    m_ui->Label1->setFont(fontGuida(12, true));
    coloraSfondo(m_ui->Label1, QColor(0, 255, 255));

    for (int i = 1; i <= kArgomenti; ++i) {
        QLabel *etichetta = lbl(i);
        coloraSfondo(etichetta, i == kArgomenti ? QColor(255, 255, 0) : QColor(0, 255, 255));
        // The form and the topic labels track the mouse (see the form), so moves reach them with
        // no button held; the arrows and the title do not, so a move over them changes nothing.
        etichetta->installEventFilter(this);
        if (auto *freccia = findChild<QPushButton *>(QStringLiteral("puls_%1").arg(i)))
            connect(freccia, &QPushButton::clicked, this, [this, i] { puls_Click(i); });
    }

    connect(m_ui->cmdStampa, &QPushButton::clicked, this, &Sommario::cmdstampa_Click);
    connect(m_ui->cmdChiudi, &QPushButton::clicked, this, &Sommario::cmdchiudi_Click);
    connect(m_ui->esco, &QPushButton::clicked, this, &Sommario::esco_Click);
}

Sommario::~Sommario() = default;

void Sommario::Form_Load()
{
    m_resize = std::make_unique<clsResize>();
    m_resize->SourceForm(this);
    const unsigned char percento = 75;
    m_resize->SizeFormToScreen(percento);
    // Its own size, keeping the left and top edges of the centring.
    clsResize::SetFormHeight(this, kAltezza);
    clsResize::SetFormWidth(this, kLarghezza);
    m_resize->ResizeControls();
    setWindowTitle(gNomeProgramma.text() + QStringLiteral(": guida in linea"));
    m_ui->esco->setToolTip(QStringLiteral("cliccare per uscire da ") + gNomeProgramma.text());
}

void Sommario::Form_Unload()
{
    m_resize.reset();
}

void Sommario::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_resize)
        m_resize->ResizeControls();
}

QString Sommario::finestraArgomento(int Index)
{
    if (Index < 1 || Index > kArgomenti)
        return QString();
    return QString::fromUtf8(kFinestre[Index - 1]);
}

QLabel *Sommario::lbl(int Index) const
{
    return findChild<QLabel *>(kPrefissoEtichetta + QString::number(Index));
}

void Sommario::puls_Click(int Index)
{
    const QString finestra = finestraArgomento(Index);
    if (!finestra.isEmpty())
        WindowRegistry::show(finestra);
}

void Sommario::grassetto(QLabel *etichetta, bool si)
{
    if (!etichetta || etichetta->font().bold() == si)
        return;
    QFont f = etichetta->font();
    f.setBold(si);
    etichetta->setFont(f);
}

void Sommario::TogliGrassetto()
{
    for (int i = 1; i <= kArgomenti; ++i)
        grassetto(lbl(i), false);
}

void Sommario::lbl_MouseMove(int Index)
{
    TogliGrassetto();
    grassetto(lbl(Index), true);
}

void Sommario::form_MouseMove()
{
    TogliGrassetto();
}

void Sommario::lbl_Mousedown(int Index)
{
    if (QLabel *etichetta = lbl(Index))
        etichetta->setFrameShape(QFrame::NoFrame);
    puls_Click(Index);
}

void Sommario::lbl_MouseUp(int Index)
{
    if (QLabel *etichetta = lbl(Index))
        etichetta->setFrameShape(QFrame::Box);
}

void Sommario::cmdstampa_Click()
{
    StampaGuidaIntera();
}

void Sommario::cmdchiudi_Click()
{
    hide();
}

void Sommario::esco_Click()
{
    ConfermaUscita();
}

void Sommario::mouseMoveEvent(QMouseEvent *event)
{
    // Only the background clears the bold: a move that a control passed on (a button dragged
    // over, say) is not a move over the background.
    if (!childAt(event->position().toPoint()))
        form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

bool Sommario::eventFilter(QObject *watched, QEvent *event)
{
    const QString nome = watched->objectName();
    if (!nome.startsWith(kPrefissoEtichetta))
        return QWidget::eventFilter(watched, event);
    const int indice = nome.mid(kPrefissoEtichetta.size()).toInt();
    switch (event->type()) {
    case QEvent::MouseMove:
        lbl_MouseMove(indice);
        return true;   // not passed on to the window, whose move would clear the bold again
    case QEvent::MouseButtonPress:
        lbl_Mousedown(indice);
        return true;
    case QEvent::MouseButtonRelease:
        lbl_MouseUp(indice);
        return true;
    case QEvent::MouseButtonDblClick:
        return true;   // the second click of a double click opens nothing more
    default:
        return QWidget::eventFilter(watched, event);
    }
}

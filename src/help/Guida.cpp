#include "help/Guida.h"
#include "ui_Guida.h"

#include "core/clsResize.h"
#include "help/StampaGuida.h"
#include "help/TestiGuida.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <cmath>

namespace {

const QString kManuale = QStringLiteral("manuale");

void posiziona(QWidget *controllo, int left, int top, int width, int height)
{
    controllo->setGeometry(pixelDaTwips(left), pixelDaTwips(top), pixelDaTwips(width), pixelDaTwips(height));
}

} // namespace

int pixelDaTwips(double twips)
{
    return int(std::lround(twips / 15.0));
}

QFont fontGuida(double punti, bool grassetto)
{
    QFont font;
    // Where MS Sans Serif is missing, the first of these the system has takes its place.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans")});
    font.setPointSizeF(punti);
    font.setBold(grassetto);
    return font;
}

Guida::Guida(const QString &nome, QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::Guida)
{
    m_ui->setupUi(this);
    setObjectName(nome);
    coloraSfondo(this, kGialloGuida);
    setFont(fontGuida(8.25));
    m_ui->Label1->setFont(fontGuida(8.25, true));
    QPalette blu = m_ui->Label1->palette();
    blu.setColor(QPalette::WindowText, QColor(0, 0, 255));
    m_ui->Label1->setPalette(blu);
    m_ui->Label2->setFont(fontGuida(9.75));

    if (const TestoGuida *t = testoGuida(nome)) {
        m_ui->Label1->setText(t->titolo);
        m_ui->Label2->setText(t->testo);
    }

    // The design sizes that set a few guides apart, before the layout class records them.
    if (nome == kManuale) {
        resize(pixelDaTwips(9480), pixelDaTwips(6420));
        posiziona(m_ui->Label1, 120, 600, 3615, 375);
        posiziona(m_ui->Label2, 120, 960, 9135, 5400);
        m_ui->cmdSommario->setToolTip(QStringLiteral("cliccare per tornare al sommario"));
        m_ui->cmdStampa->setToolTip(QStringLiteral("cliccare per avere la copia su carta del MANUALE D'USO RAPIDO"));
        m_ui->cmdChiudi->setToolTip(QStringLiteral("cliccare per chiudere la finestra"));
    } else if (nome == QLatin1String("guidafunzionamento")) {
        posiziona(m_ui->Label1, 120, 600, 4095, 255);
        posiziona(m_ui->Label2, 120, 960, 5175, 5400);
    } else if (nome == QLatin1String("guidavalore") || nome == QLatin1String("guidastampa")) {
        posiziona(m_ui->Label2, 120, 960, 5175, 5295);
    }

    connect(m_ui->cmdChiudi, &QPushButton::clicked, this, &Guida::cmdchiudi_Click);
    connect(m_ui->cmdSommario, &QPushButton::clicked, this, &Guida::cmdSommario_Click);
    connect(m_ui->cmdStampa, &QPushButton::clicked, this, &Guida::cmdstampa_Click);
}

Guida::~Guida() = default;

bool Guida::eManuale() const
{
    return objectName() == kManuale;
}

void Guida::Form_Load()
{
    m_resize = std::make_unique<clsResize>();
    m_resize->SourceForm(this);
    const unsigned char percento = 75;
    m_resize->SizeFormToScreen(percento);
    clsResize::SetFormHeight(this, kAltezza);
    clsResize::SetFormWidth(this, eManuale() ? kLarghezzaManuale : kLarghezza);
    if (!eManuale()) {
        // Beside the help contents, which keeps the left edge of its centring; the top stays.
        int origine = 0;
        if (const QScreen *schermo = QGuiApplication::primaryScreen())
            origine = schermo->availableGeometry().left();
        move(origine + pixelDaTwips(kSinistra), y());
    }
    // A hidden window gets its resize event only when shown; the whole-guide print reads a
    // window that may never be shown, so it is laid out for its size now.
    m_resize->ResizeControls();
}

void Guida::Form_Unload()
{
    m_resize.reset();
}

void Guida::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_resize)
        m_resize->ResizeControls();
}

void Guida::cmdchiudi_Click()
{
    WindowRegistry::unload(objectName());
}

void Guida::cmdSommario_Click()
{
    WindowRegistry::show(QStringLiteral("sommario"));
}

void Guida::cmdstampa_Click()
{
    StampaGuida(titolo(), testo());
}

QString Guida::titolo() const
{
    return m_ui->Label1->text();
}

QString Guida::testo() const
{
    return m_ui->Label2->text();
}

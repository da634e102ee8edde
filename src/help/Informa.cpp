#include "help/Informa.h"
#include "ui_Informa.h"

#include "core/Modulo.h"
#include "runtime/Variant.h"

#include <QDate>
#include <QFont>

QString informa::RigaVersione(const QString &versione, const QString &dataVersione, const QString &build)
{
    QDate data = QDate::fromString(dataVersione.trimmed(), QStringLiteral("d/M/yyyy"));
    if (!data.isValid())
        data = QDate::fromString(dataVersione.trimmed(), Qt::ISODate);
    const QString anno = data.isValid() ? Str(data.year()) : QString();
    return QStringLiteral("edizione professionale - versione ") + versione + QStringLiteral("  ") + anno
           + QStringLiteral("- 20") + build.right(2);
}

informa::informa(QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::informa)
{
    m_ui->setupUi(this);
    setFixedSize(size());
    QFont titolo = m_ui->Label2->font();   // Designer keeps whole points only
    titolo.setPointSizeF(9.75);
    m_ui->Label2->setFont(titolo);
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &informa::cmdOK_Click);
}

informa::~informa() = default;

void informa::Form_Load()
{
    setWindowTitle(QStringLiteral("Informazioni su ") + gNomeProgramma.text());
    m_ui->Label1->setText(gNomeProgramma.text());
    m_ui->Label2->setText(gTitoloRelazione.text());
    m_ui->Label6->setText(RigaVersione(gVersione.text(), gDataVersione.text(), gBuild.text()));
}

void informa::cmdOK_Click()
{
    hide();
}

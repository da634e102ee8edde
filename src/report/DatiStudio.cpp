#include "report/DatiStudio.h"
#include "ui_DatiStudio.h"

#include "platform/MsgBox.h"
#include "report/Studio.h"

DatiStudio::DatiStudio(QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::DatiStudio)
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("DatiStudio"));
    m_ui->nomestudio->setText(gStudio);
    m_ui->indirizzostudio->setText(gIndirizzoStudio);
    connect(m_ui->conferma, &QPushButton::clicked, this, [this] { conferma_Click(); });
    connect(m_ui->annulla, &QPushButton::clicked, this, &QDialog::reject);
}

DatiStudio::~DatiStudio() = default;

void DatiStudio::conferma_Click()
{
    if (!SalvaStudio(m_ui->nomestudio->text(), m_ui->indirizzostudio->text()))
        MsgBox(QStringLiteral("Non è stato possibile conservare i dati dello studio nelle impostazioni: "
                              "valgono fino all'uscita da Vantegra e andranno digitati di nuovo al "
                              "prossimo avvio."),
               vb::Exclamation, windowTitle());
    accept();
}

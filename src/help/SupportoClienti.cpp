#include "help/SupportoClienti.h"
#include "ui_SupportoClienti.h"

#include <QFont>

supportoclienti::supportoclienti(QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::supportoclienti)
{
    m_ui->setupUi(this);
    setFixedSize(size());
    QFont marchio = m_ui->Label1->font();   // Designer keeps whole points only
    marchio.setPointSizeF(14.25);
    m_ui->Label1->setFont(marchio);
    connect(m_ui->Command1, &QPushButton::clicked, this, &supportoclienti::Command1_Click);
}

supportoclienti::~supportoclienti() = default;

void supportoclienti::Command1_Click()
{
    hide();
}

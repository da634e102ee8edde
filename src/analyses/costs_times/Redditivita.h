#pragma once

#include "analyses/costs_times/FinestraOpere.h"

#include <QScopedPointer>
#include <array>

namespace Ui {
class Redditivita;
}

// The times window `redditività`: a, the years between the appraisal and the moment the building
// starts to yield, for the chosen appraisal row. Days of design, permits, construction, land
// registry and habitability are typed as category totals (spread over their sub-items) or as
// sub-items (added up); construction is also the base of the works table. "TOTALE TEMPI" turns the
// total days into years with one decimal and writes them into the years column of the chosen row.
class Redditivita : public FinestraOpere
{
    Q_OBJECT

public:
    explicit Redditivita(QWidget *parent = nullptr);
    ~Redditivita() override;

    void tempoprog_Change();
    void tempoperm_Change();
    void tempocostr_Change();
    void tempocatast_Change();
    void tempoabit_Change();
    void giorni_Change(int index);
    void cmdtempi_Click();

    void cancelladati_Click() override;

protected:
    QLineEdit *casellaCostruzione() const override;
    void costruzione_Change() override { tempocostr_Change(); }
    QList<Controllo> controlli() const override;
    QList<QLineEdit *> caselleArchivio() const override;
    QList<QLineEdit *> caselleRighe() const override;

private:
    static Profilo profilo();

    const QScopedPointer<Ui::Redditivita> m_ui;
    std::array<QLineEdit *, 16> giorni{};   // 2..7, 10..12, 14..15
};

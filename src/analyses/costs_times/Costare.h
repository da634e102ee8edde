#pragma once

#include "analyses/costs_times/FinestraOpere.h"

#include <QScopedPointer>
#include <array>

namespace Ui {
class Costare;
}

// The costs window: K, the cost of putting up the building, for the chosen appraisal row, from
// a) technical expenses, b) urbanisation charges and c) construction, each typed as a whole
// (spread over its sub-items by fixed shares) or as sub-items (added up), and d) the developer's
// profit. Construction is also the base of the works table. "TOTALE COSTI" writes the total into
// the costs column of the chosen row.
class Costare : public FinestraOpere
{
    Q_OBJECT

public:
    explicit Costare(QWidget *parent = nullptr);
    ~Costare() override;

    void tecnich_Change();
    void oner_Change();
    void costruz_Change();
    void costo_Change(int index);
    void cmdcosti_Click();

    void cancelladati_Click() override;

protected:
    QLineEdit *casellaCostruzione() const override;
    void costruzione_Change() override { costruz_Change(); }
    QList<Controllo> controlli() const override;
    QList<QLineEdit *> caselleArchivio() const override;
    QList<QLineEdit *> caselleRighe() const override;

private:
    static Profilo profilo();

    const QScopedPointer<Ui::Costare> m_ui;
    std::array<QLineEdit *, 19> costo{};   // 2..7, 9..11, 13..18
};

#pragma once

#include <QDialog>
#include <QScopedPointer>

namespace Ui {
class DatiStudio;
}

// "Dati dello studio": where the appraiser enters the studio's name and address, which the cover
// page only shows. OK keeps them (for this run and in the user's settings); Annulla and Escape
// leave them as they were.
class DatiStudio : public QDialog
{
    Q_OBJECT

public:
    explicit DatiStudio(QWidget *parent = nullptr);
    ~DatiStudio() override;

    void conferma_Click();

private:
    const QScopedPointer<Ui::DatiStudio> m_ui;
};

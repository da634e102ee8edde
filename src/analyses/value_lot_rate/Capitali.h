#pragma once

#include "analyses/value_lot_rate/TabellaSaggi.h"
#include "core/AnalysisWindow.h"
#include "core/Griglia.h"

#include <QScopedPointer>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace Ui {
class Capitali;
}

// The rate window: for the appraisal row chosen in the main data window it lays out the plot
// value over a range of rates of return (a minimum, a maximum and an increment, each on a bar),
// in a grid of ten lines over the rate table; a click on a line's number writes that line's rate
// into the chosen row.
class Capitali : public AnalysisWindow
{
    Q_OBJECT

public:
    explicit Capitali(QWidget *parent = nullptr);
    ~Capitali() override;

    static constexpr int Righe = Griglia::Linee;
    // Shown by any command: the table first made to belong to the chosen row.
    void Form_Activate() override;

    // Rebuilds the rate table from the range and the chosen appraisal row, then refreshes the
    // grid. The main data window calls it by name before showing this window.
    Q_INVOKABLE void calcoloarea();
    // The rate table made to belong to the chosen appraisal row as it now stands (the range kept):
    // a table worked out for another row, or before the row's terms changed, is worked out again,
    // and one the row cannot give (no valid row chosen, terms that cannot be computed) is emptied,
    // never left with another row's figures; the grid follows. Nothing happens when the table
    // belongs already. Called whenever the window is shown and before the table is read.
    void rinnovaTabella();
    // Shows the ten table rows from the one the grid's scroll bar stands at.
    void VScroll1_Change();

    void HScroll1_Change();
    void HScroll2_Change();
    void HScroll3_Change();
    void valoremercat_Change(int index);
    void costitotal_Change(int index);
    void ann_Change(int index);
    void superfic_Change(int index);
    void sagg_Change(int index);
    void num_click(int index);
    void specific_Click(int index);
    void aiuto_Click();

    void controlla_click() override;
    // What the data check asks while no rate is chosen; the report asks the same before it prints.
    static QString avvisoSceltaSaggio();
    void solodati_Click() override;

    // The range as the bars stand and the chosen table row, and putting them back: the chosen
    // row first, then the three bars, each running its handler (the combined archive uses both).
    ArchivioSaggi archivioFinestra() const;
    void applicaArchivio(const ArchivioSaggi &archivio);
    // The range boxes as the window shows them, in percent.
    QString min() const;
    QString max() const;
    QString increm() const;

protected:
    int numeroFinestra() const override { return 6; }
    ArchiveKind archivio() const override;
    void scriviArchivio(ArchiveWriter &writer) override;
    bool leggiArchivio(const ArchiveReader &reader, QString *motivo) override;
    void dopoLettura() override;
    void caricaControlli() override;
    void azzeraDatiFinestra() override;
    QList<const QWidget *> vistaUtente() const override;
    void showEvent(QShowEvent *event) override;

private:
    void barra_Change(QScrollBar *barra, QLineEdit *box);
    void cella_Change(int colonna, int index);
    void ContaSaggi();
    void SuggerimentoRendimento();

    const QScopedPointer<Ui::Capitali> m_ui;
    Griglia griglia;

    // The grid's own rows, apart from the main grid's: the first one shown and the one edited.
    int SaggiPrimaRiga = 1;
    int SaggiRigaCorrente = 0;
};

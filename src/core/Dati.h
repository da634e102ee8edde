#pragma once

#include "core/AnalysisWindow.h"
#include "core/Griglia.h"

#include <QScopedPointer>
#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class RowArray;

namespace Ui {
class Dati;
}

// The main data window: ten grid lines over the appraisal rows 1 to 100, in which the terms of
// the formula are typed and each complete row's plot value and value per square metre show at
// once. A click on a row number chooses the row the detail windows work for.
class Dati : public AnalysisWindow
{
    Q_OBJECT

public:
    explicit Dati(QWidget *parent = nullptr);
    ~Dati() override;

    static constexpr int Righe = Griglia::Linee;

    // The grid refresh every other window calls after writing into the rows.
    void VScroll1_Change();
    void num_click(int index);
    void valoremercat_Change(int index);
    void costitotal_Change(int index);
    void ann_Change(int index);
    void superfic_Change(int index);
    void sagg_Change(int index);
    void copiariga_Click(int index);
    void delriga_Click(int index);
    void specific_Click(int index);

    void controlla_click() override;
    void cancelladati_Click() override;
    void solodati_Click() override;
    // Reads the combined archive of the whole appraisal. The reader fills every analysis window,
    // so it stands above them: the program hands it in at start.
    void apritutto_Click() override;
    static void setLettoreArchivioTotale(std::function<void(Dati &)> lettore);
    void aiuto_Click();
    void cmdrelazione_Click();

    // A detail window's result for the chosen row: written into its column, the row recomputed,
    // the grid refreshed and the main window shown. With no valid row chosen nothing is written
    // and the user is told to choose one (the main window still comes forward); returns whether
    // the value was written.
    static bool RiceviTermine(RowArray &colonna, const Variant &valore);

protected:
    int numeroFinestra() const override { return 1; }
    ArchiveKind archivio() const override;
    bool haControllo() const override { return true; }
    Variant &flagControllo() override;
    void scriviArchivio(ArchiveWriter &writer) override;
    bool leggiArchivio(const ArchiveReader &reader, QString *motivo) override;
    void dopoLettura() override { VScroll1_Change(); }
    void caricaControlli() override;
    void azzeraDatiFinestra() override;
    QList<const QWidget *> vistaUtente() const override;
    bool hasCombinedOpen() const override;

private:
    void colonna_Change(int colonna, int index);
    void CalcolaRiga();
    void ContaStime();
    void SuggerimentoRiga();
    int rigaDellaLinea(int index) const;

    const QScopedPointer<Ui::Dati> m_ui;
    Griglia griglia;
    std::array<QPushButton *, Righe + 1> copiariga{};
    std::array<QPushButton *, Righe + 1> delriga{};
};

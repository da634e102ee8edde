#pragma once

#include "analyses/value_lot_rate/CalcoloValore.h"
#include "core/AnalysisWindow.h"

#include <QScopedPointer>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace Ui {
class Valore;
}

// What the building-value window shows, as it shows it: read by its Word export and by the
// appraisal report (index 0 of every array is unused).
struct QuadroValore
{
    std::array<QString, 6> caratt, coeff;
    std::array<QString, 11> tipol, sup, ragg;
    std::array<QString, 12> suptot;   // 11: the total weighted surface again
    QString coeffic, supt, superf, costmq, stimatotal, valor, valoreuro;
    QString label2, label3, cmdstima, label9;
};

// The building-value window: five quality characteristics judged on bars give the mean
// coefficient, up to ten room rows give the weighted surface, and with the unit price they give
// Vm, the market value of the building, which "TOTALE STIMA" writes into the chosen appraisal row.
// Every result follows at once from the box or bar the user touches.
class Valore : public AnalysisWindow
{
    Q_OBJECT

public:
    explicit Valore(QWidget *parent = nullptr);
    ~Valore() override;

    static constexpr int Caratteristiche = valore::Caratteristiche;
    static constexpr int Righe = valore::Righe;

    // --- change and click handlers (control arrays pass the member's index)
    void HScroll1_Change(int index);
    void caratt_Click(int index);
    void tipol_Change(int index);
    void sup_Change(int index);
    void ragg_Change(int index);
    void ragg_Click(int index);
    void costmq_Change();
    void inform_Click(int index);
    void internet_Click();
    void cmdstima_Click();
    void aiuto_Click();

    void controlla_click() override;
    void cancelladati_Click() override;
    void solodati_Click() override;

    // Opens a web page in the user's browser; a shell-style result (above 32 when it opened).
    static int Link(const QString &indirizzo);
    // The public page of real-estate prices behind the `internet` button.
    static QString paginaPrezzi();

    // The archive layout of what the window holds, and writing one into its controls (each
    // write runs its handler, as typing does); the combined archive uses both.
    valore::Archivio archivioFinestra() const;
    void applicaArchivio(const valore::Archivio &archivio);

    QuadroValore quadro() const;

protected:
    int numeroFinestra() const override { return 2; }
    ArchiveKind archivio() const override;
    bool haControllo() const override { return true; }
    Variant &flagControllo() override;
    void scriviArchivio(ArchiveWriter &writer) override;
    bool leggiArchivio(const ArchiveReader &reader, QString *motivo) override;
    void caricaControlli() override;
    void azzeraDatiFinestra() override;
    QList<const QWidget *> vistaUtente() const override;

private:
    // The row last touched as its boxes now stand, then the totals and the value.
    void CalcolaStima();
    void RipristinaColori();
    void SuggerimentoValore();
    // One room row as its boxes now stand: its weighted surface, or nothing when the row is not
    // complete or a term is no number (it then counts for nothing); a row holding a character the
    // entry rule refuses keeps what it had, as while it is being typed.
    void RicalcolaRiga(int riga);
    // After an archive is read: every row, then the totals and the value.
    void RicalcolaTutto();
    void calcolaTotaliEValore();
    bool regolaImmissione(QWidget *box, const QString &testo, bool conSpazi);
    static void scrivi(QLineEdit *box, const QString &testo);
    static void scrivi(QComboBox *box, const QString &testo);
    static void scrivi(QLabel *label, const QString &testo);
    static QString testo(const QComboBox *box);

    // Form data that outlive the widget: the row last touched and the surfaces last accepted.
    int rigaAttiva() const;
    void setRigaAttiva(int riga);
    Variant superficieDigitata(int riga) const;
    void setSuperficieDigitata(int riga, const Variant &valore);
    std::array<Variant, 11> superficiDigitate() const;

    const QScopedPointer<Ui::Valore> m_ui;
    std::array<QLabel *, 6> caratt{};
    std::array<QScrollBar *, 6> HScroll1{};
    std::array<QLabel *, 6> coeff{};
    std::array<QLineEdit *, 11> tipol{};
    std::array<QLineEdit *, 11> sup{};
    std::array<QComboBox *, 11> ragg{};
    std::array<QLineEdit *, 12> suptot{};
    std::array<QPushButton *, 5> inform{};
};

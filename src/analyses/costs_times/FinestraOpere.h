#pragma once

#include "analyses/costs_times/ArchivioOpere.h"
#include "analyses/costs_times/CalcoliCostiTempi.h"
#include "core/AnalysisWindow.h"

#include <QList>
#include <QScopedPointer>
#include <QStringList>
#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace Ui {
class TabellaOpere;
}

// What a costs or times window shows, as it shows it: read by the appraisal report. Index 0 of
// the arrays is unused; the rows of the categories table are in window order, row 1 first.
struct QuadroOpere
{
    std::array<QString, opere::NumeroOpere + 1> label1, ris;   // the 16 works
    std::array<QString, opere::NumeroOpere + 2> correz;        // 17: the total share
    QString tipo;              // caption of the chosen building type; empty when none is chosen
    QString base;              // the construction box, base of the works table
    QStringList label2;        // row captions
    QStringList righe;         // the box beside each caption
    QList<bool> categorie;     // whether the row is a category, with its total
    QString totale;            // the window's total
};

// What the costs window `costare` and the times window `redditività` share. Both break a
// construction category down over the 16 kinds of work of the works table, whose shares come
// from a building type and are fine-tuned with sliders or cancelled with "X"; both spread their
// categories over sub-items by fixed shares and add the sub-items back up; both explain their rows,
// check their data, keep an archive of 17 lines and write a Word document of two tables.
//
// Everything runs by the change cascade: writing a box or a slider runs its handler at once
// (textChanged, valueChanged), writing what a control already holds runs nothing, and selecting a
// building type by code runs its click handler.
class FinestraOpere : public AnalysisWindow
{
    Q_OBJECT

public:
    ~FinestraOpere() override;

    // --- the works table
    void Option1_Click(int index);
    void HScroll1_Change(int index);
    void correz_Change(int index);
    void annulla_Click(int index);

    void inform_Click(int index);
    void aiuto_Click();

    void controlla_click() override;
    void solodati_Click() override;

    // The window's archive record as the window stands (the combined save writes the same), and an
    // archive already checked put back into the window: the building type first, then the
    // category boxes in record order, then the sliders (the combined reading does the same).
    ArchivioOpere archivioFinestra() const;
    void applicaArchivio(const ArchivioOpere &archivio);

    QuadroOpere quadro() const;

protected:
    // What tells the two windows apart, besides their own rows.
    struct Profilo
    {
        int numero = 0;
        QString nome;                  // object name
        QString titolo;                // window caption
        Variant *tipo = nullptr;       // gTipoCosti, gTipoTempi
        Variant *base = nullptr;       // gCostoCostruzione, gTempoCostruzione
        Variant *flag = nullptr;       // gControlloCosti, gControlloTempi
        Variant *totale = nullptr;     // gTotaleCosti, gTotaleTempi
        bool passoAzzeraAggiornamento = false;   // the works-table step ends a spread (costs)
        QString captionTotale;         // `labello` when the shares make 100
        QString captionTotaleIniziale; // `labello` as designed
        QString captionCaratt;
        QString tooltipCaratt;
        QString tooltipAnnulla;
        bool tooltipOpere = false;     // the works' captions carry their description (times)
        QStringList spiegazioni;       // the "?" texts, row 1 first
        QStringList aiuto;             // the "&AIUTO" lines
        QString conferma;              // the check's message when everything is in place
        ArchiveKind archivio;
        QString suggerimentoFinale;    // the hint once every category is typed and a type chosen
        // the Word document
        QString sottotitolo;           // ends with a blank, before the type's caption
        QString intestazioneImporti;   // table 1, column 2
        QString totaleOpere;           // table 1, last row
        bool importiFormattati = false;   // amounts as "##,##0.00" (costs) or as shown (times)
        QStringList intestazioneCategorie;   // table 2, row 1
        QString rigaTotale;            // table 2, last row
        QString parteNome;             // "-CostiVantegra-"
    };

    // A category box, its stored value and its sub-items with their shares.
    struct Categoria
    {
        QLineEdit *casella = nullptr;
        Variant *memoria = nullptr;
        QList<QLineEdit *> voci;
        QList<double> quote;
        categorie::Arrotondamento arrotondamento = categorie::Arrotondamento::MezzoInSu;
    };

    // A box of the hint line's order and the hint shown while it is empty.
    struct Indicazione
    {
        QLineEdit *casella = nullptr;
        QString testo;
    };

    // One check: the first box whose leading number is 0 shows its message and ends the check.
    struct Controllo
    {
        QLineEdit *casella = nullptr;
        QString messaggio;
        int icona = 0;
    };

    FinestraOpere(const Profilo &profilo, QWidget *parent);
    // Sets the works table into the form's placeholder `opere`, finds the controls by name, wires
    // them, then joins the command family. The form must be on `centrale` already.
    void impostaFinestra(QWidget *centrale);

    // --- what each window supplies
    virtual QLineEdit *casellaCostruzione() const = 0;
    // The window's construction handler: costruz_Change or tempocostr_Change.
    virtual void costruzione_Change() = 0;
    virtual QList<Controllo> controlli() const = 0;
    virtual QList<QLineEdit *> caselleArchivio() const = 0;
    // The box beside each row caption `Label2`, row 1 first.
    virtual QList<QLineEdit *> caselleRighe() const = 0;
    // The hint line: the first box still empty names what to type next, then the building type,
    // then the final hint.
    void Suggerimento();

    // --- shared steps
    // The last step of the construction handler: a type when none is chosen, then the 16 amounts.
    void PassoTabella();
    bool tipoScelto() const;
    // Selects building type `tipo` as a click would, its handler included.
    void scegliTipo(int tipo);
    // Type 2 ("medie") when no type is selected yet.
    void tipoSeNessuno();

    // A category typed: when its leading number differs from the stored value, stores it and
    // spreads it over the sub-items (the flag InAggiornamento stays 1); false when nothing changed.
    bool ripartisciCategoria(const Categoria &categoria);
    // The handler of a category that only spreads: after a spread the flag goes back to 0 and the
    // total follows.
    void categoria_Change(int k);
    // A sub-item changed: unless a spread is writing, the categories are added up from their
    // sub-items; then the category boxes show their stored values, the total follows and the hint
    // is renewed.
    void voce_Change();
    // Rewrites the category boxes from their stored values, in order.
    void riscriviCategorie();
    // The window's total from the stored categories, plus the profit's leading number where there
    // is one, into its box. It follows every category that changes, also when the new value splits
    // into the same sub-items as the old one (29 and 30 days both give 15 + 15).
    void totaleCategorie();

    static void scrivi(QLineEdit *casella, const QString &testo);
    // The category boxes light cyan, the total cyan.
    static void coloraCaselle(const QList<QLineEdit *> &categorie, QLineEdit *totale);

    ArchiveKind archivio() const override { return m_profilo.archivio; }
    bool haControllo() const override { return true; }
    Variant &flagControllo() override { return *m_profilo.flag; }
    void scriviArchivio(ArchiveWriter &writer) override;
    bool leggiArchivio(const ArchiveReader &reader, QString *motivo) override;
    void caricaControlli() override;
    void azzeraDatiFinestra() override;
    int numeroFinestra() const override { return m_profilo.numero; }

    const Profilo m_profilo;
    QList<Categoria> m_categorie;         // in the order the boxes are rewritten
    QList<Indicazione> m_suggerimenti;    // in the hint line's order
    QLineEdit *m_profitto = nullptr;      // a box added to the total by its leading number (costs)
    QLineEdit *m_casellaTotale = nullptr;
    Variant InAggiornamento;

    std::array<QLabel *, opere::NumeroOpere + 1> Label1{};
    std::array<QLineEdit *, opere::NumeroOpere + 2> correz{};
    std::array<QScrollBar *, opere::NumeroOpere + 1> HScroll1{};
    std::array<QPushButton *, opere::NumeroOpere + 1> annulla{};
    std::array<QLineEdit *, opere::NumeroOpere + 1> ris{};
    std::array<QRadioButton *, opere::NumeroTipi + 1> Option1{};
    QLabel *labello = nullptr;
    QGroupBox *caratt = nullptr;
    QLabel *passo = nullptr;

private:
    bool inAggiornamento() const;
    // The total share from the share texts, as a moved slider writes it.
    void totaleQuote();
    bool categoria(const QLineEdit *casella) const;

    const QScopedPointer<Ui::TabellaOpere> m_tabella;
};

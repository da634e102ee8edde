#pragma once

#include "core/WindowRegistry.h"
#include "platform/CommonDialog.h"
#include "runtime/Variant.h"

#include <QMainWindow>
#include <memory>

class ArchiveReader;
class ArchiveWriter;
class clsResize;
class QAction;
class QMenu;
class QToolBar;

// What the seven analysis windows share: the proportional layout of their controls, their one
// file-and-colour dialog, their current archive name, which outlives the window, and the command
// family: the menu bar, the 22-position toolbar, window switching, background colour, help
// entries, exit, and the archive commands open, save, save as and delete.
//
// A window builds its controls in its constructor, then calls setupCommandFamily(); the load
// (Form_Load) lays the window out, then runs the window's own caricaControlli(); its Form_Unload
// calls AnalysisWindow::Form_Unload() last. It declares its number and, for the archive commands,
// its kind of archive, how it writes and reads it, and its silent check.
class AnalysisWindow : public QMainWindow, public FormLifecycle
{
    Q_OBJECT

public:
    // What tells one kind of archive from another: the name every save dialog proposes first,
    // the dialogs' filters ("description|pattern|...", kept exactly) and how messages name it.
    struct ArchiveKind
    {
        ArchiveKind() = default;
        ArchiveKind(const QString &prefisso, const QString &filtroApri, const QString &filtroSalva,
                    const QString &descrizione, const QString &filtroElimina = QString())
            : prefisso(prefisso), filtroApri(filtroApri), filtroSalva(filtroSalva),
              descrizione(descrizione), filtroElimina(filtroElimina) {}

        QString prefisso;       // "Vantegra-dati-"
        QString filtroApri;     // open dialog, filter index 2
        QString filtroSalva;    // save dialog, filter index 1
        QString descrizione;    // "dei dati generali": "... non è un archivio dei dati generali di Vantegra"
        QString filtroElimina;  // delete dialog, filter index 2; empty: the open filter
    };

    explicit AnalysisWindow(QWidget *parent = nullptr);
    ~AnalysisWindow() override;

    void Form_Load() override;
    void Form_Unload() override;

    // 1 dati, 2 valore, 3 costare, 4 redditività, 5 superficie, 6 capitali, 7 frontespizio.
    virtual int numeroFinestra() const { return 0; }

    // --- the window's own commands, wired by the family
    // The data check, called with the window's check flag set to 1 before a save or the report;
    // a window with a check resets the flag when the data are complete.
    virtual void controlla_click() {}
    virtual void cancelladati_Click() {}
    virtual void solodati_Click() {}      // the Word export
    virtual void apritutto_Click() {}     // reads the combined archive (main data window)
    virtual void salvatutto_Click() {}    // writes the combined archive (cover page)

    // --- archive commands
    void apri_Click();
    void salva_Click();
    void salvanome_Click();
    void eliminare_Click();

    // --- window switching and help
    void fin1_Click() { fin_Click(1); }
    void fin2_Click() { fin_Click(2); }
    void fin3_Click() { fin_Click(3); }
    void fin4_Click() { fin_Click(4); }
    void fin5_Click() { fin_Click(5); }
    void fin6_Click() { fin_Click(6); }
    void fin7_Click() { fin_Click(7); }
    // Shows analysis window k; the window's own number asks whether its guide is wanted instead.
    void fin_Click(int k);
    void finestra_Click();          // the window's own guide, without a question
    void guidainlinea_Click();      // the help contents
    void guida_Click() { guidainlinea_Click(); }
    void cmdguida_Click() { guidainlinea_Click(); }
    void sugger_Click();
    void suggerimenti_click() { sugger_Click(); }
    void supporto_Click();
    void informazioni_Click();
    void cmddati_Click();
    void colorare_Click();
    void esci_Click();
    void cmduscita_Click() { esci_Click(); }
    void cmdesci_Click() { esci_Click(); }
    // Runs the command of a toolbar position; any number outside 1..22 opens a file.
    void Toolbar1_ButtonClick(int posizione);

    // The background colour of the window's client area, Windows layout (0x00BBGGRR).
    unsigned int BackColor() const;
    void setBackColor(unsigned int colore);

    // Re-reads which commands can run: an entry that shows a window the program does not have
    // (yet) is greyed, and so are the combined-archive entries of a window that offers none.
    void aggiornaComandi();

    // The current archive name; kept by the registry, so it survives an unload.
    QString &NomeFile();

    // Puts the window back as a freshly started program loads it: its controls hold what they
    // held when it was created, the data it keeps for its own computations are as at the start,
    // and its load fills the controls again. Every read calls it once the file has been checked,
    // before the file's first value is written: a box written with the text it already holds
    // runs nothing, so without it whatever hung on such a box before (sub-items typed over a
    // category, a lot surface typed over the computed one) would outlive the read. The window's
    // place, size, visibility, colour and current archive name stay, and so do the controls that
    // only show where the user looks (vistaUtente).
    void comeAppenaCaricata();

    CommonDialog CommonDialog1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

    // Sets the window's Designer form up on a new central widget, names the window and gives it
    // its caption; returns the central widget, the parent of the window's controls.
    template<class Form>
    QWidget *impostaForm(Form &form, const QString &nome, const QString &titolo)
    {
        auto *centrale = new QWidget(this);
        form.setupUi(centrale);
        mettiCentrale(centrale, nome, titolo);
        return centrale;
    }
    void mettiCentrale(QWidget *centrale, const QString &nome, const QString &titolo);

    // Builds the menu bar, the toolbar and the colour, and wires the form's buttons found by
    // name (cmduscita, cmdesci, guida, cmdguida, cmddati). Called once, after the form is set up.
    void setupCommandFamily();

    // What the window's load does once the window is laid out: fills its controls (a refresh,
    // the starting range of a bar, the hint line). comeAppenaCaricata() runs it again.
    virtual void caricaControlli() {}
    // The data that only the window's own handlers keep, outside its controls (a shared module's
    // mirror of its boxes, values stored by its handlers), put back as at the program's start.
    virtual void azzeraDatiFinestra() {}
    // Controls that show where the user looks rather than what the window holds, such as a
    // grid's scroll bar or an explanation: comeAppenaCaricata() leaves them alone.
    virtual QList<const QWidget *> vistaUtente() const { return {}; }

    virtual ArchiveKind archivio() const { return {}; }
    // Whether a save first runs the silent check on flagControllo() and controlla_click().
    virtual bool haControllo() const { return false; }
    virtual Variant &flagControllo();
    // Writes the window's record layout.
    virtual void scriviArchivio(ArchiveWriter &writer);
    // Checks the whole file first and applies it only when it is good, to the window put back as
    // just loaded (comeAppenaCaricata); otherwise says why in `motivo` (a short Italian phrase)
    // and changes nothing.
    virtual bool leggiArchivio(const ArchiveReader &reader, QString *motivo);
    // Refreshes what the window shows after a file was read.
    virtual void dopoLettura() {}
    virtual bool hasCombinedOpen() const { return false; }
    virtual bool hasCombinedSave() const { return false; }

    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    bool SalvaFile();
    void domandaPropria();
    void creaMenu();
    void creaToolbar();
    void collegaPulsanti();
    QAction *voce(QMenu *menu, const QString &nome, const QString &caption, void (AnalysisWindow::*comando)());
    QWidget *sfondo() const;

    // What each control held when the window was created: its text, or its position, index or
    // check state.
    struct ValoreIniziale
    {
        QWidget *controllo = nullptr;
        QString testo;
        int numero = 0;
    };
    void ricordaValoriIniziali();
    void ripristinaValoriIniziali();

    QList<ValoreIniziale> m_valoriIniziali;
    std::unique_ptr<clsResize> m_resize;
    QToolBar *m_toolbar = nullptr;
};

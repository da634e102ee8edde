#pragma once

#include "core/AnalysisWindow.h"
#include "report/ArchivioFrontespizio.h"

#include <QPointer>
#include <QScopedPointer>
#include <array>

class DatiStudio;
class QLabel;
class QLineEdit;

namespace Ui {
class Frontespizio;
}

// The cover page: the eight texts of the report's title page and closing (where the plot lies,
// its owner, who asked for the appraisal, where and when it was made, what is attached), the
// studio's name and address shown read-only, a status line that warns of texts too long for a
// tidy print, the data check, the cover archive and the cover's Word export.
class Frontespizio : public AnalysisWindow
{
    Q_OBJECT

public:
    explicit Frontespizio(QWidget *parent = nullptr);
    ~Frontespizio() override;

    // Longest text that still prints tidily.
    static constexpr int LunghezzaMassima = 60;

    // The data check. Called with ControlloFrontespizio set to 1 (before the report or the
    // combined save), it resets the flag when the data are complete and shows nothing then.
    void controlla_click() override;
    void cancelladati_Click() override;
    void solodati_Click() override;
    // Saves the whole appraisal in one combined archive, after every window's data check.
    void salvatutto_Click() override;
    void aiuto_Click();
    // The checks, then the appraisal report written, saved and opened.
    void stampa_Click();
    // Opens "Dati dello studio"; the labels follow what is confirmed there.
    void datistudio_Click();

    // The status line: what to do, or that Word is being loaded while the report starts.
    void MostraPasso();

    // The eight texts, in table order; writing them runs each box's change handler.
    DatiFrontespizio testi() const;
    void impostaTesti(const DatiFrontespizio &dati);

    // Window data that outlive the widget: the silent-check flag (unset at first, 1 while a
    // caller waits, 0 once the check passed) and "sì" while the report is being started.
    Variant ControlloFrontespizio() const;
    void setControlloFrontespizio(const Variant &valore);
    QString StampaInCorso() const;
    void setStampaInCorso(const QString &valore);

protected:
    int numeroFinestra() const override { return 7; }
    ArchiveKind archivio() const override;
    bool hasCombinedSave() const override { return true; }
    void scriviArchivio(ArchiveWriter &writer) override;
    bool leggiArchivio(const ArchiveReader &reader, QString *motivo) override;
    void caricaControlli() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void testo_Change(int indice);
    void AvvisoLunghezza();
    void mostraStudio();

    const QScopedPointer<Ui::Frontespizio> m_ui;
    std::array<QLineEdit *, DatiFrontespizio::NumeroTesti> m_testi{};
    std::array<QLabel *, 11> Label2{};   // 1..10
    QPointer<DatiStudio> m_datiStudio;
};

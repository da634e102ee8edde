#pragma once

#include "analyses/value_lot_rate/CalcoloSuperficie.h"
#include "core/AnalysisWindow.h"

#include <QScopedPointer>
#include <array>

class QLabel;
class QLineEdit;

namespace Ui {
class Superficie;
}

// The mirror of the lot window's 33 fields, element k the text of field k (element 0 unused). Every
// change of a field writes it; it outlives the window, so the combined archive can put the fields
// back from it.
extern std::array<Variant, NumeroCampiUrbanistici + 1> gDatiUrbanistici;

// The lot window: what the town plan and the land register say about the plot (19 fields) and
// what surrounds it (14 fields). From the mean length and width it works out the lot surface, and
// from the planning indices an estimate of the buildable volume and gross building surface. Its
// transfer button writes the lot surface into the chosen appraisal row.
class Superficie : public AnalysisWindow
{
    Q_OBJECT

public:
    explicit Superficie(QWidget *parent = nullptr);
    ~Superficie() override;

    // --- what the combined archive and the report read and write
    // Field k (1 to 33); writing a different text runs the field's change handler.
    QString urban(int campo) const;
    void setUrban(int campo, const QString &testo);
    QString suplot() const;
    // A lot surface kept by an archive, written after the fields: the estimate follows it.
    void setSuplot(const QString &testo);
    QString vol() const;
    QString suplord() const;
    // The names of fields 1 to 19 and of fields 20 to 33, as their labels show them.
    QString descrive(int indice) const;
    QString dezona(int indice) const;

    // --- handlers
    void urban_Change(int index);
    void suplot_Change();
    void descrive_Click(int index);
    void dezona_Click(int index);
    void inform_Click(int index);
    void cmdlotto_Click();
    void aiuto_Click();

    void controlla_click() override;
    void cancelladati_Click() override;
    void solodati_Click() override;

protected:
    int numeroFinestra() const override { return 5; }
    ArchiveKind archivio() const override;
    bool haControllo() const override { return true; }
    Variant &flagControllo() override;
    void scriviArchivio(ArchiveWriter &writer) override;
    bool leggiArchivio(const ArchiveReader &reader, QString *motivo) override;
    void caricaControlli() override;
    void azzeraDatiFinestra() override;

private:
    void StimaEdificabilita();
    void SuggerimentoSuperficie();
    void RipristinaColoriDati();
    void RipristinaColoriZona();
    CampiUrbanistici campi() const;

    const QScopedPointer<Ui::Superficie> m_ui;
    std::array<QLineEdit *, NumeroCampiUrbanistici + 1> m_urban{};
    std::array<QLabel *, 20> m_descrive{};
    std::array<QLabel *, 15> m_dezona{};
};

#pragma once

#include "core/Controlli.h"

#include "core/WindowRegistry.h"

#include <QColor>
#include <QFont>
#include <QScopedPointer>
#include <QWidget>
#include <memory>

class clsResize;

namespace Ui {
class Guida;
}

// One of the eleven guide windows (`manuale`, `guidafunzionamento`, ... `guidafrontespizio`):
// a heading, one paragraph of explanation and three buttons, back to the help contents, print
// this guide and close. They differ only in their texts (TestiGuida) and in a few sizes of the
// manual and of three guides. Closing a guide unloads it; the next opening loads it afresh.
class Guida : public QWidget, public FormLifecycle
{
    Q_OBJECT

public:
    // The guide window of that name; its texts come from TestiGuida().
    explicit Guida(const QString &nome, QWidget *parent = nullptr);
    ~Guida() override;

    void Form_Load() override;
    void Form_Unload() override;

    void cmdchiudi_Click();
    void cmdSommario_Click();
    void cmdstampa_Click();

    // What the window shows: the heading (Label1) and the text (Label2).
    QString titolo() const;
    QString testo() const;

    // Where a guide other than the manual stands when it loads: beside the help contents.
    static constexpr int kSinistra = 5467;
    static constexpr int kAltezza = 6825;
    static constexpr int kLarghezza = 5640;
    static constexpr int kLarghezzaManuale = 9600;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    bool eManuale() const;

    const QScopedPointer<Ui::Guida> m_ui;
    std::unique_ptr<clsResize> m_resize;
};

// The help windows' font: "MS Sans Serif" where the system has it, otherwise a sans-serif of
// about its proportions, so that the guide texts fit their labels.
QFont fontGuida(double punti, bool grassetto = false);
// The help windows' light yellow, behind the window and its labels.
inline const QColor kGialloGuida(255, 255, 192);
// Twips (15 to a pixel) to whole pixels.
int pixelDaTwips(double twips);

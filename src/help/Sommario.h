#pragma once

#include "core/WindowRegistry.h"

#include <QScopedPointer>
#include <QWidget>
#include <memory>

class QLabel;
class clsResize;

namespace Ui {
class Sommario;
}

// The help contents `sommario`: thirteen topics, each an arrow button `puls` and a topic label
// `lbl` that open the same window (the eleven guides, the tip of the day, the product list).
// The label under the pointer turns bold; pressing a label, with any mouse button, opens its
// topic at once and takes the label's border off until the button is released. Its buttons
// print the whole guide, hide the window and ask to leave the program. "&Chiudi" only hides
// it; its title-bar close box unloads it.
class Sommario : public QWidget, public FormLifecycle
{
    Q_OBJECT

public:
    static constexpr int kArgomenti = 13;
    static constexpr int kAltezza = 6825;
    static constexpr int kLarghezza = 3975;

    explicit Sommario(QWidget *parent = nullptr);
    ~Sommario() override;

    void Form_Load() override;
    void Form_Unload() override;

    // Shows the window of topic Index (1 to 13); any other Index does nothing.
    void puls_Click(int Index);
    void lbl_MouseMove(int Index);
    void form_MouseMove();
    void lbl_Mousedown(int Index);
    void lbl_MouseUp(int Index);
    void cmdstampa_Click();
    void cmdchiudi_Click();
    void esco_Click();

    // The window that topic Index opens; empty outside 1 to 13.
    static QString finestraArgomento(int Index);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void TogliGrassetto();
    QLabel *lbl(int Index) const;
    void grassetto(QLabel *etichetta, bool si);

    const QScopedPointer<Ui::Sommario> m_ui;
    std::unique_ptr<clsResize> m_resize;
};

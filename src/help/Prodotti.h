#pragma once

#include "core/WindowRegistry.h"
#include "help/Listino.h"
#include "runtime/Variant.h"

#include <QScopedPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <memory>

class QLabel;
class clsResize;

namespace Ui {
class prodotti;
}

// The year of the maker's price list, as read from "listino.txt" by the product list.
extern Variant gAnnoListino;

// The maker's other products with their prices, read from "listino.txt" in the current folder
// when the window loads, shown ten at a time; the list prints as a table into a new Word document
// that is shown, not saved. Two buttons open the maker's catalogue page and a new e-mail to the
// maker. A list that cannot be read whole is said so in the window, which shows what it could read.
class prodotti : public QWidget, public FormLifecycle
{
    Q_OBJECT

public:
    static inline const QString NomeListino = QStringLiteral("listino.txt");
    static inline const QString SitoQuirindo = QStringLiteral("www.quirindo.example");
    static inline const QString PaginaCatalogo = QStringLiteral("https://www.quirindo.example/catalogo/");
    static inline const QString PaginaAcquisti = QStringLiteral("https://www.quirindo.example/acquista/");
    static inline const QString EmailQuirindo = QStringLiteral("info@quirindo.example");
    static constexpr int Righe = 10;   // lines of the list

    explicit prodotti(QWidget *parent = nullptr);
    ~prodotti() override;

    void Form_Load() override;
    void Form_Unload() override;

    // Refills the ten lines from the product the scroll bar shows first.
    void VScroll1_Change();
    void cmdStampa_Click();
    void Command1_Click();
    void Command2_Click();
    void cmdSommario_Click();
    void cmdChiudi_Click();

    // Opens a web page or a mail address with the user's default program; like the shell, a
    // value above 32 when it was handed over, 0 when nothing could open it.
    static qint32 Link(const QString &URL);

    const Listino &listino() const { return m_listino; }
    int ListinoConteggio() const { return m_listino.conteggio; }
    int ListinoPrimaRiga() const { return m_primaRiga; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    const QScopedPointer<Ui::prodotti> m_ui;
    std::unique_ptr<clsResize> m_resize;
    Listino m_listino;
    int m_primaRiga = 1;
    // The five label arrays of the lines, element i for line i (element 0 unused).
    std::array<QLabel *, Righe + 1> m_num{}, m_nom{}, m_argom{}, m_eur{}, m_off{};
};

#include "support/WindowTest.h"

#include "core/Dati.h"
#include "core/Modulo.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

// The appraiser works out the terms of one row in the detail windows and sends each into it.
class DetailWindowsJourney : public WindowTest
{
protected:
    QLineEdit *box(QWidget *w, const QString &nome) { return find<QLineEdit>(w, nome); }
    QWidget *apri(int colonna)
    {
        click(find<QPushButton>(dati, QStringLiteral("specific_%1").arg(colonna)));
        static const char *const nomi[] = {"", "valore", "costare", "redditività", "superficie", "capitali"};
        const QString nome = QString::fromUtf8(nomi[colonna]);
        EXPECT_TRUE(isShown(nome)) << nomi[colonna];
        return WindowRegistry::existing(nome);
    }
    Dati *dati = nullptr;
};

TEST_F(DetailWindowsJourney, EachDetailWindowSendsItsTermIntoTheChosenRow)
{
    dati = show<Dati>(QStringLiteral("dati"));
    type(box(dati, "valoremercat_3"), "200000");
    click(find<QLabel>(dati, "num_3"));

    QWidget *costi = apri(2);
    type(box(costi, "tecnich"), "100000");
    click(find<QPushButton>(costi, "cmdcosti"));
    EXPECT_EQ(box(dati, "costitotal_3")->text(), "100000");

    QWidget *tempi = apri(3);
    type(box(tempi, "tempoprog"), "730");
    click(find<QPushButton>(tempi, "cmdtempi"));
    EXPECT_EQ(box(dati, "ann_3")->text(), "2");

    QWidget *lotto = apri(4);
    type(box(lotto, "urban_15"), "25");
    type(box(lotto, "urban_16"), "20");
    EXPECT_EQ(box(lotto, "suplot")->text(), "500");
    click(find<QPushButton>(lotto, "cmdlotto"));
    EXPECT_EQ(box(dati, "superfic_3")->text(), "500");

    // The rate window's table starts at 5 % once its minimum bar is moved there.
    QWidget *saggi = apri(5);
    find<QScrollBar>(saggi, "HScroll1")->setValue(500);
    click(find<QLabel>(saggi, "num_1"));
    EXPECT_EQ(box(dati, "sagg_3")->text(), "5");

    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(box(dati, "valtot_3")->text(), "90702");
    EXPECT_EQ(box(dati, "valmq_3")->text(), "181,4");
    EXPECT_TRUE(isShown("dati"));
}

} // namespace

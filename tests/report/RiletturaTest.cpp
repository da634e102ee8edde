#include "report/TutteLeFinestre.h"

#include <QRegularExpression>
#include <functional>
#include <random>

namespace {

// A read leaves every window as a freshly started program shows it after reading the same file,
// whatever the windows held before; where the user scrolled the grids stays.
class RiletturaTest : public TutteLeFinestreTest
{
protected:
    QScrollBar *griglia(int k) { return find<QScrollBar>(w(k), "VScroll1"); }

    // A few changes in every window: boxes typed, bars moved, options, "X" and line numbers clicked.
    void modificaACaso(std::mt19937 &caso)
    {
        const auto aCaso = [&caso](qsizetype da, qsizetype a) { return std::uniform_int_distribution<qsizetype>(da, a)(caso); };
        const QStringList testi{"", "0", "7", "250", "1800", "12,5", "99999", "x"};
        for (int k = 0; k < 7; ++k) {
            QList<QWidget *> controlli;
            for (auto *c : w(k)->findChildren<QWidget *>())
                if ((c->inherits("QLineEdit") && !static_cast<QLineEdit *>(c)->isReadOnly()) || c->inherits("QScrollBar")
                    || c->inherits("QRadioButton") || c->objectName().contains(QRegularExpression("^(annulla|num)_")))
                    controlli << c;
            for (auto volte = aCaso(1, 4); volte > 0; --volte) {
                QWidget *c = controlli[aCaso(0, controlli.size() - 1)];
                if (auto *e = qobject_cast<QLineEdit *>(c))
                    e->setText(testi[aCaso(0, testi.size() - 1)]);
                else if (auto *s = qobject_cast<QScrollBar *>(c))
                    s->setValue(int(aCaso(s->minimum(), s->maximum())));
                else
                    click(c);
            }
        }
    }

    // The windows after `leggi`, against the same read in a program started again whose grids
    // the user scrolled as here.
    QStringList differenzeDaNuovo(const std::function<void()> &leggi, QMap<QString, QString> *letto = nullptr)
    {
        const int primaRiga[] = {griglia(0)->value(), griglia(5)->value()};
        leggi();
        const QMap<QString, QString> qui = istantanea(true);
        if (letto)
            *letto = qui;
        riavvia();
        griglia(0)->setValue(primaRiga[0]);
        griglia(5)->setValue(primaRiga[1]);
        leggi();
        return differenze(istantanea(true), qui);
    }

    // The whole appraisal saved as a combined archive and as each window's own; the two ways of
    // reading it back.
    void salvaArchivi()
    {
        show<Dati>("dati");
        compilaTutto();
        salvaTutto(cartella.filePath("totale"));
        for (int k = 0; k < 7; ++k)
            archivioProprio(k, "salvanome");
    }
    void archivioProprio(int k, const char *comando)
    {
        answerDialog(cartella.filePath(nomi[k]));
        trigger(w(k), comando);
    }
    const std::function<void()> letture[2] = {[this] { apriTutto(cartella.filePath("totale")); }, [this] {
        for (int k = 0; k < 7; ++k)
            archivioProprio(k, "apri");
    }};
};

TEST_F(RiletturaTest, TypedSubItemsAndLotSurfaceGiveWayToTheFile)
{
    salvaArchivi();
    for (const auto &leggi : letture) {
        riavvia();
        leggi();
        box(2, "costo_2")->setText("2500");
        box(2, "costo_3")->setText("2500");
        ASSERT_EQ(box(2, "tecnich")->text(), "10000");
        box(4, "suplot")->setText("1800");
        griglia(0)->setValue(11);

        QMap<QString, QString> letto;
        EXPECT_EQ(differenzeDaNuovo(leggi, &letto), QStringList());
        EXPECT_EQ(letto.value("costare.costo_2"), "3000");
        EXPECT_EQ(letto.value("costare.costo_3"), "2000");
        EXPECT_EQ(letto.value("superficie.suplot"), "2160");
        EXPECT_EQ(letto.value("dati.VScroll1"), "11");
    }
}

TEST_F(RiletturaTest, AfterRandomEditsEveryReadEqualsAFreshProgramsRead)
{
    salvaArchivi();
    std::mt19937 caso(17);
    for (int giro = 0; giro < 12; ++giro) {
        riavvia();
        letture[0]();
        modificaACaso(caso);
        EXPECT_EQ(differenzeDaNuovo(letture[giro % 2]), QStringList()) << "giro " << giro;
    }
}

} // namespace

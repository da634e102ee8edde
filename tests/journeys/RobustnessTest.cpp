#include "support/WindowTest.h"

#include "core/Modulo.h"
#include "core/WordExport.h"
#include "platform/MsgBox.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTemporaryDir>

#include <cmath>

namespace {

// An appraiser in a hurry: random texts in every box, every button, bar and command of every
// analysis window, in random order. Whatever happens, the program must neither crash nor write
// outside the appraisal rows.
class RobustnessTest : public WindowTest
{
};

const QStringList testiCasuali = {"", "0", "1", "12,5", "1,,5", ",", "-3", "1.500", "abc", "999999999999999999",
                                  "0,0001", "100", "101", " ", "1e9", "è", "7"};

// Commands that leave the program or delete files, and Qt's own menu pop-ups, are not for a robot.
bool esce(const QString &nome)
{
    return nome.startsWith("qt_") || nome == "esci" || nome == "cmduscita" || nome == "cmdesci" || nome == "esco" || nome == "Toolbar1_22"
        || nome == "Toolbar1_21" || nome == "eliminare" || nome == "Toolbar1_3";
}

TEST_F(RobustnessTest, RandomUseOfEveryAnalysisWindowNeverCrashes)
{
    QTemporaryDir documenti;
    WordExport::setCartella(documenti.path());
    // Every question answered No (the exit question included); a file dialog is cancelled or
    // names one of two files, so that every archive, the combined one included, is written over
    // and read back by windows of other kinds too.
    setMessageHandler([](const MessageRecord &m) { return m.buttons() == vb::YesNo ? int(vb::No) : int(vb::OK); });
    QRandomGenerator caso(20261207);
    CommonDialog::setHandler([&](const CommonDialog::Request &r) {
        if (r.kind == CommonDialog::Kind::Color || caso.bounded(3) == 0)
            return CommonDialog::Reply{};
        return CommonDialog::Reply{true, documenti.filePath(caso.bounded(2) ? "Vantegra-totale-robot" : "archivio"), 0};
    });

    const QStringList finestre = {"dati", "valore", "costare", "redditività", "superficie", "capitali", "frontespizio"};
    for (int passo = 0; passo < 1500; ++passo) {
        const QString nome = finestre[int(caso.bounded(finestre.size()))];
        WindowRegistry::show(nome);
        QPointer<QWidget> w = WindowRegistry::existing(nome);
        ASSERT_TRUE(w) << nome.toStdString();

        switch (caso.bounded(4)) {
        case 0: {
            const auto caselle = w->findChildren<QLineEdit *>();
            if (!caselle.isEmpty()) {
                QLineEdit *box = caselle[int(caso.bounded(caselle.size()))];
                if (!box->isReadOnly())
                    box->setText(testiCasuali[int(caso.bounded(testiCasuali.size()))]);
            }
            break;
        }
        case 1: {
            const auto pulsanti = w->findChildren<QAbstractButton *>();
            if (!pulsanti.isEmpty()) {
                QAbstractButton *b = pulsanti[int(caso.bounded(pulsanti.size()))];
                if (b->isEnabled() && !esce(b->objectName()))
                    b->click();
            }
            break;
        }
        case 2: {
            const auto barre = w->findChildren<QScrollBar *>();
            if (!barre.isEmpty()) {
                QScrollBar *b = barre[int(caso.bounded(barre.size()))];
                b->setValue(b->minimum() + int(caso.bounded(b->maximum() - b->minimum() + 1)));
            }
            const auto liste = w->findChildren<QComboBox *>();
            if (!liste.isEmpty()) {
                QComboBox *c = liste[int(caso.bounded(liste.size()))];
                if (c->count() > 0)
                    c->setCurrentIndex(int(caso.bounded(c->count())));
            }
            break;
        }
        default: {
            const auto azioni = w->findChildren<QAction *>();
            if (!azioni.isEmpty()) {
                QAction *a = azioni[int(caso.bounded(azioni.size()))];
                if (a->isEnabled() && !a->menu() && !esce(a->objectName()))
                    a->trigger();
            }
            break;
        }
        }
        if (passo % 100 == 0)
            processEvents();
    }
    processEvents();
    WordExport::setCartella(QString());

    for (int r = 1; r <= 100; ++r)
        EXPECT_FALSE(gValoreArea[r].isNumber() && !std::isfinite(gValoreArea[r].rawNumber())) << r;
    EXPECT_GE(gNumeroStime.leading(), 0);
    EXPECT_LE(gNumeroStime.leading(), 100);
}

} // namespace

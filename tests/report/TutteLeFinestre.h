#pragma once

#include "support/WindowTest.h"

#include "analyses/costs_times/ModuloCostiTempi.h"
#include "analyses/value_lot_rate/CalcoloValore.h"
#include "analyses/value_lot_rate/Superficie.h"
#include "analyses/value_lot_rate/TabellaSaggi.h"
#include "core/Dati.h"
#include "core/Modulo.h"
#include "report/Frontespizio.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>

// The whole appraisal, typed window by window as the appraiser types it, and what every window
// shows of it.
class TutteLeFinestreTest : public WindowTest
{
protected:
    static inline const QString nomi[] = {"dati", "valore", "costare", QString::fromUtf8("redditività"),
                                          "superficie", "capitali", "frontespizio"};

    QWidget *w(int k) { return WindowRegistry::instance(nomi[k]); }
    QLineEdit *box(int k, const QString &nome) { return find<QLineEdit>(w(k), nome); }
    void digita(int k, const QString &nome, const QString &testo) { type(box(k, nome), testo); }

    void compilaDati()
    {
        const QStringList righe[] = {{"250000", "100000", "2", "500", "5"},
                                     {"900000", "300000", "4", "1500", "6"},
                                     {"180000,5", "90000", "1,5", "400", "4,5"}};
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 5; ++c) {
                static const char *const colonne[] = {"valoremercat", "costitotal", "ann", "superfic", "sagg"};
                digita(0, QStringLiteral("%1_%2").arg(QLatin1String(colonne[c])).arg(r + 1), righe[r][c]);
            }
        click(find<QLabel>(w(0), "num_2"));
    }
    void compilaValore()
    {
        const int barre[] = {7, 8, 6, 9, 5};
        for (int i = 1; i <= 5; ++i)
            find<QScrollBar>(w(1), QStringLiteral("HScroll1_%1").arg(i))->setValue(barre[i - 1]);
        const QStringList stanze[] = {{"casa", "120", "100"}, {"garage, box", "35,5", " 50"}, {"", "", ""},
                                      {"terrazzo", "20", "25"}};
        for (int k = 1; k <= 4; ++k) {
            digita(1, QStringLiteral("tipol_%1").arg(k), stanze[k - 1][0]);
            digita(1, QStringLiteral("sup_%1").arg(k), stanze[k - 1][1]);
            type(find<QComboBox>(w(1), QStringLiteral("ragg_%1").arg(k))->lineEdit(), stanze[k - 1][2]);
        }
        digita(1, "costmq", "1500");
    }
    void compilaCosti()
    {
        click(find<QRadioButton>(w(2), "Option1_3"));
        digita(2, "tecnich", "10000");
        digita(2, "oner", "8001");   // its three items round to 8000; the profit follows
        digita(2, "costruz", "200000");
        digita(2, "costo_18", "15000");
        find<QScrollBar>(w(2), "HScroll1_2")->setValue(900);   // shares moved by hand
    }
    void compilaTempi()
    {
        const char *const giorni[][2] = {{"tempoprog", "75"}, {"tempoperm", "140"}, {"tempocostr", "624"},
                                         {"tempocatast", "62"}, {"tempoabit", "29"}};
        for (const auto &g : giorni)
            digita(3, QString::fromLatin1(g[0]), QString::fromLatin1(g[1]));
    }
    void compilaSuperficie()
    {
        for (int k = 1; k <= 33; ++k) {
            QString testo = k >= 2 && k <= 16 ? QString::number(k * 3) : QStringLiteral("campo %1").arg(k);
            if (k == 4)
                testo = "1,5";
            if (k == 19)
                testo = QString::fromUtf8("vincolo \"paesaggistico\", idrogeologico");
            digita(4, QStringLiteral("urban_%1").arg(k), testo);
        }
    }
    void compilaCapitali()
    {
        find<QScrollBar>(w(5), "HScroll1")->setValue(500);
        find<QScrollBar>(w(5), "HScroll2")->setValue(800);
        find<QScrollBar>(w(5), "HScroll3")->setValue(50);
        click(find<QLabel>(w(5), "num_3"));   // 6 % into the chosen row
    }
    void compilaFrontespizio()
    {
        const char *const testi[][2] = {{"comune", "Pisa (PI)"}, {"località", "San Rossore"},
                                        {"indirizzoimm", "via delle Cascine, 12"}, {"proprietà", "Rossi, Mario"},
                                        {"committente", "Banca \"Toscana\""}, {"luogo", "Pisa"},
                                        {"allegati", "planimetrie, foto"}};
        for (const auto &t : testi)
            digita(6, QString::fromUtf8(t[0]), QString::fromUtf8(t[1]));
        box(6, "data")->setText(QString::fromUtf8("lunedì, 7 dic 2026"));   // in place of today's
    }
    void compilaTutto()
    {
        compilaDati();
        compilaValore();
        compilaCosti();
        compilaTempi();
        compilaSuperficie();
        compilaCapitali();
        compilaFrontespizio();
    }

    // What every analysis window shows (boxes, lists, bars, buttons, labels but the hint line)
    // and the module data the combined archive restores or the windows derive. The complete one
    // adds the hint lines, the arrows and colours of the labels, the kind of each row value and
    // the data each window keeps for its own computations.
    QMap<QString, QString> istantanea(bool completa = false)
    {
        QMap<QString, QString> m;
        for (int k = 0; k < 7; ++k) {
            QWidget *f = w(k);
            const QString p = nomi[k] + QLatin1Char('.');
            for (auto *e : f->findChildren<QLineEdit *>())
                if (!e->objectName().isEmpty() && !qobject_cast<QComboBox *>(e->parent()))
                    m[p + e->objectName()] = e->text();
            for (auto *c : f->findChildren<QComboBox *>())
                m[p + c->objectName()] = c->currentText();
            for (auto *s : f->findChildren<QScrollBar *>())
                if (!s->objectName().isEmpty())
                    m[p + s->objectName()] = QString::number(s->value());
            for (auto *b : f->findChildren<QRadioButton *>())
                m[p + b->objectName()] = b->isChecked() ? "x" : "";
            for (auto *l : f->findChildren<QLabel *>())
                if (!l->objectName().isEmpty() && (completa || l->objectName() != "passo"))
                    m[p + l->objectName()] = !completa ? l->text()
                                                       : QStringLiteral("%1 %2 %3").arg(l->text(), l->isHidden() ? "-" : "+",
                                                                                        l->autoFillBackground() ? l->palette().window().color().name() : "");
        }
        const auto testo = [completa](const Variant &v) {
            return v.isEmpty() ? QString() : (completa && v.isNumber() ? QStringLiteral("#") : QString()) + v.text();
        };
        for (int r = 1; r <= 100; ++r) {
            int c = 0;
            for (const RowArray *a : {&gValoreMercato, &gCostiTotali, &gAnni, &gSuperficie, &gSaggio, &gValoreArea,
                                      &gValoreMq, &gSaggiFabbricato, &gSaggiRendimento, &gSaggiValoreArea})
                m[QStringLiteral("riga %1.%2").arg(r).arg(c++)] = testo((*a)[r]);
        }
        for (const auto &[nome, v] : {std::pair{"gNumeroStime", &gNumeroStime}, {"gRigaScelta", &gRigaScelta},
                                      {"gTipoCosti", &gTipoCosti}, {"gTipoTempi", &gTipoTempi},
                                      {"gNumeroSaggi", &gNumeroSaggi}, {"gRigaSaggio", &gRigaSaggio}})
            m[QString::fromLatin1(nome)] = v->text();
        if (!completa)
            return m;
        QList<const Variant *> dati{&gNumeroAmbienti, &gSpeseTecniche, &gOneriUrbanistici, &gCostoCostruzione,
                                    &gTotaleCosti, &gTempoProgettazione, &gTempoPermessi, &gTempoCostruzione,
                                    &gTempoAccatastamento, &gTempoAbitabilita, &gTotaleTempi};
        const auto elenco = [&dati](const auto &valori) {
            for (const Variant &v : valori)
                dati << &v;
        };
        elenco(gCoefficienti);
        elenco(gNomiAmbienti);
        elenco(gSuperficiRagguagliate);
        elenco(gDatiUrbanistici);
        elenco(gPercentualiOpere);
        for (int i = 0; i < dati.size(); ++i)
            m[QStringLiteral("dato %1").arg(i)] = testo(*dati[i]);
        return m;
    }
    // Names the controls whose content differs, to read a failure at a glance.
    static QStringList differenze(const QMap<QString, QString> &a, const QMap<QString, QString> &b)
    {
        QStringList d;
        for (auto it = a.cbegin(); it != a.cend(); ++it)
            if (b.value(it.key(), "<assente>") != it.value())
                d << QStringLiteral("%1: \"%2\" / \"%3\"").arg(it.key(), it.value(), b.value(it.key(), "<assente>"));
        return d;
    }

    void salvaTutto(const QString &percorso)
    {
        answerDialog(percorso);
        trigger(w(6), "salvatutto");
    }
    void apriTutto(const QString &percorso)
    {
        answerDialog(percorso);
        trigger(w(0), "apritutto");
    }
    // The program closed and started again: no window, the module data as at start.
    void riavvia()
    {
        WindowTest::TearDown();
        WindowTest::SetUp();
        show<Dati>("dati");
    }

    QString golden() const { return QStringLiteral(VANTEGRA_TEST_DATA "/Vantegra-totale-golden"); }

    QTemporaryDir cartella;
};

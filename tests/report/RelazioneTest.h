#pragma once

#include "support/DocxReader.h"
#include "support/WindowTest.h"

#include "core/Modulo.h"
#include "core/WordExport.h"
#include "report/Frontespizio.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

// A whole appraisal typed into the windows as the appraiser types it, every term sent into row 1
// by its window, ready for the cover page's "&Stampa"; documents go to a folder of the test's own.
class RelazioneTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(cartella.isValid());
        WordExport::setCartella(cartella.path());
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        WordExport::setCartella(QString());
    }

    QLineEdit *box(QWidget *w, const QString &nome) { return find<QLineEdit>(w, nome); }
    void set(QWidget *w, const QString &nome, const QString &testo) { box(w, nome)->setText(testo); }
    void premi(QWidget *w, const QString &nome) { click(find<QPushButton>(w, nome)); }

    // Ten rooms (the tenth a balcony at 25 %), the costs and times of the worked example, a lot
    // of 40 x 25 m and the rate chosen in the rate window's first line.
    void stimaCompleta(int stanze = 10)
    {
        QWidget *dati = show<QWidget>(QStringLiteral("dati"));
        set(dati, QStringLiteral("valoremercat_1"), QStringLiteral("1"));
        click(find<QLabel>(dati, QStringLiteral("num_1")));

        QWidget *v = show<QWidget>(QStringLiteral("valore"));
        const int posizioni[] = {8, 7, 9, 6, 8};
        for (int i = 1; i <= 5; ++i)
            find<QScrollBar>(v, QStringLiteral("HScroll1_%1").arg(i))->setValue(posizioni[i - 1]);
        for (int k = 1; k <= stanze; ++k) {
            set(v, QStringLiteral("tipol_%1").arg(k), k == 10 ? QStringLiteral("balcone") : QStringLiteral("vano %1").arg(k));
            set(v, QStringLiteral("sup_%1").arg(k), QStringLiteral("%1,5").arg(60 + k));
            find<QComboBox>(v, QStringLiteral("ragg_%1").arg(k))->setEditText(k == 10 ? QStringLiteral(" 25") : QStringLiteral("100"));
        }
        set(v, QStringLiteral("costmq"), QStringLiteral("1500"));
        premi(v, QStringLiteral("cmdstima"));

        QWidget *costi = show<QWidget>(QStringLiteral("costare"));
        set(costi, QStringLiteral("tecnich"), QStringLiteral("10000"));
        set(costi, QStringLiteral("oner"), QStringLiteral("5000"));
        set(costi, QStringLiteral("costruz"), QStringLiteral("200000"));
        set(costi, QStringLiteral("costo_18"), QStringLiteral("15000"));
        premi(costi, QStringLiteral("cmdcosti"));

        QWidget *tempi = show<QWidget>(QStringLiteral("redditività"));
        set(tempi, QStringLiteral("tempoprog"), QStringLiteral("60"));
        set(tempi, QStringLiteral("tempoperm"), QStringLiteral("120"));
        set(tempi, QStringLiteral("tempocostr"), QStringLiteral("400"));
        set(tempi, QStringLiteral("tempocatast"), QStringLiteral("90"));
        set(tempi, QStringLiteral("tempoabit"), QStringLiteral("60"));
        premi(tempi, QStringLiteral("cmdtempi"));

        QWidget *lotto = show<QWidget>(QStringLiteral("superficie"));
        for (int k : {1, 17, 18, 19})
            set(lotto, QStringLiteral("urban_%1").arg(k), QStringLiteral("dato %1").arg(k));
        for (int k = 20; k <= 33; ++k)
            set(lotto, QStringLiteral("urban_%1").arg(k), QStringLiteral("qualità %1").arg(k - 19));
        const QPair<int, const char *> numeri[] = {{2, "12"}, {3, "345"}, {4, "1,5"}, {5, "500"}, {6, "0,3"},
                                                   {7, "7"}, {8, "2000"}, {9, "2"}, {10, "5"}, {11, "10"},
                                                   {12, "10"}, {13, "0,2"}, {14, "0,1"}, {15, "40"}, {16, "25"}};
        for (const auto &[k, testo] : numeri)
            set(lotto, QStringLiteral("urban_%1").arg(k), QString::fromUtf8(testo));
        premi(lotto, QStringLiteral("cmdlotto"));

        QWidget *saggi = show<QWidget>(QStringLiteral("capitali"));
        click(find<QLabel>(saggi, QStringLiteral("num_1")));

        f = show<Frontespizio>(QStringLiteral("frontespizio"));
        const QStringList testi = {"Ancona (AN)", "Pinocchio", "via dei Mille 12", "Rossi Mario", "Banca Marche",
                                   "Ancona", "giovedì, 7 dic 2023", "planimetria, foto"};
        f->impostaTesti([&] {
            DatiFrontespizio d;
            for (int i = 0; i < 8; ++i)
                d.testi[size_t(i)] = testi[i];
            return d;
        }());
    }

    // "&Stampa" pressed; the report read back (an error text when none was written).
    docx::Document stampa()
    {
        premi(f, QStringLiteral("stampa"));
        return docx::read(cartella.filePath(QStringLiteral("-RelazioneVantegra-Rossi Mario.doc")));
    }

    QTemporaryDir cartella;
    Frontespizio *f = nullptr;
};

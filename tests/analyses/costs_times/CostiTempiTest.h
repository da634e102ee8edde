#pragma once

#include "support/WindowTest.h"

#include "analyses/costs_times/Costare.h"
#include "analyses/costs_times/ModuloCostiTempi.h"
#include "analyses/costs_times/RegistraCostiTempi.h"
#include "analyses/costs_times/Redditivita.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <initializer_list>

// The costs and times windows driven as the user drives them, from a program just started.
class CostiTempiTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        AzzeraDatiCostiTempi();
        RegistraFinestreCostiTempi();
    }

    QWidget *costi() { return show<Costare>(QStringLiteral("costare")); }
    QWidget *tempi() { return show<Redditivita>(QStringLiteral("redditività")); }

    QLineEdit *box(QWidget *w, const QString &name) { return find<QLineEdit>(w, name); }
    QLineEdit *box(QWidget *w, const char *name, int i) { return box(w, QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i)); }
    QString text(QWidget *w, const QString &name) { return box(w, name)->text(); }
    QString label(QWidget *w, const QString &name) { return find<QLabel>(w, name)->text(); }
    QScrollBar *slider(QWidget *w, int i) { return find<QScrollBar>(w, QStringLiteral("HScroll1_%1").arg(i)); }
    QRadioButton *tipo(QWidget *w, int k) { return find<QRadioButton>(w, QStringLiteral("Option1_%1").arg(k)); }

    // A text set at once, as a paste or a program would set it.
    void set(QWidget *w, const QString &name, const QString &value) { box(w, name)->setText(value); }
    // Keystrokes, each running the box's handler.
    void typeInto(QWidget *w, const QString &name, const QString &value) { type(box(w, name), value); }

    QStringList texts(QWidget *w, const char *name, std::initializer_list<int> indices)
    {
        QStringList out;
        for (int i : indices)
            out << box(w, name, i)->text();
        return out;
    }
    QStringList amounts(QWidget *w) { return texts(w, "ris", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}); }
    QList<int> sliders(QWidget *w)
    {
        QList<int> out;
        for (int i = 1; i <= 16; ++i)
            out << slider(w, i)->value();
        return out;
    }
    QString total(QWidget *w) { return text(w, QStringLiteral("correz_17")); }
    bool anyType(QWidget *w) { return tipo(w, 1)->isChecked() || tipo(w, 2)->isChecked() || tipo(w, 3)->isChecked(); }

    void chooseType(QWidget *w, int k) { tipo(w, k)->click(); }
    void cancelWork(QWidget *w, int i) { click(find<QPushButton>(w, QStringLiteral("annulla_%1").arg(i))); }

    // Closes a window with its close box and lets it go.
    void closeWindow(QWidget *w)
    {
        w->close();
        processEvents();
    }

    // A cover page holding only its owner box, until the real one takes its place.
    void coverPage(const QString &owner)
    {
        WindowRegistry::registerWindow(QStringLiteral("frontespizio"), [owner] {
            auto *w = new QWidget;
            w->setObjectName(QStringLiteral("frontespizio"));
            auto *b = new QLineEdit(owner, w);
            b->setObjectName(QStringLiteral("proprietà"));
            return w;
        });
    }

    // The costs window of the worked example: 10000, 5000, 200000 and a profit of 15000, type 2.
    QWidget *fullCosts()
    {
        QWidget *w = costi();
        typeInto(w, "tecnich", "10000");
        typeInto(w, "oner", "5000");
        typeInto(w, "costruz", "200000");
        typeInto(w, "costo_18", "15000");
        return w;
    }
    // The times window of the worked example: 60, 120, 400, 90 and 60 days.
    QWidget *fullTimes()
    {
        QWidget *w = tempi();
        typeInto(w, "tempoprog", "60");
        typeInto(w, "tempoperm", "120");
        typeInto(w, "tempocostr", "400");
        typeInto(w, "tempocatast", "90");
        typeInto(w, "tempoabit", "60");
        return w;
    }
};

#pragma once

// The ten lines of an appraisal grid, as the main data window and the rate window both draw them:
// the line's number (a click chooses the line), the five terms Vm, K, a, S, r, the two results
// Va and Va per square metre, and the arrow beside the chosen line.

#include "core/Controlli.h"
#include "runtime/Variant.h"

#include <QLabel>
#include <QLineEdit>
#include <array>

struct Griglia
{
    static constexpr int Linee = 10;
    static constexpr int Colonne = 7;

    std::array<QLabel *, Linee + 1> num{};
    std::array<QLabel *, Linee + 1> freccia{};
    std::array<std::array<QLineEdit *, Linee + 1>, Colonne> caselle{};

    // Finds the controls by their names: num_k, freccia_k, valoremercat_k ... valmq_k.
    void trova(QWidget *modulo);

    // Connects each line's number to the window's num_click and the five term columns to their
    // change handlers (valoremercat_Change ... sagg_Change), which every such window has.
    template<class Finestra>
    void collega(Finestra *finestra)
    {
        for (int k = 1; k <= Linee; ++k) {
            alClic(num[k], [finestra, k] { finestra->num_click(k); });
            num[k]->setCursor(Qt::PointingHandCursor);
            QObject::connect(caselle[0][k], &QLineEdit::textChanged, finestra, [finestra, k] { finestra->valoremercat_Change(k); });
            QObject::connect(caselle[1][k], &QLineEdit::textChanged, finestra, [finestra, k] { finestra->costitotal_Change(k); });
            QObject::connect(caselle[2][k], &QLineEdit::textChanged, finestra, [finestra, k] { finestra->ann_Change(k); });
            QObject::connect(caselle[3][k], &QLineEdit::textChanged, finestra, [finestra, k] { finestra->superfic_Change(k); });
            QObject::connect(caselle[4][k], &QLineEdit::textChanged, finestra, [finestra, k] { finestra->sagg_Change(k); });
        }
    }

    // What a line's change handler stores for the text its box now holds. The refresh shows a
    // value never set as an empty box, and storing that text back would make it an erased value,
    // which the formula reads otherwise: such a value stays never set, so what a row holds never
    // depends on which lines showed what before.
    static Variant valoreDaCasella(const QString &testo, const Variant &attuale);

    // The chosen line's number red with its arrow, the others yellow without.
    void segna(int linea, bool scelta);
    // A click on a line's number: every number yellow, the clicked one red (arrows follow at the
    // next refresh).
    void segnaClic(int linea);
};

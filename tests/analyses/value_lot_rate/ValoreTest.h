#pragma once

#include "support/WindowTest.h"

#include "analyses/value_lot_rate/CalcoloValore.h"
#include "analyses/value_lot_rate/RegistraValore.h"
#include "analyses/value_lot_rate/Valore.h"
#include "core/Modulo.h"
#include "core/WordExport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

// The building-value window as the user meets it: registered, shown, its run-long data as at
// start, documents written into a folder of the test's own.
class ValoreTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        RegistraFinestraValore();
        valore::azzeraDatiModulo();
        ASSERT_TRUE(cartella.isValid());
        WordExport::setCartella(cartella.path());
        v = show<Valore>(QStringLiteral("valore"));
    }
    void TearDown() override
    {
        WordExport::setCartella(QString());
        WindowTest::TearDown();
        valore::azzeraDatiModulo();
    }

    QLineEdit *box(const QString &nome) { return find<QLineEdit>(v, nome); }
    QLineEdit *box(const char *nome, int k) { return box(QStringLiteral("%1_%2").arg(QLatin1String(nome)).arg(k)); }
    QComboBox *ragg(int k) { return find<QComboBox>(v, QStringLiteral("ragg_%1").arg(k)); }
    QScrollBar *barra(int i) { return find<QScrollBar>(v, QStringLiteral("HScroll1_%1").arg(i)); }
    QLabel *etichetta(const QString &nome) { return find<QLabel>(v, nome); }
    QString coeff(int i) { return etichetta(QStringLiteral("coeff_%1").arg(i))->text(); }
    QString testo(const QString &nome) { return box(nome)->text(); }

    // Keystrokes into a box, after emptying it as the user would select and retype.
    void digita(QLineEdit *b, const QString &t)
    {
        b->selectAll();
        if (!b->text().isEmpty())
            pressKey(b, Qt::Key_Delete);
        type(b, t);
    }
    // Keystrokes after what the box holds.
    void accoda(QLineEdit *b, const QString &t)
    {
        b->end(false);
        type(b, t);
    }
    void digitaRagguaglio(int k, const QString &t) { digita(ragg(k)->lineEdit(), t); }
    // A room row typed from left to right.
    void stanza(int k, const QString &tipo, const QString &superficie, const QString &ragguaglio)
    {
        digita(box("tipol", k), tipo);
        digita(box("sup", k), superficie);
        digitaRagguaglio(k, ragguaglio);
    }
    void coefficienti(std::initializer_list<int> posizioni)
    {
        int i = 1;
        for (int p : posizioni)
            barra(i++)->setValue(p);
    }

    QTemporaryDir cartella;
    Valore *v = nullptr;
};

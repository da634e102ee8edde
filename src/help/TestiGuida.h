#pragma once

#include <QList>
#include <QString>

// What one guide window shows: its heading (bold and blue at the top, and "Guida: " followed by
// it in the prints) and its text, one paragraph.
struct TestoGuida
{
    QString finestra;   // the window's name, as the registry knows it
    QString titolo;
    QString testo;
};

// The eleven guides in the order of the help contents, which the whole-guide print follows too.
const QList<TestoGuida> &TestiGuida();
// The guide shown by that window; nullptr when the name is not one of the eleven.
const TestoGuida *testoGuida(const QString &finestra);

#pragma once

#include "report/RelazioneStima.h"

#include <QRandomGenerator>
#include <QStringList>

// Reports of many shapes from one appraisal read off the windows: cover texts from empty to long,
// from one to ten rooms, plain or wrapping lot and zone data, amounts from units to trillions and
// rate tables of one to a hundred rows. The same seed gives the same report.
namespace relazione_varie {

inline QString parole(QRandomGenerator &g, int caratteri)
{
    static const QStringList vocabolario = {
        "Banca",   "Popolare", "dell'Emilia", "Romagna,", "filiale", "di",     "Ancona",  "via",
        "Mazzini", "sud",      "S.p.A.",      "e",        "della",   "località", "Monte", "Conero",
        "planimetria,", "foto,", "visura",    "catastale", "estratto", "PRG",  "n.",      "12/B"};
    QString t;
    while (t.size() < caratteri)
        t += (t.isEmpty() ? QString() : QStringLiteral(" ")) + vocabolario[g.bounded(int(vocabolario.size()))];
    return t.left(caratteri).trimmed();
}

// An amount of `cifre` digits before the comma, as the windows show it.
inline QString importo(QRandomGenerator &g, int cifre, bool decimali)
{
    QString t = QString::number(1 + g.bounded(9));
    for (int i = 1; i < cifre; ++i)
        t += QString::number(g.bounded(10));
    return decimali ? t + QLatin1Char(',') + QString::number(10 + g.bounded(90)) : t;
}

inline relazione::DatiRelazione varia(relazione::DatiRelazione d, quint32 seme)
{
    QRandomGenerator g(seme);
    auto &testi = d.frontespizio.testi;   // comune, località, indirizzo, proprietà, committente, luogo, data, allegati
    const int lunghezze[] = {30, 30, 40, 30, 70, 20, 30, 160};
    for (int i = 0; i < 8; ++i)
        if (i != 3 && g.bounded(3) != 0)
            testi[size_t(i)] = parole(g, g.bounded(lunghezze[i] + 1));
    if (g.bounded(2) == 0)
        d.studio = parole(g, g.bounded(60));
    if (g.bounded(2) == 0)
        d.indirizzoStudio = parole(g, g.bounded(60));

    // Rooms: the first `stanze` keep a type and a surface, the rest are emptied.
    const int stanze = 1 + g.bounded(10);
    for (int k = 1; k <= 10; ++k) {
        if (k > stanze) {
            d.valore.tipol[size_t(k)] = d.valore.sup[size_t(k)] = d.valore.ragg[size_t(k)] = QString();
            d.valore.suptot[size_t(k)] = QString();
        } else if (g.bounded(3) == 0) {
            d.valore.tipol[size_t(k)] = parole(g, 5 + g.bounded(40));
            d.valore.sup[size_t(k)] = d.valore.suptot[size_t(k)] = importo(g, 1 + g.bounded(6), true);
        }
    }
    const int grandezza = 3 + g.bounded(11);   // digits of the building value, up to trillions
    d.stima[0] = importo(g, grandezza, false).toDouble();
    d.stima[1] = importo(g, std::max(1, grandezza - 1), false);
    d.stima[5] = importo(g, std::max(1, grandezza - 1), false).toDouble();
    d.stima[6] = importo(g, 1 + g.bounded(6), true).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    d.valore.costmq = importo(g, 1 + g.bounded(5), false);
    d.volume = importo(g, 1 + g.bounded(7), false);
    d.superficieLorda = importo(g, 1 + g.bounded(6), false);

    for (int k = 1; k <= 33; ++k)
        if (g.bounded(3) == 0)
            d.urban[size_t(k)] = g.bounded(4) == 0 ? parole(g, 20 + g.bounded(80)) : importo(g, 1 + g.bounded(8), g.bounded(2));
    for (int i = 1; i <= 16; ++i) {
        if (g.bounded(2) == 0)
            d.costi.ris[size_t(i)] = importo(g, 1 + g.bounded(grandezza), g.bounded(2));
        if (g.bounded(2) == 0)
            d.tempi.ris[size_t(i)] = importo(g, 1 + g.bounded(4), false);
    }
    for (QString &r : d.costi.righe)
        if (g.bounded(2) == 0)
            r = importo(g, 1 + g.bounded(grandezza), g.bounded(2));

    const int saggi = 1 + g.bounded(100);
    d.saggi.resize(size_t(saggi), d.saggi.empty() ? relazione::Termini{} : d.saggi.front());
    for (auto &t : d.saggi) {
        t[0] = d.stima[0];
        t[5] = importo(g, std::max(1, grandezza - 1 - g.bounded(2)), false).toDouble();
        t[6] = importo(g, 1 + g.bounded(6), true).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    }
    d.rigaSaggio = QString::number(1 + g.bounded(saggi));
    return d;
}

}   // namespace relazione_varie

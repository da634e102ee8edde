#pragma once

#include "runtime/Variant.h"

#include <QByteArray>
#include <QString>
#include <array>

// The maker's price list "listino.txt", in the record convention of the archives (fields
// separated by commas or line ends, texts in double quotes, numbers bare with a point): the
// year of the list, the number of products N, then four fields for each product: name, topic,
// list price and internet offer price.
//
// Reading never fails: whatever cannot be read is left out, and `esito` says why the list is
// not whole. Only complete products (all four fields present) are kept, at most 100.
struct Listino
{
    static constexpr int MassimoProdotti = 100;
    static constexpr int Campi = 4;   // fields of one product

    enum class Esito {
        Completo,         // every product the file lists was read
        FileMancante,     // no such file, or it cannot be opened
        FileDanneggiato,  // not in the record convention (say, a quote left open)
        ConteggioErrato,  // the number of products is missing, not a whole number or negative
        Incompleto,       // fewer complete products than the file says
        TroppiProdotti,   // more than 100 products: the first 100 are kept
    };

    Variant anno;                                // the year, as read (shown as its text)
    int conteggio = 0;                           // products kept: 0 to 100
    int dichiarati = 0;                          // products the file says it lists
    // Element i is product i; element 0 is not used.
    std::array<Variant, MassimoProdotti + 1> nomi;
    std::array<Variant, MassimoProdotti + 1> argomenti;
    std::array<Variant, MassimoProdotti + 1> prezzi;
    std::array<Variant, MassimoProdotti + 1> offerte;
    Esito esito = Esito::FileMancante;

    bool completo() const { return esito == Esito::Completo; }
    // One sentence for the window when the list is not whole; empty when it is.
    QString avviso() const;
};

Listino LeggiListino(const QString &path);
Listino LeggiListinoDa(const QByteArray &bytes);

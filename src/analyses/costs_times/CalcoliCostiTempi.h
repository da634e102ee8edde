#pragma once

// The arithmetic of the costs and times windows, without any window: the works table (building-type
// presets, share texts, amounts of each work, the redistribution of a cancelled work), the spread
// of a category over its sub-items, the sum of the sub-items and the years from days.
//
// Amounts are exact: a share of an amount is worked out on the decimal values the user and the
// table see, never on their binary approximations, and only then cut or rounded (7,30 % of 200000
// is 14600, where binary arithmetic gives 14599,999...).

#include "runtime/Variant.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace opere {

inline constexpr int NumeroOpere = 16;
inline constexpr int NumeroTipi = 3;
// A share in hundredths of a percent: 10000 is the whole construction category.
inline constexpr int Intero = 10000;

// The 16 kinds of work: caption (beginning with a blank), the share of each building type in
// hundredths of a percent, and the description the times window shows over the caption.
struct Opera
{
    const char *nome;
    int preset[NumeroTipi];
    const char *descrizioneTempi;
};
// Work i, 1 to 16.
const Opera &opera(int i);
int preset(int tipo, int i);

// "economiche", "medie", "evolute" and their tooltips; empty outside 1..3.
QString captionTipo(int tipo);
QString tooltipTipo(int tipo);
// A building type read from a value: 1, 2 or 3, or 0 when the value is none of them.
int tipoValido(const Variant &tipo);

// The share text of a slider position: the position / 100 in single precision, 7 digits
// (450 -> "4,5", 1 -> "0,01", 10000 -> "100").
QString testoCursore(int centesimi);
// The share text of a value in hundredths: / 100 with 15 digits (9999 -> "99,99").
QString testoQuota(double centesimi);
// The hundredths a share text stands for (its numeric reading x 100, cleaned of binary noise
// through its text form); 0 for a text that is no number.
double centesimiDi(const QString &quota);

// The amount of a work: floor(base x centesimi / 10000), exact.
double importoTroncato(double centesimi, double base);
// The amount a cancel writes: the same product rounded half up, exact.
double importoArrotondato(double centesimi, double base);
// To the nearest whole number, halves to the even neighbour (the slider of a redistributed share).
double arrotondaPari(double valore);

// One work that a cancel redistributes: its new share (hundredths, fractions kept), the amount
// rounded half up on the base, the slider position.
struct Ridistribuzione
{
    int opera = 0;
    double quota = 0;
    double importo = 0;
    int cursore = 0;
};

// The cancel of work j: the other works whose slider and share are both above 0 take their share of
// the table over S x 10000, where S is the sum of the other 15 shares as the table holds them (not
// the sliders). `quote` is the table (element i for work i, nothing counts 0), `cursori` the
// slider positions; the result lists the works that change, in order. When every other share is 0,
// nothing is redistributed.
QList<Ridistribuzione> ridistribuisci(const std::array<Variant, NumeroOpere + 1> &quote,
                                      const std::array<int, NumeroOpere + 1> &cursori, int j, double base);

}   // namespace opere

namespace categorie {

enum class Arrotondamento {
    Nessuno,    // the product as it comes, with its decimals (1001 x 0,3 -> "300,3")
    MezzoInSu   // floor(product + 0.5)
};

// A category's value spread over its sub-items by their shares: the text each sub-item receives.
QStringList ripartisci(double valore, const QList<double> &quote, Arrotondamento arrotondamento);

// A category added up from its sub-items' texts: each counts with its leading number (300,3
// counts 300) and the running sum is carried on by its own leading number.
double sommaVoci(const QStringList &testi);

// Days into years with one decimal, halves up: Int(giorni / 365 x 10 + 0.5) / 10, exact
// (913 days -> 2,5; 894 -> 2,4).
double anniDaGiorni(double giorni);

}   // namespace categorie

#include "analyses/costs_times/CalcoliCostiTempi.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace {

// --- exact arithmetic on the decimal values behind doubles

using Intero128 = __int128;

// A finite double as the shortest decimal that reads back as the same double: m x 10^e. Whatever
// the user typed or the table holds (1025, 150000.75, 2848.167539267016) comes back digit for digit.
struct Decimale
{
    Intero128 m = 0;
    int e = 0;
};

std::optional<Decimale> decimale(double x)
{
    if (!std::isfinite(x))
        return std::nullopt;
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, x);
    if (res.ec != std::errc())
        return std::nullopt;
    Decimale d;
    bool negativo = false;
    int decimali = 0;
    bool dopoPunto = false;
    const char *p = buf;
    if (p < res.ptr && *p == '-') {
        negativo = true;
        ++p;
    }
    for (; p < res.ptr && *p != 'e'; ++p) {
        if (*p == '.') {
            dopoPunto = true;
            continue;
        }
        d.m = d.m * 10 + (*p - '0');
        if (dopoPunto)
            ++decimali;
    }
    int esponente = 0;
    if (p < res.ptr && *p == 'e') {
        ++p;
        std::from_chars(*p == '+' ? p + 1 : p, res.ptr, esponente);
    }
    d.e = esponente - decimali;
    if (negativo)
        d.m = -d.m;
    return d;
}

int cifre(Intero128 n)
{
    int c = 1;
    for (n = n < 0 ? -n : n; n >= 10; n /= 10)
        ++c;
    return c;
}

Intero128 potenza10(int n)
{
    Intero128 r = 1;
    while (n-- > 0)
        r *= 10;
    return r;
}

// Rounds towards minus infinity; d > 0.
Intero128 divisioneIntera(Intero128 n, Intero128 d)
{
    Intero128 q = n / d;
    if (n % d != 0 && n < 0)
        --q;
    return q;
}

// floor((a x b x p + q) / r) on the decimal values of a and b; p, q small, r > 0. Beyond the range
// that 128 bits hold exactly (values no appraisal reaches) it falls back on double arithmetic.
double floorEsatto(double a, double b, int p, int q, int r)
{
    const auto da = decimale(a);
    const auto db = decimale(b);
    constexpr int MassimeCifre = 36;      // of m x 10^e x p: 128 bits hold 38
    constexpr int MassimiDecimali = 28;   // q x 10^-e and r x 10^-e stay below 10^34
    if (da && db) {
        const Intero128 m = da->m * db->m;   // each below 10^17: the product stays below 10^34
        const int e = da->e + db->e;
        if (e >= 0 && cifre(m) + e + 2 <= MassimeCifre)
            return static_cast<double>(divisioneIntera(m * potenza10(e) * p + q, r));
        if (e < 0 && -e <= MassimiDecimali) {
            const Intero128 scala = potenza10(-e);
            return static_cast<double>(divisioneIntera(m * p + q * scala, r * scala));
        }
    }
    return std::floor((a * b * p + q) / r);
}

// --- the works

const opere::Opera tabellaOpere[opere::NumeroOpere] = {
    {" Fondazioni", {450, 400, 350},
     "tempo necessario per le opere di scavo e fondazione del fabbricato"},
    {" Opere in cemento armato fuori terra", {2720, 2530, 2020},
     "tempo necessario per la parte strutturale, c.a. o muratura, fino alla copertura"},
    {" Tombagni e tramezzi", {1025, 960, 730},
     "tempo necessario per la realizzazione delle murature di tombagno e dei divisori interni"},
    {" Impermeabilizzazioni", {120, 110, 80},
     "tempo necessario per le opere di impermeabilizzazione delle coperture"},
    {" Intonaci e stucchi interni ed esterni", {530, 680, 750},
     "tempo necessario per la realizzazione degli intonaci completi del fabbricato"},
    {" Pavimenti e rivestimenti", {980, 1135, 1150},
     "tempo necessario per la realizzazione dei pavimenti interni ed esterni e dei rivestimenti di bagni, "
     "cucine e simili"},
    {" Opere in legno", {750, 1000, 1250},
     "tempo necessario per tutte le opere in legno, infissi, ringhiere, passamani, ecc. "},
    {" Opere in ferro", {125, 185, 200},
     "tempo necessario per le opere in ferro come ringhiere, cancelli, grate e simili "},
    {" Tinteggiature e verniciature", {640, 630, 670},
     "tempo necessario per le verniciature e le tinteggiature interne ed esterne di pareti ed elementi vari"},
    {" Impianto idraulico, sanitario e gas", {1325, 1150, 1100},
     "tempo necessario per la realizzazione dell'impianto idrico e di scarico di bagni e cucine, oltre che "
     "di quello del gas"},
    {" Impianto di riscaldamento", {630, 550, 500},
     "tempo necessario per la realizzazione dell'impianto di riscaldamento, qualora presente, dell'intero "
     "fabbricato"},
    {" Impianto di condizionamento d'aria", {0, 0, 500},
     "tempo necessario per la realizzazione dell'impianto di aria condizionata, se presente"},
    {" Impianto elettrico", {140, 140, 130},
     "tempo necessario per la realizzazione dell'impianto elettrico e la posa in opera di quanto necessario "
     "al funzionamento completo"},
    {" Ascensori", {335, 300, 270},
     "tempo necessario per la posa in opera di ascensori nel fabbricato, qualora presenti"},
    {" Impianti vari (antenna, citofono...)", {80, 60, 100},
     "tempo necessario per la realizzazione degli impianti di antenna, di citofono o videocitofono, "
     "antincendio, antifurto e simili, qualora presenti"},
    {" Imprevisti e manutenzioni", {150, 170, 200},
     "tempo stimato per le opere di pulizia, manutenzione  emessa in funzione di tutti i componenti edilizi "
     "e tecnici del fabbricato, compreso la stima di imprevisti per la realizzazione dell'intera opera"},
};

const char *const captionTipi[opere::NumeroTipi] = {"economiche", "medie", "evolute"};
const char *const tooltipTipi[opere::NumeroTipi] = {"edificio di tipo economico o popolare",
                                                    "edificio di tipo medio o civile",
                                                    "edificio di tipo evoluto o signorile"};

} // namespace

namespace opere {

const Opera &opera(int i)
{
    return tabellaOpere[i - 1];
}

int preset(int tipo, int i)
{
    return opera(i).preset[tipo - 1];
}

QString captionTipo(int tipo)
{
    return tipo >= 1 && tipo <= NumeroTipi ? QString::fromUtf8(captionTipi[tipo - 1]) : QString();
}

QString tooltipTipo(int tipo)
{
    return tipo >= 1 && tipo <= NumeroTipi ? QString::fromUtf8(tooltipTipi[tipo - 1]) : QString();
}

int tipoValido(const Variant &tipo)
{
    if (!tipo.present())
        return 0;
    const auto n = tipo.numeric();
    if (!n)
        return 0;
    for (int k = 1; k <= NumeroTipi; ++k) {
        if (*n == k)
            return k;
    }
    return 0;
}

QString testoCursore(int centesimi)
{
    const float quota = static_cast<float>(centesimi) / 100.0f;
    return numberText(quota, 7);
}

QString testoQuota(double centesimi)
{
    return numberText(centesimi / 100.0);
}

double centesimiDi(const QString &quota)
{
    const auto n = parseItalian(quota);
    if (!n)
        return 0;
    return leadingNumber(numberText(*n * 100));
}

double importoTroncato(double centesimi, double base)
{
    return floorEsatto(centesimi, base, 1, 0, Intero);
}

double importoArrotondato(double centesimi, double base)
{
    return floorEsatto(centesimi, base, 2, Intero, 2 * Intero);
}

double arrotondaPari(double valore)
{
    const double giu = std::floor(valore);
    const double resto = valore - giu;
    if (resto > 0.5)
        return giu + 1;
    if (resto < 0.5)
        return giu;
    return std::fmod(giu, 2) == 0 ? giu : giu + 1;
}

QList<Ridistribuzione> ridistribuisci(const std::array<Variant, NumeroOpere + 1> &quote,
                                      const std::array<int, NumeroOpere + 1> &cursori, int j, double base)
{
    const auto quota = [&quote](int i) { return quote[i].numeric().value_or(0); };
    double s = 0;
    for (int i = 1; i <= NumeroOpere; ++i) {
        if (i != j)
            s += quota(i);
    }
    QList<Ridistribuzione> passi;
    for (int i = 1; i <= NumeroOpere; ++i) {
        if (i == j || cursori[i] == 0 || quota(i) == 0)
            continue;
        Ridistribuzione r;
        r.opera = i;
        r.quota = quota(i) / s * Intero;
        r.importo = importoArrotondato(r.quota, base);
        r.cursore = static_cast<int>(arrotondaPari(r.quota));
        passi << r;
    }
    return passi;
}

}   // namespace opere

namespace categorie {

QStringList ripartisci(double valore, const QList<double> &quote, Arrotondamento arrotondamento)
{
    QStringList testi;
    for (double quota : quote) {
        if (arrotondamento == Arrotondamento::MezzoInSu)
            testi << numberText(floorEsatto(valore, quota, 2, 1, 2));
        else
            testi << numberText(valore * quota);
    }
    return testi;
}

double sommaVoci(const QStringList &testi)
{
    double somma = 0;
    for (const QString &testo : testi)
        somma = leadingNumber(testo) + leadingNumber(numberText(somma));
    return somma;
}

double anniDaGiorni(double giorni)
{
    // Int(giorni / 365 x 10 + 0.5) = floor((20 x giorni + 365) / 730)
    return floorEsatto(giorni, 1, 20, 365, 730) / 10;
}

}   // namespace categorie

#include "report/ControlliStampa.h"

#include "analyses/costs_times/CalcoliCostiTempi.h"
#include "analyses/costs_times/FinestraOpere.h"
#include "analyses/value_lot_rate/Superficie.h"
#include "analyses/value_lot_rate/Valore.h"
#include "core/Modulo.h"
#include "core/Stima.h"
#include "core/WindowRegistry.h"
#include "platform/MsgBox.h"
#include "report/Frontespizio.h"

namespace stampa {

namespace {

// A value of the chosen row as a number: a number as it is, a text that reads as one.
std::optional<double> numeroRiga(const Variant &valore)
{
    if (valore.isNumber())
        return valore.rawNumber();
    if (valore.isText())
        return parseItalian(valore.rawText());
    return std::nullopt;
}

// The costs window's total against K of the row: as numbers when both read as numbers, so that
// "150000,5" and "150000,50" agree; otherwise as the texts they show.
bool stessiCosti(const QString &totale, const Variant &riga)
{
    const std::optional<double> a = parseItalian(totale);
    const std::optional<double> b = numeroRiga(riga);
    if (a && b)
        return *a == *b;
    return totale == riga.text();
}

// The times window's days in years, rounded as its transfer into the row rounds them, against a
// of the row (nothing there counts 0). Days or years that are no number never agree.
bool stessiAnni(const QString &giorni, const Variant &riga)
{
    const std::optional<double> d = parseItalian(giorni);
    if (!d)
        return false;
    const std::optional<double> anni = riga.present() ? numeroRiga(riga) : std::optional<double>(0.0);
    return anni && categorie::anniDaGiorni(*d) == *anni;
}

// A lot with no buildable surface ("nessuna") has none to exceed the rooms' surface.
bool lottoOltreAmbienti(const QString &lorda, const QString &ambienti)
{
    const std::optional<double> lotto = parseItalian(lorda);
    if (!lotto)
        return false;
    return *lotto > parseItalian(ambienti).value_or(0.0);
}

bool flagAncoraAlzato(const Variant &flag)
{
    return flag.present() && flag.leading() == 1;
}

} // namespace

std::optional<Fermata> controllaCoerenza(const ValoriControlli &v)
{
    const QString costi = QStringLiteral("costare");
    const QString tempi = QStringLiteral("redditività");
    if (v.percentualiCosti != QLatin1String("100"))
        return Fermata{QStringLiteral("Il totale delle percentuali dei costi non è uguale a 100: sistemalo prima di stampare."),
                       vb::Exclamation, costi};
    if (!stessiCosti(v.totaleCosti, v.costiRiga))
        return Fermata{QStringLiteral("Il totale dei costi del fabbricato non corrisponde con il valore relativo immesso "
                                      "nella finestra Dati."),
                       vb::Exclamation, costi};
    if (v.percentualiTempi != QLatin1String("100"))
        return Fermata{QStringLiteral("Il totale delle percentuali dei tempi non è uguale a 100: sistemalo prima di stampare."),
                       vb::Exclamation, tempi};
    if (!stessiAnni(v.giorniTotali, v.anniRiga))
        return Fermata{QStringLiteral("Il totale dei tempi per la redditività non corrisponde al valore relativo immesso "
                                      "nella finestra Dati."),
                       vb::Exclamation, tempi};
    if (lottoOltreAmbienti(v.superficieLorda, v.superficieAmbienti))
        return Fermata{QStringLiteral("Il valore della superficie lorda edificabile deve essere minore o uguale alla "
                                      "superficie lorda stimata degli ambienti dell'edificio da realizzare."),
                       vb::Critical, QStringLiteral("valore")};
    return std::nullopt;
}

ValoriControlli leggiValoriControlli()
{
    ValoriControlli v;
    if (auto *costi = WindowRegistry::get<FinestraOpere>(QStringLiteral("costare"))) {
        const QuadroOpere q = costi->quadro();
        v.percentualiCosti = q.correz[opere::NumeroOpere + 1];
        v.totaleCosti = q.totale;
    }
    if (auto *tempi = WindowRegistry::get<FinestraOpere>(QStringLiteral("redditività"))) {
        const QuadroOpere q = tempi->quadro();
        v.percentualiTempi = q.correz[opere::NumeroOpere + 1];
        v.giorniTotali = q.totale;
    }
    if (auto *lotto = WindowRegistry::get<Superficie>(QStringLiteral("superficie")))
        v.superficieLorda = lotto->suplord();
    if (auto *valore = WindowRegistry::get<Valore>(QStringLiteral("valore")))
        v.superficieAmbienti = valore->quadro().supt;
    const int riga = rigaSceltaValida();
    v.costiRiga = gCostiTotali[riga];
    v.anniRiga = gAnni[riga];
    return v;
}

bool controlliDelleFinestre(Frontespizio &frontespizio)
{
    const struct
    {
        const char *finestra;
        Variant *flag;
    } silenziosi[] = {{"dati", &gControlloDati},
                      {"valore", &gControlloValore},
                      {"costare", &gControlloCosti},
                      {"redditività", &gControlloTempi},
                      {"superficie", &gControlloSuperficie}};
    for (const auto &c : silenziosi) {
        const QString nome = QString::fromUtf8(c.finestra);
        auto *finestra = WindowRegistry::get<AnalysisWindow>(nome);
        if (!finestra)
            continue;
        *c.flag = 1;
        finestra->controlla_click();
        if (flagAncoraAlzato(*c.flag)) {
            WindowRegistry::show(nome);
            return false;
        }
    }

    frontespizio.setControlloFrontespizio(1);
    frontespizio.controlla_click();
    return !flagAncoraAlzato(frontespizio.ControlloFrontespizio());
}

bool controlliPrimaDellaStampa(Frontespizio &frontespizio)
{
    if (!controlliDelleFinestre(frontespizio))
        return false;
    if (const std::optional<Fermata> fermata = controllaCoerenza(leggiValoriControlli())) {
        MsgBox(fermata->messaggio, vb::OKOnly | fermata->icona, gTitoloControllo);
        WindowRegistry::show(fermata->finestra);
        return false;
    }
    return true;
}

}   // namespace stampa

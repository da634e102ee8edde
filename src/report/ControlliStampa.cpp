#include "report/ControlliStampa.h"

#include "analyses/costs_times/CalcoliCostiTempi.h"
#include "analyses/costs_times/FinestraOpere.h"
#include "analyses/value_lot_rate/Capitali.h"
#include "analyses/value_lot_rate/Superficie.h"
#include "analyses/value_lot_rate/TabellaSaggi.h"
#include "analyses/value_lot_rate/Valore.h"
#include "core/Modulo.h"
#include "core/Stima.h"
#include "core/WindowRegistry.h"
#include "platform/MsgBox.h"
#include "report/Frontespizio.h"

#include <cmath>

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

// A figure as a window shows it against the same figure held elsewhere (the chosen row, a line of
// the rate table): as numbers when both read as numbers, so that "150000,5" and "150000,50"
// agree; otherwise as the texts they show.
bool stessoValore(const Variant &finestra, const Variant &riga)
{
    const std::optional<double> a = numeroRiga(finestra);
    const std::optional<double> b = numeroRiga(riga);
    if (a && b)
        return *a == *b;
    return finestra.text() == riga.text();
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
    if (!stessoValore(v.totaleCosti, v.costiRiga))
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
    // A row with no plot value would print a report with no result.
    if (!numeroRiga(v.valoreArea) || !numeroRiga(v.valoreMq)) {
        const int termine = calcolaValoreArea(v.valoreRiga, v.costiRiga, v.anniRiga, v.superficieRiga,
                                              v.saggioRiga).termine;
        const QString correggi = termine >= 0 ? nomeTermine(termine) : QStringLiteral("i valori della riga scelta");
        return Fermata{QStringLiteral("Il valore dell'area della riga scelta non si può calcolare: correggi ") + correggi
                           + QStringLiteral(" nella finestra Dati prima di stampare."),
                       vb::Exclamation, QStringLiteral("dati")};
    }
    if (!stessoValore(v.valoreFabbricato, v.valoreRiga))
        return Fermata{QStringLiteral("Il valore del fabbricato della finestra Valore fabbricato non corrisponde con il "
                                      "valore relativo immesso nella finestra Dati: premi di nuovo TOTALE STIMA prima "
                                      "di stampare."),
                       vb::Exclamation, QStringLiteral("valore")};
    // Section M names the line of the rate table the appraiser chose, and states its rate.
    if (v.rigaSaggio.text().trimmed().isEmpty())
        return Fermata{Capitali::avvisoSceltaSaggio(), vb::Exclamation, QStringLiteral("capitali")};
    if (!stessoValore(v.saggioTabella, v.saggioRiga))
        return Fermata{QStringLiteral("Il saggio di rendimento della riga n.") + v.rigaSaggio.text()
                           + QStringLiteral(" della finestra Rendimento non corrisponde con il valore relativo immesso "
                                            "nella finestra Dati: clicca di nuovo sul numero della riga scelta prima di "
                                            "stampare."),
                       vb::Exclamation, QStringLiteral("capitali")};
    if (!stessoValore(v.superficieLotto, v.superficieRiga))
        return Fermata{QStringLiteral("La superficie del lotto della finestra Superficie non corrisponde con il valore "
                                      "relativo immesso nella finestra Dati: correggi, se serve, la superficie del "
                                      "lotto nella finestra Superficie e premi di nuovo SUPERFICIE DEL LOTTO MQ. "
                                      "prima di stampare."),
                       vb::Exclamation, QStringLiteral("superficie")};
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
    if (auto *lotto = WindowRegistry::get<Superficie>(QStringLiteral("superficie"))) {
        v.superficieLorda = lotto->suplord();
        v.superficieLotto = lotto->suplot();
    }
    if (auto *valore = WindowRegistry::get<Valore>(QStringLiteral("valore"))) {
        const QuadroValore q = valore->quadro();
        v.superficieAmbienti = q.supt;
        v.valoreFabbricato = q.stimatotal;
    }
    // The table as the report will print it: made to belong to the chosen row first.
    if (auto *saggi = WindowRegistry::get<Capitali>(QStringLiteral("capitali")))
        saggi->rinnovaTabella();
    v.rigaSaggio = gRigaSaggio;
    if (const std::optional<double> linea = gRigaSaggio.numeric();
        linea && *linea == std::floor(*linea) && *linea >= 1 && *linea <= gNumeroSaggi.leading()
        && *linea <= MassimoSaggi)
        v.saggioTabella = gSaggiRendimento[int(*linea)];

    const int riga = rigaSceltaValida();
    v.valoreRiga = gValoreMercato[riga];
    v.costiRiga = gCostiTotali[riga];
    v.anniRiga = gAnni[riga];
    v.superficieRiga = gSuperficie[riga];
    v.saggioRiga = gSaggio[riga];
    v.valoreArea = gValoreArea[riga];
    v.valoreMq = gValoreMq[riga];
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

#include "core/CommandFamily.h"

#include <array>

namespace famiglia {

namespace {

std::array<Finestra, NumeroFinestre> costruisciTabella()
{
    Finestra base;
    base.eliminaCaption = QStringLiteral("E&limina");
    base.visualizzaCaption = QStringLiteral("&Visualizza");
    base.guidaAzione = QStringLiteral("guidainlinea");
    base.suggerimentiAzione = QStringLiteral("sugger");
    base.suggerimentiCaption = QStringLiteral("&Suggerimenti...");
    base.informazioniCaption = QStringLiteral("&Informazioni su Vantegra");
    base.cancellaCaption = QStringLiteral("C&ancella dati finestra");
    base.frontespizioNome = QStringLiteral("Frontespizio");

    auto domanda = [](const char *nome) {
        return QStringLiteral("E' questa la finestra '") + QString::fromUtf8(nome)
               + QStringLiteral("': si vuole la guida della finestra?");
    };

    std::array<Finestra, NumeroFinestre> t;
    t.fill(base);

    Finestra &dati = t[0];
    dati.nome = QStringLiteral("dati");
    dati.domanda = domanda("Dati");
    dati.guida = QStringLiteral("guidadati");
    dati.sottomenuApri = true;
    dati.spuntaPropria = true;

    Finestra &valore = t[1];
    valore.nome = QStringLiteral("valore");
    valore.domanda = domanda("Valore del fabbricato");
    valore.guida = QStringLiteral("guidavalore");
    valore.eliminaCaption = QStringLiteral("&Elimina...");
    valore.guidaAzione = QStringLiteral("guida");
    valore.suggerimentiAzione = QStringLiteral("suggerimenti");
    valore.spuntaPropria = true;

    Finestra &costare = t[2];
    costare.nome = QStringLiteral("costare");
    costare.domanda = domanda("Costi");
    costare.guida = QStringLiteral("guidacostare");
    costare.tastiAccesso = false;

    Finestra &redditivita = t[3];
    redditivita.nome = QStringLiteral("redditività");
    redditivita.domanda = domanda("Tempi di realizzazione");
    redditivita.guida = QStringLiteral("guidaredditività");
    redditivita.tastiAccesso = false;
    redditivita.separatoreFinaleModifica = true;

    Finestra &superficie = t[4];
    superficie.nome = QStringLiteral("superficie");
    superficie.domanda = domanda("Superficie");
    superficie.guida = QStringLiteral("guidasuperficie");
    superficie.eliminaCaption = QStringLiteral("&Elimina...");
    superficie.guidaAzione = QStringLiteral("guida");
    superficie.suggerimentiAzione = QStringLiteral("suggerimenti");
    superficie.suggerimentiCaption = QStringLiteral("&Suggerimenti");
    superficie.informazioniCaption = QStringLiteral("&Informazioni Vantegra");
    superficie.spuntaPropria = true;
    superficie.spaziTitolo = 125;

    Finestra &capitali = t[5];
    capitali.nome = QStringLiteral("capitali");
    capitali.domanda = domanda("Rendimento");
    capitali.guida = QStringLiteral("guidacapitali");
    capitali.spuntaPropria = true;
    capitali.cancellaCaption = QStringLiteral("C&ancella dati immessi");
    capitali.cancellaAttiva = false;
    capitali.frontespizioNome = QStringLiteral("Frontespiizio");
    capitali.spaziTitolo = 118;

    Finestra &frontespizio = t[6];
    frontespizio.nome = QStringLiteral("frontespizio");
    frontespizio.domanda = domanda("Frontespizio");
    frontespizio.guida = QStringLiteral("guidafrontespizio");
    frontespizio.domandaConTitoloAiuto = true;
    frontespizio.sottomenuSalvaNome = true;
    frontespizio.eliminaCaption = QStringLiteral("&Elimina...");
    frontespizio.visualizzaCaption = QStringLiteral("Visuali&zza");
    frontespizio.suggerimentiAzione = QStringLiteral("suggerimenti");
    frontespizio.suggerimentiCaption = QStringLiteral("&Suggerimenti");

    for (int i = 0; i < NumeroFinestre; ++i)
        t[size_t(i)].numero = i + 1;
    return t;
}

const std::array<Finestra, NumeroFinestre> &tabella()
{
    static const std::array<Finestra, NumeroFinestre> t = costruisciTabella();
    return t;
}

struct Posizione
{
    const char *tooltip;   // nullptr: a separator
    const char *icona;
    Comando comando;
    int finestra;
};

// Positions 1 to 22 (index 0 unused). A separator carries the command of the position after it.
const Posizione posizioni[PosizioniToolbar + 1] = {
    {nullptr, nullptr, Comando::Apri, 0},
    {"apri file", "apri", Comando::Apri, 0},
    {"salva file", "salva", Comando::Salva, 0},
    {"elimina file", "elimina", Comando::Elimina, 0},
    {"stampa dati finestra", "stampa", Comando::Stampa, 0},
    {nullptr, nullptr, Comando::Finestra, 1},
    {"visualizza finestra Dati", "finestra1", Comando::Finestra, 1},
    {"visualizza finestra Valore fabbricato", "finestra2", Comando::Finestra, 2},
    {"visualizza finestra Costi", "finestra3", Comando::Finestra, 3},
    {"visualizza finestra Tempi", "finestra4", Comando::Finestra, 4},
    {"visualizza finestra Superficie", "finestra5", Comando::Finestra, 5},
    {"visualizza finestra Rendimento", "finestra6", Comando::Finestra, 6},
    {"visualizza finestra Frontespizio", "finestra7", Comando::Finestra, 7},
    {nullptr, nullptr, Comando::Colore, 0},
    {"colore di sfondo", "colore", Comando::Colore, 0},
    {"guida in linea", "guida", Comando::Sommario, 0},
    {"suggerimenti", "suggerimenti", Comando::Suggerimenti, 0},
    {"supporto prodotto", "supporto", Comando::Supporto, 0},
    {"informazioni su Vantegra", "informazioni", Comando::Informazioni, 0},
    {nullptr, nullptr, Comando::Controllo, 0},
    {"controllo dati immessi", "controllo", Comando::Controllo, 0},
    {"cancella dati finestra", "cancella", Comando::Cancella, 0},
    {"uscita da Vantegra", "uscita", Comando::Uscita, 0},
};

bool posizioneValida(int posizione)
{
    return posizione >= 1 && posizione <= PosizioniToolbar;
}

} // namespace

const Finestra *finestra(int numero)
{
    if (numero < 1 || numero > NumeroFinestre)
        return nullptr;
    return &tabella()[size_t(numero - 1)];
}

QString caption(const Finestra &f, const QString &conTasto)
{
    if (f.tastiAccesso)
        return conTasto;
    QString senza = conTasto;
    senza.remove(QLatin1Char('&'));
    return senza;
}

QString voceFinestra(const Finestra &f, int k)
{
    static const char *const nomi[NumeroFinestre] = {
        "Dati", "Valore fabbricato", "Costi di realizzazione", "Tempi per redditività",
        "Superficie del lotto", "Saggio di rendimento", nullptr};
    if (k < 1 || k > NumeroFinestre)
        return QString();
    const QString nome = k == NumeroFinestre ? f.frontespizioNome : QString::fromUtf8(nomi[k - 1]);
    return QStringLiteral("Finestra \"") + nome + QLatin1Char('"');
}

QString titoloNumero(const Finestra &f)
{
    return QString(f.spaziTitolo, QLatin1Char(' ')) + QStringLiteral("Fi&nestra n.")
           + QString::number(f.numero) + QStringLiteral(" di ") + QString::number(NumeroFinestre);
}

Pulsante comandoToolbar(int numero, int posizione)
{
    if (!posizioneValida(posizione))
        return {Comando::Apri, 0};
    // The rate window has no clearing command: 19 and 20 check its data, 21 leaves like 22.
    if (numero == 6) {
        if (posizione == 19 || posizione == 20)
            return {Comando::Controllo, 0};
        if (posizione == 21)
            return {Comando::Uscita, 0};
    }
    const Posizione &p = posizioni[posizione];
    return {p.comando, p.finestra};
}

bool separatoreToolbar(int posizione)
{
    return posizioneValida(posizione) && posizioni[posizione].tooltip == nullptr;
}

QString tooltipToolbar(int posizione)
{
    if (!posizioneValida(posizione) || !posizioni[posizione].tooltip)
        return QString();
    return QString::fromUtf8(posizioni[posizione].tooltip);
}

QString iconaToolbar(int posizione)
{
    if (!posizioneValida(posizione) || !posizioni[posizione].icona)
        return QString();
    return QStringLiteral(":/toolbar/") + QString::fromLatin1(posizioni[posizione].icona) + QStringLiteral(".png");
}

}   // namespace famiglia

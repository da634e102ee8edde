#include "core/Modulo.h"

#include "core/WindowRegistry.h"
#include "core/frmSplash.h"
#include "platform/MsgBox.h"

#include <cmath>

namespace {
const Variant emptyValue;
}

const Variant &RowArray::operator[](int row) const
{
    return isRow(row) ? m_values[std::size_t(row)] : emptyValue;
}

void RowArray::set(int row, const Variant &value)
{
    if (isRow(row))
        m_values[std::size_t(row)] = value;
}

void RowArray::clear()
{
    m_values.fill(Variant());
}

RowArray gValoreMercato;
RowArray gCostiTotali;
RowArray gAnni;
RowArray gSuperficie;
RowArray gSaggio;
RowArray gValoreArea;
RowArray gValoreMq;

Variant gNumeroStime;
Variant gPrimaRiga;
Variant gRigaCorrente;
Variant gRigaScelta;

Variant gNomeProgramma;
Variant gTitoloRelazione;
Variant gVersione;
Variant gDataVersione;
Variant gBuild;

QString gTitoloControllo;
Variant gTitoloElimina;
Variant gTitoloAiuto;

Variant gControlloDati;
Variant gControlloValore;
Variant gControlloCosti;
Variant gControlloTempi;
Variant gControlloSuperficie;

std::uint32_t gColoreSfondo = 0;

Variant gNumeroDaScrivere;
Variant gTestoLettere;
QString gParoleNumeri[36];
QString gParoleRisultato[21];
Variant gContaParole;
std::int16_t gGruppoCifre = 0;
QString gNumeroDaFormattare;
QString gNumeroFormattato;

std::unique_ptr<WordApplication> gWord;
WordDocument *gDocumento = nullptr;
std::optional<WordTable> gTabella;

void ImpostaCostanti()
{
    gNomeProgramma = "Vantegra";
    gTitoloRelazione = "relazione di stima di aree fabbricabili";
    gVersione = "3.04.05";
    gDataVersione = "30/12/2006";
    gBuild = "281211";
}

void ImpostaMessaggi()
{
    ImpostaCostanti();
    gTitoloControllo = gNomeProgramma.text() + QStringLiteral(": controllo dati immessi nella finestra attiva");
    gTitoloElimina = "Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo";
    gTitoloAiuto = gNomeProgramma.text() + QStringLiteral(": aiuto in linea");
}

void MostraDati()
{
    WindowRegistry::show(QStringLiteral("dati"));
}

// ---------------------------------------------------------------------------------------------
// Number in words

namespace {

constexpr double LimiteLettere = 999999990000.0;

void riempiParoleNumeri()
{
    static const char *const parole[36] = {
        "",
        "uno", "due", "tre", "quattro", "cinque", "sei", "sette", "otto", "nove",
        "dieci", "undici", "dodici", "tredici", "quattordici", "quindici", "sedici",
        "diciassette", "diciotto", "diciannove",
        "venti", "trenta", "quaranta", "cinquanta", "sessanta", "settanta", "ottanta", "novanta",
        "vent", "trent", "quarant", "cinquant", "sessant", "settant", "ottant", "novant"};
    for (int i = 0; i < 36; ++i)
        gParoleNumeri[i] = QString::fromLatin1(parole[i]);
}

int contaParole()
{
    return int(gContaParole.numeric().value_or(0));
}

void aggiungiParola(const QString &parola)
{
    const int n = contaParole() + 1;
    if (n > 20)
        return;   // cannot happen for a group split of a number within the limit
    gParoleRisultato[n] = parola;
    gContaParole = n;
}

// Appends the words of gGruppoCifre (0 to 999).
void CentinaiaInLettere()
{
    const int g = gGruppoCifre;
    const int h = g / 100;
    if (h != 0) {
        if (h != 1)
            aggiungiParola(gParoleNumeri[h]);
        aggiungiParola(QStringLiteral("cento"));
    }
    const int r = g - h * 100;
    if (r > 20) {
        const int t = r / 10;
        const int u = r - t * 10;
        aggiungiParola(gParoleNumeri[(u == 1 || u == 8) ? t + 26 : t + 18]);
        if (u != 0)
            aggiungiParola(gParoleNumeri[u]);
    } else {
        aggiungiParola(gParoleNumeri[r]);
    }
}

// One group: "un..." for exactly one, otherwise its words and the plural group word.
void gruppoInLettere(double gruppo, const char *uno, const char *plurale)
{
    if (gruppo == 0)
        return;
    if (gruppo == 1) {
        aggiungiParola(QString::fromLatin1(uno));
        return;
    }
    gGruppoCifre = std::int16_t(gruppo);
    CentinaiaInLettere();
    aggiungiParola(QString::fromLatin1(plurale));
}

} // namespace

void NumeroInLettere()
{
    if (!gNumeroDaScrivere.present())
        return;
    const std::optional<double> valore = gNumeroDaScrivere.numeric();
    if (!valore || !std::isfinite(*valore))
        return;
    const bool negativo = *valore < 0;
    // Only whole numbers have words; a fraction would otherwise creep into a group of digits.
    const double n = Int(std::fabs(*valore));
    if (n > LimiteLettere)
        return;

    riempiParoleNumeri();
    gContaParole = 0;
    if (n == 0) {
        gTestoLettere = "zero";
        return;
    }

    const double g1 = Int(n / 1000000000.0);
    const double r1 = n - g1 * 1000000000.0;
    const double g2 = Int(r1 / 1000000.0);
    const double r2 = r1 - g2 * 1000000.0;
    const double g3 = Int(r2 / 1000.0);
    const double g4 = r2 - g3 * 1000.0;

    gruppoInLettere(g1, "unmiliardo", "miliardi");
    gruppoInLettere(g2, "unmilione", "milioni");
    gruppoInLettere(g3, "mille", "mila");
    if (g4 != 0) {
        gGruppoCifre = std::int16_t(g4);
        CentinaiaInLettere();
    }

    QString testo = gTestoLettere.text();
    if (negativo)
        testo += QStringLiteral("meno ");
    const int conta = contaParole();
    for (int i = 1; i <= conta; ++i)
        testo += gParoleRisultato[i];
    gTestoLettere = testo;
}

void FormattaNumero()
{
    gNumeroFormattato = QString();
    const std::optional<double> valore = parseItalian(gNumeroDaFormattare);
    // A text that is no number is given back as it is, the way the format function treats it.
    gNumeroFormattato = valore ? formatWhole(*valore) : gNumeroDaFormattare;
}

// ---------------------------------------------------------------------------------------------
// Exit

void ConfermaUscita()
{
    const int risposta = MsgBox(QStringLiteral("Vuoi uscire da ") + gNomeProgramma.text() + QStringLiteral("?"),
                                vb::YesNo + vb::Question + vb::DefaultButton2,
                                QStringLiteral("Attenzione: i dati non archiviati andranno persi !"));
    if (risposta == vb::No)
        return;

    static const char *const finestre[] = {
        "dati", "costare", "redditività", "valore", "superficie", "capitali", "frontespizio",
        "supportoclienti", "informa", "sommario", "manuale", "guidafunzionamento", "guidaarchivio",
        "guidastampa", "guidadati", "guidavalore", "guidacostare", "guidaredditività",
        "guidasuperficie", "guidacapitali", "guidafrontespizio", "frmTip", "prodotti"};
    for (const char *nome : finestre)
        WindowRegistry::unload(QString::fromUtf8(nome));

    // The splash comes back as the closing screen; a splash that was closed loads again first.
    if (auto *splash = WindowRegistry::get<frmSplash>(QStringLiteral("frmSplash"))) {
        splash->MMControl1.command(QStringLiteral("play"));
        WindowRegistry::show(QStringLiteral("frmSplash"));
        splash->setCaption(2, QStringLiteral("       elaborazione eseguita con"));
    }
}

WordSelection &NuovoDocumentoWord()
{
    gTabella.reset();
    gDocumento = nullptr;
    gWord = std::make_unique<WordApplication>();
    gWord->setVisible(true);
    gDocumento = &gWord->Documents().Add();
    return gWord->Selection();
}

#pragma once

#include <QString>

// The commands the seven analysis windows share (menu bar, 22-position toolbar, window switching,
// help entries) are built once, in AnalysisWindow; what differs from one window to another is
// kept here, one row per window, so that a window only declares its number.
namespace famiglia {

inline constexpr int NumeroFinestre = 7;
inline constexpr int PosizioniToolbar = 22;
// The restful grey: the design background of every analysis window, and the grey answer's colour.
inline constexpr unsigned int Grigio = 0xC0C0C0;

// The windows the help commands show.
inline const QString Sommario = QStringLiteral("sommario");
inline const QString Suggerimenti = QStringLiteral("frmTip");
inline const QString Supporto = QStringLiteral("supportoclienti");
inline const QString Informazioni = QStringLiteral("informa");

struct Finestra
{
    int numero = 0;
    QString nome;                    // object name of the window
    QString domanda;                 // asked by the window's own entry in the window menu
    QString guida;                   // the window's own guide
    bool domandaConTitoloAiuto = false;   // the question is titled gTitoloAiuto, not the product name
    bool sottomenuApri = false;      // "&Apri..." opens "...solo dati finestra" / "...tutti i dati"
    bool sottomenuSalvaNome = false; // "Salva con &nome..." opens "...&solo dati finestra" / "...&tutti i dati"
    bool tastiAccesso = true;        // false: the entries' captions carry no access keys
    QString eliminaCaption;
    QString visualizzaCaption;       // the window menu's title
    QString guidaAzione;             // object name of the help-contents entry
    QString suggerimentiAzione;      // object name of the tips entry
    QString suggerimentiCaption;
    QString informazioniCaption;
    QString cancellaCaption;
    bool cancellaAttiva = true;      // false: the clearing entry is greyed, with no command
    bool separatoreFinaleModifica = false;
    bool spuntaPropria = false;      // the window's own entry carries a check mark
    QString frontespizioNome;        // the cover page's name in the window menu
    int spaziTitolo = 126;           // blanks before the window-number title
};

// The row of window 1 to 7 (1 dati, 2 valore, 3 costare, 4 redditività, 5 superficie,
// 6 capitali, 7 frontespizio); nullptr for any other number.
const Finestra *finestra(int numero);

// An entry's caption as the window shows it: without its access key where the window has none.
QString caption(const Finestra &f, const QString &conTasto);
// The window menu's entry for window k: Finestra "Dati", Finestra "Valore fabbricato", ...
QString voceFinestra(const Finestra &f, int k);
// The title at the right end of the menu bar: the blanks, then "Fi&nestra n.N di 7".
QString titoloNumero(const Finestra &f);

// What a toolbar position runs.
enum class Comando {
    Apri, Salva, Elimina, Stampa,
    Finestra,        // fin1_Click ... fin7_Click: `finestra` tells which
    Colore, Sommario, Suggerimenti, Supporto, Informazioni,
    Controllo, Cancella, Uscita
};

struct Pulsante
{
    Comando comando = Comando::Apri;
    int finestra = 0;
};

// The command of a toolbar position in window `numero`. A separator runs the command of the
// position after it; a number outside 1..22 opens a file.
Pulsante comandoToolbar(int numero, int posizione);
bool separatoreToolbar(int posizione);
QString tooltipToolbar(int posizione);
// The image of a toolbar position, as a resource path; empty for a separator.
QString iconaToolbar(int posizione);

}   // namespace famiglia

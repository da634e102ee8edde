#pragma once

// The shared module: data that live for the whole run and that more than one window reads or
// writes, and the small procedures every window calls.

#include "platform/word/Word.h"
#include "runtime/Variant.h"

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

// One column of the appraisal rows: rows 1 to 100. Element 0 and any row outside 1..100 do not
// exist for the program: reading one gives nothing, writing one is ignored, so a count or a
// chosen row out of range (from a foreign archive, say) can never reach outside the table.
class RowArray
{
public:
    static constexpr int FirstRow = 1;
    static constexpr int LastRow = 100;

    const Variant &operator[](int row) const;
    void set(int row, const Variant &value);
    void clear();

    static bool isRow(int row) { return row >= FirstRow && row <= LastRow; }

private:
    std::array<Variant, LastRow + 1> m_values;
};

// --- appraisal rows: Vm, K, a, S, r and the two results Va and Va per square metre
extern RowArray gValoreMercato;
extern RowArray gCostiTotali;
extern RowArray gAnni;
extern RowArray gSuperficie;
extern RowArray gSaggio;
extern RowArray gValoreArea;
extern RowArray gValoreMq;

// --- row scalars
extern Variant gNumeroStime;    // number of appraisals
extern Variant gPrimaRiga;      // row shown in the main grid's first line
extern Variant gRigaCorrente;   // row being edited in the main grid
extern Variant gRigaScelta;     // chosen row; empty when none

// --- product constants (ImpostaCostanti)
extern Variant gNomeProgramma;
extern Variant gTitoloRelazione;
extern Variant gVersione;
extern Variant gDataVersione;
extern Variant gBuild;

// --- message-box titles (ImpostaMessaggi)
extern QString gTitoloControllo;
extern Variant gTitoloElimina;
extern Variant gTitoloAiuto;

// --- silent-check flags: 1 while the caller waits for a window's data check, 0 once it passed
extern Variant gControlloDati;
extern Variant gControlloValore;
extern Variant gControlloCosti;
extern Variant gControlloTempi;
extern Variant gControlloSuperficie;

// --- background colour last picked, Windows layout (red in the low byte, then green, blue)
extern std::uint32_t gColoreSfondo;

// --- number in words and number formatting talk to their callers through these
extern Variant gNumeroDaScrivere;     // input of NumeroInLettere
extern Variant gTestoLettere;         // NumeroInLettere appends its words here
extern QString gParoleNumeri[36];     // word table, index 0 empty
extern QString gParoleRisultato[21];  // the words of the result, from index 1
extern Variant gContaParole;          // how many words gParoleRisultato holds
extern std::int16_t gGruppoCifre;     // group of three digits handed to CentinaiaInLettere
extern QString gNumeroDaFormattare;   // input of FormattaNumero
extern QString gNumeroFormattato;     // output of FormattaNumero

// --- Word objects of the current export, report or guide print: each output replaces all three
//     (a new application first, which takes its documents with it) and nothing releases them after
extern std::unique_ptr<WordApplication> gWord;
extern WordDocument *gDocumento;
extern std::optional<WordTable> gTabella;

// Starts an output: a new, visible Word application in gWord (the previous one goes with its
// documents), a new document in gDocumento, no table yet; returns the selection at its start.
WordSelection &NuovoDocumentoWord();

// Product name, report title, version, release date and build tag.
void ImpostaCostanti();
// The product constants, then the three message titles built afresh.
void ImpostaMessaggi();
// Creates the main data window when needed and shows it.
void MostraDati();

// Writes gNumeroDaScrivere (a whole number up to 999999990000) in Italian words, as one word,
// after what gTestoLettere holds; 0 replaces it with "zero". An empty input or one beyond the
// limit leaves gTestoLettere alone. A negative amount is written "meno " and the words of its
// absolute value.
void NumeroInLettere();
// gNumeroDaFormattare rounded to a whole number and grouped by three with points.
void FormattaNumero();

// The exit question; on Yes every window is unloaded and the splash becomes the closing screen.
void ConfermaUscita();

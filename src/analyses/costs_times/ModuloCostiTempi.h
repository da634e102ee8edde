#pragma once

// Data of the costs window `costare` and of the times window `redditività` that live for the
// whole run, also while the windows are closed. Every value is empty until first set and counts
// as 0 in sums and comparisons.

#include "runtime/Variant.h"

#include <array>

// --- the works table, one for both windows: element i (1..16) is the share of kind of work i in
//     hundredths of a percent; whole numbers after a building-type choice, fractions kept after a
//     cancel. Element 0 is not used.
extern std::array<Variant, 17> gPercentualiOpere;

// --- the building type last chosen in each window, 1 to 3
extern Variant gTipoCosti;
extern Variant gTipoTempi;

// --- costs window: categories a), b), c) in euro and the total K (the profit d) is read from its box)
extern Variant gSpeseTecniche;
extern Variant gOneriUrbanistici;
extern Variant gCostoCostruzione;   // also the base of the costs window's works table
extern Variant gTotaleCosti;

// --- times window: categories a) to e) in days and their total
extern Variant gTempoProgettazione;
extern Variant gTempoPermessi;
extern Variant gTempoCostruzione;   // also the base of the times window's works table
extern Variant gTempoAccatastamento;
extern Variant gTempoAbitabilita;
extern Variant gTotaleTempi;

// Puts every datum above back as it is when the program starts (nothing set).
void AzzeraDatiCostiTempi();

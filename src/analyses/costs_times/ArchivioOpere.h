#pragma once

// The archive of the costs window ("Vantegra-costi-" files) and of the times window
// ("Vantegra-tempi-" files), 17 lines each:
//   line 1      the texts of the category boxes as typed, in quotes (costs: technical expenses,
//               urbanisation charges, construction, profit; times: design, permits, construction,
//               land registry, habitability), then the window's building type 1 to 3, bare;
//   lines 2-17  the position of the share slider of each kind of work 1 to 16, bare.
// The combined archive holds the same 17 lines for each window.

#include "analyses/costs_times/CalcoliCostiTempi.h"
#include "runtime/Variant.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

class ArchiveWriter;

inline constexpr int RigheArchivioOpere = 1 + opere::NumeroOpere;

struct ArchivioOpere
{
    QStringList testi;                                  // the category boxes, in record order
    Variant tipo;                                       // 1 to 3 once read and checked
    std::array<int, opere::NumeroOpere + 1> cursori{};  // element i for work i; 0 unused
};

void scriviArchivioOpere(ArchiveWriter &writer, const ArchivioOpere &archivio);

// Checks the 17 records (blank lines after them are harmless) before anything is taken from them:
// `numeroTesti` texts and a building type 1, 2 or 3 on the first line, then one whole slider
// position from 0 to 10000 per line. False with the reason, in a short Italian phrase, otherwise.
bool leggiArchivioOpere(QList<QList<Variant>> righe, int numeroTesti, ArchivioOpere &out, QString *motivo);

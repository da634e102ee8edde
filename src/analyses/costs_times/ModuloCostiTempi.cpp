#include "analyses/costs_times/ModuloCostiTempi.h"

std::array<Variant, 17> gPercentualiOpere;

Variant gTipoCosti;
Variant gTipoTempi;

Variant gSpeseTecniche;
Variant gOneriUrbanistici;
Variant gCostoCostruzione;
Variant gTotaleCosti;

Variant gTempoProgettazione;
Variant gTempoPermessi;
Variant gTempoCostruzione;
Variant gTempoAccatastamento;
Variant gTempoAbitabilita;
Variant gTotaleTempi;

void AzzeraDatiCostiTempi()
{
    for (Variant &quota : gPercentualiOpere)
        quota = Variant();
    for (Variant *v : {&gTipoCosti, &gTipoTempi, &gSpeseTecniche, &gOneriUrbanistici, &gCostoCostruzione,
                       &gTotaleCosti, &gTempoProgettazione, &gTempoPermessi, &gTempoCostruzione,
                       &gTempoAccatastamento, &gTempoAbitabilita, &gTotaleTempi})
        *v = Variant();
}

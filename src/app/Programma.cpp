#include "app/Programma.h"

#include "analyses/costs_times/RegistraCostiTempi.h"
#include "analyses/value_lot_rate/RegistraCapitali.h"
#include "analyses/value_lot_rate/RegistraSuperficie.h"
#include "analyses/value_lot_rate/RegistraValore.h"
#include "core/Avvio.h"
#include "core/Dati.h"
#include "core/Modulo.h"
#include "core/WindowRegistry.h"
#include "core/frmSplash.h"
#include "help/RegistraGuide.h"
#include "help/RegistraInformazioni.h"
#include "report/ArchivioTotale.h"
#include "report/RegistraFrontespizio.h"

#include <QFont>

void RegistraFinestre()
{
    WindowRegistry::registerWindow(QStringLiteral("frmSplash"), [] { return new frmSplash; });
    WindowRegistry::registerWindow(QStringLiteral("dati"), [] { return new Dati; });
    RegistraFinestreGuida();
    RegistraFinestreInformazioni();
    RegistraFinestraSuperficie();
    RegistraFinestraCapitali();
    RegistraFinestraValore();
    RegistraFinestraFrontespizio();
    RegistraFinestreCostiTempi();
    Dati::setLettoreArchivioTotale(apriArchivioTotale);
}

void Avvio()
{
    CaricaRisorse();
    ImpostaCostanti();
    ImpostaMessaggi();
    RegistraFinestre();
    // The documents and windows name Century Gothic; URW Gothic is its free look-alike.
    QFont::insertSubstitution(QStringLiteral("Century Gothic"), QStringLiteral("URW Gothic"));
    WindowRegistry::show(QStringLiteral("frmSplash"));
}

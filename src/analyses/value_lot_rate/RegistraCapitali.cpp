#include "analyses/value_lot_rate/RegistraCapitali.h"

#include "analyses/value_lot_rate/Capitali.h"
#include "core/WindowRegistry.h"

void RegistraFinestraCapitali()
{
    WindowRegistry::registerWindow(QStringLiteral("capitali"), [] { return new Capitali; });
}

#include "analyses/value_lot_rate/RegistraValore.h"

#include "analyses/value_lot_rate/Valore.h"
#include "core/WindowRegistry.h"

void RegistraFinestraValore()
{
    WindowRegistry::registerWindow(QStringLiteral("valore"), [] { return new Valore; });
}

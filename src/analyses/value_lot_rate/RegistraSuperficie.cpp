#include "analyses/value_lot_rate/RegistraSuperficie.h"

#include "analyses/value_lot_rate/Superficie.h"
#include "core/WindowRegistry.h"

void RegistraFinestraSuperficie()
{
    WindowRegistry::registerWindow(QStringLiteral("superficie"), [] { return new Superficie; });
}

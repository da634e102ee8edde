#include "report/RegistraFrontespizio.h"

#include "core/WindowRegistry.h"
#include "report/Frontespizio.h"
#include "report/Studio.h"

void RegistraFinestraFrontespizio()
{
    CaricaStudio();
    WindowRegistry::registerWindow(QStringLiteral("frontespizio"), [] { return new Frontespizio; });
}
